#include "bcg/PropList.h"

#include <algorithm>

#include "mfc/Dc.h"

UINT BCGM_PROPERTY_CHANGED = ::RegisterWindowMessage("BCGM_PROPERTY_CHANGED");

IMPLEMENT_DYNAMIC(CBCGPPropList, CWnd)

// Registers a pointer that the grid clears when its item is deleted or leaves the grid, so
// that code which called into an item (which may notify the owner, which may delete items)
// can tell whether the item is still there.
class CBCGPPropList::WatchScope {
public:
    WatchScope(CBCGPPropList* list, CBCGPProp* item) : list_(list) {
        watch_.item = item;
        list_->m_watches.push_back(&watch_);
    }
    ~WatchScope() {
        auto& w = list_->m_watches;
        w.erase(std::remove(w.begin(), w.end(), &watch_), w.end());
    }
    WatchScope(const WatchScope&) = delete;
    WatchScope& operator=(const WatchScope&) = delete;
    CBCGPProp* item() const { return watch_.item; }

private:
    CBCGPPropList* list_;
    Watch watch_;
};

namespace {

// Holds back the change message of one item while the grid ends its edit.
class DeferScope {
public:
    DeferScope(CBCGPProp*& target, bool& pending, CBCGPProp* item)
        : target_(target), pending_(pending), savedTarget_(target), savedPending_(pending) {
        target_ = item;
        pending_ = false;
    }
    // Ends the deferral; answers whether a message was held back.
    bool Release() {
        if (released_) return false;
        released_ = true;
        const bool held = pending_ && target_ != nullptr;
        target_ = savedTarget_;
        pending_ = savedPending_;
        return held;
    }
    ~DeferScope() { Release(); }
    DeferScope(const DeferScope&) = delete;
    DeferScope& operator=(const DeferScope&) = delete;

private:
    CBCGPProp*& target_;
    bool& pending_;
    CBCGPProp* savedTarget_;
    bool savedPending_;
    bool released_ = false;
};

}  // namespace

BEGIN_MESSAGE_MAP(CBCGPPropList, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CBCGPPropList::CBCGPPropList() = default;

CBCGPPropList::~CBCGPPropList() {
    if (m_hWnd) DestroyWindow();
    RemoveAll();
    FlushDisposed();
    delete m_pBoldFont;
}

BOOL CBCGPPropList::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, nullptr, style, rect, parent, id);
}

LRESULT CBCGPPropList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Windows given up while a message was being handled are freed before the next one.
    if (m_nDispatchDepth == 0) FlushDisposed();
    if (m_bLayoutPending) AdjustLayout();
    ++m_nDispatchDepth;
    const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
    --m_nDispatchDepth;
    return r;
}

// ---- display options ------------------------------------------------------------------------

void CBCGPPropList::EnableHeaderCtrl(BOOL enable, LPCTSTR leftColumn, LPCTSTR rightColumn) {
    m_bHeaderCtrl = enable;
    m_strHeaderLeft = leftColumn;
    m_strHeaderRight = rightColumn;
    AdjustLayout();
}

void CBCGPPropList::EnableDescriptionArea(BOOL enable) {
    m_bDescriptionArea = enable;
    AdjustLayout();
}

void CBCGPPropList::SetVSDotNetLook(BOOL set) {
    m_bVSDotNetLook = set;
    if (m_hWnd) Invalidate(TRUE);
}

void CBCGPPropList::SetGroupNameFullWidth(BOOL set, BOOL redraw) {
    m_bGroupNameFullWidth = set;
    if (redraw && m_hWnd) Invalidate(TRUE);
}

void CBCGPPropList::SetAlphabeticMode(BOOL set) {
    m_bAlphabeticMode = set;
    if (m_hWnd) Invalidate(TRUE);
}

void CBCGPPropList::MarkModifiedProperties(BOOL mark, BOOL redraw) {
    m_bMarkModifiedProperties = mark;
    if (redraw && m_hWnd) Invalidate(TRUE);
}

void CBCGPPropList::SetCustomColors(COLORREF background, COLORREF text, COLORREF groupBackground, COLORREF groupText,
                                    COLORREF descriptionBackground, COLORREF descriptionText, COLORREF line) {
    m_clrBackground = background;
    m_clrText = text;
    m_clrGroupBackground = groupBackground;
    m_clrGroupText = groupText;
    m_clrDescriptionBackground = descriptionBackground;
    m_clrDescriptionText = descriptionText;
    m_clrLine = line;
    if (m_hWnd) Invalidate(TRUE);
}

