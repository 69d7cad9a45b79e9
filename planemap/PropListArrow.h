// CPropListArrow: a block arrow on a plane map: its shape style, outline pen, fill and size.
// Every edit reaches each selected arrow of the shown arrow's type name, after which the shown
// arrow rebuilds its outline.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectArrow;

class CPropListArrow : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStyleGroupId = 2001,
        kStyleId = 2002,
        kPenGroupId = 2003,
        kPenStyleId = 2004,
        kPenWidthId = 2005,
        kPenColorId = 2006,
        kSizeGroupId = 2011,
        kHeightId = 2012,
        kHeadPercentId = 2013,
        kBodyPercentId = 2014,
    };

    CPropListArrow();
    ~CPropListArrow() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectArrow* Arrow() const;
    void ApplySize(CQXObjectArrow* arrow, CBCGPProp* item);
    void ShowStoredSize(CQXObjectArrow* arrow, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
