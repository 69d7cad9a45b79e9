// CBCGPGridCtrl: the control library's cell grid. A child window of columns (captioned, each with
// a width in pixels) and rows of items, one per column; an item holds a value, a list of options
// and may accept typed text. A header row above the cells shows the captions; dragging a divider
// in it sets a column's width. After a user's edit of a cell the owner hears
// BCGM_GRID_ITEM_CHANGED (wParam = the grid's control id, lParam = a BCGPGRID_ITEM_INFO), also
// when the text did not change. The column widths are kept in the registry workspace
// (platform::ProfileStore) by SaveState and read back by LoadState.
#pragma once

#include <string>
#include <vector>

#include "bcg/TextIndex.h"
#include "driver/CellGridDriver.h"
#include "mfc/Variant.h"
#include "mfc/Wnd.h"

// Registered message the grid sends its owner after a user's edit of a cell.
extern UINT BCGM_GRID_ITEM_CHANGED;

class CBCGPGridCtrl;
class CBCGPGridRow;

class CBCGPGridItem : public CObject {
    DECLARE_DYNAMIC(CBCGPGridItem)
    friend class CBCGPGridRow;

public:
    explicit CBCGPGridItem(const _variant_t& value = _variant_t(""), DWORD_PTR data = 0);
    ~CBCGPGridItem() override;
    CBCGPGridItem(const CBCGPGridItem&) = delete;
    CBCGPGridItem& operator=(const CBCGPGridItem&) = delete;

    const _variant_t& GetValue() const { return m_varValue; }
    // Takes the value whole; never notifies.
    virtual void SetValue(const _variant_t& value, BOOL redraw = TRUE);
    // The value as text (what the cell shows).
    CString GetLabel() const;
    DWORD_PTR GetData() const { return m_dwData; }

    // Appends an option; with insertUnique a text already present is passed over (FALSE), found
    // through an index of the texts so that filling n options takes time linear in n.
    BOOL AddOption(LPCTSTR option, BOOL insertUnique = TRUE);
    void RemoveAllOptions();
    int GetOptionCount() const { return static_cast<int>(m_options.size()); }
    LPCTSTR GetOption(int index) const;  // NULL outside the list

    void AllowEdit(BOOL allow = TRUE) { m_bAllowEdit = allow; }
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    void Enable(BOOL enable = TRUE) { m_bEnabled = enable; }
    BOOL IsEnabled() const { return m_bEnabled; }

    CBCGPGridRow* GetParentRow() const { return m_pRow; }
    int GetColumnId() const { return m_nColumn; }

private:
    _variant_t m_varValue;
    DWORD_PTR m_dwData;
    std::vector<CString> m_options;
    TextIndex m_optionIndex;
    BOOL m_bAllowEdit = TRUE;
    BOOL m_bEnabled = TRUE;
    CBCGPGridRow* m_pRow = nullptr;
    int m_nColumn = -1;
};

// One row: an item per column, owned by the row.
class CBCGPGridRow : public CObject {
    DECLARE_DYNAMIC(CBCGPGridRow)
    friend class CBCGPGridCtrl;

public:
    // A row of columns items holding the empty text.
    explicit CBCGPGridRow(int columns = 0);
    ~CBCGPGridRow() override;
    CBCGPGridRow(const CBCGPGridRow&) = delete;
    CBCGPGridRow& operator=(const CBCGPGridRow&) = delete;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CBCGPGridItem* GetItem(int column) const;  // NULL outside the row
    // Puts item at column, deleting the item held there. FALSE (item deleted) for a column
    // outside the row or an item that belongs to a row already.
    BOOL ReplaceItem(int column, CBCGPGridItem* item, BOOL redraw = TRUE, BOOL reposition = FALSE);
    int GetRowId() const { return m_nRow; }
    CBCGPGridCtrl* GetOwnerList() const { return m_pGrid; }

private:
    std::vector<CBCGPGridItem*> m_items;
    CBCGPGridCtrl* m_pGrid = nullptr;
    int m_nRow = -1;
};

// What BCGM_GRID_ITEM_CHANGED carries.
struct BCGPGRID_ITEM_INFO {
    CBCGPGridItem* pItem;
    int nRow;
    int nCol;
    DWORD_PTR dwResultCode;
};

// The grid's columns: captions and widths.
class CBCGPGridColumnsInfo {
public:
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int GetColumnWidth(int column) const;  // 0 outside
    CString GetColumnName(int column) const;
    // The sum of the widths of all columns.
    int GetTotalWidth() const;

private:
    friend class CBCGPGridCtrl;
    struct Column {
        CString caption;
        int width;
        int image;
    };
    std::vector<Column> m_columns;
};

class CBCGPGridCtrl : public CWnd, public platform::UserCellGrid {
    DECLARE_DYNAMIC(CBCGPGridCtrl)

public:
    static constexpr int kHeaderHeight = 20;
    static constexpr int kBaseRowHeight = 18;
    static constexpr int kMinColumnWidth = 5;
    static constexpr int kMaxColumnWidth = 10000;

