#include "wellplot/intervals/CellTypesGridCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "framework/NumberText.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "wellplot/intervals/OilTestPage.h"

BEGIN_MESSAGE_MAP(CCellTypesGridCtrl, CBCGPGridCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CCellTypesGridCtrl::CCellTypesGridCtrl(COilTestPage* page) : m_pPage(page) {}

CCellTypesGridCtrl::~CCellTypesGridCtrl() {
    if (GetSafeHwnd()) DestroyWindow();
}

int CCellTypesGridCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CBCGPGridCtrl::OnCreate(cs) == -1) return -1;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return 0;
}

void CCellTypesGridCtrl::OnDestroy() {
    SaveState(kStateProfile, 0);
    CBCGPGridCtrl::OnDestroy();
}

void CCellTypesGridCtrl::OnTimer(UINT_PTR id) { CBCGPGridCtrl::OnTimer(id); }
void CCellTypesGridCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar) { CBCGPGridCtrl::OnHScroll(code, pos, bar); }

void CCellTypesGridCtrl::OnLButtonUp(UINT flags, CPoint point) {
    CBCGPGridCtrl::OnLButtonUp(flags, point);
    StoreColumnWidths();
}

void CCellTypesGridCtrl::SetRowHeight() {
    CBCGPGridCtrl::SetRowHeight();
    m_nRowHeight += 2;
}

void CCellTypesGridCtrl::TrackHeader(BOOL track, int offset) {
    CBCGPGridCtrl::TrackHeader(track, offset);
    StoreColumnWidths();
}

void CCellTypesGridCtrl::BuildCells(int rows, int columns) {
    RemoveAll();
    DeleteAllColumns();
    if (rows < 0 || rows > kMaxCount) rows = kFallbackCount;
    if (columns < 0 || columns > kMaxCount) columns = kFallbackCount;
    char caption[2] = {'A', '\0'};
    for (int c = 0; c < columns; ++c, ++caption[0]) InsertColumn(c, caption, kColumnWidth, -1);
    for (int r = 0; r < rows; ++r) {
        CBCGPGridRow* row = CreateCellRow();
        for (int c = 0; c < columns; ++c) row->ReplaceItem(c, new CBCGPGridItem(_variant_t("")), TRUE, FALSE);
        AddRow(row, FALSE);
    }
    LoadState(kStateProfile, 0);
    AdjustLayout();
}

CBCGPGridRow* CCellTypesGridCtrl::CreateCellRow() { return CreateRow(GetColumnCount()); }

void CCellTypesGridCtrl::AddCellOptions(const std::vector<CString>& names) {
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            if (CBCGPGridItem* item = GetItem(r, c))
                for (const CString& name : names) item->AddOption(name.GetString(), TRUE);
}

void CCellTypesGridCtrl::SetCellTexts(const std::vector<CString>& texts) {
    size_t next = 0;
    for (int r = 0; r < GetRowCount() && next < texts.size(); ++r)
        for (int c = 0; c < GetColumnCount() && next < texts.size(); ++c)
            if (CBCGPGridItem* item = GetItem(r, c)) item->SetValue(_variant_t(texts[next++]), FALSE);
}

void CCellTypesGridCtrl::StoreColumnWidths() {
    CWpOilTest* kit = m_pPage ? m_pPage->GetKit() : nullptr;
    if (!kit) return;
    CBCGPGridColumnsInfo& columns = GetColumnsInfo();
    const int n = static_cast<short>(columns.GetColumnCount());
    const double total = columns.GetTotalWidth();
    std::vector<float>& widths = *kit->GetColWidth();
    widths.assign(1, 0.0f);
    double acc = 0;
    for (int i = 0; i + 1 < n && total > 0; ++i) {  // columns without width share nothing
        acc += columns.GetColumnWidth(i) / total;
        float share = 1;
        numtext::FitFloat(std::min(acc, 1.0), 1, &share);
        widths.push_back(share);
    }
    widths.push_back(1.0f);
    // Every release in the grid stores and redraws, also one that moved no divider.
    m_pPage->RedrawKitAndView();
}
