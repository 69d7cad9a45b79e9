// The process's memory, for the long-session benchmark: resident pages, and the bytes the C++
// heap holds (counted by the bench binary's own operator new / delete).
#pragma once

#include <cstddef>

namespace bench {

// Resident set of the process, in KiB (/proc/self/statm).
std::size_t ResidentKiB();
// Bytes currently allocated through operator new (the bench binary's counting hook).
std::size_t HeapBytes();

}  // namespace bench
