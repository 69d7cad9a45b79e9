// Texts of the single-well section pages that no other section page shows, each defined once (the
// shared ones are in SectionTexts.h and GraphTexts.h).
#pragma once

namespace sgltext {

// Page captions of the single objects.
inline constexpr const char* kCtrlLinePage = "虚拟线设置";
inline constexpr const char* kStratumLinePage = "地层线设置";

// Graph page.
inline constexpr const char* kTopDepthDescription = "顶部深度";
inline constexpr const char* kBottomDepthDescription = "底部深度";
inline constexpr const char* kLeftTrack = "左道";
inline constexpr const char* kRightTrack = "右道";
inline constexpr const char* kRockSampleTrack = "岩样道";
inline constexpr const char* kWellWidth = "井宽(毫米)";
inline constexpr const char* kGradeQuestion = "分层等级改变，现有关系将会被删除，请确定是否改变。";

// Well page.
inline constexpr const char* kDepthRange = "深度范围(米)";

// Sand-unit fill page.
inline constexpr const char* kOwnerStratum = "所属层号";
inline constexpr const char* kInterpretationNumber = "解释序号";
inline constexpr const char* kInterpretationResult = "解释结论";
inline constexpr const char* kOilFill = "油气水填充";
inline constexpr const char* kDefaultFill = "缺省填充";

// Stratum-unit page.
inline constexpr const char* kStratumNameDescription = "地层名";
inline constexpr const char* kBoundary = "界限";
inline constexpr const char* kInterval = "层段";
inline constexpr const char* kFillColorDescription = "指定填充颜色";

// Control-line page.
inline constexpr const char* kLine = "线";

}  // namespace sgltext
