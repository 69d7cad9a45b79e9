// Texts of the facies and scattered-attribute layer pages, each defined once.
#pragma once

namespace attrtext {

inline constexpr const char* kFaciesBelt = "相带";
inline constexpr const char* kManagedAttribute = "管理属性";
inline constexpr const char* kSameStyle = "统一线型";
inline constexpr const char* kSameColor = "统一颜色";
inline constexpr const char* kSameSize = "统一粗细";
inline constexpr const char* kLineColorDescription = "指定相带线颜色";
inline constexpr const char* kLineSizeDescription = "设置线的粗细";

}  // namespace attrtext
