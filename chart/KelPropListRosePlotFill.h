// CkelPropListRosePlotFill: the "填充" page of a rose diagram: its outline pen and its fill. It holds
// the items of the histogram's fill page under the same ids, applied to the diagram itself.
#pragma once

#include "chart/KelPropHistFill.h"

class CkelPropListRosePlotFill : public CkelPropHistFill {
public:
    CkelPropListRosePlotFill();
    ~CkelPropListRosePlotFill() override;

protected:
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
};
