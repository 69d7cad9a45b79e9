// CkelPropListPiePlotLabel: the "标签" page of a pie plot: sector labels.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListPiePlotLabel : public CWndLstChart {
public:
    CkelPropListPiePlotLabel();
    ~CkelPropListPiePlotLabel() override;
};
