#include "chart/DlgChartClassSet.h"

#include "chart/ChartTexts.h"
#include "chart/ClassGrid.h"
#include "chart/DlgRange.h"
#include "hosttypes/Thistle/Plots.h"
#include "resources/ModuleResources.h"

using namespace charttext;
using chart::kClassSymbolCol;
using chart::kClassTextCol;

IMPLEMENT_DYNAMIC(CDlgChartClassSet, CDialog)

BEGIN_MESSAGE_MAP(CDlgChartClassSet, CDialog)
ON_BN_CLICKED(IDC_CLASS_STATISTICS, OnStatistics)
ON_BN_CLICKED(IDC_CLASS_APPLY, OnApply)
ON_BN_CLICKED(IDC_CLASS_DELETE, OnDelete)
ON_BN_CLICKED(IDC_CLASS_DELETE_ALL, OnDeleteAll)
END_MESSAGE_MAP()

CDlgChartClassSet::CDlgChartClassSet(CkelClassPlot* plot) : CDialog(IDD_CHART_CLASS_SET), m_pPlot(plot) {}

CDlgChartClassSet::~CDlgChartClassSet() = default;

CkelClassificationManager* CDlgChartClassSet::Manager() const {
    return m_pPlot ? m_pPlot->GetClassificationManager() : nullptr;
}

bool CDlgChartClassSet::IsTextClassification() const {
    IkelDataSery* sery = m_pPlot ? m_pPlot->GetClassDatasery() : nullptr;
    return sery && sery->GetType() == IkelDataSery::KEL_SERY_STRING;
}

void CDlgChartClassSet::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CLASS_COLUMN_TYPE, m_wndColumnType);
    DDX_GridControl(dx, IDC_CLASS_GRID, m_wndGrid);
    DDX_Text(dx, IDC_CLASS_MIN, m_dMin);
    DDX_Text(dx, IDC_CLASS_MAX, m_dMax);
    DDX_Text(dx, IDC_CLASS_INTERVAL, m_dInterval);
}

BOOL CDlgChartClassSet::OnInitDialog() {
    CDialog::OnInitDialog();
    m_wndColumnType.AddString(kNumericColumn);
    m_wndColumnType.AddString(kTextColumn);
    m_wndColumnType.EnableWindow(FALSE);
    const bool text = IsTextClassification();
    m_wndColumnType.SetCurSel(text ? 1 : 0);
    for (UINT id : {IDC_CLASS_STATISTICS, IDC_CLASS_MIN, IDC_CLASS_MAX, IDC_CLASS_INTERVAL, IDC_CLASS_DELETE,
                    IDC_CLASS_DELETE_ALL})
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(!text);
    m_dMin = m_dMax = m_dInterval = 0.0;
    FillGrid();
    UpdateData(FALSE);
    return TRUE;
}

CString CDlgChartClassSet::ClassText(unsigned index) const {
    CClassEntity* entity = Manager() ? Manager()->GetClassEntity(index) : nullptr;
    if (!entity) return CString();
    return IsTextClassification() ? CString(entity->m_strName.c_str()) : chart::ClassRangeText(*entity);
}

void CDlgChartClassSet::FillGrid() {
    chart::SetupClassGrid(m_wndGrid);
    CkelClassificationManager* manager = Manager();
    if (!manager) return;
    for (unsigned i = 0; i < manager->GetClassNum(); ++i)
        chart::AddClassRow(m_wndGrid, i + 1, ClassText(i), manager->GetClassEntity(i)->m_symbol);
}

void CDlgChartClassSet::OnStatistics() {
    CkelClassificationManager* manager = Manager();
    IkelDataSery* sery = manager ? manager->GetDataSery() : nullptr;
    if (sery) {
        m_dMax = sery->GetMax();
        m_dMin = sery->GetMin();
        const int classes = manager->GetDefaultClassNum();
        if (classes > 0) m_dInterval = (m_dMax - m_dMin) / classes;
    }
    UpdateData(FALSE);
}

