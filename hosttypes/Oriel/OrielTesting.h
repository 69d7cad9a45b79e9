// Test hooks of the section library's stand-in: its call log and a reset of its singletons.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"

class CnSand;
class IkelWellAdapter;

namespace oriel::testing {
// Library operations in call order, as "Class::Operation(arguments)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// Off: nothing is logged (benchmarks keep the log from growing); Reset() turns it on again.
void EnableCallLog(bool enable);
// The strata the well data hold for a well, with their top and bottom depths: what
// CStratumAdapter::SetWellName reads for that well (a well without any holds none).
struct WellStratum {
    std::string stratum;
    double top;
    double bottom;
};
void SetWellStrata(const std::string& well, const std::vector<WellStratum>& strata);
// Clears the call log, the well strata and the singletons (current container, display record,
// update view).
void Reset();

// Called with every entry as it is logged (tests that follow calls across libraries in one
// order); an empty function stops it. Reset() clears it.
void SetLogListener(std::function<void(const std::string&)> listener);

// The last brush the current container applied to a sand (ScContainer::ApplySandBrush), with
// the well and sand it was given; false when none since the last Reset().
struct AppliedSandBrush {
    IkelWellAdapter* well;
    CnSand* sand;
    QXLOGBRUSH brush;
};
bool LastSandBrush(AppliedSandBrush* applied);

// The text and flag of the last ScUtility::JudgeFigure call; false when none since the last Reset().
struct JudgedText {
    std::string text;
    bool flag;
};
bool LastJudgedText(JudgedText* judged);
}  // namespace oriel::testing
