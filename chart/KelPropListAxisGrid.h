// CkelPropListAxisGrid: the "网格" page of a chart axis: the grid lines at its major and minor
// ticks, on or off, and their pens.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListAxisGrid : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kMajorGroupId = 0,
        kMajorShowId = 1,
        kMajorLineId = 2,
        kMajorStyleId = 3,
        kMajorWidthId = 4,
        kMajorColorId = 5,
        kMinorGroupId = 6,
        kMinorShowId = 7,
        kMinorLineId = 8,
        kMinorStyleId = 9,
        kMinorWidthId = 10,
        kMinorColorId = 11,
    };

    CkelPropListAxisGrid();
    ~CkelPropListAxisGrid() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
