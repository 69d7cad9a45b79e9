// Texts of the distribution boundary lists (oil-water, region, sand-body, scattered-attribute and
// well-net boundaries and their areas), each defined once. Type names are the objects' type names
// as the map stores them; keys are those of the attribute stores.
#pragma once

namespace boundarytext {

// The boundary-line pen group.
inline constexpr const char* kLineStyleDescription = "指定线风格";
inline constexpr const char* kWidthDescription = "设置粗细";

// Oil-water and region distributions: the distribution type item and the oil-water boundary fill.
inline constexpr const char* kOilWaterType = "油水分布类型";
inline constexpr const char* kRegionType = "区域类型";
inline constexpr const char* kFillGroup = "填充型";

// Sand bodies.
inline constexpr const char* kSandBodyNumber = "砂体序号";
inline constexpr const char* kLineClass = "线类型";
inline constexpr const char* kSandLine = "砂体线";
inline constexpr const char* kValidSandLine = "有效砂体线";
inline constexpr const char* kValidPrefix = "有效";  // type names of the effective area begin with it
inline constexpr const char* kSandSolidBoundary = "砂体实线边界";
inline constexpr const char* kSandDashedBoundary = "砂体虚线边界";
inline constexpr const char* kValidSolidBoundary = "有效实线边界";
inline constexpr const char* kSandFill = "砂体填充";

// Scattered attributes.
inline constexpr const char* kScatteredType = "离散属性类型";
inline constexpr const char* kFaciesType = "相类型";
inline constexpr const char* kPointGroup = "点型";

// Well nets.
inline constexpr const char* kWellNetArea = "连通井网区";

// Attribute-store keys: a prefix followed by a type text or a body number, and the area's code.
inline constexpr const char* kBrushKeyPrefix = "LOGBRUSH_";
inline constexpr const char* kValidBrushKeyPrefix = "VALIDLOGBRUSH_";
inline constexpr const char* kPenKeyPrefix = "LOGPEN_";
inline constexpr const char* kDotPenKeyPrefix = "DOTLOGPEN_";
inline constexpr const char* kValidPenKeyPrefix = "VALIDLOGPEN_";
inline constexpr const char* kDotValidPenKeyPrefix = "DOTVALIDLOGPEN_";
inline constexpr const char* kDatabaseCodeKey = "数据库代码";

}  // namespace boundarytext
