// CPropListPiePlot: the "常规" page of a pie plot: dataset, column, angles and rows.
#pragma once

#include "chart/WndLstChart.h"

class CPropListPiePlot : public CWndLstChart {
public:
    CPropListPiePlot();
    ~CPropListPiePlot() override;
};
