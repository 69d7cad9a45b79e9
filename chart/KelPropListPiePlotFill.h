// CkelPropListPiePlotFill: the "填充" page of a pie plot: each sector's outline and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListPiePlotFill : public CWndLstChart {
public:
    CkelPropListPiePlotFill();
    ~CkelPropListPiePlotFill() override;
};