COLORREF CBCGPPropList::GetEffectiveTextColor() const {
    return m_clrText == (COLORREF)-1 ? GetSysColor(COLOR_WINDOWTEXT) : m_clrText;
}

COLORREF CBCGPPropList::GetEffectiveBkColor() const {
    return m_clrBackground == (COLORREF)-1 ? GetSysColor(COLOR_WINDOW) : m_clrBackground;
}

CFont& CBCGPPropList::GetBoldFont() {
    if (!m_pBoldFont) {
        m_pBoldFont = new CFont;
        LOGFONT lf{};
        CFont* base = m_hFont ? CFont::FromHandle(m_hFont) : nullptr;
        if (!base || !base->GetLogFont(&lf)) {
            lf = LOGFONT{};
            lf.lfHeight = -12;
            lf.lfCharSet = DEFAULT_CHARSET;
        }
        lf.lfWeight = FW_BOLD;
        m_pBoldFont->CreateFontIndirect(&lf);
    }
    return *m_pBoldFont;
}

void CBCGPPropList::SetLeftColumnWidth(int width) {
    m_nLeftColumnWidth = std::max(0, width);
    m_bLeftColumnSet = true;
    AdjustLayout();
}

// ---- items ------------------------------------------------------------------------------------

int CBCGPPropList::AddProperty(CBCGPProp* prop, BOOL redraw, BOOL adjustLayout) {
    return AttachProperty(prop, -1, redraw, adjustLayout);
}

int CBCGPPropList::AttachProperty(CBCGPProp* prop, int insertAt, BOOL redraw, BOOL adjustLayout) {
    // An item in any grid has its owner set, so no walk over the grid is needed here.
    if (!prop || prop->m_pParent || prop->m_pWndList) return -1;
    int index = GetPropertyCount();
    if (insertAt >= 0 && insertAt < index) index = insertAt;
    m_lstProps.insert(m_lstProps.begin() + index, prop);
    prop->SetOwnerList(this);
    // Laid out before the grid handles its next message: filling a grid item by item stays
    // linear in the number of items.
    if (adjustLayout && m_hWnd) m_bLayoutPending = true;
    if (redraw && m_hWnd) Invalidate(TRUE);
    return index;
}

BOOL CBCGPPropList::DetachProperty(CBCGPProp* prop, BOOL redraw, BOOL adjustLayout) {
    const int index = FindProperty(prop);
    if (index < 0) return FALSE;
    OnItemLeaving(prop);
    m_lstProps.erase(m_lstProps.begin() + index);
    prop->SetOwnerList(nullptr);
    prop->m_Rect.SetRectEmpty();
    prop->m_rectButton.SetRectEmpty();
    if (adjustLayout) AdjustLayout();
    if (redraw && m_hWnd) Invalidate(TRUE);
    return TRUE;
}

BOOL CBCGPPropList::DeleteProperty(CBCGPProp*& prop, BOOL redraw, BOOL adjustLayout) {
    if (!ContainsProperty(prop)) return FALSE;
    delete prop;  // the item unlinks itself from its parent or from the top level
    prop = nullptr;
    if (adjustLayout) AdjustLayout();
    if (redraw && m_hWnd) Invalidate(TRUE);
    return TRUE;
}

void CBCGPPropList::RemoveAll() {
    // What the grid holds of its items (selection and open editor, held-back message, watches,
    // shown rows) is dropped once for all of them, not once per deleted item.
    std::vector<CBCGPProp*> items;
    items.swap(m_lstProps);
    ReleaseAll();
    m_bReleasedAll = true;
    for (CBCGPProp* item : items) delete item;
    m_bReleasedAll = false;
    m_pSel = nullptr;
    m_nVertScrollOffset = 0;
    AdjustLayout();
    if (m_hWnd) Invalidate(TRUE);
}

CBCGPProp* CBCGPPropList::GetProperty(int index) const {
    if (index < 0 || index >= GetPropertyCount()) return nullptr;
    return m_lstProps[static_cast<std::size_t>(index)];
}

