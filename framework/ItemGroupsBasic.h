// Builders, writers and readers of the items every property list shows again and again:
// yes/no switches, orientation, font groups, template choices, colours, indexes and
// alignments. Builders hand out new items; the grid owns them once they are added.
// A group with identifier G numbers its sub-items G+1, G+2, ... in creation order; the
// single-sub-item readers take the sub-item's position (item data - G - 1).
#pragma once

#include <string>

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/FixedList.h"
#include "framework/PenFontEdits.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CBCGPropDigits;

// ---- yes/no: NewYesNoList of framework/FixedList.h, "是" 1, "否" 0, any other text 0 (read it with
// ReadYesNo there, which shows the answer taken) -------------------
TESSALY_API CBCGPProp* CreateYesNoProp(const CString& name, DWORD_PTR id, const _variant_t& value,
                                       const char* description);
TESSALY_API void SetYesNoProp(CBCGPProp* item, bool value);
// Yes only for exactly "是".
TESSALY_API bool GetYesNoProp(CBCGPProp* item);

// ---- orientation: 0 automatic, 1 horizontal, 2 vertical ------------------------------------------
// A fixed list: any other text is vertical.
TESSALY_API CBCGPProp* CreateOrientationProp(const CString& name, DWORD_PTR id, const _variant_t& value,
                                             const char* description);
TESSALY_API void SetOrientationProp(CBCGPProp* item, int orientation);
// Read through the fixed-list reader: the item then shows the orientation taken.
TESSALY_API int GetOrientationProp(CBCGPProp* item);

// ---- font groups: face, size, colour --------------------------------------------------------------
// Size offered as the options 1 to 32; the size item refuses what GetFontProp's reader refuses
// (penfont::GroupSizeRule). Collapsed.
TESSALY_API CBCGPProp* CreateFontProp(const CString& name, DWORD_PTR id);
// The same for a list that reads the size by a reader of its own: the size item refuses what sizeRule refuses.
TESSALY_API CBCGPProp* CreateFontProp(const CString& name, DWORD_PTR id, TextRule sizeRule);
// Size as a two-decimal number item; expanded.
TESSALY_API CBCGPProp* CreateFontPropFloatSize(const std::string& name, DWORD_PTR id);
TESSALY_API void SetFontProp(CBCGPProp* group, const QXLOGFONT& font);
// Enables or disables the three sub-items; only enabled ones are written.
TESSALY_API void EnableFontProp(CBCGPProp* group, const QXLOGFONT& font, bool enable);
// The same, touching each sub-item only when it is of the expected class.
TESSALY_API void EnableFontPropChecked(CBCGPProp* group, const QXLOGFONT& font, bool enable);
// Reads the whole group. A size that is not a number of 0 or more is refused: the size item
// shows the font's size again, size and colour stay (the face is taken anyway), false.
TESSALY_API bool GetFontProp(CBCGPProp* group, QXLOGFONT& font);
// Reads one changed sub-item of a CreateFontPropFloatSize group: 0 face, 1 size (a float item; any
// other item leaves the size as it was), 2 colour. False, font untouched, when the size is refused
// as GetLineSubProp refuses a width.
TESSALY_API bool GetFontSubProp(CBCGPProp* item, QXLOGFONT& font, int index);

// ---- style-template option lists: "" first, then every template's name ---------------------------
TESSALY_API void FillFontStyleTemplates(CBCGPProp* item);
TESSALY_API void FillSizeTemplates(CBCGPProp* item);
TESSALY_API void FillColorTemplates(CBCGPProp* item);
TESSALY_API void FillPointStyleTemplates(CBCGPProp* item);
TESSALY_API void FillLineStyleTemplates(CBCGPProp* item);
TESSALY_API void FillFillStyleTemplates(CBCGPProp* item);

// ---- numbers --------------------------------------------------------------------------------------
// A number of 0 or more from the item's text; false (value untouched) otherwise.
TESSALY_API bool GetNumberProp(CBCGPProp* item, double* value);
// 1 when the text holds only digits, blanks and points (the empty text included), else 0.
TESSALY_API int IsNumberText(const CString& text);
// A width or size sub-item: the float it holds (its whole text read as a float), 0 or more, times
// 100 in single precision into *field; false, field untouched, for any other text or a result
// beyond the float range.
bool ReadHundredthsItem(CBCGPProp* item, float* field);
// Its rule, for the float sub-item the width or size is typed into (the line group's width, the
// font and point groups' size, the fill group's cell size).
TESSALY_API TextRule HundredthsItemRule();

// ---- single items ----------------------------------------------------------------------------------
TESSALY_API CBCGPColorProp* CreateColorProp(const CString& name, DWORD_PTR id, const char* description);
// A colour item that starts black, its automatic button standing for black.
TESSALY_API CBCGPColorProp* CreateBlackColorProp(const CString& name, DWORD_PTR id, const char* description);
// Options 0 .. count-1.
TESSALY_API CBCGPropDigits* CreateIndexProp(const CString& name, DWORD_PTR id, const char* description, int count);
// Alignment fixed lists: left (top) 0, centre 1, right (bottom) 2, any other text refused. A list
// that reads another text otherwise sets its rule on the item (FixedListOf(item)->SetOther); one
// whose values differ refills the entries (ClearEntries, AddEntries).
TESSALY_API CBCGPProp* CreateHAlignProp(const CString& name, DWORD_PTR id, const char* description);
TESSALY_API CBCGPProp* CreateVAlignProp(const CString& name);
// Item data of the vertical alignment item.
constexpr DWORD_PTR kVAlignPropId = 1055;

// ---- enabling runs of sub-items ----------------------------------------------------------------------
TESSALY_API void EnableAllSubItems(CBCGPProp* item, BOOL enable);
// Sub-items from .. min(to, count) - 1; a negative end reaches the last sub-item.
TESSALY_API void EnableSubItems(CBCGPProp* item, int from, int to, BOOL enable);
// The same, and each of those sub-items' own direct sub-items.
TESSALY_API void EnableSubItemsDeep(CBCGPProp* item, int from, int to, BOOL enable);
