// The module's resources: the empty list-page template and the style bitmaps. They belong
// to the module's image and are registered when the image is mapped, before the entry runs.
#pragma once

#include "win32/Win32.h"

// The empty property-page template (child, caption style, 111 x 200 dialog units).
constexpr UINT IDD_PROPPAGE_LIST = 7501;
// Style bitmaps: pinch-out shapes, scale-bar styles, arrows.
constexpr UINT IDB_STYLE_FIRST = 50000;
constexpr UINT IDB_STYLE_LAST = 50016;
// Templates the resources hold that no operation loads.
constexpr UINT IDS_PROPSHEET = 7503;

// Maps the module's image (a new instance handle) and registers its resources in it.
HINSTANCE LoadTessalyImage();
// Registers the resources in an image that is already mapped.
void RegisterModuleResources(HINSTANCE image);
