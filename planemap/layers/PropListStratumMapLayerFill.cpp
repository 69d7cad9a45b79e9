#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"

#include <initializer_list>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListFill.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/StratumMapKinds.h"

namespace {

using Page = CPropListStratumMapLayerFill;
using kel::plane::CStratumMapLayer;

// The four brushes of the layer, read and written together.
struct Brushes {
    QXLOGBRUSH store, oilArea, oilBelt, waterBelt;

    explicit Brushes(const CStratumMapLayer& layer) {
        layer.GetStoreAreaBrush(store);
        layer.GetOilAreaBrush(oilArea);
        layer.GetOilRegionBrush(oilBelt);
        layer.GetWaterRegionBrush(waterBelt);
    }
    void WriteTo(CStratumMapLayer& layer) {
        layer.SetStoreAreaBrush(store);
        layer.SetOilAreaBrush(oilArea);
        layer.SetOilRegionBrush(oilBelt);
        layer.SetWaterRegionBrush(waterBelt);
    }
};

// The two groups with a whole fill group: their ids and the fills they drive.
struct AreaGroup {
    DWORD_PTR groupId, showId, fillId;
    const char* label;
    const char* fillType;
    QXLOGBRUSH Brushes::*brush;
};

const AreaGroup kAreas[] = {
    {Page::kStoreGroupId, Page::kStoreShowId, Page::kStoreFillId, stratummap::kStoreAreaGroup,
     stratummap::kStoreAreaFill, &Brushes::store},
    {Page::kOilGroupId, Page::kOilShowId, Page::kOilFillId, stratummap::kOilAreaFill, stratummap::kOilAreaFill,
     &Brushes::oilArea},
};

// The area group whose show item or fill sub-item the id is; NULL otherwise.
const AreaGroup* AreaOf(DWORD_PTR id) {
    for (const AreaGroup& area : kAreas)
        if (id == area.showId || (id > area.fillId && id <= area.fillId + 6)) return &area;
    return nullptr;
}

CBCGPProp* NewShowItem(DWORD_PTR id) {
    return NewYesNoList(grouptext::kShow, grouptext::kYes, stratummap::kShowDescription, id);
}

void ShowFills(CQXLayer* layer, const char* fillType, int shown) {
    stratummap::ForEachOfKind<CQXObjectFill>(layer, fillType, [&](CQXObjectFill* fill) { fill->SetVisible(shown); });
}

// The field of the fill sub-item at position (0 style set .. 5 background) copied from the layer's
// brush into every fill of the kind, each keeping the rest of its own brush.
void GiveFillsField(CQXLayer* layer, const char* fillType, int position, const QXLOGBRUSH& edited) {
    stratummap::ForEachOfKind<CQXObjectFill>(layer, fillType, [&](CQXObjectFill* fill) {
        QXLOGBRUSH own;
        fill->GetLogBrush(&own);
        linelayer::CopyFillField(kPlaneFillStyleSetId + position, edited, &own);
        fill->SetLogBrush(&own);
        fill->OnChanged(0);
    });
}

// "是" when the object found first for the type names is shown, or when there is none.
bool KindShown(CQXLayer* layer, std::initializer_list<const char*> fillTypes) {
    for (const char* type : fillTypes)
        if (CQXObject* object = layer ? layer->GetObjectG("", type) : nullptr) return object->GetVisible() != 0;
    return true;
}

}  // namespace

int CPropListStratumMapLayerFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto addArea = [&](const AreaGroup& area) {
        auto* group = new CBCGPProp(area.label, area.groupId);
        group->AddSubItem(NewShowItem(area.showId));
        CBCGPProp* fill = CreateFillProp(planetext::kFill, area.fillId);
        // The cell size is read by the width rule.
        ReadBy(fill->GetSubItem(4), planemap::WidthRule());
        group->AddSubItem(fill);
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    };
    addArea(kAreas[0]);
    auto* belts = new CBCGPProp(stratummap::kBeltGroup, kBeltGroupId);
    belts->AddSubItem(NewShowItem(kBeltShowId));
    belts->AddSubItem(NewGroupColorProp(stratummap::kOilBeltFill, stratummap::kOilBeltDescription, kOilBeltColorId, 0));
    belts->AddSubItem(
        NewGroupColorProp(stratummap::kWaterBeltFill, stratummap::kWaterBeltDescription, kWaterBeltColorId, 0));
    belts->Expand(TRUE);
    m_wndPropList.AddProperty(belts, TRUE, TRUE);
    addArea(kAreas[1]);
    return 0;
}

