// CPropListAxis: the "轴" page of a chart axis: its scale, length and position, its value range
// with reverse order, automatic range, tick spacing and unit, its title and its line. The groups
// 0, 5 and 13 and their item data are those of chart/AxisGroups.h; the page adds the line group.
#pragma once

#include "chart/AxisGroups.h"
#include "chart/WndLstChart.h"

class CPropListAxis : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kLineGroupId = 24,
        kLineStyleId = 25,
        kLineWidthId = 26,
        kLineColorId = 27,
    };

    CPropListAxis();
    ~CPropListAxis() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// Scale types whose axes take no attribute or range edits (3 also no line edits), shared by the
// four axis pages.
bool IsFixedScale(int scaleType);
