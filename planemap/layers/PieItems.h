// Items the chart-symbol lists build alike: pens and fonts shown in three items, the count options
// of "条数" and of the property counts, and the pickers of their groups. The lists read the same
// items by different rules, so every number item is built with the rule its list reads it by.
#pragma once

#include <cstddef>

#include "bcg/Prop.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace pieitems {

// A group, expanded or collapsed; of the rebuildable kind (CBCGPPropEx) for the groups whose rows
// a list makes again.
CBCGPProp* NewGroup(const char* label, DWORD_PTR id, bool expanded, bool rebuilt = false);
// An integer item starting at 0 (the offsets), refusing what rule refuses.
CBCGPProp* NewIntItem(const char* label, const char* description, DWORD_PTR id, TextRule rule);
// The options "%d" from first to last, replacing the item's options (none when last < first).
void SetCountOptions(CBCGPProp* item, int first, int last);
// A line-style picker starting at style 1, offering the style group ("" for none).
CBCGPProp* NewLineStylePicker(const char* label, const char* description, DWORD_PTR id, const char* styleGroup);
// A point-style picker starting at style 1.
CBCGPProp* NewPointStylePicker(const char* label, const char* description, DWORD_PTR id);
// A colour item with "其它..." and the automatic black.
CBCGPProp* NewColorItem(const char* label, const char* description, DWORD_PTR id);
// A width item of 30 options 0.1 to 3.0 in the format, free text allowed, refusing what rule refuses.
CBCGPProp* NewWidthItem(const char* label, DWORD_PTR id, const char* format, TextRule rule);
// A font face picker starting at "宋体", and a font size item of the options 1 to 32 (free text
// allowed, refusing what rule refuses).
CBCGPProp* NewFaceItem(const char* description, DWORD_PTR id);
CBCGPProp* NewFontSizeItem(const char* description, DWORD_PTR id, TextRule rule);

// A pen in its picker (redrawn only when the style differs), width ("%.2f" of width / divisor) and
// colour items; the divisor is 100 for widths kept in hundredths, 1 for widths kept as shown.
void ShowPen(CBCGPProp* style, CBCGPProp* width, CBCGPProp* colour, const QXLOGPEN& pen, double divisor);
// A font in its face, size ("%.2f" of size / 100) and colour items.
void ShowFont(CBCGPProp* face, CBCGPProp* size, CBCGPProp* colour, const QXLOGFONT& font);
// "%.2f" of value (never "-0.00"), "%d" of a count.
CString Number(double value);
CString Count(int value);

// The size items of the chart shapes, in the order a shape shows them.
enum SizeRow : int {
    kRadiusRow,
    kUpRadiusRow,
    kDownRadiusRow,  // the lower half of a half pie uses the radius
    kBarWidthRow,
    kBarHeightRow,
    kBarIntervalRow,
    kBarCurveHeightRow,
    kBarCountRow,
    kSizeRowCount,
};
// The item data a list gives each size item.
using SizeIds = DWORD_PTR[kSizeRowCount];
// The size rows of a shape; count 0 for a shape outside 0-7.
struct ShapeSizes {
    int count;
    SizeRow row[6];
};
const ShapeSizes& SizesOf(int shape);
// Appends the shape's size items, empty, to the group, each refusing what the rule of its row
// refuses; "条数" offers its options only.
void AddSizeItems(CBCGPProp* group, int shape, const SizeIds& ids, TextRule (*ruleOf)(SizeRow));

