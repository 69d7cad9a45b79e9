// Every rule by which an item's text becomes a number, and the step that puts a number into the
// field that keeps it. All readers run in the "C" locale, answer false for a refused text and then
// leave their output untouched, and never yield a NaN or an infinity: a number a double or the
// target field cannot hold is refused, never stored as infinity or wrapped round. A number that
// reads (or scales, or rounds into its field) as zero is +0: no field is given a negative zero.
#pragma once

#include <string>

#include "framework/Export.h"
#include "mfc/String.h"
#include "mfc/Variant.h"

namespace numtext {

// ---- reading a text ------------------------------------------------------------------------------
// The leading number, as the C library's atof reads it (optional blanks, sign, digits with an
// optional point and exponent; "nan", "inf" and hexadecimal texts are no number): 0 when the text
// starts with no number. False when the number is beyond the range of a double.
TESSALY_API bool LeadingNumber(const CString& text, double* value);
// The leading integer, as atoi reads it (optional blanks, sign, decimal digits; "12.9" is 12): 0
// when there is none. False when it is beyond the range of a 64-bit integer.
TESSALY_API bool LeadingInteger(const CString& text, long long* value);
// The same for an int field: false when the integer is beyond the 32-bit range.
TESSALY_API bool LeadingInt(const CString& text, int* value);
// A whole number typed: the leading integer as atoi reads it ("12.9" is 12, a text without a number
// is 0) when the leading number as atof reads it is that integer with its fraction; an exponent
// that makes it another number ("1e39", "1e2", "1e400") is no whole number the user typed.
TESSALY_API bool LeadingWhole(const CString& text, long long* value);
// Whether the text starts with a number by the leading-number rule (blanks, sign, digits with an
// optional point and exponent), whatever its size: "abc", "nan", "-x" and "" do not.
TESSALY_API bool StartsWithNumber(const CString& text);
// The whole text is one number (blanks around it allowed) that a double holds.
TESSALY_API bool WholeNumber(const CString& text, double* value);
// The whole text is decimal digits (blanks around them allowed) with a value below 2^32.
TESSALY_API bool WholeUnsigned(const CString& text, unsigned* value);
// One or more of the digits 0-9 and nothing else.
TESSALY_API bool IsDigits(const std::string& text);
// Every character a decimal digit, a blank or '.'; the empty text counts as one.
TESSALY_API bool IsNumberText(const CString& text);
// The number-item rule: the leading number when it is above 0; 0 for a non-empty text of digits,
// blanks and points that reads as 0. Empty texts, negatives and letters that read as 0 are refused.
TESSALY_API bool PositiveOrZeroNumber(const CString& text, double* value);
// The float item's filter: a minus sign anywhere but first, or first when negatives are not allowed,
// is refused; otherwise the leading number when it is not 0; 0 for "", "0" and texts starting "0.".
// A number followed by other characters means that number.
TESSALY_API bool FloatItemNumber(const CString& text, bool allowNegative, double* value);
// The whole-text conversion of boost's lexical_cast: exactly one number, no blanks around it, that
// the type holds ("nan", "inf" and hexadecimal texts refused; a number too small to tell from 0 is 0).
TESSALY_API bool LexicalFloat(const CString& text, float* value);
TESSALY_API bool LexicalDouble(const CString& text, double* value);
// Degrees typed as "d:m:s", three runs of digits: d + m/60 + s/3600.
TESSALY_API bool DegMinSec(const CString& text, double* degrees);

// An item's text converted to the type of its value: VT_BSTR / VT_EMPTY the text itself; VT_R8 and
// VT_R4 the leading number; VT_I4, VT_I2, VT_UI1 and VT_UI4 the leading integer; VT_BOOL "true" or
// "false" (any case) or a leading integer other than 0. A number outside the type is refused, as is
// every other type.
TESSALY_API bool TextToVariant(const CString& text, VARTYPE type, _variant_t* value);

// ---- showing a number ------------------------------------------------------------------------------
// The number a refresh formats with that many decimals ("%.2f" has 2): 0 when it rounds to zero
// there, so no item ever shows "-0", "-0.0" or "-0.00"; the number itself otherwise.
TESSALY_API double Shown(double value, int decimals);
// The number with that many decimals ("%.*f") by that rule.
TESSALY_API CString Fixed(double value, int decimals);
// Whether the text is still how a refresh shows the stored value (in the unit shown): a plain
// number ("2.50", "12", "-0.3") equal to Fixed(stored, its own count of decimals). Such a text
// stands for the stored value itself, so an entry read back unedited never takes the display's
// rounding ("0.2" for 0.25, "2.50" for 2.4996).
TESSALY_API bool ShowsStored(const CString& text, double stored);
// The same for a text that may have been typed, against the one format its refresh shows
// (Fixed(stored, decimals)): a typed "0" over a stored 0.5 shown "0.50" is a new number.
TESSALY_API bool ShowsStored(const CString& text, double stored, int decimals);

// ---- the store step: scale, then fit the field -----------------------------------------------------
// Widths and sizes are kept in hundredths, some lengths in thousandths, angles in radians.
constexpr double kHundredths = 100;
constexpr double kThousandths = 1000;
constexpr double kRadiansPerDegree = 3.14159265358979 / 180;

// value × scale, false when that leaves the range of a double.
TESSALY_API bool Scale(double value, double scale, double* scaled);
// from / to, the factor that takes a length kept at one scale (or factor) to another, when it and
// to / from are both finite numbers above 0: false for a scale of 0, a negative or non-finite one,
// and for scales so far apart that either quotient leaves the range of a double or cannot be told
// from 0 (1000 over 9e-307), so that nothing the factor moves becomes infinite or collapses to 0.
TESSALY_API bool Ratio(double from, double to, double* ratio);
// value × scale made single precision; false beyond the float range.
TESSALY_API bool FitFloat(double value, double scale, float* field);
// value made single precision first, then scaled in single precision.
TESSALY_API bool FitFloatThenScale(double value, float scale, float* field);
// value × scale cut to a whole number toward 0; false when the whole number leaves the field's type.
TESSALY_API bool FitInt(double value, double scale, int* field);
TESSALY_API bool FitShort(double value, double scale, short* field);
TESSALY_API bool FitByte(double value, double scale, BYTE* field);

}  // namespace numtext
