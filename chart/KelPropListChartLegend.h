// CkelPropListChartLegend: the "图例" page of a chart legend.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListChartLegend : public CWndLstChart {
public:
    CkelPropListChartLegend();
    ~CkelPropListChartLegend() override;
};
