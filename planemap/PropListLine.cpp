#include "planemap/PropListLine.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "hosttypes/Kestrel/GraphUtility.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

namespace {

const char kClosed[] = "闭合";
const char kPositionGroup[] = "线位置";
const char* const kPositionLabels[] = {
    "起始点X坐标", "起始点Y坐标", "终止点X坐标", "终止点Y坐标", planetext::kLength, "方位角",
};

// The azimuth typed in degrees: digits, blanks and points only, from 0 to 360.
bool ReadAzimuth(const CString& text, double* degrees) {
    double a = 0;
    if (!planemap::ReadNumber(text, 1, &a) || !IsNumberText(text) || a < 0 || a > 360) return false;
    *degrees = a;
    return true;
}

// The map library turns a straight line through its squared length: a line whose squared length a
// double cannot hold would be given an end point at infinity, so it is not turned. A line whose two
// points coincide has no direction, so no azimuth to take: its azimuth shows 0 whatever is stored.
bool CanTurn(CQXObjectPolyline* line) {
    FLOATPOINT p0, p1;
    if (line->GetPointCount() < 2 || !line->GetPoint(0, p0) || !line->GetPoint(1, p1)) return true;
    const double dx = p1.x - p0.x;
    const double dy = p1.y - p0.y;
    return (dx != 0 || dy != 0) && std::isfinite(dx * dx + dy * dy);
}

}  // namespace

CPropListLine::CPropListLine() = default;
CPropListLine::~CPropListLine() = default;

CQXObjectPolyline* CPropListLine::Line() const { return dynamic_cast<CQXObjectPolyline*>(m_pTarget); }

int CPropListLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(planetext::kLine), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    CBCGPProp* closed = CreateYesNoProp(kClosed, kClosedId, _variant_t(""), "");
    closed->AllowEdit(FALSE);
    m_wndPropList.AddProperty(closed, TRUE, TRUE);

    // The width item refuses what the width edit refuses.
    CBCGPProp* pen = CreateLineProp(grouptext::kLineStyle, kPenGroupId, true, planemap::FloatLengthThenScaleRule(100));
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    // Coordinates and length refuse a number beyond a double, the azimuth what ReadAzimuth refuses.
    auto* position = new CBCGPProp(kPositionGroup, kPositionGroupId);
    for (int i = 0; i < kPositionCount; ++i) {
        const DWORD_PTR id = kStartXId + static_cast<DWORD_PTR>(i);
        auto* number = new CBCGPropFloat(kPositionLabels[i], _variant_t(""), 2, "", FALSE, id);
        number->SetTextRule(id == kAzimuthId ? ReaderRule(&ReadAzimuth) : planemap::NumberRule(1));
        position->AddSubItem(number);
    }
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);
    m_pFillGroup->Expand(TRUE);
    return 0;
}

void CPropListLine::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectPolyline* line = Line();
    if (!line) return;
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    line->GetLogPen(&pen);
    line->GetLogBrush(&brush);

    if (GetSelectionCount() == 1 && m_pFillGroup) SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    if (CBCGPProp* closed = FindItem(kClosedId)) SetYesNoProp(closed, line->IsClosed() == 1);
    if (CBCGPProp* group = FindItem(kPenGroupId)) {
        SetLineSubItems(group, 0, pen);
        SetArrowLineProp(group, line);
    }
    RefreshPosition(line);
}

// The position items are meaningful only for one selected straight line: exactly one object
// selected and exactly two points. Anything else disables them and keeps their old texts
// (point 1 of a shorter line is never read).
void CPropListLine::RefreshPosition(CQXObjectPolyline* line) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    double values[kPositionCount];
    if (!PositionValues(line, values)) {
        EnableSubItems(group, 0, -1, FALSE);
        return;
    }
    for (int i = 0; i < kPositionCount && i < group->GetSubItemsCount(); ++i)
        ShowFixed(group->GetSubItem(i), values[i], 2);
    EnableSubItems(group, 0, -1, TRUE);
}

bool CPropListLine::PositionValues(CQXObjectPolyline* line, double (&values)[kPositionCount]) const {
    const int selected = m_pLayer ? m_pLayer->GetSelectedObjectCount() : 0;
    FLOATPOINT p0, p1;
    if (selected != 1 || line->GetPointCount() != 2 || !line->GetPoint(0, p0) || !line->GetPoint(1, p1)) return false;
    const double shown[kPositionCount] = {p0.x, p0.y, p1.x, p1.y, CGraphUtility::TwoPointDistance(p0, p1),
                                          line->CaculateAngle()};
    std::copy(std::begin(shown), std::end(shown), std::begin(values));
    return true;
}

