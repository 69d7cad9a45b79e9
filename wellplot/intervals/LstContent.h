// CLstContent: the base of the interval pages that work on the selected kit (lithology, rock
// samples, sand, strata, symbol tracks). It gives them the title group "标题", the refresh rule
// (the kit's stamp newer than the page's, or another object selected; the page then takes the
// current time stamp) and the first step of every write-back. A page writes only to a kit of its
// own class: the subclasses guard their refresh and write-back, the base writes only to kits.
#pragma once

#include "framework/WndLst.h"
#include "wellplot/KitPage.h"

class CWpKit;
class CWpSegment;

class CLstContent : public CWndLst {
    DECLARE_DYNCREATE(CLstContent)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 110,
        kTitleNameId = 111,
        kTitleDirectionId = 112,
        kTitleFontId = 113,  // sub-items 114 face, 115 size, 116 colour
    };

    CLstContent();
    ~CLstContent() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

    // After a text an item refused: the page shows the kit again as its refresh does. (The refresh
    // gate takes only a newer kit stamp, so the page takes the current stamp as its refresh does.)
    void ShowItemAgain(CBCGPProp* item) override;

    // Re-reads every item from the kit.
    virtual void RefreshFromKit();
    // Whether the kit must be read again at the next refresh.
    virtual BOOL IsKitChanged();

    // The base change test, also true when the well data's stratum table is newer than the page
    // (new stratum levels change the options of the sand and stratum pages).
    BOOL IsKitOrStrataChanged();

    // The selected object as a kit of class Kit, or NULL.
    template <class Kit>
    Kit* SelectedKit() const {
        return wellplot::CurrentKit<Kit>(*this);
    }

    // Run before anything else of an edit is written: a top or bottom depth typed into "当前段" goes
    // to the selected kit's active interval, and the item then shows the kit's depth. False when the
    // item is such a depth and it was refused (no double holds the number, or the kit refused it): the
    // edit must end there, writing nothing. True for any other item and for a depth taken.
    bool TakeActiveSegDepth(CBCGPProp* item);
};

// The group "当前段" holding the free-text top and bottom depth items ("段顶深", "段底深").
CBCGPProp* NewSegDepthGroup(DWORD_PTR groupId, DWORD_PTR topId, DWORD_PTR bottomId);
// The active interval's top and bottom depth as "%0.2f"; both empty without an active interval.
void ShowActiveSegDepths(CWpSegment* kit, CBCGPProp* top, CBCGPProp* bottom);
