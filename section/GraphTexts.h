// Texts of the "图设置" pages of the section kinds, each defined once (the texts they share with
// the other section pages are in SectionTexts.h).
#pragma once

namespace sectiontext {

inline constexpr const char* kGraphPage = "图设置";

inline constexpr const char* kWellTemplate = "井模板";
inline constexpr const char* kLayout = "布局";
inline constexpr const char* kSpacingType = "间隔类型";
inline constexpr const char* kEqualSpacing = "等间隔";
inline constexpr const char* kRealDistance = "实际距离";
inline constexpr const char* kProjection = "投影";
inline constexpr const char* kSpacingInterval = "间隔设置(米)";
inline constexpr const char* kProjectionType = "投影类型";
inline constexpr const char* kAlongX = "X方向";
inline constexpr const char* kAlongY = "Y方向";
inline constexpr const char* kFirstToLast = "按首尾连线";
inline constexpr const char* kSectionLine = "按剖面线";
inline constexpr const char* kSpacingLayer = "井距参考层";
inline constexpr const char* kWellHead = "井口";
inline constexpr const char* kWellBottom = "井底";
inline constexpr const char* kXScale = "横向比例";
inline constexpr const char* kYScale = "纵向比例";
inline constexpr const char* kScalePrefix = "1:";
inline constexpr const char* kConnectPos = "层连接位置";
inline constexpr const char* kWellTrack = "井轨迹(中心线)";
inline constexpr const char* kWellColumn = "井柱";
inline constexpr const char* kContentTrack = "内容道";
inline constexpr const char* kStratumSandTrack = "地层||砂岩道";
inline constexpr const char* kJointPositions = "左右搭接位置";
inline constexpr const char* kLeftJoint = "左搭接位置(毫米)";
inline constexpr const char* kLeftJointDescription = "左搭接位置距井轨迹中心线的距离";
inline constexpr const char* kRightJoint = "右搭接位置(毫米)";
inline constexpr const char* kRightJointDescription = "右搭接位置距井轨迹中心线的距离";
inline constexpr const char* kShowJointLine = "显示搭接线";
inline constexpr const char* kFillWellBlank = "填充井柱空白";
inline constexpr const char* kGrade = "分层级别";
inline constexpr const char* kGrade1 = "一级";
inline constexpr const char* kGrade2 = "二级";
inline constexpr const char* kGrade3 = "三级";
inline constexpr const char* kGrade4 = "四级";
inline constexpr const char* kGrade5 = "五级";
inline constexpr const char* kOther = "其它";
inline constexpr const char* kGraphWellWidth = "井宽度(毫米)";
inline constexpr const char* kGraphWellWidthDescription = "指定井宽度";
inline constexpr const char* kLeftExtend = "左延伸长度(米)";
inline constexpr const char* kLeftExtendDescription = "左延出长度";
inline constexpr const char* kRightExtend = "右延伸长度(米)";
inline constexpr const char* kRightExtendDescription = "右延出长度";
inline constexpr const char* kExtendForm = "左右延伸形态";
inline constexpr const char* kExtendFormInitial = "延出的形态";
inline constexpr const char* kHorizontalExtend = "水平处理";
inline constexpr const char* kExtrapolatedExtend = "外推处理";
inline constexpr const char* kShowVirtualWell = "显示虚拟井";
inline constexpr const char* kCalVirtualStrata = "计算虚拟缺失层位";
inline constexpr const char* kConnectVirtualStrata = "邻井连接到虚拟层位";
inline constexpr const char* kStratumNameStyle = "层名样式";
inline constexpr const char* kStratumNamePlace = "层名显示";
inline constexpr const char* kLeftShown = "左边显示";
inline constexpr const char* kRightShown = "右边显示";
inline constexpr const char* kBothShown = "两边显示";

}  // namespace sectiontext
