#include "framework/TwoButtonProp.h"

#include "bcg/VisualManager.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "mfc/Dc.h"

CRect TwoButtonRect(const CRect& row) {
    CRect button = row;
    button.left = row.right - (row.bottom - row.top) - 12;
    button.top = row.top + 1;
    return button;
}

CRect TwoButtonFirst(const CRect& row) {
    const int h = row.Height();
    return CRect(row.right - h - 12, row.top + 1, row.right - h + 3, row.bottom);
}

CRect TwoButtonSecond(const CRect& row) {
    const int h = row.Height();
    return CRect(row.right - h + 2, row.top + 1, row.right, row.bottom);
}

void PlaceTwoButtons(const CRect& row, CRect* area, CRect* first, CRect* second) {
    *area = TwoButtonRect(row);
    *first = TwoButtonFirst(row);
    *second = TwoButtonSecond(row);
}

void DrawSecondButton(CDC* dc, const CRect& button, const CString& caption) {
    if (!dc) return;
    CRect rect = button;
    dc->FillRect(&rect, &globalData.brBtnFace);
    dc->DrawText(caption, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

bool SecondButtonValue(CBCGPProp* item, const CRect& second, CPoint point, CString* value) {
    if (!second.PtInRect(point)) return false;
    *value = ItemText(item);
    return !value->IsEmpty();
}

namespace {
using Refill = void (*)(CBCGPProp*);
constexpr Refill kRefills[kTemplateModeCount] = {FillColorTemplates,      FillSizeTemplates,
                                                 FillPointStyleTemplates, FillLineStyleTemplates,
                                                 FillFillStyleTemplates,  FillFontStyleTemplates};
}  // namespace

void RefillTemplateOptions(int mode, CBCGPProp* item) {
    if (mode >= 0 && mode < kTemplateModeCount) kRefills[mode](item);
}
