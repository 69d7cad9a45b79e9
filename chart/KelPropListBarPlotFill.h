// CkelPropListBarPlotFill: the "填充" page of a bar plot: each series' outline and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListBarPlotFill : public CWndLstChart {
public:
    CkelPropListBarPlotFill();
    ~CkelPropListBarPlotFill() override;
};