void CDlgChartClassSet::OnApply() {
    if (!UpdateData(TRUE)) return;
    CkelClassificationManager* manager = Manager();
    IkelDataSery* sery = manager ? manager->GetDataSery() : nullptr;
    if (!sery) return;
    switch (sery->GetType()) {
        case IkelDataSery::KEL_SERY_DOUBLE:
        case IkelDataSery::KEL_SERY_INT:
            m_wndGrid.DeleteNonFixedRows();
            if (!manager->SetClassPara(m_dMax, m_dMin, m_dInterval)) {
                AfxMessageBox(kBadClassParameters);
                break;
            }
            for (unsigned i = 0; i < manager->GetClassNum(); ++i) {
                CClassEntity* entity = manager->GetClassEntity(i);
                chart::AddClassRow(m_wndGrid, i + 1, chart::ClassRangeText(*entity), entity->m_symbol);
            }
            break;
        case IkelDataSery::KEL_SERY_STRING:
            m_wndGrid.DeleteNonFixedRows();
            manager->StringClass();
            for (unsigned i = 0; i < manager->GetClassNum(); ++i) {
                CClassEntity* entity = manager->GetClassEntity(i);
                chart::AddClassRow(m_wndGrid, i + 1, entity->m_strName.c_str(), entity->m_symbol);
            }
            break;
        default:
            break;
    }
    manager->UpdateSymbol(false);
}

void CDlgChartClassSet::OnDelete() {
    CkelClassificationManager* manager = Manager();
    if (!manager || !m_pPlot->GetClassDatasery()) return;
    if (IsTextClassification()) {
        AfxMessageBox(kTextClassNoDelete);
        return;
    }
    const int row = m_wndGrid.GetSelectedCellRange().GetMinRow();
    if (row < 1 || !manager->RemoveClass(static_cast<unsigned>(row - 1))) {
        AfxMessageBox(kRowNoDelete);
        return;
    }
    m_wndGrid.DeleteRow(row);
    if (row < m_wndGrid.GetRowCount())
        m_wndGrid.SetItemText(row, kClassTextCol, ClassText(static_cast<unsigned>(row - 1)));
    chart::RedrawGrid(m_wndGrid);
}

void CDlgChartClassSet::OnDeleteAll() {
    if (CkelClassificationManager* manager = Manager()) manager->RemoveAll();
    m_wndGrid.DeleteNonFixedRows();
}

int CDlgChartClassSet::EditRange(int row) {
    CkelClassificationManager* manager = Manager();
    IkelDataSery* sery = manager ? manager->GetDataSery() : nullptr;
    if (!sery || sery->GetType() == IkelDataSery::KEL_SERY_STRING) return 0;
    CDlgRange range(IDD_CHART_RANGE, this);
    range.m_pManager = manager;
    range.m_nIndex = static_cast<unsigned>(row - 1);
    if (range.DoModal() != IDOK) return 0;
    const unsigned index = static_cast<unsigned>(row - 1);
    m_wndGrid.SetItemText(row, kClassTextCol, ClassText(index));
    if (index + 1 < manager->GetClassNum()) m_wndGrid.SetItemText(row + 1, kClassTextCol, ClassText(index + 1));
    if (index > 0) m_wndGrid.SetItemText(row - 1, kClassTextCol, ClassText(index - 1));
    manager->UpdateSymbol(false);
    chart::RedrawGrid(m_wndGrid);
    return 1;
}

int CDlgChartClassSet::EditSymbol(int row) {
    CkelClassificationManager* manager = Manager();
    CClassEntity* entity = manager ? manager->GetClassEntity(static_cast<unsigned>(row - 1)) : nullptr;
    if (!entity) return 1;
    m_wndGrid.GetItemPoint(row, kClassSymbolCol, entity->m_symbol);
    manager->SetIsNeedRebuild(false);
    manager->UpdateSymbol(false);
    return 1;
}

BOOL CDlgChartClassSet::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    int answer = 1;
    if (header && header->idFrom == IDC_CLASS_GRID) {
        const auto* cell = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        if (cell->iRow < 1)
            answer = 0;
        else if (header->code == GVN_CELLCLICK && cell->iColumn == kClassTextCol)
            answer = EditRange(cell->iRow);
        else if (header->code == GVN_ENDLABELEDIT && cell->iColumn == kClassSymbolCol)
            answer = EditSymbol(cell->iRow);
    }
    if (result) *result = answer;
    return answer;
}
