// CkelPropListBarPlot: the "常规" page of a bar plot: dataset, axes, base column, series, rows and
// the bar layout (width, stacking, overlap, direction).
#pragma once

#include "chart/WndLstChart.h"

class CkelBarPlot;

class CkelPropListBarPlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,  // 1 to 3: the shared data table and axes (chart/PlotItems.h)
        kXAxisId = 2,
        kYAxisId = 3,
        kBaseColumnId = 4,
        kDataSeriesId = 5,
        kTransferId = 6,
        kFirstRowId = 7,
        kLastRowId = 8,
        kStepId = 9,
        kLayoutGroupId = 10,
        kWidthId = 11,
        kStackId = 12,
        kOverlapId = 13,
        kDirectionId = 14,
    };

    CkelPropListBarPlot();
    ~CkelPropListBarPlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// Bar width (%): GetNumberProp's number up to 100 kept as a fraction; a number above brings the
// message and the stored width again. True when written.
bool ApplyBarWidth(CBCGPProp* item, CkelBarPlot* plot);
// Overlap (%): a number the utility library takes, -100 to 100, kept as a fraction; outside, the
// message and the stored overlap again. True when written.
bool ApplyBarOverlap(CBCGPProp* item, CkelBarPlot* plot);
