// CChartGraphPropFill: the "图案" page of a chart: its background colour.
#pragma once

#include "chart/WndLstChart.h"

class CChartGraphPropFill : public CWndLstChart {
public:
    enum : DWORD_PTR { kFillColorId = 0 };

    CChartGraphPropFill();
    ~CChartGraphPropFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
