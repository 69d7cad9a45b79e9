#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListWellNetLayerFill.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/StratumMapKinds.h"

namespace {

using kel::plane::CWellNetLayer;

QXLOGBRUSH BrushOf(CQXLayer* layer) {
    QXLOGBRUSH brush;
    if (layer) layer->GetLogBrush(&brush);
    return brush;
}

}  // namespace

int CPropListWellNetLayerFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(
        NewYesNoList(grouptext::kShow, grouptext::kYes, stratummap::kShowDescription, kVisibleId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, 0), TRUE,
                              TRUE);
    return 0;
}

void CPropListWellNetLayerFill::RefreshLayer(CWellNetLayer& layer) {
    const bool visible = layer.GetFillVisible() != 0;
    SetYesNoProp(FindItem(kVisibleId), visible);
    CBCGPProp* colour = FindItem(kColorId);
    ShowColor(colour, BrushOf(layer.GetLayer()).fillColor);
    if (colour) colour->Enable(visible);
}

bool CPropListWellNetLayerFill::OnLayerItemChanged(CWellNetLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kVisibleId: {
            const int visible = ReadYesNo(item) ? 1 : 0;
            layer.SetFillVisible(visible);
            if (CBCGPProp* colour = FindItem(kColorId)) colour->Enable(visible);
            break;
        }
        case kColorId: {
            QXLOGBRUSH brush = BrushOf(layer.GetLayer());
            if (ReadColor(item, &brush.fillColor)) layer.SetBrush(brush);
            break;
        }
        default:
            break;
    }
    return true;
}
