#include "wellplot/intervals/GridCtrEx.h"

#include "wellplot/intervals/LstSandStratumGrid.h"

IMPLEMENT_DYNCREATE(CGridCtrEx, CGridCtrl)

CGridCtrEx::CGridCtrEx() : CGridCtrl(0, 0, 0, 0) {}
CGridCtrEx::~CGridCtrEx() { m_pOwnerPane = nullptr; }

void CGridCtrEx::OnEndEditCell(int nRow, int nCol, CString str) {
    CGridCtrl::OnEndEditCell(nRow, nCol, str);
    if (auto* page = dynamic_cast<CLstSandStratumGrid*>(m_pOwnerPane)) page->ApplyGridRow(nRow);
}