    CBCGPGridCtrl();
    ~CBCGPGridCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // ---- options (kept; a headless grid draws nothing) ----------------------------------------------
    void EnableMarkSortedColumn(BOOL mark = TRUE, BOOL redraw = TRUE);
    BOOL IsMarkSortedColumn() const { return m_bMarkSortedColumn; }
    // Kept as a flag: columns keep the widths they are given.
    void EnableColumnAutoSize(BOOL enable = TRUE);
    BOOL IsColumnAutoSizeEnabled() const { return m_bColumnAutoSize; }
    void EnableHeader(BOOL enable = TRUE, DWORD flags = 0);
    BOOL IsHeaderEnabled() const { return m_bHeader; }
    DWORD GetHeaderFlags() const { return m_dwHeaderFlags; }
    // Whether the user may drag header items to reorder the columns.
    void EnableDragHeaderItems(BOOL enable = TRUE);
    BOOL IsDragHeaderItemsEnabled() const { return m_bDragHeaderItems; }

    // ---- columns ---------------------------------------------------------------------------------
    // Inserts a column before pos (past the end: appended); rows get no item for it. Answers its index.
    int InsertColumn(int pos, LPCTSTR caption, int width, int image = -1);
    BOOL DeleteAllColumns();
    int GetColumnCount() const { return m_columnsInfo.GetColumnCount(); }
    CString GetColumnName(int column) const { return m_columnsInfo.GetColumnName(column); }
    int GetColumnWidth(int column) const { return m_columnsInfo.GetColumnWidth(column); }
    // Width clamped to kMinColumnWidth .. kMaxColumnWidth; FALSE outside the columns.
    BOOL SetColumnWidth(int column, int width);
    CBCGPGridColumnsInfo& GetColumnsInfo() { return m_columnsInfo; }

    // ---- rows ---------------------------------------------------------------------------------------
    // A new row of columns items (not yet in the grid).
    virtual CBCGPGridRow* CreateRow(int columns);
    // Appends the row (the grid owns it); answers its index, -1 for NULL or a row of a grid.
    int AddRow(CBCGPGridRow* row, BOOL redraw = TRUE);
    // Deletes every row.
    void RemoveAll();
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    CBCGPGridRow* GetRow(int row) const;  // NULL outside
    CBCGPGridItem* GetItem(int row, int column) const;

    // Computes the row height (kBaseRowHeight); runs at creation.
    virtual void SetRowHeight();
    int GetRowHeight() const { return m_nRowHeight; }
    // Lays the cells out and repaints.
    virtual void AdjustLayout();

    // ---- layout state in the registry workspace -------------------------------------------------------
    // The widths of the columns under the profile (NULL: "BCGPGridCtrl") and index. LoadState sets
    // the widths of the columns that exist from what was saved; FALSE when nothing was saved.
    virtual BOOL SaveState(LPCTSTR profileName = nullptr, int index = -1);
    virtual BOOL LoadState(LPCTSTR profileName = nullptr, int index = -1);

    // ---- the column divider under the mouse ---------------------------------------------------------
    // While track is TRUE the tracked column's right divider follows the mouse at client x offset
    // (the column's width becomes offset - its left edge); FALSE ends the tracking there.
    virtual void TrackHeader(BOOL track, int offset);
    int GetTrackedColumn() const { return m_nTrackColumn; }

    // ---- selection ------------------------------------------------------------------------------------
    int GetCurSelRow() const { return m_nSelRow; }
    int GetCurSelColumn() const { return m_nSelCol; }

    // ---- geometry (client coordinates) --------------------------------------------------------------
    int GetColumnLeft(int column) const;
    CRect GetCellRect(int row, int column) const;

    // ---- the user's hands (platform::UserCellGrid) ------------------------------------------------
    // Rows as the driver counts them: 0 the header, r >= 1 the cell row r - 1. An edit clicks the
    // cell, types text and ends the edit: the item takes the text and the owner hears
    // BCGM_GRID_ITEM_CHANGED (row and column of the cell). Refused (false, nothing sent): the header,
    // a place with no item, a disabled item or one that takes no typing.
    bool UserEditCell(int row, int col, const std::string& text) override;
    // A click (button down and up) on a cell selects it; on the header it only presses it.
    bool UserClickCell(int row, int col) override;
    // Mouse down on the column's right divider in the header, drag to make it width wide, release.
    bool UserDragColumnDivider(int col, int width) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

    int m_nRowHeight = kBaseRowHeight;

private:
    void SendItemChanged(CBCGPGridItem* item, int row, int col);
    // The column whose right divider lies within 3 pixels of x in the header; -1 for none.
    int DividerAt(int x) const;

    CBCGPGridColumnsInfo m_columnsInfo;
    std::vector<CBCGPGridRow*> m_rows;
    BOOL m_bMarkSortedColumn = TRUE;
    BOOL m_bColumnAutoSize = FALSE;
    BOOL m_bHeader = TRUE;
    DWORD m_dwHeaderFlags = 0;
    BOOL m_bDragHeaderItems = TRUE;
    int m_nTrackColumn = -1;
    int m_nSelRow = -1;
    int m_nSelCol = -1;
};
