#include "hosttypes/Tinder/TimeStamp.h"

#include <atomic>

namespace {
// Starts at 1: panes that have shown nothing hold 0 (or all ones), which no stamp equals.
std::atomic<uint64_t> g_next{1};
}  // namespace

uint64_t AfxGetTimeStamp() { return g_next.fetch_add(1, std::memory_order_relaxed); }

namespace tinder::testing {
void ResetTimeStamp(uint64_t next) { g_next.store(next, std::memory_order_relaxed); }
}  // namespace tinder::testing
