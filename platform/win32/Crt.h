// C run-time number readers with the host platform's leading-number rule: optional
// blanks, an optional sign, digits with an optional point and an optional exponent.
// "nan", "inf", "infinity" and hexadecimal texts are not numbers here (read as 0),
// although glibc's own atof accepts them. Always the "C" locale (decimal point '.').
#pragma once

#include <cstddef>

namespace crt {

// The leading number of text, 0 when there is none; *consumed (optional) gets the
// number of bytes read, 0 when no number was found.
double Atof(const char* text, std::size_t* consumed = nullptr);
// Leading integer (optional blanks, sign, decimal digits); 0 when there is none.
// Values beyond 32 bits saturate like the host's atoi does in practice (INT_MAX/INT_MIN).
int Atoi(const char* text);
// The same leading integer without the 32-bit limit, so a caller can tell a value its field cannot
// hold; beyond +/-2^53 it saturates there.
long long AtoiWide(const char* text);
// isspace on a byte of possibly multibyte text: the byte is taken as unsigned char.
bool IsSpace(char c);
bool IsDigit(char c);

// Holds the "C" locale on this thread for its lifetime, whatever locale the host set.
class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    void* previous_;
};

}  // namespace crt
