// Numbers typed as text into the plane-map lists' items.
#pragma once

#include <string>

#include "bcg/Prop.h"
#include "mfc/String.h"

namespace planemap {

// The leading number of the text times scale, by the C library's leading-number rule: 0 when the
// text starts with no number. False, value untouched, when the result overflows what keeps it:
// infinite for a double, beyond the float range for a float field. Such a value is refused.
bool ReadNumber(const CString& text, double scale, double* value);
bool ReadFloat(const CString& text, double scale, float* value);
// The leading number made single precision first and then scaled in single precision, as the
// pen-width items do; refused the same way when the result leaves the float range.
bool ReadFloatThenScale(const CString& text, float scale, float* value);

// The same for a length, width, size or height, which is never negative: a negative number is
// refused like one the field cannot hold. Text that is no number still reads as 0.
bool ReadLength(const CString& text, double scale, double* value);
bool ReadFloatLength(const CString& text, double scale, float* value);
bool ReadFloatLengthThenScale(const CString& text, float scale, float* value);

// Whole-text readers: the whole text (blanks around it allowed) must be one number of the type:
// decimal digits only, below 2^32, for an unsigned count; a finite number for a double. False,
// value untouched, for any other text.
bool ReadWholeUnsigned(const CString& text, unsigned* value);
bool ReadWholeDouble(const CString& text, double* value);
// Whether text is one or more of the digits 0-9 and nothing else.
bool IsDigits(const std::string& text);

// Degrees typed into an angle item, as radians. False when refused; the item then shows the stored
// angle (stored, in radians) again.
bool ReadAngleItem(CBCGPProp* item, double stored, double* radians);

// The width rule of the layer pages, for a pen width or a symbol or font size typed in millimetres
// and stored in hundredths in a float: above 0 is taken; exactly 0 only when the whole text is a
// number ("0", "0.00"), not for a text that merely reads as 0; below 0, or more than the float
// holds, is refused. False, width untouched, when refused.
bool ReadWidth(const CString& text, float* width);

// The whole-number rule of counts and positions typed into an item: the leading integer; below 0
// refused; exactly 0 only when the whole text is a number ("0"), not for a text that merely reads
// as 0; beyond the int range refused. False, value untouched, when refused.
bool ReadCount(const CString& text, int* value);

}  // namespace planemap
