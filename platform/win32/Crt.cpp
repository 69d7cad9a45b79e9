#include "win32/Crt.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace crt {

namespace {
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}
}  // namespace

CLocaleScope::CLocaleScope() : previous_(uselocale(CLocale())) {}
CLocaleScope::~CLocaleScope() { uselocale(static_cast<locale_t>(previous_)); }

bool IsSpace(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double Atof(const char* text, std::size_t* consumed) {
    if (consumed) *consumed = 0;
    if (!text) return 0.0;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const char* digitsStart = p;
    std::size_t digits = 0;
    while (IsDigit(*p)) ++p, ++digits;
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) ++p, ++digits;
    }
    if (digits == 0) return 0.0;  // no mantissa: not a number (also rules out nan, inf, hex)
    (void)digitsStart;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') ++q;
        if (IsDigit(*q)) {
            while (IsDigit(*q)) ++q;
            p = q;
        }
    }
    // strtod on the isolated decimal text: "C" locale reading of exactly the accepted prefix.
    const std::string number(start, p);
    CLocaleScope cLocale;
    const double v = std::strtod(number.c_str(), nullptr);
    if (consumed) *consumed = static_cast<std::size_t>(p - text);
    return v;
}

long long AtoiWide(const char* text) {
    constexpr long long kLimit = 1LL << 53;
    if (!text) return 0;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long v = 0;
    while (IsDigit(*p)) {
        if (v < kLimit) v = v * 10 + (*p - '0');
        ++p;
    }
    if (v > kLimit) v = kLimit;
    return negative ? -v : v;
}

int Atoi(const char* text) {
    const long long v = AtoiWide(text);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace crt
