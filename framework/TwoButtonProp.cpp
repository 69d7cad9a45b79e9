#include "framework/TwoButtonProp.h"

#include "framework/ItemGroupsBasic.h"

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

namespace {
using Refill = void (*)(CBCGPProp*);
constexpr Refill kRefills[kTemplateModeCount] = {FillColorTemplates,      FillSizeTemplates,
                                                 FillPointStyleTemplates, FillLineStyleTemplates,
                                                 FillFillStyleTemplates,  FillFontStyleTemplates};
}  // namespace

void RefillTemplateOptions(int mode, CBCGPProp* item) {
    if (mode >= 0 && mode < kTemplateModeCount) kRefills[mode](item);
}
