#include "wellplot/intervals/LstSandStratumGrid.h"

#include <algorithm>

#include "framework/NumberText.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "wellplot/KitPage.h"

IMPLEMENT_DYNCREATE(CLstSandStratumFill, CWndLst)
IMPLEMENT_DYNCREATE(CLstSandStratumLine, CWndLst)
IMPLEMENT_DYNCREATE(CLstSandStratumText, CWndLst)

// ---- the table of differences -----------------------------------------------------------------------
namespace {

using Kit = CWpSandStratum;

struct ColumnDef {
    const char* heading;
    int kind;
    int width;
};

constexpr UINT kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kAfterLast = 9999;
constexpr int kAfterLastRow = 99999;
constexpr COLORREF kFixedGrey = RGB(244, 244, 244);
constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

const ColumnDef kFillColumns[] = {
    {"类型", GVCT_TEXT, 75},       {"显示", GVCT_SWITCH, 45},  {"左边位置", GVCT_NUMBER, 75},
    {"右边位置", GVCT_NUMBER, 75}, {"填充型", GVCT_COLOR, 75},
};
const ColumnDef kLineColumns[] = {
    {"类型", GVCT_TEXT, 75},       {"显示", GVCT_SWITCH, 45},    {"左边位置", GVCT_NUMBER, 75},
    {"右边位置", GVCT_NUMBER, 75}, {"线型", GVCT_LINESTYLE, 75}, {"颜色", GVCT_COLOR, 75},
    {"粗细", GVCT_NUMBER, 75},
};
const ColumnDef kTextColumns[] = {
    {"类型", GVCT_TEXT, 75},   {"显示", GVCT_SWITCH, 40}, {"相对位置", GVCT_NUMBER, 70},  {"字体", GVCT_FONT, 75},
    {"大小", GVCT_NUMBER, 75}, {"颜色", GVCT_COLOR, 75},  {"小数位数", GVCT_INTEGER, 45},
};

const char* const kFillRows[] = {"二类砂岩", "一类砂岩", "有效厚度", "高水淹", "中水淹", "低水淹", "未水淹"};
const char* const kLineRows[] = {"一般砂层分界线",   "一类夹层分界线", "二类夹层分界线", "三类夹层分界线",
                                 "一二类砂岩分界线", "纵向连通标志",   "射孔标志"};
const char* const kTextRows[] = {"层号",   "二类砂岩厚度", "一类砂岩厚度", "合并有效厚度", "有效厚度", "纯二类星号",
                                 "渗透率", "孔隙度",       "水淹级别",     "电测解释",     "井号"};

// ---- cells <-> record fields ----
CString Text(CGridCtrl& g, int row, int col) { return g.GetItemText(row, col); }

void ShowShown(CGridCtrl& g, int row, BOOL shown) { g.SetItemText(row, 1, shown ? kTrue : kFalse); }
BOOL ReadShown(CGridCtrl& g, int row) { return Text(g, row, 1) == kTrue ? 1 : 0; }

// A number cell: its leading number (0 for a text that is no number); a number beyond a double
// leaves the field as it is.
void ReadNumber(CGridCtrl& g, int row, int col, double& field) {
    double value = 0;
    if (numtext::LeadingNumber(Text(g, row, col), &value)) field = value;
}

void ShowSpan(CGridCtrl& g, int row, double left, double right) {
    g.SetItemText(row, 2, numtext::Fixed(left, 6));
    g.SetItemText(row, 3, numtext::Fixed(right, 6));
}
void ReadSpan(CGridCtrl& g, int row, double& left, double& right) {
    ReadNumber(g, row, 2, left);
    ReadNumber(g, row, 3, right);
}

void ShowFill(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    const Kit::FILLOPTION& o = kit.GetFillOption(i);
    ShowShown(g, row, o.show);
    ShowSpan(g, row, o.left, o.right);
    g.SetItemBkColour(row, 4, o.brush.fillColor);
}
void ReadFill(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    Kit::FILLOPTION& o = kit.GetFillOption(i);
    o.show = ReadShown(g, row);
    ReadSpan(g, row, o.left, o.right);
    o.brush.fillColor = g.GetItemBkColour(row, 4);
}

void ShowLine(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    const Kit::LINEOPTION& o = kit.GetLineOption(i);
    ShowShown(g, row, o.show);
    ShowSpan(g, row, o.left, o.right);
    g.SetItemGraphStyle(row, 4, o.pen.style);
    g.SetItemBkColour(row, 5, o.pen.color);
    g.SetItemText(row, 6, numtext::Fixed(o.pen.width, 6));
}
void ReadLine(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    Kit::LINEOPTION& o = kit.GetLineOption(i);
    o.show = ReadShown(g, row);
    ReadSpan(g, row, o.left, o.right);
    o.pen.style = g.GetItemGraphStyle(row, 4);
    o.pen.color = g.GetItemBkColour(row, 5);
    // Widths, sizes and decimal counts take no negatives; the cell keeps what was typed.
    double width = 0;
    if (numtext::LeadingNumber(Text(g, row, 6), &width) && width >= 0) numtext::FitFloat(width, 1, &o.pen.width);
}

void ShowTextRow(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    const Kit::TEXTOPTIONEX& o = kit.GetTextOption(i);
    ShowShown(g, row, o.show);
    g.SetItemText(row, 2, numtext::Fixed(o.position, 2));
    g.SetItemText(row, 3, o.font.faceName);
    g.SetItemText(row, 4, numtext::Fixed(o.font.size / 100.0, 2));
    g.SetItemBkColour(row, 5, o.font.color);
    g.SetItemText(row, 6, FormatString("%d", o.decimals));
}
void ReadTextRow(CGridCtrl& g, int row, Kit& kit, unsigned i) {
    Kit::TEXTOPTIONEX& o = kit.GetTextOption(i);
    o.show = ReadShown(g, row);
    // A position outside 0 to 100 is ignored; the cell keeps what was typed.
    double position = 0;
    if (numtext::LeadingNumber(Text(g, row, 2), &position) && position >= 0 && position <= 100) o.position = position;
    o.font.SetFaceName(Text(g, row, 3).GetString());
    double size = 0;
    if (numtext::LeadingNumber(Text(g, row, 4), &size) && size >= 0)
        numtext::FitFloat(size, numtext::kHundredths, &o.font.size);
    o.font.color = g.GetItemBkColour(row, 5);
    if (int decimals = 0;
        numtext::LeadingInt(Text(g, row, 6), &decimals) && decimals >= 0 && decimals <= wellplot::kMostDecimals)
        o.decimals = decimals;
}

}  // namespace

