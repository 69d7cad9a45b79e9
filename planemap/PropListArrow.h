// CPropListArrow: a block arrow on a plane map: its shape style, outline pen, fill and size.
// Every edit reaches each selected arrow of the shown arrow's type name, after which the shown
// arrow rebuilds its outline.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectArrow;

class CPropListArrow : public CWndLstPlane {
public:
    CPropListArrow();
    ~CPropListArrow() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectArrow* Arrow() const;
    void ApplyStyle(CQXObjectArrow* arrow, CBCGPProp* item);
    void ApplySize(CQXObjectArrow* arrow, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
