// Items and edits the geology lists share: pen items (geoitems), the fault width and fill items
// (faultitems), the catalogue code items (codeitems), the area statistics (areaitems), the pen
// group of the distribution boundaries (boundarypen), the distribution zones (zonelist) and the
// sand-body numbers (sandlist).
#pragma once

#include "mfc/Collections.h"
#include "planemap/PlaneNumbers.h"
#include "planemap/WndLstPlane.h"

class CFaciesTypeManager;
class CQXObjectLine;
class CQXPropertyManager;

// ---- pen items: control, boundary, contour, fault and well-net lines -------------------------------
namespace geoitems {

// A line-style picker offering the common line styles.
CBCGPProp* NewStylePicker(const char* name, const char* description, DWORD_PTR id);
// A width item in millimetres offering count options first, first + step, ... in the format; free
// text allowed.
CBCGPProp* NewWidthItem(const char* name, double first, double step, int count, const char* format, DWORD_PTR id);
// Style picker (redrawn only when the style differs), colour and width (the format of width / 100)
// items from the pen; an item that is missing or of another kind is passed over.
void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen, const char* widthFormat);
// The shown line's whole pen, with the field of the edited item changed (position 0 style, 1 width
// typed in millimetres, 2 colour), to every selected line of its type name. False, nothing
// written, when the item's value is refused.
bool ApplyPenItem(CQXObjectLine* line, CBCGPProp* item, int position,
                  planemap::Accept width = planemap::Accept::AnyNumber);

}  // namespace geoitems

// ---- the fault line and fault combination lists ---------------------------------------------------
namespace faultitems {

// A fault width item: 30 options 0.1 .. 3.0 millimetres, free text allowed.
CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id);
// The fill switch ("是" while the brush fills) and the fill colour, enabled only while it fills.
void ShowFill(CBCGPProp* fill, CBCGPProp* colour, const QXLOGBRUSH& brush);
// Puts the edited fill switch (solid or no fill) or fill colour into brush; false for another item.
bool EditFill(QXLOGBRUSH& brush, CBCGPProp* item, DWORD_PTR fillId, DWORD_PTR colourId);

}  // namespace faultitems

// ---- the facies and scattered-attribute lines, areas and control points ---------------------------
namespace codeitems {

// The catalogues of the well data whose codes the lists offer.
enum class Catalogue { kFacies, kScattered };

// A code item with that label: a text item offering the codes as options.
CBCGPProp* NewCodeItem(const char* label, DWORD_PTR id);
// Rebuilds the options from the catalogue's codes in catalogue order (none without a catalogue),
// then shows code, enabled, for an object shown alone, and empty text, disabled, otherwise.
void ShowCodes(CBCGPProp* item, Catalogue catalogue, bool alone, const CString& code);
// An area's code: the one kept in its attributes, or its name when none is kept.
CString AreaCode(CQXObject* area);
// The area takes the name and the standard fill (when it is a fill) of the catalogue's type of
// that code and keeps the code in its attributes. False, nothing changed, when there is no
// catalogue or the code is not in it.
bool GiveAreaType(CQXObject* area, Catalogue catalogue, const CString& code);
// The facies catalogue of the well data; NULL when the project has none.
CFaciesTypeManager* FaciesCatalogue();

}  // namespace codeitems

// ---- the contour band, facies and scattered-attribute areas ---------------------------------------
namespace areaitems {

// The "统计" group, expanded, with its read-only "面积" item.
CBCGPProp* NewStatisticsGroup(DWORD_PTR groupId, DWORD_PTR areaId);
// The area belongs to one object: shown alone and a fill, "%.2f" of its area; shown alone but no
// fill, the item is left as it is; not alone, empty.
void ShowArea(CBCGPProp* item, bool alone, CQXObject* object);

}  // namespace areaitems

// ---- the oil-water, region and sand-body boundary lines -------------------------------------------
namespace boundarypen {

// The group "线型" and its items, in display order: colour, style picker, width.
enum : DWORD_PTR {
    kGroupId = 2003,
    kStyleId = 2004,
    kWidthId = 2005,
    kColorId = 2006,
};

// The group, expanded.
CBCGPProp* NewPenGroup();
// The line's pen: colour, style (redrawn only when it differs) and width ("%.2f" millimetres) by
// position.
void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line);
// A pen item's field as EditPen numbers it: 0 style, 1 width, 2 colour.
int PenField(CBCGPProp* item);
// Puts one edited item of the group into pen. A width is taken only when the typed millimetres
// make a stored width above 0 that the record can hold. False when nothing was put.
bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item);

}  // namespace boundarypen

// ---- the oil-water and region zones ---------------------------------------------------------------
namespace zonelist {

enum : DWORD_PTR {
    kTypeId = 2000,
    kZoneTypeId = 2001,
};

// The read-only "类型" item and the zone type item (pick only) with that label, to be added in
// that order.
void AddItems(CBCGPPropList& grid, const char* zoneTypeLabel);
// The layer holding the boundary lines of the zone's distribution; NULL when the zone has no
// layer or its map has no such layer.
CQXLayer* FindLineLayer(CQXObject* zone);
// The zone's type name; the types offered in order, and the zone's name as the chosen one.
void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types);
// The edit handler: a type chosen for the zone becomes its name and, when its line layer is found,
// brings the fill stored there under "LOGBRUSH_" and the type (a default fill when none is
// stored). Other items change nothing.
void ApplyEdit(CBCGPProp* item, CQXObject* zone);

}  // namespace zonelist

// ---- the sand-body lines and areas ----------------------------------------------------------------
namespace sandlist {

// The bodies of the layer: the largest n for which "LOGBRUSH_1" .. "LOGBRUSH_n" all hold a fill
// in the layer's attributes; 0 without a layer.
int CountBodies(CQXLayer* layer);
// The body number item, pick only.
CBCGPProp* NewBodyItem(DWORD_PTR id);
// Shows the object's body number (its name) and offers "1" .. the bodies of its layer (none
// without a layer).
void ShowBody(CBCGPProp* item, CQXObject* object);
// The object joins the body: its name becomes the number. Answers the attribute store of its
// layer, which keeps the bodies' standard pens and fills; NULL without a layer.
CQXPropertyManager* JoinBody(CQXObject* object, const CString& number);

}  // namespace sandlist
