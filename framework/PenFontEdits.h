// One edited sub-item of a pen or font group written into the record it stands for. The groups are
// those CreateLineProp and CreateFontProp build: style (or face), width (or size), colour.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace penfont {

// What a typed pen width or font size must be to be written, besides fitting the record's float:
// never negative, and above 0 where a width of 0 would draw nothing.
enum class Accept { ZeroOrMore, AboveZero };

// A width or size typed in units shown (its leading number, as atof reads it) and kept ×100 in a
// float field; false, value untouched, when the rule refuses it or the float cannot hold it.
bool ReadHundredths(const CString& text, Accept accept, float* value);
// Its rule, for the item the text is typed into.
TextRule HundredthsRule(Accept accept);
// The width or size a line or font group reads from its text item (GetLineProp, GetFontProp): a
// leading number of 0 or more, 0 only from a text of digits, blanks and points, whose hundredths
// the record's float holds; its rule is the builders' default.
TESSALY_API bool ReadGroupSize(const CString& text, float* hundredths);
TESSALY_API TextRule GroupSizeRule();

// Changes the field of pen that the edited line sub-item holds: position 0 the style picker's
// style, 1 the width typed in millimetres (stored ×100), 2 the colour item's colour (-1 for "自动").
// False, pen untouched, when the width is refused or the item is not of the position's kind.
bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position, Accept width = Accept::ZeroOrMore);
// The same for a font group: 0 the face, 1 the size typed in points (stored ×100), 2 the colour.
bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position, Accept size = Accept::AboveZero);
// The two above under one name, for code written once for pens and fonts.
inline bool EditRecord(QXLOGPEN& pen, CBCGPProp* item, int position, Accept accept) {
    return EditPen(pen, item, position, accept);
}
inline bool EditRecord(QXLOGFONT& font, CBCGPProp* item, int position, Accept accept) {
    return EditFont(font, item, position, accept);
}

// The field position 1 edits: the pen's width, the font's size (both ×100).
inline float ScaledField(const QXLOGPEN& pen) { return pen.width; }
inline float ScaledField(const QXLOGFONT& font) { return font.size; }

}  // namespace penfont
