// CPropListOWFill: a zone of an oil-water distribution: its distribution type, chosen among the
// distribution's types. Choosing one names the zone after it and gives it the type's standard fill.
// zonelist: the items, refresh and edit the oil-water and region zone lists share.
#pragma once

#include "mfc/Collections.h"
#include "planemap/WndLstPlane.h"

namespace zonelist {

enum : DWORD_PTR {
    kTypeId = 2000,
    kZoneTypeId = 2001,
};

// The read-only "类型" item and the zone type item (pick only) with that label.
CBCGPProp* NewTypeItem();
CBCGPProp* NewZoneTypeItem(const char* label);
// The layer holding the boundary lines of the zone's distribution; NULL when the zone has no
// layer or its map has no such layer.
CQXLayer* FindLineLayer(CQXObject* zone);
// The zone's type name; the types offered in order, and the zone's name as the chosen one.
void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types);
// A type chosen for the zone: the zone takes it as its name and, when its line layer is found,
// the fill stored there under "LOGBRUSH_" and the type (a default fill when none is stored).
void ApplyZoneType(CQXObject* zone, const CString& type);

}  // namespace zonelist

class CPropListOWFill : public CWndLstPlane {
public:
    CPropListOWFill();
    ~CPropListOWFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Zone() const;
};
