// CLstSglStraumSetor: the "层设置" page of a single-well section. A cell grid instead of a property
// grid: one row per stratum of the section's display settings, four switch columns for the
// stratum's top boundary, bottom boundary, fill and sand, each written into the stratum's flags.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>

#include "framework/WndLst.h"

class CGridCtrl;
class CSingleWellSection;

class CLstSglStraumSetor : public CWndLst {
public:
    // Control id of the cell grid.
    enum : UINT { kGridId = 1000 };
    // Columns; column c switches bit c - 1 of the stratum's flags.
    enum Column : int { kNameColumn = 0, kTopColumn = 1, kBottomColumn = 2, kFillColumn = 3, kSandColumn = 4 };

    explicit CLstSglStraumSetor(CSingleWellSection* section);
    ~CLstSglStraumSetor() override;

    CGridCtrl* GetGrid() const { return m_grid.get(); }
    void AdjustLayout() override;

    // Sets or clears the stratum's flag of the column (1 to 5; other columns change nothing). The
    // bottom stratum's bottom boundary is also the top boundary of the stratum below it.
    static void SetStratumFlag(CSingleWellSection& section, const std::string& stratum, int column, bool on);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    std::string BottomStratum() const;
    void BuildRows();
    // The header click on a column: the first changeable cell's value for every row.
    void ApplyColumn(int column);
    void MarkChanged();

    CSingleWellSection* m_pSection;
    boost::shared_ptr<CGridCtrl> m_grid;
    int m_nGrade;
    std::string m_strBottom;
};
