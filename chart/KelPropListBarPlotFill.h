// CkelPropListBarPlotFill: the "填充" page of a bar plot: which series, and that series' border pen
// and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListBarPlotFill : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kSeriesId = 0,
        kBorderGroupId = 1,
        kBorderStyleId = 2,
        kBorderWidthId = 3,
        kBorderColorId = 4,
        kFillGroupId = 5,
        kFillFlagId = 6,
        kStyleSetId = 7,
        kStyleId = 8,
        kLineColorId = 9,
        kFillColorId = 10,
        kCellSizeId = 11,
        kTransparentId = 12,
    };

    CkelPropListBarPlotFill();
    ~CkelPropListBarPlotFill() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
};
