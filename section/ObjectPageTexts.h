// Texts of the section object pages (rulers, navigation maps, reservoir objects, fault points),
// each defined once; texts the item groups share are in framework/GroupTexts.h and
// framework/StyleGroupTexts.h, those of the section-wide pages in SectionTexts.h.
#pragma once

namespace sectiontext {

// Page captions.
inline constexpr const char* kDepthRulerPage = "深度标尺";
inline constexpr const char* kDisRulerPage = "距离标尺";
inline constexpr const char* kLookDownPage = "导航图";
inline constexpr const char* kDesignerWellPage = "设计井设置";
inline constexpr const char* kSandObjectPage = "砂体对象";
inline constexpr const char* kVirtualWellPage = "虚拟井";
inline constexpr const char* kFaultLinePage = "断层线";
inline constexpr const char* kFaultPointPage = "断点";

// Depth ruler.
inline constexpr const char* kTitle = "标题";
inline constexpr const char* kText = "文本";
inline constexpr const char* kSidesMarks = "左右刻度及标注";
inline constexpr const char* kLeftMarks = "左刻度及标注";
inline constexpr const char* kRightMarks = "右刻度及标注";
inline constexpr const char* kDepthUnit = "深度单位";
inline constexpr const char* kMetre = "米";
inline constexpr const char* kFoot = "英尺";
inline constexpr const char* kKilometre = "千米";
inline constexpr const char* kMetreShort = "m";
inline constexpr const char* kFootShort = "ft";
inline constexpr const char* kKilometreShort = "km";
inline constexpr const char* kMarkInterval = "刻度间隔";
inline constexpr const char* kMajorMarks = "主刻度";
inline constexpr const char* kFrequency = "频度";
inline constexpr const char* kLength = "长度";
inline constexpr const char* kMinorMarks = "次刻度";
inline constexpr const char* kLabel = "标注";
inline constexpr const char* kBorders = "边框线";
inline constexpr const char* kTopBorder = "上边框线";
inline constexpr const char* kBottomBorder = "下边框线";
inline constexpr const char* kLeftBorder = "左边框线";
inline constexpr const char* kRightBorder = "右边框线";

// Distance ruler.
inline constexpr const char* kIndicatorLine = "指示线";
inline constexpr const char* kArrowStyle = "箭头样式";
inline constexpr const char* kLeadLine = "牵引线";
inline constexpr const char* kHeight = "高度";
inline constexpr const char* kUnit = "单位";

// Navigation map.
inline constexpr const char* kPosition = "位置";
inline constexpr const char* kXCoordinate = "横坐标";
inline constexpr const char* kYCoordinate = "纵坐标";
inline constexpr const char* kKeepProportion = "保持实际比例";
inline constexpr const char* kFrame = "图框";
inline constexpr const char* kWellSymbol = "井符号";
inline constexpr const char* kSectionLineGroup = "剖面线";
inline constexpr const char* kProjectionSymbol = "投影符号";
inline constexpr const char* kProjectionLine = "投影线";

// Reservoir objects.
inline constexpr const char* kDepth = "深度";
inline constexpr const char* kDepthDescription = "指定深度";
inline constexpr const char* kUpperUnit = "上部单元";
inline constexpr const char* kLowerUnit = "下部单元";
inline constexpr const char* kUnitType = "单元类型";
inline constexpr const char* kAllStyleSets = "所有样式";
inline constexpr const char* kFontSettings = "字体设置";
inline constexpr const char* kPointType = "点型";
inline constexpr const char* kCommonLineStyles = "常用线型";
inline constexpr const char* kFaultLineStyleDescription = "指定砂层线线型";
inline constexpr const char* kLineWidthShortDescription = "指定线宽度";
inline constexpr const char* kFaultLineProperties = "断层线属性";
inline constexpr const char* kName = "名称";
inline constexpr const char* kFaultKind = "类型";
inline constexpr const char* kNormalFault = "正断层";
inline constexpr const char* kReverseFault = "逆断层";
inline constexpr const char* kMaxThrow = "最大断距";
inline constexpr const char* kDipAngle = "倾角";
inline constexpr const char* kSealing = "封堵性";
inline constexpr const char* kSealingFault = "封堵断层";
inline constexpr const char* kPermeableFault = "渗透断层";
inline constexpr const char* kBreakDepth = "断点深度";
inline constexpr const char* kDisplayProperties = "显示属性";

// Fault points.
inline constexpr const char* kDisplaySettings = "显示设置";
inline constexpr const char* kDisplayPosition = "显示位置";
inline constexpr const char* kColumnLeft = "井柱左侧";
inline constexpr const char* kColumnCentre = "井柱中心";
inline constexpr const char* kColumnRight = "井柱右侧";
inline constexpr const char* kFaultSymbol = "断点符号";
inline constexpr const char* kFieldCount = "显示字段数";
inline constexpr const char* kLabelLeft = "左边";
inline constexpr const char* kLabelRight = "右边";
inline constexpr const char* kLabelAbove = "上边";
inline constexpr const char* kLabelBelow = "下边";
inline constexpr const char* kXOffset = "横向偏移";
inline constexpr const char* kYOffset = "纵向偏移";
inline constexpr const char* kFields = "字段";
inline constexpr const char* kFieldThrow = "断距";
inline constexpr const char* kFieldCompareDepth = "对比深度";
inline constexpr const char* kFieldFaultNumber = "断层号";
inline constexpr const char* kFieldMissingTop = "断失顶层位";
inline constexpr const char* kFieldMissingBottom = "断失底层位";
inline constexpr const char* kFieldCompareWell = "对比井号";
inline constexpr const char* kApplyTo = "应用到";
inline constexpr const char* kApplyToDescription = "将点风格设置复制到其他点";
inline constexpr const char* kApplyWell = "当前井上所有断点";
inline constexpr const char* kApplySection = "当前剖面上所有断点";
inline constexpr const char* kFaultPointProperties = "断点属性";
inline constexpr const char* kPointNumber = "断点号";
inline constexpr const char* kBreakDepthMetres = "断点深度(m)";
inline constexpr const char* kCompareTopDepth = "对比井顶深(m)";

}  // namespace sectiontext
