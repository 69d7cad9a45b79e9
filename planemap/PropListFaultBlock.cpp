#include "planemap/PropListFaultBlock.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListFaultLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kNameId = 2001,
    kSenseId = 2002,
    kGroupId = 2003,
    kHangingWallStyleId = 2004,
    kHangingWallWidthId = 2005,
    kHangingWallColorId = 2006,
    kFootwallStyleId = 2008,
    kFootwallWidthId = 2009,
    kFootwallColorId = 2010,
    kZoneFillId = 2011,
    kZoneColorId = 2012,
};

// Fields of a wall's items, as their ids follow its style id.
enum WallField : int { kStyleField = 0, kWidthField = 1, kColorField = 2 };

// Group positions: each wall shows style, colour, width from its first position.
constexpr int kHangingWallFirst = 0;
constexpr int kFootwallFirst = 3;
constexpr int kZoneFillPosition = 6;
constexpr int kZoneColorPosition = 7;

CPropStyleCombox* NewStylePicker(const char* name, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(name, 0, CPropStyleCombox::kLineStyle, kestrel::kLineSetCommon, description, id);
}

bool IsNormalText(const CString& text) { return text == geotext::kNormalFault; }
const char* SenseText(bool normal) { return normal ? geotext::kNormalFault : geotext::kReverseFault; }

}  // namespace

void SetBlockNames(CQXLayer* layer, const CString& name) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* block = dynamic_cast<CQXObjectBlock*>(layer->GetSelectedObject(i))) block->SetName(name);
}

void SetBlockSubObjects(CQXLayer* layer, QXLOGPEN* pen, const CString& part) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* block = dynamic_cast<CQXObjectBlock*>(layer->GetSelectedObject(i)))
            if (auto* line = dynamic_cast<CQXObjectLine*>(block->GetObjectByTypeName(part))) line->SetLogPen(pen);
}

void SetBlockSubObjects(CQXLayer* layer, QXLOGBRUSH* brush, const CString& part) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* block = dynamic_cast<CQXObjectBlock*>(layer->GetSelectedObject(i)))
            if (auto* fill = dynamic_cast<CQXObjectFill*>(block->GetObjectByTypeName(part))) fill->SetLogBrush(brush);
}

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

    auto* type = new CBCGPProp(planetext::kType, _variant_t(geotext::kFaultBlock), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(geotext::kFaultName, _variant_t(""), "", kNameId), TRUE, TRUE);
    auto* sense = new CBCGPProp(geotext::kFaultSense, _variant_t(""), "", kSenseId);
    sense->AddOption(geotext::kNormalFault);
    sense->AddOption(geotext::kReverseFault);
    sense->AllowEdit(FALSE);
    m_wndPropList.AddProperty(sense, TRUE, TRUE);

    auto* group = new CBCGPProp(geotext::kFaultBlockGroup, kGroupId);
    group->AddSubItem(
        NewStylePicker(geotext::kHangingWallStyle, geotext::kHangingWallStyleDescription, kHangingWallStyleId));
    group->AddSubItem(NewGroupColorProp(geotext::kHangingWallColor, geotext::kBoundaryColorDescription,
                                        kHangingWallColorId, 0));
    group->AddSubItem(faultlist::NewWidthItem(geotext::kHangingWallWidth, kHangingWallWidthId));
    group->AddSubItem(NewStylePicker(geotext::kFootwallStyle, geotext::kBoundaryStyleDescription, kFootwallStyleId));
    group->AddSubItem(
        NewGroupColorProp(geotext::kFootwallColor, geotext::kBoundaryColorDescription, kFootwallColorId, 0));
    group->AddSubItem(faultlist::NewWidthItem(geotext::kFootwallWidth, kFootwallWidthId));
    group->AddSubItem(CreateYesNoProp(geotext::kFaultZoneFill, kZoneFillId, _variant_t(""), ""));
    group->AddSubItem(NewGroupColorProp(geotext::kFaultZoneColor, geotext::kFillColorDescription, kZoneColorId, 0));
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    group->Expand(TRUE);
    return 0;
}

