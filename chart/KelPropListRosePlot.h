// CkelPropListRosePlot: the "常规" page of a rose diagram: dataset, columns, spacing and rows.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListRosePlot : public CWndLstChart {
public:
    CkelPropListRosePlot();
    ~CkelPropListRosePlot() override;
};
