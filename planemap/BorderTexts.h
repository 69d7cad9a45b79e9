// Texts of the map border's three pages (frame, grid, labels), each defined once. Yes/no,
// horizontal/vertical, show and style texts come from the item groups; fill, type, title, font,
// length and unit texts from PlaneTexts.h.
#pragma once

#include "framework/GroupTexts.h"
#include "planemap/PlaneTexts.h"

namespace bordertext {

// Sheet tabs, in order. The frame tab's caption is also the object kind shown in "类型".
inline constexpr const char* kBorderPage = "边框";
inline constexpr const char* kGridPage = "格网";
inline constexpr const char* kLabelPage = planetext::kLabel;  // "标注"
inline constexpr const char* kBorderKind = kBorderPage;

// Frame page.
inline constexpr const char* kFrameSettings = "边框设置";
inline constexpr const char* kExtent = "边框范围";
inline constexpr const char* kXFrom = "横向起始值";
inline constexpr const char* kXTo = "横向终止值";
inline constexpr const char* kYFrom = "纵向起始值";
inline constexpr const char* kYTo = "纵向终止值";
inline constexpr const char* kOuterFrame = "外边框";
inline constexpr const char* kInnerFrame = "内边框";
inline constexpr const char* kFrameDistance = "边框距离(mm)";
inline constexpr const char* kFrameDistanceDescription = "边框距离";
inline constexpr const char* kPrefix = "前缀";
inline constexpr const char* kPrefixDescription = "设置名称前缀";
inline constexpr const char* kStratum = "层号";
inline constexpr const char* kStratumDescription = "设置层号";
inline constexpr const char* kPostfix = "后缀";
inline constexpr const char* kPostfixDescription = "设置名称后缀";
inline constexpr const char* kTitleOffset = "偏移距离";
inline constexpr const char* kTitleOffsetDescription = "该距离为标题与边框的距离";

// Grid types, by index: none, graticule, kilometre grid, both. The module-wide table of these
// names is built from this array.
inline constexpr const char* kGridTypeTexts[4] = {"无格网", "经纬网", "方里网", "经纬网与方里网"};

// Grid page.
inline constexpr const char* kGridType = "网格类型";
inline constexpr const char* kGraticuleSettings = "经纬网设置";
inline constexpr const char* kKilometerSettings = "方里网设置";
inline constexpr const char* kMeridianInterval = "经线间隔值";
inline constexpr const char* kMeridianIntervalDescription = "设置经线间隔值";
inline constexpr const char* kParallelInterval = "纬线间隔值";
inline constexpr const char* kParallelIntervalDescription = "设置纬线间隔值";
inline constexpr const char* kXInterval = "横向间隔值";
inline constexpr const char* kXIntervalDescription = "设置横向间隔值";
inline constexpr const char* kYInterval = "纵向间隔值";
inline constexpr const char* kYIntervalDescription = "设置纵向间隔值";
inline constexpr const char* kScaleTicks = "刻度线";
inline constexpr const char* kMajorTick = "主刻度";
inline constexpr const char* kMinorTick = "副刻度";
inline constexpr const char* kFrequency = "频度";
inline constexpr const char* kGridLines = "格线";
inline constexpr const char* kCrossLength = "十字长度";
// How grid lines are drawn, by the border's grid drawing value 0, 1, 2.
inline constexpr const char* kGridLineNone = "无";
inline constexpr const char* kGridLineFull = "网格线";
inline constexpr const char* kGridLineCross = "十字标记";

// Label page.
inline constexpr const char* kHighLabel = "高位标注";
inline constexpr const char* kLowLabel = "低位标注";
inline constexpr const char* kXLabelDirection = "横向标注方向";
inline constexpr const char* kYLabelDirection = "纵向标注方向";
inline constexpr const char* kLabelDirectionDescription = "标注方向";
inline constexpr const char* kDigits = "位数";
inline constexpr const char* kHorizontal = grouptext::kHorizontal;  // "横向"
inline constexpr const char* kVertical = grouptext::kVertical;      // "纵向"
inline constexpr const char* kAlongTicks = "随刻度线";
inline constexpr const char* kUnitDescription = "标注百分比";
inline constexpr const char* kUnitInitial = "百分比";

}  // namespace bordertext
