// CPropListLegend: a plane-map legend: title and title font, frame line, entry font and outline,
// entry size, spacings, column count and the side of the entry texts. Most edits reach each
// selected legend of the type name; the entry size and the entry font colour reach the shown
// legend only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLegend;

class CPropListLegend : public CWndLstPlane {
public:
    CPropListLegend();
    ~CPropListLegend() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLegend* Legend() const;
    void ApplyEntryFont(CQXObjectLegend* legend, CBCGPProp* item);
    void ApplyLength(CQXObjectLegend* legend, CBCGPProp* item);
    void ApplyColumns(CQXObjectLegend* legend, CBCGPProp* item);
};
