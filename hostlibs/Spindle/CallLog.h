// The stand-in's own record of the calls made into it.
#pragma once

#include <string>

namespace spindle::detail {
void Log(const std::string& entry);
void ResetCreateRefusal();
}  // namespace spindle::detail
