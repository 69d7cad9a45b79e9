#include "chart/ChartGroups.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "bcg/ColorProp.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace charttext;

namespace chart {

// ---- fill group ---------------------------------------------------------------------------------

CBCGPProp* InitFillProps(DWORD_PTR firstId, const char* name) {
    CBCGPProp* group = new CBCGPProp(name, firstId, FALSE);
    CreateFillFlagProp(group, firstId);
    return group;
}

namespace {
void SetColorIfChanged(CBCGPProp* item, COLORREF color) {
    CBCGPColorProp* colour = DYNAMIC_DOWNCAST(CBCGPColorProp, item);
    if (colour && colour->GetColor() != color) colour->SetColor(color);
}
}  // namespace

void UpdateFillProps(CBCGPProp* group, int first, const std::string& setName, const QXLOGBRUSH& brush) {
    if (!group) return;
    if (CBCGPProp* sets = group->GetSubItem(first)) sets->SetValue(_variant_t(setName.c_str()));
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(first + 1))) {
        if (style->GetVal() != brush.style) {
            style->SetStyleGroup(setName.c_str(), true);
            UINT value = brush.style;
            style->SetVal(value);
            style->Redraw();
        }
    }
    SetColorIfChanged(group->GetSubItem(first + 2), brush.lineColor);
    SetColorIfChanged(group->GetSubItem(first + 3), brush.fillColor);
    ShowFillSize(group->GetSubItem(first + 4), brush);
    if (CBCGPProp* back = group->GetSubItem(first + 5))
        back->SetValue(_variant_t(brush.backMode == kBackModeTransparent ? grouptext::kYes : grouptext::kNo));
}

void ShowFillSize(CBCGPProp* item, const QXLOGBRUSH& brush) {
    if (item) item->SetValue(_variant_t(brush.size / 100.0));
}

// ---- data rows ------------------------------------------------------------------------------------

CBCGPProp* NewRowItem(const char* label, const char* description, DWORD_PTR id) {
    return NewNumberItem(label, description, id, ReaderRule(&ReadRow));
}

CBCGPProp* NewStepItem(const char* label, const char* description, DWORD_PTR id) {
    return NewNumberItem(label, description, id, ReaderRule(&ReadStep));
}

void ShowRowBounds(long long low, long long high) {
    CString message;
    message.Format(kRowBounds, static_cast<int>(low), static_cast<int>(high));
    AfxMessageBox(message);
}

void ShowRow(CBCGPProp* item, long long value) {
    CString text;
    text.Format("%d", static_cast<int>(value));
    SetItemText(item, text);
}

bool RowFits(CBCGPProp* item, bool say, long long low, long long high, long long shown, long long* row) {
    if (!ReadRow(ItemText(item), row)) {
        if (say) ShowRow(item, shown);
        return false;
    }
    if (*row >= low && *row <= high) return true;
    if (say) {
        ShowRowBounds(low, high);
        ShowRow(item, shown);
    }
    return false;
}

bool OnFirstRowChanged(CBCGPProp* item, IkelPlot* plot) {
    if (!item || !plot) return false;
    CkelDataRange* range = plot->GetDataRange();
    long long n = 0;
    if (!RowFits(item, true, 1, static_cast<long long>(range->GetLastRow()) + 1,
                 static_cast<long long>(range->GetFirstRow()) + 1, &n))
        return false;
    range->SetFirstRow(static_cast<unsigned>(n - 1));
    return true;
}

bool OnLastRowChanged(CBCGPProp* item, IkelPlot* plot) {
    if (!item || !plot) return false;
    CkelDataRange* range = plot->GetDataRange();
    const long long rows = plot->GetDataset() ? plot->GetDataset()->GetRows() : 0;
    long long n = 0;
    if (!RowFits(item, true, static_cast<long long>(range->GetFirstRow()) + 1, rows,
                 static_cast<long long>(range->GetLastRow()) + 1, &n))
        return false;
    range->SetLastRow(static_cast<unsigned>(n - 1));
    return true;
}

bool OnStepChanged(CBCGPProp* item, IkelPlot* plot) {
    unsigned step = 0;
    if (!item || !plot || !ReadStep(ItemText(item), &step)) return false;
    plot->GetDataRange()->SetStep(step);
    return true;
}

