// CLstResult: the "解释结果" page of an interpretation-result kit: its title, its data source
// (type, table, field; the well's own data stored as "当前井" and offered as "井数据"), the divide
// lines, divide points and interval labels, and the active interval's conclusion.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpResult;

class CLstResult : public CWndLst {
    DECLARE_DYNCREATE(CLstResult)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 2000,
        kTitleTextId = 2001,
        kTitleDirectionId = 2002,
        kTitleFontId = 2003,
        kSourceGroupId = 2007,
        kSourceTypeId = 2008,
        kTableId = 2009,
        kFieldId = 2010,
        kDisplayGroupId = 2011,
        kLineGroupId = 2012,
        kLineVisibleId = 2013,
        kLineStyleId = 2014,
        kPointGroupId = 2019,
        kPointVisibleId = 2020,
        kPointStyleId = 2021,
        kLabelGroupId = 2026,
        kLabelVisibleId = 2027,
        kLabelFontId = 2028,
        kSegmentGroupId = 2032,
        kTopDepthId = 2033,
        kBottomDepthId = 2034,
        kConclusionId = 2035,
    };

    CLstResult();
    // Keeps kit when it is a result kit.
    explicit CLstResult(CWpKit* kit);
    ~CLstResult() override;

    CWpResult* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowSource(CWpResult* kit);
    void ShowDisplay(CWpResult* kit);
    // An edit inside one of the four style groups: the edited field into the kit's record, then the
    // kit redrawn. False when the field was refused (the item shows the stored value again).
    bool ApplyGroup(CWpResult* kit, CBCGPProp* item);
    // Returns whether the common redraw follows.
    bool ApplyItem(CWpResult* kit, CBCGPProp* item);
    bool ApplySwitch(CWpResult* kit, CBCGPProp* item);
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }

    CWpResult* m_pKit = nullptr;
};