void CPropListFaultBlock::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectBlock* block = Block();
    if (!block) return;
    if (CBCGPProp* name = FindItem(kNameId)) name->SetValue(_variant_t(block->GetName()));
    int normal = 0;
    block->GetPropertyManager()->GetBoolProperty(geotext::kNormalFaultKey, normal);
    if (CBCGPProp* sense = FindItem(kSenseId)) sense->SetValue(_variant_t(SenseText(normal != 0)));

    // A block without its three parts takes no edit: its items are greyed, so that neither the
    // values of a block shown before nor a silently ignored edit pass for this block's own.
    const Parts parts = FindParts(block);
    EnableAllItems(parts.Complete());
    if (!parts.Complete()) return;

    RefreshWall(kHangingWallFirst, parts.hangingWall);
    RefreshWall(kFootwallFirst, parts.footwall);
    CBCGPProp* group = FindItem(kGroupId);
    if (!group) return;
    QXLOGBRUSH brush;
    parts.zone->GetLogBrush(&brush);
    const bool fillOn = brush.style != kBrushStyleNone;
    if (CBCGPProp* fill = group->GetSubItem(kZoneFillPosition)) SetYesNoProp(fill, fillOn);
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(kZoneColorPosition))) {
        colour->SetColor(brush.fillColor);
        colour->Enable(fillOn);
    }
}

void CPropListFaultBlock::RefreshWall(int first, CQXObjectLine* wall) {
    CBCGPProp* group = FindItem(kGroupId);
    if (!group) return;
    QXLOGPEN pen;
    wall->GetLogPen(&pen);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(first))) {
        UINT value = pen.style;
        style->SetVal(value);
    }
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(first + 1))) colour->SetColor(pen.color);
    if (CBCGPProp* width = group->GetSubItem(first + 2)) {
        CString text;
        text.Format("%.1f", pen.width / 100.0);
        width->SetValue(_variant_t(text));
    }
}

LRESULT CPropListFaultBlock::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBlock* block = Block();
    const Parts parts = FindParts(block);
    // A block without its three parts ignores every edit, without a repaint.
    if (!item || !parts.Complete()) return 0;
    CQXLayer* layer = block->GetLayer();
    QXLOGBRUSH brush;
    parts.zone->GetLogBrush(&brush);
    const CString text = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();

    switch (id) {
    case kNameId:
        SetBlockNames(layer, text);
        break;
    case kSenseId:
        block->GetPropertyManager()->SetBoolProperty(geotext::kNormalFaultKey, IsNormalText(text) ? 1 : 0);
        break;
    case kHangingWallStyleId:
    case kHangingWallWidthId:
    case kHangingWallColorId:
        ApplyWallItem(item, layer, parts.hangingWall, geotext::kHangingWall, static_cast<int>(id - kHangingWallStyleId));
        break;
    case kFootwallStyleId:
    case kFootwallWidthId:
    case kFootwallColorId:
        ApplyWallItem(item, layer, parts.footwall, geotext::kFootwall, static_cast<int>(id - kFootwallStyleId));
        break;
    case kZoneFillId:
        brush.style = GetYesNoProp(item) ? kBrushStyleSolid : kBrushStyleNone;
        SetBlockSubObjects(layer, &brush, geotext::kFaultPolygon);
        if (CBCGPProp* colour = FindItem(kZoneColorId)) colour->Enable(brush.style != kBrushStyleNone);
        break;
    case kZoneColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            brush.fillColor = colour->GetColor();
            SetBlockSubObjects(layer, &brush, geotext::kFaultPolygon);
        }
        break;
    default:
        break;
    }
    UpdateView();
    return 0;
}

// One field of a wall's pen, read from the shown block's wall and written to that wall of every
// selected block.
void CPropListFaultBlock::ApplyWallItem(CBCGPProp* item, CQXLayer* layer, CQXObjectLine* wall, const char* part,
                                        int field) {
    QXLOGPEN pen;
    wall->GetLogPen(&pen);
    switch (field) {
    case kStyleField:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) pen.style = picker->GetVal();
        break;
    case kWidthField:
        if (!faultlist::ReadWidth(VariantToText(item->GetValue()), &pen.width)) return;
        break;
    case kColorField:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) pen.color = colour->GetColor();
        break;
    default:
        return;
    }
    SetBlockSubObjects(layer, &pen, part);
}
