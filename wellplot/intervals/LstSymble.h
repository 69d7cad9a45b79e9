// The pages of the symbol kits, which draw one symbol per depth interval: "射孔" of a perforation-
// symbol kit (CLstSymbleShoot), "旋回" of a cycle kit (CLstSymbleCycle) and "层理" of a bedding kit
// (CLstSymbleTexture). Each shows where the symbols come from (well data, a discrete table with
// its type field, or the kit's graphics), its display settings and the active interval's top,
// bottom and symbol. The three are one body, CLstSymble, run by a table of their differences.
#pragma once

#include <cstddef>

#include "framework/OptionTables.h"
#include "wellplot/intervals/LstContent.h"

class CBCGPPropList;
class CWpSymble;
class CWpSymbleShoot;
struct SymblePageDef;

class CLstSymble : public CLstContent {
public:
    // Items every symbol page has; the rest are numbered by each page (its own enum).
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kSourceTypeId = 2001,
        kTableId = 2002,
        kFieldId = 2003,
    };

protected:
    explicit CLstSymble(const SymblePageDef& def);
    ~CLstSymble() override;

    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    bool KitText(CBCGPProp* item, CString* text) override;

private:
    CWpSymble* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void AddDisplayItems(CBCGPProp* source);
    // Refresh steps.
    void ShowSource(CWpSymble* kit);
    void ShowDisplay(CWpSymble* kit);
    void ShowActiveSeg(CWpSymble* kit);
    // Edit steps.
    void ChooseSource(CWpSymble* kit, int code);
    void BindSymbols(CWpSymble* kit, int code);
    bool EditActiveSeg(CWpSymble* kit, CBCGPProp* item);
    // choice: the value a switch's text stands for.
    void EditDates(CWpSymble* kit, CBCGPProp* item, int choice);
    void EditCycleDisplay(CWpSymble* kit, CBCGPProp* item);
    void EditBeddingDisplay(CWpSymble* kit, CBCGPProp* item, int choice);

    const SymblePageDef& m_def;
};

// "射孔" of a perforation-symbol kit: the time filter and the dates beside the source.
class CLstSymbleShoot : public CLstSymble {
public:
    enum : DWORD_PTR {
        kFilterId = 2004,
        kStartDateId = 2005,
        kEndDateId = 2006,
        kCurrentSegGroupId = 2007,
        kTopId = 2008,
        kBottomId = 2009,
        kSegTypeId = 2010,
    };
    CLstSymbleShoot();
};

// "旋回" of a cycle kit: the interval colour and the margins.
class CLstSymbleCycle : public CLstSymble {
public:
    enum : DWORD_PTR {
        kDisplayGroupId = 2004,
        kColorId = 2005,
        kMarginId = 2006,
        kCurrentSegGroupId = 2007,
        kTopId = 2008,
        kBottomId = 2009,
        kSegTypeId = 2010,
    };
    CLstSymbleCycle();
};

// "层理" of a bedding kit: the interval colour (shown only) and the symbol size.
class CLstSymbleTexture : public CLstSymble {
public:
    enum : DWORD_PTR {
        kDisplayGroupId = 2004,
        kColorId = 2005,
        kFitId = 2006,
        kWidthId = 2007,
        kHeightId = 2008,
        kCurrentSegGroupId = 2009,
        kTopId = 2010,
        kBottomId = 2011,
        kSegTypeId = 2012,
    };
    CLstSymbleTexture();
};

// The source options of each page, in order, with the kit's data-source codes, both ways.
extern const TextValue kSymbleShootSources[3];
extern const TextValue kSymbleCycleSources[5];
extern const TextValue kSymbleTextureSources[3];

// The date items of a perforation-symbol page's list offer the kit's dates and are emptied; the
// filter is enabled for well data only, the dates for well data with the filter on.
void FillSymbleShootDateOptions(CWpSymbleShoot* kit, CBCGPPropList* list);
