#include "driver/CellGridDriver.h"

namespace platform {

namespace {
UserCellGrid* LiveGrid(CWnd& grid) {
    if (!grid.GetSafeHwnd()) return nullptr;
    return dynamic_cast<UserCellGrid*>(&grid);
}
}  // namespace

bool EditGridCell(CWnd& grid, int row, int col, const std::string& text) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserEditCell(row, col, text);
}

bool ClickGridCell(CWnd& grid, int row, int col) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserClickCell(row, col);
}

bool ClickGridHeader(CWnd& grid, int col) { return ClickGridCell(grid, 0, col); }

bool DragGridColumnDivider(CWnd& grid, int col, int width) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserDragColumnDivider(col, width);
}

bool PickGridCellColour(CWnd& grid, int row, int col, COLORREF colour) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserPickCellColour(row, col, colour);
}

bool PickGridCellLineStyle(CWnd& grid, int row, int col, UINT style) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserPickCellLineStyle(row, col, style);
}

bool SelectGridCells(CWnd& grid, int minRow, int minCol, int maxRow, int maxCol) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserSelectCells(minRow, minCol, maxRow, maxCol);
}

bool EditSelectedGridCells(CWnd& grid, const std::string& text) {
    UserCellGrid* cells = LiveGrid(grid);
    return cells && cells->UserEditSelectedCells(text);
}

bool ReleaseMouse(CWnd& wnd) {
    if (!wnd.GetSafeHwnd()) return false;
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    return true;
}

}  // namespace platform
