#include "planemap/PlaneItems.h"
#include "planemap/layers/LineSettings.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/AttributeLayerTexts.h"

namespace linesettings {

namespace {

enum Position { kSameStyle, kStyle, kSameColor, kColor, kSameSize, kWidth };

void ShowSwitch(CBCGPProp* item, CBCGPProp* governed, int on) {
    SetYesNoProp(item, on == 1);
    if (governed) governed->Enable(on != 0);
}

}  // namespace

std::vector<CBCGPProp*> NewItems(const Ids& ids) {
    return {
        NewYesNoList(attrtext::kSameStyle, "", nullptr, ids.sameStyle),
        geoitems::NewStylePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, ids.style),
        NewYesNoList(attrtext::kSameColor, "", nullptr, ids.sameColor),
        NewGroupColorProp(grouptext::kColor, attrtext::kLineColorDescription, ids.color, 0),
        NewYesNoList(attrtext::kSameSize, "", nullptr, ids.sameSize),
        NewSizeTextItem(grouptext::kLineWidth, attrtext::kLineSizeDescription, ids.width, planemap::WidthRule()),
    };
}

void Show(const Values& values, const Ids&, CBCGPProp* const (&items)[6]) {
    QXLOGPEN pen;
    pen.style = values.style;
    pen.color = values.color;
    pen.width = values.width;
    geoitems::ShowPen(items[kStyle], items[kColor], items[kWidth], pen, 2);
    ShowSwitch(items[kSameStyle], items[kStyle], values.sameStyle);
    ShowSwitch(items[kSameColor], items[kColor], values.sameColor);
    ShowSwitch(items[kSameSize], items[kWidth], values.sameSize);
}

void ShowWidth(CBCGPProp* item, float width) { planemap::ShowStoredHundredths(item, width); }

Edit Read(CBCGPProp* item, const Ids& ids, CBCGPProp* const (&items)[6]) {
    Edit edit;
    const DWORD_PTR id = item->GetData();
    auto greys = [&](Edit::Kind kind, CBCGPProp* governed) {
        edit.kind = kind;
        edit.on = ReadYesNo(item) ? 1 : 0;  // a switch takes any text: "是" or no
        if (governed) governed->Enable(edit.on);
    };
    if (id == ids.sameStyle) {
        greys(Edit::kSameStyle, items[kStyle]);
    } else if (id == ids.sameColor) {
        greys(Edit::kSameColor, items[kColor]);
    } else if (id == ids.sameSize) {
        greys(Edit::kSameSize, items[kWidth]);
    } else if (id == ids.style) {
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            edit.kind = Edit::kStyle;
            edit.style = picker->GetVal();
        }
    } else if (id == ids.color) {
        if (ReadColor(item, &edit.color)) edit.kind = Edit::kColor;
    } else if (id == ids.width) {
        if (planemap::ReadWidth(ItemText(item), &edit.width)) edit.kind = Edit::kWidth;
    }
    return edit;
}

}  // namespace linesettings
