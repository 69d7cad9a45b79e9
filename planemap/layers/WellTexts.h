// Texts of the well and stratum-section lists and pages, each defined once.
#pragma once

#include "framework/GroupTexts.h"
#include "framework/StyleGroupTexts.h"

namespace welltext {

// Map-object type names.
inline constexpr const char* kWellSymbol = "井位";
inline constexpr const char* kWellHead = "井口";
inline constexpr const char* kWellBottom = "井底";
inline constexpr const char* kAbsenceMark = "缺失标志";
inline constexpr const char* kUpperPath = "上部井斜线";
inline constexpr const char* kLowerPath = "下部井斜线";
inline constexpr const char* kBaseLine = "井排基线";
inline constexpr const char* kRowLine = "井排线";
inline constexpr const char* kWellLabel = "井名";

// Attribute keys.
inline constexpr const char* kAbsenceTypeKey = "缺失类型";
inline constexpr const char* kTemplateKey = "模板";
inline constexpr const char* kNameCreated = "NAME_ISCREATED";
inline constexpr const char* kBaseLineCreated = "BASELINE_ISCREATED";
inline constexpr const char* kAbsenceCreated = "ABSENCE_ISCREATED";
inline constexpr const char* kStratumCreated = "STRATUM_ISCREATED";
inline constexpr const char* kConnectionCreated = "CONNECTION_ISCREATED";

// Items shared by several lists and pages.
inline constexpr const char* kShowDescription = "是否显示";
inline constexpr const char* kSwitchCaption = "TRUE";  // what a switch shows until the first refresh
inline constexpr const char* kWellName = "井名";
inline constexpr const char* kSymbol = "符号";
inline constexpr const char* kWidth = "粗细";
inline constexpr const char* kWidthDescription = "设置粗细";
inline constexpr const char* kColorDescription = "指定颜色";
inline constexpr const char* kLabelColorDescription = "指定井名颜色";
inline constexpr const char* kCommonPoints = "常用点";
inline constexpr const char* kCommonPointStyles = "常用点风格";
inline constexpr const char* kWellSymbols = "井符号";
inline constexpr const char* kSpecialMarks = "特殊标志";
inline constexpr const char* kTrackMode = "轨迹显示方式";
inline constexpr const char* kTrackModeDescription = "指定轨迹显示方式";
inline constexpr const char* kRealTrack = "实际轨迹";
inline constexpr const char* kStraight = "直线";
inline constexpr const char* kReferObject = "参考对象";
inline constexpr const char* kReferObjectDescription = "设置参考对象";
inline constexpr const char* kWell = "井";
inline constexpr const char* kRelativePlace = "相对位置";
inline constexpr const char* kRelativePlaceDescription = "设置相对位置";
inline constexpr const char* kOffset = "偏移量";
inline constexpr const char* kOffsetDescription = "设置偏移量";
inline constexpr const char* kTemplateButton = "...";

// Well object lists.
inline constexpr const char* kCoordinates = "坐标";
inline constexpr const char* kChooseAbsenceType = "选择缺失类型";
inline constexpr const char* kChooseAbsenceTypeDescription = "设置选择缺失类型";
inline constexpr const char* kAbsenceWell = "对应井名";
inline constexpr const char* kAbsenceWellDescription = "缺失标志对应的井名";
inline constexpr const char* kRowNumber = "井排号";
inline constexpr const char* kLabelWell = "对应井号";

// Stratum well-graph list.
inline constexpr const char* kStratumSection = "层段剖面";
inline constexpr const char* kWellNumber = "井号";
inline constexpr const char* kWellColumn = "井柱";
inline constexpr const char* kStartUnit = "起始小层";
inline constexpr const char* kStopUnit = "终止小层";
inline constexpr const char* kTemplate = "模板";
inline constexpr const char* kTemplateDescription = "设置模板";
inline constexpr const char* kBorderStyleDescription = "指定边界线型";
inline constexpr const char* kBorderColorDescription = "指定边界线颜色";

// Well layer name page.
inline constexpr const char* kFontTemplate = "字体模板";
inline constexpr const char* kFontTemplateDescription = "指定字体模板";
inline constexpr const char* kColorTemplate = "颜色模板";
inline constexpr const char* kColorTemplateDescription = "设置颜色模板";
inline constexpr const char* kSizeDescription = "设置大小";
inline constexpr const char* kNoBaseLine = "未找到井排基线！";

// Well layer symbol page.
inline constexpr const char* kLayerSymbol = "当前层符号";
inline constexpr const char* kHeadSymbol = "井口符号";
inline constexpr const char* kBottomSymbol = "井底符号";
inline constexpr const char* kUpperTrack = "上段井轨迹";
inline constexpr const char* kLowerTrack = "下段井轨迹";

// Well layer base-line page.
inline constexpr const char* kBaseLineGroup = "井排基准线";
inline constexpr const char* kOffsetType = "位置偏移";
inline constexpr const char* kOffsetTypeDescription = "设置位置偏移";
inline constexpr const char* kAbove = "偏上侧";
inline constexpr const char* kMiddle = "中间位置";
inline constexpr const char* kBelow = "偏下侧";
inline constexpr const char* kVerticalOffset = "纵向偏移(mm)";
inline constexpr const char* kVerticalOffsetDescription = "设置纵向偏移";
inline constexpr const char* kEndLength = "两端延长(mm)";
inline constexpr const char* kEndLengthDescription = "设置两端延长";
inline constexpr const char* kQueueGroup = "井排连线";

// Well layer absence page.
inline constexpr const char* kAbsenceSymbols = "缺失类别符号设置";
inline constexpr const char* kCommonSymbols = "常用符号";
inline constexpr const char* kSymbolDescription = "指定符号";

// Stratum-section pages.
inline constexpr const char* kTemplateOption = "模板";
inline constexpr const char* kDepthScale = "纵向比例 1：";
inline constexpr const char* kDepthScaleDescription = "设置纵向比例";
inline constexpr const char* kZoom = "整体缩放比例";
inline constexpr const char* kZoomDescription = "设置整体缩放比例";
inline constexpr const char* kUpExtra = "顶部延伸厚度";
inline constexpr const char* kUpExtraDescription = "设置顶部延伸厚度";
inline constexpr const char* kDownExtra = "底部延伸厚度";
inline constexpr const char* kDownExtraDescription = "设置底部延伸厚度";
inline constexpr const char* kVerticalRefer = "纵向参考";
inline constexpr const char* kVerticalReferDescription = "设置纵向参考";
inline constexpr const char* kTopAlign = "顶部起伏调整";
inline constexpr const char* kTopAlignDescription = "设置顶部起伏调整";
inline constexpr const char* kVerticalDistance = "偏移距离";
inline constexpr const char* kVerticalDistanceDescription = "设置偏移距离";
inline constexpr const char* kHorizontalRefer = "横向参考";
inline constexpr const char* kHorizontalReferDescription = "设置横向参考";
inline constexpr const char* kRiverFacies = "河道相";
inline constexpr const char* kOtherFacies = "其它相";
inline constexpr const char* kPenWidth = "宽度";

}  // namespace welltext
