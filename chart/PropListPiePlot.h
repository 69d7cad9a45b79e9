// CPropListPiePlot: the "常规" page of a pie plot: dataset, data column, rows, start angle and the
// gap between the pieces.
#pragma once

#include "chart/WndLstChart.h"

class CPropListPiePlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,
        kDataColumnId = 2,
        kFirstRowId = 3,
        kLastRowId = 4,
        kShapeGroupId = 5,
        kStartAngleId = 6,
        kSplitId = 7,
    };

    CPropListPiePlot();
    ~CPropListPiePlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
