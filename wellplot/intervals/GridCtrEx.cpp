#include "wellplot/intervals/GridCtrEx.h"

#include "wellplot/intervals/LstSandStratumGrid.h"

IMPLEMENT_DYNCREATE(CGridCtrEx, CGridCtrl)

CGridCtrEx::CGridCtrEx() : CGridCtrl(0, 0, 0, 0) {}
CGridCtrEx::~CGridCtrEx() { m_pOwnerPane = nullptr; }

void CGridCtrEx::OnEndEditCell(int nRow, int nCol, CString str) {
    CGridCtrl::OnEndEditCell(nRow, nCol, str);
    auto* page = dynamic_cast<CLstSandStratumGrid*>(m_pOwnerPane);
    if (page && !page->ApplyGridCell(nRow, nCol)) page->ShowCellBefore(nRow, nCol);
}
