// The option grids of a sand-stratum kit: "填充" (CLstSandStratumFill), "线" (CLstSandStratumLine)
// and "文本" (CLstSandStratumText). Each page shows one of the kit's three option arrays in a cell
// grid, one row per record under fixed row names; one body, CLstSandStratumGrid, builds, fills and
// writes back every page from the page's table. An edit reads its row back, where every cell still
// showing its stored field stands for that field; rows beyond the kit's records are never written.
#pragma once

#include <vector>

#include "framework/WndLst.h"
#include "wellplot/intervals/GridCtrEx.h"

class CWpSandStratum;
struct SandStratumGridDef;

class CLstSandStratumGrid : public CWndLst {
public:
    enum class Page { Fill, Line, Text };

    ~CLstSandStratumGrid() override;

    Page GetPage() const { return m_page; }
    CWpSandStratum* GetKit() const { return m_pKit; }
    CGridCtrEx& Grid() { return m_grid; }
    // Reads grid row row (from 1) back into the kit's record row - 1 and redraws the kit, its parent
    // and the view. A cell that still shows the refresh's text of its field stands for the stored
    // field, so nothing is rounded; a cell edited since the grid last showed the record is read by
    // its field's rule. A cell refused (a negative width or size, a number a double or the field
    // cannot hold, a text position outside 0 to 100, decimals outside 0 to 15) shows what it showed
    // before and keeps its field. False when nothing was written: every edited cell was refused, or
    // the row has no record; nothing is redrawn then.
    bool ApplyGridRow(int row);

protected:
    explicit CLstSandStratumGrid(Page page);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void AdjustLayout() override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    const SandStratumGridDef& Def() const;
    // The pane's kit when the row is a data row that has a record; otherwise NULL.
    CWpSandStratum* RecordKit(int row);
    // The row read back without a redraw; true when its record was written.
    bool ReadRow(int row);
    void Redraw();
    // What every cell shows after the grid was built, refreshed or written back: an edit the page
    // does not write puts it back.
    struct ShownCell {
        CString text;
        COLORREF colour;
        UINT style;
    };
    void RememberCells();
    ShownCell* Remembered(int row, int col);
    // Whether the cell changed since the grid last showed it (text, colour or line style).
    bool Edited(int row, int col);
    // The cell shows again what it showed before the edit.
    void ShowCellBefore(int row, int col);

    Page m_page;
    CGridCtrEx m_grid;
    std::vector<ShownCell> m_shown;  // row by row, every column
    CWpSandStratum* m_pKit = nullptr;
    BOOL m_bFirst = TRUE;
};

class CLstSandStratumFill : public CLstSandStratumGrid {
    DECLARE_DYNCREATE(CLstSandStratumFill)
public:
    static constexpr UINT kGridId = 1000;
    enum Column : int { kNameCol = 0, kShownCol, kLeftCol, kRightCol, kFillColorCol };
    CLstSandStratumFill();
};

class CLstSandStratumLine : public CLstSandStratumGrid {
    DECLARE_DYNCREATE(CLstSandStratumLine)
public:
    static constexpr UINT kGridId = 1001;
    enum Column : int { kNameCol = 0, kShownCol, kLeftCol, kRightCol, kLineStyleCol, kColorCol, kWidthCol };
    CLstSandStratumLine();
};

class CLstSandStratumText : public CLstSandStratumGrid {
    DECLARE_DYNCREATE(CLstSandStratumText)
public:
    static constexpr UINT kGridId = 1002;
    enum Column : int { kNameCol = 0, kShownCol, kPositionCol, kFaceCol, kSizeCol, kColorCol, kDecimalsCol };
    CLstSandStratumText();
};
