// Texts of the chart-symbol lists (the pie and bar symbol, its coordinate system and the pie
// layer's two pages), each defined once: the shape names, the label contents, the data sources
// and the items the symbol list and the layer's display page share.
#pragma once

#include <cstddef>

#include "framework/OptionTables.h"
#include "mfc/String.h"

namespace pietext {

// Chart shapes: the position of a name is the shape code. Three families: pies 0-1, bars 2-4 and
// the current-state charts 5-7.
inline constexpr const char* kShapeNames[] = {
    "饼状图(整圆)", "饼状图(半圆)", "条形图(多列)", "条形图(单列)",
    "条形图(间隔)", "现状图(多列)", "现状图(单列)", "现状图(间隔)",
};
inline constexpr int kShapeCount = static_cast<int>(sizeof(kShapeNames) / sizeof(kShapeNames[0]));
enum Shape : int {
    kFullPie = 0,
    kHalfPie = 1,
    kMultiBar = 2,
    kSingleBar = 3,
    kGapBar = 4,
    kMultiState = 5,
    kSingleState = 6,
    kGapState = 7,
};
// The shape names with their codes, and the sources with their data types.
inline constexpr TextValue kShapes[] = {
    {kShapeNames[0], 0}, {kShapeNames[1], 1}, {kShapeNames[2], 2}, {kShapeNames[3], 3},
    {kShapeNames[4], 4}, {kShapeNames[5], 5}, {kShapeNames[6], 6}, {kShapeNames[7], 7},
};
// The name of a shape code; "" for a code outside the list.
inline const char* ShapeName(int shape) { return shape >= 0 && shape < kShapeCount ? kShapeNames[shape] : ""; }
// The bar charts are the shapes that draw a bottom line.
inline bool IsBarShape(int shape) { return shape >= kMultiBar && shape <= kGapBar; }
// First and last shape of the family of a shape (a code outside 0-7: none, first > last).
inline void ShapeFamily(int shape, int* first, int* last) {
    if (shape < 0 || shape >= kShapeCount) {
        *first = 0;
        *last = -1;
    } else if (shape <= kHalfPie) {
        *first = kFullPie;
        *last = kHalfPie;
    } else if (shape <= kGapBar) {
        *first = kMultiBar;
        *last = kGapBar;
    } else {
        *first = kMultiState;
        *last = kGapState;
    }
}

// Data sources: the position of a name is the layer's data type.
inline constexpr const char* kSourceNames[] = {"井数据", "散点数据", "动态数据"};
inline constexpr int kSourceCount = 3;
enum Source : int { kWellData = 0, kScatterData = 1, kDynamicData = 2 };
inline constexpr TextValue kSources[] = {
    {kSourceNames[kWellData], kWellData}, {kSourceNames[kScatterData], kScatterData},
    {kSourceNames[kDynamicData], kDynamicData}};
inline const char* SourceName(int type) { return type >= 0 && type < kSourceCount ? kSourceNames[type] : ""; }
// The dynamic production tables, fixed.
inline constexpr const char* kDynamicTables[] = {"日生产动态.油井", "日生产动态.水井", "月生产动态.油井",
                                                 "月生产动态.水井"};

// Label contents of the layer's content lines: code <-> text. The multi-column bars tell the two
// percentages apart; the other shapes show one "百分比" and no vertical percentage.
inline constexpr const char* kNoText = "不显示";
inline constexpr const char* kPercent = "百分比";
inline constexpr const char* kRowPercent = "横向百分比";
inline constexpr const char* kColumnPercent = "纵向百分比";
inline constexpr const char* kPropertyName = "属性名";
inline constexpr const char* kPropertyValue = "属性值";
inline constexpr TextValue kBarContents[] = {
    {kNoText, 0}, {kRowPercent, 1}, {kColumnPercent, 4}, {kPropertyName, 2}, {kPropertyValue, 3},
};
inline constexpr TextValue kOtherContents[] = {
    {kNoText, 0},
    {kPercent, 1},
    {kPropertyName, 2},
    {kPropertyValue, 3},
};
// Every content text to its code; also read back from either option list.
inline constexpr TextValue kAllContents[] = {
    {kNoText, 0}, {kPercent, 1}, {kRowPercent, 1}, {kPropertyName, 2}, {kPropertyValue, 3}, {kColumnPercent, 4},
};

// Groups and items the symbol list and the layer's display page share.
inline constexpr const char* kBasic = "基本";
inline constexpr const char* kText = "文本";
inline constexpr const char* kLineStyle = "线型";
inline constexpr const char* kWidth = "宽度";
inline constexpr const char* kLineWidth = "线宽";
inline constexpr const char* kColor = "颜色";
inline constexpr const char* kSize = "大小";
inline constexpr const char* kDraw = "绘制";
inline constexpr const char* kLength = "长度";
inline constexpr const char* kIndicator = "指示线";
inline constexpr const char* kBottomLine = "底线";
inline constexpr const char* kXMove = "X偏移";
inline constexpr const char* kYMove = "Y偏移";
inline constexpr const char* kFontFaceDescription = "字体类型";
inline constexpr const char* kFontSizeDescription = "字体大小，单位（毫米）";
inline constexpr const char* kFontColorDescription = "指定字体颜色";
inline constexpr const char* kPenStyleDescription = "指定边界线型";
inline constexpr const char* kPenWidthDescription = "指定线型宽度，单位（毫米）";
inline constexpr const char* kPenColorDescription = "指定边界线颜色";
inline constexpr const char* kIndicatorColorDescription = "指定指示线颜色";
inline constexpr const char* kXMoveDescription = "指定图形的x相对位置，图坐标单位";
inline constexpr const char* kYMoveDescription = "指定图形的y相对位置，图坐标单位";
inline constexpr const char* kBottomLengthDescription = "指定底线左右两侧的突出宽度，图坐标单位";
inline constexpr const char* kBottomLengthInitial = "3";

// The size items.
inline constexpr const char* kRadius = "半径";
inline constexpr const char* kUpRadius = "上半圆半径";
inline constexpr const char* kDownRadius = "下半圆半径";
inline constexpr const char* kBarWidth = "列宽";
inline constexpr const char* kBarHeight = "高度";
inline constexpr const char* kBarInterval = "间隔";
inline constexpr const char* kBarCurveHeight = "拱高";
inline constexpr const char* kBarCount = "条数";
inline constexpr const char* kRadiusDescription = "指定半径大小，图坐标单位";
inline constexpr const char* kUpRadiusDescription = "指定上半圆半径大小，图坐标单位";
inline constexpr const char* kDownRadiusDescription = "指定下半圆半径大小，图坐标单位";
inline constexpr const char* kBarWidthDescription = "指定宽度大小，图坐标单位";
inline constexpr const char* kBarHeightDescription = "指定高度大小，图坐标单位";
inline constexpr const char* kBarIntervalDescription = "指定省略间隔，图坐标单位";
inline constexpr const char* kBarCurveHeightDescription = "指定省略拱高，图坐标单位";
inline constexpr const char* kBarCountDescription = "指定条状显示的属性个数";

// Property rows: "属性1", "属性2", ...
inline constexpr const char* kPropertyFormat = "属性%d";
inline CString PropertyLabel(int number) {
    CString label;
    label.Format(kPropertyFormat, number);
    return label;
}
// A layer shows at most this many properties.
inline constexpr int kMaxProperties = 29;

}  // namespace pietext
