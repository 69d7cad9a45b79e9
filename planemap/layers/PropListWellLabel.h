// CPropListWellLabel: a well-name label ("井名"): its text and position, which belong to the shown
// label alone, and its font, which every selected label of its type name follows.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectText;

class CPropListWellLabel : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kWellId = 2001,
        kFontGroupId = 2002,
        kFaceId = 2003,
        kSizeId = 2004,
        kColorId = 2005,
        kTextId = 2006,
        kPositionGroupId = 2007,
        kXId = 2008,
        kYId = 2009,
    };

    CPropListWellLabel();
    ~CPropListWellLabel() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused size or coordinate shows the stored one as the refresh shows it.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectText* Label() const;
    void ShowStored(CQXObjectText* label, CBCGPProp* item);
};
