// Texts of the contour layer pages, each defined once.
#pragma once

namespace contourtext {

// The line mode and the fill colour template: the custom choice opens the library's editor.
inline constexpr const char* kUniform = "统一";
inline constexpr const char* kCustom = "自定义";
inline constexpr const char* kMoreButton = "...";
inline constexpr const char* kMode = "模式";
inline constexpr const char* kModeDescription = "选择模式";
inline constexpr const char* kColorSetting = "颜色设置";
inline constexpr const char* kColorSettingDescription = "选择颜色";
inline constexpr const char* kScaleColor = "色标颜色";
inline constexpr const char* kLabelSettings = "标签设置";
inline constexpr const char* kFillSettings = "填充设置";
inline constexpr const char* kColorTemplate = "颜色模板";
inline constexpr const char* kColorTemplateDescription = "选择颜色模板";
inline constexpr const char* kInvertScale = "反转色标";
inline constexpr const char* kScaleSettings = "色标设置";
inline constexpr const char* kTableName = "表名";
inline constexpr const char* kAttribute = "属性";
inline constexpr const char* kCtrlLineLayerDescription = "控制线图层";

}  // namespace contourtext
