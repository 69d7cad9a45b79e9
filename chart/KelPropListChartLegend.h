// CkelPropListChartLegend: the "图例" page of a chart legend: its title, frame, background,
// entry font and frame line, size, spacing, margins and column count.
#pragma once

#include "chart/WndLstChart.h"

class CkelLegend;

class CkelPropListChartLegend : public CWndLstChart {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 2000,
        kTitleTextId = 2001,
        kTitleFontId = 2002,
        kTitleFontFaceId = 2003,
        kTitleFontSizeId = 2004,
        kTitleFontColorId = 2005,
        kFrameGroupId = 2006,
        kFrameLineId = 2007,
        kFrameLineStyleId = 2008,
        kFrameLineWidthId = 2009,
        kFrameLineColorId = 2010,
        kTransparentId = 2011,
        kBackColorId = 2012,
        kEntriesGroupId = 2013,
        kEntryFontId = 2014,
        kEntryFontFaceId = 2015,
        kEntryFontSizeId = 2016,
        kEntryFontColorId = 2017,
        kEntryLineId = 2018,
        kEntryLineShowId = 2019,
        kEntryLineStyleId = 2020,
        kEntryLineWidthId = 2021,
        kEntryLineColorId = 2022,
        kWidthId = 2023,
        kHeightId = 2024,
        kSpacingId = 2025,
        kLeftMarginId = 2026,
        kTopMarginId = 2027,
        kColumnsId = 2028,
    };
    // The style word of a transparent background and of a hidden entry line; and of the drawn ones.
    static constexpr UINT kHiddenStyle = 1000;
    static constexpr UINT kDrawnStyle = 1001;

    CkelPropListChartLegend();
    ~CkelPropListChartLegend() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;
    bool ReshowsRefusedText(CBCGPProp* item) override;

private:
    // Width, height, spacing and margins: the number typed times 100 (a width, height or spacing
    // never negative); the column count: a whole number above 0. Each item is built with its
    // reader's rule, so a text the reader refuses never comes here. Any other item writes nothing.
    void ApplyHundredths(CkelLegend* legend, CBCGPProp* item);
    void ApplyColumns(CkelLegend* legend, CBCGPProp* item);
};
