// CPropListStratum: an interval-section well graph on a plane map, either a well-plot kit (the
// list works on its well column) or a well graph: its kind and well, the interval it draws (start
// and stop sub-layer, checked against the well's stratification for a kit), its template and its
// border pen. Edits reach every selected object of the same type name in the layer.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectWellGraph;
class CWpWell;

class CPropListStratum : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kWellId = 2001,
        kColumnGroupId = 2002,
        kStartId = 2003,
        kStopId = 2004,
        kTemplateId = 2005,
        kStyleId = 2006,
        kWidthId = 2007,
        kColorId = 2008,
    };

    CPropListStratum();
    ~CPropListStratum() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

    // The stored value of the interval or the pen, as the refresh shows it.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void RefreshWell(CWpWell* well);
    void RefreshGraph(CQXObjectWellGraph* graph);
    void RefreshColumn(CQXObject* object);
    void ShowStored(CBCGPProp* item);
    // False, nothing written, when the edit is refused.
    bool EditWell(CWpWell* well, CBCGPProp* item);
    bool EditGraph(CQXObjectWellGraph* graph, CBCGPProp* item);
};

// Calls the post-edit update of every selected object of the layer whose type name is typeName.
void CallSameTypeKits(CQXLayer* layer, const CString& typeName);
