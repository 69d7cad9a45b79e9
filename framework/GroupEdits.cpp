#include "framework/GroupEdits.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"

namespace {

enum class SizeRule { Group, Point };
// How a colour field reads the automatic choice: kept as (COLORREF)-1, or as the item's colour.
enum class Automatic { Kept, AsShown };

// The width or size item's text into field (hundredths, the stored value on entry): a float item by
// its whole text, a text item by the group's rule. Read back unedited (keepShown), a text that is
// still how the refresh shows the stored value keeps it; the edited field is the number its text
// says. False, field untouched, when the text does not read.
bool ReadSize(CBCGPProp* item, SizeRule rule, bool keepShown, float* field) {
    if (!item) return false;
    const CString text = ItemText(item);
    float read = 0;
    const bool taken = dynamic_cast<CBCGPropFloat*>(item) ? ReadHundredthsItem(item, &read)
                       : rule == SizeRule::Group ? penfont::ReadGroupSize(text, &read)
                                                 : penfont::ReadHundredths(text, penfont::Accept::ZeroOrMore, &read);
    if (!taken) return false;
    if (!keepShown || !numtext::ShowsStored(text, *field / numtext::kHundredths)) *field = read;
    return true;
}

bool ReadName(CBCGPProp* item, QXLOGFONT& font) {
    if (!item) return false;
    font.SetFaceName(ItemText(item));
    return true;
}
bool ReadName(CBCGPProp* item, QXLOGPEN& pen) { return ReadStyle(item, &pen.style); }
bool ReadName(CBCGPProp* item, QXLOGPOINT& point) { return ReadStyle(item, &point.style); }

float& SizeOf(QXLOGPEN& pen) { return pen.width; }
float& SizeOf(QXLOGFONT& font) { return font.size; }
float& SizeOf(QXLOGPOINT& point) { return point.size; }

COLORREF& ColorOf(QXLOGPEN& pen, int) { return pen.color; }
COLORREF& ColorOf(QXLOGFONT& font, int) { return font.color; }
COLORREF& ColorOf(QXLOGPOINT& point, int position) { return position == 2 ? point.borderColor : point.innerColor; }

struct Rules {
    SizeRule size;
    Automatic automatic;
};

// One field by its position; false when the position's text or pick does not read.
template <class Record>
bool ReadField(CBCGPProp* item, Record& record, int position, Rules rules, bool keepShown) {
    switch (position) {
        case 0:
            return ReadName(item, record);
        case 1:
            return ReadSize(item, rules.size, keepShown, &SizeOf(record));
        default:
            return rules.automatic == Automatic::AsShown ? ReadShownColor(item, &ColorOf(record, position))
                                                         : ReadColor(item, &ColorOf(record, position));
    }
}

template <class Record>
bool ReadEdited(CBCGPProp* edited, Record& record, int first, int fields, Rules rules) {
    if (!edited) return false;
    const int position = EditedFieldPosition(edited, first);
    if (position >= fields) return true;  // not one of the record's fields (a switch beside them)
    if (position >= 0) {
        Record read = record;
        if (!ReadField(edited, read, position, rules, false)) return false;
        record = read;
        return true;
    }
    // The group row: every field that reads; one that does not keeps the stored value.
    for (int i = 0; i < fields && first + i < edited->GetSubItemsCount(); ++i)
        ReadField(edited->GetSubItem(first + i), record, i, rules, true);
    return true;
}

}  // namespace

int EditedFieldPosition(CBCGPProp* edited, int first) {
    CBCGPProp* group = edited ? edited->GetParent() : nullptr;
    if (!group || edited->GetSubItemsCount() > 0) return -1;
    for (int i = first; i < group->GetSubItemsCount(); ++i)
        if (group->GetSubItem(i) == edited) return i - first;
    return -1;
}

bool ReadEditedField(CBCGPProp* edited, QXLOGPEN& pen, int first) {
    return ReadEdited(edited, pen, first, 3, {SizeRule::Group, Automatic::Kept});
}

bool ReadEditedField(CBCGPProp* edited, QXLOGFONT& font, int first) {
    return ReadEdited(edited, font, first, 3, {SizeRule::Group, Automatic::Kept});
}

bool ReadEditedField(CBCGPProp* edited, QXLOGPOINT& point, int first) {
    return ReadEdited(edited, point, first, 4, {SizeRule::Point, Automatic::Kept});
}

bool ReadEditedPen(CBCGPProp* edited, QXLOGPEN& pen, int first) {
    return ReadEdited(edited, pen, first, 3, {SizeRule::Group, Automatic::AsShown});
}

bool ReadShownColor(CBCGPProp* item, COLORREF* color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *color = colour->GetDisplayColor();
    return true;
}
