// CDlgChartClassSet: the "分类设置" dialog of a classification plot. It shows the classes of the
// plot's classification manager in a grid, computes a default range and interval, rebuilds the
// classes, deletes classes and edits each class's range (through CDlgRange) and symbol. Every
// change reaches the manager at once; OK and Cancel only close.
#pragma once

#include "hosttypes/Spindle/GridCtrl.h"
#include "mfc/Controls.h"
#include "mfc/Dialog.h"

class CkelClassPlot;
class CkelClassificationManager;
class IkelDataSery;

class CDlgChartClassSet : public CDialog {
    DECLARE_DYNAMIC(CDlgChartClassSet)
public:
    explicit CDlgChartClassSet(CkelClassPlot* plot);
    ~CDlgChartClassSet() override;

    BOOL OnInitDialog() override;

    CComboBox m_wndColumnType;
    CGridCtrl m_wndGrid;
    double m_dMin = 0;
    double m_dMax = 0;
    double m_dInterval = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnStatistics();
    void OnApply();
    void OnDelete();
    void OnDeleteAll();

    DECLARE_MESSAGE_MAP()

private:
    CkelClassificationManager* Manager() const;
    // The kind of the plot's class series; numeric (0) when it has none.
    bool IsTextClassification() const;
    void FillGrid();
    CString ClassText(unsigned index) const;
    // The range dialog on the class of a grid row, and the rows it changed; the answer of the
    // notification.
    int EditRange(int row);
    int EditSymbol(int row);

    CkelClassPlot* m_pPlot;
};
