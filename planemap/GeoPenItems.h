// Pen items of the geology lines (control, boundary, contour, fault and well-net lines): the
// style picker, the width item, showing a pen and writing one edited field of it.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "planemap/RecordEdits.h"

class CQXObjectLine;

namespace geoitems {

// A line-style picker offering the common line styles.
CBCGPProp* NewStylePicker(const char* name, const char* description, DWORD_PTR id);
// A width item in millimetres offering count options first, first + step, ... in the format; free
// text allowed. It refuses what rule refuses: the rule of the reader the list reads it by, by
// default that of ApplyPenItem's width (0 or more).
CBCGPProp* NewWidthItem(const char* name, double first, double step, int count, const char* format, DWORD_PTR id,
                        TextRule rule = planemap::HundredthsRule(planemap::Accept::ZeroOrMore));
// Style picker (redrawn only when the style differs), colour and width (width / 100 with
// widthDecimals decimals, never "-0") items from the pen; an item that is missing or of another
// kind is passed over.
void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen, int widthDecimals);
// The shown line's whole pen, with the field of the edited item changed (position 0 style, 1 width
// typed in millimetres, 2 colour), to every selected line of its type name. False, nothing
// written, when the item's value is refused; a refused width then shows the stored one with
// decimals, as ShowPen shows it.
bool ApplyPenItem(CQXObjectLine* line, CBCGPProp* item, int position,
                  planemap::Accept width = planemap::Accept::ZeroOrMore, int decimals = 2);
// The same for a width item built with planemap::FloatLengthThenScaleRule(100): the width is read
// into the float first and then made hundredths.
bool ApplyFloatPenWidth(CQXObjectLine* line, CBCGPProp* item);

// One field of a pen, numbered as the positions above.
enum class PenField { kStyle = 0, kWidth = 1, kColor = 2 };
// The edited item's value into that field of pen: the style picker's style, a width by the width
// rule (planemap::ReadWidth: the width item is built with planemap::WidthRule), the colour item's
// colour.
// False, pen untouched, when refused or when the item is not of the field's kind.
bool ReadPenField(CBCGPProp* item, PenField field, QXLOGPEN* pen);
// That one field of from into to.
void CopyPenField(PenField field, const QXLOGPEN& from, QXLOGPEN* to);

}  // namespace geoitems
