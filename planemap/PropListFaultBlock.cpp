#include "planemap/PropListFaultBlock.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/FaultItems.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"

using namespace planemap;

namespace {

// Group positions: each wall shows style, colour, width from its first position.
constexpr int kHangingWallFirst = 0;
constexpr int kFootwallFirst = 3;
constexpr int kZoneFillPosition = 6;
constexpr int kZoneColorPosition = 7;

// The fault sense: 1 normal, 0 reverse (also any other text).
constexpr TextValue kSenses[] = {{geotext::kNormalFault, 1}, {geotext::kReverseFault, 0}};
const char* SenseText(bool normal) { return TextOfValue(kSenses, normal ? 1 : 0, geotext::kReverseFault); }

// Calls fn with the part of that type name of every selected block whose part is a Part.
template <class Part, class Fn>
void ForSelectedBlockParts(CQXLayer* layer, const CString& part, Fn fn) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* block = dynamic_cast<CQXObjectBlock*>(layer->GetSelectedObject(i)))
            if (auto* typed = dynamic_cast<Part*>(block->GetObjectByTypeName(part))) fn(typed);
}

}  // namespace

CPropListFaultBlock::CPropListFaultBlock() = default;
CPropListFaultBlock::~CPropListFaultBlock() = default;

CQXObjectBlock* CPropListFaultBlock::Block() const { return dynamic_cast<CQXObjectBlock*>(m_pTarget); }

CPropListFaultBlock::Parts CPropListFaultBlock::FindParts(CQXObjectBlock* block) {
    Parts parts;
    if (!block) return parts;
    parts.hangingWall = dynamic_cast<CQXObjectLine*>(block->GetObjectByTypeName(geotext::kHangingWall));
    parts.footwall = dynamic_cast<CQXObjectLine*>(block->GetObjectByTypeName(geotext::kFootwall));
    parts.zone = dynamic_cast<CQXObjectFill*>(block->GetObjectByTypeName(geotext::kFaultPolygon));
    return parts;
}

int CPropListFaultBlock::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, geotext::kFaultBlock, "", kTypeId, {}, false), TRUE,
                              TRUE);
    m_wndPropList.AddProperty(NewTextItem(geotext::kFaultName, "", kNameId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewFixedListItem(geotext::kFaultSense, "", "", kSenseId, kSenses, OtherTakenAs(0)), TRUE,
                              TRUE);

    auto* group = new CBCGPProp(geotext::kFaultBlockGroup, kGroupId);
    group->AddSubItem(geoitems::NewStylePicker(geotext::kHangingWallStyle, geotext::kHangingWallStyleDescription,
                                               kHangingWallStyleId));
    group->AddSubItem(
        NewGroupColorProp(geotext::kHangingWallColor, geotext::kBoundaryColorDescription, kHangingWallColorId, 0));
    group->AddSubItem(faultitems::NewWidthItem(geotext::kHangingWallWidth, kHangingWallWidthId));
    group->AddSubItem(
        geoitems::NewStylePicker(geotext::kFootwallStyle, geotext::kBoundaryStyleDescription, kFootwallStyleId));
    group->AddSubItem(
        NewGroupColorProp(geotext::kFootwallColor, geotext::kBoundaryColorDescription, kFootwallColorId, 0));
    group->AddSubItem(faultitems::NewWidthItem(geotext::kFootwallWidth, kFootwallWidthId));
    group->AddSubItem(CreateYesNoProp(geotext::kFaultZoneFill, kZoneFillId, _variant_t(""), ""));
    group->AddSubItem(NewGroupColorProp(geotext::kFaultZoneColor, geotext::kFillColorDescription, kZoneColorId, 0));
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    group->Expand(TRUE);
    return 0;
}

void CPropListFaultBlock::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectBlock* block = Block();
    const Parts parts = FindParts(block);
    // A block lacking a part is shown with the items as they stand.
    if (!parts.Complete()) return;
    SetItemText(FindItem(kNameId), block->GetName());
    int normal = 0;
    block->GetPropertyManager()->GetBoolProperty(geotext::kNormalFaultKey, normal);
    SetItemText(FindItem(kSenseId), SenseText(normal != 0));

    CBCGPProp* group = FindItem(kGroupId);
    if (!group) return;
    RefreshWall(group, kHangingWallFirst, parts.hangingWall);
    RefreshWall(group, kFootwallFirst, parts.footwall);
    QXLOGBRUSH brush;
    parts.zone->GetLogBrush(&brush);
    faultitems::ShowFill(group->GetSubItem(kZoneFillPosition), group->GetSubItem(kZoneColorPosition), brush);
}

