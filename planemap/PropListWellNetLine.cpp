#include "planemap/PropListWellNetLine.h"

#include "framework/ItemGroupsLine.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListWellNetLine::CPropListWellNetLine() = default;
CPropListWellNetLine::~CPropListWellNetLine() = default;

CQXObjectLine* CPropListWellNetLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListWellNetLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", planetext::kType, kTypeId, {}, false), TRUE, TRUE);

    // The width item refuses what ApplyFloatPenWidth refuses.
    CBCGPProp* pen = CreateLineProp(grouptext::kLineStyle, kPenGroupId, true, FloatLengthThenScaleRule(100));
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    pen->Expand(TRUE);
    return 0;
}

void CPropListWellNetLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    CBCGPProp* group = FindItem(kPenGroupId);
    if (!group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    SetLineSubItems(group, 0, pen);
    // Only polylines carry arrows.
    if (auto* polyline = dynamic_cast<CQXObjectPolyline*>(line)) SetArrowLineProp(group, polyline);
}

LRESULT CPropListWellNetLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
            case kPenStyleId:
            case kPenColorId:
                geoitems::ApplyPenItem(line, item, static_cast<int>(id - kPenStyleId));
                break;
            case kPenWidthId:
                // A refused width writes nothing and redraws nothing.
                if (!geoitems::ApplyFloatPenWidth(line, item)) return 0;
                break;
            case kBeginArrowId:
            case kEndArrowId:
            case kArrowSizeId:
                if (!ApplyArrowSubItem(item, line, static_cast<int>(id - kBeginArrowId))) return 0;
                break;
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}
