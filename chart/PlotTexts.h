// Texts of the plot pages (bar, histogram, rose, line, class, pie and ternary plots), each
// defined once; texts they share with the other chart pages are in ChartTexts.h and AxisTexts.h.
#pragma once

namespace plottext {

// Data groups of the "常规" pages.
inline constexpr const char* kDataTable = "数据表";
inline constexpr const char* kDataTableDescription = "指定图对应的数据表";
inline constexpr const char* kXAxis = "X坐标轴";
inline constexpr const char* kXAxisDescription = "指定此图形的X坐标轴";
inline constexpr const char* kYAxis = "Y坐标轴";
inline constexpr const char* kYAxisDescription = "指定此图形的Y坐标轴";
inline constexpr const char* kFirstRowDescription = "指定数据起始行";
inline constexpr const char* kLastRowDescription = "指定数据结束行";
inline constexpr const char* kStepDescription = "指定数据读取步长";
inline constexpr const char* kIntervalStepDescription = "指定数据间隔步长";
inline constexpr const char* kDataColumn = "数据列";
inline constexpr const char* kDataColumnDescription = "指定数据列";
inline constexpr const char* kXColumn = "X数据列";
inline constexpr const char* kYColumn = "Y数据列";
inline constexpr const char* kZColumn = "Z数据列";
inline constexpr const char* kXColumnDescription = "指定X坐标轴数据列";
inline constexpr const char* kYColumnDescription = "指定Y坐标轴数据列";
inline constexpr const char* kZColumnDescription = "指定Z坐标轴数据列";
inline constexpr const char* kClassColumn = "分类列";
inline constexpr const char* kClassColumnDescription = "指定分类数据所使用的列";
inline constexpr const char* kSymbolClassColumnDescription = "指定符号的分类列";

// Bar plot.
inline constexpr const char* kBaseColumn = "基轴列";
inline constexpr const char* kBaseColumnDescription = "指定基轴数据列";
inline constexpr const char* kDataSeriesDescription = "添加数据系列";
inline constexpr const char* kDataSeriesValue = "右键点击这里编辑数据系列";
inline constexpr const char* kSeriesTransfer = "系列变换";
inline constexpr const char* kLayoutGroup = "叠加样式";
inline constexpr const char* kBarWidth = "条形宽度(%)";
inline constexpr const char* kBarWidthDescription = "指系列组占的宽度百分比，取值范围[0,100]";
inline constexpr const char* kStackStyle = "叠合样式(%)";
inline constexpr const char* kOverlap = "叠合程度(%)";
inline constexpr const char* kOverlapDescription = "指同一个系列组中的，重叠程度，取值范围[-100,100]";
inline constexpr const char* kDirection = "方向";
inline constexpr const char* kDirectionDescription = "横向显示或纵向显示";
inline constexpr const char* kWidthRange = "值必须在0-100之间！";
inline constexpr const char* kOverlapRange = "值必须在-100到100之间！";
inline constexpr const char* kShowDataColumn = "显示数据列值";
inline constexpr const char* kBorder = "边框";

// Histogram.
inline constexpr const char* kLeftValue = "左端值";
inline constexpr const char* kLeftValueDescription = "最左端的值";
inline constexpr const char* kRightValue = "右端值";
inline constexpr const char* kZoneCount = "区间个数";
inline constexpr const char* kZoneCountDescription = "需要划分的区间的个数";
inline constexpr const char* kHistStyle = "样式";
inline constexpr const char* kHistStyleDescription = "数据列显示的样式：频数或频率";
inline constexpr const char* kCounts = "频数";
inline constexpr const char* kFrequencies = "频率";

// Rose diagram.
inline constexpr const char* kAngleColumn = "方向角列";
inline constexpr const char* kAngleColumnDescription = "指定需要使用的数据的列";
inline constexpr const char* kCountColumn = "数量列";
inline constexpr const char* kCountColumnDescription = "指定对应的数量列";
inline constexpr const char* kNoCountColumn = "无";
inline constexpr const char* kSectorAngle = "角度间隔";
inline constexpr const char* kSectorAngleDescription = "指定每个区的角度";
inline constexpr const char* kRoseType = "类型";
inline constexpr const char* kRoseTypeDescription = "玫瑰图类型";
inline constexpr const char* kSectorType = "扇形";
inline constexpr const char* kFlowerType = "玫瑰花";

// Line plot.
inline constexpr const char* kLineStyleDescription = "指定线型样式";
inline constexpr const char* kLineWidthDescription = "指定线型宽度";
inline constexpr const char* kLineColorDescription = "指定线型颜色";
inline constexpr const char* kLineModeGroup = "线形模式";
inline constexpr const char* kLineMode = "模式";
inline constexpr const char* kLineModeDescription = "指定线形模式";
inline constexpr const char* kPolyline = "折线";
inline constexpr const char* kSteps = "阶梯";
inline constexpr const char* kStepReverse = "倒置";
inline constexpr const char* kPointSymbol = "点符号";

// Class plot.
inline constexpr const char* kSymbolGroup = "符号";
inline constexpr const char* kPointStyleDescription = "指定点风格";
inline constexpr const char* kPointSizeDescription = "设置大小";
inline constexpr const char* kPointColorDescription = "颜色";

// Pie plot.
inline constexpr const char* kStartAngle = "扇区起始角";
inline constexpr const char* kStartAngleDescription = "指定扇区的起始角度";
inline constexpr const char* kSplitDistance = "分离程度";
inline constexpr const char* kSplitDistanceDescription = "扇区之间分开的间隙";
inline constexpr const char* kLabelPlace = "位置";
inline constexpr const char* kLabelPlaceDescription = "调整位置在饼的外部还是内部";
inline constexpr const char* kLeaderLine = "牵引线";
inline constexpr const char* kSector = "扇区";

// Ternary plot.
inline constexpr const char* kAxesGroup = "轴统一设置";
inline constexpr const char* kSymbolSettings = "符号设置";
inline constexpr const char* kSymbolSettingsValue = "右键点击这里编辑符号";

}  // namespace plottext
