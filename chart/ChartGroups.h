// Item groups the chart pages share: the fill group, a plot's data rows (first row, last row,
// step), the option lists of datasets, data columns and axes, and the percentage unit. Pages own
// the item ids of what they build and call these from InitPropWnd, UpdateBCGPProperty and
// OnPropertyChanged.
#pragma once

#include <string>

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CkelClassPlot;
class CkelDataset;
class IkelAxis;
class IkelPlot;

namespace chart {

// ---- fill group ---------------------------------------------------------------------------------
// The group (item data G, not yet added): G+1 "填充" (yes/no, empty), G+2 "样式集", G+3 "样式",
// G+4 "线条色", G+5 "填充色", G+6 "图元大小" (millimetres), G+7 "背景透明".
CBCGPProp* InitFillProps(DWORD_PTR firstId, const char* name);
// Writes the six fill sub-items from position first (the "样式集" sub-item): the set name as
// given; the style only when it differs from the picker's (the picker then offers the set); each
// colour only when it differs from the item's; the size / 100; "是" for a transparent background.
void UpdateFillProps(CBCGPProp* group, int first, const std::string& setName, const QXLOGBRUSH& brush);
// The "图元大小" item of a fill group: the brush's size / 100.
void ShowFillSize(CBCGPProp* item, const QXLOGBRUSH& brush);

// What an edit helper made of the edited item: not one of its items, taken (written), or refused
// (nothing written, no redraw due; the item shows the stored value again).
enum class Edit { NotMine, Taken, Refused };

// ---- data rows (shown from 1, kept from 0) ----------------------------------------------------------
// Row and step items, built with the rule of the row reader (chart/ChartReaders.h: ReadRow, ReadStep).
CBCGPProp* NewRowItem(const char* label, const char* description, DWORD_PTR id);
CBCGPProp* NewStepItem(const char* label, const char* description, DWORD_PTR id);
// Each writes the range when the typed number is within its bounds and answers true; a row out of
// bounds shows "值必须大于等于%d,小于等于%d", then the stored row again, and answers false.
bool OnFirstRowChanged(CBCGPProp* item, IkelPlot* plot);
bool OnLastRowChanged(CBCGPProp* item, IkelPlot* plot);
bool OnStepChanged(CBCGPProp* item, IkelPlot* plot);
void ShowFirstRow(CBCGPProp* item, IkelPlot* plot);
void ShowLastRow(CBCGPProp* item, IkelPlot* plot);
void ShowStep(CBCGPProp* item, IkelPlot* plot);
// Shows the bounds message with the two bounds.
void ShowRowBounds(long long low, long long high);
// A row item's row (counted from 1) when it is within low .. high. When say is set, one out of them
// shows the bounds message and then shown, the stored row counted from 1; a text that is no row
// shows shown without a message.
bool RowFits(CBCGPProp* item, bool say, long long low, long long high, long long shown, long long* row);
// Shows a row (already counted from 1) or a step, "%d".
void ShowRow(CBCGPProp* item, long long value);

// ---- option lists (each replaces the item's options; each option once) --------------------------------
// The chart's datasets, then "选择数据……"; the value is the plot's dataset. Nothing when the
// chart has no dataset manager.
void FillDataTableOptions(CBCGPProp* item, IkelPlot* plot);
// The series of the plot's dataset of the kinds asked for; the value is the series at column
// (nothing when there is none there).
enum class SeriesKinds { Numeric, NumericOrText, All };
void FillSeriesOptions(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column);
// The numeric series (ternary axes: value at the plot's axis column).
void FillNumericColumnOptions(CBCGPProp* item, IkelPlot* plot, int column);
// The numeric and text series (ternary class column).
void FillTernaryClassOptions(CBCGPProp* item, IkelPlot* plot, int column);
// Every series (column 1 / column 2 of a plot).
void FillColumnOptions(CBCGPProp* item, IkelPlot* plot, int column);
// Every series; the value is the class plot's class column.
void FillClassColumnOptions(CBCGPProp* item, CkelClassPlot* plot);
// The chart's axes of one direction (0 X, 1 Y) in the axis manager's order; the value is the
// name of current (the plot's axis of that direction).
void FillAxisOptions(CBCGPProp* item, IkelPlot* plot, int direction, IkelAxis* current);


// ---- percentage unit --------------------------------------------------------------------------------
// 1 "百分比", 2 "十", 3 "百", 4 "千"; any other code "无", any other text 0.
const char* UnitText(int code);
int UnitCode(const CString& text);

}  // namespace chart
