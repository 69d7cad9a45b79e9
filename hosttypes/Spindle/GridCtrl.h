// CGridCtrl: the custom grid control of the controls library. The accessors below are part of
// the grid's interface; creation, rows, columns, cells, notifications and scrolling are the library's.
#pragma once

#include <vector>

#include "driver/CellGridDriver.h"
#include "hosttypes/Spindle/CellID.h"
#include "hosttypes/Spindle/CellRange.h"
#include "hosttypes/Spindle/GridCell.h"
#include "mfc/Collections.h"
#include "mfc/Wnd.h"

class CImageList;

// Grid line settings of SetGridLines.
enum : int { GVL_NONE = 0, GVL_HORZ = 1, GVL_VERT = 2, GVL_BOTH = 3 };

// Notification codes the grid sends its owner as WM_NOTIFY (wParam the grid's id, lParam an
// NM_GRIDVIEW with the cell).
enum : int {
    GVN_ENDLABELEDIT = -106,            // a cell edit ended; the cell holds the new text
    GVN_CELLCLICK = 0xF70125,           // a cell was clicked (row 0: a header cell)
    GVN_SWITCHCHANGED = 0xF70127,       // a switch cell was turned over by a click
};

// Cell kinds given to InsertColumn (the kind of every cell of the column).
enum : int {
    GVCT_TEXT = 0,                      // plain text
    GVCT_INTEGER = 1,                   // a whole number, typed as text
    GVCT_LABEL = 2,                     // a label or number, typed as text; a click notifies
    GVCT_NUMBER = GVCT_LABEL,
    GVCT_SWITCH = 8,                    // "TRUE" or "FALSE"; a click turns it over
    GVCT_COLOR = 11,                    // a colour, held as the cell's background colour
    GVCT_SYMBOL = 13,                   // a point symbol (QXLOGPOINT) the user picks
    GVCT_FONT = 17,                     // a font face, held as the cell's text
    GVCT_LINESTYLE = 26,                // a line style, held as the cell's graph style
};

// Cell state bits (CGridCellBase::GetState).
enum : DWORD { GVIS_READONLY = 0x0004 };

// The notification record: header, row, column.
struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

class CGridCtrl : public CWnd, public platform::UserCellGrid {
    DECLARE_DYNCREATE(CGridCtrl)
public:
    typedef std::vector<CGridCellBase*> GRID_ROW;

    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    // ---- controls-library operations ----
    // Makes the grid window as a child of the parent, which becomes the grid's owner (the
    // receiver of its notifications). FALSE when the window cannot be made.
    using CWnd::Create;
    virtual BOOL Create(const RECT& rect, CWnd* parent, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    // Inserts a column before position column (-1 or past the end: after the last one) whose cells
    // are of the given kind; the heading goes into row 0 (a grid without rows gets one first).
    // The option list, when given, is copied (GetColumnOptions). Answers the new column's index.
    int InsertColumn(LPCTSTR heading, UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int column = -1,
                     int cellType = GVCT_TEXT, const CStringArray* options = nullptr);
    int GetColumnType(int nCol) const;
    UINT GetColumnFormat(int nCol) const;
    const std::vector<CString>& GetColumnOptions(int nCol) const;
    BOOL SetColumnWidth(int nCol, int width);
    int GetColumnWidth(int nCol) const;
    // Texts and background colours of cells; FALSE / "" / (COLORREF)-1 for a place with no cell.
    BOOL SetItemText(int nRow, int nCol, LPCTSTR text);
    CString GetItemText(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF colour);
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    // A cell that is not changeable refuses the user's edits and clicks do not turn it over.
    void SetCellChangable(int nRow, int nCol, BOOL changable);
    BOOL IsCellChangable(int nRow, int nCol) const;
    // Removes every row and column (the fixed counts become 0); focus and selection are dropped.
    BOOL DeleteAllItems();
    // Removes every row below the fixed ones.
    BOOL DeleteNonFixedRows();
    // Inserts a row before position (-1 or past the end: after the last one) with heading in its
    // first cell; answers the new row's index. Focus and selection are dropped.
    int InsertRow(LPCTSTR heading, int position = -1);
    // Removes one row; FALSE outside the grid. Focus and selection are dropped.
    BOOL DeleteRow(int nRow);
    // The line style of a cell (its graph style); FALSE / 0 where there is no cell.
    BOOL SetItemGraphStyle(int nRow, int nCol, UINT style);
    UINT GetItemGraphStyle(int nRow, int nCol) const;
    // The point symbol of a cell; FALSE where there is no cell.
    BOOL SetItemPoint(int nRow, int nCol, const QXLOGPOINT& point);
    BOOL GetItemPoint(int nRow, int nCol, QXLOGPOINT& point) const;
    // Focus on a cell; a fixed row, or a place outside the grid, is never focused (FALSE, the
    // focus stays).
    BOOL SetFocusCell(int nRow, int nCol);
    // The selected block of cells (not valid when nothing is selected).
    CCellRange GetSelectedCellRange() const { return m_selection; }
    // Selects the block; a block that is not inside the grid selects nothing.
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol);
    void SetSelectedRange(const CCellRange& range);
    // The end of a user's cell edit: stores the text, then tells the owner (GVN_ENDLABELEDIT).
    virtual void OnEndEditCell(int nRow, int nCol, CString text);
    // WM_NOTIFY to the owner with the cell; 0 when there is no owner or no window.
    LRESULT SendMessageToParent(int nRow, int nCol, int code);

