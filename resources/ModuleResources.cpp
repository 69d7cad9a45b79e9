#include "resources/ModuleResources.h"

#include "mfc/Dc.h"
#include "mfc/Module.h"

namespace {

platform::DialogTemplate ListPageTemplate() {
    platform::DialogTemplate t;
    t.id = IDD_PROPPAGE_LIST;
    t.extended = true;
    t.language = 2052;
    t.style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT | DS_FIXEDSYS;  // 0x48C00048
    t.exStyle = 0;
    t.x = 0;
    t.y = 0;
    t.cx = 111;
    t.cy = 200;
    t.caption = "";
    t.fontFace = "MS Shell Dlg";
    t.fontPointSize = 8;
    t.fontWeight = 400;
    t.fontItalic = false;
    t.fontCharset = 1;
    return t;
}

// Pixel size of each style bitmap: pinch-out shapes, scale-bar styles, then the arrows.
SIZE BitmapSize(UINT id) {
    if (id <= 50003) return SIZE{32, 16};
    if (id <= 50010) return SIZE{64, 16};
    return SIZE{40, 20};
}

}  // namespace

void RegisterModuleResources(HINSTANCE image) {
    platform::RegisterDialogTemplate(image, ListPageTemplate());
    for (UINT id = IDB_STYLE_FIRST; id <= IDB_STYLE_LAST; ++id) {
        const SIZE size = BitmapSize(id);
        platform::RegisterBitmap(image, id, size.cx, size.cy);
    }
}

HINSTANCE LoadTessalyImage() {
    HINSTANCE image = platform::LoadModuleImage("Tessaly");
    RegisterModuleResources(image);
    return image;
}
