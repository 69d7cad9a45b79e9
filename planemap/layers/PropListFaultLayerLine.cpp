#include "planemap/layers/PropListFaultLayerLine.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "planemap/FaultItems.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/PlaneTexts.h"

namespace {

using Page = CPropListFaultLayerLine;
using kel::plane::CFaultLayer;
using kel::plane::CPlaneOption;

struct PenRow {
    DWORD_PTR groupId, styleId, colorId, widthId;
    const char *style, *color, *width;
    const char *styleDescription, *colorDescription, *widthDescription;
    void (CFaultLayer::*get)(QXLOGPEN&) const;
    void (CFaultLayer::*set)(QXLOGPEN&);
    QXLOGPEN CPlaneOption::*option;  // NULL: the plane options keep no such pen
};

struct FillRow {
    DWORD_PTR groupId, fillId, colorId;
    const char *fill, *color, *colorDescription;
    void (CFaultLayer::*get)(QXLOGBRUSH&) const;
    void (CFaultLayer::*set)(QXLOGBRUSH&);
    QXLOGBRUSH CPlaneOption::*option;
};

// Grid order: the polygon's pen and fill, the hanging-wall and footwall pens and the fault-zone
// fill, the centre pen.
const PenRow kPens[] = {
    {Page::kPolygonGroupId, Page::kPolygonStyleId, Page::kPolygonColorId, Page::kPolygonWidthId, grouptext::kLineStyle,
     grouptext::kColor, planetext::kWidth, "指定断层多边形线型", "指定断层多边形颜色",
     grouptext::kLineWidthMmDescription, &CFaultLayer::GetPolygonPen, &CFaultLayer::SetPolygonPen, nullptr},
    {Page::kBlockGroupId, Page::kUpStyleId, Page::kUpColorId, Page::kUpWidthId, geotext::kHangingWallStyle,
     geotext::kHangingWallColor, "上盘宽度", geotext::kHangingWallStyleDescription, "指定上盘线颜色",
     "指定上盘线型宽度，单位（毫米）", &CFaultLayer::GetUpPen, &CFaultLayer::SetUpPen, &CPlaneOption::m_UpPen},
    {Page::kBlockGroupId, Page::kDnStyleId, Page::kDnColorId, Page::kDnWidthId, geotext::kFootwallStyle,
     geotext::kFootwallColor, "下盘宽度", "指定下盘线型", "指定下盘线颜色", "指定下盘线型宽度，单位（毫米）",
     &CFaultLayer::GetDnPen, &CFaultLayer::SetDnPen, &CPlaneOption::m_DnPen},
    {Page::kMidGroupId, Page::kMidStyleId, Page::kMidColorId, Page::kMidWidthId, grouptext::kLineStyle,
     grouptext::kColor, planetext::kWidth, "指定断层中线线型", "指定断层中线颜色", "指定断层中线宽度，单位（毫米）",
     &CFaultLayer::GetMidPen, &CFaultLayer::SetMidPen, nullptr},
};

const FillRow kFills[] = {
    {Page::kPolygonGroupId, Page::kPolygonFillId, Page::kPolygonFillColorId, planetext::kFill, geotext::kFillColor,
     geotext::kFillColorDescription, &CFaultLayer::GetPolygonBrush, &CFaultLayer::SetPolygonBrush, nullptr},
    {Page::kBlockGroupId, Page::kZoneFillId, Page::kZoneColorId, geotext::kFaultZoneFill, geotext::kFaultZoneColor,
     "指定断裂带颜色", &CFaultLayer::GetBrush, &CFaultLayer::SetBrush, &CPlaneOption::m_FaultBrush},
};

struct GroupDef {
    DWORD_PTR id;
    const char* label;
};
const GroupDef kGroups[] = {
    {Page::kPolygonGroupId, geotext::kFaultPolygon},
    {Page::kBlockGroupId, geotext::kFaultBlock},
    {Page::kMidGroupId, geotext::kFaultCentre},
};

void AddPenItems(CBCGPProp* group, const PenRow& row) {
    group->AddSubItem(geoitems::NewStylePicker(row.style, row.styleDescription, row.styleId));
    group->AddSubItem(NewGroupColorProp(row.color, row.colorDescription, row.colorId, 0));
    group->AddSubItem(NewSizeTextItem(row.width, row.widthDescription, row.widthId, planemap::WidthRule()));
}

void AddFillItems(CBCGPProp* group, const FillRow& row) {
    group->AddSubItem(NewYesNoList(row.fill, "", nullptr, row.fillId));
    group->AddSubItem(NewGroupColorProp(row.color, row.colorDescription, row.colorId, 0));
}

// The edited field of the row's pen; false for another item.
bool FieldOf(const PenRow& row, DWORD_PTR id, geoitems::PenField* field) {
    if (id == row.styleId) {
        *field = geoitems::PenField::kStyle;
    } else if (id == row.widthId) {
        *field = geoitems::PenField::kWidth;
    } else if (id == row.colorId) {
        *field = geoitems::PenField::kColor;
    } else {
        return false;
    }
    return true;
}

}  // namespace

int CPropListFaultLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const GroupDef& def : kGroups) {
        auto* group = new CBCGPProp(def.label, def.id);
        for (const PenRow& row : kPens)
            if (row.groupId == def.id) AddPenItems(group, row);
        for (const FillRow& row : kFills)
            if (row.groupId == def.id) AddFillItems(group, row);
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

void CPropListFaultLayerLine::RefreshLayer(CFaultLayer& layer) {
    for (const PenRow& row : kPens) {
        QXLOGPEN pen;
        (layer.*row.get)(pen);
        geoitems::ShowPen(FindItem(row.styleId), FindItem(row.colorId), FindItem(row.widthId), pen, 2);
    }
    for (const FillRow& row : kFills) {
        QXLOGBRUSH brush;
        (layer.*row.get)(brush);
        faultitems::ShowFill(FindItem(row.fillId), FindItem(row.colorId), brush);
    }
}

// The layer's setter first, then the one changed part of the plane options' pen or brush. An item
// whose value the page cannot read writes nothing.
bool CPropListFaultLayerLine::OnLayerItemChanged(CFaultLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    for (const PenRow& row : kPens) {
        geoitems::PenField field;
        if (!FieldOf(row, id, &field)) continue;
        QXLOGPEN pen;
        (layer.*row.get)(pen);
        if (!geoitems::ReadPenField(item, field, &pen)) return false;
        (layer.*row.set)(pen);
        if (row.option) geoitems::CopyPenField(field, pen, &(CPlaneOption::Instance()->*row.option));
        return true;
    }
    for (const FillRow& row : kFills) {
        if (id != row.fillId && id != row.colorId) continue;
        QXLOGBRUSH brush;
        (layer.*row.get)(brush);
        if (!faultitems::EditFill(brush, item, row.fillId, row.colorId)) return false;
        (layer.*row.set)(brush);
        if (id == row.fillId) {
            if (CBCGPProp* colour = FindItem(row.colorId)) colour->Enable(brush.style != kBrushStyleNone);
        }
        if (row.option) {
            QXLOGBRUSH& option = CPlaneOption::Instance()->*row.option;
            if (id == row.fillId)
                option.style = brush.style;
            else
                option.fillColor = brush.fillColor;
        }
        return true;
    }
    return true;
}

void CPropListFaultLayerLine::ShowStoredItem(CFaultLayer& layer, CBCGPProp* item) {
    for (const PenRow& row : kPens) {
        if (item->GetData() != row.widthId) continue;
        QXLOGPEN pen;
        (layer.*row.get)(pen);
        planemap::ShowStoredHundredths(item, pen.width);
    }
}
