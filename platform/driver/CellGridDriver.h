// The user's hands on a cell grid control (a control library's grid, not the property grid):
// ending a cell edit and clicking a cell or a header. The control implements UserCellGrid with
// what such an action does there (its notifications to the owner); the driver finds it behind
// the window.
#pragma once

#include <string>

#include "mfc/Wnd.h"

namespace platform {

class UserCellGrid {
public:
    virtual ~UserCellGrid() = default;
    // The user types text into the cell and ends the edit. False (nothing changed, nothing sent)
    // when the user cannot edit that cell.
    virtual bool UserEditCell(int row, int col, const std::string& text) = 0;
    // The user clicks the cell; row 0 is the header row. False when there is no such cell.
    virtual bool UserClickCell(int row, int col) = 0;
    // The user drags the right divider of column col in the header until the column is width
    // pixels wide and releases the mouse. False (nothing changed) where the grid has no such divider.
    virtual bool UserDragColumnDivider(int /*col*/, int /*width*/) { return false; }
    // The user picks a colour or a line style for the cell in the grid's own picker.
    virtual bool UserPickCellColour(int /*row*/, int /*col*/, COLORREF /*colour*/) { return false; }
    virtual bool UserPickCellLineStyle(int /*row*/, int /*col*/, UINT /*style*/) { return false; }
    // The user drags the mouse from one corner of a block of cells to the other.
    virtual bool UserSelectCells(int /*minRow*/, int /*minCol*/, int /*maxRow*/, int /*maxCol*/) { return false; }
    // The user types one text into every cell of the selected block at once.
    virtual bool UserEditSelectedCells(const std::string& /*text*/) { return false; }
};

// False when the window is no live cell grid or the grid refuses the action.
bool EditGridCell(CWnd& grid, int row, int col, const std::string& text);
bool ClickGridCell(CWnd& grid, int row, int col);
bool ClickGridHeader(CWnd& grid, int col);
bool DragGridColumnDivider(CWnd& grid, int col, int width);
bool PickGridCellColour(CWnd& grid, int row, int col, COLORREF colour);
bool PickGridCellLineStyle(CWnd& grid, int row, int col, UINT style);
bool SelectGridCells(CWnd& grid, int minRow, int minCol, int maxRow, int maxCol);
bool EditSelectedGridCells(CWnd& grid, const std::string& text);
// The user releases the left mouse button over the window (WM_LBUTTONUP at its top-left corner);
// false when the window does not exist.
bool ReleaseMouse(CWnd& wnd);

}  // namespace platform
