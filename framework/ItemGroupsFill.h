// Point groups (style, size, border and inner colour), fill groups (style set, style, line and
// fill colour, cell size, transparent background) and the point-symbol template block. Builders
// hand out new items; the grid owns them once they are added. A group with identifier G numbers
// its sub-items G+1, G+2, ... in creation order; the single-sub-item readers take the sub-item's
// position (item data - G - 1). Sizes are stored as 100 times the value shown.
#pragma once

#include <string>

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

// ---- point groups --------------------------------------------------------------------------------
// GetPointProp's size: a leading number of 0 or more whose hundredths a float holds.
TESSALY_API TextRule PointSizeRule();
// Style picker, size as text, border colour, inner colour; collapsed. The size item refuses what
// GetPointProp's reader refuses (PointSizeRule).
TESSALY_API CBCGPProp* CreatePointProp(const CString& name, DWORD_PTR id);
// The same for a list that reads the size by a reader of its own: the size item refuses what sizeRule refuses.
TESSALY_API CBCGPProp* CreatePointProp(const CString& name, DWORD_PTR id, TextRule sizeRule);
// The same with a two-decimal number size; collapsed.
TESSALY_API CBCGPProp* CreatePointFloatProp(const std::string& name, DWORD_PTR id);
// Shown flag, style picker, number size, border colour, inner colour; expanded.
TESSALY_API CBCGPProp* CreateShowPointProp(const std::string& name, DWORD_PTR id);
TESSALY_API void SetPointProp(CBCGPProp* group, const QXLOGPOINT& point);
TESSALY_API void SetPointFloatProp(CBCGPProp* group, const QXLOGPOINT& point);
// Writes the point whatever show is, then enables the point sub-items as shown.
TESSALY_API void SetShowPointProp(CBCGPProp* group, const QXLOGPOINT& point, bool show);
// The style always; a negative size is refused (false, size and colours unchanged); a size text
// that is no number reads 0.
TESSALY_API bool GetPointProp(CBCGPProp* group, QXLOGPOINT& point);
// 0 style, 1 size, 2 border colour, 3 inner colour (automatic stays (COLORREF)-1). False, point
// untouched, when the size is refused as GetLineSubProp refuses a width.
TESSALY_API bool GetPointSubProp(CBCGPProp* item, QXLOGPOINT& point, int index);
// 0 shown, 1 .. 4 as GetPointSubProp 0 .. 3.
TESSALY_API void GetShowPointSubProp(CBCGPProp* item, QXLOGPOINT& point, int index, bool* show);

// ---- fill groups -----------------------------------------------------------------------------------
// Style set, style picker, line colour, fill colour, cell size, transparent background; expanded.
TESSALY_API CBCGPProp* CreateFillProp(const std::string& name, DWORD_PTR id);
// Adds a fill flag (id+1) and the six fill sub-items (id+2 .. id+7) to an existing group.
TESSALY_API void CreateFillFlagProp(CBCGPProp* group, DWORD_PTR id);
// The set shown is the one holding the brush's style; setName only when no set holds it.
TESSALY_API void SetFillProp(CBCGPProp* group, const std::string& setName, const QXLOGBRUSH& brush);
TESSALY_API void SetFillFlagProp(CBCGPProp* group, const std::string& setName, const QXLOGBRUSH& brush, bool fill);
// 0 style set (and its first style), 1 style, 2 line colour, 3 fill colour, 4 cell size,
// 5 background (100 transparent, 13 drawn). False, brush untouched, when the cell size is refused
// as GetLineSubProp refuses a width.
TESSALY_API bool GetFillSubProp(CBCGPProp* item, std::string* setName, int index, QXLOGBRUSH& brush);
// 0 fill flag, 1 .. 6 as GetFillSubProp 0 .. 5.
TESSALY_API void GetFillFlagSubProp(CBCGPProp* item, bool* fill, int index, std::string* setName, QXLOGBRUSH& brush);
// The first style of the named set (the second of the whole collection, "所有样式"); 0 when
// the set is unknown or has no such style.
TESSALY_API UINT GetFirstFillStyleID(CString setName);

// ---- point-symbol template block ---------------------------------------------------------------------
enum : DWORD_PTR {
    kSymbolTemplateGroupId = 1011,
    kSymbolShowId = 1012,
    kSymbolPointTemplateId = 1013,
    kSymbolPointStyleId = 1014,
    kSymbolSizeTemplateId = 1015,
    kSymbolSizeId = 1016,
    kSymbolBorderTemplateId = 1017,
    kSymbolBorderColorId = 1018,
    kSymbolInnerTemplateId = 1019,
    kSymbolInnerColorId = 1020,
};
// The group 1011 with its items 1012 .. 1020; the four template items offer only "" until the list
// fills them.
TESSALY_API CBCGPProp* CreateSymbolTemplateProp(const std::string& name);
// The same block as the group id with its items id+1 .. id+9, in the same order.
TESSALY_API CBCGPProp* CreateSymbolTemplateProp(const std::string& name, DWORD_PTR id);
