// CPropListWellBaseLine: a well-row line ("井排基线" or "井排线"): its kind and, for a lone
// selection, its row number; nothing is edited.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListWellBaseLine : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kRowId = 2005,
    };

    CPropListWellBaseLine();
    ~CPropListWellBaseLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
