#include "framework/NumberText.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "win32/Crt.h"

namespace numtext {

namespace {

// The store rule: a number that reads as zero is +0, so no field ever holds a negative zero.
double Unsigned0(double v) { return v == 0 ? 0.0 : v; }
float Unsigned0(float v) { return v == 0 ? 0.0f : v; }

CString Trimmed(const CString& text) {
    CString t(text);
    t.Trim();
    return t;
}

// The number when it is the whole of text (no blanks allowed), finite.
bool ExactNumber(const CString& text, double* value) {
    if (text.IsEmpty() || crt::IsSpace(text[0])) return false;
    std::size_t consumed = 0;
    const double v = crt::Atof(text, &consumed);
    if (consumed != text.str().size() || !std::isfinite(v)) return false;
    *value = Unsigned0(v);
    return true;
}

template <class Int>
bool FitWhole(double value, double scale, Int* field, long long low, long long high) {
    double scaled = 0;
    if (!Scale(value, scale, &scaled)) return false;
    const double whole = std::trunc(scaled);
    if (whole < static_cast<double>(low) || whole > static_cast<double>(high)) return false;
    *field = static_cast<Int>(whole);
    return true;
}

template <class Int>
bool IntegerIn(const CString& text, long long low, long long high, Int* value) {
    long long n = 0;
    if (!LeadingInteger(text, &n) || n < low || n > high) return false;
    *value = static_cast<Int>(n);
    return true;
}

}  // namespace

// ---- reading a text ----------------------------------------------------------------------------------

bool LeadingNumber(const CString& text, double* value) {
    const double v = crt::Atof(text);
    if (!std::isfinite(v)) return false;
    *value = Unsigned0(v);
    return true;
}

bool StartsWithNumber(const CString& text) {
    std::size_t consumed = 0;
    crt::Atof(text, &consumed);
    return consumed > 0;
}

bool LeadingInteger(const CString& text, long long* value) {
    const char* p = text;
    while (crt::IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Magnitudes are gathered as unsigned so that the lowest 64-bit value reads too.
    const unsigned long long limit = negative ? static_cast<unsigned long long>(LLONG_MAX) + 1 : LLONG_MAX;
    unsigned long long n = 0;
    for (; crt::IsDigit(*p); ++p) {
        const unsigned digit = static_cast<unsigned>(*p - '0');
        if (n > (limit - digit) / 10) return false;
        n = n * 10 + digit;
    }
    *value = negative ? static_cast<long long>(0 - n) : static_cast<long long>(n);
    return true;
}

bool LeadingInt(const CString& text, int* value) { return IntegerIn(text, INT_MIN, INT_MAX, value); }

bool LeadingWhole(const CString& text, long long* value) {
    long long n = 0;
    double number = 0;
    if (!LeadingInteger(text, &n) || !LeadingNumber(text, &number) || std::trunc(number) != static_cast<double>(n))
        return false;
    *value = n;
    return true;
}

bool WholeNumber(const CString& text, double* value) { return ExactNumber(Trimmed(text), value); }

bool WholeUnsigned(const CString& text, unsigned* value) {
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

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!crt::IsDigit(c)) return false;
    return true;
}

bool IsNumberText(const CString& text) {
    for (char c : text.str())
        if (!crt::IsDigit(c) && !crt::IsSpace(c) && c != '.') return false;
    return true;
}

bool PositiveOrZeroNumber(const CString& text, double* value) {
    double v = 0;
    if (!LeadingNumber(text, &v)) return false;
    if (v <= 0 && (text.IsEmpty() || !IsNumberText(text))) return false;
    *value = v;
    return true;
}

bool FloatItemNumber(const CString& text, bool allowNegative, double* value) {
    const int minus = text.Find('-');
    if (minus > 0 || (minus == 0 && !allowNegative)) return false;
    double v = 0;
    if (!LeadingNumber(text, &v)) return false;
    if (v == 0) {
        const int length = text.GetLength();
        const bool zero = length == 0 || (length == 1 ? text == "0" : text[0] == '0' && text[1] == '.');
        if (!zero) return false;
    }
    *value = v;
    return true;
}

bool LexicalFloat(const CString& text, float* value) {
    double v = 0;
    return ExactNumber(text, &v) && FitFloat(v, 1, value);
}

bool LexicalDouble(const CString& text, double* value) { return ExactNumber(text, value); }

bool DegMinSec(const CString& text, double* degrees) {
    std::string parts[3];
    int count = 0;
    for (char c : text.str()) {
        if (c == ':') {
            if (++count > 2) return false;
        } else {
            parts[count] += c;
        }
    }
    if (count != 2) return false;
    double d = 0, m = 0, s = 0;
    for (const std::string& part : parts)
        if (!IsDigits(part)) return false;
    if (!LeadingNumber(parts[0].c_str(), &d) || !LeadingNumber(parts[1].c_str(), &m) ||
        !LeadingNumber(parts[2].c_str(), &s))
        return false;
    const double v = d + m / 60 + s / 3600;
    if (!std::isfinite(v)) return false;
    *degrees = Unsigned0(v);
    return true;
}

bool TextToVariant(const CString& text, VARTYPE type, _variant_t* value) {
    switch (type) {
        case VT_BSTR:
        case VT_EMPTY:
            *value = _variant_t(text);
            return true;
        case VT_R8: {
            double v = 0;
            if (!LeadingNumber(text, &v)) return false;
            *value = _variant_t(v);
            return true;
        }
        case VT_R4: {
            double v = 0;
            float f = 0;
            if (!LeadingNumber(text, &v) || !FitFloat(v, 1, &f)) return false;
            *value = _variant_t(f);
            return true;
        }
        case VT_I4: {
            int n = 0;
            if (!LeadingInt(text, &n)) return false;
            *value = _variant_t(n);
            return true;
        }
        case VT_I2: {
            short n = 0;
            if (!IntegerIn(text, SHRT_MIN, SHRT_MAX, &n)) return false;
            *value = _variant_t(n);
            return true;
        }
        case VT_UI1: {
            BYTE n = 0;
            if (!IntegerIn(text, 0, UCHAR_MAX, &n)) return false;
            *value = _variant_t(n);
            return true;
        }
        case VT_UI4: {
            unsigned n = 0;
            if (!IntegerIn(text, 0, UINT_MAX, &n)) return false;
            *value = _variant_t(n);
            return true;
        }
        case VT_BOOL: {
            const CString t = Trimmed(text);
            long long n = 0;
            if (t.CompareNoCase("true") == 0)
                n = 1;
            else if (t.CompareNoCase("false") != 0 && !LeadingInteger(t, &n))
                return false;
            *value = _variant_t(n != 0);
            return true;
        }
        default:
            return false;
    }
}

// ---- showing a number -------------------------------------------------------------------------------

double Shown(double value, int decimals) {
    if (value == 0) return 0.0;
    if (!(std::fabs(value) < 1)) return value;  // shows a digit other than 0 (or is not finite)
    const int places = decimals < 0 ? 0 : (decimals > 40 ? 40 : decimals);
    // Rounded as the shown text rounds it: a number that shows as zero shows unsigned.
    char fixed[64];
    std::snprintf(fixed, sizeof fixed, "%.*f", places, std::fabs(value));
    for (const char* p = fixed; *p; ++p)
        if (*p >= '1' && *p <= '9') return value;
    return 0.0;
}

CString Fixed(double value, int decimals) {
    CString text;
    text.Format("%.*f", decimals, Shown(value, decimals));
    return text;
}

bool ShowsStored(const CString& text, double stored) {
    const std::string plain = Trimmed(text).str();
    const std::size_t point = plain.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
    return !plain.empty() && ShowsStored(text, stored, decimals);
}

bool ShowsStored(const CString& text, double stored, int decimals) {
    if (!std::isfinite(stored) || decimals < 0 || decimals > 17) return false;
    return Trimmed(text) == Fixed(stored, decimals);
}

// ---- the store step ------------------------------------------------------------------------------------

bool Scale(double value, double scale, double* scaled) {
    const double v = value * scale;
    if (!std::isfinite(v)) return false;
    *scaled = Unsigned0(v);
    return true;
}

bool Ratio(double from, double to, double* ratio) {
    // Infinite scales fail below: their quotients are infinite or NaN.
    if (!(from > 0 && to > 0)) return false;
    const double there = from / to;
    const double back = to / from;
    if (!(std::isfinite(there) && there > 0 && std::isfinite(back) && back > 0)) return false;
    *ratio = there;
    return true;
}

bool FitFloat(double value, double scale, float* field) {
    double v = 0;
    if (!Scale(value, scale, &v)) return false;
    // Numbers up to half a unit beyond FLT_MAX round to FLT_MAX (the text "3.4028235e+38" that
    // shows FLT_MAX is one of them); from there on they would round to infinity.
    const double roundsToInfinity = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    if (std::fabs(v) >= roundsToInfinity) return false;
    // A number too small for a float ("-5e-216" thousandths) underflows to zero: +0, not -0.
    *field = std::fabs(v) > FLT_MAX ? (v < 0 ? -FLT_MAX : FLT_MAX) : Unsigned0(static_cast<float>(v));
    return true;
}

bool FitFloatThenScale(double value, float scale, float* field) {
    float single = 0;
    if (!FitFloat(value, 1, &single)) return false;
    const float scaled = single * scale;
    if (!std::isfinite(scaled)) return false;
    *field = Unsigned0(scaled);
    return true;
}

bool FitInt(double value, double scale, int* field) { return FitWhole(value, scale, field, INT_MIN, INT_MAX); }

bool FitShort(double value, double scale, short* field) { return FitWhole(value, scale, field, SHRT_MIN, SHRT_MAX); }

bool FitByte(double value, double scale, BYTE* field) { return FitWhole(value, scale, field, 0, UCHAR_MAX); }

}  // namespace numtext
