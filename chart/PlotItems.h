// What the plot pages share: building their items from tables, the axis and column choices of
// the data groups, the value-label items, the point-symbol reader, the series selector of the bar
// pages and the border-and-fill items of the bar, histogram, rose and pie fill pages. Each helper
// does nothing when the object it works on is missing.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>

#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "chart/ChartGroups.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CBarFillSeryGrp;
class CkelDataset;
class CkelPlotLabels;
class IkelPlot;

namespace chart {

// ---- building -----------------------------------------------------------------------------------------
// A number typed as text (empty), or a fixed list whose entries its page's refresh sets (choice
// only: its free-text editing is off).
struct PlotItemDef {
    DWORD_PTR id;
    const char* label;
    const char* description;
    bool choiceOnly;
    // Set for a number typed as text: the rule of the reader the page reads it by
    // (chart/ChartReaders.h), so that the item refuses what the page would refuse.
    TextRule rule = nullptr;
    // For a list: what it takes for a text none of its entries holds.
    OtherText other = kOtherRefused;
};
// A column list (choice only) passing a name no series carries on as the chart library's index of a
// missing series (kMissingSeries).
inline PlotItemDef MissingColumnDef(DWORD_PTR id, const char* label, const char* description) {
    return {id, label, description, true, nullptr, OtherTakenAs(kMissingSeries)};
}
CBCGPProp* NewPlotItem(const PlotItemDef& def);
template <std::size_t N>
void AddPlotItems(CBCGPProp* group, const PlotItemDef (&defs)[N]) {
    for (const PlotItemDef& def : defs) group->AddSubItem(NewPlotItem(def));
}
// A group row, expanded; with a table, holding its items.
CBCGPProp* NewPlotGroup(const char* label, DWORD_PTR id);
template <std::size_t N>
CBCGPProp* NewPlotGroup(const char* label, DWORD_PTR id, const PlotItemDef (&defs)[N]) {
    CBCGPProp* group = NewPlotGroup(label, id);
    AddPlotItems(group, defs);
    return group;
}
// Adds each top-level item to the grid.
void AddToGrid(CBCGPPropList& list, std::initializer_list<CBCGPProp*> items);

// ---- data groups ----------------------------------------------------------------------------------------
// The data table and the two axes, ids 1 to 3 of the "数据" group of the bar, histogram, line and
// class plot pages: building, refresh and edit (NotMine for another item; Refused, nothing written,
// when no dataset was bound or the name is no axis of the list's direction).
enum : DWORD_PTR { kPlotDataTableId = 1, kPlotXAxisId = 2, kPlotYAxisId = 3 };
void AddTableAndAxisItems(CBCGPProp* group);
void RefreshTableAndAxes(CBCGPPropList& list, IkelPlot* plot);
Edit ApplyTableOrAxis(CBCGPProp* item, IkelPlot* plot);
// The chart's first axis of the list's direction carrying the item's text (so that of an X and a Y
// axis of one name each list attaches its own) becomes the plot's X (or Y) axis; false, nothing
// changed, when no axis of that direction carries it now.
bool ApplyAxisChoice(CBCGPProp* item, IkelPlot* plot, bool xAxis);
// The X-axis and Y-axis options with the plot's axes.
void RefreshAxisChoices(CBCGPProp* xItem, CBCGPProp* yItem, IkelPlot* plot);
// The column the list reads from the item (a series' index; any other name as the list's rule
// says: refused, or the chart library's index of a missing series, -1) handed to set, which
// answers whether the plot took it; Refused, nothing set, when the list refused the name or the
// plot the column, and for a series' index while the plot is without the dataset the column is of
// (its series are gone). No series, -1 ("无" of a count column), needs no dataset.
Edit ApplyColumnChoice(CBCGPProp* item, CkelDataset* dataset, const std::function<bool(int)>& set);
// The same with one of the plot's column-index setters.
Edit ApplyColumnIndex(CBCGPProp* item, IkelPlot* plot, CkelDataset* dataset, bool (IkelPlot::*setter)(int));
// A plot's column setter that takes every column it is given, for ApplyColumnChoice.
template <class Plot, class Column>
std::function<bool(int)> TakesColumn(Plot* plot, void (Plot::*set)(Column)) {
    return [plot, set](int column) {
        (plot->*set)(static_cast<Column>(column));
        return true;
    };
}
// The rows of a "常规" page: first row, last row and, when given, the step.
void RefreshRows(CBCGPPropList& list, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId);

// ---- value labels --------------------------------------------------------------------------------------------
// Where a page keeps its label items: the show item, the "数据" group (kNoItem when the page has
// none), the "位置" group and the "字体" group.
constexpr DWORD_PTR kNoItem = static_cast<DWORD_PTR>(-1);
struct LabelIds {
    DWORD_PTR show;
    DWORD_PTR data;
    DWORD_PTR position;
    DWORD_PTR font;
};
// The ids of the shared label group (InitLabelProps) and of the bar plot's label page.
constexpr LabelIds kLabelGroupIds{1, 2, 8, 12};
// Show flag; each group expanded and its sub-items enabled only when shown; their values.
void RefreshLabels(CBCGPPropList& list, const LabelIds& ids, CkelPlotLabels* labels);
// An edit of one of the label items: the show flag, the data group (with the plot's range checks;
// the column is the bar series' for a bar series' labels, else the series the column item names),
// the position group or the font. NotMine when the item is none of them; Refused when a row is out
// of the plot's range (nothing written).
Edit ApplyLabelEdit(CBCGPProp* item, const LabelIds& ids, CkelPlotLabels* labels, IkelPlot* plot);
// The edited field of the font group read over the labels' current font (ReadEditedField); nothing
// is written when it is refused.
bool ApplyLabelFont(CBCGPProp* edited, CkelPlotLabels* labels);

// ---- refused items shown again ----------------------------------------------------------------------------------
// The item of an entry's id shows that entry's value with decimals, as the page's edits show a
// refused number again; false, item untouched, for an item of no entry.
bool ShowFixedOf(CBCGPProp* item, std::initializer_list<StoredNumber> stored, int decimals = 2);
// Whether the item is a row or step item of a page (the step only when stepId is given), and one of
// the rows or the step of a label group's "数据".
bool IsRowItem(CBCGPProp* item, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId);
bool IsLabelRow(CBCGPProp* item, const LabelIds& ids);
// The data-table item (tableId) of a "常规" page shown again as the plot's dataset (ShowPlotDataset);
// false for any other item.
bool ShowStoredTable(CBCGPProp* item, IkelPlot* plot, DWORD_PTR tableId);
// A row or step item of a "常规" page shown again from the plot's range; false for any other item.
bool ShowStoredRow(CBCGPProp* item, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId);
// A label item shown again from the labels: a row or step of the data group (the checks against
// the plot's range refuse those); false for any other item.
bool ShowStoredLabel(CBCGPProp* item, const LabelIds& ids, CkelPlotLabels* labels);

// ---- point symbols ---------------------------------------------------------------------------------------------
// A point group whose size item refuses a size the point readers refuse (chart/ChartReaders.h:
// PointSizeTextRule).
CBCGPProp* NewPointGroup(const char* label, DWORD_PTR id);

// ---- the series selector of the bar pages ----------------------------------------------------------------------
// Options: the group's series; value: the current one.
void RefreshSeriesChoice(CBCGPProp* item, CBarFillSeryGrp* group);
// The series the item names becomes the current one; false, nothing changed, for a name no series
// of the group carries (the list refuses it).
bool ApplySeriesChoice(CBCGPProp* item, CBarFillSeryGrp* group);

// The plot's change notification.
void NotifyPlot(IkelPlot* plot);

// ---- border and fill (a bar or histogram series, a rose diagram, a pie piece) ----------------------------------
// The line group "边框" (lineId; style, width, colour at lineId+1 .. +3) and the fill group "填充"
// (lineId+4; flag at +5, style set .. transparency at +6 .. +11), both expanded.
void AddPenFillItems(CBCGPPropList& list, DWORD_PTR lineId);

// Owner: any object with the pen, fill flag, brush and style-set accessors of a bar series.
template <class Owner>
void RefreshPenFill(CBCGPPropList& list, DWORD_PTR lineId, Owner* owner) {
    if (!owner) return;
    QXLOGPEN pen;
    owner->GetLogPen(&pen);
    SetLineProp(list.FindItemByData(lineId, TRUE), pen);
    CBCGPProp* fill = list.FindItemByData(lineId + 4, TRUE);
    if (!fill) return;
    const bool filled = owner->GetIsShowFill();
    SetYesNoProp(fill->GetSubItem(0), filled);
    EnableSubItemsDeep(fill, 1, -1, filled ? TRUE : FALSE);
    QXLOGBRUSH brush;
    owner->GetLogBrush(&brush);
    UpdateFillProps(fill, 1, owner->GetFillStyleSet(), brush);
}

// An edit of the border or fill items: the edited pen field read over the owner's pen
// (ReadEditedField), the fill flag, or the one fill sub-item read over the owner's brush and set
// (after which the plot is told).
// NotMine when the item is none of them; Refused, nothing written, when the edited field is.
template <class Owner>
Edit ApplyPenFill(CBCGPProp* item, DWORD_PTR lineId, Owner* owner, IkelPlot* plot) {
    const DWORD_PTR id = item->GetData();
    if (id < lineId || id > lineId + 11) return Edit::NotMine;
    if (!owner || id == lineId || id == lineId + 4) return Edit::Taken;
    if (id <= lineId + 3) {
        QXLOGPEN pen;
        owner->GetLogPen(&pen);
        if (!ReadEditedField(item, pen)) return Edit::Refused;
        owner->SetLogPen(&pen);
    } else if (id == lineId + 5) {
        owner->SetIsShowFill(ReadYesNo(item));
    } else {
        QXLOGBRUSH brush;
        owner->GetLogBrush(&brush);
        std::string set = owner->GetFillStyleSet();
        if (!GetFillSubProp(item, &set, static_cast<int>(id - lineId - 6), brush)) return Edit::Refused;
        owner->SetLogBrush(&brush);
        owner->SetFillStyleSet(set);
        NotifyPlot(plot);
    }
    return Edit::Taken;
}

// The fill's cell size shown again from the owner's; false for another item. (The border width
// item refuses what the pen reader refuses.)
template <class Owner>
bool ShowStoredPenFill(CBCGPProp* item, DWORD_PTR lineId, Owner* owner) {
    if (!item || !owner || item->GetData() != lineId + 10) return false;
    QXLOGBRUSH brush;
    owner->GetLogBrush(&brush);
    ShowFillSize(item, brush);
    return true;
}
}  // namespace chart

namespace chart {
// An edit of a row item of a "常规" page (the step only when stepId is given); NotMine for another
// item, Refused for a row out of bounds.
Edit ApplyRowEdit(CBCGPProp* item, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId);
}  // namespace chart
