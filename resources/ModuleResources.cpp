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

// A dialog of the chart pages: pop-up with caption and system menu, 8-point "MS Shell Dlg".
platform::DialogTemplate ChartDialog(UINT id, const char* caption, int cx, int cy) {
    platform::DialogTemplate t;
    t.id = id;
    t.extended = true;
    t.language = 2052;
    constexpr DWORD kSysMenu = 0x00080000;    // WS_SYSMENU
    constexpr DWORD kModalFrame = 0x00000080;  // DS_MODALFRAME
    t.style = DS_SETFONT | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | kSysMenu | kModalFrame;
    t.cx = cx;
    t.cy = cy;
    t.caption = caption;
    t.fontFace = "MS Shell Dlg";
    t.fontPointSize = 8;
    t.fontWeight = 400;
    t.fontCharset = 1;
    return t;
}

platform::DialogControlTemplate Control(UINT id, const char* cls, const char* text, RECT rect, DWORD style = 0) {
    platform::DialogControlTemplate c;
    c.id = id;
    c.className = cls;
    c.text = text;
    c.rect = rect;
    c.style = style | WS_VISIBLE;
    return c;
}

constexpr UINT kStatic = 0xFFFF;
constexpr DWORD kGroupBox = 0x00000007;  // BS_GROUPBOX

platform::DialogControlTemplate Button(UINT id, const char* text, RECT rect) {
    return Control(id, "BUTTON", text, rect, WS_TABSTOP);
}
platform::DialogControlTemplate Edit(UINT id, RECT rect) {
    return Control(id, "EDIT", "", rect, WS_TABSTOP | WS_BORDER);
}
platform::DialogControlTemplate Label(const char* text, RECT rect) { return Control(kStatic, "STATIC", text, rect); }
platform::DialogControlTemplate Frame(RECT rect) { return Control(kStatic, "BUTTON", "", rect, kGroupBox); }
platform::DialogControlTemplate GridPlaceholder(UINT id, RECT rect) {
    return Control(id, kGridPlaceholderClass, "", rect, WS_TABSTOP | WS_BORDER);
}

platform::DialogTemplate ClassSetTemplate() {
    platform::DialogTemplate t = ChartDialog(IDD_CHART_CLASS_SET, "分类设置", 269, 174);
    t.controls = {
        Button(IDOK, "确定", {150, 154, 200, 168}),
        Button(IDCANCEL, "取消", {210, 154, 260, 168}),
        Frame({7, 4, 262, 60}),
        Label("分类列类型", {14, 14, 60, 24}),
        Control(IDC_CLASS_COLUMN_TYPE, "COMBOBOX", "", {64, 12, 140, 80}, CBS_DROPDOWNLIST | WS_TABSTOP),
        Button(IDC_CLASS_STATISTICS, "统计", {150, 12, 200, 26}),
        Label("最小值：", {14, 34, 44, 44}),
        Edit(IDC_CLASS_MIN, {46, 32, 92, 44}),
        Label("最大值：", {98, 34, 128, 44}),
        Edit(IDC_CLASS_MAX, {130, 32, 176, 44}),
        Label("间隔值：", {182, 34, 212, 44}),
        Edit(IDC_CLASS_INTERVAL, {214, 32, 258, 44}),
        Frame({7, 62, 262, 150}),
        GridPlaceholder(IDC_CLASS_GRID, {12, 70, 200, 146}),
        Button(IDC_CLASS_APPLY, "应用", {206, 70, 256, 84}),
        Button(IDC_CLASS_DELETE, "删除", {206, 90, 256, 104}),
        Button(IDC_CLASS_DELETE_ALL, "全部删除", {206, 110, 256, 124}),
    };
    return t;
}

platform::DialogTemplate RangeTemplate() {
    platform::DialogTemplate t = ChartDialog(IDD_CHART_RANGE, "范围", 158, 57);
    t.controls = {
        Edit(IDC_RANGE_LEFT, {10, 10, 66, 22}),
        Label("------", {70, 12, 88, 20}),
        Edit(IDC_RANGE_RIGHT, {92, 10, 148, 22}),
        Button(IDOK, "确定", {20, 36, 70, 50}),
        Button(IDCANCEL, "取消", {88, 36, 138, 50}),
    };
    return t;
}

platform::DialogTemplate DataSeryTemplate() {
    platform::DialogTemplate t = ChartDialog(IDD_BAR_DATA_SERY, "数据系列", 189, 158);
    t.controls = {
        Button(IDOK, "确定", {74, 138, 124, 152}),
        Button(IDCANCEL, "取消", {132, 138, 182, 152}),
        Frame({7, 4, 182, 132}),
        GridPlaceholder(IDC_SERY_GRID, {12, 12, 130, 128}),
        Button(IDC_SERY_MOVE_UP, "上移", {136, 12, 176, 26}),
        Button(IDC_SERY_MOVE_DOWN, "下移", {136, 32, 176, 46}),
    };
    return t;
}

platform::DialogTemplate TernarySymbolTemplate() {
    platform::DialogTemplate t = ChartDialog(IDD_TERNARY_SYMBOL, "符号设置", 185, 185);
    t.controls = {
        GridPlaceholder(IDC_SYMBOL_GRID, {7, 7, 178, 158}),
        Button(IDOK, "确定", {70, 164, 120, 178}),
        Button(IDCANCEL, "取消", {128, 164, 178, 178}),
    };
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
    for (const platform::DialogTemplate& t :
         {ClassSetTemplate(), RangeTemplate(), DataSeryTemplate(), TernarySymbolTemplate()})
        platform::RegisterDialogTemplate(image, t);
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
