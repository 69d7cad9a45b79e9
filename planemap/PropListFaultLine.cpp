#include "planemap/PropListFaultLine.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/FaultItems.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

// The fault kinds in option order, each with the key of its standard pen in the layer's store.
struct FaultKind {
    const char* typeName;
    const char* penKey;
};
const FaultKind kFaultKinds[] = {
    {geotext::kHangingWall, geotext::kHangingWallPenKey},
    {geotext::kFootwall, geotext::kFootwallPenKey},
    {geotext::kFaultCentre, geotext::kFaultCentrePenKey},
    {geotext::kFaultPolygon, geotext::kFaultPolygonPenKey},
};

// Replaces pen by the layer's standard pen for the kind; a kind outside the four, a line without
// a layer or a layer without that pen leaves pen as it is.
void TakeStandardPen(CQXLayer* layer, const CString& kind, QXLOGPEN* pen) {
    if (!layer) return;
    for (const FaultKind& k : kFaultKinds)
        if (kind == k.typeName) {
            layer->GetPropertyManager()->GetPenProperty(k.penKey, pen);
            return;
        }
}

bool IsPolygonKind(const CString& kind) { return kind == geotext::kFaultPolygon; }

bool IsSelected(CQXLayer* layer, const CQXObject* object) {
    const int n = layer ? layer->GetSelectedObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (layer->GetSelectedObject(i) == object) return true;
    return false;
}

}  // namespace

CPropListFaultLine::CPropListFaultLine() = default;
CPropListFaultLine::~CPropListFaultLine() = default;

CQXObjectLine* CPropListFaultLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListFaultLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* basic = new CBCGPProp(geotext::kBasic, kBasicGroupId);
    CBCGPProp* kind = NewOptionItem(planetext::kType, "", geotext::kFaultKindDescription, kKindId, {}, false);
    for (const FaultKind& k : kFaultKinds) kind->AddOption(k.typeName);
    basic->AddSubItem(kind);
    basic->AddSubItem(NewTextItem(geotext::kFaultName, geotext::kFaultName, kNameId));
    m_wndPropList.AddProperty(basic, TRUE, TRUE);
    basic->Expand(TRUE);

    auto* pen = new CBCGPProp(grouptext::kLineStyle, kPenGroupId);
    pen->AddSubItem(geoitems::NewStylePicker(grouptext::kLineStyle, geotext::kBoundaryStyleDescription, kPenStyleId));
    pen->AddSubItem(faultitems::NewWidthItem(planetext::kWidth, kPenWidthId));
    pen->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0));
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    pen->Expand(TRUE);

    auto* fill = new CBCGPProp(planetext::kFill, kFillGroupId);
    fill->AddSubItem(CreateYesNoProp(planetext::kFill, kFillId, _variant_t(""), ""));
    fill->AddSubItem(NewGroupColorProp(geotext::kFillColor, geotext::kFillColorDescription, kFillColorId, 0));
    fill->Enable(FALSE);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);
    fill->Expand(TRUE);
    return 0;
}

void CPropListFaultLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    const CString kind = line->GetTypeName();
    SetItemText(FindItem(kKindId), kind);
    if (CBCGPProp* fill = FindItem(kFillId)) fill->Enable(IsPolygonKind(kind));
    SetItemText(FindItem(kNameId), line->GetName());
    RefreshPen(line);
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    faultitems::ShowFill(FindItem(kFillId), FindItem(kFillColorId), brush);
}

void CPropListFaultLine::RefreshPen(CQXObjectLine* line) {
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    if (pen == m_pen) TakeStandardPen(line->GetLayer(), line->GetTypeName(), &pen);
    geoitems::ShowPen(FindItem(kPenStyleId), FindItem(kPenColorId), FindItem(kPenWidthId), pen, 1);
}

LRESULT CPropListFaultLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    const CString kind = line->GetTypeName();
    const DWORD_PTR id = item->GetData();
    // Remembered: the pen before the edit, for a change of kind the old kind's standard pen.
    line->GetLogPen(&m_pen);
    if (id == kKindId) TakeStandardPen(line->GetLayer(), kind, &m_pen);

    switch (id) {
        case kKindId:
            ApplyKind(line, kind, ItemText(item));
            break;
        case kNameId:
            SetSameTypeObjects(line->GetLayer(), &CQXObject::SetName, ItemText(item), kind);
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // The width item reads by this width rule, so a width it refuses never comes here.
            geoitems::ApplyPenItem(line, item, static_cast<int>(id - kPenStyleId), Accept::ZeroOrMore, 1);
            break;
        case kFillId:
        case kFillColorId:
            ApplyFill(line, item);
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}

void CPropListFaultLine::ShowItemAgain(CBCGPProp* item) {
    CQXObjectLine* line = Line();
    if (item && line && item->GetData() == kNameId)
        SetItemText(item, line->GetName());
    else
        CWndLstPlane::ShowItemAgain(item);
}

// The kind is the type name: the shown line and every selected line of its old kind take the new
// one, and a polygon is closed while the other kinds are open lines.
void CPropListFaultLine::ApplyKind(CQXObjectLine* line, const CString& oldKind, const CString& newKind) {
    CQXLayer* layer = line->GetLayer();
    line->SetTypeName(newKind);
    SetSameTypeObjects(layer, &CQXObject::SetTypeName, newKind, oldKind);
    const int close = IsPolygonKind(newKind) ? 1 : 0;
    SetSameTypeObjects(layer, &CQXObjectPolyline::SetClose, close, newKind);
    // The shown line follows its kind even when it is not among the layer's selected objects.
    if (auto* polyline = dynamic_cast<CQXObjectPolyline*>(line); polyline && !IsSelected(layer, line))
        polyline->SetClose(close);
    if (CBCGPProp* fill = FindItem(kFillId)) fill->Enable(close == 1);
    if (CBCGPProp* colour = FindItem(kFillColorId)) colour->Enable(close == 1);
}

void CPropListFaultLine::ApplyFill(CQXObjectLine* line, CBCGPProp* item) {
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    if (!faultitems::EditFill(brush, item, kFillId, kFillColorId)) return;
    SetSameTypeObjects(line->GetLayer(), &CQXObjectLine::SetLogBrush, &brush, line->GetTypeName());
    if (item->GetData() == kFillId)
        if (CBCGPProp* colour = FindItem(kFillColorId)) colour->Enable(brush.style != kBrushStyleNone);
}
