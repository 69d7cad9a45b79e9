// CChartGraphProp: the "图设置" page of a chart: its title text, offsets and font.
#pragma once

#include "chart/WndLstChart.h"

class CChartGraphProp : public CWndLstChart {
public:
    CChartGraphProp();
    ~CChartGraphProp() override;
};
