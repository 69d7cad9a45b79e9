// The stand-in's call log, shared by its source files.
#pragma once

#include <string>

#include "mfc/String.h"

namespace oriel::detail {
void Log(const std::string& entry);
// "%g" in the "C" locale, for the log's numbers.
std::string Num(double v);
}  // namespace oriel::detail
