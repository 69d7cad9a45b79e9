// What a plot shows of its dataset: the data-table item that binds a plot to one of the chart's
// datasets or to a statistics data file loaded into a new dataset, the value-label group of the
// plots' label pages, and the bar plot's layout group.
#pragma once

#include <string>

#include "bcg/Prop.h"

class CkelBarPlot;
class CkelDataset;
class CkelPlotLabels;
class IkelPlot;

namespace chart {

// ---- statistics data files and datasets ---------------------------------------------------------
// Asks the user for a statistics data file; false when cancelled or no path came back.
bool BrowseStatDataFile(std::string& path);
// The data-table item shows the plot's dataset again, as the refresh shows it: false, item
// untouched, when the chart has no dataset manager (the refresh then shows none) or the plot no
// dataset.
bool ShowPlotDataset(CBCGPProp* dataTableItem, IkelPlot* plot);
// Loads the chosen file into a new dataset named after the file; NULL, after the message that
// says why, when there is nothing to bind (the item then shows the plot's dataset again, except
// when the format is unsupported or the dataset does not suit the plot, which stays in the
// chart's manager under the file's name).
CkelDataset* CreateDatasetFromFile(IkelPlot* plot, CBCGPProp* dataTableItem);
// The chart's dataset named by the item; NULL when there is none or it does not suit the plot
// (the plot's own dataset is taken without the check).
CkelDataset* UseExistingDataset(CBCGPProp* dataTableItem, IkelPlot* plot);
// The data-table item of group (its first sub-item, any item) changed: binds the plot to the
// dataset it names, or to a file's dataset for "选择数据……", then tells the chart. Nothing more
// when no dataset came of it (no dataset manager, a name no dataset carries, a file cancelled or
// refused): the plot stays bound as before.
void OnDataTableChanged(IkelPlot* plot, CBCGPProp* group);
// The change made, answering whether it bound a dataset: a page refuses a choice that binds
// nothing, and then shows the plot's dataset in the item again.
bool BindDataTableChoice(IkelPlot* plot, CBCGPProp* group);

// ---- value-label group ---------------------------------------------------------------------------
// Item data of the group's items.
enum LabelItem : DWORD_PTR {
    kLabelGroupId = 0,
    kLabelShowId = 1,
    kLabelDataId = 2,
    kLabelInYColumnId = 3,
    kLabelColumnId = 4,
    kLabelFirstRowId = 5,
    kLabelLastRowId = 6,
    kLabelStepId = 7,
    kLabelPositionId = 8,
    kLabelXOffsetId = 9,
    kLabelYOffsetId = 10,
    kLabelAngleId = 11,
    kLabelFontId = 12,
};
CBCGPProp* InitLabelProps(const char* name);
// "位置": offsets / 100 and the angle, each "%.1f"; the position items refuse what
// ApplyLabelPosition's readers refuse, the row items what the row readers refuse.
void RefreshLabelPosition(CBCGPProp* positionGroup, CkelPlotLabels* labels);
// "数据": Y-column flag, the column choice (enabled only for shown labels off the Y column), rows
// from 1, step.
void RefreshLabelData(CBCGPProp* dataGroup, CkelPlotLabels* labels);
// One row or the step of "数据" (sub-items 2 to 4) shown as the refresh shows it; false for another item.
bool ShowLabelRow(CBCGPProp* item, CkelPlotLabels* labels);
// The group appliers take the edited item of the group and write its whole group back.
// The position group: all three values (offsets × 100); the edited one is the number typed (its
// item refuses what the readers refuse); one that does not read, not edited, keeps the stored
// value, and one not edited whose text still shows the stored value stands for it, unrounded.
void ApplyLabelPosition(CBCGPProp* edited, CkelPlotLabels* labels);
// The column item of a bar plot's labels: whatever it names, the labels take the bar series'
// column, which it then shows (the series' name); it keeps its options.
void SetBarLabelColumn(CBCGPProp* columnItem, CkelDataset* dataset, int barColumn);
// When the edited entry is refused the data appliers write nothing and answer false.
// The data group: the five values, each row checked against the plot's data range as it is
// applied: a row out of it shows the bounds message and the labels' row again, the edited one or
// not (which then keeps the stored row).
bool ApplyLabelData(CBCGPProp* edited, CkelPlotLabels* labels, IkelPlot* plot);
// The same for a bar series' labels (GetBarSery), whose column is their series'.
bool ApplyBarLabelData(CBCGPProp* edited, CkelPlotLabels* labels, IkelPlot* plot);

// ---- bar layout group ----------------------------------------------------------------------------
// Width (%), stacking ("上下"/"左右"), overlap (%), direction ("横向"/"纵向").
void RefreshBarLayout(CBCGPProp* layoutGroup, CkelBarPlot* plot);

}  // namespace chart
