#include "planemap/PropListEllipse.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "planemap/TableWebShapeTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kPositionGroupId = 2001,
    kXId = 2002,
    kYId = 2003,
    kAxisAngleId = 2004,
    kHalfAxisAId = 2005,
    kHalfAxisBId = 2006,
    kStartAngleId = 2007,
    kStopAngleId = 2008,
    kDirectionId = 2009,
    kPenGroupId = 2010,
    kPenStyleId = 2011,
    kPenWidthId = 2012,
    kPenColorId = 2013,
};

namespace ft = furnituretext;
namespace st = shapetext;
using shapes::Format2;

struct GeometryItem {
    DWORD_PTR id;
    const char* label;
    const char* description;
};
// The number items of the position group, in display order; the direction follows them.
constexpr GeometryItem kGeometryItems[] = {
    {kXId, planetext::kX, planetext::kXDescription},
    {kYId, planetext::kY, planetext::kYDescription},
    {kAxisAngleId, st::kAxisAngle, st::kAxisAngleDescription},
    {kHalfAxisAId, st::kHalfAxisA, st::kHalfAxisADescription},
    {kHalfAxisBId, st::kHalfAxisB, st::kHalfAxisBDescription},
    {kStartAngleId, st::kStartAngle, st::kStartAngleDescription},
    {kStopAngleId, st::kStopAngle, st::kStopAngleDescription},
};
constexpr int kNumberItems = 7;
constexpr int kWidthSubItem = 1;

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

// Each selected line of the type keeps its own pen but for the one field.
template <class Change>
void ChangeOwnPens(CQXLayer* layer, const CString& typeName, Change change) {
    ForSameTypeObjects<CQXObjectLine>(layer, typeName, [&](CQXObjectLine* line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        change(pen);
        line->SetLogPen(&pen);
    });
}

}  // namespace

CPropListEllipse::CPropListEllipse() = default;
CPropListEllipse::~CPropListEllipse() = default;

CQXObjectCircle* CPropListEllipse::Ellipse() const { return dynamic_cast<CQXObjectCircle*>(m_pTarget); }

int CPropListEllipse::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(st::kEllipseKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    for (const GeometryItem& g : kGeometryItems)
        position->AddSubItem(new CBCGPProp(g.label, _variant_t(""), g.description, g.id));
    auto* direction = new CBCGPProp(ft::kDirection, _variant_t(""), st::kDirectionDescription, kDirectionId);
    for (const auto& entry : shapes::kDirections) direction->AddOption(entry.text);
    direction->AllowEdit(FALSE);
    position->AddSubItem(direction);
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(st::kOutline, kPenGroupId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);
    m_pFillGroup->Expand(TRUE);
    return 0;
}

void CPropListEllipse::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectCircle* ellipse = Ellipse();
    if (!ellipse) return;
    RefreshGeometry(ellipse);
    QXLOGPEN pen;
    ellipse->GetLogPen(&pen);
    CBCGPProp* group = FindItem(kPenGroupId);
    SetLineProp(group, pen);
    // The width is one ellipse's value; the item stays open for a width for all of them.
    if (GetSelectionCount() != 1 && group && group->GetSubItemsCount() > kWidthSubItem)
        group->GetSubItem(kWidthSubItem)->SetValue(_variant_t(""));
}

// The position items show one ellipse's values: empty and disabled while several are selected.
void CPropListEllipse::RefreshGeometry(CQXObjectCircle* ellipse) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    if (GetSelectionCount() != 1) {
        for (int i = 0; i < group->GetSubItemsCount(); ++i) group->GetSubItem(i)->SetValue(_variant_t(""));
        EnableSubItems(group, 0, -1, FALSE);
        return;
    }
    QXPOINT anchor;
    ellipse->GetAnchor(&anchor);
    const double values[kNumberItems] = {anchor.x,
                                         anchor.y,
                                         shapes::ToDegrees(ellipse->GetAngle()),
                                         ellipse->GetRadiusA(),
                                         ellipse->GetRadiusB(),
                                         shapes::ToDegrees(ellipse->GetStartAngle()),
                                         shapes::ToDegrees(ellipse->GetStopAngle())};
    for (int i = 0; i < kNumberItems && i < group->GetSubItemsCount(); ++i)
        group->GetSubItem(i)->SetValue(_variant_t(Format2(values[i])));
    if (CBCGPProp* direction = FindItem(kDirectionId))
        direction->SetValue(_variant_t(
            furniture::TextOfValue(shapes::kDirections, ellipse->GetDirection(), shapes::kDirectionOtherText)));
    EnableSubItems(group, 0, -1, TRUE);
    if (m_pFillGroup) {
        QXLOGBRUSH brush;
        ellipse->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }
}

