// CkelPropListRosePlot: the "常规" page of a rose diagram: dataset, angle and count columns, rows,
// sector angle and rose type.
#pragma once

#include "chart/WndLstChart.h"

class CRosePlot;

class CkelPropListRosePlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,
        kAngleColumnId = 2,
        kCountColumnId = 3,
        kFirstRowId = 4,
        kLastRowId = 5,
        kStepId = 6,
        kShapeGroupId = 7,
        kSectorAngleId = 8,
        kTypeId = 9,
    };

    CkelPropListRosePlot();
    ~CkelPropListRosePlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// The sector angle: a text of only digits, blanks and points (an empty text is 0). The item is
// read by that reader, so it refuses anything else, a minus sign included, before this runs.
void ApplySectorAngle(CBCGPProp* item, CRosePlot* plot);
// The shown type: 0 "扇形", any other type "玫瑰花" (an edit takes any text but "扇形" as "玫瑰花").
const char* RoseTypeToText(double type);
