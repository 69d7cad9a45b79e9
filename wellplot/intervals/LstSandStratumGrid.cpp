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
// A text cell shows its field as the refresh formats it. A row read back takes a cell that still
// shows that text for the stored value as the stored value itself, so the display's rounding
// ("0.123457" for 0.1234567, "12.35" for 12.345) never reaches the record; any other text is read by
// its field's rule. A reader answers false when it refuses the cell's text and leaves the field as
// it is. Colour and line-style cells hold their value itself and always read.
CString Text(CGridCtrl& g, int row, int col) { return g.GetItemText(row, col); }

CString ShownText(BOOL shown) { return shown ? kTrue : kFalse; }
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

using Fill = CLstSandStratumFill;
using Line = CLstSandStratumLine;
using TextPage = CLstSandStratumText;

// The first three columns of the fill and line pages: the shown switch, the left and the right
// position.
static_assert(int{Fill::kRightCol} == int{Line::kRightCol} && int{Fill::kLeftCol} == int{Line::kLeftCol},
              "one span layout");
template <class Option>
CString SpanText(int col, const Option& o) {
    return col == Fill::kShownCol ? ShownText(o.show) : numtext::Fixed(col == Fill::kLeftCol ? o.left : o.right, 6);
}
template <class Option>
bool ReadSpanCell(CGridCtrl& g, int row, int col, Option& o) {
    if (col == Fill::kShownCol) return ReadShown(g, row, col, o.show);
    return ReadNumber(g, row, col, col == Fill::kLeftCol ? o.left : o.right);
}

// Each page's cells: the record of a row, the text of a text cell as the refresh shows it (false for
// a colour or line-style cell), such a cell's value shown, and a cell read into a record.
struct FillCells {
    using Option = Kit::FILLOPTION;
    static Option& Of(Kit& kit, unsigned i) { return kit.GetFillOption(i); }
    static bool TextOf(int col, const Option& o, CString* text) {
        if (col > Fill::kRightCol) return false;
        *text = SpanText(col, o);
        return true;
    }
    static void ShowValue(CGridCtrl& g, int row, int col, const Option& o) {
        g.SetItemBkColour(row, col, o.brush.fillColor);
    }
    static bool Read(CGridCtrl& g, int row, int col, Option& o) {
        if (col <= Fill::kRightCol) return ReadSpanCell(g, row, col, o);
        o.brush.fillColor = g.GetItemBkColour(row, col);
        return true;
    }
};

struct LineCells {
    using Option = Kit::LINEOPTION;
    static Option& Of(Kit& kit, unsigned i) { return kit.GetLineOption(i); }
    static bool TextOf(int col, const Option& o, CString* text) {
        if (col == Line::kLineStyleCol || col == Line::kColorCol) return false;
        *text = col <= Line::kRightCol ? SpanText(col, o) : numtext::Fixed(o.pen.width, 6);
        return true;
    }
    static void ShowValue(CGridCtrl& g, int row, int col, const Option& o) {
        if (col == Line::kLineStyleCol)
            g.SetItemGraphStyle(row, col, o.pen.style);
        else
            g.SetItemBkColour(row, col, o.pen.color);
    }
    static bool Read(CGridCtrl& g, int row, int col, Option& o) {
        if (col <= Line::kRightCol) return ReadSpanCell(g, row, col, o);
        if (col == Line::kLineStyleCol) {
            o.pen.style = g.GetItemGraphStyle(row, col);
            return true;
        }
        if (col == Line::kColorCol) {
            o.pen.color = g.GetItemBkColour(row, col);
            return true;
        }
        return ReadSize(g, row, col, 1, o.pen.width);
    }
};

struct TextCells {
    using Option = Kit::TEXTOPTIONEX;
    static Option& Of(Kit& kit, unsigned i) { return kit.GetTextOption(i); }
    static bool TextOf(int col, const Option& o, CString* text) {
        switch (col) {
            case TextPage::kShownCol:
                *text = ShownText(o.show);
                return true;
            case TextPage::kPositionCol:
                *text = numtext::Fixed(o.position, 2);
                return true;
            case TextPage::kFaceCol:
                *text = o.font.faceName;
                return true;
            case TextPage::kSizeCol:
                *text = numtext::Fixed(o.font.size / numtext::kHundredths, 2);
                return true;
            case TextPage::kDecimalsCol:
                *text = FormatString("%d", o.decimals);
                return true;
            default:
                return false;
        }
    }
    static void ShowValue(CGridCtrl& g, int row, int col, const Option& o) {
        g.SetItemBkColour(row, col, o.font.color);
    }
    static bool Read(CGridCtrl& g, int row, int col, Option& o) {
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
                o.font.color = g.GetItemBkColour(row, col);
                return true;
            case TextPage::kDecimalsCol:
                return ReadDecimals(g, row, col, o.decimals);
            default:
                return false;
        }
    }
};

