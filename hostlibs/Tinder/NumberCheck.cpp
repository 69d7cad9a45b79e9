#include <boost/lexical_cast.hpp>
#include <cmath>

#include "hosttypes/Tinder/CommonUtility.h"

bool CCommonUtility::IsDigit(const std::string& text) {
    double value = 0;
    // lexical_cast takes the C locale's digits only; a text it refuses is no number.
    if (!boost::conversion::try_lexical_convert(text, value)) return false;
    return std::isfinite(value);
}
