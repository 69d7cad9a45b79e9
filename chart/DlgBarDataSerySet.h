// CDlgBarDataSerySet: the "数据系列" dialog of a bar plot: which series of the dataset the plot
// draws (check cells) and in which order (the row order, moved with "上移" and "下移"). OK stores
// the choice in the plot's series group; Cancel leaves the group as it was.
#pragma once

#include "hosttypes/Spindle/GridCtrl.h"
#include "mfc/Dialog.h"

class CBarFillSeryGrp;

class CDlgBarDataSerySet : public CDialog {
    DECLARE_DYNAMIC(CDlgBarDataSerySet)
public:
    explicit CDlgBarDataSerySet(CBarFillSeryGrp* group);
    ~CDlgBarDataSerySet() override;

    BOOL OnInitDialog() override;
    // Refused, with the first series checked again, while no series is checked.
    void OnOK() override;

    CGridCtrl m_wndGrid;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnMoveUp();
    void OnMoveDown();

    DECLARE_MESSAGE_MAP()

private:
    void SwapRows(int a, int b);
    // Focus on column 1 of the row and the whole row selected.
    void FocusRow(int row);

    CBarFillSeryGrp* m_pGroup;
};