LRESULT CPropListEllipse::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectCircle* ellipse = Ellipse();
    if (!item || !ellipse) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = ellipse->GetLayer();
    const CString typeName = ellipse->GetTypeName();
    const DWORD_PTR id = item->GetData();

    switch (id) {
    case kXId:
    case kYId:
    case kAxisAngleId:
    case kStartAngleId:
    case kStopAngleId:
        ApplyGeometry(ellipse, item);
        break;
    case kHalfAxisAId:
    case kHalfAxisBId:
        ApplyHalfAxis(ellipse, item);
        break;
    case kDirectionId:
        ellipse->SetDirection(static_cast<SEGMENTDIRECTION>(
            furniture::ValueOfText(shapes::kDirections, ItemText(item), shapes::kDirectionOther)));
        break;
    case kPenStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            const UINT style = picker->GetVal();
            ChangeOwnPens(layer, typeName, [&](QXLOGPEN& pen) { pen.style = style; });
        }
        break;
    case kPenWidthId: {
        double width = 0;
        if (furniture::ReadNumber(ItemText(item), 100, &width) && width > 0)
            ChangeOwnPens(layer, typeName, [&](QXLOGPEN& pen) { pen.width = static_cast<float>(width); });
        break;
    }
    case kPenColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            const COLORREF value = colour->GetColor();
            ChangeOwnPens(layer, typeName, [&](QXLOGPEN& pen) { pen.color = value; });
        }
        break;
    default:
        if (id > kPlaneFillGroupId) {
            QXLOGBRUSH brush;
            ellipse->GetLogBrush(&brush);
            ApplyFillSubItem(item, layer, &brush, typeName);
        }
        break;
    }
    UpdateView();
    return 0;
}

// Geometry edits change the shown ellipse only; a text that is no number writes nothing.
void CPropListEllipse::ApplyGeometry(CQXObjectCircle* ellipse, CBCGPProp* item) {
    double value = 0;
    if (!furniture::ReadNumber(ItemText(item), 1, &value)) return;
    FLOATPOINT anchor;
    ellipse->GetAnchor(&anchor);
    switch (item->GetData()) {
    case kXId:
        ellipse->MoveAnchor(FLOATPOINT(value, anchor.y));
        break;
    case kYId:
        ellipse->MoveAnchor(FLOATPOINT(anchor.x, value));
        break;
    case kAxisAngleId:
        ellipse->SetAngle(shapes::ToRadians(value));
        break;
    case kStartAngleId:
        ellipse->SetStartAngle(shapes::ToRadians(value));
        break;
    case kStopAngleId:
        ellipse->SetStopAngle(shapes::ToRadians(value));
        break;
    default:
        break;
    }
}

// A half-axis must be above 0; a refused one shows the ellipse's own value again.
void CPropListEllipse::ApplyHalfAxis(CQXObjectCircle* ellipse, CBCGPProp* item) {
    const bool isA = item->GetData() == kHalfAxisAId;
    double value = 0;
    if (furniture::ReadNumber(ItemText(item), 1, &value) && value > 0) {
        if (isA)
            ellipse->SetRadiusA(value);
        else
            ellipse->SetRadiusB(value);
        return;
    }
    item->SetValue(_variant_t(Format2(isA ? ellipse->GetRadiusA() : ellipse->GetRadiusB())));
}
