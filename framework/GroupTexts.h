// Texts of the recurring item groups, each defined once.
#pragma once

namespace grouptext {

// Yes/no items.
inline constexpr const char* kYes = "是";
inline constexpr const char* kNo = "否";

// Orientation items.
inline constexpr const char* kAuto = "自动";
inline constexpr const char* kHorizontal = "横向";
inline constexpr const char* kVertical = "纵向";

// Colour items.
inline constexpr const char* kColor = "颜色";
inline constexpr const char* kOtherColor = "其它...";
inline constexpr const char* kAutomaticColor = "自动";

// Font groups.
inline constexpr const char* kFontFace = "字体";
inline constexpr const char* kDefaultFontFace = "宋体";
inline constexpr const char* kFontFaceDescription = "设置字体";
inline constexpr const char* kSize = "大小";
inline constexpr const char* kInitialFontSize = "33";
inline constexpr const char* kFontSizeDescription = "指定文本字体的大小";
inline constexpr const char* kFontColorDescription = "指定文本字体的颜色";
inline constexpr const char* kFontColorDescriptionShort = "指定字体的颜色";

// Alignment items.
inline constexpr const char* kAlignLeft = "左对齐";
inline constexpr const char* kAlignCenter = "居中";
inline constexpr const char* kAlignRight = "右对齐";
inline constexpr const char* kAlignTop = "顶对齐";
inline constexpr const char* kAlignBottom = "底对齐";
inline constexpr const char* kVAlignDescription = "指定纵向对齐";

}  // namespace grouptext
