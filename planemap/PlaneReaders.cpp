#include "planemap/PlaneReaders.h"

#include <cfloat>
#include <climits>

#include "framework/NumberText.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "planemap/PlaneTexts.h"

namespace planemap {

bool ReadNumber(const CString& text, double scale, double* value) {
    double typed = 0;
    return numtext::LeadingNumber(text, &typed) && numtext::Scale(typed, scale, value);
}

bool ReadFloat(const CString& text, double scale, float* value) {
    double typed = 0;
    return numtext::LeadingNumber(text, &typed) && numtext::FitFloat(typed, scale, value);
}

bool ReadFloatThenScale(const CString& text, float scale, float* value) {
    double typed = 0;
    return numtext::LeadingNumber(text, &typed) && numtext::FitFloatThenScale(typed, scale, value);
}

TextRule NumberRule(double scale) { return ReaderRule(&ReadNumber, scale); }

TextRule FloatRule(double scale) { return ReaderRule(&ReadFloat, scale); }

bool ReadInt(const CString& text, int* value) {
    long long whole = 0;
    if (!numtext::LeadingWhole(text, &whole) || whole < INT_MIN || whole > INT_MAX) return false;
    *value = static_cast<int>(whole);
    return true;
}

TextRule IntRule() { return ReaderRule(&ReadInt); }

namespace {

// Whether the text's leading number is 0 or more (and a double holds it).
bool NotNegative(const CString& text) {
    double typed = 0;
    return numtext::LeadingNumber(text, &typed) && typed >= 0;
}

}  // namespace

bool ReadLength(const CString& text, double scale, double* value) {
    return NotNegative(text) && ReadNumber(text, scale, value);
}

bool ReadFloatLength(const CString& text, double scale, float* value) {
    return NotNegative(text) && ReadFloat(text, scale, value);
}

bool ReadFloatLengthThenScale(const CString& text, float scale, float* value) {
    return NotNegative(text) && ReadFloatThenScale(text, scale, value);
}

TextRule LengthRule(double scale) { return ReaderRule(&ReadLength, scale); }

TextRule FloatLengthRule(double scale) { return ReaderRule(&ReadFloatLength, scale); }

TextRule FloatLengthThenScaleRule(float scale) { return ReaderRule(&ReadFloatLengthThenScale, scale); }

bool ReadZeroOrMore(const CString& text, double* value) {
    double typed = 0;
    if (!ReadLength(text, 1, &typed) || (typed == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text))) return false;
    *value = typed;
    return true;
}

TextRule ZeroOrMoreRule() { return ReaderRule(&ReadZeroOrMore); }

bool ReadAboveZero(const CString& text, double scale, double* value) {
    double v = 0;
    // A product below the smallest normal double ("1e-310" times 100) is kept only as a denormal,
    // which no item shows: no value a double holds.
    if (!ReadNumber(text, scale, &v) || !(v >= DBL_MIN)) return false;
    *value = v;
    return true;
}

TextRule AboveZeroRule(double scale) { return ReaderRule(&ReadAboveZero, scale); }

bool ReadWholeAboveZero(const CString& text, int* value) {
    int v = 0;
    if (!ReadInt(text, &v) || v < 1) return false;
    *value = v;
    return true;
}

TextRule WholeAboveZeroRule() { return ReaderRule(&ReadWholeAboveZero); }

bool ReadFigure(const CString& text, double* value) {
    return kel::plane::CPlaneFunc::IsEffectiveFigure(text) && ReadNumber(text, 1, value);
}

TextRule FigureRule() { return ReaderRule(&ReadFigure); }

bool IsDigits(const std::string& text) { return numtext::IsDigits(text); }

bool ReadWholeUnsigned(const CString& text, unsigned* value) { return numtext::WholeUnsigned(text, value); }

bool ReadWholeDouble(const CString& text, double* value) { return numtext::WholeNumber(text, value); }

TextRule WholeUnsignedRule() { return ReaderRule(&ReadWholeUnsigned); }

bool ReadAngle(const CString& text, double* radians) { return AngleFromText(text, radians); }

TextRule AngleRule() { return ReaderRule(&ReadAngle); }

bool ReadWidth(const CString& text, float* width) {
    float hundredths = 0;
    if (!ReadFloatLength(text, numtext::kHundredths, &hundredths) ||
        (hundredths == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)))
        return false;
    *width = hundredths;
    return true;
}

TextRule WidthRule() { return ReaderRule(&ReadWidth); }

bool ReadCount(const CString& text, int* value) {
    int typed = 0;
    if (!ReadInt(text, &typed) || typed < 0) return false;
    if (typed == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)) return false;
    *value = typed;
    return true;
}

TextRule CountRule() { return ReaderRule(&ReadCount); }

}  // namespace planemap
