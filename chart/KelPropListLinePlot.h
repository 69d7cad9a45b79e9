// CkelPropListLinePlot: the "常规" page of a line plot: dataset, axes, X and Y columns and rows.
// The class plot's "常规" page shares its items and edits (ids 1 to 5).
#pragma once

#include "chart/ChartGroups.h"
#include "chart/WndLstChart.h"

class IkelPlot;

class CkelPropListLinePlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,
        kXAxisId = 2,
        kYAxisId = 3,
        kXColumnId = 4,
        kYColumnId = 5,
        kFirstRowId = 6,
        kLastRowId = 7,
        kStepId = 8,
    };

    CkelPropListLinePlot();
    ~CkelPropListLinePlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// The items of the data table, the two axes and the two columns (ids 1 to 5), shared with the
// class plot's "常规" page: building, refresh and edit (NotMine for another item; Refused, nothing
// written, for a name that names no dataset, axis or column the plot takes).
void AddXYDataItems(CBCGPProp* group);
void RefreshXYDataItems(CBCGPPropList& list, IkelPlot* plot);
chart::Edit ApplyXYDataItem(CBCGPProp* item, IkelPlot* plot);
