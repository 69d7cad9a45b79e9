#include "section/MultiWellItems.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "section/SectionItems.h"

namespace section {

CBCGPProp* NewBlackColour(const char* label, DWORD_PTR id) { return NewGroupColorProp(label, "", id, 0); }

void ShowText(CBCGPProp* item, const CString& text) {
    if (item && ItemText(item) != text) SetItemText(item, text);
}

void ShowColour(CBCGPProp* item, COLORREF color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (colour && colour->GetColor() != color) colour->SetColor(color);
}

void ShowStyle(CBCGPProp* item, UINT style) {
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) picker->SetVal(style);  // redraws when it changes
}

bool PickedColour(CBCGPProp* item, COLORREF* color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *color = colour->GetDisplayColor();
    return true;
}

bool PickedStyle(CBCGPProp* item, UINT* style) {
    auto* picker = dynamic_cast<CPropStyleCombox*>(item);
    if (!picker) return false;
    *style = picker->GetVal();
    return true;
}

bool ReadTypedNumber(CBCGPProp* item, double scale, double* value) {
    auto* number = dynamic_cast<CBCGPropFloat*>(item);
    if (number && number->IsTextRefused()) return false;
    return ReadItemNumber(item, scale, value);
}

QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item) {
    font.SetFaceName(ItemText(item).GetString());
    return font;
}

}  // namespace section
