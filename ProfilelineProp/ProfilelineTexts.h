// Texts of the profile-line property windows, each defined once.
#pragma once

namespace pltext {

// Page captions.
inline constexpr const char* kEntityPage = "图";
inline constexpr const char* kWellLabelPage = "井名";
inline constexpr const char* kWellTrackPage = "井轨迹";
inline constexpr const char* kWellSymbolPage = "井符号";
inline constexpr const char* kProfileLinePage = "剖面线";
inline constexpr const char* kDataPage = "数据";
inline constexpr const char* kReferencePage = "参考信息";

// Pages whose grid could not be made.
inline constexpr const char* kDataPageFailed = "创建CPlLayerData属性页错误:";
inline constexpr const char* kLinePageFailed = "创建CPlLayerLine属性页错误:";
inline constexpr const char* kWellNamePageFailed = "创建CPlLayerWellName属性页错误:";
inline constexpr const char* kWellSymbolPageFailed = "创建CPlLayerWellSymbol属性页错误:";
inline constexpr const char* kWellLabelPageFailed = "创建CPlWellLabelProperty属性页错误:";

// Data page.
inline constexpr const char* kWellPlace = "井位";
inline constexpr const char* kStratumName = "层名";
inline constexpr const char* kSeaLevelDepth = "海拔深";
inline constexpr const char* kWellHead = "井口";
inline constexpr const char* kWellBottom = "井底";
inline constexpr const char* kTargetLevel1 = "目的层(一级)";
inline constexpr const char* kTargetLevel2 = "目的层(二级)";
inline constexpr const char* kTargetLevel3 = "目的层(三级)";
inline constexpr const char* kTargetLevel4 = "目的层(四级)";
inline constexpr const char* kTargetLevel5 = "目的层(五级)";
inline constexpr const char* kWellSeaLevel = "井海拔深";

// Line page.
inline constexpr const char* kRandomColor = "颜色随机";
inline constexpr const char* kRandomColorDescription = "颜色是否随机显示";

// Reference page.
inline constexpr const char* kReferenceInfo = "参考信息";
inline constexpr const char* kShowPlaneMapDescription = "是否显示平面图图层";
inline constexpr const char* kPlaneMapChoice = "平面图选择";
inline constexpr const char* kPlaneMapChoiceDescription = "显示该图“等值线，断层，沉积相”图层";
inline constexpr const char* kLayers = "图层";
inline constexpr const char* kShowLayerPrefix = "是否显示";
inline constexpr const char* kShowLayerSuffix = "图层";
inline constexpr const char* kPlaneMapFolder = "\\Map\\Plane";
inline constexpr const char* kPathSeparator = "\\";
inline constexpr const char* kPlaneMapExtension = ".LVN";

// Well-name page.
inline constexpr const char* kShowDescription = "是否显示";
inline constexpr const char* kFontGroup = "字型";
inline constexpr const char* kFontTemplate = "字体模板";
inline constexpr const char* kFontTemplateDescription = "设置字体模板";
inline constexpr const char* kColorTemplate = "颜色模板";
inline constexpr const char* kColorTemplateDescription = "设置颜色模板";
inline constexpr const char* kWellNameColorDescription = "指定井名颜色";
inline constexpr const char* kPosition = "位置";
inline constexpr const char* kReferObject = "参考对象";
inline constexpr const char* kReferObjectDescription = "设置参考对象";
inline constexpr const char* kReferWell = "井";
inline constexpr const char* kReferBaseLine = "井排基线";
inline constexpr const char* kRelativePos = "相对位置";
inline constexpr const char* kRelativePosDescription = "设置相对位置";
inline constexpr const char* kPosTop = "上";
inline constexpr const char* kPosBottom = "下";
inline constexpr const char* kPosLeft = "左";
inline constexpr const char* kPosRight = "右";
inline constexpr const char* kPosTopLeft = "左上";
inline constexpr const char* kPosBottomLeft = "左下";
inline constexpr const char* kPosTopRight = "右上";
inline constexpr const char* kPosBottomRight = "右下";
inline constexpr const char* kOffset = "偏移量";
inline constexpr const char* kOffsetDescription = "设置偏移量";

// Well-symbol page.
inline constexpr const char* kCurrentSymbol = "当前层符号";
inline constexpr const char* kHeadSymbol = "井口符号";
inline constexpr const char* kBottomSymbol = "井底符号";
inline constexpr const char* kUpperTrack = "上段井轨迹";
inline constexpr const char* kLowerTrack = "下段井轨迹";
inline constexpr const char* kTrackMode = "井轨迹显示方式";
inline constexpr const char* kTrackModeDescription = "指定轨迹显示方式";
inline constexpr const char* kRealTrack = "实际轨迹";
inline constexpr const char* kStraightTrack = "直线";

// Object pages.
inline constexpr const char* kType = "类型";
inline constexpr const char* kSequenceLine = "顺序连井线";
inline constexpr const char* kProjectionLine = "投影连井线";
inline constexpr const char* kWidthDescription = "设置粗细";
inline constexpr const char* kAngle = "投影角度";
inline constexpr const char* kAngleDescription = "设置投影角度，正北为0°，逆顺时针为正。范围是[0-360)";
inline constexpr const char* kOwnerWell = "对应井号";
inline constexpr const char* kOtherColors = "其他...";
inline constexpr const char* kLabelText = "文本";
inline constexpr const char* kLabelTextDescription = "注释";
inline constexpr const char* kWellName = "井名";
inline constexpr const char* kCoordinates = "坐标";
inline constexpr const char* kAbscissa = "横坐标";
inline constexpr const char* kOrdinate = "纵坐标";
inline constexpr const char* kSymbol = "符号";
inline constexpr const char* kLineSettings = "线设置";
inline constexpr const char* kTrackShowMode = "轨迹显示方式";

}  // namespace pltext
