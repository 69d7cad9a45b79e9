// CkelPropListBarPlotLabel: the "标签" page of a bar plot: value labels.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListBarPlotLabel : public CWndLstChart {
public:
    CkelPropListBarPlotLabel();
    ~CkelPropListBarPlotLabel() override;
};