// A size value of a pie symbol or a pie layer (their getters and setters share names).
template <class Holder>
double SizeValue(const Holder& holder, SizeRow row) {
    switch (row) {
        case kRadiusRow:
        case kDownRadiusRow:
            return holder.GetRadius();
        case kUpRadiusRow:
            return holder.GetUpRadius();
        case kBarWidthRow:
            return holder.GetBarWidth();
        case kBarHeightRow:
            return holder.GetBarHeight();
        case kBarIntervalRow:
            return holder.GetBarInterv();
        case kBarCurveHeightRow:
            return holder.GetBarCurveHeight();
        case kBarCountRow:
            return holder.GetUpPropCount();
        default:
            return 0;
    }
}
template <class Holder>
void SetSizeValue(Holder& holder, SizeRow row, double value) {
    switch (row) {
        case kRadiusRow:
        case kDownRadiusRow:
            holder.SetRadius(value);
            break;
        case kUpRadiusRow:
            holder.SetUpRadius(value);
            break;
        case kBarWidthRow:
            holder.SetBarWidth(value);
            break;
        case kBarHeightRow:
            holder.SetBarHeight(value);
            break;
        case kBarIntervalRow:
            holder.SetBarInterv(value);
            break;
        case kBarCurveHeightRow:
            holder.SetBarCurveHeight(value);
            break;
        default:
            break;
    }
}
// A stored size as its item shows it: "%d" for the count, "%.2f" for the others.
template <class Holder>
CString SizeText(const Holder& holder, SizeRow row) {
    return row == kBarCountRow ? Count(holder.GetUpPropCount()) : Number(SizeValue(holder, row));
}
// Which size row an item of the list is; kSizeRowCount for none.
SizeRow SizeRowOf(const SizeIds& ids, DWORD_PTR id);

// The three pens of a chart symbol or a chart layer (the getters and setters share names), and
// the items of a list that show one: picker, width, colour.
enum class PenKind { kOutline, kIndicator, kBottom };
struct PenItems {
    DWORD_PTR style, width, color;
    PenKind kind;
};
// The pen whose items hold id; NULL for none.
template <std::size_t N>
const PenItems* PenOf(const PenItems (&pens)[N], DWORD_PTR id) {
    for (const PenItems& pen : pens)
        if (id == pen.style || id == pen.width || id == pen.color) return &pen;
    return nullptr;
}
template <class Holder>
QXLOGPEN ReadPen(const Holder& holder, PenKind kind) {
    QXLOGPEN pen;
    if (kind == PenKind::kOutline)
        holder.GetPen(pen);
    else if (kind == PenKind::kIndicator)
        holder.GetDrawOrgLine(&pen);
    else
        holder.GetBotPen(pen);
    return pen;
}
template <class Holder>
void WritePen(Holder& holder, PenKind kind, QXLOGPEN& pen) {
    if (kind == PenKind::kOutline)
        holder.SetPen(pen);
    else if (kind == PenKind::kIndicator)
        holder.SetDrawOrgLine(pen);
    else
        holder.SetBotPen(pen);
}

// The stored value of a number item both chart-symbol lists have (List's kFontSizeId, kXMoveId,
// kYMoveId, kBottomLengthId, its kSizeIds and the width items of pens), as the list's refresh shows
// it: the outline width divided by outlineDivisor, the other widths as kept. False, nothing shown,
// for another item.
template <class List, class Holder, std::size_t N>
bool ShowStoredSymbolNumber(const Holder& holder, CBCGPProp* item, const PenItems (&pens)[N],
                            double outlineDivisor) {
    const DWORD_PTR id = item->GetData();
    if (id == List::kFontSizeId) {
        QXLOGFONT font;
        holder.GetFont(font);
        SetItemText(item, Number(font.size / 100.0));
    } else if (id == List::kXMoveId || id == List::kYMoveId) {
        item->SetValue(_variant_t(static_cast<long>(id == List::kXMoveId ? holder.GetXMove() : holder.GetYMove())));
    } else if (id == List::kBottomLengthId) {
        SetItemText(item, Number(holder.GetBotWidth()));
    } else if (const SizeRow row = SizeRowOf(List::kSizeIds, id); row != kSizeRowCount) {
        SetItemText(item, SizeText(holder, row));
    } else if (const PenItems* pen = PenOf(pens, id); pen && id == pen->width) {
        const double divisor = pen->kind == PenKind::kOutline ? outlineDivisor : 1;
        SetItemText(item, Number(ReadPen(holder, pen->kind).width / divisor));
    } else {
        return false;
    }
    return true;
}

}  // namespace pieitems
