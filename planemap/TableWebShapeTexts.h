// Texts of the table, web, block-arrow, rectangle and ellipse lists, each defined once, and the
// option tables that turn their choices into stored values. Texts these lists share with other
// lists come from PlaneTexts.h and the item groups.
#pragma once

#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"
#include "framework/StyleGroupTexts.h"
#include "planemap/PlaneTexts.h"

namespace shapetext {

// ---- table ---------------------------------------------------------------------------------------
inline constexpr const char* kTableKind = "表格";
inline constexpr const char* kTopBorder = "上边框";
inline constexpr const char* kBottomBorder = "下边框";
inline constexpr const char* kLeftBorder = "左边框";
inline constexpr const char* kRightBorder = "右边框";
inline constexpr const char* kCenterBorder = "中间边框";
inline constexpr const char* kCellFillColor = "网格填充颜色";
inline constexpr const char* kDefaultFontSettings = "默认字体设置";
inline constexpr const char* kAlignSettings = "对齐设置";

// ---- web -----------------------------------------------------------------------------------------
inline constexpr const char* kWebKind = "方格网";
inline constexpr const char* kWebLines = kWebKind;  // the style that draws the grid as lines
inline constexpr const char* kWebCrosses = "十字线";
inline constexpr const char* kWebDots = planetext::kPoint;  // "点"

// ---- block arrow ---------------------------------------------------------------------------------
inline constexpr const char* kArrowKind = "箭头";
inline constexpr const char* kSizeSettings = "尺寸设置";
inline constexpr const char* kHeadPercent = "头部百分比";
inline constexpr const char* kBodyPercent = "体部百分比";

// ---- rectangle and ellipse -----------------------------------------------------------------------
inline constexpr const char* kOutline = grouptext::kLineStyle;  // "线型"
inline constexpr const char* kRectKind = "矩形";
inline constexpr const char* kLengthDescription = "设置长度";
inline constexpr const char* kWidthDescription = "设置宽度";
inline constexpr const char* kCornerA = "圆角半轴A长度";
inline constexpr const char* kCornerADescription = "设置圆角半轴A长度";
inline constexpr const char* kCornerB = "圆角半轴B长度";
inline constexpr const char* kCornerBDescription = "设置圆角半轴B长度";

inline constexpr const char* kEllipseKind = "椭圆";
inline constexpr const char* kAxisAngle = "方向角";
inline constexpr const char* kAxisAngleDescription = "设置方向角";
inline constexpr const char* kHalfAxisA = "半轴A长度";
inline constexpr const char* kHalfAxisADescription = "设置半轴A长度";
inline constexpr const char* kHalfAxisB = "半轴B长度";
inline constexpr const char* kHalfAxisBDescription = "设置半轴B长度";
inline constexpr const char* kStartAngle = "起始角度";
inline constexpr const char* kStartAngleDescription = "设置起始角度";
inline constexpr const char* kStopAngle = "终止角度";
inline constexpr const char* kStopAngleDescription = "设置终止角度";
inline constexpr const char* kDirectionDescription = "设置方向";

}  // namespace shapetext

namespace shapes {

// Web style, in the order the options are offered: any other text draws crosses, any other
// value shows as dots.
inline constexpr TextValue kWebStyles[] = {
    {shapetext::kWebLines, 0}, {shapetext::kWebCrosses, 2}, {shapetext::kWebDots, 1}};
inline constexpr int kWebStyleOther = 2;
inline constexpr const char* kWebStyleOtherText = shapetext::kWebDots;

// Ellipse drawing direction: any text but "正向" draws backward, any value but 1 shows as backward.
inline constexpr TextValue kDirections[] = {{planetext::kForward, 1}, {planetext::kBackward, 2}};
inline constexpr int kDirectionOther = 2;
inline constexpr const char* kDirectionOtherText = planetext::kBackward;

}  // namespace shapes
