// CLstSand: the page "砂岩" of a sandstone kit: where its sand intervals come from (a sand or stratum
// data set of the well, interlayer or segment data, a discrete data set, or graphic data), how each
// interval is drawn (boundary symbol with its positions and line, thickness text, background fill)
// and the depths of the active interval. Its items under "数据源" and "当前段" carry no id and are
// told apart by their captions; the page also reads the kit again when the well data's stratum
// table changed, so that new stratum levels reach the type options.
#pragma once

#include "framework/OptionTables.h"
#include "wellplot/intervals/LstContent.h"

class CWpSand;

class CLstSand : public CLstContent {
    DECLARE_DYNCREATE(CLstSand)
public:
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kDivideGroupId = 2001,
        kDivideShowId = 2002,
        kStyleGroupId = 2003,
        kSymbolTypeId = 2004,
        kLeftPosId = 2005,
        kRightPosId = 2006,
        kVLinePosId = 2007,
        kDividePenId = 2008,  // sub-items 2009 .. 2011
        kFillId = 2012,
        kFillColorId = 2013,
        kThkGroupId = 2014,
        kThkShowId = 2015,
        kThkFontId = 2016,  // sub-items 2017 .. 2019
        kThkPosId = 2020,
        kThkPrecisionId = 2021,
        kDisplayGroupId = 2022,
        kCurrentSegGroupId = 2023,
    };
    // The kit's data source code for discrete data; also the type the text "离散数据" stands for.
    static constexpr int kDiscreteSource = 29;

    CLstSand();
    ~CLstSand() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    bool IsKitChanged() override;
    bool KitText(CBCGPProp* item, CString* text) override;
    // Refused decimals show the kit's decimals again ("%d"); any other item its text from before.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CWpSand* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    CBCGPProp* SubItem(DWORD_PTR groupId, int index) const;
    void ShowTypeOptions();
    void ShowSource(CWpSand* kit);
    void ShowSymbol(CWpSand* kit);
    void ShowThicknessText(CWpSand* kit);
    void ChooseSource(CWpSand* kit, CBCGPProp* item, int type);
    // False when the kit refused the value.
    bool EditById(CWpSand* kit, CBCGPProp* item, int choice);
    void EditPrecision(CWpSand* kit, CBCGPProp* item);
};

// The sand data types and their texts (stratum level L, 1 to 5, takes 4L+1 to 4L+4), both ways.
extern const TextValue kSandTypes[30];
