#include "wellplot/intervals/LstSandStratumGrid.h"

#include <algorithm>
#include <cmath>

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
// Each page reads and shows one cell at a time: an edit writes only the field of the cell edited, so
// a field shown rounded ("%.2f") is never written back from its text. A reader answers false when
// it refuses the cell's text; the record is then untouched.
CString Text(CGridCtrl& g, int row, int col) { return g.GetItemText(row, col); }

void ShowShown(CGridCtrl& g, int row, int col, BOOL shown) { g.SetItemText(row, col, shown ? kTrue : kFalse); }
bool ReadShown(CGridCtrl& g, int row, int col, BOOL& shown) {
    shown = Text(g, row, col) == kTrue ? 1 : 0;
    return true;
}

// A number cell: its leading number (0 for a text that is no number) from lowest to highest; a number
// beyond a double is refused. A position across the track keeps either sign.
bool ReadNumber(CGridCtrl& g, int row, int col, double& field, double lowest = -HUGE_VAL, double highest = HUGE_VAL) {
    double value = 0;
    if (!numtext::LeadingNumber(Text(g, row, col), &value) || value < lowest || value > highest) return false;
    field = value;
    return true;
}

// A width or size (the number times scale, into a float): no negative, nothing a float cannot hold.
bool ReadSize(CGridCtrl& g, int row, int col, double scale, float& field) {
    double value = 0;
    return ReadNumber(g, row, col, value, 0) && numtext::FitFloat(value, scale, &field);
}

// A count of decimals, 0 to the most a double shows.
bool ReadDecimals(CGridCtrl& g, int row, int col, int& field) {
    int value = 0;
    if (!numtext::LeadingInt(Text(g, row, col), &value) || value < 0 || value > wellplot::kMostDecimals) return false;
    field = value;
    return true;
}

bool ReadColour(CGridCtrl& g, int row, int col, COLORREF& field) {
    field = g.GetItemBkColour(row, col);
    return true;
}

bool ReadStyle(CGridCtrl& g, int row, int col, UINT& field) {
    field = g.GetItemGraphStyle(row, col);
    return true;
}

using Fill = CLstSandStratumFill;
using Line = CLstSandStratumLine;
using TextPage = CLstSandStratumText;

// The first three columns of the fill and line pages: the shown switch, the left and the right
// position.
static_assert(int{Fill::kRightCol} == int{Line::kRightCol} && int{Fill::kLeftCol} == int{Line::kLeftCol},
              "one span layout");
template <class Option>
void ShowSpanCell(CGridCtrl& g, int row, int col, const Option& o) {
    if (col == Fill::kShownCol)
        ShowShown(g, row, col, o.show);
    else
        g.SetItemText(row, col, numtext::Fixed(col == Fill::kLeftCol ? o.left : o.right, 6));
}
template <class Option>
bool ReadSpanCell(CGridCtrl& g, int row, int col, Option& o) {
    if (col == Fill::kShownCol) return ReadShown(g, row, col, o.show);
    return ReadNumber(g, row, col, col == Fill::kLeftCol ? o.left : o.right);
}

void ShowFill(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    const Kit::FILLOPTION& o = kit.GetFillOption(i);
    if (col <= Fill::kRightCol)
        ShowSpanCell(g, row, col, o);
    else
        g.SetItemBkColour(row, col, o.brush.fillColor);
}
bool ReadFill(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    Kit::FILLOPTION& o = kit.GetFillOption(i);
    return col <= Fill::kRightCol ? ReadSpanCell(g, row, col, o) : ReadColour(g, row, col, o.brush.fillColor);
}

void ShowLine(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    const Kit::LINEOPTION& o = kit.GetLineOption(i);
    if (col <= Line::kRightCol)
        ShowSpanCell(g, row, col, o);
    else if (col == Line::kLineStyleCol)
        g.SetItemGraphStyle(row, col, o.pen.style);
    else if (col == Line::kColorCol)
        g.SetItemBkColour(row, col, o.pen.color);
    else
        g.SetItemText(row, col, numtext::Fixed(o.pen.width, 6));
}
bool ReadLine(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    Kit::LINEOPTION& o = kit.GetLineOption(i);
    if (col <= Line::kRightCol) return ReadSpanCell(g, row, col, o);
    if (col == Line::kLineStyleCol) return ReadStyle(g, row, col, o.pen.style);
    if (col == Line::kColorCol) return ReadColour(g, row, col, o.pen.color);
    return ReadSize(g, row, col, 1, o.pen.width);
}

void ShowTextCell(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    const Kit::TEXTOPTIONEX& o = kit.GetTextOption(i);
    switch (col) {
        case TextPage::kShownCol:
            return ShowShown(g, row, col, o.show);
        case TextPage::kPositionCol:
            g.SetItemText(row, col, numtext::Fixed(o.position, 2));
            return;
        case TextPage::kFaceCol:
            g.SetItemText(row, col, o.font.faceName);
            return;
        case TextPage::kSizeCol:
            g.SetItemText(row, col, numtext::Fixed(o.font.size / numtext::kHundredths, 2));
            return;
        case TextPage::kColorCol:
            g.SetItemBkColour(row, col, o.font.color);
            return;
        case TextPage::kDecimalsCol:
            g.SetItemText(row, col, FormatString("%d", o.decimals));
            return;
        default:
            return;
    }
}
bool ReadTextCell(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    Kit::TEXTOPTIONEX& o = kit.GetTextOption(i);
    switch (col) {
        case TextPage::kShownCol:
            return ReadShown(g, row, col, o.show);
        case TextPage::kPositionCol:  // the text's position in the track
            return ReadNumber(g, row, col, o.position, 0, 100);
        case TextPage::kFaceCol:
            o.font.SetFaceName(Text(g, row, col).GetString());
            return true;
        case TextPage::kSizeCol:
            return ReadSize(g, row, col, numtext::kHundredths, o.font.size);
        case TextPage::kColorCol:
            return ReadColour(g, row, col, o.font.color);
        case TextPage::kDecimalsCol:
            return ReadDecimals(g, row, col, o.decimals);
        default:
            return false;
    }
}

}  // namespace

