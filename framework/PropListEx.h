// The pane's grid: the library grid plus F2 (edit the selected item) and F4 (the selected
// chart item's button), and a scroll hook that lets a chart item move its pop-up.
#pragma once

#include "bcg/PropList.h"

class CBCGPPropListEx : public CBCGPPropList {
    DECLARE_DYNAMIC(CBCGPPropListEx)
public:
    CBCGPPropListEx() = default;

protected:
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);

    DECLARE_MESSAGE_MAP()
};
