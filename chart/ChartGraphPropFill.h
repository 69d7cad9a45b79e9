// CChartGraphPropFill: the "图案" page of a chart: its background colour.
#pragma once

#include "chart/WndLstChart.h"

class CChartGraphPropFill : public CWndLstChart {
public:
    enum : DWORD_PTR { kFillColorId = 0 };

    CChartGraphPropFill();
    ~CChartGraphPropFill() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
