#include "planemap/GeologyItems.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Osprey/ScatteredTypeManager.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Wicket/ScatteredFunc.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

// ---- pen items -------------------------------------------------------------------------------------

namespace geoitems {

CBCGPProp* NewStylePicker(const char* name, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(name, 0, CPropStyleCombox::kLineStyle, kestrel::kLineSetCommon, description, id);
}

CBCGPProp* NewWidthItem(const char* name, double first, double step, int count, const char* format, DWORD_PTR id) {
    CBCGPProp* width = NewTextItem(name, grouptext::kLineWidthMmDescription, id);
    for (int i = 0; i < count; ++i) {
        CString option;
        option.Format(format, first + i * step);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    return width;
}

void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen, const char* widthFormat) {
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(style)) {
        UINT value = pen.style;
        picker->SetVal(value);
    }
    ShowColor(colour, pen.color);
    CString text;
    text.Format(widthFormat, pen.width / 100.0);
    SetItemText(width, text);
}

bool ApplyPenItem(CQXObjectLine* line, CBCGPProp* item, int position, Accept width) {
    return EditSameTypeRecord(line, &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen, item, position, width);
}

}  // namespace geoitems

// ---- fault width and fill items --------------------------------------------------------------------

namespace faultitems {

CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id) {
    return geoitems::NewWidthItem(name, 0.1, 0.1, 30, "%.1f", id);
}

void ShowFill(CBCGPProp* fill, CBCGPProp* colour, const QXLOGBRUSH& brush) {
    const bool fillOn = brush.style != kBrushStyleNone;
    if (fill) SetYesNoProp(fill, fillOn);
    ShowColor(colour, brush.fillColor);
    if (colour) colour->Enable(fillOn);
}

bool EditFill(QXLOGBRUSH& brush, CBCGPProp* item, DWORD_PTR fillId, DWORD_PTR colourId) {
    const DWORD_PTR id = item->GetData();
    if (id == fillId) {
        brush.style = GetYesNoProp(item) ? kBrushStyleSolid : kBrushStyleNone;
        return true;
    }
    return id == colourId && ReadColor(item, &brush.fillColor);
}

}  // namespace faultitems

// ---- catalogue code items --------------------------------------------------------------------------

namespace codeitems {

namespace {

const CScatteredTypeManager* ScatteredCatalogue() { return CWellDataManager::Instance()->GetScatteredTypeManager(); }

}  // namespace

CFaciesTypeManager* FaciesCatalogue() { return CWellDataManager::Instance()->GetFaciesTypeManager(); }

CBCGPProp* NewCodeItem(const char* label, DWORD_PTR id) { return NewTextItem(label, "", id); }

void ShowCodes(CBCGPProp* item, Catalogue catalogue, bool alone, const CString& code) {
    if (!item) return;
    CStringArray codes;
    if (catalogue == Catalogue::kFacies) {
        if (const CFaciesTypeManager* facies = FaciesCatalogue()) facies->GetFaciesCode(codes);
    } else if (const CScatteredTypeManager* scattered = ScatteredCatalogue()) {
        scattered->GetScatteredTypeCode(codes);
    }
    item->RemoveAllOptions();
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) item->AddOption(codes.GetAt(i));
    item->SetValue(_variant_t(alone ? code : CString()));
    item->Enable(alone ? TRUE : FALSE);
}

CString AreaCode(CQXObject* area) {
    CString code;
    area->GetPropertyManager()->GetStringProperty(geotext::kCodeKey, code);
    return code.IsEmpty() ? area->GetName() : code;
}

bool GiveAreaType(CQXObject* area, Catalogue catalogue, const CString& code) {
    CString name;
    QXLOGBRUSH brush;
    if (catalogue == Catalogue::kFacies) {
        const CFaciesTypeManager* facies = FaciesCatalogue();
        const int index = facies ? facies->FindFaciesTypeByCode(code) : -1;
        if (index < 0) return false;
        name = facies->GetFaciesName(index);
        brush = facies->GetFaciesLogBrush(index);
    } else {
        const CScatteredTypeManager* scattered = ScatteredCatalogue();
        const int index = scattered ? scattered->FindScatteredTypeByCode(code) : -1;
        if (index < 0) return false;
        name = scattered->GetScatteredTypeName(index);
        brush = scattered->GetScatteredTypeLogBrush(index);
    }
    area->SetName(name);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(area)) fill->SetLogBrush(&brush);
    area->GetPropertyManager()->SetStringProperty(geotext::kCodeKey, code);
    return true;
}

}  // namespace codeitems

// ---- area statistics -------------------------------------------------------------------------------

