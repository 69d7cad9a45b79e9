// CGridCtrEx: the cell grid of the sand-stratum option pages. A finished cell edit is stored by
// the grid as usual and then written back into the kit's record by the page that owns the grid.
#pragma once

#include "hosttypes/Spindle/GridCtrl.h"

class CWnd;

class CGridCtrEx : public CGridCtrl {
    DECLARE_DYNCREATE(CGridCtrEx)
public:
    CGridCtrEx();
    ~CGridCtrEx() override;

    void SetOwnerPane(CWnd* pane) { m_pOwnerPane = pane; }
    CWnd* GetOwnerPane() const { return m_pOwnerPane; }

    // Stores the text (and tells the owner window), then has the owning sand-stratum page read the
    // row back (a cell the page refuses shows what it showed before the edit again). Any other owner
    // gets nothing more.
    void OnEndEditCell(int nRow, int nCol, CString str) override;

private:
    CWnd* m_pOwnerPane = nullptr;
};