// A position the line refuses after the item took the text: that one item shows the stored value
// as the refresh shows it (the azimuth as a refused azimuth shows it); an item the refresh leaves
// alone keeps its text.
void CPropListLine::ShowStoredPosition(CQXObjectPolyline* line, CBCGPProp* item) {
    if (item->GetData() == kAzimuthId) {
        ShowItemAgain(item);
        return;
    }
    double values[kPositionCount];
    if (PositionValues(line, values)) ShowFixed(item, values[item->GetData() - kStartXId], 2);
}

LRESULT CPropListLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPolyline* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    const CString typeName = line->GetTypeName();
    CQXLayer* layer = line->GetLayer();
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    const DWORD_PTR id = item->GetData();

    switch (id) {
        case kClosedId: {
            const int close = ReadYesNo(item) ? 1 : 0;
            line->SetClose(close);
            SetSameTypeObjects(layer, &CQXObjectPolyline::SetClose, close, typeName);
            break;
        }
        case kPenStyleId:
        case kPenColorId:
            geoitems::ApplyPenItem(line, item, static_cast<int>(id - kPenStyleId));
            break;
        case kPenWidthId:
            // No number reads as 0; a negative width, or one the pen record cannot hold, is refused.
            if (!geoitems::ApplyFloatPenWidth(line, item)) return 0;
            break;
        case kBeginArrowId:
        case kEndArrowId:
        case kArrowSizeId:
            if (!ApplyArrowSubItem(item, line, static_cast<int>(id - kBeginArrowId))) return 0;
            break;
        case kStartXId:
        case kStartYId:
        case kEndXId:
        case kEndYId:
        case kLengthId:
        case kAzimuthId:
            // The other position items (length, azimuth, the other coordinates) follow the change; a
            // length that leads to no point writes nothing and shows the stored value again.
            if (!ApplyPosition(line, item)) {
                ShowStoredPosition(line, item);
                return 0;
            }
            RefreshPosition(line);
            break;
        default:
            if (id > kPlaneFillGroupId && !ApplyFillSubItem(item, layer, &brush, typeName)) return 0;
            break;
    }
    UpdateView();
    return 0;
}

bool CPropListLine::ApplyPosition(CQXObjectPolyline* line, CBCGPProp* item) {
    switch (item->GetData()) {
        case kLengthId:
            return ApplyLength(line, item);
        case kAzimuthId: {
            double a = 0;
            if (!ReadAzimuth(ItemText(item), &a) || !CanTurn(line)) return false;
            line->SetAngle(a);
            return true;
        }
        default:
            return ApplyEndCoordinate(line, item);
    }
}

// Geometry edits touch the shown line only, and only a line that has the point. A coordinate that
// would leave the segment a length no double holds is refused.
bool CPropListLine::ApplyEndCoordinate(CQXObjectPolyline* line, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const int index = id == kStartXId || id == kStartYId ? 0 : 1;
    FLOATPOINT q, other;
    double v = 0;
    if (!line->GetPoint(index, q) || !planemap::ReadNumber(ItemText(item), 1, &v)) return false;
    (id == kStartXId || id == kEndXId ? q.x : q.y) = v;
    if (line->GetPoint(1 - index, other) && !std::isfinite(CGraphUtility::TwoPointDistance(q, other))) return false;
    if (index == 1) line->BeginNodeEdit();
    line->SetPoint(index, q);
    line->OnChanged(0);
    return true;
}

// Moves the end point along the line so that the segment gets the typed length; a length whose
// end point a double cannot hold is refused.
bool CPropListLine::ApplyLength(CQXObjectPolyline* line, CBCGPProp* item) {
    FLOATPOINT p0, p1;
    double length = 0;
    if (line->GetPointCount() < 2 || !line->GetPoint(0, p0) || !line->GetPoint(1, p1) ||
        !planemap::ReadNumber(ItemText(item), 1, &length))
        return false;
    const double d = CGraphUtility::TwoPointDistance(p0, p1);
    const double theta = CGraphUtility::rotateangle(p0, p0, p1);
    const FLOATPOINT end(p1.x + (length - d) * std::cos(theta), p1.y + (length - d) * std::sin(theta));
    if (!std::isfinite(end.x) || !std::isfinite(end.y)) return false;
    line->BeginNodeEdit();
    line->SetPoint(1, end);
    return true;
}

// A refused azimuth shows the line's own angle again ("%.2f"), which the refresh does not show;
// any other item the item itself refused keeps its text from before the edit.
void CPropListLine::ShowItemAgain(CBCGPProp* item) {
    CQXObjectPolyline* line = Line();
    if (!item || !line || item->GetData() != kAzimuthId) {
        CWndLstPlane::ShowItemAgain(item);
        return;
    }
    ShowFixed(item, line->GetAngle(), 2);
}