namespace areaitems {

CBCGPProp* NewStatisticsGroup(DWORD_PTR groupId, DWORD_PTR areaId) {
    auto* statistics = new CBCGPProp(geotext::kStatistics, groupId);
    statistics->AddSubItem(NewOptionItem(planetext::kArea, "", "", areaId, {}, false));
    statistics->Expand(TRUE);
    return statistics;
}

void ShowArea(CBCGPProp* item, bool alone, CQXObject* object) {
    if (!alone) {
        SetItemText(item, CString());
        return;
    }
    if (auto* fill = dynamic_cast<CQXObjectFill*>(object)) SetItemText(item, FormatString("%.2f", fill->GetArea()));
}

}  // namespace areaitems

// ---- the boundary pen group ------------------------------------------------------------------------

namespace boundarypen {

namespace {

// Positions in the group.
enum : int { kColorPosition = 0, kStylePosition = 1, kWidthPosition = 2 };

}  // namespace

CBCGPProp* NewPenGroup() {
    auto* group = new CBCGPProp(grouptext::kLineStyle, kGroupId);
    group->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, 0));
    CBCGPProp* style = geoitems::NewStylePicker(grouptext::kLineStyle, geotext::kLineStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    group->AddSubItem(style);
    group->AddSubItem(NewTextItem(grouptext::kLineWidth, geotext::kWidthDescription, kWidthId));
    group->Expand(TRUE);
    return group;
}

void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line) {
    if (!group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    geoitems::ShowPen(group->GetSubItem(kStylePosition), group->GetSubItem(kColorPosition),
                      group->GetSubItem(kWidthPosition), pen, "%.2f");
}

int PenField(CBCGPProp* item) { return static_cast<int>(item->GetData() - kStyleId); }

bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item) {
    return item && EditPen(pen, item, PenField(item), Accept::AboveZero);
}

}  // namespace boundarypen

// ---- distribution zones ----------------------------------------------------------------------------

namespace zonelist {

void AddItems(CBCGPPropList& grid, const char* zoneTypeLabel) {
    grid.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    grid.AddProperty(NewOptionItem(zoneTypeLabel, "", "", kZoneTypeId, {}, false), TRUE, TRUE);
}

CQXLayer* FindLineLayer(CQXObject* zone) {
    CQXLayer* layer = zone ? zone->GetLayer() : nullptr;
    if (!layer) return nullptr;
    return CScatteredFunc::GetLine_Layer(layer->GetMap(), layer->GetName());
}

void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types) {
    SetItemText(typeItem, zone->GetTypeName());
    if (!zoneTypeItem) return;
    zoneTypeItem->RemoveAllOptions();
    for (INT_PTR i = 0; i < types.GetSize(); ++i) zoneTypeItem->AddOption(types.GetAt(i));
    zoneTypeItem->SetValue(_variant_t(zone->GetName()));
}

void ApplyEdit(CBCGPProp* item, CQXObject* zone) {
    if (!item || !zone || item->GetData() != kZoneTypeId) return;
    const CString type = ItemText(item);
    CQXLayer* lineLayer = FindLineLayer(zone);
    zone->SetName(type);
    if (!lineLayer) return;
    QXLOGBRUSH brush;
    lineLayer->GetPropertyManager()->GetBrushProperty(CString(geotext::kBrushKeyPrefix) + type, &brush);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(zone)) fill->SetLogBrush(&brush);
}

}  // namespace zonelist

// ---- sand-body numbers -----------------------------------------------------------------------------

namespace sandlist {

int CountBodies(CQXLayer* layer) {
    if (!layer) return 0;
    const CQXPropertyManager* store = layer->GetPropertyManager();
    int n = 0;
    for (;;) {
        CString key;
        key.Format("%s%d", geotext::kBrushKeyPrefix, n + 1);
        QXLOGBRUSH brush;
        if (!store->GetBrushProperty(key, &brush)) return n;
        ++n;
    }
}

CBCGPProp* NewBodyItem(DWORD_PTR id) { return NewOptionItem(geotext::kSandBodyNumber, "", "", id, {}, false); }

void ShowBody(CBCGPProp* item, CQXObject* object) {
    if (!item) return;
    item->SetValue(_variant_t(object->GetName()));
    item->RemoveAllOptions();
    const int n = CountBodies(object->GetLayer());
    for (int i = 1; i <= n; ++i) {
        CString option;
        option.Format("%d", i);
        item->AddOption(option);
    }
}

CQXPropertyManager* JoinBody(CQXObject* object, const CString& number) {
    object->SetName(number);
    CQXLayer* layer = object->GetLayer();
    return layer ? layer->GetPropertyManager() : nullptr;
}

}  // namespace sandlist
