// CPlanePropWndCreator: the host's one entry for plane maps. Given the map object or layer the
// user selected and a parent window, it picks the property list (or the tabbed sheet of pages) for
// that kind by run-time class and by the object's and layer's type names, first match winning,
// creates it as a visible child of the parent and returns it; NULL when the selection, its layer
// or the parent is missing, the kind is none it handles, or the window cannot be made. The lists
// learn what they show from the host's selection message that follows.
#pragma once

#include <cstddef>

#include "framework/Export.h"

class CPropWndMgr;
class CQXLayer;
class CQXObject;
class CWnd;
class CWndLstPlane;

class TESSALY_API CPlanePropWndCreator {
public:
    CPlanePropWndCreator() = delete;

    // A list, or the sheet of a border object.
    static CWnd* CreateObjProp(CQXObject* object, CWnd* parent);
    // The sheet of the layer's kind.
    static CPropWndMgr* CreateLayerProp(CQXLayer* layer, CWnd* parent);

private:
    // The list of a line object by its type name (and for oil-water borders its layer's), without
    // a window; the parent is not used.
    static CWndLstPlane* CreateObjPropLine(CQXObject* object, CWnd* parent);
    // Creates the list's window in parent; a list whose window cannot be made is deleted (NULL).
    static CWndLstPlane* CreateSinglePropPage(CWndLstPlane* list, CWnd* parent);
};

namespace planecreator {

// A page of a sheet: its tab caption and the list it holds. A NULL make stands for a list not
// built yet: a sheet naming one is not opened.
using ListFactory = CWndLstPlane* (*)();
struct SheetPage {
    const char* caption;
    ListFactory make;
    // Left out of the sheet when the host is the digitising program.
    bool leftOutWhenDigitising;
};
// The pages of one sheet in tab order; a NULL caption ends them.
constexpr std::size_t kMaxSheetPages = 6;
struct SheetPages {
    SheetPage page[kMaxSheetPages];
};

// The sheet holding the pages, created as a visible child of parent. NULL when a page names a list
// not built yet, or the sheet's window cannot be made; nothing is left behind then.
CPropWndMgr* CreateSheet(const SheetPages& pages, CWnd* parent);

// Whether the executable at path is the digitising program: its file name (after the last "/",
// else the last "\", else the last ":") begins with "quillmark" in any letter case.
bool IsDigitisingHost(const char* path);

}  // namespace planecreator
