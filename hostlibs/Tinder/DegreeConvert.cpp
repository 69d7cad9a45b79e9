#include "hosttypes/Tinder/DegreeConvert.h"

#include <climits>
#include <cmath>

bool ConvertDegToDegMintSec(double value, int& degrees, int& minutes, int& seconds) {
    // Beyond INT_MAX degrees the whole degrees would not fit; the bound also keeps llround exact.
    const double magnitude = std::fabs(value);
    if (!std::isfinite(value) || magnitude >= static_cast<double>(INT_MAX)) return false;
    // Rounding the whole angle in seconds (not each part) makes the carries come out right.
    const long long total = std::llround(magnitude * 3600.0);
    const long long whole = total / 3600;
    const int sign = value < 0 ? -1 : 1;
    degrees = sign * static_cast<int>(whole);
    minutes = sign * static_cast<int>((total % 3600) / 60);
    seconds = sign * static_cast<int>(total % 60);
    return true;
}
