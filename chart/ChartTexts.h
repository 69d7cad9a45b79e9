// Texts of the chart pages, items and dialogs, each defined once.
#pragma once

namespace charttext {

// Tab captions of the chart sheets.
inline constexpr const char* kAxisTab = "轴";
inline constexpr const char* kTickTab = "刻度线";
inline constexpr const char* kLabelTab = "标签";
inline constexpr const char* kGridTab = "网格";
inline constexpr const char* kGeneralTab = "常规";
inline constexpr const char* kPlotSetTab = "图形设置";
inline constexpr const char* kLabelSymbolTab = "标签和符号";
inline constexpr const char* kFillTab = "填充";
inline constexpr const char* kChartSetTab = "图设置";
inline constexpr const char* kPatternTab = "图案";
inline constexpr const char* kLegendTab = "图例";

// Statistics data files and datasets.
inline constexpr const char* kChooseData = "选择数据……";
inline constexpr const char* kStatFileExtension = "打开统计数据";
inline constexpr const char* kStatFileFilter = "所有文件(*.*)|*.*|Excel Files(*.xls)|*.xls|(*.dat)|*.dat|(*.txt)|*.txt|";
inline constexpr const char* kFileMissing = "文件不存在,请重新选择!";
inline constexpr const char* kDatasetExists = "此数据集已存在,请重新选择!";
inline constexpr const char* kFormatUnsupported = "不支持此文件格式！";
inline constexpr const char* kDatasetUnsuitable = "数据集不符合要求，请重新选择!";

// Rows and the bounds message shared by every row item.
inline constexpr const char* kRowBounds = "值必须大于等于%d,小于等于%d";

// Value-label group.
inline constexpr const char* kShowLabels = "是否显示";
inline constexpr const char* kLabelData = "数据";
inline constexpr const char* kLabelsInYColumn = "显示Y数据列值";
inline constexpr const char* kLabelColumn = "显示列值";
inline constexpr const char* kLabelColumnDescription = "显示选中的列的值";
inline constexpr const char* kFirstRow = "起始行";
inline constexpr const char* kLastRow = "结束行";
inline constexpr const char* kStep = "步长";
inline constexpr const char* kLabelPosition = "位置";
inline constexpr const char* kXOffset = "横向偏移";
inline constexpr const char* kXOffsetDescription = "指定标签X方向偏移";
inline constexpr const char* kYOffset = "纵向偏移";
inline constexpr const char* kYOffsetDescription = "指定标签Y方向偏移";
inline constexpr const char* kAngle = "角度";
inline constexpr const char* kAngleDescription = "指定标题角度";
inline constexpr const char* kFont = "字体";

// Bar layout.
inline constexpr const char* kStackUpDown = "上下";
inline constexpr const char* kStackSideBySide = "左右";
inline constexpr const char* kHorizontal = "横向";
inline constexpr const char* kVertical = "纵向";

// Fill group (the sub-items' own texts are the framework's fill group's).
inline constexpr const char* kAllStyles = "所有样式";

// Percentage units.
inline constexpr const char* kUnitNone = "无";
inline constexpr const char* kUnitPercent = "百分比";
inline constexpr const char* kUnitTen = "十";
inline constexpr const char* kUnitHundred = "百";
inline constexpr const char* kUnitThousand = "千";

// Uniform-symbol item.
inline constexpr const char* kUniformSymbol = "统一设置";
inline constexpr const char* kUniformSymbolDescription = "是否统一设置符号";
inline constexpr const char* kUniformSymbolButton = "...";

// Class grid (classification and ternary symbol dialogs).
inline constexpr const char* kClassNumber = "序号";
inline constexpr const char* kClassText = "分类类别";
inline constexpr const char* kClassSymbol = "符号";
inline constexpr const char* kNumericColumn = "数值";
inline constexpr const char* kTextColumn = "字符型";
inline constexpr const char* kClassRange = "%.2f - %.2f";
inline constexpr const char* kBadClassParameters = "请设置正确的参数!";
inline constexpr const char* kTextClassNoDelete = "字符形分类不允许删除！";
inline constexpr const char* kRowNoDelete = "此行不允许删除！";

// Range dialog.
inline constexpr const char* kLeftNotBelowRight = "左值必须小于右值！";
inline constexpr const char* kLeftFixed = "左值不允许改变！";
inline constexpr const char* kLeftTooSmall = "起始值不能小于%f";
inline constexpr const char* kRightFixed = "右值不允许改变！";
inline constexpr const char* kRightTooLarge = "终止值不能大于%f";

// Data-series dialog.
inline constexpr const char* kSeryChoose = "选择";
inline constexpr const char* kSeryName = "数据系列";
inline constexpr const char* kChecked = "TRUE";
inline constexpr const char* kUnchecked = "FALSE";
inline constexpr const char* kNoSeries = "请至少添加一个序列！";

}  // namespace charttext
