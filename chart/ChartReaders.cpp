#include "chart/ChartReaders.h"

#include <climits>
#include <cmath>

#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "hosttypes/Tinder/CommonUtility.h"

namespace chart {

TextRule NumberRule() { return ReaderRule(&numtext::PositiveOrZeroNumber); }

bool ReadScaledNumber(const CString& text, double* hundredths) {
    double value = 0;
    return numtext::PositiveOrZeroNumber(text, &value) && numtext::Scale(value, numtext::kHundredths, hundredths);
}

TextRule LeadingNumberRule() { return ReaderRule(&numtext::LeadingNumber); }

bool ReadScaledOffset(const CString& text, double* hundredths) {
    double value = 0;
    return numtext::LeadingNumber(text, &value) && numtext::Scale(value, numtext::kHundredths, hundredths);
}

bool ReadDigitText(const CString& text, double* value) {
    return CCommonUtility::IsDigit(text.str()) && numtext::LexicalDouble(text, value);
}

bool ReadPlainFloat(const CString& text, float* value) {
    double number = 0;
    return numtext::IsNumberText(text) && numtext::LeadingNumber(text, &number) && numtext::FitFloat(number, 1, value);
}

bool ReadPlainHundredths(const CString& text, float* hundredths) {
    double value = 0;
    return numtext::IsNumberText(text) && numtext::LeadingNumber(text, &value) &&
           numtext::FitFloatThenScale(value, 100, hundredths);
}

bool ReadPositiveCount(const CString& text, int* count) {
    long long n = 0;
    if (!numtext::LeadingWhole(text, &n) || n <= 0 || n > INT_MAX) return false;
    *count = static_cast<int>(n);
    return true;
}

bool ReadRow(const CString& text, long long* row) { return numtext::LeadingWhole(text, row); }

bool ReadStep(const CString& text, unsigned* step) {
    long long n = 0;
    if (!ReadRow(text, &n) || n < 1 || n > INT_MAX) return false;
    *step = static_cast<unsigned>(n);
    return true;
}

bool ReadMajorSpacing(const CString& text, double* spacing) {
    double value = 0;
    if (!numtext::PositiveOrZeroNumber(text, &value) || value <= 0) return false;
    *spacing = value;
    return true;
}

bool ReadMinorDivision(const CString& text, int* division) {
    double value = 0;
    // No minor division at all would divide the major spacing by 0; one beyond an int would show
    // negative ("%d").
    if (!numtext::PositiveOrZeroNumber(text, &value) || value < 1 || value >= 2147483648.0) return false;
    *division = static_cast<int>(value);
    return true;
}

bool ReadDecimals(const CString& text, int* count) {
    int n = 0;
    if (!numtext::LeadingInt(text, &n) || n < 0) return false;
    *count = n;
    return true;
}

TextRule PointSizeTextRule() {
    return [size = PointSizeRule()](const CString& text) {
        double value = 0;
        return numtext::PositiveOrZeroNumber(text, &value) && size(text);
    };
}

}  // namespace chart
