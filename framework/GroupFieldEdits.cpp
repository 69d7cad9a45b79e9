#include "framework/GroupFieldEdits.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/WndProp.h"

bool EditPointField(QXLOGPOINT& point, CBCGPProp* item, int position) {
    if (position == 1) return ReadHundredthsItem(item, &point.size);
    GetPointSubProp(item, point, position);
    return true;
}

bool EditPenField(QXLOGPEN& pen, CBCGPProp* item, int position) {
    if (position == 1) return ReadHundredthsItem(item, &pen.width);
    GetLineSubProp(item, pen, position);
    return true;
}

bool EditFontField(QXLOGFONT& font, CBCGPProp* item, int position) {
    if (position == 1 && dynamic_cast<CBCGPropFloat*>(item)) return ReadHundredthsItem(item, &font.size);
    GetFontSubProp(item, font, position);
    return true;
}

bool EditFillField(QXLOGBRUSH& brush, std::string* setName, CBCGPProp* item, int position) {
    if (position == 4) return ReadHundredthsItem(item, &brush.size);
    GetFillSubProp(item, setName, position, brush);
    return true;
}

void ShowStoredAgain(CWndProp& pane) {
    pane.SetTimeStamp(~static_cast<uint64_t>(0));  // a stamp no object carries
    pane.SendMessage(WM_PROP_SELCHANGED, reinterpret_cast<WPARAM>(pane.GetView()), pane.GetCurrentObject());
}
