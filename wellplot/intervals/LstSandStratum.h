// CLstSandStratum: the "常规" page of a sand-stratum kit: its title, whether its strata come from
// the well's data (at one of five stratification levels) or from graphics, and three display
// switches. The page works on the kit of the selection message.
#pragma once

#include "framework/WndLst.h"

class CWpSandStratum;

class CLstSandStratum : public CWndLst {
    DECLARE_DYNCREATE(CLstSandStratum)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 2000,
        kTitleTextId = 2001,
        kTitleDirectionId = 2002,
        kTitleFontId = 2003,
        kSourceGroupId = 2007,
        kSourceTypeId = 2008,
        kLevelId = 2009,
        kSameDistanceId = 2010,
        kUseShootDataId = 2011,
        kOnlyInStratumId = 2012,
    };

    CLstSandStratum();
    ~CLstSandStratum() override;

    CWpSandStratum* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The level item emptied, offering the five level names or none (it reads them either way).
    void OfferLevels(CBCGPProp* item, bool offered);
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }

    CWpSandStratum* m_pKit = nullptr;
    BOOL m_bFirst = TRUE;
};
