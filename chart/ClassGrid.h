// The class grid of the classification and ternary symbol dialogs: "序号", "分类类别", "符号",
// one fixed row and two fixed columns; row i (from 1) holds i, the class's text and its symbol.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Spindle/GridCtrl.h"

class CClassEntity;

namespace chart {

// Every column of the chart dialogs' grids: centred, vertically centred, one line; appended.
constexpr UINT kGridColumnFormat = 0x25;  // DT_CENTER | DT_VCENTER | DT_SINGLELINE
constexpr int kGridAppend = 9999;

// Column positions of the class grid.
enum ClassGridColumn : int { kClassNumberCol = 0, kClassTextCol = 1, kClassSymbolCol = 2 };

// Lays the columns out and removes every row below the header.
void SetupClassGrid(CGridCtrl& grid);
// Appends the row of class number (from 1) with its text and symbol.
void AddClassRow(CGridCtrl& grid, unsigned number, const CString& text, const QXLOGPOINT& symbol);
// "%.2f - %.2f" of a numeric class's range.
CString ClassRangeText(const CClassEntity& entity);
// Invalidates with erase and repaints the grid at once.
void RedrawGrid(CGridCtrl& grid);

}  // namespace chart
