// One edited sub-item of a point, line or font group read into the record it stands for, as the
// group readers (GetPointSubProp, GetLineSubProp, GetFontSubProp) read it, with the answer whether
// the value was taken. A page that hands the record to several objects, or writes it back at all,
// asks this first: a size or width that is refused (no number, a negative, or more than the
// record's single-precision field holds in hundredths) leaves the record untouched, and the page
// writes nothing.
#pragma once

#include <string>

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CWndProp;

// 0 style, 1 size, 2 border colour, 3 inner colour.
bool EditPointField(QXLOGPOINT& point, CBCGPProp* item, int position);
// 0 style, 1 width, 2 colour.
bool EditPenField(QXLOGPEN& pen, CBCGPProp* item, int position);
// 0 face, 1 size (a float item; any other item leaves the size as it was), 2 colour.
bool EditFontField(QXLOGFONT& font, CBCGPProp* item, int position);
// 0 style set (its name into *setName), 1 style, 2 line colour, 3 fill colour, 4 cell size,
// 5 transparent background.
bool EditFillField(QXLOGBRUSH& brush, std::string* setName, CBCGPProp* item, int position);

// After a refused value: the pane shows its object again as the host's last selection message had
// it shown, whatever the object's stamp, so that what is stored (or the neutral values of several
// objects) shows again.
void ShowStoredAgain(CWndProp& pane);
