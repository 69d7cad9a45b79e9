// CPropListTernaryLabel: the "标签和符号" page of a ternary plot: value labels and class symbols.
#pragma once

#include "chart/WndLstChart.h"

class CPropListTernaryLabel : public CWndLstChart {
public:
    CPropListTernaryLabel();
    ~CPropListTernaryLabel() override;
};
