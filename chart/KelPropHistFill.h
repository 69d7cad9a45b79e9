// CkelPropHistFill: the "填充" page of a histogram: outline and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistFill : public CWndLstChart {
public:
    CkelPropHistFill();
    ~CkelPropHistFill() override;
};
