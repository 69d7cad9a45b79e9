#include "planemap/PropListRect.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "planemap/TableWebShapeTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kPositionGroupId = 2001,
    kXId = 2002,
    kYId = 2003,
    kRotationId = 2004,
    kLengthId = 2005,
    kWidthId = 2006,
    kCornerAId = 2007,
    kCornerBId = 2008,
    kPenGroupId = 2011,
    kPenStyleId = 2012,
    kPenWidthId = 2013,
    kPenColorId = 2014,
};

namespace ft = furnituretext;
namespace st = shapetext;
using shapes::Format2;

struct GeometryItem {
    DWORD_PTR id;
    const char* label;
    const char* description;
};
// The sub-items of the position group, in display order.
constexpr GeometryItem kGeometryItems[] = {
    {kXId, planetext::kX, planetext::kXDescription},
    {kYId, planetext::kY, planetext::kYDescription},
    {kLengthId, ft::kLength, st::kLengthDescription},
    {kWidthId, ft::kWidth, st::kWidthDescription},
    {kRotationId, planetext::kRotation, planetext::kRotationDescription},
    {kCornerAId, st::kCornerA, st::kCornerADescription},
    {kCornerBId, st::kCornerB, st::kCornerBDescription},
};
// Position, length, width and rotation are one rectangle's values; the corner items are not.
constexpr int kSingleObjectItems = 5;

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

CPropListRect::CPropListRect() = default;
CPropListRect::~CPropListRect() = default;

CQXObjectRect* CPropListRect::Rect() const { return dynamic_cast<CQXObjectRect*>(m_pTarget); }

int CPropListRect::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(st::kRectKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    for (const GeometryItem& g : kGeometryItems)
        position->AddSubItem(new CBCGPProp(g.label, _variant_t(""), g.description, g.id));
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(st::kOutline, kPenGroupId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);
    m_pFillGroup->Expand(TRUE);
    return 0;
}

void CPropListRect::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectRect* rect = Rect();
    if (!rect) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(rect->GetTypeName()));
    RefreshGeometry(rect);
    QXLOGPEN pen;
    rect->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);
}

// With several objects selected the items of one rectangle's values are emptied and disabled;
// the corner items and the fill keep what they show.
void CPropListRect::RefreshGeometry(CQXObjectRect* rect) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    if (GetSelectionCount() != 1) {
        for (int i = 0; i < kSingleObjectItems && i < group->GetSubItemsCount(); ++i)
            group->GetSubItem(i)->SetValue(_variant_t(""));
        EnableSubItems(group, 0, kSingleObjectItems, FALSE);
        return;
    }
    QXPOINT anchor;
    rect->GetAnchor(&anchor);
    const FLOATSIZE corner = rect->GetRoundSize();
    const double values[] = {anchor.x,
                             anchor.y,
                             2 * rect->GetRadiusA(),
                             2 * rect->GetRadiusB(),
                             shapes::ToDegrees(rect->GetAngle()),
                             corner.cx,
                             corner.cy};
    for (int i = 0; i < 7 && i < group->GetSubItemsCount(); ++i)
        group->GetSubItem(i)->SetValue(_variant_t(Format2(values[i])));
    EnableSubItems(group, 0, -1, TRUE);
    if (m_pFillGroup) {
        QXLOGBRUSH brush;
        rect->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }
}

LRESULT CPropListRect::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectRect* rect = Rect();
    if (!item || !rect) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = rect->GetLayer();
    const CString typeName = rect->GetTypeName();
    const DWORD_PTR id = item->GetData();

    switch (id) {
    case kXId:
    case kYId:
    case kLengthId:
    case kWidthId:
    case kRotationId:
    case kCornerAId:
    case kCornerBId:
        ApplyGeometry(rect, item);
        break;
    case kPenStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            const UINT style = picker->GetVal();
            ChangeOwnPens(layer, typeName, [&](QXLOGPEN& pen) { pen.style = style; });
        }
        break;
    case kPenWidthId: {
        double width = 0;
        if (furniture::ReadNumber(ItemText(item), 100, &width) && width >= 0)
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
            rect->GetLogBrush(&brush);
            ApplyFillSubItem(item, layer, &brush, typeName);
        }
        break;
    }
    UpdateView();
    return 0;
}

// Geometry edits change the shown rectangle only; a text that is no number writes nothing.
// Length and width are kept as half-axes.
void CPropListRect::ApplyGeometry(CQXObjectRect* rect, CBCGPProp* item) {
    double value = 0;
    if (!furniture::ReadNumber(ItemText(item), 1, &value)) return;
    FLOATPOINT anchor;
    rect->GetAnchor(&anchor);
    FLOATSIZE corner = rect->GetRoundSize();
    switch (item->GetData()) {
    case kXId:
        rect->MoveAnchor(FLOATPOINT(value, anchor.y));
        break;
    case kYId:
        rect->MoveAnchor(FLOATPOINT(anchor.x, value));
        break;
    case kLengthId:
        rect->SetRadiusA(value * 0.5);
        break;
    case kWidthId:
        rect->SetRadiusB(value * 0.5);
        break;
    case kRotationId:
        rect->SetAngle(shapes::ToRadians(value));
        break;
    case kCornerAId:
        corner.cx = static_cast<float>(value);
        rect->SetRoundSize(corner);
        break;
    case kCornerBId:
        corner.cy = static_cast<float>(value);
        rect->SetRoundSize(corner);
        break;
    default:
        break;
    }
}
