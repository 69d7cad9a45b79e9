// CCellTypesGridCtrl: the cell grid of the oil-test page. One cell per cell of the kit's table,
// each offering the names of the data fields of the kit's oil-test data object; the text chosen
// or typed in a cell is the field that table cell shows. Dragging a column divider sets the kit's
// column widths. The grid keeps its layout in the registry workspace under "CellTypesGrid".
#pragma once

#include <vector>

#include "bcg/GridCtrl.h"

class COilTestPage;

class CCellTypesGridCtrl : public CBCGPGridCtrl {
public:
    // Profile under which every oil-test grid keeps its layout.
    static constexpr const char* kStateProfile = "CellTypesGrid";
    static constexpr int kColumnWidth = 60;
    // Counts outside 0 .. kMaxCount are built as kFallbackCount.
    static constexpr int kMaxCount = 10;
    static constexpr int kFallbackCount = 2;

    explicit CCellTypesGridCtrl(COilTestPage* page);
    ~CCellTypesGridCtrl() override;

    // Throws every row and column away and builds rows x columns empty cells captioned "A", "B", ...;
    // then restores the saved layout.
    void BuildCells(int rows, int columns);
    CBCGPGridRow* CreateCellRow();
    // Every cell offers each name once, in list order.
    void AddCellOptions(const std::vector<CString>& names);
    // Row by row, each cell takes the next text; cells past the texts stay empty.
    void SetCellTexts(const std::vector<CString>& texts);
    // The kit's column boundaries from the columns' widths: 0, each column's right edge as a
    // fraction of the total width, 1.0 (0, 1.0 without columns); then the kit and the view redraw.
    // Runs while a divider is dragged and after every left-button release in the grid.
    void StoreColumnWidths();

    void SetRowHeight() override;
    void TrackHeader(BOOL track, int offset) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    COilTestPage* m_pPage;
};
