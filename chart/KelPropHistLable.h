// CkelPropHistLable: the "标签" page of a histogram: value labels.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistLable : public CWndLstChart {
public:
    CkelPropHistLable();
    ~CkelPropHistLable() override;
};