template <class Cells>
void ShowCell(CGridCtrl& g, int row, int col, Kit& kit, unsigned i) {
    const typename Cells::Option& o = Cells::Of(kit, i);
    if (CString text; Cells::TextOf(col, o, &text))
        g.SetItemText(row, col, text);
    else
        Cells::ShowValue(g, row, col, o);
}

// Row row back into record i, every data cell of it (columns from 1; edited[col] tells the cells
// changed since the grid last showed the record). A cell not edited, or that still shows the
// refresh's text of its field, stands for the stored field (which may have changed since the grid
// showed it). An edited cell whose text the field refuses keeps the field and is listed in
// refused; when every edited cell is refused the record stays as it is and the answer is false.
template <class Cells>
bool ReadRow(CGridCtrl& g, int row, Kit& kit, unsigned i, const std::vector<bool>& edited, std::vector<int>* refused) {
    typename Cells::Option& stored = Cells::Of(kit, i);
    typename Cells::Option read = stored;
    bool anyEdited = false;
    bool taken = false;
    for (int col = 1; col < static_cast<int>(edited.size()); ++col) {
        if (!edited[col]) continue;
        if (CString shown; Cells::TextOf(col, stored, &shown) && Text(g, row, col) == shown) continue;
        anyEdited = true;
        if (Cells::Read(g, row, col, read))
            taken = true;
        else
            refused->push_back(col);
    }
    if (anyEdited && !taken) return false;
    stored = read;
    return true;
}

}  // namespace

struct SandStratumGridDef {
    UINT gridId;
    const ColumnDef* columns;
    int columnCount;
    const char* const* rows;
    int rowCount;
    unsigned (Kit::*count)();
    // One cell of row and column shown from record i; a row read back into record i.
    void (*show)(CGridCtrl&, int, int, Kit&, unsigned);
    bool (*readRow)(CGridCtrl&, int, Kit&, unsigned, const std::vector<bool>&, std::vector<int>*);
};

namespace {
template <class Cells, std::size_t C, std::size_t R>
constexpr SandStratumGridDef Grid(UINT id, const ColumnDef (&c)[C], const char* const (&r)[R],
                                  unsigned (Kit::*count)()) {
    return {id, c, static_cast<int>(C), r, static_cast<int>(R), count, ShowCell<Cells>, ReadRow<Cells>};
}

const SandStratumGridDef kGrids[] = {
    Grid<FillCells>(CLstSandStratumFill::kGridId, kFillColumns, kFillRows, &Kit::GetFillOptionCount),
    Grid<LineCells>(CLstSandStratumLine::kGridId, kLineColumns, kLineRows, &Kit::GetLineOptionCount),
    Grid<TextCells>(CLstSandStratumText::kGridId, kTextColumns, kTextRows, &Kit::GetTextOptionCount),
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
Kit* CLstSandStratumGrid::RecordKit(int row) {
    Kit* kit = wellplot::CurrentKit<Kit>(*this);
    if (!kit) return nullptr;
    m_pKit = kit;
    const bool data = row >= 1 && row < m_grid.GetRowCount();
    return data && static_cast<unsigned>(row) <= (kit->*Def().count)() ? kit : nullptr;
}

void CLstSandStratumGrid::Redraw() {
    m_pKit->InvalidSelf();
    m_pKit->UpdateParent();
    UpdateView();
}

bool CLstSandStratumGrid::Edited(int row, int col) {
    const ShownCell* before = Remembered(row, col);
    return !before || m_grid.GetItemText(row, col) != before->text ||
           m_grid.GetItemBkColour(row, col) != before->colour || m_grid.GetItemGraphStyle(row, col) != before->style;
}

// A row of a record read back, a cell refused showing what it showed before; a row without a
// record takes nothing and its edited cells show what they showed before.
bool CLstSandStratumGrid::ReadRow(int row) {
    const SandStratumGridDef& def = Def();
    std::vector<bool> edited(static_cast<std::size_t>(def.columnCount));
    for (int col = 1; col < def.columnCount; ++col) edited[col] = Edited(row, col);
    std::vector<int> refused;
    Kit* kit = RecordKit(row);
    if (!kit) {
        for (int col = 1; col < def.columnCount; ++col)
            if (edited[col]) refused.push_back(col);
    }
    const bool written = kit && def.readRow(m_grid, row, *kit, static_cast<unsigned>(row - 1), edited, &refused);
    for (int col : refused) ShowCellBefore(row, col);
    return written;
}

bool CLstSandStratumGrid::ApplyGridRow(int row) {
    if (!ReadRow(row)) return false;
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

// The grid's command after a block edit: every row of the block is read back as after a single
// edit, then one redraw when any record was written. An empty block writes nothing.
BOOL CLstSandStratumGrid::OnCommand(WPARAM wParam, LPARAM) {
    if (wParam != Def().gridId) return TRUE;
    const CCellRange range = m_grid.GetSelectedCellRange();
    if (range.Count() == 0) return TRUE;
    bool written = false;
    for (int row = std::max(range.GetMinRow(), 1); row <= range.GetMaxRow(); ++row) written = ReadRow(row) || written;
    RememberCells();
    if (written) Redraw();
    return TRUE;
}
