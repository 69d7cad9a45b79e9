// CPropListFaciesLine: a facies boundary line. Its facies code is its name; choosing a code from
// the well-data library's facies catalogue names every selected line of the type name and gives
// them that facies' standard pen.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListFaciesLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kCodeId = 2001,
    };

    CPropListFaciesLine();
    ~CPropListFaciesLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Target() const;
    void ApplyCode(CQXObject* target, const CString& code);
};
