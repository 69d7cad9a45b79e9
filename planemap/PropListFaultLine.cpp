#include "planemap/PropListFaultLine.h"

#include <cfloat>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kBasicGroupId = 2000,
    kKindId = 2001,
    kNameId = 2002,
    kPenGroupId = 2003,
    kPenStyleId = 2004,
    kPenWidthId = 2005,
    kPenColorId = 2006,
    kFillGroupId = 2007,
    kFillId = 2008,
    kFillColorId = 2009,
};

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

namespace faultlist {

CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id) {
    auto* width = new CBCGPProp(name, _variant_t(""), grouptext::kLineWidthMmDescription, id);
    for (int i = 1; i <= 30; ++i) {
        CString option;
        option.Format("%.1f", i / 10.0);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    return width;
}

bool ReadWidth(const CString& text, float* width) {
    const double value = crt::Atof(text) * 100;
    if (!(std::fabs(value) <= FLT_MAX)) return false;
    *width = static_cast<float>(value);
    return true;
}

}  // namespace faultlist

CPropListFaultLine::CPropListFaultLine() = default;
CPropListFaultLine::~CPropListFaultLine() = default;

CQXObjectLine* CPropListFaultLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListFaultLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* basic = new CBCGPProp(geotext::kBasic, kBasicGroupId);
    auto* kind = new CBCGPProp(planetext::kType, _variant_t(""), geotext::kFaultKindDescription, kKindId);
    for (const FaultKind& k : kFaultKinds) kind->AddOption(k.typeName);
    kind->AllowEdit(FALSE);
    basic->AddSubItem(kind);
    basic->AddSubItem(new CBCGPProp(geotext::kFaultName, _variant_t(""), geotext::kFaultName, kNameId));
    m_wndPropList.AddProperty(basic, TRUE, TRUE);
    basic->Expand(TRUE);

    auto* pen = new CBCGPProp(grouptext::kLineStyle, kPenGroupId);
    pen->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle,
                                         kestrel::kLineSetCommon, geotext::kBoundaryStyleDescription, kPenStyleId));
    pen->AddSubItem(faultlist::NewWidthItem(geotext::kWidth, kPenWidthId));
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
    if (CBCGPProp* item = FindItem(kKindId)) item->SetValue(_variant_t(kind));
    if (CBCGPProp* fill = FindItem(kFillId)) fill->Enable(IsPolygonKind(kind));
    if (CBCGPProp* name = FindItem(kNameId)) name->SetValue(_variant_t(line->GetName()));
    RefreshPen(line);
    RefreshFill(line);
}

void CPropListFaultLine::RefreshPen(CQXObjectLine* line) {
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    if (pen == m_pen) TakeStandardPen(line->GetLayer(), line->GetTypeName(), &pen);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(FindItem(kPenStyleId))) {
        UINT value = pen.style;
        style->SetVal(value);
    }
    if (CBCGPProp* width = FindItem(kPenWidthId)) {
        CString text;
        text.Format("%.1f", pen.width / 100.0);
        width->SetValue(_variant_t(text));
    }
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(FindItem(kPenColorId))) colour->SetColor(pen.color);
}

void CPropListFaultLine::RefreshFill(CQXObjectLine* line) {
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    const bool fillOn = brush.style != kBrushStyleNone;
    if (CBCGPProp* fill = FindItem(kFillId)) SetYesNoProp(fill, fillOn);
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(FindItem(kFillColorId))) {
        colour->SetColor(brush.fillColor);
        colour->Enable(fillOn);
    }
}

LRESULT CPropListFaultLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = line->GetLayer();
    const CString kind = line->GetTypeName();
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    line->GetLogPen(&pen);
    line->GetLogBrush(&brush);
    const DWORD_PTR id = item->GetData();
    if (id == kKindId) TakeStandardPen(layer, kind, &pen);
    m_pen = pen;
    const CString text = VariantToText(item->GetValue());

    switch (id) {
    case kKindId:
        ApplyKind(line, kind, text);
        break;
    case kNameId:
        SetSameTypeObjects(layer, &CQXObject::SetName, text, kind);
        break;
    case kPenStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            pen.style = picker->GetVal();
            SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, kind);
        }
        break;
    case kPenWidthId:
        if (faultlist::ReadWidth(text, &pen.width)) SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, kind);
        break;
    case kPenColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            pen.color = colour->GetColor();
            SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, kind);
        }
        break;
    case kFillId:
        brush.style = GetYesNoProp(item) ? kBrushStyleSolid : kBrushStyleNone;
        SetSameTypeObjects(layer, &CQXObjectLine::SetLogBrush, &brush, kind);
        if (CBCGPProp* colour = FindItem(kFillColorId)) colour->Enable(brush.style != kBrushStyleNone);
        break;
    case kFillColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            brush.fillColor = colour->GetColor();
            SetSameTypeObjects(layer, &CQXObjectLine::SetLogBrush, &brush, kind);
        }
        break;
    default:
        break;
    }
    UpdateView();
    return 0;
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
