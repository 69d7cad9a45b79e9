// CPropListAppendControlPoint: an appended control point of a facies map, a virtual well whose
// name is its facies code. A new code names every selected point of the type name and is
// announced to the map file; every edit writes the shown point's symbol to all selected points.
#pragma once

#include "planemap/CodeItems.h"
#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListAppendControlPoint : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kCodeId = 2001,
        kSymbolGroupId = 2002,
        kStyleId = 2003,
        kSizeId = 2004,
        kBorderColorId = 2005,
        kInnerColorId = 2006,
    };

    CPropListAppendControlPoint();
    ~CPropListAppendControlPoint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

    // The catalogue whose codes the code item offers: the facies catalogue here.
    virtual codeitems::Catalogue CodeCatalogue() const;

private:
    CQXObjectPoint* Point() const;
    void RefreshSymbol(CQXObjectPoint* point);
    void ApplyCode(CQXObjectPoint* point, const CString& code);
    void WriteSymbolToSelection(QXLOGPOINT* symbol);
};