// An item is in the list at most once; searched from the newest, which lists rebuild and delete most.
int CBCGPPropList::FindProperty(const CBCGPProp* prop) const {
    auto it = std::find(m_lstProps.rbegin(), m_lstProps.rend(), prop);
    return it == m_lstProps.rend() ? -1 : static_cast<int>(m_lstProps.rend() - it) - 1;
}

CBCGPProp* CBCGPPropList::FindIn(CBCGPProp* item, DWORD_PTR data, BOOL searchSub) {
    if (item->GetData() == data) return item;
    if (!searchSub) return nullptr;
    for (CBCGPProp* sub : item->m_lstSubItems)
        if (CBCGPProp* found = FindIn(sub, data, searchSub)) return found;
    return nullptr;
}

CBCGPProp* CBCGPPropList::FindItemByData(DWORD_PTR data, BOOL searchSub) const {
    for (CBCGPProp* item : m_lstProps)
        if (CBCGPProp* found = FindIn(item, data, searchSub)) return found;
    return nullptr;
}

BOOL CBCGPPropList::ContainsProperty(const CBCGPProp* prop) const {
    if (!prop || prop->m_pWndList != this) return FALSE;
    const CBCGPProp* root = prop;
    while (root->m_pParent) root = root->m_pParent;
    return FindProperty(root) >= 0 ? TRUE : FALSE;
}

std::vector<CBCGPProp*> CBCGPPropList::GetVisibleRows() const {
    std::vector<CBCGPProp*> rows;
    struct Walker {
        static void Walk(CBCGPProp* item, std::vector<CBCGPProp*>& out) {
            if (!item->IsVisible()) return;
            out.push_back(item);
            if (!item->IsExpanded()) return;
            for (CBCGPProp* sub : item->m_lstSubItems) Walk(sub, out);
        }
    };
    for (CBCGPProp* item : m_lstProps) Walker::Walk(item, rows);
    return rows;
}

CBCGPProp* CBCGPPropList::HitTest(CPoint point) const {
    if (!m_rectList.PtInRect(point)) return nullptr;
    for (CBCGPProp* row : m_shownRows)
        if (row->IsVisible() && row->m_Rect.PtInRect(point)) return row;
    return nullptr;
}

// ---- leaving items, disposed windows --------------------------------------------------------------

void CBCGPPropList::OnItemLeaving(CBCGPProp* item) {
    if (m_bReleasedAll) return;  // RemoveAll dropped everything before deleting
    const bool leaf = item->m_lstSubItems.IsEmpty();
    auto within = [item, leaf](const CBCGPProp* p) { return p && (p == item || (!leaf && item->IsSubItem(p))); };
    if (within(m_pSel)) ReleaseSelection();
    if (within(m_pDeferredFor)) {
        m_pDeferredFor = nullptr;
        m_bDeferredPending = false;
    }
    for (Watch* w : m_watches)
        if (within(w->item)) w->item = nullptr;
    m_shownRows.erase(std::remove_if(m_shownRows.begin(), m_shownRows.end(), within), m_shownRows.end());
}

void CBCGPPropList::ReleaseAll() {
    if (m_pSel) ReleaseSelection();
    m_pDeferredFor = nullptr;
    m_bDeferredPending = false;
    for (Watch* w : m_watches) w->item = nullptr;
    m_shownRows.clear();
}

// Drops the selection; its editor windows are destroyed now and freed later (they may be on the
// call stack).
void CBCGPPropList::ReleaseSelection() {
    CBCGPProp* sel = m_pSel;
    m_pSel = nullptr;
    sel->m_bInPlaceEdit = FALSE;
    sel->m_bButtonIsDown = FALSE;
    CWnd* combo = sel->m_pWndCombo;
    sel->m_pWndCombo = nullptr;
    if (combo) DisposeWindow(combo);
    if (sel->m_pWndInPlace) {
        DisposeWindow(sel->m_pWndInPlace);
        sel->m_pWndInPlace = nullptr;
    }
}

void CBCGPPropList::DisposeWindow(CWnd* wnd) {
    if (!wnd) return;
    if (wnd->GetSafeHwnd()) wnd->DestroyWindow();
    m_disposed.push_back(wnd);
}

void CBCGPPropList::FlushDisposed() {
    while (!m_disposed.empty()) {
        std::vector<CWnd*> windows;
        windows.swap(m_disposed);
        for (CWnd* w : windows) {
            if (w->GetSafeHwnd()) w->DestroyWindow();
            delete w;
        }
    }
}

// ---- selection and editing -------------------------------------------------------------------------

