// CPropListAxisTick: the "刻度线" page of a chart axis: side, length and pen of its major and
// minor tick marks.
#pragma once

#include "chart/WndLstChart.h"

class CPropListAxisTick : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kMajorGroupId = 200,
        kMajorSideId = 202,
        kMajorLengthId = 203,
        kMajorLineId = 204,
        kMajorStyleId = 205,
        kMajorWidthId = 206,
        kMajorColorId = 207,
        kMinorGroupId = 208,
        kMinorSideId = 210,
        kMinorLengthId = 211,
        kMinorLineId = 212,
        kMinorStyleId = 213,
        kMinorWidthId = 214,
        kMinorColorId = 215,
    };

    CPropListAxisTick();
    ~CPropListAxisTick() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;
};

class CBCGPProp;
class IkelAxis;
struct QXLOGPEN;

namespace chart {
// A tick length: the number typed (GetNumberProp's) times 100 goes to the ticks. The length item
// is read by that reader, so it refuses any other text before this runs.
void ApplyMajorTickLength(CBCGPProp* item, IkelAxis* axis);
void ApplyMinorTickLength(CBCGPProp* item, IkelAxis* axis);
// A tick or grid line group whose width item refuses what ReadPenSubItem refuses.
CBCGPProp* NewPenGroup(const char* label, DWORD_PTR id);
// One edited sub-item (0 style, 1 width, 2 colour) of a tick or grid line group into pen: false
// when nothing is to be written (a width that is not digits, blanks and points, or that no float
// holds: chart/ChartReaders.h, ReadPlainHundredths).
bool ReadPenSubItem(CBCGPProp* item, int index, QXLOGPEN& pen);
}  // namespace chart
