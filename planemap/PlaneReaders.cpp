#include "planemap/PlaneReaders.h"

#include "framework/NumberText.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "planemap/PlaneItems.h"
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

bool IsDigits(const std::string& text) { return numtext::IsDigits(text); }

bool ReadWholeUnsigned(const CString& text, unsigned* value) { return numtext::WholeUnsigned(text, value); }

bool ReadWholeDouble(const CString& text, double* value) { return numtext::WholeNumber(text, value); }

bool ReadAngleItem(CBCGPProp* item, double stored, double* radians) {
    if (AngleFromText(ItemText(item), radians)) return true;
    SetItemText(item, AngleText(stored));
    return false;
}

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

bool ReadCount(const CString& text, int* value) {
    int typed = 0;
    if (!numtext::LeadingInt(text, &typed) || typed < 0) return false;
    if (typed == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)) return false;
    *value = typed;
    return true;
}

}  // namespace planemap
