// CPropListTernaryLabel: the "标签和符号" page of a ternary plot: the value labels, and the entry
// to the symbol dialog of its classes.
#pragma once

#include "chart/WndLstChart.h"

class CPropListTernaryLabel : public CWndLstChart {
public:
    // Ids 0 to 15 are those of the shared label group (chart/ChartDataFiles.h).
    enum : DWORD_PTR {
        kSymbolSettingsId = 16,
    };

    CPropListTernaryLabel();
    ~CPropListTernaryLabel() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
