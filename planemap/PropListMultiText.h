// CPropListMultiText: a plane-map multi-line text: its string, writing direction, font,
// background (kept in the text's brush) and alignment; the rotation is shown but not edited.
// Edits reach every selected text of the type name, each keeping the rest of its own font and
// brush; the string is the shown text's own.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectMultiText;

class CPropListMultiText : public CWndLstPlane {
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
    };

    CPropListMultiText();
    ~CPropListMultiText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectMultiText* Text() const;
};
