// CkelPropHistFill: the "填充" page of a histogram: the border pen and the fill of its bars (its
// current series). The rose diagram's fill page holds the same items.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistFill : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kBorderGroupId = 0,
        kBorderStyleId = 1,
        kBorderWidthId = 2,
        kBorderColorId = 3,
        kFillGroupId = 4,
        kFillFlagId = 5,
        kStyleSetId = 6,
        kStyleId = 7,
        kLineColorId = 8,
        kFillColorId = 9,
        kCellSizeId = 10,
        kTransparentId = 11,
    };

    CkelPropHistFill();
    ~CkelPropHistFill() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
};
