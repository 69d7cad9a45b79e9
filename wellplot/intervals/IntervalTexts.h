// Texts the interval pages share, each defined once.
#pragma once

namespace ivtext {
// Data sources.
inline constexpr const char* kDataSource = "数据源";
inline constexpr const char* kType = "类型";
inline constexpr const char* kWellData = "井数据";
inline constexpr const char* kDiscreteData = "离散数据";
inline constexpr const char* kGraphic = "图形";
inline constexpr const char* kDataTable = "数据表";
inline constexpr const char* kDiscreteTable = "离散表";
// Tables of the well data.
inline constexpr const char* kCorelithTable = "岩性数据";
inline constexpr const char* kSegmentTablePrefix = "段数据.";
inline constexpr const char* kSegmentData1 = "段数据1";
inline constexpr const char* kSegmentData2 = "段数据2";
inline constexpr const char* kSegmentData3 = "段数据3";
inline constexpr const char* kCoringTable = "取芯综合数据";
// Display groups.
inline constexpr const char* kDisplay = "显示参数";
inline constexpr const char* kFontSetting = "字体设置";
inline constexpr const char* kLineSetting = "线型设置";
inline constexpr const char* kDivideLine = "分界线";
inline constexpr const char* kStyle = "样式";
// The active interval.
inline constexpr const char* kCurrentSeg = "当前段";
inline constexpr const char* kTopDepth = "顶深";
inline constexpr const char* kBottomDepth = "底深";
inline constexpr const char* kSegTopDescription = "段顶深";
inline constexpr const char* kSegBottomDescription = "段底深";
// Title group.
inline constexpr const char* kName = "名称";
inline constexpr const char* kTitleDirectionDescription = "指定地层标题文字方向";
}  // namespace ivtext
