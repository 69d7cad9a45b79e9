// CPropListScatteredAppendControlPoint: a virtual well added as a control point of a
// scattered-attribute distribution: its facies code (its name), chosen among the catalogue's codes,
// and its symbol. A code reaches every selected point of the type name and is announced to the map's
// views; the symbol is written to every selected point after each edit.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListScatteredAppendControlPoint : public CWndLstPlane {
public:
    CPropListScatteredAppendControlPoint();
    ~CPropListScatteredAppendControlPoint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectPoint* Point() const;
    void RefreshSymbol(CQXObjectPoint* point);
    void ApplyCode(CQXObjectPoint* point, const CString& code);
    void WriteSymbolToSelection(QXLOGPOINT& symbol);
};