void ShowFirstRow(CBCGPProp* item, IkelPlot* plot) {
    if (item && plot) ShowRow(item, static_cast<long long>(plot->GetDataRange()->GetFirstRow()) + 1);
}

void ShowLastRow(CBCGPProp* item, IkelPlot* plot) {
    if (item && plot) ShowRow(item, static_cast<long long>(plot->GetDataRange()->GetLastRow()) + 1);
}

void ShowStep(CBCGPProp* item, IkelPlot* plot) {
    if (item && plot) ShowRow(item, plot->GetDataRange()->GetStep());
}

// ---- fixed lists ------------------------------------------------------------------------------------

CFixedListProp* NewListItem(const char* label, const char* description, DWORD_PTR id, OtherText other, bool allowEdit) {
    return new CFixedListProp(label, "", description, id, other, allowEdit);
}

void SetListEntries(CBCGPProp* item, const std::vector<ListEntry>& reads, const std::vector<CString>& offers) {
    if (!item) return;
    CFixedListProp* list = FixedListOf(item);
    if (!list) {
        // Any other item offers the options, each once; what it reads is its page's.
        item->RemoveAllOptions();
        for (const CString& text : offers)
            if (item->FindOption(text) < 0) item->AddOption(text);
        return;
    }
    list->ClearEntries();
    // Each option offered that an entry reads, in the page's order, with the value its first entry
    // gives; the texts read beyond the options, in their order. An option no entry reads (a name
    // kept from data that changed) stands for what the list's rule gives.
    std::unordered_map<std::string, int> values;
    for (const ListEntry& entry : reads) values.emplace(entry.first.str(), entry.second);
    std::unordered_set<std::string> offered;
    std::vector<CString> options;
    for (const CString& text : offers) {
        if (!offered.insert(text.str()).second) continue;
        options.push_back(text);
        const auto read = values.find(text.str());
        if (read != values.end()) list->AddEntry(text, read->second);
    }
    for (const ListEntry& entry : reads)
        if (!offered.count(entry.first.str())) list->AddUnofferedEntry(entry.first, entry.second);
    list->OfferOnly(options);
}

void SetListEntries(CBCGPProp* item, const std::vector<ListEntry>& entries) {
    std::vector<CString> offers;
    for (const ListEntry& entry : entries) offers.push_back(entry.first);
    SetListEntries(item, entries, offers);
}

CBCGPProp* NewNumberListItem(const char* label, const char* description, DWORD_PTR id, int first, int last,
                             bool (*read)(const CString&, int*)) {
    CFixedListProp* item = NewListItem(label, description, id, kOtherRefused, false);
    for (int i = first; i <= last; ++i) item->AddEntry(FormatString("%d", i), i);
    item->SetOtherRule(read);
    item->ShowUnlistedBy([](int number) { return FormatString("%d", number); });
    return item;
}

// The two options' texts have no letter case, so an exact comparison is also a case-blind one.
void SetTwoOptions(CBCGPProp* item, const char* first, const char* second, bool firstShown) {
    CFixedListProp* list = FixedListOf(item);
    if (!list) return;
    list->ClearEntries();
    list->AddEntry(first, 1);
    list->AddEntry(second, 0);
    item->SetValue(_variant_t(firstShown ? first : second));
}

// ---- option lists ---------------------------------------------------------------------------------

void FillDataTableOptions(CBCGPProp* item, IkelPlot* plot) {
    IChartGraph* chart = plot ? plot->GetChartGraph() : nullptr;
    CDataSetMgrObj* manager = chart ? chart->GetDatasetManagerObj() : nullptr;
    if (!item || !manager) return;
    std::vector<ListEntry> entries;
    for (unsigned i = 0; i < manager->GetDatasetNum(); ++i)
        entries.emplace_back(manager->GetDataset(i)->GetName().c_str(), static_cast<int>(i));
    entries.emplace_back(kChooseData, kChooseDataEntry);
    SetListEntries(item, entries);
    if (CkelDataset* dataset = plot->GetDataset()) item->SetValue(_variant_t(dataset->GetName().c_str()));
}

std::vector<ListEntry> SeriesEntries(CkelDataset* dataset) {
    std::vector<ListEntry> entries;
    for (unsigned i = 0; dataset && i < dataset->GetNumOfSeries(); ++i)
        entries.emplace_back(dataset->GetDataSeries(i)->GetName().c_str(), static_cast<int>(i));
    return entries;
}

