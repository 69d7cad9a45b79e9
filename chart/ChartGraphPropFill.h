// CChartGraphPropFill: the "图案" page of a chart: its background colour.
#pragma once

#include "chart/WndLstChart.h"

class CChartGraphPropFill : public CWndLstChart {
public:
    CChartGraphPropFill();
    ~CChartGraphPropFill() override;
};
