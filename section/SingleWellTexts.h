// Texts of the single-well section pages, each defined once: those the multi-well pages show too
// are taken from MultiWellTexts.h (the other shared ones are in SectionTexts.h and GraphTexts.h).
#pragma once

#include "section/MultiWellTexts.h"

namespace sgltext {

// Page captions of the single objects.
inline constexpr const char* kCtrlLinePage = "虚拟线设置";
inline constexpr const char* kStratumLinePage = multiwelltext::kStratumLinePage;

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
inline constexpr const char* kOwnerStratum = multiwelltext::kStratumNumber;
inline constexpr const char* kInterpretationNumber = multiwelltext::kInterpretNumber;
inline constexpr const char* kInterpretationResult = multiwelltext::kConclusion;
inline constexpr const char* kOilFill = multiwelltext::kOilGasWaterFill;
inline constexpr const char* kDefaultFill = multiwelltext::kDefaultFill;

// Stratum-unit page.
inline constexpr const char* kStratumNameDescription = "地层名";
inline constexpr const char* kBoundary = multiwelltext::kBoundary;
inline constexpr const char* kInterval = multiwelltext::kInterval;
inline constexpr const char* kFillColorDescription = multiwelltext::kFillDescription;

// Control-line page.
inline constexpr const char* kLine = "线";

}  // namespace sgltext