namespace {
bool KindOffered(int type, SeriesKinds kinds) {
    switch (kinds) {
        case SeriesKinds::Numeric:
            return type == IkelDataSery::KEL_SERY_DOUBLE || type == IkelDataSery::KEL_SERY_INT;
        case SeriesKinds::NumericOrText:
            return type == IkelDataSery::KEL_SERY_DOUBLE || type == IkelDataSery::KEL_SERY_INT ||
                   type == IkelDataSery::KEL_SERY_STRING;
        default:
            return true;
    }
}
}  // namespace

namespace {
// The series of the kinds asked for offered after offers (each text once, as SetListEntries offers).
void OfferSeries(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column, std::vector<CString> offers) {
    for (unsigned i = 0; dataset && i < dataset->GetNumOfSeries(); ++i) {
        IkelDataSery* sery = dataset->GetDataSeries(i);
        if (KindOffered(sery->GetType(), kinds)) offers.emplace_back(sery->GetName().c_str());
    }
    SetListEntries(item, SeriesEntries(dataset), offers);
    if (!dataset || column < 0) return;
    if (IkelDataSery* shown = dataset->GetDataSeries(static_cast<unsigned>(column)))
        item->SetValue(_variant_t(shown->GetName().c_str()));
}
}  // namespace

void FillSeriesOptions(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column) {
    if (item) OfferSeries(item, dataset, kinds, column, {});
}

std::vector<CString> ListOptions(CBCGPProp* item) {
    std::vector<CString> options;
    for (int i = 0; item && i < item->GetOptionCount(); ++i) options.emplace_back(item->GetOption(i));
    return options;
}

void AddSeriesOptions(CBCGPProp* item, CkelDataset* dataset, SeriesKinds kinds, int column) {
    if (item && dataset) OfferSeries(item, dataset, kinds, column, ListOptions(item));
}

void FillNumericColumnOptions(CBCGPProp* item, IkelPlot* plot, int column) {
    FillSeriesOptions(item, plot ? plot->GetDataset() : nullptr, SeriesKinds::Numeric, column);
}

void FillTernaryClassOptions(CBCGPProp* item, IkelPlot* plot, int column) {
    FillSeriesOptions(item, plot ? plot->GetDataset() : nullptr, SeriesKinds::NumericOrText, column);
}

void FillColumnOptions(CBCGPProp* item, IkelPlot* plot, int column) {
    FillSeriesOptions(item, plot ? plot->GetDataset() : nullptr, SeriesKinds::All, column);
}

void FillClassColumnOptions(CBCGPProp* item, CkelClassPlot* plot) {
    if (!plot) return;
    FillSeriesOptions(item, plot->GetDataset(), SeriesKinds::All, static_cast<int>(plot->GetClassCol()));
}

void FillAxisOptions(CBCGPProp* item, IkelPlot* plot, int direction, IkelAxis* current) {
    IChartGraph* chart = plot ? plot->GetChartGraph() : nullptr;
    if (!item || !chart) return;
    std::vector<ListEntry> entries;
    CkelAxisManager* axes = chart->GetAxisManager();
    for (unsigned i = 0; i < axes->GetAllAxisNum(); ++i) {
        IkelAxis* axis = axes->GetAxis(i);
        if (axis && axis->GetAxisType() == direction) entries.emplace_back(axis->GetName(), static_cast<int>(i));
    }
    SetListEntries(item, entries);
    if (current) item->SetValue(_variant_t(current->GetName()));
}

// ---- percentage unit --------------------------------------------------------------------------------

namespace {
// The unit texts have no letter case, so an exact comparison is also a case-blind one.
constexpr TextValue kUnits[] = {
    {kUnitNone, 0}, {kUnitPercent, 1}, {kUnitTen, 2}, {kUnitHundred, 3}, {kUnitThousand, 4},
};
}  // namespace

const char* UnitText(int code) { return TextOfValue(kUnits, code, kUnitNone); }

CBCGPProp* NewUnitItem(const char* label, const char* description, DWORD_PTR id, int count) {
    CFixedListProp* item = NewListItem(label, description, id, OtherTakenAs(0), false);
    item->AddEntries(kUnits, static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(std::size(kUnits)))));
    item->AddUnofferedEntries(kUnits);
    return item;
}

}  // namespace chart
