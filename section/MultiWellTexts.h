// Texts of the multi-well section's scale-bar, stratum-line, sand-fill and ruler-frame pages, each
// defined once: those the other section pages show too are taken from their headers; texts the
// item groups share are in framework/GroupTexts.h and framework/StyleGroupTexts.h.
#pragma once

#include "section/GraphTexts.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionTexts.h"

namespace multiwelltext {

// Page captions.
inline constexpr const char* kScalePage = "比例尺";
inline constexpr const char* kStratumLinePage = "地层线设置";
inline constexpr const char* kSandFillPage = "砂体填充";
inline constexpr const char* kRulerFramePage = sectiontext::kFrame;

// Scale bar.
inline constexpr const char* kScaleType = "比例尺类型";
inline constexpr const char* kCaption = sectiontext::kName;
inline constexpr const char* kContent = "内容";
inline constexpr const char* kOffset = "偏移";
inline constexpr const char* kStyle = "风格";
inline constexpr const char* kTicks = "刻度设置";
inline constexpr const char* kTickInterval = "间距(mm)";
inline constexpr const char* kTickHeight = "高度(mm)";
inline constexpr const char* kTickCount = "个数";
inline constexpr const char* kUnit = sectiontext::kUnit;
inline constexpr const char* kUnitKilometreBracketed = "(千米)";
inline constexpr const char* kUnitKm = sectiontext::kKilometreShort;
inline constexpr const char* kUnitM = sectiontext::kMetreShort;
inline constexpr const char* kUnitGongli = "公里";
inline constexpr const char* kUnitMetre = sectiontext::kMetre;
inline constexpr const char* kUnitKilometre = sectiontext::kKilometre;
inline constexpr const char* kLabel = sectiontext::kLabel;
inline constexpr const char* kAlignment = "对齐方式";
inline constexpr const char* kDigits = "小数位数";
inline constexpr const char* kDigitsRange = "请输入大于0，小于3的整数";
inline constexpr const char* kLineSettings = "线型设置";

// Stratum line.
inline constexpr const char* kStratumName = sectiontext::kStratumName;
inline constexpr const char* kStratumNameDescription = "地层线所在的层";
inline constexpr const char* kBoundary = "界限";
inline constexpr const char* kInterval = "层段";
inline constexpr const char* kFill = sectiontext::kFill;
inline constexpr const char* kFillDescription = "指定填充颜色";
inline constexpr const char* kOtherColours = sectiontext::kOtherColors;
inline constexpr const char* kNameFont = sectiontext::kStratumNameStyle;

// Sand fill.
inline constexpr const char* kStratumNumber = "所属层号";
inline constexpr const char* kInterpretNumber = "解释序号";
inline constexpr const char* kConclusion = "解释结论";
inline constexpr const char* kFaciesFill = "沉积相填充";
inline constexpr const char* kSandstoneFill = "砂岩填充";
inline constexpr const char* kOilGasWaterFill = "油气水填充";
inline constexpr const char* kSingleFill = sectiontext::kSingleFill;
inline constexpr const char* kCustomFill = "自定义";
inline constexpr const char* kNoFill = "无";
inline constexpr const char* kDefaultFill = "缺省填充";

// Ruler frame.
inline constexpr const char* kFrame = "边框";
inline constexpr const char* kSideMarks = sectiontext::kSidesMarks;
inline constexpr const char* kLevelMarks = "横向刻度及标注";
inline constexpr const char* kPosition = sectiontext::kPosition;
inline constexpr const char* kInside = "内侧";
inline constexpr const char* kOutside = "外侧";
inline constexpr const char* kBothSides = "内外侧";
inline constexpr const char* kStartDepth = "起始深度";
inline constexpr const char* kEndDepth = "终止深度";
inline constexpr const char* kMarkInterval = "刻度间隔(m)";
inline constexpr const char* kMajorMarks = sectiontext::kMajorMarks;
inline constexpr const char* kMinorMarks = sectiontext::kMinorMarks;
inline constexpr const char* kFrequency = sectiontext::kFrequency;
inline constexpr const char* kLength = sectiontext::kLength;
inline constexpr const char* kGrid = "网格";
inline constexpr const char* kLevelGrid = "横向网格";
inline constexpr const char* kUprightGrid = "纵向网格";
inline constexpr const char* kGridInterval = "间隔(m)";
inline constexpr const char* kTitle = "图头";
inline constexpr const char* kInscription = "落款";

}  // namespace multiwelltext
