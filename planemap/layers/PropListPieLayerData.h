// CPropListPieLayerData: the "数据" page of a pie layer: the chart shape, where the data come from
// (well, scattered or dynamic production tables), the table, the stratum, the number of properties
// with the field, colour and colour-control flag of each, and the dates of dynamic data. Colours
// between control points are blended (SmoothColors); the dates are written by their items.
#pragma once

#include "framework/DateTimePropExt.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "planemap/WndLstPlane.h"

class CPropListPieLayerData;

// A date of a pie layer: its end of editing, or the report of a date set by code, writes the date
// into the layer of the page it is on.
class CPieDateTimeProp : public CBCGPDateTimePropExt {
public:
    CPieDateTimeProp(const CString& name, const COleDateTime& date, const char* description, DWORD_PTR data);
    // FALSE, the editor left open, when the item is on no pie data page or the page has no layer.
    BOOL OnEndEdit() override;
    // Whether the last date stands, for the report that follows it: a date picked that the layer
    // refused (a begin after the end, an end before the begin) does not, and the page then writes
    // nothing at all. A date set by code is judged and written here first, as a date picked is at
    // the end of its edit; a refused one shows the stored date again.
    bool DateTaken();
    // A value set from code is a report of its own, judged afresh; a text is read as the same text
    // typed, and one that is no date is refused, the item keeping its date.
    void SetValue(const _variant_t& value) override;

private:
    CPropListPieLayerData* Page() const;
    // Writes the date into the page's layer, or refuses it and shows the stored date again.
    void WriteDate(CPropListPieLayerData& page);

    bool m_bRefused = false;
    bool m_bReported = false;  // set by code, not yet judged
};

class CPropListPieLayerData : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kBasicGroupId = 90,
        kShapeId = 91,
        kModifyObjectId = 92,
        kDataGroupId = 100,
        kSourceId = 101,
        kTableId = 102,
        kCountId = 103,
        kStratumId = 105,
        kDateGroupId = 106,
        kDate1Id = 1061,
        kDate2Id = 1062,
        kDateBeginId = 1063,
        kDateEndId = 1064,
        kFieldGroupId = 110,
        kFirstFieldId = 118,  // + property index
        kColorGroupId = 240,
        kFirstColorId = 241,  // + property index
        kControlGroupId = 340,
        kFirstControlId = 341,  // + property index
    };

    // The rows each of the three row groups holds.
    int GetRowCount() const { return m_nRows; }
    // Makes the three row groups hold n rows (at most the 29 a layer shows).
    void ResizePropRows(int n);
    // Builds the whole item set again with n rows.
    void RebuildProps(int n);
    // Shows the date items the shape and the source need, with the layer's dates.
    void UpdateDateProps(kel::plane::CPieLayer& layer);
    void FillTableNameOptions();
    void FillFieldOptions();
    void FillDataLayerOptions();
    // The position of a stratum among the strata of the current table; -1 when absent.
    int GetDataLayerIndex(const CString& stratum);
    // The colour-control rule for the "颜色控制" row of item data id (see the source).
    void SmoothColors(DWORD_PTR id, int control, COLORREF color, kel::plane::CPieLayer& layer);
    // The default colour of a new colour row.
    static COLORREF DefaultColor(int index);

protected:
    friend class CPieDateTimeProp;  // redraws the view after writing a date

    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override;

private:
    void BuildItems(int rows);
    void AddRow(int index, const char* controlDescription);
    void EnableBySource();
    void ShowRows(kel::plane::CPieLayer& layer);
    void ChangeSource(kel::plane::CPieLayer& layer, int newType);
    void CollapseRows();
    bool ShowsYes(DWORD_PTR controlId);
    COLORREF RowColor(DWORD_PTR colorId);

    int m_nRows = 0;
};
