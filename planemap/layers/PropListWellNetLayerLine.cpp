#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListWellNetLayerLine.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/WellItems.h"

namespace {

using kel::plane::CWellNetLayer;

// The layer's first polyline, in object order, whose arrows the page shows; NULL for none.
CQXObjectPolyline* FirstPolyline(CQXLayer* layer) {
    const int count = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i)
        if (auto* line = dynamic_cast<CQXObjectPolyline*>(layer->GetObjectG(i))) return line;
    return nullptr;
}

QXLOGPEN PenOf(CQXLayer* layer) {
    QXLOGPEN pen;
    if (layer) layer->GetLogPen(&pen);
    return pen;
}

// Every polyline of the layer, in object order, selected or not.
template <class Fn>
void ForEachPolyline(CQXLayer* layer, Fn fn) {
    const int count = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i)
        if (auto* line = dynamic_cast<CQXObjectPolyline*>(layer->GetObjectG(i))) fn(line);
}

}  // namespace

int CPropListWellNetLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kVisibleId), TRUE, TRUE);
    CBCGPProp* line = CreateLineProp(grouptext::kLineStyle, kLineGroupId, true, planemap::WidthRule());
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    return 0;
}

void CPropListWellNetLayerLine::RefreshLayer(CWellNetLayer& layer) {
    const int visible = layer.GetLineVisible();
    SetYesNoProp(FindItem(kVisibleId), visible == 1);
    CBCGPProp* group = FindItem(kLineGroupId);
    if (!group) return;
    SetLineSubItems(group, 0, PenOf(layer.GetLayer()));
    SetArrowLineProp(group, FirstPolyline(layer.GetLayer()));
    EnableSubItems(group, 0, group->GetSubItemsCount(), visible != 0 ? TRUE : FALSE);
}

// The width and the arrow length are read by their items' rules: a width by the width rule, an
// arrow length only above 0; a text either refuses writes nothing.
bool CPropListWellNetLayerLine::OnLayerItemChanged(CWellNetLayer& layer, CBCGPProp* item) {
    CQXLayer* shown = layer.GetLayer();
    QXLOGPEN pen = PenOf(shown);
    switch (item->GetData()) {
        case kVisibleId: {
            const int visible = ReadYesNo(item) ? 1 : 0;
            layer.SetLineVisible(visible);
            CBCGPProp* group = FindItem(kLineGroupId);
            EnableSubItems(group, 0, group ? group->GetSubItemsCount() : 0, visible ? TRUE : FALSE);
            break;
        }
        case kStyleId:
        case kWidthId:
        case kColorId:
            // Only the edited field of the layer's pen changes.
            if (!ReadEditedField(item, pen)) return false;
            layer.SetPen(pen);
            break;
        case kBeginArrowId:
        case kEndArrowId: {
            // Any other text is no arrow, and shows as the refresh shows that type.
            const int type = ArrowTypeFromText(ItemText(item));
            ShowTextIfChanged(item, ArrowTypeToText(type));
            const bool begin = item->GetData() == kBeginArrowId;
            ForEachPolyline(shown, [&](CQXObjectPolyline* line) {
                (begin ? line->GetBegArrow() : line->GetEndArrow())->SetArrowType(type);
                line->OnChanged(0);
            });
            break;
        }
        case kArrowLengthId: {
            double length = 0;
            if (!numtext::LeadingNumber(ItemText(item), &length) || !(length > 0)) return false;
            ForEachPolyline(shown, [&](CQXObjectPolyline* line) {
                line->GetBegArrow()->SetArrowLength(length);
                line->GetEndArrow()->SetArrowLength(length);
            });
            break;
        }
        default:
            break;
    }
    return true;
}

// The width as the refresh shows it; the arrow length as SetArrowLineProp shows it, from the first
// polyline (a layer without one keeps the text).
void CPropListWellNetLayerLine::ShowStoredItem(CWellNetLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kWidthId) {
        planemap::ShowStoredHundredths(item, PenOf(layer.GetLayer()).width);
    } else if (item->GetData() == kArrowLengthId) {
        if (CQXObjectPolyline* first = FirstPolyline(layer.GetLayer()))
            ShowFixed(item, first->GetBegArrow()->GetArrowLength(), 2);
    }
}
