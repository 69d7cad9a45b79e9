// The cell grid of the "层设置" pages of multi-well and single-well sections: one row per stratum
// (column 0 its name, never edited), one switch column per drawing feature ("TRUE"/"FALSE").
#pragma once

#include <vector>

#include "win32/Win32.h"

class CGridCtrl;
class CWnd;

namespace section {

constexpr COLORREF kStratumGridGrey = RGB(180, 180, 180);

// Makes the grid over the pane's client area with the name column "地层" and a switch column per
// caption, each 52 wide, neither rows nor columns resizable, one grey fixed header row and header
// selection by double click. False, no window, when the grid cannot be made.
bool CreateStratumGrid(CGridCtrl& grid, CWnd* pane, UINT id, const std::vector<const char*>& switchCaptions);
// Column 0 of every data row is made unchangeable.
void LockStratumNames(CGridCtrl& grid);
// Makes the cell unchangeable and grey (a bottom boundary that is the top of the next stratum).
void LockStratumCell(CGridCtrl& grid, int row, int column);
// Whether the first changeable data cell of the column shows "TRUE" (false when there is none): the
// value a header click gives the whole column.
bool FirstChangeableIsTrue(CGridCtrl& grid, int column);

}  // namespace section