// A wall's style, colour and width from its first position in the group.
void CPropListFaultBlock::RefreshWall(CBCGPProp* group, int first, CQXObjectLine* wall) {
    QXLOGPEN pen;
    wall->GetLogPen(&pen);
    geoitems::ShowPen(group->GetSubItem(first), group->GetSubItem(first + 1), group->GetSubItem(first + 2), pen, 1);
}

LRESULT CPropListFaultBlock::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBlock* block = Block();
    const Parts parts = FindParts(block);
    // A block without its three parts ignores every edit, without a repaint.
    if (!item || !parts.Complete()) return 0;
    CQXLayer* layer = block->GetLayer();
    const DWORD_PTR id = item->GetData();

    switch (id) {
        case kNameId:
            SetBlockNames(layer, ItemText(item));
            break;
        case kSenseId: {
            // Any text but "正断层" is a reverse fault.
            int normal = 0;
            if (!ReadFixedList(item, &normal)) return 0;
            block->GetPropertyManager()->SetBoolProperty(geotext::kNormalFaultKey, normal);
            break;
        }
        case kHangingWallStyleId:
        case kHangingWallWidthId:
        case kHangingWallColorId:
            ApplyWallItem(item, layer, parts.hangingWall, geotext::kHangingWall,
                          static_cast<int>(id - kHangingWallStyleId));
            break;
        case kFootwallStyleId:
        case kFootwallWidthId:
        case kFootwallColorId:
            ApplyWallItem(item, layer, parts.footwall, geotext::kFootwall, static_cast<int>(id - kFootwallStyleId));
            break;
        case kZoneFillId:
        case kZoneColorId:
            ApplyZoneItem(item, layer, parts.zone);
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}

// One field of a wall's pen (0 style, 1 width, 2 colour), read from the shown block's wall and
// written to that wall of every selected block. The width item reads by EditPen's width rule, so a
// width it refuses never comes here.
void CPropListFaultBlock::ApplyWallItem(CBCGPProp* item, CQXLayer* layer, CQXObjectLine* wall, const char* part,
                                        int field) {
    QXLOGPEN pen;
    wall->GetLogPen(&pen);
    if (!EditPen(pen, item, field)) return;
    SetBlockSubObjects(layer, &pen, part);
    // A text that only reads as a width (no number is 0) shows the width taken.
    if (field == 1) geoitems::ShowPen(nullptr, nullptr, item, pen, 1);
}

// The fill switch or colour of the shown block's zone, written to the zone of every selected block.
void CPropListFaultBlock::ApplyZoneItem(CBCGPProp* item, CQXLayer* layer, CQXObjectFill* zone) {
    QXLOGBRUSH brush;
    zone->GetLogBrush(&brush);
    if (!faultitems::EditFill(brush, item, kZoneFillId, kZoneColorId)) return;
    SetBlockSubObjects(layer, &brush, geotext::kFaultPolygon);
    if (item->GetData() == kZoneFillId)
        if (CBCGPProp* colour = FindItem(kZoneColorId)) colour->Enable(brush.style != kBrushStyleNone);
}

// ---- same-class writes: every selected block, whatever its type name --------------------------------

void SetBlockNames(CQXLayer* layer, const CString& name) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* block = dynamic_cast<CQXObjectBlock*>(layer->GetSelectedObject(i))) block->SetName(name);
}

void SetBlockSubObjects(CQXLayer* layer, QXLOGPEN* pen, const CString& part) {
    ForSelectedBlockParts<CQXObjectLine>(layer, part, [pen](CQXObjectLine* line) { line->SetLogPen(pen); });
}

void SetBlockSubObjects(CQXLayer* layer, QXLOGBRUSH* brush, const CString& part) {
    ForSelectedBlockParts<CQXObjectFill>(layer, part, [brush](CQXObjectFill* fill) { fill->SetLogBrush(brush); });
}
