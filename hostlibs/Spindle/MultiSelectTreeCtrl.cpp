#include "hosttypes/Spindle/MultiSelectTreeCtrl.h"

IMPLEMENT_DYNCREATE(CMultiSelectTreeCtrl, CWnd)

struct CMultiSelectTreeCtrl::TreeItem {
    HTREEITEM__ handle{};  // its address is the item's handle
    CString text;
    UINT state = 0;
    HTREEITEM parent = nullptr;
};

CMultiSelectTreeCtrl::CMultiSelectTreeCtrl() = default;
CMultiSelectTreeCtrl::~CMultiSelectTreeCtrl() = default;

CMultiSelectTreeCtrl::TreeItem* CMultiSelectTreeCtrl::Find(HTREEITEM item) const {
    if (!item) return nullptr;
    for (const auto& entry : m_items)
        if (&entry->handle == item) return entry.get();
    return nullptr;
}

HTREEITEM CMultiSelectTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent) {
    if (parent && !Find(parent)) return nullptr;
    auto item = std::make_unique<TreeItem>();
    item->text = text ? text : "";
    item->parent = parent;
    HTREEITEM handle = &item->handle;
    m_items.push_back(std::move(item));
    return handle;
}

UINT CMultiSelectTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const {
    const TreeItem* found = Find(item);
    return found ? (found->state & mask) : 0;
}

BOOL CMultiSelectTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) {
    TreeItem* found = Find(item);
    if (!found) return FALSE;
    found->state = (found->state & ~mask) | (state & mask);
    return TRUE;
}

BOOL CMultiSelectTreeCtrl::SelectItem(HTREEITEM item) {
    if (item && !Find(item)) return FALSE;
    m_hCaret = item;
    return TRUE;
}

CString CMultiSelectTreeCtrl::GetItemText(HTREEITEM item) const {
    const TreeItem* found = Find(item);
    return found ? found->text : CString();
}

LRESULT CMultiSelectTreeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TVM_GETNEXTITEM && static_cast<UINT>(wParam) == TVGN_CARET)
        return reinterpret_cast<LRESULT>(m_hCaret);
    return CWnd::DefWindowProc(message, wParam, lParam);
}