void CBCGPPropList::SetCurSel(CBCGPProp* prop, BOOL redraw) {
    if (prop && !ContainsProperty(prop)) return;
    if (prop == m_pSel) return;
    if (GetEditedItem()) EndEditItem(FALSE);
    CBCGPProp* old = m_pSel;
    m_pSel = prop;
    if (redraw && m_hWnd) {
        InvalidateRow(old);
        InvalidateRow(prop);
        if (m_bDescriptionArea) InvalidateRect(&m_rectDescription, TRUE);
    }
}

void CBCGPPropList::InvalidateRow(CBCGPProp* prop) {
    if (prop && !prop->m_Rect.IsRectEmpty()) InvalidateRect(&prop->m_Rect, TRUE);
}

BOOL CBCGPPropList::EditItem(CBCGPProp* prop, LPPOINT clickPoint) {
    if (!m_hWnd || !ContainsProperty(prop)) return FALSE;
    if (CBCGPProp* edited = GetEditedItem()) {
        if (edited == prop) return TRUE;
        WatchScope watch(this, prop);
        if (!EndEditItem(TRUE)) return FALSE;
        if (!watch.item() || !ContainsProperty(prop)) return FALSE;
    }
    if (!prop->IsEnabled() || (prop->IsGroup() && !prop->IsValueList())) return FALSE;
    // The row must be on screen: hidden rows are not edited, collapsed parents open.
    for (CBCGPProp* p = prop; p; p = p->m_pParent)
        if (!p->IsVisible()) return FALSE;
    bool expanded = false;
    for (CBCGPProp* p = prop->m_pParent; p; p = p->m_pParent)
        if (!p->m_bExpanded) p->m_bExpanded = TRUE, expanded = true;
    if (expanded) AdjustLayout();
    if (m_pSel != prop) SetCurSel(prop);

    WatchScope watch(this, prop);
    const BOOL ok = prop->OnEdit(clickPoint);
    if (!watch.item()) return FALSE;
    if (!ok) {
        prop->m_bInPlaceEdit = FALSE;
        return FALSE;
    }
    prop->m_bInPlaceEdit = TRUE;
    InvalidateRow(prop);
    return TRUE;
}

BOOL CBCGPPropList::EndEditItem(BOOL updateData) {
    CBCGPProp* prop = GetEditedItem();
    if (!prop) return TRUE;
    WatchScope watch(this, prop);
    DeferScope defer(m_pDeferredFor, m_bDeferredPending, prop);
    if (updateData) {
        const BOOL accepted = prop->OnUpdateValue();
        if (!watch.item()) return TRUE;  // the item went away meanwhile: nothing is left to end
        if (!accepted) return FALSE;     // refused text: the editor stays open
        const BOOL ended = prop->OnEndEdit();
        if (!watch.item()) return TRUE;
        if (!ended) return FALSE;  // the item keeps its edit open; nothing is reported
    }
    if (prop->m_pWndInPlace || prop->m_pWndCombo) prop->OnDestroyWindow();
    prop->m_bInPlaceEdit = FALSE;
    prop->m_bButtonIsDown = FALSE;
    const bool notify = defer.Release();
    if (m_hWnd) InvalidateRow(prop);
    // Last step: the owner may delete the item, its siblings or every item.
    if (notify) SendChanged(prop);
    return TRUE;
}

void CBCGPPropList::OnComboPicked() {
    CBCGPProp* prop = GetEditedItem();
    if (!prop || !prop->m_pWndCombo) return;
    WatchScope watch(this, prop);
    DeferScope defer(m_pDeferredFor, m_bDeferredPending, prop);
    prop->OnSelectCombo();
    if (!watch.item()) return;
    // Nothing was taken: the drop-down stays open, unless the option shown was picked (no edit).
    if (!m_bDeferredPending && !prop->IsCommitUnchanged()) return;
    const BOOL ended = prop->OnEndEdit();
    if (!watch.item() || !ended) return;
    if (prop->m_pWndInPlace || prop->m_pWndCombo) prop->OnDestroyWindow();
    prop->m_bInPlaceEdit = FALSE;
    prop->m_bButtonIsDown = FALSE;
    const bool notify = defer.Release();
    if (m_hWnd) InvalidateRow(prop);
    if (notify) SendChanged(prop);
}

