// Item steps shared by the interval pages: the title items, the edit of one field of a font, line
// or point group read into its record, and the text the refresh shows for a group's stored size.
#pragma once

#include <initializer_list>

#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "framework/PropSizeText.h"
#include "framework/PropUnsigned.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

class CWpKit;

// The size a whole-number font size item starts at: the number of the initial size text.
inline constexpr unsigned kInitialWholeFontSize = 33;

// The kit's title text as stored, its direction and its font (written enabled) into the items
// nameId, nameId + 1 and the font group nameId + 2.
void ShowKitTitleItems(CBCGPPropList& list, CWpKit* kit, DWORD_PTR nameId);
// The title group of a kit's page: "名称" (editable, first showing name), "方向" (automatic) and the
// given font group; collapsed when expand is false.
CBCGPProp* NewKitTitleGroup(DWORD_PTR groupId, DWORD_PTR nameId, DWORD_PTR directionId, const char* name,
                            CBCGPProp* font, bool expand = true);
// The title group of the coring pages: "名称" (empty, described "标题名") at nameId, "方向" at
// nameId + 1 and a font group with a numeric size at nameId + 2 (sub-items + 3 .. + 5).
CBCGPProp* NewNamedTitleGroup(DWORD_PTR groupId, DWORD_PTR nameId);
// The collapsed title-font group of the picture and parameter pages: a face picker captioned
// faceCaption, the size offered as 1 to 19 (free entry; a CUnsignedProp when wholeSize, else a
// text refusing what textSizeRule refuses), the colour.
CBCGPProp* NewTitleFontGroup(DWORD_PTR groupId, const char* faceCaption, DWORD_PTR faceId, DWORD_PTR sizeId,
                             DWORD_PTR colorId, bool wholeSize, TextRule textSizeRule = nullptr);
// "当前段属性": the active interval's top and bottom depth (display only) and its editable value,
// all empty; ids groupId + 1, + 2, + 3.
CBCGPProp* NewActiveSegmentGroup(DWORD_PTR groupId, const char* valueCaption);
// The text the refresh of a font, line or point group shows for a stored size or width (hundredths).
CString GroupSizeText(float hundredths);
// When item is the size or width of one of the groups (a group's id and its record's stored size or
// width): that text for it, true; otherwise false, text untouched.
struct StoredGroupSize {
    DWORD_PTR groupId;
    float hundredths;
};
bool GroupSizeTextOf(CBCGPProp* item, std::initializer_list<StoredGroupSize> groups, CString* text);
// An edit inside a font, line or point group (a sub-item, or the group row reported): only the
// edited field is read into the record, which holds the stored values (ReadEditedField), so a pick
// never rewrites a size from its rounded text and a stored size that does not read never blocks a
// picked face, style or colour. False when the edited size or width is refused, which only a float
// item's can be (every size text item of these groups reads by the group's rule): the record is
// untouched and that item alone shows the stored one again in its own decimals. A size text taken
// as 0 that does not say 0 (a word in a point group, a negative zero, "1e-310") then shows the size
// taken ("0.00"); any other size typed as a number keeps its text.
bool EditGroupField(CBCGPProp* edited, QXLOGFONT& font);
bool EditGroupField(CBCGPProp* edited, QXLOGPEN& pen);
bool EditGroupField(CBCGPProp* edited, QXLOGPOINT& point);
// The same, then the whole group shows the record as the refresh does (a width typed "1.5" shows
// "1.50").
bool EditGroupShown(CBCGPProp* edited, QXLOGFONT& font);
bool EditGroupShown(CBCGPProp* edited, QXLOGPEN& pen);
bool EditGroupShown(CBCGPProp* edited, QXLOGPOINT& point);
