// CBCGPPropList: the property grid. A child window holding a tree of CBCGPProp rows in a
// name column and a value column, with an optional header and description area. Rows are
// laid out at a fixed height; editing happens in in-place windows the items create. After a
// user's edit is committed the owner hears BCGM_PROPERTY_CHANGED (wParam = the grid's control
// id, lParam = the item); the grid touches nothing of the item after that message.
#pragma once

#include <vector>

#include "bcg/Prop.h"
#include "mfc/Wnd.h"

// Registered message the grid sends its owner after a user's edit.
extern UINT BCGM_PROPERTY_CHANGED;

class CBCGPPropList : public CWnd {
    DECLARE_DYNAMIC(CBCGPPropList)
    friend class CBCGPProp;

public:
    static constexpr int kRowHeight = 20;          // every row, groups included
    static constexpr int kHeaderHeight = 20;       // when the header is shown
    static constexpr int kDescriptionHeight = 48;  // when the description area is shown

    CBCGPPropList();
    ~CBCGPPropList() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // ---- display options ------------------------------------------------------------------
    void EnableHeaderCtrl(BOOL enable = TRUE, LPCTSTR leftColumn = "Property", LPCTSTR rightColumn = "Value");
    BOOL IsHeaderCtrl() const { return m_bHeaderCtrl; }
    CString GetHeaderText(int column) const { return column == 0 ? m_strHeaderLeft : m_strHeaderRight; }
    void EnableDescriptionArea(BOOL enable = TRUE);
    BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
    void SetVSDotNetLook(BOOL set = TRUE);
    BOOL IsVSDotNetLook() const { return m_bVSDotNetLook; }
    void SetGroupNameFullWidth(BOOL set = TRUE, BOOL redraw = TRUE);
    BOOL IsGroupNameFullWidth() const { return m_bGroupNameFullWidth; }
    void SetAlphabeticMode(BOOL set = TRUE);  // kept as a flag; rows stay in insertion order
    BOOL IsAlphabeticMode() const { return m_bAlphabeticMode; }
    void SetShowDragContext(BOOL show = TRUE) { m_bShowDragContext = show; }
    BOOL IsShowDragContext() const { return m_bShowDragContext; }
    void MarkModifiedProperties(BOOL mark = TRUE, BOOL redraw = TRUE);
    BOOL IsMarkModifiedProperties() const { return m_bMarkModifiedProperties; }
    // Colours; (COLORREF)-1 is the "default" marker (window text / window colour).
    void SetCustomColors(COLORREF background, COLORREF text, COLORREF groupBackground = (COLORREF)-1,
                         COLORREF groupText = (COLORREF)-1, COLORREF descriptionBackground = (COLORREF)-1,
                         COLORREF descriptionText = (COLORREF)-1, COLORREF line = (COLORREF)-1);
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF GetBkColor() const { return m_clrBackground; }
    // The colours actually used: the custom one, or the system default for the marker.
    COLORREF GetEffectiveTextColor() const;
    COLORREF GetEffectiveBkColor() const;
    CFont& GetBoldFont();
    HFONT GetListFont() const { return m_hFont; }
    int GetLeftColumnWidth() const { return m_nLeftColumnWidth; }
    void SetLeftColumnWidth(int width);
    int GetRowHeight() const { return kRowHeight; }
    CRect GetListRect() const { return m_rectList; }
    CRect GetDescriptionRect() const { return m_rectDescription; }

    // ---- items ----------------------------------------------------------------------------------
    int AddProperty(CBCGPProp* prop, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);  // index or -1
    // Takes prop out of the grid at any depth and deletes it; prop := NULL. FALSE when absent.
    BOOL DeleteProperty(CBCGPProp*& prop, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);
    void RemoveAll();
    int GetPropertyCount() const { return static_cast<int>(m_lstProps.size()); }
    CBCGPProp* GetProperty(int index) const;
    int FindProperty(const CBCGPProp* prop) const;  // top-level position, -1 when absent
    // Takes a top-level item out of the grid without deleting it (its owner keeps it and
    // deletes it unless it is attached again). FALSE when prop is not a top-level item.
    BOOL DetachProperty(CBCGPProp* prop, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);
    // Puts a detached (or new) item back at top level: appended, or inserted before
    // position insertAt when 0 <= insertAt < count. Answers its position, -1 when refused
    // (NULL, already in the grid, or an item with a parent).
    int AttachProperty(CBCGPProp* prop, int insertAt = -1, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);
    // Depth-first in display order over the items in the grid (and their sub-items when
    // searchSub); first match, NULL when none. Detached items are not searched.
    CBCGPProp* FindItemByData(DWORD_PTR data, BOOL searchSub = TRUE) const;
    BOOL ContainsProperty(const CBCGPProp* prop) const;  // prop is in the grid at any depth
    // Rows shown in order (visible items under expanded parents).
    std::vector<CBCGPProp*> GetVisibleRows() const;
    CBCGPProp* HitTest(CPoint point) const;  // row under a client point, NULL outside the list

