// CPropListPointText: a text that labels a point with a number. Beside the text list's font,
// background and rotation it sets the label's count of decimals and its place around the
// anchor (one of nine places standing for an alignment pair). Every edit reaches each selected
// label of the type name, each keeping the rest of its own font.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectText;

class CPropListPointText : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStringId = 2001,
        kDirectionId = 2002,
        kFontGroupId = 2003,
        kFaceId = 2004,
        kSizeId = 2005,
        kColorId = 2006,
        kDecimalsId = 2007,
        kTransparentId = 2008,
        kBackColorId = 2009,
        kAngleId = 2010,
        kPlaceId = 2011,
    };

    CPropListPointText();
    ~CPropListPointText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectText* Text() const;
    void ShowStored(CQXObjectText* text, CBCGPProp* item);
    // False, nothing written, for a text no place holds.
    bool ApplyPlace(CBCGPProp* item, CQXLayer* layer, const CString& typeName);

    CString m_shownPlace;  // the place the item last showed as taken or stored
};
