#include "planemap/PropListSandFill.h"

#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SandList.h"

using namespace planemap;

namespace {

// Sand-body areas keep their bodies' fills under one prefix, effective areas under the other.
const char* BrushKeyPrefix(const CString& typeName) {
    return typeName == geotext::kSandFill ? geotext::kBrushKeyPrefix : geotext::kValidBrushKeyPrefix;
}

}  // namespace

CPropListSandFill::CPropListSandFill() = default;
CPropListSandFill::~CPropListSandFill() = default;

CQXObjectFill* CPropListSandFill::Area() const { return dynamic_cast<CQXObjectFill*>(m_pTarget); }

int CPropListSandFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(sandlist::NewBodyItem(kBodyNumberId), TRUE, TRUE);
    return 0;
}

void CPropListSandFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* area = Area();
    if (!area) return;
    SetItemText(FindItem(kTypeId), area->GetTypeName());
    sandlist::ShowBody(FindItem(kBodyNumberId), area);
}

// The shown area takes its brush back after every edit, also one that changed nothing.
LRESULT CPropListSandFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectFill* area = Area();
    if (item && area) {
        QXLOGBRUSH brush;
        area->GetLogBrush(&brush);
        switch (item->GetData()) {
            case kBodyNumberId:
                ApplyBodyNumber(area, ItemText(item), brush);
                break;
            default:
                break;
        }
        area->SetLogBrush(&brush);
    }
    UpdateView();
    return 0;
}

// The area joins the body and takes only the fill colour of the body's standard fill. A body
// without a stored fill leaves the colour alone rather than blacking the area out.
void CPropListSandFill::ApplyBodyNumber(CQXObjectFill* area, const CString& number, QXLOGBRUSH& brush) {
    CQXPropertyManager* store = sandlist::JoinBody(area, number);
    QXLOGBRUSH stored;
    if (store && store->GetBrushProperty(CString(BrushKeyPrefix(area->GetTypeName())) + number, &stored))
        brush.fillColor = stored.fillColor;
}
