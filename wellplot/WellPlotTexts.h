// Texts the well-plot pages share, each defined once.
#pragma once

namespace wptext {
// Apply scopes.
inline constexpr const char* kApplyTo = "设置应用到";
inline constexpr const char* kFontApplyTo = "设置字体应用到";
inline constexpr const char* kSameKindInPlot = "当前图内同类对象";
inline constexpr const char* kAllInPlot = "当前图内所有对象";
inline constexpr const char* kAllTracks = "当前图内所有道";
inline constexpr const char* kThisContentTrack = "当前内容道";
inline constexpr const char* kAllContentTracks = "当前图内所有内容道";
inline constexpr const char* kThisDepthTrack = "当前深度道";
// Visibility items.
inline constexpr const char* kVisibility = "显隐";
inline constexpr const char* kShown = "显示";
inline constexpr const char* kHidden = "隐藏";
// Recurring captions.
inline constexpr const char* kTitle = "标题";
inline constexpr const char* kText = "文本";
inline constexpr const char* kFont = "字体";
inline constexpr const char* kDirection = "方向";
inline constexpr const char* kIntervalMetres = "间隔(米)";
inline constexpr const char* kFormat = "格式";
inline constexpr const char* kScaleLines = "刻度线";
inline constexpr const char* kScale = "刻度";
inline constexpr const char* kType = "类型";
// The line-style group the frame and grid-line pens are picked from.
inline constexpr const char* kCommonLines = "常用线形";
// Page captions of the kit property sheet.
inline constexpr const char* kPageOther = "其它";
inline constexpr const char* kPageHead = "图头";
inline constexpr const char* kPageDepth = "深度道";
inline constexpr const char* kPageTrack = "内容道";
inline constexpr const char* kPageGrid = "网格线";
inline constexpr const char* kPageProgram = "程序";
// ---- well column and curves ----
// Messages of the well column (OK only).
inline constexpr const char* kBadDepthRange = "深度范围不合法！";
inline constexpr const char* kBadTopUnit = "顶层单元不合法！";
inline constexpr const char* kBadBottomUnit = "底层单元不合法！";
// No layering unit.
inline constexpr const char* kUnknownUnit = "未知";
inline constexpr const char* kPageWell = "柱状图";
inline constexpr const char* kPageCurve = "曲线";
}  // namespace wptext
