#include "planemap/layers/PropListBoundLayerBound.h"

#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"

namespace {

constexpr COLORREF kBlack = 0;
constexpr UINT kInitialStyle = 1;

}  // namespace

int CPropListBoundLayerBound::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, kBlack),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(new CPropStyleCombox(grouptext::kLineStyle, kInitialStyle, CPropStyleCombox::kLineStyle,
                                                   nullptr, grouptext::kLineStylePlainDescription, kStyleId),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewSizeTextItem(grouptext::kLineWidth, geotext::kWidthDescription, kWidthId, planemap::WidthRule()), TRUE,
        TRUE);
    return 0;
}

void CPropListBoundLayerBound::RefreshLayer(kel::plane::CBoundLayer& layer) {
    QXLOGPEN pen;
    layer.GetPen(pen);
    geoitems::ShowPen(FindItem(kStyleId), FindItem(kColorId), FindItem(kWidthId), pen, 2);
}

// The field taken goes to the layer's pen and to the plane options' boundary pen alike.
bool CPropListBoundLayerBound::OnLayerItemChanged(kel::plane::CBoundLayer& layer, CBCGPProp* item) {
    QXLOGPEN pen;
    layer.GetPen(pen);
    QXLOGPEN& optionPen = kel::plane::CPlaneOption::Instance()->m_BoundPen;
    switch (item->GetData()) {
        case kStyleId:
            if (!planemap::EditPen(pen, item, 0)) return true;
            optionPen.style = pen.style;
            break;
        case kWidthId:
            if (!planemap::ReadWidth(ItemText(item), &pen.width)) return false;
            optionPen.width = pen.width;
            break;
        case kColorId:
            if (!ReadColor(item, &pen.color)) return true;
            optionPen.color = pen.color;
            break;
        default:
            return true;
    }
    layer.SetPen(pen);
    return true;
}

void CPropListBoundLayerBound::ShowStoredItem(kel::plane::CBoundLayer& layer, CBCGPProp* item) {
    if (item->GetData() != kWidthId) return;
    QXLOGPEN pen;
    layer.GetPen(pen);
    planemap::ShowStoredHundredths(item, pen.width);
}
