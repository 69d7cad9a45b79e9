// CkelPropListClassPlot: the "常规" page of a classification plot: dataset, axes, columns, the
// classification column and rows (ids 1 to 5 as on the line plot's page).
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListClassPlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,
        kXAxisId = 2,
        kYAxisId = 3,
        kXColumnId = 4,
        kYColumnId = 5,
        kClassColumnId = 6,
        kFirstRowId = 7,
        kLastRowId = 8,
        kStepId = 9,
    };

    CkelPropListClassPlot();
    ~CkelPropListClassPlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
