#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListContourLayerFill.h"

#include <vector>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"
#include "planemap/layers/ContourTexts.h"
#include "planemap/layers/PropLstPlaneExContour.h"

using kel::plane::CContourLayer;

int CPropListContourLayerFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kVisibleId), TRUE, TRUE);

    auto* fill = new CBCGPProp(contourtext::kFillSettings, kFillGroupId);
    auto* colours =
        new CPropLstPlaneExContour(contourtext::kColorTemplate, "", contourtext::kColorTemplateDescription,
                                   kTemplateId, CPropLstPlaneExContour::kFillMode, contourtext::kMoreButton);
    std::vector<CString> names;
    TemplateManager::CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(names,
                                                                                 TemplateManager::TPL_CONTOURCOLOR);
    for (const CString& name : names) colours->AddOption(name, TRUE);
    colours->AddOption(contourtext::kCustom, TRUE);
    colours->SetOwner(this);
    fill->AddSubItem(colours);
    fill->AddSubItem(NewYesNoList(contourtext::kInvertScale, "", nullptr, kInvertId));
    fill->Expand(TRUE);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);

    auto* scale = new CBCGPProp(contourtext::kScaleSettings, kScaleGroupId);
    scale->AddSubItem(NewYesNoList(grouptext::kShow, "", nullptr, kScaleVisibleId));
    scale->Expand(TRUE);
    m_wndPropList.AddProperty(scale, TRUE, TRUE);
    return 0;
}

void CPropListContourLayerFill::EnableGroups(bool enable) {
    for (DWORD_PTR id : {kScaleGroupId, kFillGroupId}) EnableAllSubItems(FindItem(id), enable ? TRUE : FALSE);
}

void CPropListContourLayerFill::RefreshLayer(CContourLayer& layer) {
    const int visible = layer.GetFillVisible();
    SetYesNoProp(FindItem(kVisibleId), visible == 1);
    if (auto* colours = dynamic_cast<CPropLstPlaneExContour*>(FindItem(kTemplateId))) {
        SetItemText(colours, layer.GetFillColorTemplate());
        colours->SetContourLayer(layer.GetLayer());
    }
    SetYesNoProp(FindItem(kInvertId), layer.GetColorInvert() == 1);
    SetYesNoProp(FindItem(kScaleVisibleId), layer.GetColorMarkVisible() == 1);
    EnableGroups(visible == 1);
}

bool CPropListContourLayerFill::OnLayerItemChanged(CContourLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kVisibleId: {
            const bool on = ReadYesNo(item);
            layer.SetFillVisible(on ? 1 : 0);
            EnableGroups(on);
            break;
        }
        case kTemplateId:
            // Any text names the template, "自定义" too.
            layer.SetFillColorTemplate(ItemText(item));
            break;
        case kInvertId:
            layer.SetColorInvert(ReadYesNo(item) ? 1 : 0);
            break;
        case kScaleVisibleId:
            layer.SetColorMarkVisible(ReadYesNo(item) ? 1 : 0);
            break;
        default:
            break;
    }
    return true;
}
