// Texts of the line, arrow, point, fill and symbol-template groups (the shared ones are in
// GroupTexts.h), each defined once.
#pragma once

namespace grouptext {

// Line groups.
inline constexpr const char* kLineStyle = "线型";
inline constexpr const char* kLineStyleShort = "样式";
inline constexpr const char* kLineStyleDescription = "指定线型样式";
inline constexpr const char* kLineStylePlainDescription = "指定线型";
inline constexpr const char* kLineWidth = "粗细";
inline constexpr const char* kLineWidthMm = "宽度(毫米)";
inline constexpr const char* kLineWidthDescription = "指定线型宽度";
inline constexpr const char* kLineWidthMmDescription = "指定线型宽度，单位（毫米）";
inline constexpr const char* kLineColorDescription = "指定线型颜色";
inline constexpr const char* kLineColorShortDescription = "指定线颜色";
inline constexpr const char* kShow = "显示";

// Arrows.
inline constexpr const char* kArrowBegin = "开始样式";
inline constexpr const char* kArrowEnd = "结束样式";
inline constexpr const char* kArrowSize = "尺寸";
inline constexpr const char* kArrowBeginDescription = "线开始位置的箭头样式";
inline constexpr const char* kArrowEndDescription = "线结束位置的箭头样式";
inline constexpr const char* kArrowSizeDescription = "箭头的长度";
inline constexpr const char* kArrowNone = "空";
inline constexpr const char* kArrowSimple = "简单样式";
inline constexpr const char* kArrowRightAngle = "直角样式";

// Point groups.
inline constexpr const char* kPointStyle = "点风格";
inline constexpr const char* kPointStyleDescription = "指定点风格";
inline constexpr const char* kPointSizeDescription = "设置大小";
inline constexpr const char* kBorderColor = "边界色";
inline constexpr const char* kInnerColor = "内部色";

// Fill groups.
inline constexpr const char* kFillStyleSet = "样式集";
inline constexpr const char* kFillStyleSetDescription = "指定填充样式集";
inline constexpr const char* kFillStyle = "样式";
inline constexpr const char* kFillStyleDescription = "指定填充样式";
inline constexpr const char* kFillLineColor = "线条色";
inline constexpr const char* kFillLineColorDescription = "指定填充样式线条颜色";
inline constexpr const char* kFillColor = "填充色";
inline constexpr const char* kFillColorDescription = "指定填充样式填充颜色";
inline constexpr const char* kFillCellSize = "图元大小";
inline constexpr const char* kFillCellSizeDescription = "图元大小设置，单位为毫米";
inline constexpr const char* kFillTransparent = "背景透明";
inline constexpr const char* kFillFlag = "填充";

// Symbol-template block.
inline constexpr const char* kSymbolShowDescription = "是否显示当前层符号";
inline constexpr const char* kPointStyleTemplate = "点风格模板";
inline constexpr const char* kPointStyleTemplateDescription = "设置点风格模板";
inline constexpr const char* kSizeTemplate = "大小模板";
inline constexpr const char* kSizeTemplateDescription = "设置大小模板";
inline constexpr const char* kSymbolSizeDescription = "设置符号大小";
inline constexpr const char* kBorderColorTemplate = "边界色模板";
inline constexpr const char* kBorderColorTemplateDescription = "设置边界色模板";
inline constexpr const char* kBorderColorDescription = "指定边界色";
inline constexpr const char* kInnerColorTemplate = "内部色模板";
inline constexpr const char* kInnerColorTemplateDescription = "设置内部色模板";
inline constexpr const char* kInnerColorDescription = "指定内部色";

}  // namespace grouptext
