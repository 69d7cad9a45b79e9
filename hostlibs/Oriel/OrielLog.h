// The stand-in's call log, shared by its source files.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Oriel/OrielTesting.h"
#include "mfc/String.h"

namespace oriel::detail {
void Log(const std::string& entry);
// "%g" in the "C" locale, for the log's numbers.
std::string Num(double v);
// The strata the well data hold for a well (none unless a test gave some).
const std::vector<oriel::testing::WellStratum>& WellStrata(const std::string& well);
// Keeps the container's last sand brush for oriel::testing::LastSandBrush.
void RecordSandBrush(IkelWellAdapter* well, CnSand* sand, const QXLOGBRUSH& brush);
// Keeps the last text and flag handed to ScUtility::JudgeFigure for oriel::testing::LastJudgedText.
void RecordJudgedText(const CString& text, bool flag);
}  // namespace oriel::detail
