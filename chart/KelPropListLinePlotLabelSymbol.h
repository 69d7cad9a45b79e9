// CkelPropListLinePlotLabelSymbol: the "标签和符号" page of a line plot: value labels and point symbols.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListLinePlotLabelSymbol : public CWndLstChart {
public:
    CkelPropListLinePlotLabelSymbol();
    ~CkelPropListLinePlotLabelSymbol() override;
};
