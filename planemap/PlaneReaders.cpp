#include "planemap/PlaneReaders.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "win32/Crt.h"

namespace planemap {

namespace {

CString Trimmed(const CString& text) {
    CString t(text);
    t.Trim();
    return t;
}

}  // namespace

bool ReadNumber(const CString& text, double scale, double* value) {
    const double v = crt::Atof(text) * scale;
    if (!std::isfinite(v)) return false;
    *value = v;
    return true;
}

bool ReadFloat(const CString& text, double scale, float* value) {
    double v = 0;
    if (!ReadNumber(text, scale, &v) || std::fabs(v) > FLT_MAX) return false;
    *value = static_cast<float>(v);
    return true;
}

bool ReadFloatThenScale(const CString& text, float scale, float* value) {
    float single = 0;
    if (!ReadFloat(text, 1, &single)) return false;
    const float scaled = single * scale;
    if (!std::isfinite(scaled)) return false;
    *value = scaled;
    return true;
}

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!crt::IsDigit(c)) return false;
    return true;
}

bool ReadWholeUnsigned(const CString& text, unsigned* value) {
    const std::string digits = Trimmed(text).str();
    if (!IsDigits(digits)) return false;
    std::uint64_t n = 0;
    for (char c : digits) {
        n = n * 10 + static_cast<unsigned>(c - '0');
        if (n > UINT32_MAX) return false;
    }
    *value = static_cast<unsigned>(n);
    return true;
}

bool ReadWholeDouble(const CString& text, double* value) {
    const CString t = Trimmed(text);
    if (t.IsEmpty()) return false;
    std::size_t consumed = 0;
    const double v = crt::Atof(t, &consumed);
    if (consumed != static_cast<std::size_t>(t.GetLength()) || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

}  // namespace planemap
