// CkelPropHistPlot: the "常规" page of a histogram: dataset, column, zones and rows.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistPlot : public CWndLstChart {
public:
    CkelPropHistPlot();
    ~CkelPropHistPlot() override;
};
