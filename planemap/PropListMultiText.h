// CPropListMultiText: a plane-map multi-line text: its string, writing direction, font,
// background (kept in the text's brush) and alignment; the rotation is shown but not edited.
// Edits reach every selected text of the type name, each keeping the rest of its own font and
// brush; the string is the shown text's own.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectMultiText;

class CPropListMultiText : public CWndLstPlane {
public:
    CPropListMultiText();
    ~CPropListMultiText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectMultiText* Text() const;
};
