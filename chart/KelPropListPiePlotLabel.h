// CkelPropListPiePlotLabel: the "标签" page of a pie plot: whether the pieces are labelled, with
// which column's values and for which rows, inside or outside the pie with leader lines, and the
// label font.
#pragma once

#include "chart/WndLstChart.h"

class CPiePlot;

class CkelPropListPiePlotLabel : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kShowId = 0,
        kDataGroupId = 1,
        kDataColumnValueId = 2,
        kColumnId = 3,
        kFirstRowId = 4,
        kLastRowId = 5,
        kStepId = 6,
        kPlaceGroupId = 7,
        kPlaceId = 8,
        kLeaderLineId = 9,
        kFontGroupId = 10,
        kFontFaceId = 11,
        kFontSizeId = 12,
        kFontColorId = 13,
    };

    CkelPropListPiePlotLabel();
    ~CkelPropListPiePlotLabel() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// The labelled rows, checked against the plot's rows: a first or last row out of them brings the
// bounds message and the label range's own row again. True when written; a text the row or step
// reader refuses (which the items refuse themselves) writes nothing.
bool ApplyPieLabelFirstRow(CBCGPProp* item, CPiePlot* plot);
bool ApplyPieLabelLastRow(CBCGPProp* item, CPiePlot* plot);
bool ApplyPieLabelStep(CBCGPProp* item, CPiePlot* plot);
