// CLstShoot: the page "射孔" of a perforation kit: where its perforations come from (well data, a
// discrete table with its type field, or graphics), the date range and the active interval's top,
// bottom and type. Edits are told apart by the item's caption and its group's caption.
#pragma once

#include "framework/OptionTables.h"
#include "wellplot/intervals/LstContent.h"

class CBCGPPropList;
class CWpShoot;

class CLstShoot : public CLstContent {
public:
    enum : DWORD_PTR {
        kSourceGroupId = 2000,
        kSourceTypeId = 2001,
        kTableId = 2002,
        kFieldId = 2003,
        kStartDateId = 2004,
        kEndDateId = 2005,
        kCurrentSegGroupId = 2006,
        kTopId = 2007,
        kBottomId = 2008,
        kSegTypeId = 2009,
    };

    CLstShoot();
    ~CLstShoot() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    int InitPropWnd() override;
    void RefreshFromKit() override;
    bool KitText(CBCGPProp* item, CString* text) override;

private:
    CWpShoot* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowSource(CWpShoot* kit);
    void ShowActiveSeg(CWpShoot* kit);
    void ChooseSource(CWpShoot* kit, CBCGPProp* item, int source);
    void EditSeg(CWpShoot* kit, CBCGPProp* item, int type);
};

// The start and end date items of list offer the kit's dates, in order, and nothing else.
void FillShootDateOptions(CWpShoot* kit, CBCGPPropList* list);

// The interval types shown, both ways.
extern const TextValue kShootTypes[2];
