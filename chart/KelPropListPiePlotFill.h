// CkelPropListPiePlotFill: the "填充" page of a pie plot: which piece, and that piece's border pen
// and fill.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListPiePlotFill : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kPieceId = 0,
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

    CkelPropListPiePlotFill();
    ~CkelPropListPiePlotFill() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
};
