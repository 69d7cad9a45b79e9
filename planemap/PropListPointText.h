// CPropListPointText: a text that labels a point with a number. Beside the text list's font,
// background and rotation it sets the label's count of decimals and its place around the
// anchor (one of nine places standing for an alignment pair). Every edit reaches each selected
// label of the type name, each keeping the rest of its own font.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectText;

class CPropListPointText : public CWndLstPlane {
public:
    CPropListPointText();
    ~CPropListPointText() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectText* Text() const;
    void ApplyPlace(const CString& typed, CQXLayer* layer, const CString& typeName);
};
