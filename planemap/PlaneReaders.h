// Numbers typed as text into the plane-map lists' items.
#pragma once

#include <string>

#include "framework/PropSizeText.h"
#include "mfc/String.h"

namespace planemap {

// Each reader below has its rule beside it (ReaderRule of framework/PropSizeText.h): an item whose
// text a list reads by a reader is built with that reader's rule, so the item itself refuses what
// the list would refuse and the list never sees such a text.

// The leading number of the text times scale, by the C library's leading-number rule: 0 when the
// text starts with no number. False, value untouched, when the result overflows what keeps it:
// infinite for a double, beyond the float range for a float field. Such a value is refused.
bool ReadNumber(const CString& text, double scale, double* value);
bool ReadFloat(const CString& text, double scale, float* value);
// The leading number made single precision first and then scaled in single precision, as the
// pen-width items do; refused the same way when the result leaves the float range.
bool ReadFloatThenScale(const CString& text, float scale, float* value);
TextRule NumberRule(double scale);
TextRule FloatRule(double scale);
// The leading integer as atoi reads it ("12.9" is 12; no number reads as 0), refused when the
// text's leading number lies beyond the int range ("1e39" is no 1, "2147483648" no wrap).
bool ReadInt(const CString& text, int* value);
TextRule IntRule();

// The same for a length, width, size or height, which is never negative: a negative number is
// refused like one the field cannot hold. Text that is no number still reads as 0.
bool ReadLength(const CString& text, double scale, double* value);
bool ReadFloatLength(const CString& text, double scale, float* value);
bool ReadFloatLengthThenScale(const CString& text, float scale, float* value);
TextRule LengthRule(double scale);
TextRule FloatLengthRule(double scale);
TextRule FloatLengthThenScaleRule(float scale);

// A length of 0 or more where 0 must be typed: the leading number; above 0 is taken, exactly 0
// only when the whole text is a number ("0", "0.00"), not for a text that merely reads as 0; below
// 0, or beyond a double, is refused.
bool ReadZeroOrMore(const CString& text, double* value);
TextRule ZeroOrMoreRule();

// A spacing, distance or half-axis that must be above 0: the leading number times scale, refused
// when not above 0 (a text that is no number reads as 0 and is refused too), beyond a double, or so
// near 0 that a double keeps it only as a denormal.
bool ReadAboveZero(const CString& text, double scale, double* value);
TextRule AboveZeroRule(double scale);
// A count that must be 1 or more: ReadInt, refused below 1.
bool ReadWholeAboveZero(const CString& text, int* value);
TextRule WholeAboveZeroRule();

// A number that is the whole text (IsEffectiveFigure), as a coordinate or a numeric label is typed,
// read by ReadNumber: no number, a number followed by other text, or one past a double is refused.
bool ReadFigure(const CString& text, double* value);
TextRule FigureRule();

// Whole-text readers: the whole text (blanks around it allowed) must be one number of the type:
// decimal digits only, below 2^32, for an unsigned count; a finite number for a double. False,
// value untouched, for any other text.
bool ReadWholeUnsigned(const CString& text, unsigned* value);
bool ReadWholeDouble(const CString& text, double* value);
TextRule WholeUnsignedRule();
// Whether text is one or more of the digits 0-9 and nothing else.
bool IsDigits(const std::string& text);

// Degrees typed into an angle item, as radians (AngleFromText: no number reads as 0; a number whose
// radians a double cannot hold is refused).
bool ReadAngle(const CString& text, double* radians);
TextRule AngleRule();

// The width rule of the layer pages, for a pen width or a symbol or font size typed in millimetres
// and stored in hundredths in a float: above 0 is taken; exactly 0 only when the whole text is a
// number ("0", "0.00"), not for a text that merely reads as 0; below 0, or more than the float
// holds, is refused. False, width untouched, when refused.
bool ReadWidth(const CString& text, float* width);
TextRule WidthRule();

// The whole-number rule of counts and positions typed into an item: ReadInt; below 0 refused;
// exactly 0 only when the whole text is a number ("0"), not for a text that merely reads as 0.
// False, value untouched, when refused.
bool ReadCount(const CString& text, int* value);
TextRule CountRule();

}  // namespace planemap
