#include "planemap/PropListSandFill.h"

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListSandLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kBodyNumberId = 2001,
};

// Sand-body areas keep their bodies' fills under one prefix, effective areas under the other.
const char* BrushKeyPrefix(const CString& typeName) {
    return typeName == boundarytext::kSandFill ? boundarytext::kBrushKeyPrefix : boundarytext::kValidBrushKeyPrefix;
}

}  // namespace

CPropListSandFill::CPropListSandFill() = default;
CPropListSandFill::~CPropListSandFill() = default;

CQXObjectFill* CPropListSandFill::Area() const { return dynamic_cast<CQXObjectFill*>(m_pTarget); }

int CPropListSandFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    auto* number = new CBCGPProp(boundarytext::kSandBodyNumber, _variant_t(""), "", kBodyNumberId);
    number->AllowEdit(FALSE);
    m_wndPropList.AddProperty(number, TRUE, TRUE);
    return 0;
}

void CPropListSandFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* area = Area();
    if (!area) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(area->GetTypeName()));
    if (CBCGPProp* number = FindItem(kBodyNumberId)) {
        number->SetValue(_variant_t(area->GetName()));
        sandlist::SetBodyOptions(number, area->GetLayer());
    }
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
            ApplyBodyNumber(area, VariantToText(item->GetValue()), brush);
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
    area->SetName(number);
    CQXLayer* layer = area->GetLayer();
    if (!layer) return;
    QXLOGBRUSH stored;
    if (layer->GetPropertyManager()->GetBrushProperty(CString(BrushKeyPrefix(area->GetTypeName())) + number, &stored))
        brush.fillColor = stored.fillColor;
}
