#include "planemap/layers/PieItems.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropEx.h"
#include "framework/PropStyleCombox.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/PieTexts.h"

namespace pieitems {

namespace {
constexpr int kFirstStyle = 1;
constexpr int kLargestFontSize = 32;
constexpr int kWidthOptions = 30;  // 0.1 to 3.0

struct SizeRowText {
    const char* label;
    const char* description;
};
constexpr SizeRowText kSizeRowTexts[kSizeRowCount] = {
    {pietext::kRadius, pietext::kRadiusDescription},
    {pietext::kUpRadius, pietext::kUpRadiusDescription},
    {pietext::kDownRadius, pietext::kDownRadiusDescription},
    {pietext::kBarWidth, pietext::kBarWidthDescription},
    {pietext::kBarHeight, pietext::kBarHeightDescription},
    {pietext::kBarInterval, pietext::kBarIntervalDescription},
    {pietext::kBarCurveHeight, pietext::kBarCurveHeightDescription},
    {pietext::kBarCount, pietext::kBarCountDescription},
};

constexpr ShapeSizes kShapeSizes[] = {
    {1, {kRadiusRow}},
    {2, {kUpRadiusRow, kDownRadiusRow}},
    {2, {kBarWidthRow, kBarHeightRow}},
    {2, {kBarWidthRow, kBarHeightRow}},
    {4, {kBarWidthRow, kBarHeightRow, kBarIntervalRow, kBarCurveHeightRow}},
    {4, {kBarCountRow, kRadiusRow, kBarWidthRow, kBarHeightRow}},
    {4, {kBarCountRow, kRadiusRow, kBarWidthRow, kBarHeightRow}},
    {6, {kBarCountRow, kRadiusRow, kBarWidthRow, kBarHeightRow, kBarIntervalRow, kBarCurveHeightRow}},
};
constexpr ShapeSizes kNoSizes = {0, {}};

}  // namespace

CBCGPProp* NewGroup(const char* label, DWORD_PTR id, bool expanded, bool rebuilt) {
    CBCGPProp* group = rebuilt ? new CBCGPPropEx(label, id) : new CBCGPProp(label, id);
    group->Expand(expanded ? TRUE : FALSE);
    return group;
}

CBCGPProp* NewIntItem(const char* label, const char* description, DWORD_PTR id, TextRule rule) {
    return new CBCGPropSizeText(label, _variant_t(0L), description, id, std::move(rule));
}

void SetCountOptions(CBCGPProp* item, int first, int last) {
    if (!item) return;
    item->RemoveAllOptions();
    for (int i = first; i <= last; ++i) item->AddOption(Count(i));
}

CBCGPProp* NewLineStylePicker(const char* label, const char* description, DWORD_PTR id, const char* styleGroup) {
    return new CPropStyleCombox(label, kFirstStyle, CPropStyleCombox::kLineStyle, styleGroup, description, id);
}

CBCGPProp* NewPointStylePicker(const char* label, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(label, kFirstStyle, CPropStyleCombox::kPointStyle, "", description, id);
}

CBCGPProp* NewColorItem(const char* label, const char* description, DWORD_PTR id) {
    return NewGroupColorProp(label, description, id, 0);
}

CBCGPProp* NewWidthItem(const char* label, DWORD_PTR id, const char* format, TextRule rule) {
    return geoitems::NewWidthItem(label, 0.1, 0.1, kWidthOptions, format, id, std::move(rule));
}

CBCGPProp* NewFaceItem(const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace), description, id);
}

CBCGPProp* NewFontSizeItem(const char* description, DWORD_PTR id, TextRule rule) {
    CBCGPProp* size = NewSizeTextItem(grouptext::kSize, description, id, std::move(rule));
    SetCountOptions(size, 1, kLargestFontSize);
    size->AllowEdit(TRUE);
    return size;
}

void ShowPen(CBCGPProp* style, CBCGPProp* width, CBCGPProp* colour, const QXLOGPEN& pen, double divisor) {
    geoitems::ShowPen(style, colour, nullptr, pen, 0);
    SetItemText(width, Number(pen.width / divisor));
}

void ShowFont(CBCGPProp* face, CBCGPProp* size, CBCGPProp* colour, const QXLOGFONT& font) {
    SetItemText(face, font.GetFaceName());
    SetItemText(size, Number(font.size / 100.0));
    ShowColor(colour, font.color);
}

CString Number(double value) { return numtext::Fixed(value, 2); }

CString Count(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

const ShapeSizes& SizesOf(int shape) {
    return shape >= 0 && shape < pietext::kShapeCount ? kShapeSizes[shape] : kNoSizes;
}

void AddSizeItems(CBCGPProp* group, int shape, const SizeIds& ids, TextRule (*ruleOf)(SizeRow)) {
    const ShapeSizes& sizes = SizesOf(shape);
    for (int i = 0; i < sizes.count; ++i) {
        const SizeRowText& text = kSizeRowTexts[sizes.row[i]];
        CBCGPProp* item = NewSizeTextItem(text.label, text.description, ids[sizes.row[i]], ruleOf(sizes.row[i]));
        if (sizes.row[i] == kBarCountRow) item->AllowEdit(FALSE);
        group->AddSubItem(item);
    }
}

SizeRow SizeRowOf(const SizeIds& ids, DWORD_PTR id) {
    for (int row = 0; row < kSizeRowCount; ++row)
        if (ids[row] == id) return static_cast<SizeRow>(row);
    return kSizeRowCount;
}

}  // namespace pieitems
