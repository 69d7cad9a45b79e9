// Texts of the geology lists (contours, faults, and the facies and boundary lists beside them),
// each defined once. Fault kinds are the objects' type names as the map stores them.
#pragma once

namespace geotext {

// Values, statistics and the line items these lists share.
inline constexpr const char* kValue = "值";
inline constexpr const char* kValueInterval = "值区间";
inline constexpr const char* kStatistics = "统计";
inline constexpr const char* kArea = "面积";
inline constexpr const char* kLineGroup = "线";
inline constexpr const char* kWidth = "宽度";
inline constexpr const char* kBoundaryColorDescription = "指定边界线颜色";
inline constexpr const char* kBoundaryStyleDescription = "指定边界线型";
inline constexpr const char* kColorDescription = "指定颜色";
inline constexpr const char* kFillColor = "填充颜色";
inline constexpr const char* kFillColorDescription = "指定填充颜色";

// Contour labels.
inline constexpr const char* kLabelGroup = "标签";
inline constexpr const char* kSizeDescription = "设置大小";
inline constexpr const char* kDecimals = "小数位数";
inline constexpr const char* kDecimalsDescription = "设置小数位数";
inline constexpr const char* kLabelStart = "开始位置";
inline constexpr const char* kLabelStartDescription = "设置开始位置";
inline constexpr const char* kLabelSpacing = "间隔";
inline constexpr const char* kLabelSpacingDescription = "设置间隔";
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
inline constexpr const char* kNormalFaultKey = "正断层";
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

}  // namespace geotext
