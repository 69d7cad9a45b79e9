// Texts of the section property windows, each defined once.
#pragma once

namespace sectiontext {

// Page captions.
inline constexpr const char* kStratumPage = "层设置";
inline constexpr const char* kSandPage = "砂体设置";
inline constexpr const char* kWellPage = "井设置";
inline constexpr const char* kLayerNamePage = "图层名";

// Layer-name list.
inline constexpr const char* kLayerName = "图层名";

// Sand-body page: fill.
inline constexpr const char* kFill = "填充";
inline constexpr const char* kFillType = "填充类型";
inline constexpr const char* kFillTypeDescription = "填充风格";
inline constexpr const char* kFaciesMode = "沉积相模式";
inline constexpr const char* kLithologySymbol = "岩性符号";
inline constexpr const char* kOilGasWater = "油气水";
inline constexpr const char* kSingleFill = "单一填充";
// Sand layers and their display modes.
inline constexpr const char* kSandLayer = "砂层";
inline constexpr const char* kSandDisplayDescription = "砂层显示";
inline constexpr const char* kSandAll = "全部";
inline constexpr const char* kSandPerforated = "射开";
inline constexpr const char* kSandConnected = "连通";
// Envelope, pinch-out and interfaces.
inline constexpr const char* kEnvelope = "包络线";
inline constexpr const char* kPinchout = "尖灭处理";
inline constexpr const char* kPinchoutShowDescription = "是否显示尖灭";
inline constexpr const char* kPinchoutLength = "尖灭长度";
inline constexpr const char* kPinchoutLengthDescription = "L:当前层井距\r\nH:层厚\r\nh:砂层厚";
inline constexpr const char* kPinchDefault = "默认";
inline constexpr const char* kPinchHalfSpacing = "1/2井距";
inline constexpr const char* kPinchQuarterSpacing = "1/4井距";
inline constexpr const char* kPinchLhOverH1 = "Lh/(h+1)";
inline constexpr const char* kPinchLhOverH = "Lh/H";
inline constexpr const char* kRiverShape = "河道相尖灭形态";
inline constexpr const char* kRiverShapeDescription = "指定河道相尖灭形态";
inline constexpr const char* kSandDamShape = "砂坝相尖灭形态";
inline constexpr const char* kSandDamShapeDescription = "指定砂坝相尖灭形态";
inline constexpr const char* kLocalPinchout = "局部尖灭";
inline constexpr const char* kAllowed = "允许";
inline constexpr const char* kNotAllowed = "不允许";
inline constexpr const char* kFaciesContact = "相接触界面";
inline constexpr const char* kSeepage = "渗流界面";
inline constexpr const char* kInterfaceForm = "界面形态";
inline constexpr const char* kAbruptStraight = "突变(直线)";
inline constexpr const char* kLineStyleDescription = "指定线型";
inline constexpr const char* kWidth = "宽度";
inline constexpr const char* kWidthDescription = "指定宽度";
inline constexpr const char* kColorDescription = "指定颜色";
inline constexpr const char* kOtherColors = "其他...";
inline constexpr const char* kOswInterface = "油气水界面";

// Stratum grid.
inline constexpr const char* kStratum = "地层";
inline constexpr const char* kTopBound = "顶界限";
inline constexpr const char* kBottomBound = "底界限";
inline constexpr const char* kSandBody = "砂体";
inline constexpr const char* kStratumName = "层名";
inline constexpr const char* kTrue = "TRUE";
inline constexpr const char* kFalse = "FALSE";

// Well page.
inline constexpr const char* kBasic = "基本参数";
inline constexpr const char* kWellName = "井名";
inline constexpr const char* kTemplate = "模板";
inline constexpr const char* kNoTemplate = "<不使用>";
inline constexpr const char* kDepthType = "深度类型";
inline constexpr const char* kMeasuredDepth = "测深";
inline constexpr const char* kVerticalDepth = "垂深";
inline constexpr const char* kElevationDepth = "海拔深";
inline constexpr const char* kWellWidth = "宽度(毫米)";
inline constexpr const char* kWellWidthDescription = "设定井最小宽度";
inline constexpr const char* kDisplayRange = "显示范围";
inline constexpr const char* kRangeType = "类型";
inline constexpr const char* kByDepth = "深度";
inline constexpr const char* kByStrata = "分层";
inline constexpr const char* kTopStratum = "顶部层位";
inline constexpr const char* kTopExtend = "上延深度(米)";
inline constexpr const char* kTopExtendDescription = "指定上延深度";
inline constexpr const char* kBottomStratum = "底部层位";
inline constexpr const char* kBottomExtend = "下延深度(米)";
inline constexpr const char* kBottomExtendDescription = "指定下延深度";
inline constexpr const char* kTopDepth = "顶部深度(米)";
inline constexpr const char* kTopDepthDescription = "指定顶部深度";
inline constexpr const char* kBottomDepth = "底部深度(米)";
inline constexpr const char* kBottomDepthDescription = "指定底部深度";
inline constexpr const char* kMissingStrata = "断失层位处理";
inline constexpr const char* kRefWell = "参考井";

}  // namespace sectiontext
