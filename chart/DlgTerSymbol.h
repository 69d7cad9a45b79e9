// CDlgTerSymbol: the "符号设置" dialog of a ternary plot: the point symbol of each class, written
// to the plot as soon as it is picked; OK and Cancel only close.
#pragma once

#include "hosttypes/Spindle/GridCtrl.h"
#include "mfc/Controls.h"
#include "mfc/Dialog.h"

class CkelTernaryPlot;

class CDlgTerSymbol : public CDialog {
    DECLARE_DYNAMIC(CDlgTerSymbol)
public:
    explicit CDlgTerSymbol(CkelTernaryPlot* plot);
    ~CDlgTerSymbol() override;

    BOOL OnInitDialog() override;

    CComboBox m_wndUnbound;  // bound to no control
    CGridCtrl m_wndGrid;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    CkelTernaryPlot* m_pPlot;
};
