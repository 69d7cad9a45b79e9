// CkelPropHistLable: the "标签" page of a histogram: the value labels of its current series
// (shown, position, font).
#pragma once

#include "chart/WndLstChart.h"

class CkelPropHistLable : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kShowId = 0,
        kPositionGroupId = 1,
        kXOffsetId = 2,
        kYOffsetId = 3,
        kAngleId = 4,
        kFontGroupId = 5,
        kFontFaceId = 6,
        kFontSizeId = 7,
        kFontColorId = 8,
    };

    CkelPropHistLable();
    ~CkelPropHistLable() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
