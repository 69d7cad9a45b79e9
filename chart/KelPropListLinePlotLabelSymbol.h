// CkelPropListLinePlotLabelSymbol: the "标签和符号" page of a line plot: the value labels at its
// points and its point symbol. A plot without labels keeps its symbol items working.
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListLinePlotLabelSymbol : public CWndLstChart {
public:
    // Ids 0 to 15 are those of the shared label group (chart/ChartDataFiles.h).
    enum : DWORD_PTR {
        kSymbolGroupId = 16,
        kSymbolStyleId = 17,
        kSymbolSizeId = 18,
        kSymbolBorderId = 19,
        kSymbolInnerId = 20,
    };

    CkelPropListLinePlotLabelSymbol();
    ~CkelPropListLinePlotLabelSymbol() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
