// CkelPropHistPlot: the "常规" page of a histogram: dataset, axes, data column, rows and the binning
// (end values, number of intervals, counts or frequencies, bar width).
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistPlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,  // 1 to 3: the shared data table and axes (chart/PlotItems.h)
        kXAxisId = 2,
        kYAxisId = 3,
        kDataColumnId = 4,
        kFirstRowId = 5,
        kLastRowId = 6,
        kBinningGroupId = 7,
        kLeftValueId = 8,
        kRightValueId = 9,
        kZoneCountId = 10,
        kStyleId = 11,
        kWidthId = 12,
    };

    CkelPropHistPlot();
    ~CkelPropHistPlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
