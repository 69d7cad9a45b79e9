// CPropListFinger: a plane-map north arrow: drawing style, outline pen, the fill colours of its
// two halves, the texts at its four compass points and their font. Every edit reaches each
// selected north arrow of the type name; pen, brush and font edits start from the shown one's.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectFinger;

class CPropListFinger : public CWndLstPlane {
public:
    CPropListFinger();
    ~CPropListFinger() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectFinger* Finger() const;
    void ApplyHalfFill(CQXObjectFinger* finger, CBCGPProp* item);
    void ApplyCompassText(CQXObjectFinger* finger, CBCGPProp* item);
};
