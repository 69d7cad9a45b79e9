// CkelPropListAxisGrid: the "网格" page of a chart axis: major and minor grid lines.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListAxisGrid : public CWndLstChart {
public:
    CkelPropListAxisGrid();
    ~CkelPropListAxisGrid() override;
};
