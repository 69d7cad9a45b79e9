// CPropListFaciesFill: a facies area. Its facies code is kept in its attribute store and its name
// is the facies name; choosing a code from the facies catalogue gives the shown area that facies'
// name and standard brush. The area of a single selected area is shown for information.
#pragma once

#include "planemap/CodeItems.h"
#include "planemap/WndLstPlane.h"

class CPropListFaciesFill : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kCodeId = 2001,
        kStatisticsGroupId = 2002,
        kAreaId = 2003,
    };

    CPropListFaciesFill();
    ~CPropListFaciesFill() override;

protected:
    // What sets the coded-area lists apart: the catalogue and its caption, and whether an area
    // outside any layer counts as shown alone.
    struct CodeRules {
        codeitems::Catalogue catalogue;
        const char* caption;
        bool aloneWithoutLayer;
    };
    virtual CodeRules Rules() const;

    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Target() const;
    // Whether the area's own values are shown: it is the one selected object, or, where the rules
    // say so, an area outside any layer.
    bool ShownAlone(CQXObject* target) const;
};
