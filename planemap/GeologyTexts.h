// Texts of the geology lists: contours, faults, facies, control lines and points, boundary lines
// and the distribution boundaries (oil-water, region, sand-body, scattered-attribute, well-net),
// each defined once. Type names are the objects' type names as the map stores them; keys are
// those of the attribute stores. The line, point and colour texts come from the item groups, the
// texts other lists show too from PlaneTexts.h.
#pragma once

namespace geotext {

// Values, statistics, pens and fills.
inline constexpr const char* kValue = "值";
inline constexpr const char* kValueInterval = "值区间";
inline constexpr const char* kStatistics = "统计";
inline constexpr const char* kBoundaryColorDescription = "指定边界线颜色";
inline constexpr const char* kBoundaryStyleDescription = "指定边界线型";
inline constexpr const char* kLineStyleDescription = "指定线风格";
inline constexpr const char* kWidthDescription = "设置粗细";
inline constexpr const char* kFillColor = "填充颜色";
inline constexpr const char* kFillColorDescription = "指定填充颜色";

// Contour labels.
inline constexpr const char* kLabelGroup = "标签";
inline constexpr const char* kLabelStart = "开始位置";
inline constexpr const char* kLabelStartDescription = "设置开始位置";
inline constexpr const char* kLabelBackDescription = "设置标签背景";

// Fault lines: the four kinds (type names) and the keys of each kind's standard pen in the
// layer's attribute store.
inline constexpr const char* kHangingWall = "上盘";
inline constexpr const char* kFootwall = "下盘";
inline constexpr const char* kFaultCentre = "断层中线";
inline constexpr const char* kFaultPolygon = "断层多边形";
inline constexpr const char* kHangingWallPenKey = "FAULT_UP_PEN";
inline constexpr const char* kFootwallPenKey = "FAULT_DN_PEN";
inline constexpr const char* kFaultCentrePenKey = "FAULT_MID_PEN";
inline constexpr const char* kFaultPolygonPenKey = "FAULT_POLYGON_PEN";
inline constexpr const char* kBasic = "基本";
inline constexpr const char* kFaultKindDescription = "选择断层类型";
inline constexpr const char* kFaultName = "断层名";

// Fault combinations (blocks). The sense is kept under the key that is also its yes-text.
inline constexpr const char* kFaultBlock = "断层组合";
inline constexpr const char* kFaultSense = "断层类型";
inline constexpr const char* kNormalFault = "正断层";
inline constexpr const char* kReverseFault = "逆断层";
inline constexpr const char* kNormalFaultKey = kNormalFault;
inline constexpr const char* kFaultBlockGroup = "断层组合设置";
inline constexpr const char* kHangingWallStyle = "上盘线型";
inline constexpr const char* kHangingWallStyleDescription = "指定上盘线型";
inline constexpr const char* kHangingWallColor = "上盘颜色";
inline constexpr const char* kHangingWallWidth = "上盘粗细";
inline constexpr const char* kFootwallStyle = "下盘线型";
inline constexpr const char* kFootwallColor = "下盘颜色";
inline constexpr const char* kFootwallWidth = "下盘粗细";
inline constexpr const char* kFaultZoneFill = "断裂带填充";
inline constexpr const char* kFaultZoneColor = "断裂带颜色";

// Facies and scattered-attribute codes, appended control points, control and boundary lines
// (the kinds their "类型" items show when built).
inline constexpr const char* kFaciesType = "相类型";
inline constexpr const char* kScatteredType = "离散属性类型";
inline constexpr const char* kCtrlLine = "控制线";
inline constexpr const char* kBoundLine = "边界线";

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

// Well nets.
inline constexpr const char* kWellNetArea = "连通井网区";

// Attribute-store keys: an area's facies or scattered-type code, and the prefixes followed by a
// type text or a body number.
inline constexpr const char* kCodeKey = "数据库代码";
inline constexpr const char* kBrushKeyPrefix = "LOGBRUSH_";
inline constexpr const char* kValidBrushKeyPrefix = "VALIDLOGBRUSH_";
inline constexpr const char* kPenKeyPrefix = "LOGPEN_";
inline constexpr const char* kDotPenKeyPrefix = "DOTLOGPEN_";
inline constexpr const char* kValidPenKeyPrefix = "VALIDLOGPEN_";
inline constexpr const char* kDotValidPenKeyPrefix = "DOTVALIDLOGPEN_";

}  // namespace geotext
