#include "planemap/PropListEllipse.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/OptionTables.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TableWebShapeTexts.h"

using namespace planemap;

namespace {

namespace st = shapetext;

// The number items of the position group, in display order; the direction follows them.
constexpr TextItemDef kGeometryItems[] = {
    {CPropListEllipse::kXId, planetext::kX, planetext::kXDescription},
    {CPropListEllipse::kYId, planetext::kY, planetext::kYDescription},
    {CPropListEllipse::kAxisAngleId, st::kAxisAngle, st::kAxisAngleDescription},
    {CPropListEllipse::kHalfAxisAId, st::kHalfAxisA, st::kHalfAxisADescription},
    {CPropListEllipse::kHalfAxisBId, st::kHalfAxisB, st::kHalfAxisBDescription},
    {CPropListEllipse::kStartAngleId, st::kStartAngle, st::kStartAngleDescription},
    {CPropListEllipse::kStopAngleId, st::kStopAngle, st::kStopAngleDescription},
};
constexpr int kWidthSubItem = 1;

// A geometry item's text as the edits take it: a position or angle that is no number gives 0
// (angles in degrees, read into radians); a half-axis must be above 0. False, value untouched,
// when refused.
bool ReadGeometry(const CString& text, DWORD_PTR id, double* value) {
    switch (id) {
        case CPropListEllipse::kXId:
        case CPropListEllipse::kYId:
            return ReadNumber(text, 1, value);
        case CPropListEllipse::kHalfAxisAId:
        case CPropListEllipse::kHalfAxisBId:
            return ReadAboveZero(text, 1, value);
        default:
            return ReadAngle(text, value);
    }
}

using Field = GeometryField<CQXObjectCircle>;
// Angles shown in degrees, written in radians as ReadGeometry reads them.
const Field kGeometryFields[] = {
    {CPropListEllipse::kXId, [](CQXObjectCircle* e) { return AnchorOf(e).x; },
     [](CQXObjectCircle* e, double v) { e->MoveAnchor(FLOATPOINT(v, AnchorOf(e).y)); }},
    {CPropListEllipse::kYId, [](CQXObjectCircle* e) { return AnchorOf(e).y; },
     [](CQXObjectCircle* e, double v) { e->MoveAnchor(FLOATPOINT(AnchorOf(e).x, v)); }},
    {CPropListEllipse::kAxisAngleId, [](CQXObjectCircle* e) { return ToDegrees(e->GetAngle()); },
     [](CQXObjectCircle* e, double v) { e->SetAngle(v); }},
    {CPropListEllipse::kHalfAxisAId, [](CQXObjectCircle* e) { return e->GetRadiusA(); },
     [](CQXObjectCircle* e, double v) { e->SetRadiusA(v); }},
    {CPropListEllipse::kHalfAxisBId, [](CQXObjectCircle* e) { return e->GetRadiusB(); },
     [](CQXObjectCircle* e, double v) { e->SetRadiusB(v); }},
    {CPropListEllipse::kStartAngleId, [](CQXObjectCircle* e) { return ToDegrees(e->GetStartAngle()); },
     [](CQXObjectCircle* e, double v) { e->SetStartAngle(v); }},
    {CPropListEllipse::kStopAngleId, [](CQXObjectCircle* e) { return ToDegrees(e->GetStopAngle()); },
     [](CQXObjectCircle* e, double v) { e->SetStopAngle(v); }},
};

}  // namespace

CPropListEllipse::CPropListEllipse() = default;
CPropListEllipse::~CPropListEllipse() = default;

CQXObjectCircle* CPropListEllipse::Ellipse() const { return dynamic_cast<CQXObjectCircle*>(m_pTarget); }

int CPropListEllipse::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(st::kEllipseKind, kTypeId), TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    // Each refuses what its edit refuses.
    for (const TextItemDef& row : kGeometryItems)
        position->AddSubItem(NewSizeTextItem(row.label, row.description, row.id, ReaderRule(&ReadGeometry, row.id)));
    position->AddSubItem(NewFixedListItem(planetext::kDirection, "", st::kDirectionDescription, kDirectionId,
                                          shapes::kDirections, OtherTakenAs(shapes::kDirectionOther)));
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(st::kOutline, kPenGroupId, false, HundredthsRule(Accept::AboveZero));
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
        SetItemText(group->GetSubItem(kWidthSubItem), "");
}

// The position items show one ellipse's values: empty and disabled while several are selected.
void CPropListEllipse::RefreshGeometry(CQXObjectCircle* ellipse) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    if (GetSelectionCount() != 1) {
        ClearSubItems(group);
        EnableSubItems(group, 0, -1, FALSE);
        return;
    }
    for (const TextItemDef& def : kGeometryItems) ShowStoredGeometry(ellipse, FindItem(def.id));
    SetItemText(FindItem(kDirectionId),
                TextOfValue(shapes::kDirections, ellipse->GetDirection(), shapes::kDirectionOtherText));
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
        case kHalfAxisAId:
        case kHalfAxisBId:
        case kStartAngleId:
        case kStopAngleId:
            ApplyGeometry(ellipse, item);
            break;
        case kDirectionId: {
            int direction = 0;
            if (!ReadFixedList(item, &direction)) return 0;
            ellipse->SetDirection(static_cast<SEGMENTDIRECTION>(direction));
            break;
        }
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            if (!EditOwnPens(ellipse, item, SubItemPosition(id, kPenGroupId), Accept::AboveZero)) return 0;
            break;
        default:
            if (id > kPlaneFillGroupId) {
                QXLOGBRUSH brush;
                ellipse->GetLogBrush(&brush);
                if (!ApplyFillSubItem(item, layer, &brush, typeName)) return 0;
            }
            break;
    }
    UpdateView();
    return 0;
}

// A refused half-axis shows the stored one again, "%.2f"; any other refused item keeps its text.
void CPropListEllipse::ShowItemAgain(CBCGPProp* item) {
    CQXObjectCircle* ellipse = Ellipse();
    if (item && ellipse && (item->GetData() == kHalfAxisAId || item->GetData() == kHalfAxisBId))
        ShowStoredGeometry(ellipse, item);
    else
        CWndLstPlane::ShowItemAgain(item);
}

// A position group item shows the shown ellipse's value as the refresh shows it, "%.2f" (angles in
// degrees); empty while several objects are selected.
void CPropListEllipse::ShowStoredGeometry(CQXObjectCircle* ellipse, CBCGPProp* item) {
    if (!item) return;
    if (GetSelectionCount() != 1) {
        SetItemText(item, "");
        return;
    }
    if (const Field* field = FieldOf(kGeometryFields, item->GetData())) ShowFixed(item, field->stored(ellipse), 2);
}

// Geometry edits change the shown ellipse only. Each item reads by ReadGeometry, so a number it
// refuses never comes here.
void CPropListEllipse::ApplyGeometry(CQXObjectCircle* ellipse, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double value = 0;
    if (!ReadGeometry(ItemText(item), id, &value)) return;
    if (const Field* field = FieldOf(kGeometryFields, id)) field->write(ellipse, value);
}