void CBCGPPropList::OnPropertyChanged(CBCGPProp* prop) {
    if (prop && prop == m_pDeferredFor) {
        m_bDeferredPending = true;
        return;
    }
    SendChanged(prop);
}

void CBCGPPropList::SendChanged(CBCGPProp* prop) {
    CWnd* owner = GetOwner();
    if (!prop || !owner || !owner->GetSafeHwnd()) return;
    owner->SendMessage(BCGM_PROPERTY_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(prop));
}

// ---- layout --------------------------------------------------------------------------------------------

void CBCGPPropList::AdjustLayout() {
    m_bLayoutPending = false;
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    const int top = m_bHeaderCtrl ? kHeaderHeight : 0;
    int bottom = client.bottom - (m_bDescriptionArea ? kDescriptionHeight : 0);
    if (bottom < top) bottom = top;
    m_rectList = CRect(0, top, client.right, bottom);
    m_rectDescription = m_bDescriptionArea ? CRect(0, bottom, client.right, client.bottom) : CRect();
    if (!m_bLeftColumnSet) m_nLeftColumnWidth = client.Width() / 2;

    // One walk over the items in the common case: the rows are counted while they are placed,
    // and placed again only when the count moves the scroll position.
    for (;;) {
        const int offset = m_nVertScrollOffset;
        int y = top - offset * kRowHeight;
        m_nVisibleRows = 0;
        m_shownRows.clear();
        for (CBCGPProp* item : m_lstProps) LayoutItem(item, 0, y, true);
        m_nVertScrollOffset = std::max(0, std::min(offset, GetScrollMax()));
        if (m_nVertScrollOffset == offset) break;
    }

    // An open editor follows its row.
    if (CBCGPProp* edited = GetEditedItem()) {
        CRect rectEdit, rectSpin;
        edited->AdjustInPlaceEditRect(rectEdit, rectSpin);
        if (edited->m_pWndInPlace && edited->m_pWndInPlace->GetSafeHwnd())
            edited->m_pWndInPlace->SetWindowPos(nullptr, rectEdit.left, rectEdit.top, rectEdit.Width(),
                                                rectEdit.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (edited->m_pWndCombo && edited->m_pWndCombo->GetSafeHwnd()) {
            const CRect v = edited->GetValueRect();
            edited->m_pWndCombo->SetWindowPos(nullptr, v.left, v.top, v.Width(), v.Height() + 200,
                                              SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Invalidate(TRUE);
}

void CBCGPPropList::LayoutItem(CBCGPProp* item, int level, int& y, bool shown) {
    const bool visible = shown && item->m_bIsVisible;
    if (visible) {
        item->m_Rect = CRect(0, y, m_rectList.right, y + kRowHeight);
        ++m_nVisibleRows;
        if (y + kRowHeight > m_rectList.top && y < m_rectList.bottom) m_shownRows.push_back(item);
        y += kRowHeight;
        if (item->HasButton())
            item->AdjustButtonRect();
        else
            item->m_rectButton.SetRectEmpty();
    } else {
        item->m_Rect.SetRectEmpty();
        item->m_rectButton.SetRectEmpty();
    }
    for (CBCGPProp* sub : item->m_lstSubItems) LayoutItem(sub, level + 1, y, visible && item->m_bExpanded);
}

int CBCGPPropList::GetScrollMax() const {
    const int page = std::max(1, m_rectList.Height() / kRowHeight);
    return std::max(0, m_nVisibleRows - page);
}

// ---- messages ---------------------------------------------------------------------------------------------

int CBCGPPropList::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    AdjustLayout();
    return 0;
}

void CBCGPPropList::OnDestroy() {
    EndEditItem(FALSE);
    CWnd::OnDestroy();
}

// Laid out before the grid's next message or paint: a pane that sizes its grid more than once
// while it is made lays the rows out once.
void CBCGPPropList::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_bLayoutPending = true;
    Invalidate(TRUE);
}

// Paints what was marked: the rows a change marked, or everything after a layout.
void CBCGPPropList::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CRect update(dc.m_ps.rcPaint);
    dc.FillSolidRect(&update, GetEffectiveBkColor());
    dc.SetTextColor(GetEffectiveTextColor());
    if (m_hFont) dc.SelectObject(CFont::FromHandle(m_hFont));
    if (m_bHeaderCtrl && update.top < kHeaderHeight) {
        CRect left(0, 0, m_nLeftColumnWidth, kHeaderHeight), right(m_nLeftColumnWidth, 0, client.right, kHeaderHeight);
        dc.FillSolidRect(&left, GetSysColor(COLOR_BTNFACE));
        dc.FillSolidRect(&right, GetSysColor(COLOR_BTNFACE));
        dc.DrawText(m_strHeaderLeft, &left, DT_SINGLELINE | DT_VCENTER);
        dc.DrawText(m_strHeaderRight, &right, DT_SINGLELINE | DT_VCENTER);
    }
    // Only the rows inside the list, as the last layout found them (a row hidden since is skipped).
    for (CBCGPProp* row : m_shownRows) {
        if (!row->IsVisible() || row->m_Rect.bottom <= m_rectList.top || row->m_Rect.top >= m_rectList.bottom ||
            row->m_Rect.bottom <= update.top || row->m_Rect.top >= update.bottom)
            continue;
        DrawItem(&dc, row);
    }
    if (m_bDescriptionArea && m_pSel && update.bottom > m_rectDescription.top) {
        dc.SetTextColor(m_clrDescriptionText == (COLORREF)-1 ? GetSysColor(COLOR_WINDOWTEXT) : m_clrDescriptionText);
        m_pSel->OnDrawDescription(&dc, m_rectDescription);
    }
}

void CBCGPPropList::DrawItem(CDC* dc, CBCGPProp* item) {
    const bool plainGroup = item->IsGroup() && !item->IsValueList();
    if (plainGroup) {
        const COLORREF back = m_clrGroupBackground == (COLORREF)-1 ? GetSysColor(COLOR_BTNFACE) : m_clrGroupBackground;
        dc->FillSolidRect(&item->m_Rect, back);
    }
    if (item == m_pSel) dc->FillSolidRect(&item->m_Rect, GetSysColor(COLOR_HIGHLIGHT));
    dc->SetTextColor(item->IsEnabled() ? GetEffectiveTextColor() : GetSysColor(COLOR_GRAYTEXT));
    item->OnDrawName(dc, item->GetNameRect());
    if (plainGroup) return;
    CRect value = item->GetValueRect();
    if (item == m_pSel && item->HasButton() && !item->m_rectButton.IsRectEmpty()) {
        if (value.right > item->m_rectButton.left) value.right = item->m_rectButton.left;
        item->OnDrawValue(dc, value);
        item->OnDrawButton(dc, item->m_rectButton);
    } else {
        item->OnDrawValue(dc, value);
    }
}

void CBCGPPropList::OnVScroll(UINT code, UINT pos, CScrollBar*) {
    const int page = std::max(1, m_rectList.Height() / kRowHeight);
    int offset = m_nVertScrollOffset;
    switch (code) {
        case SB_LINEUP:
            offset -= 1;
            break;
        case SB_LINEDOWN:
            offset += 1;
            break;
        case SB_PAGEUP:
            offset -= page;
            break;
        case SB_PAGEDOWN:
            offset += page;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            offset = static_cast<int>(pos);
            break;
        case SB_TOP:
            offset = 0;
            break;
        case SB_BOTTOM:
            offset = GetScrollMax();
            break;
        default:
            return;
    }
    offset = std::max(0, std::min(offset, GetScrollMax()));
    if (offset == m_nVertScrollOffset) return;
    m_nVertScrollOffset = offset;
    AdjustLayout();
}

void CBCGPPropList::MoveSelection(int delta) {
    if (GetEditedItem() && !EndEditItem(TRUE)) return;
    const std::vector<CBCGPProp*> rows = GetVisibleRows();
    if (rows.empty()) return;
    auto it = std::find(rows.begin(), rows.end(), m_pSel);
    int index =
        it == rows.end() ? (delta > 0 ? -1 : static_cast<int>(rows.size())) : static_cast<int>(it - rows.begin());
    index = std::max(0, std::min(static_cast<int>(rows.size()) - 1, index + delta));
    SetCurSel(rows[static_cast<std::size_t>(index)]);
}

void CBCGPPropList::OnKeyDown(UINT ch, UINT repeat, UINT flags) {
    switch (ch) {
        case VK_RETURN:
            if (GetEditedItem()) {
                EndEditItem(TRUE);
            } else if (m_pSel) {
                if (m_pSel->IsGroup() && !m_pSel->IsValueList())
                    m_pSel->Expand(!m_pSel->IsExpanded());
                else
                    EditItem(m_pSel);
            }
            return;
        case VK_ESCAPE:
            if (GetEditedItem()) EndEditItem(FALSE);
            return;
        case VK_UP:
            MoveSelection(-1);
            return;
        case VK_DOWN:
            MoveSelection(1);
            return;
        case VK_F2:
        case VK_F4:
            if (m_pSel) EditItem(m_pSel);
            return;
        default:
            CWnd::OnKeyDown(ch, repeat, flags);
            return;
    }
}

void CBCGPPropList::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (CBCGPProp* edited = GetEditedItem()) {
        // While editing, characters are typed into the editor.
        CEdit* edit = DYNAMIC_DOWNCAST(CEdit, edited->m_pWndInPlace);
        if (edit && !edit->IsReadOnly() && ch >= 32) edit->ReplaceSel(CString(static_cast<char>(ch)));
        return;
    }
    if (m_pSel && m_pSel->IsEnabled()) {
        m_pSel->PushChar(ch);
        return;
    }
    CWnd::OnChar(ch, repeat, flags);
}

