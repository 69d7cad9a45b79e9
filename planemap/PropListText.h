// CPropListText: a plane-map text: its string, font, background, rotation, alignment and the
// position of its anchor. Attribute edits reach every selected text of the type name, each
// keeping the rest of its own font; position edits move the shown text only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectText;

class CPropListText : public CWndLstPlane {
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
        kBackColorId = 2007,
        kTransparentId = 2008,
        kAngleId = 2009,
        kHAlignId = 2010,
        kVAlignId = 2011,
        kPositionGroupId = 2012,
        kXId = 2013,
        kYId = 2014,
    };

    CPropListText();
    ~CPropListText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectText* Text() const;
    void ShowStored(CQXObjectText* text, CBCGPProp* item);
};
