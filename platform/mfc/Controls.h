// Standard controls: edit, combo box, button and static text. Headless windows with the
// state the module reads and writes; the user's actions on them (picking a combo entry,
// pressing a button) are methods that send the notifications the system would send.
#pragma once

#include <vector>

#include "mfc/Wnd.h"

enum : DWORD {
    ES_LEFT = 0x0000u,
    ES_AUTOHSCROLL = 0x0080u,
    ES_READONLY = 0x0800u,
    BS_PUSHBUTTON = 0x0000u,
    BS_AUTOCHECKBOX = 0x0003u,
    SS_LEFT = 0x0000u,
};
enum : int { CB_ERR = -1 };
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetReadOnly(BOOL readOnly = TRUE);
    BOOL IsReadOnly() const { return (GetStyle() & ES_READONLY) ? TRUE : FALSE; }
    // Selection as byte offsets into the text; -1 as end means the end of the text.
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    // Replaces the selection by text (typing), leaving the caret after it.
    void ReplaceSel(LPCTSTR text);

private:
    int m_selStart = 0;
    int m_selEnd = 0;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
};

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const { return m_check; }
    void SetCheck(int check) { m_check = check; }
    // The user's click: a check box toggles, then BN_CLICKED reaches the parent. Nothing
    // when the button is disabled. Answers whether the click was delivered.
    BOOL Click();

private:
    int m_check = BST_UNCHECKED;
};

// A drop-down list combo box. Entries keep their text and item data; the window text is
// the selected entry's text. Owner-drawn boxes have MeasureItem called once at creation
// (fixed height) and DrawItem for each entry a caller paints (DrawEntry).
class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text);                // appends; answers the new index
    int InsertString(int index, LPCTSTR text);  // -1 appends; CB_ERR when index is past the end
    int DeleteString(UINT index);               // answers the remaining count, CB_ERR for a bad index
    void ResetContent();                        // through CB_RESETCONTENT, so handlers of the message see it
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    int GetCurSel() const { return m_curSel; }
    int SetCurSel(int index);                       // -1 clears; CB_ERR (and no selection) when out of range
    int GetLBText(int index, CString& text) const;  // answers the length or CB_ERR
    CString GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    DWORD_PTR GetItemData(int index) const;  // CB_ERR (as DWORD_PTR) for a bad index
    int SetItemData(int index, DWORD_PTR data);
    // Exact text match from the entry after start (-1 searches from the first); CB_ERR when none.
    int FindStringExact(int start, LPCTSTR text) const;

    int GetItemHeight() const { return m_itemHeight; }
    BOOL GetDroppedState() const { return m_dropped ? TRUE : FALSE; }
    void ShowDropDown(BOOL show = TRUE) { m_dropped = show != FALSE; }

    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT mis);

    // Paints entry index (ODS_COMBOBOXEDIT in state paints the selection field) through DrawItem.
    void DrawEntry(int index, UINT action, UINT state, HDC dc, const RECT& rect);

    // The user picks entry index in the dropped list: selection set, list closed, then
    // CBN_SELCHANGE and CBN_SELENDOK reach the parent as WM_COMMAND (so a reflected
    // handler of the box runs first). FALSE when the box is disabled or index is out of range.
    BOOL SelectAsUser(int index);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Entry {
        CString text;
        DWORD_PTR data;
    };
    void SyncText();

    std::vector<Entry> m_entries;
    int m_curSel = CB_ERR;
    int m_itemHeight = 16;
    bool m_dropped = false;
};
