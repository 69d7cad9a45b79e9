// The item groups of a chart axis: attributes ("轴属性"), value range ("数值范围") and title, each
// with its builder, its writer and its appliers (which check what was typed and write it to the
// axis); the text conversions the axis pages share (scale, title position, fill direction, tick
// side); and the line-plot fill group. Appliers never repaint: the calling page does that.
#pragma once

#include "bcg/Prop.h"
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

// A text the utility library takes as a number, converted as lexical_cast converts it.
bool ReadDigitText(CBCGPProp* item, double* value);

// ---- text conversions ------------------------------------------------------------------------------
// "线性" 1, "对数" 2, "概率" 5; any other text linear. Back: 1 "线性", 5 "概率", any other "对数".
int AxisScaleFromText(const CString& text);
const char* AxisScaleToText(int scale);
// "左端" 0, "右端" 1, "中端" 2, "上端" 3, "下端" 4; any other text or value the middle.
int TitlePosFromText(const CString& text);
const char* TitlePosToText(int pos);
// 0 "上", 1 "下", 2 "右", 3 "左"; any other value "下", any other text up (0).
int FillDirectionFromText(const CString& text);
const char* FillDirectionToText(int direction);

// The two side texts and the options of an axis type, shared by the tick and label sides: 0, 2
// "下部"/"上部", 1 "左部"/"右部", 3 to 6 "内部"/"外部"; NULL for any other type.
struct SidePair {
    const char* first;
    const char* second;
};
const SidePair* SideOptions(int axisType);
// Whether the text names the bottom, left or outer side ("下部", "左部", "外部"), the top, right or
// inner side ("上部", "右部", "内部").
bool IsNearSideText(const CString& text);
bool IsFarSideText(const CString& text);

// Tick sides (0 none, 1 and 2 the two sides): side 1 and 2 texts by axis type as above, except
// type 4 "外部"/"内部" and types 3, 5, 6 "内部"/"外部"; side 0 and any other side "无".
const char* TickSideToText(int axisType, int side);
// "无" 0; a near-side text 1 and a far-side text 2, swapped on axis types 3, 5 and 6; any other 1.
int TickSideFromText(IkelAxis* axis, const CString& text);
// "无" and the pair of the axis type.
void SetTickSideOptions(CBCGPProp* item, int axisType);

// ---- builders ------------------------------------------------------------------------------------------
CBCGPProp* CreateAxisAttrProp();
CBCGPProp* CreateAxisRangeProp();
CBCGPProp* CreateAxisTitleProp(const CString& caption);

// ---- writers ---------------------------------------------------------------------------------------------
void SetAxisAttrProp(IkelAxis* axis, CBCGPProp* group);
void SetAxisRangeProp(IkelAxis* axis, CBCGPProp* group);
void SetAxisTitleProp(CBCGPProp* group, IkelAxis* axis);

// ---- appliers: each refused entry leaves the axis unchanged and shows the stored value again ------------
void ApplyAxisAttrProp(CBCGPProp* group, IkelAxis* axis);
void ApplyAxisRangeProp(CBCGPProp* group, IkelAxis* axis);
void ApplyTitlePosProp(CBCGPProp* group, IkelAxis* axis);
// "概率" only for a range strictly inside 0 .. 100, otherwise a message.
void ApplyAxisScaleType(CBCGPProp* item, IkelAxis* axis);
void ApplyAxisLength(CBCGPProp* item, IkelAxis* axis);
void ApplyAxisPosX(CBCGPProp* item, IkelAxis* axis);
void ApplyAxisPosY(CBCGPProp* item, IkelAxis* axis);
// Below the maximum (an angle axis also within 0 .. 360), otherwise a message naming the limit.
void ApplyAxisMin(CBCGPProp* item, IkelAxis* axis);
// Above the minimum (an angle axis also within 0 .. 360), otherwise a message naming the limit.
void ApplyAxisMax(CBCGPProp* item, IkelAxis* axis);
// A spacing above 0 and below maximum minus minimum; at or above that limit a message. A spacing
// of 0 would never advance the ticks: like a text that is no number, it only shows the stored one.
void ApplyMajorSpacing(CBCGPProp* item, IkelAxis* axis);
// A number cut toward 0; a count below 1 or beyond an int shows the stored one again.
void ApplyMinorDivision(CBCGPProp* item, IkelAxis* axis);
// The steps of the two above, for a page that gives one typed value to several axes: the item is
// read once, so that an axis refusing it cannot change what the next axes take. The reads answer
// false for a text the appliers refuse; TakeMajorSpacing sets the spacing when it is below the
// axis's range, otherwise it shows the message naming that range and answers false.
bool ReadMajorSpacing(CBCGPProp* item, double* spacing);
bool TakeMajorSpacing(IkelAxis* axis, double spacing);
bool ReadMinorDivision(CBCGPProp* item, unsigned* division);
void ApplyTitleXOffset(CBCGPProp* item, IkelAxis* axis);
void ApplyTitleYOffset(CBCGPProp* item, IkelAxis* axis);
void ApplyTitleAngle(CBCGPProp* item, IkelAxis* axis);

// ---- line-plot fill group (item data 4 .. 13) ----------------------------------------------------------------
CBCGPProp* CreateLineFillProp(const CString& caption);
void SetLineFillProp(CBCGPProp* group, CkelLinePlotFill* fill);

}  // namespace chart