struct SandStratumGridDef {
    UINT gridId;
    const ColumnDef* columns;
    int columnCount;
    const char* const* rows;
    int rowCount;
    unsigned (Kit::*count)();
    void (*show)(CGridCtrl&, int, Kit&, unsigned);
    void (*read)(CGridCtrl&, int, Kit&, unsigned);
};

namespace {
template <std::size_t C, std::size_t R>
constexpr SandStratumGridDef Grid(UINT id, const ColumnDef (&c)[C], const char* const (&r)[R], unsigned (Kit::*count)(),
                                  void (*show)(CGridCtrl&, int, Kit&, unsigned),
                                  void (*read)(CGridCtrl&, int, Kit&, unsigned)) {
    return {id, c, static_cast<int>(C), r, static_cast<int>(R), count, show, read};
}

const SandStratumGridDef kGrids[] = {
    Grid(CLstSandStratumFill::kGridId, kFillColumns, kFillRows, &Kit::GetFillOptionCount, ShowFill, ReadFill),
    Grid(CLstSandStratumLine::kGridId, kLineColumns, kLineRows, &Kit::GetLineOptionCount, ShowLine, ReadLine),
    Grid(CLstSandStratumText::kGridId, kTextColumns, kTextRows, &Kit::GetTextOptionCount, ShowTextRow, ReadTextRow),
};
}  // namespace

