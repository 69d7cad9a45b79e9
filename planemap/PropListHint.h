// CPropListHint: a plane-map hint (a framed text with a leader): frame style, outline pen, fill,
// font, text and alignment. Every edit reaches each selected hint of the type name; pen, font and
// fill edits write the shown hint's whole value with the edited field replaced.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectHint;

class CPropListHint : public CWndLstPlane {
public:
    CPropListHint();
    ~CPropListHint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectHint* Hint() const;

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