void CBCGPPropList::OnLButtonDown(UINT, CPoint point) {
    CBCGPProp* hit = HitTest(point);
    if (CBCGPProp* edited = GetEditedItem()) {
        if (hit == edited) {
            // The value cell belongs to the editor window; only the button reaches the grid.
            if (edited->HasButton() && edited->m_rectButton.PtInRect(point)) edited->OnClickButton(point);
            return;
        }
        if (!EndEditItem(TRUE)) return;
        hit = HitTest(point);  // the commit may have changed the rows
    }
    if (!hit) return;
    const CRect name = hit->GetNameRect();
    if (hit->GetSubItemsCount() > 0 && point.x < name.left && point.x >= name.left - kRowHeight) {
        SetCurSel(hit);
        hit->Expand(!hit->IsExpanded());
        return;
    }
    SetCurSel(hit);
    if (!hit->IsEnabled()) return;
    if ((hit->IsGroup() && !hit->IsValueList()) || point.x < m_nLeftColumnWidth) {
        hit->OnClickName(point);
        return;
    }
    if (hit->HasButton() && hit->m_rectButton.PtInRect(point)) {
        hit->OnClickButton(point);
        return;
    }
    WatchScope watch(this, hit);
    if (EditItem(hit, &point) && watch.item() && GetEditedItem() == hit) hit->OnClickValue(WM_LBUTTONDOWN, point);
}

