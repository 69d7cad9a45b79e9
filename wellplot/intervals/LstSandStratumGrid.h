// The option grids of a sand-stratum kit: "填充" (CLstSandStratumFill), "线" (CLstSandStratumLine)
// and "文本" (CLstSandStratumText). Each page shows one of the kit's three option arrays in a cell
// grid, one row per record under fixed row names; one body, CLstSandStratumGrid, builds, fills and
// writes back every page from the page's table. Rows beyond the kit's records are never written.
#pragma once

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
    // and the view. A row without a record writes nothing and redraws nothing (false).
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
    bool WriteRow(int row);
    void Redraw();

    Page m_page;
    CGridCtrEx m_grid;
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
