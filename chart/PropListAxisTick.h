// CPropListAxisTick: the "刻度线" page of a chart axis: major and minor tick marks.
#pragma once

#include "chart/WndLstChart.h"

class CPropListAxisTick : public CWndLstChart {
public:
    CPropListAxisTick();
    ~CPropListAxisTick() override;
};
