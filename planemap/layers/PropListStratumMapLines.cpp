#include "planemap/layers/PropListStratumMapLines.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/StratumMapKinds.h"

namespace {

// The code of the map file's notice that an object changed its shape.
constexpr UINT kObjectChangedNotice = 2;

// The table of differences, one row per list.
const BoundaryLineRules kPinchOutRules{stratummap::kPinchOutLine,
                                       CPropListPinchOutLine::kGroupId,
                                       CPropListPinchOutLine::kStyleId,
                                       CPropListPinchOutLine::kWidthId,
                                       CPropListPinchOutLine::kColorId,
                                       CPropListPinchOutLine::kDirectionId,
                                       stratummap::kDirection,
                                       stratummap::kDirectionDescription,
                                       true,
                                       false};
const BoundaryLineRules kValidThickRules{stratummap::kValidThickLine,
                                         CPropListValidThickLine::kGroupId,
                                         CPropListValidThickLine::kStyleId,
                                         CPropListValidThickLine::kWidthId,
                                         CPropListValidThickLine::kColorId,
                                         0,
                                         nullptr,
                                         nullptr,
                                         false,
                                         true};
const BoundaryLineRules kOilWaterBorderRules{stratummap::kOilWaterBorderLine,
                                             CPropListOilWaterBorderLine::kGroupId,
                                             CPropListOilWaterBorderLine::kStyleId,
                                             CPropListOilWaterBorderLine::kWidthId,
                                             CPropListOilWaterBorderLine::kColorId,
                                             CPropListOilWaterBorderLine::kDirectionId,
                                             planetext::kDirection,
                                             stratummap::kBorderDirectionDescription,
                                             false,
                                             true};

// The directions: "正向" 1, "反向" and any other text 0.
constexpr TextValue kDirections[] = {{planetext::kForward, 1}, {planetext::kBackward, 0}};

// The line's direction, 1 forward (also when the line has none stored) or 0 backward.
int DirectionOf(CQXObjectPolyline* line) {
    int direction = 1;
    line->GetPropertyManager()->GetBoolProperty(stratummap::kDirectionKey, direction);
    return direction;
}

}  // namespace

const BoundaryLineRules& CPropListPinchOutLine::Rules() const { return kPinchOutRules; }
const BoundaryLineRules& CPropListValidThickLine::Rules() const { return kValidThickRules; }
const BoundaryLineRules& CPropListOilWaterBorderLine::Rules() const { return kOilWaterBorderRules; }

int CPropListBoundaryLineBase::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const BoundaryLineRules& rules = Rules();
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, rules.typeName, "", 0, {}, false), TRUE, TRUE);
    auto* group = new CBCGPProp(layertext::kLineSettings, rules.groupId);
    group->AddSubItem(
        geoitems::NewStylePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, rules.styleId));
    group->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, rules.colorId, 0));
    group->AddSubItem(
        NewSizeTextItem(grouptext::kLineWidth, geotext::kWidthDescription, rules.widthId, planemap::WidthRule()));
    if (rules.directionLabel)
        group->AddSubItem(NewFixedListItem(rules.directionLabel, planetext::kForward, rules.directionDescription,
                                           rules.directionId, kDirections, OtherTakenAs(0)));
    group->Expand(TRUE);
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    return 0;
}

CQXObjectPolyline* CPropListBoundaryLineBase::ShownLine() const { return dynamic_cast<CQXObjectPolyline*>(m_pTarget); }

// The lines an edit reaches: every selected polyline of the shown line's type name (objects of that
// type name that are no polyline are left alone), or the shown line only.
template <class Fn>
void CPropListBoundaryLineBase::ForTargets(CQXObjectPolyline* shown, Fn fn) {
    if (Rules().allSelected)
        ForSameTypeObjects<CQXObjectPolyline>(shown->GetLayer(), shown->GetTypeName(), fn);
    else
        fn(shown);
}

void CPropListBoundaryLineBase::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectPolyline* line = ShownLine();
    CBCGPProp* group = FindItem(Rules().groupId);
    if (!line || !group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    geoitems::ShowPen(group->GetSubItem(0), group->GetSubItem(1), group->GetSubItem(2), pen, 2);
    if (group->GetSubItemsCount() > 3)
        SetItemText(group->GetSubItem(3), DirectionOf(line) ? planetext::kForward : planetext::kBackward);
}

LRESULT CPropListBoundaryLineBase::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPolyline* shown = ShownLine();
    if (item && shown) {
        const BoundaryLineRules& rules = Rules();
        const DWORD_PTR id = item->GetData();
        auto writeField = [&](auto copy) {
            ForTargets(shown, [&](CQXObjectPolyline* line) {
                QXLOGPEN own;
                line->GetLogPen(&own);
                copy(own);
                line->SetLogPen(&own);
                if (rules.notify) line->OnChanged(0);
            });
        };
        if (id == rules.styleId) {
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
                const UINT style = picker->GetVal();
                writeField([&](QXLOGPEN& own) { own.style = style; });
            }
        } else if (id == rules.colorId) {
            COLORREF color = 0;
            if (ReadColor(item, &color)) writeField([&](QXLOGPEN& own) { own.color = color; });
        } else if (id == rules.widthId) {
            // The item reads by this reader, so a width it refuses never comes here.
            float width = 0;
            if (planemap::ReadWidth(ItemText(item), &width)) writeField([&](QXLOGPEN& own) { own.width = width; });
        } else if (rules.directionId && id == rules.directionId) {
            ApplyDirection(shown, item);
        }
    }
    UpdateView();
    return 0;
}

// Each line whose own direction differs from the chosen one is reversed and the map file told; a
// line already running that way is left alone. The map-graphics library keeps the direction
// attribute in step with the reversal.
void CPropListBoundaryLineBase::ApplyDirection(CQXObjectPolyline* shown, CBCGPProp* item) {
    // Any text but "正向" is the reverse direction, shown as taken.
    int chosen = 0;
    if (!ReadFixedList(item, &chosen)) return;
    CQXLayer* layer = shown->GetLayer();
    CQXMap* map = layer ? layer->GetMap() : nullptr;
    CQXMapFile* file = map ? map->GetMapFile() : nullptr;
    ForTargets(shown, [&](CQXObjectPolyline* line) {
        if (DirectionOf(line) == chosen) return;
        line->ReverseDirection();
        if (file) file->SendNotifyMessage(map, layer, line, kObjectChangedNotice);
    });
}
