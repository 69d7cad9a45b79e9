// The section library keeps some widths, sizes and shares in single precision. A value single
// precision cannot hold (or no number at all) leaves the field as it was instead of being
// narrowed into an undefined value.
#pragma once

#include <cfloat>
#include <cmath>

namespace oriel {

inline bool StoreSingle(float& field, double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return false;
    field = static_cast<float>(value);
    return true;
}

}  // namespace oriel
