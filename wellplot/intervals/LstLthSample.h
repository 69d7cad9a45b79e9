// CLstLthSample: the page "岩样" of a rock-sample kit: where the samples come from (the well's own
// sample data, a discrete segment data set with its depth and sample-number fields, or graphic
// data), how they are drawn (interval line, mark interval, sample numbers with their direction and
// font, mark line) and the depths of the active interval.
#pragma once

#include "wellplot/intervals/LstContent.h"

class CWpLthSample;

class CLstLthSample : public CLstContent {
    DECLARE_DYNCREATE(CLstLthSample)
public:
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kSourceTypeId = 2001,
        kTableId = 2002,
        kDepthFieldId = 2003,
        kNumberFieldId = 2004,
        kDisplayGroupId = 2005,
        kSegPenId = 2006,  // sub-items 2007 .. 2009
        kMarkGroupId = 2010,
        kMarkIntervalId = 2011,
        kMarkTextId = 2012,
        kMarkAlignId = 2013,
        kMarkFontId = 2014,  // sub-items 2015 .. 2017
        kMarkPenId = 2018,   // sub-items 2019 .. 2021
        kCurrentSegGroupId = 2022,
        kTopId = 2023,
        kBottomId = 2024,
    };

    CLstLthSample();
    ~CLstLthSample() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    // The mark interval as "%d".
    bool KitText(CBCGPProp* item, CString* text) override;

private:
    CWpLthSample* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowSource(CWpLthSample* kit);
    void ChooseSource(CWpLthSample* kit, int source);
    void ChooseTable(CWpLthSample* kit, const CString& text);
    bool EditRecord(CWpLthSample* kit, CBCGPProp* item);
};
