#include "planemap/PlaneReaders.h"

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

TextRule NumberRule(double scale) {
    return [scale](const CString& text) {
        double value = 0;
        return ReadNumber(text, scale, &value);
    };
}

TextRule FloatRule(double scale) {
    return [scale](const CString& text) {
        float value = 0;
        return ReadFloat(text, scale, &value);
    };
}

TextRule FloatThenScaleRule(float scale) {
    return [scale](const CString& text) {
        float value = 0;
        return ReadFloatThenScale(text, scale, &value);
    };
}

bool ReadInt(const CString& text, int* value) {
    double typed = 0;
    if (!numtext::LeadingNumber(text, &typed) || typed <= static_cast<double>(INT_MIN) - 1 ||
        typed >= static_cast<double>(INT_MAX) + 1)
        return false;
    return numtext::LeadingInt(text, value);
}

TextRule IntRule() { return ReaderRule(&ReadInt); }

bool ReadLength(const CString& text, double scale, double* value) {
    double typed = 0;
    return numtext::LeadingNumber(text, &typed) && typed >= 0 && numtext::Scale(typed, scale, value);
}

bool ReadFloatLength(const CString& text, double scale, float* value) {
    double typed = 0;
    float kept = 0;
    if (!numtext::LeadingNumber(text, &typed) || typed < 0 || !numtext::FitFloat(typed, scale, &kept)) return false;
    *value = kept + 0.0f;  // "-0" is kept as 0
    return true;
}

bool ReadFloatLengthThenScale(const CString& text, float scale, float* value) {
    double typed = 0;
    float kept = 0;
    if (!numtext::LeadingNumber(text, &typed) || typed < 0 || !numtext::FitFloatThenScale(typed, scale, &kept))
        return false;
    *value = kept + 0.0f;
    return true;
}

TextRule LengthRule(double scale) {
    return [scale](const CString& text) {
        double value = 0;
        return ReadLength(text, scale, &value);
    };
}

TextRule FloatLengthRule(double scale) {
    return [scale](const CString& text) {
        float value = 0;
        return ReadFloatLength(text, scale, &value);
    };
}

TextRule FloatLengthThenScaleRule(float scale) {
    return [scale](const CString& text) {
        float value = 0;
        return ReadFloatLengthThenScale(text, scale, &value);
    };
}

bool ReadAboveZero(const CString& text, double scale, double* value) {
    double v = 0;
    if (!ReadNumber(text, scale, &v) || !(v > 0)) return false;
    *value = v;
    return true;
}

TextRule AboveZeroRule(double scale) {
    return [scale](const CString& text) {
        double value = 0;
        return ReadAboveZero(text, scale, &value);
    };
}

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

TextRule WholeDoubleRule() { return ReaderRule(&ReadWholeDouble); }

bool ReadAngle(const CString& text, double* radians) { return AngleFromText(text, radians); }

TextRule AngleRule() { return ReaderRule(&ReadAngle); }

bool ReadWidth(const CString& text, float* width) {
    double typed = 0;
    float hundredths = 0;
    if (!numtext::LeadingNumber(text, &typed) || typed < 0 ||
        !numtext::FitFloat(typed, numtext::kHundredths, &hundredths))
        return false;
    if (hundredths == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)) return false;
    *width = hundredths + 0.0f;  // "-0" is stored as 0
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
