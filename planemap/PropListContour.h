// CPropListContour: a contour line: its value label, its pen and how the label is drawn (shown,
// font, decimals, where labels start and how far apart they stand, background). Every edit reaches
// each selected object of the contour's type name, which then recomputes itself.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectContour;

class CPropListContour : public CWndLstPlane {
public:
    CPropListContour();
    ~CPropListContour() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectContour* Contour() const;
    void RefreshLabel(CQXObjectContour* contour);
    void ApplyValue(CQXObjectContour* contour, const CString& text);
    void ApplyPenWidth(CQXObjectContour* contour, CBCGPProp* item);
    void ApplyFontSize(CQXObjectContour* contour, CBCGPProp* item, QXLOGFONT& font);
    void ApplyDistance(CQXObjectContour* contour, CBCGPProp* item, bool start);
};
