// CChartGraphProp: the "图设置" page of a chart: its title text, offsets and font.
#pragma once

#include "chart/WndLstChart.h"

class CChartGraphProp : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 0,
        kTitleTextId = 1,
        kXOffsetId = 2,
        kYOffsetId = 3,
        kFontGroupId = 5,
        kFontFaceId = 6,
        kFontSizeId = 7,
        kFontColorId = 8,
    };

    CChartGraphProp();
    ~CChartGraphProp() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
