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
inline constexpr const char* kDisplaySettings = "显示设置";
inline constexpr const char* kTextFont = "文本字体";
inline constexpr const char* kBackColor = "背景颜色";
inline constexpr const char* kBackTransparent = "背景透明";
inline constexpr const char* kAlignH = "水平对齐";
// The active interval.
inline constexpr const char* kCurrentSeg = "当前段";
inline constexpr const char* kTopDepth = "顶深";
inline constexpr const char* kBottomDepth = "底深";
inline constexpr const char* kSegTopDescription = "段顶深";
inline constexpr const char* kSegBottomDescription = "段底深";
// ---- perforation and symbol pages ----
inline constexpr const char* kShootTypeField = "射孔类型字段";
inline constexpr const char* kShootTypeDescription = "射孔类型";
inline constexpr const char* kStartDate = "开始日期";
inline constexpr const char* kEndDate = "结束日期";
inline constexpr const char* kShootByDate = "按时间显示射孔段";
inline constexpr const char* kCycleTypeField = "旋回类型字段";
inline constexpr const char* kCycleTypeDescription = "旋回类型";
inline constexpr const char* kLongCycle = "长期旋回";
inline constexpr const char* kMiddleCycle = "中期旋回";
inline constexpr const char* kShortCycle = "短期旋回";
inline constexpr const char* kMargin = "边距";
inline constexpr const char* kBeddingTypeField = "层理类型字段";
inline constexpr const char* kBeddingTypeDescription = "层理类型";
inline constexpr const char* kFitSize = "适应大小";
inline constexpr const char* kSymbolWidth = "符号宽度";
inline constexpr const char* kSymbolHeight = "符号高度";
// The buttons of the symbol pages' colour item.
inline constexpr const char* kOtherColorButton = "Other...";
inline constexpr const char* kDefaultColorButton = "Default";
// Title group.
inline constexpr const char* kName = "名称";
inline constexpr const char* kTitleDirectionDescription = "指定地层标题文字方向";
// ---- data-source kinds of the parameter, result and sand-stratum kits ----
// The type a kit stores for the well's own data (offered as kWellData).
inline constexpr const char* kCurrentWell = "当前井";
// The stratification levels one to five of the well's data, offered as its tables.
inline constexpr const char* kLevelData[] = {"一级分层数据", "二级分层数据", "三级分层数据", "四级分层数据",
                                             "五级分层数据"};
inline constexpr int kLevelCount = 5;
inline constexpr const char* kTableName = "表名";
inline constexpr const char* kField = "字段";
inline constexpr const char* kNullDisplay = "空值显示";
// The field a result kit of graphics stores.
inline constexpr const char* kLogInterpretation = "电测解释";
inline constexpr const char* kCurrentSegProps = "当前段属性";
// ---- parameter style pages ----
inline constexpr const char* kColorTemplate = "颜色模板";
inline constexpr const char* kSizeTemplate = "大小模板";
inline constexpr const char* kBorderColorTemplate = "边界色模板";
inline constexpr const char* kInnerColorTemplate = "内部色模板";
inline constexpr const char* kExButton = "...";
}  // namespace ivtext
