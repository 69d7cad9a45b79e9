// CTabCtrl: the tab control of a property sheet. Headless layout, fixed so that the
// sheet's arithmetic is deterministic:
//   - every row is kRowHeight (20) px high, rows stacked from the top of the control;
//   - an item is kItemPadding (12) px plus kPixelsPerByte (6) px for each byte its caption
//     takes in GBK (so a Chinese character counts 12 px, a Latin letter 6 px);
//   - items are laid left to right from x = 0; an item that would pass the control's
//     client width starts a new row, unless it is the first of its row;
//   - with no items there is no row (row count 0) and no item rectangle.
// Answers TCM_GETITEMCOUNT, TCM_SETITEM (TCIF_TEXT), TCM_GETITEMRECT, TCM_GETROWCOUNT,
// TCM_GETCURSEL and TCM_SETCURSEL; TCM_SETCURSEL sends no notification, while Click (the
// user's click) notifies the parent with TCN_SELCHANGE.
#pragma once

#include <vector>

#include "mfc/Wnd.h"

enum : int { TCN_FIRST = -550, TCN_SELCHANGE = TCN_FIRST - 1 };

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kItemPadding = 12;
    static constexpr int kPixelsPerByte = 6;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Inserts before index (appends past the end); answers the new item's index, -1 on a bad index.
    int InsertItem(int index, LPCTSTR text);
    BOOL SetItem(int index, const TCITEM* item);
    CString GetItemText(int index) const;  // "" for a bad index
    BOOL GetItemRect(int index, LPRECT rect) const;
    int GetRowCount() const;
    int GetCurSel() const { return m_curSel; }
    int SetCurSel(int index);  // the previous selection, -1 (nothing changed) for a bad index

    // The user clicks item index: when it is not the selected one, it becomes selected and
    // the parent hears WM_NOTIFY with TCN_SELCHANGE. FALSE for a bad index or a disabled control.
    BOOL Click(int index);

    static int ItemWidth(const CString& text);

protected:
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnGetItemCount(WPARAM, LPARAM);
    LRESULT OnSetItem(WPARAM, LPARAM);
    LRESULT OnGetItemRect(WPARAM, LPARAM);
    LRESULT OnGetRowCount(WPARAM, LPARAM);
    LRESULT OnGetCurSel(WPARAM, LPARAM);
    LRESULT OnSetCurSel(WPARAM, LPARAM);
    std::vector<RECT> Layout() const;

    std::vector<CString> m_items;
    int m_curSel = -1;
};
