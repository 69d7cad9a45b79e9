#include "chart/PlotItems.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotTexts.h"
#include "framework/GroupTexts.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

namespace chart {

// ---- building -----------------------------------------------------------------------------------------

CBCGPProp* NewPlotItem(const PlotItemDef& def) {
    if (!def.rule) return NewListItem(def.label, def.description, def.id, def.other, !def.choiceOnly);
    CBCGPProp* item = NewNumberItem(def.label, def.description, def.id, def.rule);
    item->AllowEdit(def.choiceOnly ? FALSE : TRUE);
    return item;
}

CBCGPProp* NewPlotGroup(const char* label, DWORD_PTR id) {
    auto* group = new CBCGPProp(label, id, FALSE);
    group->Expand(TRUE);
    return group;
}

void AddToGrid(CBCGPPropList& list, std::initializer_list<CBCGPProp*> items) {
    for (CBCGPProp* item : items) list.AddProperty(item, TRUE, TRUE);
}

// ---- data groups ----------------------------------------------------------------------------------------

namespace {
const PlotItemDef kTableAndAxisItems[] = {
    {kPlotDataTableId, plottext::kDataTable, plottext::kDataTableDescription, true},
    {kPlotXAxisId, plottext::kXAxis, plottext::kXAxisDescription, true},
    {kPlotYAxisId, plottext::kYAxis, plottext::kYAxisDescription, true},
};
}  // namespace

void AddTableAndAxisItems(CBCGPProp* group) { AddPlotItems(group, kTableAndAxisItems); }

void RefreshTableAndAxes(CBCGPPropList& list, IkelPlot* plot) {
    FillDataTableOptions(list.FindItemByData(kPlotDataTableId), plot);
    RefreshAxisChoices(list.FindItemByData(kPlotXAxisId), list.FindItemByData(kPlotYAxisId), plot);
}

Edit ApplyTableOrAxis(CBCGPProp* item, IkelPlot* plot) {
    bool taken = false;
    switch (item->GetData()) {
        case kPlotDataTableId:
            taken = BindDataTableChoice(plot, item->GetParent());
            break;
        case kPlotXAxisId:
        case kPlotYAxisId:
            taken = ApplyAxisChoice(item, plot, item->GetData() == kPlotXAxisId);
            break;
        default:
            return Edit::NotMine;
    }
    return taken ? Edit::Taken : Edit::Refused;
}

namespace {
// The first of the chart's axes of that direction (0 X, 1 Y) carrying the name, as the chart has
// them now; NULL when none does.
IkelAxis* AxisNamed(CkelAxisManager* axes, const CString& name, int direction) {
    for (unsigned i = 0; i < axes->GetAllAxisNum(); ++i) {
        IkelAxis* axis = axes->GetAxis(i);
        if (axis && axis->GetAxisType() == direction && axis->GetName() == name) return axis;
    }
    return nullptr;
}
}  // namespace

bool ApplyAxisChoice(CBCGPProp* item, IkelPlot* plot, bool xAxis) {
    IChartGraph* chart = plot ? plot->GetChartGraph() : nullptr;
    // Looked up when it comes: axes renamed, added or removed since the list was filled move the
    // places the list saw them at.
    IkelAxis* axis = item && chart ? AxisNamed(chart->GetAxisManager(), ItemText(item), xAxis ? 0 : 1) : nullptr;
    if (!axis) return false;
    if (xAxis)
        plot->AttachXAxis(axis);
    else
        plot->AttachYAxis(axis);
    return true;
}

void RefreshAxisChoices(CBCGPProp* xItem, CBCGPProp* yItem, IkelPlot* plot) {
    if (!plot) return;
    FillAxisOptions(xItem, plot, 0, plot->GetAxis1());
    FillAxisOptions(yItem, plot, 1, plot->GetAxis2());
}

Edit ApplyColumnChoice(CBCGPProp* item, CkelDataset* dataset, const std::function<bool(int)>& set) {
    int column = 0;
    if (!ReadFixedList(item, &column)) return Edit::Refused;
    // No series (-1: a count column's "无", the library's index of a missing series) needs no
    // dataset; a series' index is one only while the plot has the dataset it indexes.
    if (column != kMissingSeries && !dataset) return Edit::Refused;
    return set(column) ? Edit::Taken : Edit::Refused;
}

Edit ApplyColumnIndex(CBCGPProp* item, IkelPlot* plot, CkelDataset* dataset, bool (IkelPlot::*setter)(int)) {
    return ApplyColumnChoice(item, dataset, [plot, setter](int column) { return (plot->*setter)(column); });
}

void RefreshRows(CBCGPPropList& list, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId) {
    ShowFirstRow(list.FindItemByData(firstId, TRUE), plot);
    ShowLastRow(list.FindItemByData(lastId, TRUE), plot);
    if (stepId != kNoItem) ShowStep(list.FindItemByData(stepId, TRUE), plot);
}

Edit ApplyRowEdit(CBCGPProp* item, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId) {
    const DWORD_PTR id = item->GetData();
    bool taken = false;
    if (id == firstId)
        taken = OnFirstRowChanged(item, plot);
    else if (id == lastId)
        taken = OnLastRowChanged(item, plot);
    else if (stepId != kNoItem && id == stepId)
        taken = OnStepChanged(item, plot);
    else
        return Edit::NotMine;
    return taken ? Edit::Taken : Edit::Refused;
}

// ---- value labels --------------------------------------------------------------------------------------------

namespace {
CBCGPProp* Find(CBCGPPropList& list, DWORD_PTR id) { return id == kNoItem ? nullptr : list.FindItemByData(id, TRUE); }

void ShowGroup(CBCGPProp* group, bool shown) {
    if (!group) return;
    group->Expand(shown ? TRUE : FALSE);
    EnableSubItems(group, 0, -1, shown ? TRUE : FALSE);
}
}  // namespace

void RefreshLabels(CBCGPPropList& list, const LabelIds& ids, CkelPlotLabels* labels) {
    if (!labels) return;
    const bool shown = labels->GetIsShowlabels();
    SetYesNoProp(Find(list, ids.show), shown);
    CBCGPProp* data = Find(list, ids.data);
    CBCGPProp* position = Find(list, ids.position);
    CBCGPProp* font = Find(list, ids.font);
    for (CBCGPProp* group : {data, position, font}) ShowGroup(group, shown);
    if (data) RefreshLabelData(data, labels);
    RefreshLabelPosition(position, labels);
    if (font) {
        QXLOGFONT current;
        labels->GetLogFont(&current);
        SetFontProp(font, current);
    }
}

Edit ApplyLabelEdit(CBCGPProp* item, const LabelIds& ids, CkelPlotLabels* labels, IkelPlot* plot) {
    const DWORD_PTR id = item->GetData();
    if (id == ids.data || id == ids.position || id == ids.font) return Edit::Taken;
    CBCGPProp* parent = item->GetParent();
    const DWORD_PTR parentId = parent ? parent->GetData() : kNoItem;
    const bool known =
        id == ids.show || (parent && (parentId == ids.data || parentId == ids.position || parentId == ids.font));
    if (!known) return Edit::NotMine;
    if (!labels) return Edit::Taken;
    bool taken = true;
    if (id == ids.show) {
        labels->SetIsShowlabels(ReadYesNo(item));
    } else if (parentId == ids.data) {
        taken = labels->GetBarSery() ? ApplyBarLabelData(item, labels, plot) : ApplyLabelData(item, labels, plot);
    } else if (parentId == ids.position) {
        ApplyLabelPosition(item, labels);
    } else {
        taken = ApplyLabelFont(item, labels);
    }
    return taken ? Edit::Taken : Edit::Refused;
}

bool ApplyLabelFont(CBCGPProp* edited, CkelPlotLabels* labels) {
    if (!edited || !labels) return false;
    QXLOGFONT font;
    labels->GetLogFont(&font);
    if (!ReadEditedField(edited, font)) return false;
    labels->SetLogFont(&font);
    return true;
}

// ---- refused items shown again ----------------------------------------------------------------------------------

bool ShowFixedOf(CBCGPProp* item, std::initializer_list<StoredNumber> stored, int decimals) {
    if (!item) return false;
    for (const StoredNumber& number : stored)
        if (number.id == item->GetData()) {
            ShowFixed(item, number.shown, decimals);
            return true;
        }
    return false;
}

bool IsRowItem(CBCGPProp* item, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId) {
    if (!item) return false;
    const DWORD_PTR id = item->GetData();
    return id == firstId || id == lastId || (stepId != kNoItem && id == stepId);
}

bool IsLabelRow(CBCGPProp* item, const LabelIds& ids) {
    CBCGPProp* group = item ? item->GetParent() : nullptr;
    if (!group || ids.data == kNoItem || group->GetData() != ids.data) return false;
    for (int position : {2, 3, 4})
        if (group->GetSubItem(position) == item) return true;
    return false;
}

bool ShowStoredTable(CBCGPProp* item, IkelPlot* plot, DWORD_PTR tableId) {
    return item && item->GetData() == tableId && ShowPlotDataset(item, plot);
}

bool ShowStoredRow(CBCGPProp* item, IkelPlot* plot, DWORD_PTR firstId, DWORD_PTR lastId, DWORD_PTR stepId) {
    if (!plot || !IsRowItem(item, firstId, lastId, stepId)) return false;
    const DWORD_PTR id = item->GetData();
    if (id == firstId)
        ShowFirstRow(item, plot);
    else if (id == lastId)
        ShowLastRow(item, plot);
    else
        ShowStep(item, plot);
    return true;
}

bool ShowStoredLabel(CBCGPProp* item, const LabelIds& ids, CkelPlotLabels* labels) {
    return labels && IsLabelRow(item, ids) && ShowLabelRow(item, labels);
}

// ---- point symbols ---------------------------------------------------------------------------------------------

CBCGPProp* NewPointGroup(const char* label, DWORD_PTR id) { return CreatePointProp(label, id, PointSizeTextRule()); }

// ---- series selector and notifications ----------------------------------------------------------------------------

void RefreshSeriesChoice(CBCGPProp* item, CBarFillSeryGrp* group) {
    if (!item || !group) return;
    std::vector<ListEntry> entries;
    for (unsigned i = 0; i < group->GetSeryNums(); ++i)
        entries.emplace_back(group->GetFillSery(i)->GetSeryName().c_str(), static_cast<int>(i));
    SetListEntries(item, entries);
    if (CBarFillSery* current = group->GetCurSelFillSery()) item->SetValue(_variant_t(current->GetSeryName().c_str()));
}

bool ApplySeriesChoice(CBCGPProp* item, CBarFillSeryGrp* group) {
    int index = 0;
    if (!item || !group || !ReadFixedList(item, &index)) return false;
    group->SetCurSelIndex(index);
    return true;
}

void NotifyPlot(IkelPlot* plot) {
    if (plot) plot->OnChanged(0);
}

void AddPenFillItems(CBCGPPropList& list, DWORD_PTR lineId) {
    CBCGPProp* line = CreateLineProp(plottext::kBorder, lineId, false);
    line->Expand(TRUE);
    CBCGPProp* fill = InitFillProps(lineId + 4, charttext::kFillTab);
    fill->Expand(TRUE);
    AddToGrid(list, {line, fill});
}

}  // namespace chart
