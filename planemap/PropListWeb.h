// CPropListWeb: a web (a regular grid drawn over a map): its style, its spacing and its pen.
// Every edit reaches each selected object of the web's type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectWeb;

class CPropListWeb : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStyleId = 2001,
        kGapId = 2002,
        kPenGroupId = 2003,
        kPenStyleId = 2004,
        kPenWidthId = 2005,
        kPenColorId = 2006,
    };

    CPropListWeb();
    ~CPropListWeb() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectWeb* Web() const;
    void ApplyGap(CQXObjectWeb* web, CBCGPProp* item);
};
