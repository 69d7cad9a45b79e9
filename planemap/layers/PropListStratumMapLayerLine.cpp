#include "planemap/layers/PropListStratumMapLayerLine.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/StratumMapKinds.h"

namespace {

using Page = CPropListStratumMapLayerLine;

struct LineGroup {
    DWORD_PTR groupId;
    const char* label;  // also the type name of its lines
    const char* penKey;
};

const LineGroup kGroups[] = {
    {Page::kPinchOutGroupId, stratummap::kPinchOutLine, stratummap::kPinchOutPenKey},
    {Page::kValidThickGroupId, stratummap::kValidThickLine, stratummap::kValidThickPenKey},
    {Page::kOilWaterGroupId, stratummap::kOilWaterBorderLine, stratummap::kOilWaterBorderPenKey},
};

// The group an item id belongs to ("显示" G-1 up to "颜色" G+3), or NULL.
const LineGroup* GroupOf(DWORD_PTR id) {
    for (const LineGroup& group : kGroups)
        if (id + 1 >= group.groupId && id <= group.groupId + 3) return &group;
    return nullptr;
}

QXLOGPEN LayerPen(CQXLayer* layer, const char* key) {
    QXLOGPEN pen;
    layer->GetPropertyManager()->GetPenProperty(key, &pen);
    return pen;
}

}  // namespace

int CPropListStratumMapLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const LineGroup& kind : kGroups) {
        auto* group = new CBCGPProp(kind.label, kind.groupId);
        group->AddSubItem(NewYesNoList(grouptext::kShow, grouptext::kYes, nullptr, kind.groupId - 1));
        group->AddSubItem(
            geoitems::NewStylePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, kind.groupId + 1));
        group->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kind.groupId + 3, 0));
        group->AddSubItem(NewSizeTextItem(grouptext::kLineWidth, geotext::kWidthDescription, kind.groupId + 2,
                                          planemap::WidthRule()));
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

// Showing enables or disables nothing; "显示" follows the first line of the kind and stays as it
// was when the layer has none.
void CPropListStratumMapLayerLine::RefreshLayer(CPlainLayer& plain) {
    CQXLayer* layer = plain.GetLayer();
    for (const LineGroup& kind : kGroups) {
        if (!FindItem(kind.groupId)) continue;
        if (auto* first = stratummap::FirstOfKind<CQXObjectPolyline>(layer, kind.label))
            SetYesNoProp(FindItem(kind.groupId - 1), first->GetVisible() == 1);
        geoitems::ShowPen(FindItem(kind.groupId + 1), FindItem(kind.groupId + 3), FindItem(kind.groupId + 2),
                          LayerPen(layer, kind.penKey), 2);
    }
}

// The three layer pens are written back after every edit the page takes, changed or not; a pen
// field the page cannot read (a width its reader refuses) writes nothing.
bool CPropListStratumMapLayerLine::OnLayerItemChanged(CPlainLayer& plain, CBCGPProp* item) {
    CQXLayer* layer = plain.GetLayer();
    QXLOGPEN pens[3];
    for (int k = 0; k < 3; ++k) pens[k] = LayerPen(layer, kGroups[k].penKey);

    const DWORD_PTR id = item->GetData();
    if (const LineGroup* kind = GroupOf(id)) {
        QXLOGPEN& pen = pens[kind - kGroups];
        if (id == kind->groupId - 1) {
            const int shown = ReadYesNo(item) ? 1 : 0;
            stratummap::ForEachOfKind<CQXObjectPolyline>(layer, kind->label,
                                                         [&](CQXObjectPolyline* line) { line->SetVisible(shown); });
            CBCGPProp* group = FindItem(kind->groupId);
            EnableSubItems(group, 1, group->GetSubItemsCount(), shown ? TRUE : FALSE);
        } else if (id != kind->groupId) {
            // The pen's fields in item order from G+1.
            const auto field = static_cast<geoitems::PenField>(id - kind->groupId - 1);
            if (!geoitems::ReadPenField(item, field, &pen)) return false;
            // A zero width taken shows as a refresh shows it: a typed "-0" would keep its sign.
            if (field == geoitems::PenField::kWidth && pen.width == 0) planemap::ShowStoredHundredths(item, pen.width);
            stratummap::ForEachOfKind<CQXObjectPolyline>(layer, kind->label, [&](CQXObjectPolyline* line) {
                QXLOGPEN own;
                line->GetLogPen(&own);
                geoitems::CopyPenField(field, pen, &own);
                line->SetLogPen(&own);
                line->OnChanged(0);
            });
        }
    }
    for (int k = 0; k < 3; ++k) layer->GetPropertyManager()->SetPenProperty(kGroups[k].penKey, &pens[k]);
    return true;
}

// A refused width shows the layer's pen of its kind as the refresh shows it.
void CPropListStratumMapLayerLine::ShowStoredItem(CPlainLayer& plain, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (const LineGroup* kind = GroupOf(id); kind && id == kind->groupId + 2)
        planemap::ShowStoredHundredths(item, LayerPen(plain.GetLayer(), kind->penKey).width);
}
