// CPropListWellNetLine: a connection line of a well net: its pen and arrows. Every edit reaches
// each selected line of the type name: a pen edit gives them the shown line's whole pen with the
// one field changed.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListWellNetLine : public CWndLstPlane {
public:
    CPropListWellNetLine();
    ~CPropListWellNetLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
    void ApplyWidth(CQXObjectLine* line, CBCGPProp* item);
};
