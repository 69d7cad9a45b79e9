// CPropListTernaryPlot: the "常规" page of a ternary plot: dataset, the three value columns, the
// classification column, rows, and tick and label settings applied to all three axes at once
// (shown from the first axis).
#pragma once

#include "chart/ChartGroups.h"
#include "chart/WndLstChart.h"

class IkelPlot;

class CPropListTernaryPlot : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kDataGroupId = 0,
        kDataTableId = 1,
        kXColumnId = 2,
        kYColumnId = 3,
        kZColumnId = 4,
        kClassColumnId = 5,
        kFirstRowId = 6,
        kLastRowId = 7,
        kStepId = 8,
        kAxesGroupId = 9,
        kMajorSpacingId = 10,
        kMinorDivisionId = 11,
        kUnitId = 12,
        kDecimalsId = 13,
    };

    CPropListTernaryPlot();
    ~CPropListTernaryPlot() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

// An edit of the axis group applied to each of the plot's three axes (NotMine for another item):
// the typed value is read once and checked against each axis's range in turn: every axis whose
// range holds it takes it, one whose range does not keeps its spacing (with its message). When an
// axis refused it the item shows the first axis's spacing again; the edit is Refused only when
// axes refused it and none took it (a plot without axes has nothing to refuse it).
chart::Edit ApplyTernaryAxes(CBCGPProp* item, IkelPlot* plot);
