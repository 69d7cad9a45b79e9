// Modification stamps: every call answers a value greater than any answered before, so an
// object stamped later always compares newer than one stamped earlier.
#pragma once

#include <cstdint>

uint64_t AfxGetTimeStamp();

namespace tinder::testing {
// The next call of AfxGetTimeStamp answers `next`, and the ones after it count up from there.
void ResetTimeStamp(uint64_t next = 1);
}  // namespace tinder::testing
