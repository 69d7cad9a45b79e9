// CkelPropListLinePlotSet: the "图形设置" page of a line plot: its pen, the fill beside the line
// and the line mode. A plot without a fill object keeps its pen and mode items working.
#pragma once

#include "chart/AxisGroups.h"
#include "chart/WndLstChart.h"

class CkelPropListLinePlotSet : public CWndLstChart {
public:
    // The fill group's ids 4 to 13 are those of the line-plot fill group (chart/AxisGroups.h).
    enum : DWORD_PTR {
        kLineGroupId = 0,
        kLineStyleId = 1,
        kLineWidthId = 2,
        kLineColorId = 3,
        kModeGroupId = 14,
        kModeId = 15,
        kReverseId = 16,
    };

    CkelPropListLinePlotSet();
    ~CkelPropListLinePlotSet() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
};

// The mode shown: 1 "阶梯", any other mode "折线" (the mode list reads "折线" 0, "阶梯" 1 and any
// other text 0).
const char* LineModeToText(int mode);
