// CkelPropListAxisLabel: the "标签" page of a chart axis: tick labels and the axis title.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListAxisLabel : public CWndLstChart {
public:
    CkelPropListAxisLabel();
    ~CkelPropListAxisLabel() override;
};
