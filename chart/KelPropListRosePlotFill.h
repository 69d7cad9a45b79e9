// CkelPropListRosePlotFill: the "填充" page of a rose diagram: outline and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListRosePlotFill : public CWndLstChart {
public:
    CkelPropListRosePlotFill();
    ~CkelPropListRosePlotFill() override;
};
