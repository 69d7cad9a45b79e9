#include "chart/DlgBarDataSerySet.h"

#include <string>
#include <vector>

#include "chart/ChartTexts.h"
#include "chart/ClassGrid.h"
#include "hosttypes/Thistle/Plots.h"
#include "resources/ModuleResources.h"

using namespace charttext;

IMPLEMENT_DYNAMIC(CDlgBarDataSerySet, CDialog)

BEGIN_MESSAGE_MAP(CDlgBarDataSerySet, CDialog)
ON_BN_CLICKED(IDC_SERY_MOVE_UP, OnMoveUp)
ON_BN_CLICKED(IDC_SERY_MOVE_DOWN, OnMoveDown)
END_MESSAGE_MAP()

namespace {
constexpr int kCheckCol = 0;
constexpr int kNameCol = 1;
}  // namespace

CDlgBarDataSerySet::CDlgBarDataSerySet(CBarFillSeryGrp* group) : CDialog(IDD_BAR_DATA_SERY), m_pGroup(group) {}

CDlgBarDataSerySet::~CDlgBarDataSerySet() = default;

void CDlgBarDataSerySet::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_GridControl(dx, IDC_SERY_GRID, m_wndGrid);
}

BOOL CDlgBarDataSerySet::OnInitDialog() {
    CDialog::OnInitDialog();
    m_wndGrid.InsertColumn(kSeryChoose, chart::kGridColumnFormat, chart::kGridAppend, GVCT_SWITCH);
    m_wndGrid.InsertColumn(kSeryName, chart::kGridColumnFormat, chart::kGridAppend, GVCT_TEXT);
    m_wndGrid.SetColumnWidth(kCheckCol, 80);
    m_wndGrid.SetColumnWidth(kNameCol, 180);
    m_wndGrid.SetFixedRowCount(1);
    m_wndGrid.SetListMode(TRUE);
    m_wndGrid.DeleteNonFixedRows();
    if (m_pGroup) {
        std::vector<std::string> names;
        m_pGroup->GetDataSetOrder(names);
        for (const std::string& name : names) {
            const int row = m_wndGrid.InsertRow(m_pGroup->IsSeryInGroup(name) ? kChecked : kUnchecked);
            m_wndGrid.SetItemText(row, kNameCol, name.c_str());
        }
    }
    chart::RedrawGrid(m_wndGrid);
    return TRUE;
}

void CDlgBarDataSerySet::SwapRows(int a, int b) {
    for (int c = 0; c < m_wndGrid.GetColumnCount(); ++c) {
        const CString text = m_wndGrid.GetItemText(a, c);
        m_wndGrid.SetItemText(a, c, m_wndGrid.GetItemText(b, c));
        m_wndGrid.SetItemText(b, c, text);
    }
}

void CDlgBarDataSerySet::FocusRow(int row) {
    m_wndGrid.SetFocusCell(row, kNameCol);
    m_wndGrid.SetSelectedRange(row, 0, row, m_wndGrid.GetColumnCount() - 1);
    chart::RedrawGrid(m_wndGrid);
}

void CDlgBarDataSerySet::OnMoveUp() {
    const int row = m_wndGrid.GetFocusCell().row;
    if (row <= 1) return;
    SwapRows(row, row - 1);
    FocusRow(row - 1);
}

void CDlgBarDataSerySet::OnMoveDown() {
    const int row = m_wndGrid.GetFocusCell().row;
    if (row < 0 || row >= m_wndGrid.GetRowCount() - 1) return;
    SwapRows(row, row + 1);
    FocusRow(row + 1);
}

BOOL CDlgBarDataSerySet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == IDC_SERY_GRID && header->code == GVN_CELLCLICK) {
        const auto* cell = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        // A click on the "选择" header turns every row to the opposite of the second data row.
        if (cell->iRow == 0 && cell->iColumn == kCheckCol && m_wndGrid.GetRowCount() >= 3) {
            const char* state = m_wndGrid.GetItemText(2, kCheckCol) == kChecked ? kUnchecked : kChecked;
            for (int r = 1; r < m_wndGrid.GetRowCount(); ++r) m_wndGrid.SetItemText(r, kCheckCol, state);
            chart::RedrawGrid(m_wndGrid);
        }
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgBarDataSerySet::OnOK() {
    if (!m_pGroup) return;
    std::vector<std::string> names;
    std::vector<bool> checked;
    for (int r = 1; r < m_wndGrid.GetRowCount(); ++r) {
        const std::string name = m_wndGrid.GetItemText(r, kNameCol).str();
        const bool on = m_wndGrid.GetItemText(r, kCheckCol) == kChecked;
        if (on) m_pGroup->AddSery(name);
        names.push_back(name);
        checked.push_back(on);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!checked[i] && m_pGroup->IsSeryInGroup(names[i])) m_pGroup->DeleteSery(names[i]);
    m_pGroup->SetDataSetOrder(names);
    if (m_pGroup->GetSeryNums() == 0) {
        AfxMessageBox(kNoSeries);
        if (m_wndGrid.GetRowCount() > 1) {
            m_wndGrid.SetItemText(1, kCheckCol, kChecked);
            m_pGroup->AddSery(m_wndGrid.GetItemText(1, kNameCol).str());
        }
        chart::RedrawGrid(m_wndGrid);
        return;
    }
    m_pGroup->UpdateForPlot();
    CDialog::OnOK();
}
