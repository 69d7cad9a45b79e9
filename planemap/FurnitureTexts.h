// Texts of the map-furniture lists (colour mark, north arrow, legend, scale bar), each defined
// once, with the option tables that turn their choices into stored values. The texts other lists
// show too (type, position, style, pen and font groups, lengths, units ...) come from PlaneTexts.h,
// the font and colour texts from the item groups.
#pragma once

#include "framework/OptionTables.h"
#include "planemap/PlaneTexts.h"

namespace furnituretext {

// ---- shared by several furniture lists ---------------------------------------------------------
inline constexpr const char* kName = "名称";
inline constexpr const char* kLeftSide = "左侧";
inline constexpr const char* kRightSide = "右侧";

// ---- colour mark -------------------------------------------------------------------------------
inline constexpr const char* kColorMarkKind = "色标";
inline constexpr const char* kXDescription = "指定横坐标";
inline constexpr const char* kYDescription = "指定纵坐标";
inline constexpr const char* kLengthDescription = "指定长度";
inline constexpr const char* kWidthDescription = "指定宽度";
inline constexpr const char* kLabelSideDescription = "设置位置";
// The item labels double as the keys of the object's attribute store.
inline constexpr const char* kShowMinMark = "显示最小值色标";
inline constexpr const char* kShowMaxMark = "显示最大值色标";

// ---- north arrow -------------------------------------------------------------------------------
inline constexpr const char* kFingerKind = "指北针";
inline constexpr const char* kFillSettings = "填充设置";
inline constexpr const char* kLabelSettings = "标注设置";
inline constexpr const char* kEast = "东";
inline constexpr const char* kWest = "西";
inline constexpr const char* kSouth = "南";
inline constexpr const char* kNorth = "北";

// ---- legend ------------------------------------------------------------------------------------
inline constexpr const char* kLegendKind = "图例";
inline constexpr const char* kFrameLineSettings = "边框线设置";
inline constexpr const char* kLegendSettings = "图例设置";
inline constexpr const char* kOutlineSettings = "边线设置";
inline constexpr const char* kEntryWidth = "图例宽度";
inline constexpr const char* kEntryHeight = "图例高度";
inline constexpr const char* kEntrySpacing = "图例间距";
inline constexpr const char* kLeftMargin = "左边距";
inline constexpr const char* kTopMargin = "上边距";
inline constexpr const char* kColumns = "列数";
inline constexpr const char* kTextPosition = "文字位置";
inline constexpr const char* kTextRight = planetext::kPlaceRight;  // "右"
inline constexpr const char* kTextBelow = planetext::kPlaceBelow;  // "下"

// ---- scale bar ---------------------------------------------------------------------------------
inline constexpr const char* kScaleKind = "比例尺";
inline constexpr const char* kZeroAtStart = "零刻度位于起点";
inline constexpr const char* kTickSettings = "刻度设置";
inline constexpr const char* kCount = "个数";
// The unit words offered, in order; the empty word comes first.
inline constexpr const char* kUnitWords[] = {
    "", planetext::kMetre, "(米)", "m", "(m)", planetext::kKilometre, "(千米)", "km", "(km)", "公里", "(公里)"};

}  // namespace furnituretext

namespace furniture {

// Colour-mark direction: any text but "反向" is forward; any value but 1 shows as backward.
inline constexpr TextValue kDirections[] = {{planetext::kForward, 1}, {planetext::kBackward, -1}};
inline constexpr int kDirectionDefault = 1;
inline constexpr const char* kDirectionOtherText = planetext::kBackward;
// Colour-mark label side: any text but "左侧" is right; any value but 2 shows as right.
inline constexpr TextValue kLabelSides[] = {{furnituretext::kLeftSide, 2}, {furnituretext::kRightSide, 0}};
inline constexpr int kLabelSideDefault = 0;
inline constexpr const char* kLabelSideOtherText = furnituretext::kRightSide;
// Legend entry text position: any text but "右" is below; any value but 0 shows as below.
inline constexpr TextValue kTextPositions[] = {{furnituretext::kTextRight, 0}, {furnituretext::kTextBelow, 1}};
inline constexpr int kTextPositionDefault = 1;
inline constexpr const char* kTextPositionOtherText = furnituretext::kTextBelow;

}  // namespace furniture
