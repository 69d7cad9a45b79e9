// CPropListText: a plane-map text: its string, font, background, rotation, alignment and the
// position of its anchor. Attribute edits reach every selected text of the type name, each
// keeping the rest of its own font; position edits move the shown text only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectText;

class CPropListText : public CWndLstPlane {
public:
    CPropListText();
    ~CPropListText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectText* Text() const;
};
