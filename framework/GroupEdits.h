// One edit in a pen, font or point group, where only the edited field decides. The groups are
// those the group builders make: style (or face), width (or size), colour (and a point's inner
// colour), after a "显示" switch in the show groups (first = 1).
//
// The edited sub-item alone is read into the record, which holds the stored values on entry: a
// style, face or colour picked is taken whatever the other fields show (a stored width that does
// not read never blocks it), and a width or size typed or reported is read by the group's rule,
// its refusal answering false with the record untouched (a typed "0" over a stored 0.5 is 0).
// Every field that was not edited keeps its stored value, so a pick never rewrites a width or size
// from its rounded text.
// When the group row itself is reported, every sub-item is read: a width or size that does not
// read, or whose text is still how the refresh shows the stored value, keeps the stored value.
//
// A colour picked is read as the item holds it, the automatic choice "自动" as (COLORREF)-1, or,
// for the pages whose automatic choice passes its colour, as the item's automatic colour.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "hosttypes/Kestrel/StyleRecords.h"

TESSALY_API bool ReadEditedField(CBCGPProp* edited, QXLOGPEN& pen, int first = 0);
TESSALY_API bool ReadEditedField(CBCGPProp* edited, QXLOGFONT& font, int first = 0);
TESSALY_API bool ReadEditedField(CBCGPProp* edited, QXLOGPOINT& point, int first = 0);
// The same for a pen group whose automatic choice passes the item's automatic colour (black in the
// line groups).
TESSALY_API bool ReadEditedPen(CBCGPProp* edited, QXLOGPEN& pen, int first = 0);

// Where the fields of a show group start: after its "显示" switch.
inline constexpr int kAfterShowSwitch = 1;

// The colour a colour item shows: the colour picked, the automatic choice read as the item's
// automatic colour; false, color untouched, for an item that is no colour item.
TESSALY_API bool ReadShownColor(CBCGPProp* item, COLORREF* color);

// The position of the edited sub-item in the record's layout (0 style or face, 1 width or size,
// 2 colour, 3 a point's inner colour); -1 for the group row itself or an item of no such group.
TESSALY_API int EditedFieldPosition(CBCGPProp* edited, int first = 0);
