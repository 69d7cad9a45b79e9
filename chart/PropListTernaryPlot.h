// CPropListTernaryPlot: the "常规" page of a ternary plot: dataset, the three columns and rows.
#pragma once

#include "chart/WndLstChart.h"

class CPropListTernaryPlot : public CWndLstChart {
public:
    CPropListTernaryPlot();
    ~CPropListTernaryPlot() override;
};
