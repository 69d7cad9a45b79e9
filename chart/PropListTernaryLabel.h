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
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
