#include "planemap/layers/PropListLineLayerLine.h"

#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Wicket/ScatteredFunc.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PropListFill.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

namespace {

// ReadFillSubItem's cell size: a number of 0 or more whose hundredths a float holds.
TextRule CellSizeRule() {
    return [](const CString& text) {
        double size = 0;
        float kept = 0;
        return numtext::PositiveOrZeroNumber(text, &size) && numtext::FitFloat(size, numtext::kHundredths, &kept);
    };
}

}  // namespace

namespace linelayer {

void CopyFillField(DWORD_PTR id, const QXLOGBRUSH& from, QXLOGBRUSH* to) {
    using Page = CPropListLineLayerLine;
    switch (id) {
        case Page::kStyleSetId:
        case Page::kFillStyleId:
            to->style = from.style;
            break;
        case Page::kLineColorId:
            to->lineColor = from.lineColor;
            break;
        case Page::kFillColorId:
            to->fillColor = from.fillColor;
            break;
        case Page::kCellSizeId:
            to->size = from.size;
            break;
        case Page::kTransparentId:
            to->backMode = from.backMode;
            break;
        default:
            break;
    }
}

void GiveLinesFillField(CQXLayer* layer, DWORD_PTR id, const QXLOGBRUSH& edited) {
    const int count = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i) {
        auto* line = dynamic_cast<CQXObjectLine*>(layer->GetObjectG(i));
        if (!line) continue;
        QXLOGBRUSH brush;
        line->GetLogBrush(&brush);
        CopyFillField(id, edited, &brush);
        line->SetLogBrush(&brush);
    }
}

}  // namespace linelayer

int CPropListLineLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* line = CreateLineProp(grouptext::kLineStyle, kLineGroupId, false, planemap::WidthRule());
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    CBCGPProp* fill = CreateFillProp(geotext::kFillGroup, kFillGroupId);
    ReadBy(fill->GetSubItem(4), CellSizeRule());
    fill->Expand(TRUE);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);
    return 0;
}

// The width drops its trailing zeros here ("1.5", "2"); a refused width shows "%.2f".
void CPropListLineLayerLine::RefreshLayer(kel::plane::CLineLayer& layer) {
    QXLOGPEN pen;
    layer.GetPen(pen);
    QXLOGBRUSH brush;
    layer.GetLogBrush(brush);
    if (FindItem(kLineGroupId)) {
        geoitems::ShowPen(FindItem(kStyleId), FindItem(kColorId), nullptr, pen, 0);
        CString text = numtext::Fixed(pen.width / 100.0, 2);
        CScatteredFunc::TruncFloatString(text);
        SetItemText(FindItem(kWidthId), text);
    }
    SetFillProp(FindItem(kFillGroupId), GetFillStyleName(brush), brush);
}

bool CPropListLineLayerLine::OnLayerItemChanged(kel::plane::CLineLayer& layer, CBCGPProp* item) {
    QXLOGPEN pen;
    layer.GetPen(pen);
    QXLOGBRUSH brush;
    layer.GetLogBrush(brush);
    const DWORD_PTR id = item->GetData();
    switch (id) {
        case kLineGroupId:
        case kStyleId:
        case kWidthId:
        case kColorId:
            if (!layerpage::ReadGroupEdit(item, pen)) return false;
            break;
        case kStyleSetId:
        case kFillStyleId:
        case kLineColorId:
        case kFillColorId:
        case kCellSizeId:
        case kTransparentId: {
            // An empty style set names no set: nothing happens, the pen is not written either.
            QXLOGBRUSH edited = brush;
            if (ReadFillSubItem(item, &edited))
                linelayer::GiveLinesFillField(layer.GetLayer(), id, edited);
            else if (id == kCellSizeId || id == kStyleSetId)
                return false;
            break;
        }
        default:
            break;
    }
    layer.SetPen(pen);
    return true;
}

// The width with two decimals ("%.2f", not the refresh's trimmed text); the cell size of the
// layer's brush through its number item, as the refresh shows it.
void CPropListLineLayerLine::ShowStoredItem(kel::plane::CLineLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kWidthId) {
        QXLOGPEN pen;
        layer.GetPen(pen);
        planemap::ShowStoredHundredths(item, pen.width);
    } else if (item->GetData() == kCellSizeId) {
        QXLOGBRUSH brush;
        layer.GetLogBrush(brush);
        ShowStoredFillSize(item, brush);
    }
}
