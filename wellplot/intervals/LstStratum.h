// CLstStratum: the page "地层" of a stratum kit: where its strata come from (a stratification level
// of the well, a discrete table with its name field, or the kit's own graphics), how stratum names,
// boundary lines, boundary points and break points are drawn, and the active interval. The items
// under "数据源" and "当前段" carry no id and are told apart by their captions. Like the sand page it
// also reads the kit again when the well data's stratum table changed (new levels, new options).
#pragma once

#include "framework/OptionTables.h"
#include "wellplot/intervals/LstContent.h"

class CWpStratum;

class CLstStratum : public CLstContent {
    DECLARE_DYNCREATE(CLstStratum)
public:
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kNameGroupId = 2001,
        kNameShowId = 2002,
        kNameFontId = 2003,  // sub-items 2004 .. 2006
        kLineGroupId = 2007,
        kLineShowId = 2008,
        kLinePenId = 2009,  // sub-items 2010 .. 2012
        kPointGroupId = 2013,
        kPointShowId = 2014,
        kPointStyleId = 2015,  // sub-items 2016 .. 2019
        kBreakGroupId = 2020,
        kBreakShowId = 2021,
        kBreakStyleId = 2022,  // sub-items 2023 .. 2026
        kBreakFontId = 2027,   // sub-items 2028 .. 2030
        kBkColorId = 2031,
        kCurrentSegGroupId = 2032,
        kDisplayGroupId = 2033,
    };
    // The data-set type of a discrete table; the kit's m_nDataSource then holds it too.
    static constexpr int kDiscreteSource = 5;
    static constexpr int kGraphicSource = -1;

    CLstStratum();
    ~CLstStratum() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    bool IsKitChanged() override;
    bool KitText(CBCGPProp* item, CString* text) override;

private:
    CWpStratum* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    CBCGPProp* SourceItem(int index) const;
    void ShowTypeOptions();
    void ShowSource(CWpStratum* kit);
    void ChooseSource(CWpStratum* kit, CBCGPProp* item, int source);
    bool EditGroup(CWpStratum* kit, CBCGPProp* item);
    // A display switch; yes is the answer its text stands for.
    void EditById(CWpStratum* kit, CBCGPProp* item, bool yes);
};

// The stratum sources and their data-set types: the boundaries of levels one to five (0 to 4),
// discrete data (5) and graphics (-1), both ways.
extern const TextValue kStratumSources[7];
