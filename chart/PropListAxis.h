// CPropListAxis: the "轴" page of a chart axis: its kind, range, scale and line.
#pragma once

#include "chart/WndLstChart.h"

class CPropListAxis : public CWndLstChart {
public:
    CPropListAxis();
    ~CPropListAxis() override;
};
