// CkelPropListClassPlotLabelSymbol: the "标签和符号" page of a classification plot: value labels and class symbols.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListClassPlotLabelSymbol : public CWndLstChart {
public:
    CkelPropListClassPlotLabelSymbol();
    ~CkelPropListClassPlotLabelSymbol() override;
};