    // ---- selection and editing ---------------------------------------------------------------------
    CBCGPProp* GetCurSel() const { return m_pSel; }
    // Selects prop (NULL clears). An open editor is closed without taking its text.
    void SetCurSel(CBCGPProp* prop, BOOL redraw = TRUE);
    // Opens prop's in-place editor (first committing any open one); FALSE when the item is
    // disabled, a plain group, or no editor was made.
    virtual BOOL EditItem(CBCGPProp* prop, LPPOINT clickPoint = nullptr);
    // Ends the open edit. With updateData the editor's text is taken (OnUpdateValue), the
    // item's OnEndEdit runs, the editor closes and then the owner is notified; FALSE (editor
    // left open) when the text is refused or OnEndEdit refuses. Without updateData the
    // editor just closes. TRUE when nothing is being edited.
    virtual BOOL EndEditItem(BOOL updateData = TRUE);
    CBCGPProp* GetEditedItem() const { return (m_pSel && m_pSel->m_bInPlaceEdit) ? m_pSel : nullptr; }

    // Tells the owner that prop was changed by the user (BCGM_PROPERTY_CHANGED). While the
    // grid is ending an edit of prop, the message waits until the editor is closed.
    virtual void OnPropertyChanged(CBCGPProp* prop);

    virtual void AdjustLayout();
    int GetScrollPos() const { return m_nVertScrollOffset; }
    int GetScrollMax() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Handlers; derived grids chain to them (CBCGPPropList::OnKeyDown(...)).
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    // An item pointer that becomes NULL when the item is deleted or leaves the grid.
    struct Watch {
        CBCGPProp* item;
    };
    class WatchScope;
    void OnItemLeaving(CBCGPProp* item);  // item (and its sub-items) deleted or taken out
    void ReleaseAll();                    // every item is leaving (RemoveAll)
    void ReleaseSelection();
    void DisposeWindow(CWnd* wnd);
    void FlushDisposed();
    void SendChanged(CBCGPProp* prop);
    void LayoutItem(CBCGPProp* item, int level, int& y, bool shown);
    void DrawItem(CDC* dc, CBCGPProp* item);
    void InvalidateRow(CBCGPProp* prop);  // marks the row for painting when it is laid out
    void MoveSelection(int delta);
    void OnComboPicked();
    static CBCGPProp* FindIn(CBCGPProp* item, DWORD_PTR data, BOOL searchSub);

    std::vector<CBCGPProp*> m_lstProps;
    CBCGPProp* m_pSel = nullptr;
    std::vector<Watch*> m_watches;
    std::vector<CWnd*> m_disposed;
    int m_nDispatchDepth = 0;
    CBCGPProp* m_pDeferredFor = nullptr;  // item whose change message waits for the editor to close
    bool m_bDeferredPending = false;
    bool m_bLayoutPending = false;  // items were added or the grid was sized since the last layout
    bool m_bReleasedAll = false;    // RemoveAll is deleting items the grid has already let go

    BOOL m_bHeaderCtrl = FALSE;
    CString m_strHeaderLeft;
    CString m_strHeaderRight;
    BOOL m_bDescriptionArea = FALSE;
    BOOL m_bVSDotNetLook = FALSE;
    BOOL m_bGroupNameFullWidth = TRUE;
    BOOL m_bAlphabeticMode = FALSE;
    BOOL m_bShowDragContext = TRUE;
    BOOL m_bMarkModifiedProperties = TRUE;
    COLORREF m_clrText = (COLORREF)-1;
    COLORREF m_clrBackground = (COLORREF)-1;
    COLORREF m_clrGroupText = (COLORREF)-1;
    COLORREF m_clrGroupBackground = (COLORREF)-1;
    COLORREF m_clrDescriptionText = (COLORREF)-1;
    COLORREF m_clrDescriptionBackground = (COLORREF)-1;
    COLORREF m_clrLine = (COLORREF)-1;
    HFONT m_hFont = nullptr;
    CFont* m_pBoldFont = nullptr;
    int m_nLeftColumnWidth = 0;
    bool m_bLeftColumnSet = false;
    int m_nVertScrollOffset = 0;  // in rows
    int m_nVisibleRows = 0;
    std::vector<CBCGPProp*> m_shownRows;  // rows inside the list rectangle at the last layout, in order
    CRect m_rectList;
    CRect m_rectDescription;
};