struct SandStratumGridDef {
    UINT gridId;
    const ColumnDef* columns;
    int columnCount;
    const char* const* rows;
    int rowCount;
    unsigned (Kit::*count)();
    // One cell of row and column into the grid from record i, or from the grid into it.
    void (*show)(CGridCtrl&, int, int, Kit&, unsigned);
    bool (*read)(CGridCtrl&, int, int, Kit&, unsigned);
};

namespace {
template <std::size_t C, std::size_t R>
constexpr SandStratumGridDef Grid(UINT id, const ColumnDef (&c)[C], const char* const (&r)[R], unsigned (Kit::*count)(),
                                  void (*show)(CGridCtrl&, int, int, Kit&, unsigned),
                                  bool (*read)(CGridCtrl&, int, int, Kit&, unsigned)) {
    return {id, c, static_cast<int>(C), r, static_cast<int>(R), count, show, read};
}

const SandStratumGridDef kGrids[] = {
    Grid(CLstSandStratumFill::kGridId, kFillColumns, kFillRows, &Kit::GetFillOptionCount, ShowFill, ReadFill),
    Grid(CLstSandStratumLine::kGridId, kLineColumns, kLineRows, &Kit::GetLineOptionCount, ShowLine, ReadLine),
    Grid(CLstSandStratumText::kGridId, kTextColumns, kTextRows, &Kit::GetTextOptionCount, ShowTextCell, ReadTextCell),
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
    RememberCells();
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
        for (int col = 1; col < def.columnCount; ++col) def.show(m_grid, static_cast<int>(i) + 1, col, *kit, i);
    RememberCells();
    if (m_grid.GetSafeHwnd()) m_grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- write-back -------------------------------------------------------------------------------------
Kit* CLstSandStratumGrid::RecordKit(int row, int col) {
    Kit* kit = wellplot::CurrentKit<Kit>(*this);
    if (!kit) return nullptr;
    m_pKit = kit;
    const SandStratumGridDef& def = Def();
    const bool cell = row >= 1 && row < m_grid.GetRowCount() && col >= 1 && col < def.columnCount;
    return cell && static_cast<unsigned>(row) <= (kit->*def.count)() ? kit : nullptr;
}

void CLstSandStratumGrid::Redraw() {
    m_pKit->InvalidSelf();
    m_pKit->UpdateParent();
    UpdateView();
}

bool CLstSandStratumGrid::ApplyGridCell(int row, int col) {
    Kit* kit = RecordKit(row, col);
    if (!kit || !Def().read(m_grid, row, col, *kit, static_cast<unsigned>(row - 1))) return false;
    RememberCells();
    Redraw();
    return true;
}

void CLstSandStratumGrid::RememberCells() {
    m_shown.clear();
    for (int row = 0; row < m_grid.GetRowCount(); ++row)
        for (int col = 0; col < m_grid.GetColumnCount(); ++col)
            m_shown.push_back(
                {m_grid.GetItemText(row, col), m_grid.GetItemBkColour(row, col), m_grid.GetItemGraphStyle(row, col)});
}

CLstSandStratumGrid::ShownCell* CLstSandStratumGrid::Remembered(int row, int col) {
    const int cols = m_grid.GetColumnCount();
    const size_t at = static_cast<size_t>(row) * static_cast<size_t>(cols) + static_cast<size_t>(col);
    return row >= 0 && col >= 0 && col < cols && at < m_shown.size() ? &m_shown[at] : nullptr;
}

void CLstSandStratumGrid::ShowCellBefore(int row, int col) {
    const ShownCell* before = Remembered(row, col);
    if (!before) return;
    m_grid.SetItemText(row, col, before->text);
    m_grid.SetItemBkColour(row, col, before->colour);
    m_grid.SetItemGraphStyle(row, col, before->style);
}

// The grid's command after a block edit: every cell of the block whose row has a record is read
// back, then one redraw when any was taken. A cell refused, or one of a row without a record, shows
// its text from before again, as after a single edit. An empty block writes nothing.
BOOL CLstSandStratumGrid::OnCommand(WPARAM wParam, LPARAM) {
    if (wParam != Def().gridId) return TRUE;
    const CCellRange range = m_grid.GetSelectedCellRange();
    if (range.Count() == 0) return TRUE;
    bool written = false;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col) {
            Kit* kit = RecordKit(row, col);
            if (kit && Def().read(m_grid, row, col, *kit, static_cast<unsigned>(row - 1)))
                written = true;
            else if (row >= 1 && col >= 1)  // the fixed row and column take no edit
                ShowCellBefore(row, col);
        }
    RememberCells();
    if (written) Redraw();
    return TRUE;
}