void CPropListStratumMapLayerFill::RefreshLayer(CStratumMapLayer& layer) {
    CQXLayer* shown = layer.GetLayer();
    Brushes brushes(layer);
    for (const AreaGroup& area : kAreas) {
        const QXLOGBRUSH& brush = brushes.*area.brush;
        SetItemText(FindItem(area.fillId + 1), GetFillStyleName(brush).c_str());
        SetFillProp(FindItem(area.fillId), stratummap::kFillStyleSet, brush);
        SetYesNoProp(FindItem(area.showId), KindShown(shown, {area.fillType}));
    }
    CBCGPProp* belts = FindItem(kBeltGroupId);
    if (!belts || belts->GetSubItemsCount() < 3) return;
    SetYesNoProp(belts->GetSubItem(0), KindShown(shown, {stratummap::kOilBeltFill, stratummap::kWaterBeltFill}));
    ShowColor(belts->GetSubItem(1), brushes.oilBelt.fillColor);
    belts->GetSubItem(1)->Enable(brushes.oilBelt.style != kBrushStyleNone);
    ShowColor(belts->GetSubItem(2), brushes.waterBelt.fillColor);
    belts->GetSubItem(2)->Enable(brushes.waterBelt.style != kBrushStyleNone);
}

// The four brushes are written back after every edit the page takes, changed or not.
bool CPropListStratumMapLayerFill::OnLayerItemChanged(CStratumMapLayer& layer, CBCGPProp* item) {
    CQXLayer* shown = layer.GetLayer();
    Brushes brushes(layer);
    const DWORD_PTR id = item->GetData();
    if (const AreaGroup* area = AreaOf(id)) {
        QXLOGBRUSH& brush = brushes.*area->brush;
        const int position = static_cast<int>(id - area->fillId - 1);
        if (id == area->showId) {
            ShowFills(shown, area->fillType, ReadYesNo(item) ? 1 : 0);
        } else if (position == 0) {
            // A style set narrows the styles offered and changes no brush; an empty text (reported
            // from code) names no set and is refused.
            const CString set = ItemText(item);
            if (set.IsEmpty()) return false;
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(FindItem(id + 1))) picker->SetStyleGroup(set, true);
        } else {
            if (position == 4) {
                if (!planemap::ReadWidth(ItemText(item), &brush.size)) return false;
            } else {
                GetFillSubProp(item, nullptr, position, brush);
            }
            GiveFillsField(shown, area->fillType, position, brush);
        }
    } else {
        switch (id) {
            case kBeltShowId: {
                const int on = ReadYesNo(item) ? 1 : 0;
                ShowFills(shown, stratummap::kOilBeltFill, on);
                ShowFills(shown, stratummap::kWaterBeltFill, on);
                if (CBCGPProp* oil = FindItem(kOilBeltColorId)) oil->Enable(on);
                if (CBCGPProp* water = FindItem(kWaterBeltColorId)) water->Enable(on);
                break;
            }
            case kOilBeltColorId:
                if (ReadColor(item, &brushes.oilBelt.fillColor))
                    GiveFillsField(shown, stratummap::kOilBeltFill, 3, brushes.oilBelt);
                break;
            case kWaterBeltColorId:
                if (ReadColor(item, &brushes.waterBelt.fillColor))
                    GiveFillsField(shown, stratummap::kWaterBeltFill, 3, brushes.waterBelt);
                break;
            default:
                break;
        }
    }
    brushes.WriteTo(layer);
    return true;
}

void CPropListStratumMapLayerFill::ShowStoredItem(CStratumMapLayer& layer, CBCGPProp* item) {
    const AreaGroup* area = AreaOf(item->GetData());
    if (!area || item->GetData() != area->fillId + 5) return;
    Brushes brushes(layer);
    ShowStoredFillSize(item, brushes.*area->brush);
}
