// CkelPropListBarPlot: the "常规" page of a bar plot: dataset, series, axes, rows and bar layout.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListBarPlot : public CWndLstChart {
public:
    CkelPropListBarPlot();
    ~CkelPropListBarPlot() override;
};
