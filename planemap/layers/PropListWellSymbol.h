// CPropListWellSymbol: a well's position symbol ("井位", "井口" or "井底"): the well's name, the
// kind, the coordinates and the point symbol. A symbol edit reaches every selected object of the
// shown symbol's type name; name and coordinates are shown for a lone selection only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListWellSymbol : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kWellNameId = 2001,
        kCoordinateGroupId = 2002,
        kXId = 2003,
        kYId = 2004,
        kSymbolGroupId = 2005,
        kStyleId = 2006,
        kSizeId = 2007,
        kBorderColorId = 2008,
        kInnerColorId = 2009,
    };

    CPropListWellSymbol();
    ~CPropListWellSymbol() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectPoint* Symbol() const;
    void RefreshCoordinates(CQXObjectPoint* symbol, bool single);
};
