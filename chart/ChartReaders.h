// The readers by which the chart pages take a typed number, each beside the rule its items are
// built with. A rule is made from its very reader (ReaderRule, framework/PropSizeText.h), so an
// item refuses exactly what its page would refuse: a refused text never reaches the page, and the
// item shows the stored value again.
#pragma once

#include "framework/PropSizeText.h"
#include "mfc/String.h"

namespace chart {

// GetNumberProp's number: a leading number above 0, or 0 from a text of digits, blanks and points.
TextRule NumberRule();
// A number of GetNumberProp's times 100 that a double holds (axis and tick lengths).
bool ReadScaledNumber(const CString& text, double* hundredths);
// Any leading number, as atof reads it (offsets, angles, the fill cutoff).
TextRule LeadingNumberRule();
// A leading number times 100 that a double holds (label offsets).
bool ReadScaledOffset(const CString& text, double* hundredths);
// A text the utility library takes as a number, converted as lexical_cast converts it.
bool ReadDigitText(const CString& text, double* value);
// Only digits, blanks and points (the empty text is 0), as a float.
bool ReadPlainFloat(const CString& text, float* value);
// Only digits, blanks and points, times 100 in single precision (tick and grid widths, the axis
// labels' font size).
bool ReadPlainHundredths(const CString& text, float* hundredths);
// The whole number at the start of the text when it is above 0 ("12.7" is 12) and an int holds it.
bool ReadPositiveCount(const CString& text, int* count);
// A row: a whole number (checked against the rows by its page).
bool ReadRow(const CString& text, long long* row);
// A step: a whole number of at least 1 that the step item shows ("%d") as it is.
bool ReadStep(const CString& text, unsigned* step);
// A major tick spacing: a number of GetNumberProp's above 0 (a spacing of 0 never advances).
bool ReadMajorSpacing(const CString& text, double* spacing);
// A minor division: a number of GetNumberProp's of at least 1 cut toward 0 that an int holds.
bool ReadMinorDivision(const CString& text, int* division);
// A count of decimals: the whole number at the start of the text (atoi's), never negative.
bool ReadDecimals(const CString& text, int* count);
// A point symbol's size as the point groups read it: GetNumberProp's number that GetPointProp takes.
TextRule PointSizeTextRule();

}  // namespace chart
