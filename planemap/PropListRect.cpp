#include "planemap/PropListRect.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TableWebShapeTexts.h"

using namespace planemap;

namespace {

namespace st = shapetext;

// The sub-items of the position group, in display order.
constexpr TextItemDef kGeometryItems[] = {
    {CPropListRect::kXId, planetext::kX, planetext::kXDescription},
    {CPropListRect::kYId, planetext::kY, planetext::kYDescription},
    {CPropListRect::kLengthId, planetext::kLength, st::kLengthDescription},
    {CPropListRect::kWidthId, planetext::kWidth, st::kWidthDescription},
    {CPropListRect::kRotationId, planetext::kRotation, planetext::kRotationDescription},
    {CPropListRect::kCornerAId, st::kCornerA, st::kCornerADescription},
    {CPropListRect::kCornerBId, st::kCornerB, st::kCornerBDescription},
};
// Position, length, width and rotation are one rectangle's values; the corner items are not.
constexpr int kSingleObjectItems = 5;

// A geometry item's text as ApplyGeometry takes it: a text that is no number gives 0; lengths,
// widths and corner half-axes (to single precision) are never negative; the rotation is read in
// degrees into radians. False, value untouched, when refused.
bool ReadGeometry(const CString& text, DWORD_PTR id, double* value) {
    switch (id) {
        case CPropListRect::kLengthId:
        case CPropListRect::kWidthId:
            return ReadLength(text, 1, value);
        case CPropListRect::kCornerAId:
        case CPropListRect::kCornerBId: {
            float corner = 0;
            if (!ReadFloatLength(text, 1, &corner)) return false;
            *value = corner;
            return true;
        }
        case CPropListRect::kRotationId:
            return ReadAngle(text, value);
        default:
            return ReadNumber(text, 1, value);
    }
}

using Field = GeometryField<CQXObjectRect>;
// Length and width are kept as half-axes; the rotation is shown in degrees and written in radians
// as ReadGeometry reads it.
const Field kGeometryFields[] = {
    {CPropListRect::kXId, [](CQXObjectRect* r) { return AnchorOf(r).x; },
     [](CQXObjectRect* r, double v) { r->MoveAnchor(FLOATPOINT(v, AnchorOf(r).y)); }},
    {CPropListRect::kYId, [](CQXObjectRect* r) { return AnchorOf(r).y; },
     [](CQXObjectRect* r, double v) { r->MoveAnchor(FLOATPOINT(AnchorOf(r).x, v)); }},
    {CPropListRect::kLengthId, [](CQXObjectRect* r) { return 2 * r->GetRadiusA(); },
     [](CQXObjectRect* r, double v) { r->SetRadiusA(v * 0.5); }},
    {CPropListRect::kWidthId, [](CQXObjectRect* r) { return 2 * r->GetRadiusB(); },
     [](CQXObjectRect* r, double v) { r->SetRadiusB(v * 0.5); }},
    {CPropListRect::kRotationId, [](CQXObjectRect* r) { return ToDegrees(r->GetAngle()); },
     [](CQXObjectRect* r, double v) { r->SetAngle(v); }},
    {CPropListRect::kCornerAId, [](CQXObjectRect* r) { return r->GetRoundSize().cx; },
     [](CQXObjectRect* r, double v) {
         FLOATSIZE corner = r->GetRoundSize();
         corner.cx = v;
         r->SetRoundSize(corner);
     }},
    {CPropListRect::kCornerBId, [](CQXObjectRect* r) { return r->GetRoundSize().cy; },
     [](CQXObjectRect* r, double v) {
         FLOATSIZE corner = r->GetRoundSize();
         corner.cy = v;
         r->SetRoundSize(corner);
     }},
};

}  // namespace

CPropListRect::CPropListRect() = default;
CPropListRect::~CPropListRect() = default;

CQXObjectRect* CPropListRect::Rect() const { return dynamic_cast<CQXObjectRect*>(m_pTarget); }

int CPropListRect::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(st::kRectKind, kTypeId), TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    // Each refuses what ApplyGeometry refuses.
    for (const TextItemDef& row : kGeometryItems)
        position->AddSubItem(NewSizeTextItem(row.label, row.description, row.id, ReaderRule(&ReadGeometry, row.id)));
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(st::kOutline, kPenGroupId, false, HundredthsRule(Accept::ZeroOrMore));
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
    SetItemText(FindItem(kTypeId), rect->GetTypeName());
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
        ClearSubItems(group, kSingleObjectItems);
        EnableSubItems(group, 0, kSingleObjectItems, FALSE);
        return;
    }
    for (int i = 0; i < group->GetSubItemsCount(); ++i) ShowStoredGeometry(rect, group->GetSubItem(i));
    EnableSubItems(group, 0, -1, TRUE);
    if (m_pFillGroup) {
        QXLOGBRUSH brush;
        rect->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }
}

// A position item shows the shown rectangle's value as the refresh shows it, "%.2f" (the rotation in
// degrees); an item of one rectangle's values is empty while several objects are selected.
void CPropListRect::ShowStoredGeometry(CQXObjectRect* rect, CBCGPProp* item) {
    if (!item) return;
    const DWORD_PTR id = item->GetData();
    if (GetSelectionCount() != 1 && id != kCornerAId && id != kCornerBId) {
        SetItemText(item, "");
        return;
    }
    if (const Field* field = FieldOf(kGeometryFields, id)) ShowFixed(item, field->stored(rect), 2);
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
        case kPenWidthId:
        case kPenColorId:
            if (!EditOwnPens(rect, item, SubItemPosition(id, kPenGroupId), Accept::ZeroOrMore)) return 0;
            break;
        default:
            if (id > kPlaneFillGroupId) {
                QXLOGBRUSH brush;
                rect->GetLogBrush(&brush);
                if (!ApplyFillSubItem(item, layer, &brush, typeName)) return 0;
            }
            break;
    }
    UpdateView();
    return 0;
}

// Geometry edits change the shown rectangle only. Each item reads by ReadGeometry, so a number it
// refuses never comes here.
void CPropListRect::ApplyGeometry(CQXObjectRect* rect, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double value = 0;
    if (!ReadGeometry(ItemText(item), id, &value)) return;
    if (const Field* field = FieldOf(kGeometryFields, id)) field->write(rect, value);
}
