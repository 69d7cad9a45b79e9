#include "planemap/layers/PropLstPlaneEx.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/StyleGroupTexts.h"
#include "framework/TwoButtonProp.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"
#include "mfc/Variant.h"
#include "planemap/PlaneItems.h"
#include "planemap/WndLstPlane.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"

namespace {

constexpr int kStoreTypeOffset = 3;

}  // namespace

CPropLstPlaneEx::CPropLstPlaneEx(const CString& name, int value, const char* description, DWORD_PTR data, int mode,
                                 const CString& caption)
    : TTwoButtonItem(caption, name, _variant_t(static_cast<long>(value)), description, data), m_nMode(mode) {}

CPropLstPlaneEx::CPropLstPlaneEx(const CString& name, CString value, const char* description, DWORD_PTR data, int mode,
                                 const CString& caption)
    : TTwoButtonItem(caption, name, _variant_t(value), description, data), m_nMode(mode) {}

CPropLstPlaneEx::~CPropLstPlaneEx() = default;

void CPropLstPlaneEx::OnClickButtonEx(CPoint point) {
    CString value;
    if (!SecondButtonValue(point, &value)) return;
    if (m_nMode >= 0 && m_nMode < kTemplateModeCount) {
        CStyleTemplate* style = TemplateManager::CTemplateManagerFacade::Instance()->GetGeneralTemplate(
            value, static_cast<TemplateManager::TemplateType>(m_nMode + kStoreTypeOffset));
        if (!style) return;
        const CString oldName = style->GetName();
        style->Edit();
        const CString newName = style->GetName();
        if (newName != oldName) RefillTemplateOptions(m_nMode, this);
        WriteTemplateName(oldName, newName);
    }
    if (m_pList) m_pList->UpdateObjFinished();
}

// The name goes to the well layer's setting the item stands for, chosen by kind and by the page
// that holds the item; line and fill templates are written nowhere.
void CPropLstPlaneEx::WriteTemplateName(const CString& oldName, const CString& newName) {
    kel::plane::CWellLayer layer(m_pLayer);
    const bool namePage = dynamic_cast<CPropListWellLayerName*>(m_pList) != nullptr;
    const bool symbolPage = dynamic_cast<CPropListWellLayerSymbol*>(m_pList) != nullptr;
    switch (m_nMode) {
        case kColor:
            if (namePage) {
                layer.SetNameColorTemplate(newName);
            } else if (symbolPage && GetName() == grouptext::kBorderColorTemplate) {
                const bool innerToo = layer.GetSymbolInnerColorTemplate() == oldName;
                layer.SetSymbolBorderColorTemplate(newName);
                if (innerToo) layer.SetSymbolInnerColorTemplate(newName);
            } else if (symbolPage && GetName() == grouptext::kInnerColorTemplate) {
                const bool borderToo = layer.GetSymbolBorderColorTemplate() == oldName;
                layer.SetSymbolInnerColorTemplate(newName);
                if (borderToo) layer.SetSymbolBorderColorTemplate(newName);
            }
            break;
        case kSize:
            if (namePage) layer.SetNameSizeTemplate(newName);
            if (symbolPage) layer.SetSymbolSizeTemplate(newName);
            break;
        case kPointStyle:
            layer.SetSymbolPointStyleTemplate(newName);
            break;
        case kFont:
            layer.SetNameFontTemplate(newName);
            break;
        default:
            break;
    }
}
