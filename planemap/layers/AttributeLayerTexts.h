// Texts of the facies, scattered-attribute, oil-water, region and sand layer pages, each defined once.
#pragma once

namespace attrtext {

inline constexpr const char* kFaciesBelt = "相带";
inline constexpr const char* kOilWaterBelt = "油水分布带";
inline constexpr const char* kRegionBelt = "区划带";
inline constexpr const char* kValidSandFill = "有效砂体填充";
inline constexpr const char* kSandLineSettings = "砂体线设置";
inline constexpr const char* kValidSandLineSettings = "有效砂体线设置";
inline constexpr const char* kManagedAttribute = "管理属性";
inline constexpr const char* kSameStyle = "统一线型";
inline constexpr const char* kSameColor = "统一颜色";
inline constexpr const char* kSameSize = "统一粗细";
inline constexpr const char* kLineColorDescription = "指定相带线颜色";
inline constexpr const char* kLineSizeDescription = "设置线的粗细";

}  // namespace attrtext
