// Texts of the chart frame, legend and axis pages and of the axis item groups, each defined once
// (texts the other chart pages share are in ChartTexts.h, the recurring groups' in
// framework/GroupTexts.h and framework/StyleGroupTexts.h).
#pragma once

namespace axistext {

// Axis attributes.
inline constexpr const char* kAttrGroup = "轴属性";
inline constexpr const char* kScaleType = "轴类型";
inline constexpr const char* kScaleTypeDescription = "指定坐标轴轴类型";
inline constexpr const char* kLinear = "线性";
inline constexpr const char* kLogarithmic = "对数";
inline constexpr const char* kProbability = "概率";
inline constexpr const char* kLength = "长度";
inline constexpr const char* kLengthDescription = "指定坐标轴长度";
inline constexpr const char* kPosX = "X 坐标";
inline constexpr const char* kPosY = "Y 坐标";
inline constexpr const char* kPosDescription = "指定坐标轴位置";

// Value range.
inline constexpr const char* kRangeGroup = "数值范围";
inline constexpr const char* kDescend = "逆序刻度轴";
inline constexpr const char* kRangeYesNoInitial = "是否逆序显示刻度值";
inline constexpr const char* kMinimum = "最小值";
inline constexpr const char* kMaximum = "最大值";
inline constexpr const char* kRangeDescription = "指定坐标轴范围";
inline constexpr const char* kMajorSpacing = "主刻度间隔";
inline constexpr const char* kMajorSpacingDescription = "指定主刻度间隔";
inline constexpr const char* kMinorDivision = "次刻度分隔";
inline constexpr const char* kMinorDivisionDescription = "指定次刻度的分隔数";
inline constexpr const char* kUnit = "轴单位";
inline constexpr const char* kUnitDescription = "指定轴单位";

// Axis title.
inline constexpr const char* kTitleGroup = "轴标题";
inline constexpr const char* kTitle = "标题";
inline constexpr const char* kTitleDescription = "标题名";
inline constexpr const char* kTitlePosDescription = "指定标题位置";
inline constexpr const char* kTitleXOffsetDescription = "指定标题X方向偏移";
inline constexpr const char* kTitleYOffsetDescription = "指定标题Y方向偏移";
inline constexpr const char* kPosLeftEnd = "左端";
inline constexpr const char* kPosRightEnd = "右端";
inline constexpr const char* kPosMiddle = "中端";
inline constexpr const char* kPosTopEnd = "上端";
inline constexpr const char* kPosBottomEnd = "下端";

// Range checks.
inline constexpr const char* kNoProbability = "数据范围超出0-100，此轴不能设为概率轴";
inline constexpr const char* kMinBelowMax = "最小值必须小于：%.2f";
inline constexpr const char* kMaxAboveMin = "最大值必须大于：%.2f";
inline constexpr const char* kAngleMinRange = "最小值必须在[0,360]之间，且小于：%.2f";
inline constexpr const char* kAngleMaxRange = "最大值必须在[0,360]之间，且大于：%.2f";
inline constexpr const char* kSpacingBelowRange = "主刻度间隔必须小于：%.2f";
inline constexpr const char* kRangeTooWide = "最大值与最小值之差超出数值范围";

// Line-plot fill.
inline constexpr const char* kFillTarget = "目标";
inline constexpr const char* kFillTargetDescription = "指定填充的方向";
inline constexpr const char* kFillTargetValue = "目标值";
inline constexpr const char* kFillUp = "上";
inline constexpr const char* kFillDown = "下";
inline constexpr const char* kFillRight = "右";
inline constexpr const char* kFillLeft = "左";

// Sides of ticks and labels.
inline constexpr const char* kNoSide = "无";
inline constexpr const char* kBottom = "下部";
inline constexpr const char* kTop = "上部";
inline constexpr const char* kLeft = "左部";
inline constexpr const char* kRight = "右部";
inline constexpr const char* kOuter = "外部";
inline constexpr const char* kInner = "内部";

// Tick page.
inline constexpr const char* kMajorTicks = "主刻度";
inline constexpr const char* kMinorTicks = "次刻度";
inline constexpr const char* kTickSideDescription = "指定坐标轴刻度显示位置";
inline constexpr const char* kTickLengthDescription = "指定刻度长度";

// Label page.
inline constexpr const char* kMajorLabels = "主标签";
inline constexpr const char* kMinorLabels = "次标签";
inline constexpr const char* kShowMinorLabels = "显示次标签";
inline constexpr const char* kShowMajorLabelsDescription = "指定是否显示主标签";
inline constexpr const char* kShowMinorLabelsDescription = "指定是否显示次标签";
inline constexpr const char* kLabelSideDescription = "指定标签位置";
inline constexpr const char* kLabelXOffsetDescription = "指定横向偏移位置";
inline constexpr const char* kLabelYOffsetDescription = "指定纵向偏移位置";
inline constexpr const char* kLabelAngleDescription = "指定标签角度";
inline constexpr const char* kFormat = "格式";
inline constexpr const char* kFormatType = "类型";
inline constexpr const char* kFormatTypeDescription = "指定格式类型";
inline constexpr const char* kNumberType = "数值";
inline constexpr const char* kDateType = "日期";
inline constexpr const char* kTextType = "字符";
inline constexpr const char* kDecimals = "小数位数";
inline constexpr const char* kDecimalsDescription = "设置小数位数";
inline constexpr const char* kDateStyle = "日期样式";
inline constexpr const char* kDateStyleDescription = "指定日期样式";
inline constexpr const char* kDateDay = "yyyy-mm-dd";
inline constexpr const char* kDateMonth = "yyyy-mm";
inline constexpr const char* kDateYear = "yyyy";
inline constexpr const char* kLabelText = "标签文字";
inline constexpr const char* kLabelAlign = "文字排列";
inline constexpr const char* kLabelAlignDescription = "指定标签文字排列方式";

// Grid page.
inline constexpr const char* kMajorGrid = "主网格";
inline constexpr const char* kMinorGrid = "次网格";
inline constexpr const char* kShowMajorGridDescription = "指定是否显示主刻度对应的网格线";
inline constexpr const char* kShowMinorGridDescription = "指定是否显示次刻度对应的网格线";

// Chart frame pages.
inline constexpr const char* kChartTitleGroup = "统计图标题";
inline constexpr const char* kChartTitleDescription = "设置统计图标题";
inline constexpr const char* kXDirectionOffset = "X方向偏移";
inline constexpr const char* kYDirectionOffset = "Y方向偏移";
inline constexpr const char* kBackground = "填充";
inline constexpr const char* kBackgroundDescription = "指定填充颜色";
// The chart background's other-colour button reads "其他...", not the "其它..." of other items.
inline constexpr const char* kOtherColorAlt = "其他...";

// Legend page.
inline constexpr const char* kLegendTitleGroup = "标题设置";
inline constexpr const char* kLegendTitle = "图例标题";
inline constexpr const char* kFontSettings = "字体设置";
inline constexpr const char* kFrameGroup = "边框设置";
inline constexpr const char* kFrameLine = "边框线设置";
inline constexpr const char* kBackColor = "背景颜色";
inline constexpr const char* kBackColorDescription = "设置标签背景";
inline constexpr const char* kEntriesGroup = "图例设置";
inline constexpr const char* kEntryLine = "边线设置";
inline constexpr const char* kLegendWidth = "图例宽度";
inline constexpr const char* kLegendHeight = "图例高度";
inline constexpr const char* kLegendSpacing = "图例间距";
inline constexpr const char* kLeftMargin = "左边距";
inline constexpr const char* kTopMargin = "上边距";
inline constexpr const char* kColumns = "列数";

}  // namespace axistext
