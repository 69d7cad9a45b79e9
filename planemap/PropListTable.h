// CPropListTable: a table on a plane map: its five ruling pens, and the fill colour, font and
// alignment of the cells of its selected range (the whole table when nothing is selected). It
// edits the shown table only and is active only while exactly one object is selected.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectCell;
class COneCell;

class CPropListTable : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kBorderSettingsId = 2001,
        kTopBorderId = 2002,
        kBottomBorderId = 2006,
        kLeftBorderId = 2010,
        kRightBorderId = 2014,
        kCenterBorderId = 2018,
        kFillColorId = 2022,
        kFontGroupId = 2023,
        kAlignGroupId = 2027,
        kHAlignId = 2028,
        kVAlignId = 2029,
    };

    CPropListTable();
    ~CPropListTable() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // Cells of the table's selected range, columns first; the range is widened to the whole table
    // when nothing is selected.
    struct CellRange {
        int firstColumn, lastColumn, firstRow, lastRow;
    };

    CQXObjectCell* Table() const;
    static CellRange SelectWholeTableIfNone(CQXObjectCell* table);
    template <class Fn>
    static void ForEachCell(CQXObjectCell* table, const CellRange& range, Fn fn);
    void RefreshCellItems(COneCell* cell);
    void ApplyFont(CQXObjectCell* table, const CellRange& range, CBCGPProp* group, CBCGPProp* item);
    void ApplyFillColor(CQXObjectCell* table, const CellRange& range, CBCGPProp* item);
    void ApplyAlign(CQXObjectCell* table, const CellRange& range, CBCGPProp* item, bool horizontal);
};
