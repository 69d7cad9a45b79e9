// The item groups of a chart axis: attributes ("轴属性"), value range ("数值范围") and title, each
// with its builder, its writer and its appliers (which check what was typed and write it to the
// axis); the text conversions the axis pages share (scale, title position, fill direction, tick
// side); and the line-plot fill group. Appliers never repaint: the calling page does that.
#pragma once

#include <functional>
#include <vector>

#include "bcg/Prop.h"
#include "chart/ChartGroups.h"
#include "mfc/String.h"

class CkelLinePlotFill;
class IkelAxis;

namespace chart {

// Item data of the three axis groups (the axis page adds its line group from 24 on).
enum AxisItemId : DWORD_PTR {
    kAttrGroupId = 0,
    kScaleTypeId = 1,
    kLengthId = 2,
    kPosXId = 3,
    kPosYId = 4,
    kRangeGroupId = 5,
    kDescendId = 6,
    kAutoRangeId = 7,
    kMinId = 8,
    kMaxId = 9,
    kMajorSpacingId = 10,
    kMinorDivisionId = 11,
    kUnitId = 12,
    kTitleGroupId = 13,
    kTitleTextId = 14,
    kTitlePosGroupId = 15,
    kTitlePosId = 16,
    kTitleXOffsetId = 17,
    kTitleYOffsetId = 18,
    kTitleAngleId = 19,
    kTitleFontId = 20,
    kTitleFontFaceId = 21,
    kTitleFontSizeId = 22,
    kTitleFontColorId = 23,
};

// Item data of the line-plot fill group.
enum LineFillItemId : DWORD_PTR {
    kLineFillGroupId = 4,
    kLineFillShowId = 5,
    kLineFillTargetId = 6,
    kLineFillTargetValueId = 7,
    kLineFillStyleSetId = 8,
    kLineFillStyleId = 9,
    kLineFillLineColorId = 10,
    kLineFillColorId = 11,
    kLineFillCellSizeId = 12,
    kLineFillTransparentId = 13,
};

// Where a range group finds the axis its page shows (the bounds are read by that axis's rule).
using ShownAxis = std::function<IkelAxis*()>;

// A minimum or maximum as the axis reads it: on an angle axis (type 3) GetNumberProp's number, on
// any other axis a text the utility library takes as a number (chart/ChartReaders.h).
bool ReadAxisBound(const IkelAxis* axis, const CString& text, double* value);

// ---- text conversions ------------------------------------------------------------------------------
// Each conversion reads one table both ways, and the list of its item reads the same table: its
// options are the table's texts and any other text is read by the conversion (ReadOtherTextsBy).
// "线性" 1, "对数" 2, "概率" 5; any other text linear. Back: 1 "线性", 5 "概率", any other "对数".
int AxisScaleFromText(const CString& text);
const char* AxisScaleToText(int scale);
// "左端" 0, "右端" 1, "中端" 2, "上端" 3, "下端" 4; any other text or value the middle.
int TitlePosFromText(const CString& text);
const char* TitlePosToText(int pos);
// "下" 1, "左" 3, "右" 2, in any letter case; any other text ("上" included) up (0). Back: 0 "上",
// 1 "下", 2 "右", 3 "左"; any other value "下".
int FillDirectionFromText(const CString& text);
const char* FillDirectionToText(int direction);

// A list whose options are a conversion's table reads any other text by the conversion. Nothing for
// an item that is no list.
void ReadOtherTextsBy(CBCGPProp* item, std::function<int(const CString&)> convert);
// The value of the first entry whose text is text; otherwise for any other text.
int ValueOfEntries(const std::vector<ListEntry>& entries, const CString& text, int otherwise);

// The two side texts and the options of an axis type, shared by the tick and label sides: 0, 2
// "下部"/"上部", 1 "左部"/"右部", 3 to 6 "内部"/"外部"; NULL for any other type.
struct SidePair {
    const char* first;
    const char* second;
};
const SidePair* SideOptions(int axisType);
// A side table: shown (the texts the refresh shows, first, so that each side shows as the refresh
// shows it), then every side text, a near-side one ("下部", "左部", "外部") standing for near and a
// far-side one ("上部", "右部", "内部") for far.
std::vector<ListEntry> SideEntries(std::vector<ListEntry> shown, int near, int far);
// Replaces the item's options by offers, whatever the item; a side list also reads the side table
// reads, and any other text by its conversion, convert.
void SetSideOptions(CBCGPProp* item, const std::vector<ListEntry>& reads, const std::vector<CString>& offers,
                    std::function<int(const CString&)> convert);

// Tick sides (0 none, 1 and 2 the two sides): side 1 and 2 texts by axis type as above, except
// type 4 "外部"/"内部" and types 3, 5, 6 "内部"/"外部"; side 0 and any other side "无".
const char* TickSideToText(int axisType, int side);
// "无" 0; a near-side text 1 and a far-side text 2, swapped on axis types 3, 5 and 6; any other 1.
// With no axis, as a horizontal axis reads it.
int TickSideFromText(IkelAxis* axis, const CString& text);
// Removes the item's options and offers "无" and the pair of the axis type; a tick side list also
// reads every side text as TickSideFromText reads it on that type.
void SetTickSideOptions(CBCGPProp* item, int axisType);
// A tick side list as a horizontal axis offers it ("无", "下部", "上部").
CBCGPProp* NewTickSideItem(const char* label, const char* description, DWORD_PTR id);

// ---- builders ------------------------------------------------------------------------------------------
// Every item a number is typed into is built with the rule of the reader its applier reads it by;
// every option item is a fixed list (chart/ChartGroups.h) reading through its conversion above:
// the scale and title position every text of their tables, also one the axis does not offer.
CBCGPProp* CreateAxisAttrProp();
CBCGPProp* CreateAxisRangeProp(ShownAxis shownAxis);
CBCGPProp* CreateAxisTitleProp(const CString& caption);

// ---- writers ---------------------------------------------------------------------------------------------
void SetAxisAttrProp(IkelAxis* axis, CBCGPProp* group);
void SetAxisRangeProp(IkelAxis* axis, CBCGPProp* group);
void SetAxisTitleProp(CBCGPProp* group, IkelAxis* axis);
// The axis's value of an item of the three groups as an edit shows it again after a refusal: the
// scale text, the division "%d", every number "%.2f" (the refresh shows most with one decimal).
// False, item untouched, for an item with no such value.
bool ShowAxisValueAgain(CBCGPProp* item, IkelAxis* axis);

// For an entry a group reads back without the edit naming it: whether the item's text is still how
// the refresh (or a re-show) shows the axis's value (a number item of the three groups); then value
// is that value itself, unrounded, in the unit the axis stores it, so the display's rounding never
// reaches the axis.
bool StandsForStored(CBCGPProp* item, IkelAxis* axis, double* value);
// Whether the item is one of the number items of the three groups (length, position, bounds,
// spacing, title offsets and angle).
bool IsAxisNumberItem(CBCGPProp* item);

// ---- appliers --------------------------------------------------------------------------------------------
// Each answers true when it wrote the axis. An entry refused (a text its reader does not take, or a
// check with its message) shows the axis's value again (ShowAxisValueAgain) and writes nothing.
// The group appliers take the edited item and apply its whole group (the attributes, the range, the
// title position): the edited entry decides, and when it is refused nothing of the group is written.
// Otherwise every entry is applied in turn by its own applier, with its checks and messages: one
// that no longer passes (a stored spacing the new range no longer holds) keeps the axis's value.
// The edited entry is always the number typed; another one still showing the stored value stands
// for it (StandsForStored). A list's text is read by the one reader, so an option taken from a text
// none of its options holds (a scale, a unit, a division "12.99") is shown in its item. The
// one-entry appliers read their item as edited.
bool ApplyAxisAttrProp(CBCGPProp* edited, IkelAxis* axis);
bool ApplyAxisRangeProp(CBCGPProp* edited, IkelAxis* axis);
bool ApplyTitlePosProp(CBCGPProp* edited, IkelAxis* axis);
// "概率" only for a range strictly inside 0 .. 100, otherwise a message.
bool ApplyAxisScaleType(CBCGPProp* item, IkelAxis* axis);
bool ApplyAxisLength(CBCGPProp* item, IkelAxis* axis);
bool ApplyAxisPosX(CBCGPProp* item, IkelAxis* axis);
bool ApplyAxisPosY(CBCGPProp* item, IkelAxis* axis);
// Below the maximum (an angle axis also within 0 .. 360), otherwise a message naming the limit.
bool ApplyAxisMin(CBCGPProp* item, IkelAxis* axis);
// Above the minimum (an angle axis also within 0 .. 360), otherwise a message naming the limit.
bool ApplyAxisMax(CBCGPProp* item, IkelAxis* axis);
// A spacing above 0 and below maximum minus minimum; at or above that limit a message.
bool ApplyMajorSpacing(CBCGPProp* item, IkelAxis* axis);
// A number of at least 1 cut toward 0 that an int holds.
bool ApplyMinorDivision(CBCGPProp* item, IkelAxis* axis);
// The title's offsets, each a text the utility library takes as a number, and its angle,
// GetNumberProp's number.
bool ApplyTitleXOffset(CBCGPProp* item, IkelAxis* axis);
bool ApplyTitleYOffset(CBCGPProp* item, IkelAxis* axis);
bool ApplyTitleAngle(CBCGPProp* item, IkelAxis* axis);
// For a page that gives one spacing to several axes: whether it is below the axis's range; if not,
// the message naming that range is shown.
bool SpacingFits(IkelAxis* axis, double spacing);

// ---- line-plot fill group (item data 4 .. 13) ----------------------------------------------------------------
CBCGPProp* CreateLineFillProp(const CString& caption);
void SetLineFillProp(CBCGPProp* group, CkelLinePlotFill* fill);

}  // namespace chart
