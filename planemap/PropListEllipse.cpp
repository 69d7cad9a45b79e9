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

}  // namespace

CPropListEllipse::CPropListEllipse() = default;
CPropListEllipse::~CPropListEllipse() = default;

CQXObjectCircle* CPropListEllipse::Ellipse() const { return dynamic_cast<CQXObjectCircle*>(m_pTarget); }

int CPropListEllipse::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(st::kEllipseKind, kTypeId), TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    AddTextItems(position, kGeometryItems);
    position->AddSubItem(NewOptionItem(planetext::kDirection, "", st::kDirectionDescription, kDirectionId,
                                       {planetext::kForward, planetext::kBackward}, false));
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(st::kOutline, kPenGroupId, false, kHundredthsAboveZero);
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
    QXPOINT anchor;
    ellipse->GetAnchor(&anchor);
    SetSubItemNumbers(group,
                      {anchor.x, anchor.y, ToDegrees(ellipse->GetAngle()), ellipse->GetRadiusA(), ellipse->GetRadiusB(),
                       ToDegrees(ellipse->GetStartAngle()), ToDegrees(ellipse->GetStopAngle())});
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
            ValueOfText(shapes::kDirections, ItemText(item), shapes::kDirectionOther)));
        break;
    case kPenStyleId:
    case kPenWidthId:
    case kPenColorId:
        EditOwnPens(layer, typeName, item, SubItemPosition(id, kPenGroupId), Accept::AboveZero);
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

// Geometry edits change the shown ellipse only and are not checked: a text that is no number
// gives 0.
void CPropListEllipse::ApplyGeometry(CQXObjectCircle* ellipse, CBCGPProp* item) {
    double value = 0;
    if (!ReadNumber(ItemText(item), 1, &value)) return;
    FLOATPOINT anchor;
    ellipse->GetAnchor(&anchor);
    const DWORD_PTR id = item->GetData();
    // Angles are typed in degrees; degrees whose radians a double cannot hold are refused.
    double radians = 0;
    if (id != kXId && id != kYId && !ToRadians(value, &radians)) return;
    switch (id) {
    case kXId:
        ellipse->MoveAnchor(FLOATPOINT(value, anchor.y));
        break;
    case kYId:
        ellipse->MoveAnchor(FLOATPOINT(anchor.x, value));
        break;
    case kAxisAngleId:
        ellipse->SetAngle(radians);
        break;
    case kStartAngleId:
        ellipse->SetStartAngle(radians);
        break;
    default:
        ellipse->SetStopAngle(radians);
        break;
    }
}

// A half-axis must be above 0; a refused one shows the ellipse's own value again.
void CPropListEllipse::ApplyHalfAxis(CQXObjectCircle* ellipse, CBCGPProp* item) {
    const bool isA = item->GetData() == kHalfAxisAId;
    double value = 0;
    if (ReadNumber(ItemText(item), 1, &value) && value > 0) {
        if (isA)
            ellipse->SetRadiusA(value);
        else
            ellipse->SetRadiusB(value);
        return;
    }
    SetItemText(item, FormatString("%.2f", isA ? ellipse->GetRadiusA() : ellipse->GetRadiusB()));
}
