// Texts of the facies, control-line, control-point and boundary lists, each defined once. The
// line, point and colour texts come from the item groups, the value and area texts from the
// geology lists.
#pragma once

namespace fctext {

// Facies lines, areas and appended control points.
inline constexpr const char* kFaciesType = "相类型";
// Key of an area's facies code in its attribute store.
inline constexpr const char* kFaciesCodeKey = "数据库代码";
inline constexpr const char* kPointGroup = "点型";

// Control lines and boundary lines: the kinds their "类型" items show when built.
inline constexpr const char* kCtrlLine = "控制线";
inline constexpr const char* kBoundLine = "边界线";

}  // namespace fctext
