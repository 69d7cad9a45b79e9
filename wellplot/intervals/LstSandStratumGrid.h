// The option grids of a sand-stratum kit: "填充" (CLstSandStratumFill), "线" (CLstSandStratumLine)
// and "文本" (CLstSandStratumText). Each page shows one of the kit's three option arrays in a cell
// grid, one row per record under fixed row names; one body, CLstSandStratumGrid, builds, fills and
// writes back every page from the page's table. An edit writes the field of the cell edited and no
// other; rows beyond the kit's records are never written.
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
    // Reads the cell of row (from 1) and col back into its field of the kit's record row - 1 and
    // redraws the kit, its parent and the view. False when nothing was written: the cell's text is
    // refused (a negative width or size, a number a double or the field cannot hold, a text position
    // outside 0 to 100, decimals outside 0 to 15), or its row has no record; nothing is redrawn then.
    bool ApplyGridCell(int row, int col);
    // After an edit the page did not write (refused, or a row without a record): the cell shows
    // again what it showed before the edit, its text, colour and line style alike.
    void ShowCellBefore(int row, int col);

protected:
    explicit CLstSandStratumGrid(Page page);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void AdjustLayout() override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    const SandStratumGridDef& Def() const;
    // The pane's kit when the cell is a data cell of a row that has a record; otherwise NULL.
    CWpSandStratum* RecordKit(int row, int col);
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
