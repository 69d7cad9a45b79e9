// CPropListPoint: a plane-map point symbol: its type name, its position and its point style.
// Style edits reach every selected point of the type name; position edits the shown point only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListPoint : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kPositionGroupId = 2001,
        kXId = 2002,
        kYId = 2003,
        kStyleGroupId = 2004,
        kStyleId = 2005,
        kSizeId = 2006,
        kBorderColorId = 2007,
        kInnerColorId = 2008,
    };

    CPropListPoint();
    ~CPropListPoint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectPoint* Point() const;
    void RefreshPosition(CQXObjectPoint* point, bool single);
    void RefreshStyle(CQXObjectPoint* point, bool single);
    void ShowStoredCoordinate(CQXObjectPoint* point, CBCGPProp* item);
    void ShowStoredSize(CQXObjectPoint* point, CBCGPProp* item, bool single);
    void ApplySize(CQXObjectPoint* point, CBCGPProp* item);
    void WriteStyle(CQXObjectPoint* point, QXLOGPOINT& style);
};
