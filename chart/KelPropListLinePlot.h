// CkelPropListLinePlot: the "常规" page of a line plot: dataset, columns, axes and rows.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListLinePlot : public CWndLstChart {
public:
    CkelPropListLinePlot();
    ~CkelPropListLinePlot() override;
};
