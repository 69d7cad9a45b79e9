#include "planemap/layers/PropListCtrlLineLayerLine.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/LayerTexts.h"

int CPropListCtrlLineLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kVisibleId), TRUE, TRUE);
    CBCGPProp* line = CreateLineProp(layertext::kLineSettings, kLineGroupId, false, planemap::WidthRule());
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    return 0;
}

// A visible value other than 0 and 1 shows "否" but leaves the pen items enabled.
void CPropListCtrlLineLayerLine::RefreshLayer(kel::plane::CCtrlLineLayer& layer) {
    const int visible = layer.GetVisible();
    SetYesNoProp(FindItem(kVisibleId), visible == 1);
    CBCGPProp* line = FindItem(kLineGroupId);
    EnableAllSubItems(line, visible != 0 ? TRUE : FALSE);
    QXLOGPEN pen;
    pen.style = layer.GetLineStyle();
    numtext::FitFloat(layer.GetLineSize(), 1, &pen.width);
    pen.color = layer.GetLineColor();
    geoitems::ShowPen(FindItem(kStyleId), FindItem(kColorId), FindItem(kWidthId), pen, 2);
}

bool CPropListCtrlLineLayerLine::OnLayerItemChanged(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kVisibleId: {
            const int visible = ReadYesNo(item) ? 1 : 0;
            layer.SetVisible(visible);
            EnableAllSubItems(FindItem(kLineGroupId), visible ? TRUE : FALSE);
            break;
        }
        case kStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) layer.SetLineStyle(picker->GetVal());
            break;
        case kWidthId: {
            float width = 0;
            if (!planemap::ReadWidth(ItemText(item), &width)) return false;
            layer.SetLineSize(width);
            break;
        }
        case kColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) layer.SetLineColor(color);
            break;
        }
        default:
            break;
    }
    return true;
}

void CPropListCtrlLineLayerLine::ShowStoredItem(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kWidthId) planemap::ShowStoredHundredths(item, layer.GetLineSize());
}
