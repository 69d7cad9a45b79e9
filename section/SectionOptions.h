// Option texts of the section pages and the record values they stand for, read both ways
// (ValueOfText / TextOfValue), each table defined once for every page that offers it.
#pragma once

#include "framework/OptionTables.h"
#include "section/SectionTexts.h"

namespace sectiontext {

// The depth of a section: measured, vertical or elevation depth.
inline constexpr TextValue kDepthTypes[] = {{kMeasuredDepth, 0}, {kVerticalDepth, 1}, {kElevationDepth, 2}};
// The display range of a section or well: by depth or by strata.
inline constexpr TextValue kRangeTypes[] = {{kByDepth, 0}, {kByStrata, 1}};
constexpr int kStrataRange = 1;

}  // namespace sectiontext