// ---- pages ------------------------------------------------------------------------------------------
CLstSandStratumGrid::CLstSandStratumGrid(Page page) : m_page(page) {}

CLstSandStratumGrid::~CLstSandStratumGrid() {
    // The grid window is a child of the pane: it goes before the pane's own window does.
    if (m_grid.GetSafeHwnd()) m_grid.DestroyWindow();
    m_grid.SetOwnerPane(nullptr);
}

CLstSandStratumFill::CLstSandStratumFill() : CLstSandStratumGrid(Page::Fill) {}
CLstSandStratumLine::CLstSandStratumLine() : CLstSandStratumGrid(Page::Line) {}
CLstSandStratumText::CLstSandStratumText() : CLstSandStratumGrid(Page::Text) {}

const SandStratumGridDef& CLstSandStratumGrid::Def() const { return kGrids[static_cast<int>(m_page)]; }

int CLstSandStratumGrid::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const SandStratumGridDef& def = Def();
    CRect client;
    GetClientRect(client);
    // A page whose grid cannot be made is not made.
    if (!m_grid.Create(client, this, def.gridId, WS_CHILD | WS_VISIBLE | WS_BORDER)) return -1;
    m_grid.SetOwnerPane(this);
    m_grid.DeleteAllItems();
    for (int c = 0; c < def.columnCount; ++c)
        m_grid.InsertColumn(def.columns[c].heading, kCellFormat, kAfterLast, def.columns[c].kind, nullptr);
    for (int c = 0; c < def.columnCount; ++c) m_grid.SetColumnWidth(c, def.columns[c].width);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetFixedBkColor(kFixedGrey);
    for (int r = 0; r < def.rowCount; ++r) {
        const int row = m_grid.InsertRow(def.rows[r], kAfterLastRow);
        m_grid.SetItemText(row, 1, def.rows[r]);
    }
    m_grid.EnableDblClickHeaderSel();
    return 0;
}

void CLstSandStratumGrid::AdjustLayout() { AdjustWndLayout(&m_grid); }

BOOL CLstSandStratumGrid::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return CWnd::OnNotify(wParam, lParam, result);
}

// ---- refresh ----------------------------------------------------------------------------------------
void CLstSandStratumGrid::UpdateBCGPProperty(long object, CString) {
    Kit* kit = wellplot::KitOf<Kit>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    m_bFirst = FALSE;
    const SandStratumGridDef& def = Def();
    // Only rows the grid has are filled: records beyond them are not shown.
    for (unsigned i = 0; i < (kit->*def.count)() && static_cast<int>(i) + 1 < m_grid.GetRowCount(); ++i)
        def.show(m_grid, static_cast<int>(i) + 1, *kit, i);
    if (m_grid.GetSafeHwnd()) m_grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- write-back -------------------------------------------------------------------------------------
bool CLstSandStratumGrid::WriteRow(int row) {
    Kit* kit = wellplot::CurrentKit<Kit>(*this);
    if (!kit) return false;
    m_pKit = kit;
    const SandStratumGridDef& def = Def();
    if (row < 1 || row >= m_grid.GetRowCount() || static_cast<unsigned>(row) > (kit->*def.count)()) return false;
    def.read(m_grid, row, *kit, static_cast<unsigned>(row - 1));
    return true;
}

void CLstSandStratumGrid::Redraw() {
    m_pKit->InvalidSelf();
    m_pKit->UpdateParent();
    UpdateView();
}

bool CLstSandStratumGrid::ApplyGridRow(int row) {
    if (!WriteRow(row)) return false;
    Redraw();
    return true;
}

// The grid's command after a block edit: every row of the block that has a record is read back,
// then one redraw. An empty block writes nothing.
BOOL CLstSandStratumGrid::OnCommand(WPARAM wParam, LPARAM) {
    if (wParam != Def().gridId) return TRUE;
    const CCellRange range = m_grid.GetSelectedCellRange();
    if (range.Count() == 0) return TRUE;
    bool written = false;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row) written = WriteRow(row) || written;
    if (written) Redraw();
    return TRUE;
}