    // ---- the user's hands (platform::UserCellGrid) ----
    // A cell left with the text it shows is no edit: nothing is stored or sent (true, the editor
    // closed); bytes that are not UTF-8 are refused (false, nothing stored or sent).
    bool UserEditCell(int nRow, int nCol, const std::string& text) override;
    bool UserClickCell(int nRow, int nCol) override;
    // The user picks a symbol for a changeable symbol cell below the fixed rows and right of the
    // fixed columns: the cell takes it, then the owner hears GVN_ENDLABELEDIT. False elsewhere.
    bool UserPickSymbol(int nRow, int nCol, const QXLOGPOINT& point);
    // The user picks a colour for a changeable colour cell, or a line style for a changeable
    // line-style cell, below the fixed rows and right of the fixed columns: the cell takes it, then
    // the edit ends (OnEndEditCell with the cell's text). False elsewhere.
    bool UserPickCellColour(int nRow, int nCol, COLORREF colour) override;
    bool UserPickCellLineStyle(int nRow, int nCol, UINT style) override;
    // The user drags the mouse over a block of cells: it becomes the selection. False (selection
    // dropped) for a block not inside the grid.
    bool UserSelectCells(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) override;
    // The user types one text into the selected block of an editable grid: every changeable cell
    // of it below the fixed rows and right of the fixed columns takes the text, then the owner gets
    // WM_COMMAND with the grid's id (lParam the grid's window); a block whose every cell already shows
    // the text is no edit and sends nothing. False without a selection.
    bool UserEditSelectedCells(const std::string& text) override;
    // Resizing keeps the cells that stay inside the grid, makes new cells and deletes the rest.
    BOOL SetRowCount(int nRows);
    BOOL SetColumnCount(int nCols);
    BOOL SetFixedRowCount(int nFixedRows);
    BOOL SetFixedColumnCount(int nFixedCols);
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    // Scrolls the cell into view.
    virtual void EnsureVisible(int nRow, int nCol);

    // ---- accessors ----
    void SetTextColor(COLORREF colour) { m_crTextColour = colour; }
    COLORREF GetTextColor() const { return m_crTextColour; }
    void SetTextBkColor(COLORREF colour) { m_crTextBkColour = colour; }
    void SetGridColor(COLORREF colour) { m_crGridColour = colour; }
    COLORREF GetGridColor() const { return m_crGridColour; }
    void SetFixedBkColor(COLORREF colour) { m_crFixedBkColour = colour; }
    COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
    void SetImageList(CImageList* imageList) { m_pImageList = imageList; }
    CImageList* GetImageList() const { return m_pImageList; }
    void SetGridLines(int whichLines = GVL_BOTH) { m_nGridLines = whichLines; }
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL editable = TRUE) { m_bEditable = editable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetListMode(BOOL listMode = TRUE) { m_bListMode = listMode; }
    BOOL GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(BOOL single = TRUE) { m_bSingleRowSelection = single; }
    BOOL GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void EnableSelection(BOOL enable = TRUE) { m_bEnableSelection = enable; }
    BOOL IsSelectable() const { return m_bEnableSelection; }
    void EnableEditMultiCell(BOOL enable = TRUE) { m_bEditMultiCell = enable; }
    void EnableDragAndDrop(BOOL allow = TRUE) { m_bAllowDragAndDrop = allow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetRowResize(BOOL resize = TRUE) { m_bAllowRowResize = resize; }
    BOOL GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(BOOL resize = TRUE) { m_bAllowColumnResize = resize; }
    BOOL GetColumnResize() const { return m_bAllowColumnResize; }
    BOOL GetHeaderSort() const { return m_bSortOnClick; }
    BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(BOOL buffer = TRUE) { m_bDoubleBuffer = buffer; }
    BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
    BOOL GetTitleTips() const { return m_bTitleTips; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    void EnableDblClickHeaderSel(BOOL enable = TRUE) { m_bDblClickHeaderSel = enable; }
    BOOL IsDblClickHeaderSel() const { return m_bDblClickHeaderSel; }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    int GetSelectedCount() const { return static_cast<int>(m_selectedCells.size()); }
    int GetFocusColumn() const { return m_idCurrentCell.col; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    // Answers the previous mode.
    int SetMouseMode(int mode);
    void EnsureVisible(CCellID& cell);
    // The cell, NULL for a row or column outside the grid or a row that holds no cells.
    CGridCellBase* GetCell(int nRow, int nCol) const;
    // Puts the cell in place (the grid then owns it); 0 where GetCell finds no place, else 1.
    BOOL SetCell(int nRow, int nCol, CGridCellBase* cell);

protected:
    void ResizeRows();
    void DeleteRow(GRID_ROW* row);

    COLORREF m_crTextColour;
    COLORREF m_crTextBkColour;
    COLORREF m_crGridColour;
    COLORREF m_crFixedBkColour;
    CImageList* m_pImageList = nullptr;
    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowSelection = FALSE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bEditMultiCell = FALSE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bAllowColumnResize = TRUE;
    BOOL m_bSortOnClick = FALSE;
    BOOL m_bHandleTabKey = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;
    BOOL m_bDblClickHeaderSel = TRUE;
    double m_dZoomFactor = 1.0;
    int m_MouseMode = 0;
    struct Column {
        int type = GVCT_TEXT;
        UINT format = 0;
        int width = 0;
        std::vector<CString> options;
    };
    std::vector<Column> m_columns;  // one per column, kept with m_nCols
    CCellID m_idCurrentCell;
    std::vector<CCellID> m_selectedCells;
    CCellRange m_selection;
    int m_nRows = 0;
    int m_nCols = 0;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    // One entry per row; NULL is a row that holds no cells.
    std::vector<GRID_ROW*> m_RowData;
};

class CDataExchange;
// Binds the grid to a dialog's placeholder control on the first exchange (the grid takes the
// placeholder's place, rectangle and id); later exchanges leave it alone.
void DDX_GridControl(CDataExchange* dx, int id, CGridCtrl& grid);
