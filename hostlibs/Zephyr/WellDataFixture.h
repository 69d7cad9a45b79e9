// Well data for tests, benchmarks and the demo host: layering of several levels with their
// parent and sub-unit relations, sand data and the well's curve names.
#pragma once

#include <vector>

class LogStratumDIO;
class WDMgrIO;

namespace zephyr {

// A layering unit: name, top depth and thickness in metres, and the name of its parent unit in the
// level above ("" for none).
struct UnitDef {
    const char* name;
    double top;
    double thickness;
    const char* parent = "";
};

// Sets the layering of level on data, units in the order given, replacing what the level held.
// Each unit takes as parent the first unit of level - 1 of its parent's name, and that parent
// learns its first and last sub-unit; so the levels are set from the coarsest down.
LogStratumDIO* SetLayering(WDMgrIO* data, int level, const std::vector<UnitDef>& units);

// The sample well data (a new object the caller owns, for CWpWell::SetDataMgr):
// - level 0: "沙一段" 1000-1200, "沙二段" 1200-1500;
// - level 1: "沙一1" 1000-1100, "沙一2" 1100-1200 (in 沙一段), "沙二1" 1200-1350, "沙二2" 1350-1500 (in 沙二段);
// - level 2: "沙二1-1" 1200-1280, "沙二1-2" 1280-1350 (in 沙二1), "沙二2-1" 1350-1500 (in 沙二2);
// - sand data of kind 1 with three records;
// - curves "GR", "SP", "AC", "RT", "CAL".
WDMgrIO* NewSampleWellData();

}  // namespace zephyr
