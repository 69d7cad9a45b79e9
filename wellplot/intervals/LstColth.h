// CLstColth: the page "岩性" of a core-lithology kit: where its intervals come from (a lithology
// or segment-data table of the well, a discrete data set, or graphic data) and which fields hold
// the lithology name and codes; how intervals are drawn (names, boundary lines and points, the
// column shares, the lithology background); and the names and depths of the active interval.
#pragma once

#include "wellplot/intervals/LstContent.h"

class CWpCorelith;

class CLstColth : public CLstContent {
    DECLARE_DYNCREATE(CLstColth)
public:
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kSourceTypeId = 2001,
        kTableId = 2002,
        kCorelithFieldId = 2003,
        kColorFieldId = 2004,
        kOilCodeFieldId = 2005,
        kCorelithCodeFieldId = 2006,
        kNameGroupId = 2007,
        kNameShowId = 2008,
        kNameFontId = 2009,  // sub-items 2010 .. 2012
        kDivideLineGroupId = 2013,
        kDivideLineShowId = 2014,
        kDivideLinePenId = 2015,  // sub-items 2016 .. 2018
        kDividePointGroupId = 2019,
        kDividePointShowId = 2020,
        kDividePointStyleId = 2021,  // sub-items 2022 .. 2025
        kWidthGroupId = 2026,
        kColorWidthId = 2027,
        kCtOilWidthId = 2028,
        kColthWidthId = 2029,
        kBackColorId = 2030,
        kCurrentSegGroupId = 2031,
        kTopId = 2032,
        kBottomId = 2033,
        kColthNameId = 2034,
        kColorNameId = 2035,
        kCtOilNameId = 2036,
        kColthTypeId = 2037,
        kDisplayGroupId = 2038,
    };

    CLstColth();
    ~CLstColth() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    bool KitText(CBCGPProp* item, CString* text) override;

private:
    CWpCorelith* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowSource(CWpCorelith* kit);
    void ShowDisplay(CWpCorelith* kit);
    void ShowActiveSeg(CWpCorelith* kit);
    void ChooseSource(CWpCorelith* kit, int source);
    void ChooseTable(CWpCorelith* kit, const CString& text);
    static CString ActiveSegText(CWpCorelith* kit, DWORD_PTR id);
    static bool IsActiveSegName(DWORD_PTR id);
    static bool IsStyleGroup(CBCGPProp* group);
    // False when the edited size or width was refused.
    bool EditStyleGroup(CWpCorelith* kit, CBCGPProp* item);
    // Each false when the kit refused the value.
    bool EditShare(CWpCorelith* kit, CBCGPProp* item);
    bool EditCodeName(CWpCorelith* kit, CBCGPProp* item);
};

// The name a code-table label stands for: the label cut before its first "(".
CString CodeNameOfLabel(const CString& label);
