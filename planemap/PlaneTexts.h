// Texts shared by the plane-map object lists, each defined once: every text that more than one
// family of lists shows. A family's own texts stay in its header (FurnitureTexts.h,
// TableWebShapeTexts.h, BorderTexts.h, GeologyTexts.h) or in its list; the yes/no, orientation,
// colour-button and font texts come from the item groups. Also the alignment and style options
// and the angle unit: option texts <-> values, and degrees <-> radians.
#pragma once

#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"
#include "framework/StyleGroupTexts.h"
#include "mfc/String.h"

namespace planetext {

// Kinds and plain items.
inline constexpr const char* kType = "类型";
inline constexpr const char* kText = "文本";
inline constexpr const char* kTextDirection = "文本方向";
inline constexpr const char* kPoint = "点";
inline constexpr const char* kLine = "线";
inline constexpr const char* kPointGroup = "点型";
inline constexpr const char* kFontGroup = "字型";
inline constexpr const char* kArea = "面积";
inline constexpr const char* kLabel = "标注";
inline constexpr const char* kTitleSettings = "标题设置";

// Position and extent.
inline constexpr const char* kPosition = "位置";
inline constexpr const char* kX = "横坐标";
inline constexpr const char* kY = "纵坐标";
inline constexpr const char* kXDescription = "设置横坐标";
inline constexpr const char* kYDescription = "设置纵坐标";
inline constexpr const char* kRotation = "旋转角";
inline constexpr const char* kRotationDescription = "设置旋转角";
inline constexpr const char* kLength = "长度";
inline constexpr const char* kWidth = "宽度";
inline constexpr const char* kHeight = "高度";
inline constexpr const char* kSpacing = "间距";
inline constexpr const char* kInterval = "间隔";
inline constexpr const char* kIntervalDescription = "设置间隔";
inline constexpr const char* kDirection = "方向";
inline constexpr const char* kForward = "正向";
inline constexpr const char* kBackward = "反向";
// Two of the places a label takes around its anchor; the legend's text positions too.
inline constexpr const char* kPlaceRight = "右";
inline constexpr const char* kPlaceBelow = "下";

// Numbers and units.
inline constexpr const char* kDecimals = "小数位数";
inline constexpr const char* kDecimalsDescription = "设置小数位数";
inline constexpr const char* kUnit = "单位";
inline constexpr const char* kMetre = "米";
inline constexpr const char* kKilometre = "千米";

// Colours, background and fill.
inline constexpr const char* kColorDescription = "指定颜色";
inline constexpr const char* kSizeDescription = grouptext::kPointSizeDescription;  // "设置大小"
inline constexpr const char* kBackColor = "背景颜色";
inline constexpr const char* kBackColorDescription = "指定背景颜色";
inline constexpr const char* kBackTransparent = grouptext::kFillTransparent;  // "背景透明"
inline constexpr const char* kFill = grouptext::kFillFlag;                    // "填充"
inline constexpr const char* kAllStyles = "所有样式";

// Styles ("风格" offers "风格1", "风格2", ..., see StyleText) and the pen and font groups.
inline constexpr const char* kStyle = "风格";
inline constexpr const char* kStyleSettings = "风格设置";
inline constexpr const char* kChooseStyle = "选择风格";
inline constexpr const char* kPenSettings = "线型设置";
inline constexpr const char* kFontSettings = "字体设置";

// Alignment items: the horizontal and vertical option lists and their initial captions.
inline constexpr const char* kHAlign = "横向对齐";
inline constexpr const char* kVAlignUpright = "竖直对齐";
inline constexpr const char* kAlignDescription = "文本对齐方式";
inline constexpr const char* kAlignLeft = grouptext::kAlignLeft;      // "左对齐"
inline constexpr const char* kAlignCentre = grouptext::kAlignCenter;  // "居中"
inline constexpr const char* kAlignRight = grouptext::kAlignRight;    // "右对齐"
inline constexpr const char* kAlignUpper = "上对齐";
inline constexpr const char* kAlignLower = "下对齐";
inline constexpr const char* kAlignTopCaption = grouptext::kAlignTop;  // "顶对齐", not an option

// Degrees and radians convert with this value of pi throughout the plane-map lists.
inline constexpr double kPi = 3.14159265358979;

}  // namespace planetext

namespace planemap {

// Horizontal alignment 0 left, 1 centre, anything else right; vertical 0 upper, 1 centre, else lower.
const char* HAlignText(int value);
const char* VAlignText(int value);
// The alignment options with their values; an alignment list reads any other text as 2.
inline constexpr TextValue kHAlignOptions[] = {
    {planetext::kAlignLeft, 0}, {planetext::kAlignCentre, 1}, {planetext::kAlignRight, 2}};
inline constexpr TextValue kVAlignOptions[] = {
    {planetext::kAlignUpper, 0}, {planetext::kAlignCentre, 1}, {planetext::kAlignLower, 2}};
inline constexpr int kAlignOther = 2;

// "风格1" for style 0, "风格2" for 1, ...
CString StyleText(int style);

// Angles are stored in radians and shown in degrees. False, radians untouched, when the product
// with π leaves the range of a double.
bool ToRadians(double degrees, double* radians);
double ToDegrees(double radians);
// Radians shown as degrees, "%.2f".
CString AngleText(double radians);
// Degrees typed (leading-number rule, 0 when none) as radians; 0 for a number beyond a double.
double AngleFromText(const CString& text);
// The same, false with radians untouched for a number beyond a double.
bool AngleFromText(const CString& text, double* radians);

// The places a label takes around its anchor (or a point's label around the point), and the
// alignment pair that puts it there: a label left of the anchor is right-aligned to it, and so on
// (horizontal 0 right-aligned, 1 centred, 2 left-aligned; vertical 0 below, 1 middle, 2 above).
struct Place {
    const char* text;
    int hAlign;
    int vAlign;
    bool offered;  // "中" is shown but not offered
};
inline constexpr Place kPlaces[] = {
    {"左上", 2, 2, true}, {"上", 1, 2, true},
    {"右上", 0, 2, true}, {"左", 2, 1, true},
    {"中", 1, 1, false},  {planetext::kPlaceRight, 0, 1, true},
    {"左下", 2, 0, true}, {planetext::kPlaceBelow, 1, 0, true},
    {"右下", 0, 0, true},
};
// The place of an alignment pair; NULL for none.
const Place* PlaceOf(int hAlign, int vAlign);

}  // namespace planemap
