#include "planemap/PropListOilWaterLine.h"

#include "framework/ItemGroupsFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryPen.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListOWLine::CPropListOWLine() = default;
CPropListOWLine::~CPropListOWLine() = default;

CQXObjectLine* CPropListOWLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListOWLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    // Shows the distribution type; it offers nothing to pick, so it cannot be changed here.
    m_wndPropList.AddProperty(NewOptionItem(geotext::kOilWaterType, "", "", kDistributionTypeId, {}, false), TRUE,
                              TRUE);
    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);
    CBCGPProp* fill = CreateFillProp(geotext::kFillGroup, kFillGroupId);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);
    fill->Expand(TRUE);
    return 0;
}

void CPropListOWLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    SetItemText(FindItem(kDistributionTypeId), line->GetName());
    boundarypen::ShowPenGroup(FindItem(kPenGroupId), line);
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    if (CBCGPProp* fill = FindItem(kFillGroupId)) SetFillProp(fill, planetext::kAllStyles, brush);
}

LRESULT CPropListOWLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
            case boundarypen::kStyleId:
            case boundarypen::kWidthId:
            case boundarypen::kColorId:
                // Each boundary of the type name keeps its own pen apart from the edited field.
                if (!EditOwnPens(line, item, boundarypen::PenField(item), Accept::AboveZero)) return 0;
                break;
            default:
                if (id > kFillGroupId) {
                    QXLOGBRUSH brush;
                    line->GetLogBrush(&brush);
                    if (!ApplyFillSubItem(item, line->GetLayer(), &brush, line->GetTypeName())) return 0;
                }
                break;
        }
    }
    UpdateView();
    return 0;
}
