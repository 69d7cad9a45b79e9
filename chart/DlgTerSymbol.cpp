#include "chart/DlgTerSymbol.h"

#include "chart/ClassGrid.h"
#include "hosttypes/Thistle/Plots.h"
#include "resources/ModuleResources.h"

IMPLEMENT_DYNAMIC(CDlgTerSymbol, CDialog)

CDlgTerSymbol::CDlgTerSymbol(CkelTernaryPlot* plot) : CDialog(IDD_TERNARY_SYMBOL), m_pPlot(plot) {}

CDlgTerSymbol::~CDlgTerSymbol() = default;

void CDlgTerSymbol::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_GridControl(dx, IDC_SYMBOL_GRID, m_wndGrid);
}

BOOL CDlgTerSymbol::OnInitDialog() {
    CDialog::OnInitDialog();
    chart::SetupClassGrid(m_wndGrid);
    if (m_pPlot) {
        for (unsigned i = 0; i < m_pPlot->GetClassCounts(); ++i) {
            CClassEntity* entity = m_pPlot->GetClass(i);
            chart::AddClassRow(m_wndGrid, i + 1, entity->m_strName.c_str(), entity->m_symbol);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDlgTerSymbol::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    int answer = 1;
    if (header && header->idFrom == IDC_SYMBOL_GRID) {
        const auto* cell = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        if (cell->iRow < 1) {
            answer = 0;
        } else if (header->code == GVN_ENDLABELEDIT && cell->iColumn == chart::kClassSymbolCol && m_pPlot) {
            QXLOGPOINT symbol;
            m_wndGrid.GetItemPoint(cell->iRow, chart::kClassSymbolCol, symbol);
            m_pPlot->SetClassSymbol(m_wndGrid.GetItemText(cell->iRow, chart::kClassTextCol).str(), &symbol);
        }
    }
    if (result) *result = answer;
    return answer;
}
