// CQXTrickRect: the graph tool's tracking rectangle (the frame with handles round a selection).
#pragma once

#include "mfc/Types.h"

class CQXTrickRect {
public:
    CQXTrickRect() = default;
    CQXTrickRect(const CQXTrickRect&) = default;
    CQXTrickRect& operator=(const CQXTrickRect&) = default;
    virtual ~CQXTrickRect() = default;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 6;
};
