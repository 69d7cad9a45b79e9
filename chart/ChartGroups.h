// Item groups the chart pages share: the fill group, a plot's data rows (first row, last row,
// step), the option lists of datasets, data columns and axes, and the percentage unit. Pages own
// the item ids of what they build and call these from InitPropWnd, UpdateBCGPProperty and
// OnPropertyChanged.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bcg/Prop.h"
#include "framework/FixedList.h"
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

// ---- fixed lists ------------------------------------------------------------------------------------
// Every option list of the chart pages is a fixed list (framework/FixedList.h) whose text is read by
// the one reader, ReadFixedList: each entry's text stands for its value, any other text for the
// list's rule (a value, or a refusal). A list may read texts its page maps beyond the options it
// offers: "上端" on a horizontal axis, "千" for the ternary unit, a series of a kind a column does
// not offer (unoffered entries); the first entry of a text decides, and the first option standing
// for a value, else the first unoffered entry, is what the item shows for it.
using ListEntry = std::pair<CString, int>;
// The chart library's index of a series a dataset does not hold, which some columns pass on.
inline constexpr int kMissingSeries = -1;
// An empty list showing "" (its entries come from its table or its refresh).
CFixedListProp* NewListItem(const char* label, const char* description, DWORD_PTR id, OtherText other, bool allowEdit);
// Replaces what the list reads and the options it offers (in that order); every entry offered when
// offers is left out. An option no entry reads stands for what the list's rule gives. An item that
// is no list gets the options offered, each once, in place of its own.
void SetListEntries(CBCGPProp* item, const std::vector<ListEntry>& reads, const std::vector<CString>& offers);
void SetListEntries(CBCGPProp* item, const std::vector<ListEntry>& entries);
// The entries of a table.
template <std::size_t N>
std::vector<ListEntry> EntriesOf(const TextValue (&table)[N]) {
    std::vector<ListEntry> entries;
    for (const TextValue& entry : table) entries.emplace_back(entry.text, entry.value);
    return entries;
}
// A list offering the whole numbers first .. last ("%d"); typing off. Any other text is read by
// read: a number it takes ("12.99" is 12) stands for that number and shows as "%d", as the refresh
// shows it; a text it refuses is refused.
CBCGPProp* NewNumberListItem(const char* label, const char* description, DWORD_PTR id, int first, int last,
                             bool (*read)(const CString&, int*));
// A two-option list whose page takes any other text as the second option: "上下"/"左右",
// "横向"/"纵向", "内部"/"外部". Its entries are set by the refresh (SetTwoOptions), which shows
// first or second; the first option stands for 1, the second for 0, so the list is read as a
// yes/no list is (ReadYesNo): true for the first option. (The histogram's "频数" 0 / "频率" 1 list
// sets its own entries and takes any other text as 0 too.)
inline constexpr OtherText kSecondOption = OtherTakenAs(0);
void SetTwoOptions(CBCGPProp* item, const char* first, const char* second, bool firstShown);

// ---- option lists (each replaces the item's entries; each option once) --------------------------------
// The chart's datasets, each standing for its index in the manager, then "选择数据……"
// (kChooseDataEntry); the value is the plot's dataset. Nothing when the chart has no dataset
// manager. Any other name is refused. Any item takes the options and the value.
inline constexpr int kChooseDataEntry = -1;
void FillDataTableOptions(CBCGPProp* item, IkelPlot* plot);
// Every series of a dataset, each standing for its index, as the chart library finds a series by
// name: a column reads any series named, offered or not.
std::vector<ListEntry> SeriesEntries(CkelDataset* dataset);
// The series of the plot's dataset of the kinds asked for; the value is the series at column
// (nothing when there is none there). The list reads every series (SeriesEntries).
enum class SeriesKinds { Numeric, NumericOrText, All };
void FillSeriesOptions(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column);
// The same, adding the series offered each once and removing no option (label columns).
void AddSeriesOptions(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column);
// The options a list offers.
std::vector<CString> ListOptions(CBCGPProp* item);
// The numeric series (ternary axes: value at the plot's axis column).
void FillNumericColumnOptions(CBCGPProp* item, IkelPlot* plot, int column);
// The numeric and text series (ternary class column).
void FillTernaryClassOptions(CBCGPProp* item, IkelPlot* plot, int column);
// Every series (column 1 / column 2 of a plot).
void FillColumnOptions(CBCGPProp* item, IkelPlot* plot, int column);
// Every series; the value is the class plot's class column.
void FillClassColumnOptions(CBCGPProp* item, CkelClassPlot* plot);
// The chart's axes of one direction (0 X, 1 Y) in the axis manager's order, the item showing the
// name of current (the plot's axis of that direction). A plot page does not read the list's
// values: its edit looks the name up among the chart's axes of that direction as they are when
// the edit comes, and refuses a name none of them carries (chart/PlotItems.h: ApplyAxisChoice).
void FillAxisOptions(CBCGPProp* item, IkelPlot* plot, int direction, IkelAxis* current);

// ---- percentage unit --------------------------------------------------------------------------------
// 1 "百分比", 2 "十", 3 "百", 4 "千"; any other code "无".
const char* UnitText(int code);
// A unit list (any other text no unit, 0) reading all five texts and offering the first count of them
// ("无", "百分比", "十", "百", "千").
CBCGPProp* NewUnitItem(const char* label, const char* description, DWORD_PTR id, int count);

}  // namespace chart
