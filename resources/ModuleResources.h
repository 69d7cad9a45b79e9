// The module's resources: the empty list-page template and the style bitmaps. They belong
// to the module's image and are registered when the image is mapped, before the entry runs.
#pragma once

#include "win32/Win32.h"

// The empty property-page template (child, caption style, 111 x 200 dialog units).
constexpr UINT IDD_PROPPAGE_LIST = 7501;
// Style bitmaps: pinch-out shapes, scale-bar styles, arrows.
constexpr UINT IDB_STYLE_FIRST = 50000;
constexpr UINT IDB_STYLE_LAST = 50016;
// The chart dialogs: classification, range, data series, ternary symbols.
constexpr UINT IDD_CHART_CLASS_SET = 2003;
constexpr UINT IDD_CHART_RANGE = 2004;
constexpr UINT IDD_BAR_DATA_SERY = 2005;
constexpr UINT IDD_TERNARY_SYMBOL = 2006;
// Their controls.
constexpr UINT IDC_CLASS_COLUMN_TYPE = 2000;
constexpr UINT IDC_CLASS_MIN = 2001;
constexpr UINT IDC_CLASS_INTERVAL = 2003;
constexpr UINT IDC_CLASS_DELETE_ALL = 2004;
constexpr UINT IDC_CLASS_GRID = 2005;
constexpr UINT IDC_CLASS_STATISTICS = 2006;
constexpr UINT IDC_CLASS_APPLY = 2007;
constexpr UINT IDC_CLASS_DELETE = 2008;
constexpr UINT IDC_CLASS_MAX = 61029;
constexpr UINT IDC_RANGE_LEFT = 2009;
constexpr UINT IDC_RANGE_RIGHT = 2010;
constexpr UINT IDC_SERY_MOVE_UP = 2010;
constexpr UINT IDC_SERY_GRID = 2011;
constexpr UINT IDC_SERY_MOVE_DOWN = 61040;
constexpr UINT IDC_SYMBOL_GRID = 2005;
// The window class of the dialogs' grid placeholders.
inline constexpr const char* kGridPlaceholderClass = "MFCGridCtrl";
// Templates the resources hold that no operation loads.
constexpr UINT IDS_PROPSHEET = 7503;

// Maps the module's image (a new instance handle) and registers its resources in it.
HINSTANCE LoadTessalyImage();
// Registers the resources in an image that is already mapped.
void RegisterModuleResources(HINSTANCE image);
