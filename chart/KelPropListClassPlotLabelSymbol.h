// CkelPropListClassPlotLabelSymbol: the "标签和符号" page of a classification plot: the value
// labels and the symbols (shown, one uniform symbol or the classes' own, set up in the
// classification dialog).
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListClassPlotLabelSymbol : public CWndLstChart {
public:
    // Ids 0 to 15 are those of the shared label group (chart/ChartDataFiles.h).
    enum : DWORD_PTR {
        kSymbolGroupId = 16,
        kSymbolShowId = 17,
        kUniformId = 18,
        kPointGroupId = 19,
        kPointStyleId = 20,
        kPointSizeId = 21,
        kPointBorderId = 22,
        kPointInnerId = 23,
    };

    CkelPropListClassPlotLabelSymbol();
    ~CkelPropListClassPlotLabelSymbol() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
