// CQXObjectCell: a table drawn on a map: a grid of cells (COneCell) with five ruling lines
// (outer top, bottom, left, right and the inner lines) and a selected cell range that editors
// apply their edits to. The table owns its cells.
#pragma once

#include <memory>
#include <vector>

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Parsnip/ValueRecords.h"

class CQXObjectCell;

// One cell of a table: its fill, its font and the alignment of its text.
class COneCell {
public:
    explicit COneCell(CQXObjectCell* owner = nullptr);
    virtual ~COneCell();
    COneCell(const COneCell&) = delete;
    COneCell& operator=(const COneCell&) = delete;

    // The fill (word 0 style, word 1 fill colour); 1000 as the style leaves the cell unfilled.
    void SetLogBrush(const QXLOGBRUSH& brush) { m_brush = brush; }
    const QXLOGBRUSH& GetLogBrush() const { return m_brush; }

    // Library operations. The setters renew the owning table's stamp.
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    // Horizontal: 0 left, 1 centre, 2 right; vertical: 0 top, 1 centre, 2 bottom.
    int GetHAlign() const;
    int GetVAlign() const;
    void SetAlign(int horizontal, int vertical);

protected:
    CQXObjectCell* m_pOwner = nullptr;
    QXLOGBRUSH m_brush;
    QXLOGFONT m_font;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
};

class CQXObjectCell : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectCell)
public:
    explicit CQXObjectCell(CQXLayer* layer = nullptr);
    ~CQXObjectCell() override;
    // The cells know their table: a table is never copied.
    CQXObjectCell(const CQXObjectCell&) = delete;
    CQXObjectCell& operator=(const CQXObjectCell&) = delete;

    QXLOGPEN GetTopBorderPen() const { return m_borders[kTop].m_pen; }
    QXLOGPEN GetBottomBorderPen() const { return m_borders[kBottom].m_pen; }
    QXLOGPEN GetLeftBorderPen() const { return m_borders[kLeft].m_pen; }
    QXLOGPEN GetRightBorderPen() const { return m_borders[kRight].m_pen; }
    QXLOGPEN GetCenterBorderPen() const { return m_borders[kCenter].m_pen; }
    // The same pens for editing in place; the editor then sends the change notification.
    QXLOGPEN& TopBorderPen() { return m_borders[kTop].m_pen; }
    QXLOGPEN& BottomBorderPen() { return m_borders[kBottom].m_pen; }
    QXLOGPEN& LeftBorderPen() { return m_borders[kLeft].m_pen; }
    QXLOGPEN& RightBorderPen() { return m_borders[kRight].m_pen; }
    QXLOGPEN& CenterBorderPen() { return m_borders[kCenter].m_pen; }
    void SetEnableEdit(int enable) { m_nEnableEdit = enable; }

    // Library operations.
    int GetColumnCount() const;
    int GetRowCount() const;
    // The cell at (column, row); NULL outside the table.
    COneCell* GetCell(int column, int row) const;
    // The font new cells start with.
    QXLOGFONT* GetDefaultFont();
    // The selected cell range, -1 for each bound while nothing is selected. Selecting is view
    // state: it is logged but renews no stamp, so an editor that selects the whole table before
    // it shows it does not make itself refresh again.
    void GetSelectedRange(int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const;
    void SetSelectedRange(int firstColumn, int lastColumn, int firstRow, int lastRow);
    // Library side for fixtures: replaces the cells by columns x rows new cells (each with the
    // default font, left/top aligned) and clears the selection; negative counts give none.
    void CreateCells(int columns, int rows);

protected:
    enum { kTop = 0, kBottom, kLeft, kRight, kCenter, kBorderCount };
    CCellLine m_borders[kBorderCount];
    int m_nEnableEdit = 1;
    QXLOGFONT m_defaultFont;
    int m_nColumns = 0;
    int m_nRows = 0;
    std::vector<std::unique_ptr<COneCell>> m_cells;  // column by column
    int m_nFirstColumn = -1;
    int m_nLastColumn = -1;
    int m_nFirstRow = -1;
    int m_nLastRow = -1;
};
