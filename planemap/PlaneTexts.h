// Texts shared by the plane-map object lists, each defined once. A list's own texts stay in its
// file; the yes/no, orientation, colour-button and font texts come from the item groups.
#pragma once

#include "framework/GroupTexts.h"
#include "mfc/String.h"

namespace planetext {

inline constexpr const char* kType = "类型";
inline constexpr const char* kText = "文本";
inline constexpr const char* kTextDirection = "文本方向";
inline constexpr const char* kPosition = "位置";
inline constexpr const char* kX = "横坐标";
inline constexpr const char* kY = "纵坐标";
inline constexpr const char* kXDescription = "设置横坐标";
inline constexpr const char* kYDescription = "设置纵坐标";
inline constexpr const char* kRotation = "旋转角";
inline constexpr const char* kRotationDescription = "设置旋转角";
inline constexpr const char* kBackColor = "背景颜色";
inline constexpr const char* kBackColorDescription = "指定背景颜色";
inline constexpr const char* kBackTransparent = "背景透明";
inline constexpr const char* kFill = "填充";
inline constexpr const char* kAllStyles = "所有样式";

// Alignment items: the horizontal and vertical option lists and their initial captions.
inline constexpr const char* kHAlign = "横向对齐";
inline constexpr const char* kVAlignUpright = "竖直对齐";
inline constexpr const char* kAlignDescription = "文本对齐方式";
inline constexpr const char* kAlignLeft = grouptext::kAlignLeft;      // "左对齐"
inline constexpr const char* kAlignCentre = grouptext::kAlignCenter;  // "居中"
inline constexpr const char* kAlignRight = grouptext::kAlignRight;    // "右对齐"
inline constexpr const char* kAlignUpper = "上对齐";
inline constexpr const char* kAlignLower = "下对齐";
inline constexpr const char* kAlignTopCaption = grouptext::kAlignTop;  // "顶对齐", not an option

// Degrees and radians convert with this value of pi throughout the plane-map lists.
inline constexpr double kPi = 3.14159265358979;

}  // namespace planetext

namespace planemap {

// Horizontal alignment 0 left, 1 centre, anything else right; vertical 0 upper, 1 centre, else lower.
const char* HAlignText(int value);
const char* VAlignText(int value);
// The inverse: 0 for the first option, 1 for "居中", 2 for any other text.
int HAlignValue(const CString& text);
int VAlignValue(const CString& text);

}  // namespace planemap
