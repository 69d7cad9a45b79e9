// Line groups (pen style, width, colour) and the arrow items of polylines. Builders hand out
// new items; the grid owns them once they are added. A group with identifier G numbers its
// sub-items G+1, G+2, ... in creation order; the single-sub-item readers take the sub-item's
// position (item data - G - 1). Widths are stored as 100 times the millimetres shown.
#pragma once

#include <string>

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PenFontEdits.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CQXObject;
class CQXObjectPolyline;

// ---- the rule ApplyArrowProp reads a typed arrow size by (GetLineProp reads the width by
// penfont::ReadGroupSize) ----------------------------------------------------------------------------
// ApplyArrowProp's size: a leading number above 0.
TESSALY_API bool ReadArrowSize(const CString& text, double* length);
TESSALY_API TextRule ArrowSizeRule();

// ---- builders ----------------------------------------------------------------------------------
// Style picker, width options 0.1 .. 3.0, colour; with arrows also begin and end style and size.
// The width item refuses what GetLineProp's reader refuses (penfont::GroupSizeRule). Collapsed.
TESSALY_API CBCGPProp* CreateLineProp(const CString& name, DWORD_PTR id, bool withArrows);
// The same for a list that reads the width by a reader of its own: the width item refuses what widthRule refuses.
TESSALY_API CBCGPProp* CreateLineProp(const CString& name, DWORD_PTR id, bool withArrows, TextRule widthRule);
// Adds style picker, float width and colour (id+1 .. id+3) to an existing group.
TESSALY_API void AddLineSubItems(CBCGPProp* group, DWORD_PTR id);
// Style picker, float width, colour; expanded.
TESSALY_API CBCGPProp* CreateLineFloatProp(const std::string& name, DWORD_PTR id);
// Shown flag, style picker, float width, colour; expanded.
TESSALY_API CBCGPProp* CreateShowLineProp(const std::string& name, DWORD_PTR id);
// Style picker (no style group), width options 0.0 .. 29.5, colour, each with its own data. The
// width refuses what penfont::EditPen refuses (no number of 0 or more that the pen's float holds).
TESSALY_API void AddLineSubItemsWithIds(CBCGPProp* group, DWORD_PTR styleId, DWORD_PTR widthId, DWORD_PTR colorId);

// ---- writers -------------------------------------------------------------------------------------
TESSALY_API void SetLineProp(CBCGPProp* group, const QXLOGPEN& pen);
TESSALY_API void SetLineSubItems(CBCGPProp* group, int first, const QXLOGPEN& pen);
// Writes the pen into the sub-items of the expected classes, then enables or disables them.
TESSALY_API void EnableLineProp(CBCGPProp* group, const QXLOGPEN& pen, bool enable);
// Shown flag; the line sub-items are enabled as shown and written only when shown.
TESSALY_API void SetShowLineProp(CBCGPProp* group, const QXLOGPEN& pen, bool show);

// ---- readers ---------------------------------------------------------------------------------------
// The style always; width and colour only for a width of 0 or more (false otherwise). The
// automatic colour stays (COLORREF)-1.
TESSALY_API bool GetLineProp(CBCGPProp* group, QXLOGPEN& pen);
// One changed sub-item of a float-width group: 0 style, 1 width, 2 colour (automatic reads 0).
// False, pen untouched, when the width is refused (no number of 0 or more, or more than the pen's
// float holds in hundredths, or no item): a page that writes the pen back writes nothing then.
TESSALY_API bool GetLineSubProp(CBCGPProp* item, QXLOGPEN& pen, int index);
// One changed sub-item of a CreateShowLineProp group: 0 shown, 1 .. 3 as GetLineSubProp 0 .. 2.
TESSALY_API void GetShowLineSubProp(CBCGPProp* item, QXLOGPEN& pen, int index, bool* show);

// ---- arrows: 0 none, 1 simple, 2 right-angled ----------------------------------------------------
// The type an arrow style item stands for: its text read by ArrowTypeFromText, whatever kind of
// item holds it. A fixed list (a CreateLineProp group's) then shows the option for the type taken.
TESSALY_API int ReadArrowType(CBCGPProp* item);
// "简单样式" 1, "直角样式" 2, any other text 0 (no arrow).
TESSALY_API int ArrowTypeFromText(CString text);
TESSALY_API CString ArrowTypeToText(int type);
// Fills the arrow sub-items (positions 3, 4, 5) of a CreateLineProp group made with arrows: both
// styles, each offering exactly the three arrow types, and the begin arrow's length.
TESSALY_API void SetArrowLineProp(CBCGPProp* group, CQXObjectPolyline* line);
// Writes an edited arrow sub-item (0 begin style, 1 end style, 2 size for both ends) to every
// selected polyline of the object's layer with the object's type name. A size of 0 or less, or
// no number, changes nothing.
TESSALY_API void ApplyArrowProp(CBCGPProp* item, CQXObject* object, int index);

// ---- shared by the group builders -------------------------------------------------------------------
// A colour item starting black, with the other-colour button and the automatic button.
CBCGPColorProp* NewGroupColorProp(const CString& name, const char* description, DWORD_PTR data,
                                  COLORREF automaticColor);
