#include "planemap/PropListLine.h"

#include <cmath>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/GraphUtility.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kClosedId = 2001,
    kPenGroupId = 2002,
    kPenStyleId = 2003,
    kPenWidthId = 2004,
    kPenColorId = 2005,
    kBeginArrowId = 2006,
    kEndArrowId = 2007,
    kArrowSizeId = 2008,
    kPositionGroupId = 2009,
    kStartXId = 2010,
    kStartYId = 2011,
    kEndXId = 2012,
    kEndYId = 2013,
    kLengthId = 2014,
    kAzimuthId = 2015,
};

const char kClosed[] = "闭合";
const char kPositionGroup[] = "线位置";
const char* const kPositionLabels[] = {
    "起始点X坐标", "起始点Y坐标", "终止点X坐标", "终止点Y坐标", planetext::kLength, "方位角",
};

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

    CBCGPProp* pen = CreateLineProp(grouptext::kLineStyle, kPenGroupId, true);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    auto* position = new CBCGPProp(kPositionGroup, kPositionGroupId);
    for (int i = 0; i < 6; ++i)
        position->AddSubItem(
            new CBCGPropFloat(kPositionLabels[i], _variant_t(""), 2, "", FALSE, kStartXId + static_cast<DWORD_PTR>(i)));
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
    const int selected = m_pLayer ? m_pLayer->GetSelectedObjectCount() : 0;
    FLOATPOINT p0, p1;
    if (selected != 1 || line->GetPointCount() != 2 || !line->GetPoint(0, p0) || !line->GetPoint(1, p1)) {
        EnableSubItems(group, 0, -1, FALSE);
        return;
    }
    const double values[] = {p0.x, p0.y, p1.x, p1.y, CGraphUtility::TwoPointDistance(p0, p1), line->CaculateAngle()};
    for (int i = 0; i < 6 && i < group->GetSubItemsCount(); ++i)
        group->GetSubItem(i)->SetValue(_variant_t(FormatString("%.2f", values[i])));
    EnableSubItems(group, 0, -1, TRUE);
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
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    line->GetLogPen(&pen);
    line->GetLogBrush(&brush);
    FLOATPOINT p0, p1;
    line->GetPoint(0, p0);
    line->GetPoint(1, p1);
    const CString text = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();

    switch (id) {
    case kClosedId: {
        const int close = GetYesNoProp(item) ? 1 : 0;
        line->SetClose(close);
        SetSameTypeObjects(layer, &CQXObjectPolyline::SetClose, close, typeName);
        break;
    }
    case kPenStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            pen.style = picker->GetVal();
            SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
        }
        break;
    case kPenWidthId:
        // No number reads as 0; a width the pen record cannot hold is refused.
        if (planemap::ReadFloatThenScale(text, 100, &pen.width))
            SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
        break;
    case kPenColorId:
        if (planemap::ReadColor(item, &pen.color)) SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
        break;
    case kBeginArrowId:
    case kEndArrowId:
    case kArrowSizeId:
        ApplyArrowProp(item, line, static_cast<int>(id - kBeginArrowId));
        break;
    case kStartXId:
        WriteEndPoint(line, 0, FLOATPOINT(crt::Atof(text), p0.y));
        break;
    case kStartYId:
        WriteEndPoint(line, 0, FLOATPOINT(p0.x, crt::Atof(text)));
        break;
    case kEndXId:
        WriteEndPoint(line, 1, FLOATPOINT(crt::Atof(text), p1.y));
        break;
    case kEndYId:
        WriteEndPoint(line, 1, FLOATPOINT(p1.x, crt::Atof(text)));
        break;
    case kLengthId:
        ApplyLength(line, item);
        break;
    case kAzimuthId:
        ApplyAzimuth(line, item);
        break;
    default:
        if (id > kPlaneFillGroupId) ApplyFillSubItem(item, layer, &brush, typeName);
        break;
    }
    UpdateView();
    return 0;
}

// Geometry edits touch the shown line only, and only a line that has the point.
void CPropListLine::WriteEndPoint(CQXObjectPolyline* line, int index, const FLOATPOINT& point) {
    FLOATPOINT q;
    if (!line->GetPoint(index, q)) return;
    q.x = point.x;
    q.y = point.y;
    if (index == 1) line->BeginNodeEdit();
    line->SetPoint(index, q);
    line->OnChanged(0);
}

// Moves the end point along the line so that the segment gets the typed length.
void CPropListLine::ApplyLength(CQXObjectPolyline* line, CBCGPProp* item) {
    FLOATPOINT p0, p1;
    if (line->GetPointCount() < 2 || !line->GetPoint(0, p0) || !line->GetPoint(1, p1)) return;
    const double length = crt::Atof(VariantToText(item->GetValue()));
    const double d = CGraphUtility::TwoPointDistance(p0, p1);
    const double theta = CGraphUtility::rotateangle(p0, p0, p1);
    line->BeginNodeEdit();
    line->SetPoint(1, FLOATPOINT(p1.x + (length - d) * std::cos(theta), p1.y + (length - d) * std::sin(theta)));
}

void CPropListLine::ApplyAzimuth(CQXObjectPolyline* line, CBCGPProp* item) {
    const CString text = VariantToText(item->GetValue());
    const double a = crt::Atof(text);
    if (IsNumberText(text) && a >= 0 && a <= 360) {
        line->SetAngle(a);
        return;
    }
    item->SetValue(_variant_t(FormatString("%.2f", line->GetAngle())));
}
