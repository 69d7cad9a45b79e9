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

    // Re-reads every item from the kit.
    virtual void RefreshFromKit();
    // Whether the kit must be read again at the next refresh.
    virtual bool IsKitChanged();

    // The base change test, also true when the well data's stratum table is newer than the page
    // (new stratum levels change the options of the sand and stratum pages).
    bool IsKitOrStrataChanged();

    // The selected object as a kit of class Kit, or NULL.
    template <class Kit>
    Kit* SelectedKit() const {
        return wellplot::CurrentKit<Kit>(*this);
    }

    // The text the page's refresh shows in item for what the kit stores; false for an item the page
    // shows no stored value in. The base gives the active interval's top and bottom depth.
    virtual bool KitText(CBCGPProp* item, CString* text);
    // The item shows the kit's value as the refresh shows it (nothing for an item without one).
    // After the kit or the page's reader refused an item's value, that item alone is shown
    // again so: a whole refresh does more than show (it may write the kit's table or field
    // names, rebuild options, enable items).
    void ShowKitValue(CBCGPProp* item);

    // The base write-back every edit of a subclass starts with. A top or bottom depth of "当前段"
    // that is no number a double holds is refused first: the item shows the kit's value
    // again and nothing is written. Otherwise the base write-back runs (the modify flag, the title
    // items), then such a depth goes to the selected kit's active interval and the item shows what
    // the kit keeps. False when the edit must end there: a refused depth, one the kit refused (a top
    // below the bottom), or no item.
    bool WriteBaseBack(WPARAM wParam, LPARAM lParam);

private:
    // The base write-back of item, the start of every edit: the modify flag, then the title's name,
    // direction or font. False when the title font's reader refused the edited size: nothing is
    // written then and the item shows the stored size again.
    bool WriteBase(CBCGPProp* item);
};

// The group "当前段" holding the free-text top and bottom depth items ("段顶深", "段底深").
CBCGPProp* NewSegDepthGroup(DWORD_PTR groupId, DWORD_PTR topId, DWORD_PTR bottomId);
// The active interval's top and bottom depth as "%0.2f"; both empty without an active interval.
void ShowActiveSegDepths(CWpSegment* kit, CBCGPProp* top, CBCGPProp* bottom);
