// CMultiSelectTreeCtrl: a tree control of the controls library in which several items can be
// selected at once. The items and the caret are the tree control's; the selection test, the
// focused item and the banding setting are part of the class's interface.
#pragma once

#include <memory>
#include <vector>

#include "mfc/Wnd.h"

class CMultiSelectTreeCtrl : public CWnd {
    DECLARE_DYNCREATE(CMultiSelectTreeCtrl)
public:
    CMultiSelectTreeCtrl();
    ~CMultiSelectTreeCtrl() override;

    // ---- controls-library operations ----
    // A new item after the last child of parent (NULL: a root item).
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = nullptr);
    // The item's state bits selected by mask (0 for an unknown item).
    virtual UINT GetItemState(HTREEITEM item, UINT mask) const;
    // Sets the bits of mask to those of state; FALSE for an unknown item.
    virtual BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    // Moves the caret (the focused item) to item; NULL clears it. FALSE for an unknown item.
    BOOL SelectItem(HTREEITEM item);
    CString GetItemText(HTREEITEM item) const;
    // TVM_GETNEXTITEM with TVGN_CARET answers the caret item.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- accessors ----
    BOOL IsSelected(HTREEITEM item) const { return (GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) ? TRUE : FALSE; }
    // The tree's caret item, asked of the tree window (NULL before the window exists).
    HTREEITEM GetFocusedItem() { return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, TVGN_CARET, 0)); }
    // Answers the previous value.
    int SetBandingHit(int hit) {
        const int previous = m_nBandingHit;
        m_nBandingHit = hit;
        return previous;
    }

protected:
    struct TreeItem;
    TreeItem* Find(HTREEITEM item) const;

    int m_nBandingHit = 0;
    HTREEITEM m_hCaret = nullptr;
    std::vector<std::unique_ptr<TreeItem>> m_items;
};
