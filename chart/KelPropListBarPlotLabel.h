// CkelPropListBarPlotLabel: the "标签" page of a bar plot: which series, and that series' value
// labels (shown, data column and rows, position, font).
#pragma once

#include "chart/WndLstChart.h"

class CkelPropListBarPlotLabel : public CWndLstChart {
public:
    // Ids 1 to 15 are those of the shared label group.
    enum : DWORD_PTR {
        kSeriesId = 0,
        kShowId = 1,
        kDataGroupId = 2,
        kInYColumnId = 3,
        kColumnId = 4,
        kFirstRowId = 5,
        kLastRowId = 6,
        kStepId = 7,
        kPositionGroupId = 8,
        kXOffsetId = 9,
        kYOffsetId = 10,
        kAngleId = 11,
        kFontGroupId = 12,
        kFontFaceId = 13,
        kFontSizeId = 14,
        kFontColorId = 15,
    };

    CkelPropListBarPlotLabel();
    ~CkelPropListBarPlotLabel() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};
