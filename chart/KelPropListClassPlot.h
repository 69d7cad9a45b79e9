// CkelPropListClassPlot: the "常规" page of a classification plot: dataset, columns, axes and rows.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListClassPlot : public CWndLstChart {
public:
    CkelPropListClassPlot();
    ~CkelPropListClassPlot() override;
};