void CBCGPPropList::OnLButtonDblClk(UINT, CPoint point) {
    CBCGPProp* hit = HitTest(point);
    if (!hit || hit == GetEditedItem()) return;
    if (hit->GetSubItemsCount() > 0 && (point.x < m_nLeftColumnWidth || (hit->IsGroup() && !hit->IsValueList()))) {
        hit->Expand(!hit->IsExpanded());
        return;
    }
    if (!hit->IsEnabled()) return;
    hit->OnDblClick(point);
}

void CBCGPPropList::OnRButtonDown(UINT, CPoint point) {
    CBCGPProp* hit = HitTest(point);
    if (GetEditedItem() && hit != GetEditedItem()) {
        if (!EndEditItem(TRUE)) return;
        hit = HitTest(point);
    }
    if (!hit) return;
    const BOOL selChanged = hit != m_pSel;
    SetCurSel(hit);
    // Disabled items hear right clicks too (they offer their own actions).
    if (point.x >= m_nLeftColumnWidth && !(hit->IsGroup() && !hit->IsValueList()))
        hit->OnRClickValue(point, selChanged);
    else
        hit->OnRClickName(point);
}

LRESULT CBCGPPropList::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    delete m_pBoldFont;
    m_pBoldFont = nullptr;
    Default();
    AdjustLayout();
    if (lParam) Invalidate(TRUE);
    return 0;
}

LRESULT CBCGPPropList::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

BOOL CBCGPPropList::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    const UINT id = static_cast<UINT>(wParam & 0xFFFF);
    const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    CBCGPProp* edited = GetEditedItem();
    if (id == BCGPROPLIST_ID_INPLACE && code == CBN_SELENDOK && edited && edited->m_pWndCombo &&
        reinterpret_cast<HWND>(lParam) == edited->m_pWndCombo->GetSafeHwnd()) {
        OnComboPicked();
        return TRUE;
    }
    return FALSE;
}
