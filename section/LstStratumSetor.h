// CLstStratumSetor: the "层设置" page of correlation, connection, reservoir and fence sections.
// Instead of a property grid it holds a cell grid: one row per stratum of the section's display
// record, one column per drawing feature ("TRUE"/"FALSE"), each change written into the record's
// settings byte of that stratum.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "framework/WndLst.h"

class CGridCtrl;
class ScContainer;

class CLstStratumSetor : public CWndLst {
public:
    // Control id of the cell grid.
    enum : UINT { kGridId = 1234 };
    // Drawing features: the code of a flag column and the bit of the stratum's settings byte.
    enum Feature : int {
        kFeatureTopBound = 1,
        kFeatureBottomBound = 2,
        kFeatureFill = 3,
        kFeatureSand = 4,
        kFeatureName = 5,
    };

    // kind: 1 correlation, 2 connection, 3 reservoir, 4 fence.
    CLstStratumSetor(ScContainer* container, int kind);
    ~CLstStratumSetor() override;

    CGridCtrl* GetGrid() const { return m_grid.get(); }
    // The features of the kind's flag columns, in column order (column c shows entry c - 1).
    static std::vector<Feature> FeaturesOfKind(int kind);
    static unsigned char BitOf(Feature feature);

    void AdjustLayout() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Rows of the record's strata, the bottom-boundary rule and the cell texts.
    void BuildRows();
    // Sets or clears the feature's bit of the stratum in the record; false, nothing written, for a
    // stratum the record lacks.
    bool WriteFlag(const std::string& stratum, Feature feature, bool on);
    // The grid's header click on a flag column: the first changeable cell's value for every row;
    // false when no row's stratum took it.
    bool ApplyColumn(int column);
    bool IsFlagColumn(int column) const;
    int ColumnOf(Feature feature) const;
    void MarkChanged();

    boost::shared_ptr<CGridCtrl> m_grid;
    ScContainer* m_pContainer;
    int m_nLevel;
    std::string m_strBottom;
    int m_nKind;
    std::vector<Feature> m_features;
};
