#include "planemap/PropListRegionLine.h"

#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryPen.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

CPropListRegionLine::CPropListRegionLine() = default;
CPropListRegionLine::~CPropListRegionLine() = default;

CQXObjectLine* CPropListRegionLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListRegionLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    // Shows the region type; it offers nothing to pick, so it cannot be changed here.
    m_wndPropList.AddProperty(NewOptionItem(geotext::kRegionType, "", "", kRegionTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);
    return 0;
}

void CPropListRegionLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    SetItemText(FindItem(kRegionTypeId), line->GetName());
    boundarypen::ShowPenGroup(FindItem(kPenGroupId), line);
}

// The shown line takes its pen back after every edit, the edited field changed when it was taken.
LRESULT CPropListRegionLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        switch (item->GetData()) {
            case boundarypen::kStyleId:
            case boundarypen::kWidthId:
            case boundarypen::kColorId:
                // A refused width writes nothing and redraws nothing.
                if (!boundarypen::EditPenItem(pen, item)) return 0;
                break;
            default:
                break;
        }
        line->SetLogPen(&pen);
    }
    UpdateView();
    return 0;
}
