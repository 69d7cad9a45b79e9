// CkelPropListLinePlotSet: the "图形设置" page of a line plot: line and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListLinePlotSet : public CWndLstChart {
public:
    CkelPropListLinePlotSet();
    ~CkelPropListLinePlotSet() override;
};
