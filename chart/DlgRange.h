// CDlgRange: the "范围" dialog that edits the value range of one numeric class and keeps the
// neighbouring classes contiguous. The classification dialog makes it on template 2004 and sets
// the manager and the class index before DoModal.
#pragma once

#include "mfc/Dialog.h"

class CkelClassificationManager;

class CDlgRange : public CDialog {
    DECLARE_DYNAMIC(CDlgRange)
public:
    using CDialog::CDialog;

    double m_dLeft = 0;
    double m_dRight = 0;
    CkelClassificationManager* m_pManager = nullptr;
    unsigned m_nIndex = 0;

    BOOL OnInitDialog() override;
    // Both values are checked first; then both are applied, or neither.
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
