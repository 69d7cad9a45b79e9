#include "chart/ChartDataFiles.h"

#include <boost/filesystem.hpp>

#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/FileDialog.h"
#include "mfc/Variant.h"

using namespace charttext;

namespace chart {

// ---- statistics data files and datasets ---------------------------------------------------------

namespace {

CDataSetMgrObj* DatasetManager(IkelPlot* plot) {
    IChartGraph* chart = plot ? plot->GetChartGraph() : nullptr;
    return chart ? chart->GetDatasetManagerObj() : nullptr;
}

std::string DatasetName(CkelDataset* dataset) { return dataset ? dataset->GetName() : std::string(); }

}  // namespace

bool ShowPlotDataset(CBCGPProp* item, IkelPlot* plot) {
    CkelDataset* dataset = plot ? plot->GetDataset() : nullptr;
    if (!item || !dataset || !DatasetManager(plot)) return false;
    item->SetValue(_variant_t(dataset->GetName().c_str()));
    return true;
}

bool BrowseStatDataFile(std::string& path) {
    CFileDialog dialog(TRUE, kStatFileExtension, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kStatFileFilter,
                       nullptr);
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.GetPathName().str();
    return !path.empty();
}

CkelDataset* CreateDatasetFromFile(IkelPlot* plot, CBCGPProp* item) {
    if (!plot) return nullptr;
    std::string path;
    if (!BrowseStatDataFile(path)) {
        ShowPlotDataset(item, plot);
        return nullptr;
    }
    boost::system::error_code error;
    const boost::filesystem::path file(path);
    if (!boost::filesystem::exists(file, error)) {
        AfxMessageBox(kFileMissing);
        ShowPlotDataset(item, plot);
        return nullptr;
    }
    const std::string name = file.filename().string();
    CDataSetMgrObj* manager = DatasetManager(plot);
    if (!manager) return nullptr;
    if (manager->IsDatasetExist(name)) {
        AfxMessageBox(kDatasetExists);
        ShowPlotDataset(item, plot);
        return nullptr;
    }
    IkelDataAdapter* adapter = CChartDataFactory::Instance()->GetAdapterInstance(path);
    if (!adapter) {
        AfxMessageBox(kFormatUnsupported);
        return nullptr;
    }
    if (!adapter->Open()) {
        ShowPlotDataset(item, plot);
        return nullptr;
    }
    CkelDataset* dataset = manager->CreateDataset(name);
    adapter->Fill(dataset);
    if (!CChartGraphUtility::IsDataSetValidateForPlot(dataset, plot->GetPlotType())) {
        AfxMessageBox(kDatasetUnsuitable);
        return nullptr;
    }
    return dataset;
}

CkelDataset* UseExistingDataset(CBCGPProp* item, IkelPlot* plot) {
    CDataSetMgrObj* manager = DatasetManager(plot);
    if (!manager || !item) return nullptr;
    CkelDataset* dataset = manager->GetDataset(std::string(ItemText(item)));
    if (!dataset) return nullptr;
    if (dataset->GetName() != DatasetName(plot->GetDataset()) &&
        !CChartGraphUtility::IsDataSetValidateForPlot(dataset, plot->GetPlotType())) {
        AfxMessageBox(kDatasetUnsuitable);
        return nullptr;
    }
    return dataset;
}

void OnDataTableChanged(IkelPlot* plot, CBCGPProp* group) {
    CBCGPProp* item = group ? group->GetSubItem(0) : nullptr;
    if (!item || !DatasetManager(plot)) return;
    // Any item: its text is a dataset's name, or the choice of a file; a name no dataset carries
    // binds nothing.
    CkelDataset* dataset =
        ItemText(item) == kChooseData ? CreateDatasetFromFile(plot, item) : UseExistingDataset(item, plot);
    if (!dataset) return;
    plot->SetOuterDataset(dataset);
    plot->UpdateByDataset(dataset);
    plot->GetChartGraph()->OnChanged(0);
}

bool BindDataTableChoice(IkelPlot* plot, CBCGPProp* group) {
    CBCGPProp* item = group ? group->GetSubItem(0) : nullptr;
    CDataSetMgrObj* manager = DatasetManager(plot);
    if (!item || !manager) return false;
    // What was chosen, read before the change: a file refused puts the plot's dataset name back.
    const CString chosen = ItemText(item);
    CkelDataset* before = plot->GetDataset();
    OnDataTableChanged(plot, group);
    // A file's dataset is always a new one, any other dataset bound differs from the plot's; only
    // the plot's own dataset, chosen by its name, is bound again without the plot changing.
    return plot->GetDataset() != before ||
           (before && chosen != kChooseData && manager->GetDataset(std::string(chosen)) == before);
}

// ---- value-label group ---------------------------------------------------------------------------

CBCGPProp* InitLabelProps(const char* name) {
    CBCGPProp* group = new CBCGPProp(name, kLabelGroupId, FALSE);
    group->AddSubItem(CreateYesNoProp(kShowLabels, kLabelShowId, _variant_t(""), ""));

    CBCGPProp* data = new CBCGPProp(kLabelData, kLabelDataId, FALSE);
    data->AddSubItem(CreateYesNoProp(kLabelsInYColumn, kLabelInYColumnId, _variant_t(""), ""));
    // A name no series carries is column 0.
    data->AddSubItem(NewListItem(kLabelColumn, kLabelColumnDescription, kLabelColumnId, OtherTakenAs(0), false));
    data->AddSubItem(NewRowItem(kFirstRow, kFirstRow, kLabelFirstRowId));
    data->AddSubItem(NewRowItem(kLastRow, kLastRow, kLabelLastRowId));
    data->AddSubItem(NewStepItem(kStep, kStep, kLabelStepId));
    group->AddSubItem(data);

    CBCGPProp* position = new CBCGPProp(kLabelPosition, kLabelPositionId, FALSE);
    position->AddSubItem(NewNumberItem(kXOffset, kXOffsetDescription, kLabelXOffsetId, ReaderRule(&ReadScaledOffset)));
    position->AddSubItem(NewNumberItem(kYOffset, kYOffsetDescription, kLabelYOffsetId, ReaderRule(&ReadScaledOffset)));
    position->AddSubItem(NewNumberItem(kAngle, kAngleDescription, kLabelAngleId, LeadingNumberRule()));
    group->AddSubItem(position);

    CBCGPProp* font = CreateFontProp(kFont, kLabelFontId);
    font->Expand(TRUE);
    group->AddSubItem(font);
    return group;
}

namespace {
// The position group's values as it shows them: the offsets / 100 and the angle.
struct LabelPositionShown {
    explicit LabelPositionShown(CkelPlotLabels* labels)
        : values{labels->GetXoffset() / 100.0, labels->GetYoffset() / 100.0, labels->GetAngle()} {}
    double values[3];
};
}  // namespace

void RefreshLabelPosition(CBCGPProp* group, CkelPlotLabels* labels) {
    if (!group || !labels || group->GetSubItemsCount() < 3) return;
    const LabelPositionShown shown(labels);
    for (int i = 0; i < 3; ++i) ShowFixed(group->GetSubItem(i), shown.values[i], 1);
}

void SetBarLabelColumn(CBCGPProp* item, CkelDataset* dataset, int barColumn) {
    CFixedListProp* list = FixedListOf(item);
    if (!list) return;
    IkelDataSery* sery = dataset && barColumn >= 0 ? dataset->GetDataSeries(static_cast<unsigned>(barColumn)) : nullptr;
    std::vector<ListEntry> reads;
    if (sery) reads.emplace_back(sery->GetName().c_str(), barColumn);
    SetListEntries(list, reads, ListOptions(list));
    // Whatever the column item names, the labels take the bar series' column.
    list->SetOther(OtherTakenAs(barColumn));
}

void RefreshLabelData(CBCGPProp* group, CkelPlotLabels* labels) {
    if (!group || !labels || group->GetSubItemsCount() < 5) return;
    const bool inY = labels->GetIsLabelsInYCol();
    SetYesNoProp(group->GetSubItem(0), inY);
    CBCGPProp* column = group->GetSubItem(1);
    // Hidden labels leave the whole group disabled; shown ones in the Y column need no column.
    column->Enable(labels->GetIsShowlabels() && !inY);
    IkelPlot* plot = labels->GetPlot();
    AddSeriesOptions(column, plot ? plot->GetDataset() : nullptr, SeriesKinds::Numeric, labels->GetLabelsColIndex());
    for (int i = 2; i < 5; ++i) ShowLabelRow(group->GetSubItem(i), labels);
}

bool ShowLabelRow(CBCGPProp* item, CkelPlotLabels* labels) {
    CBCGPProp* group = item ? item->GetParent() : nullptr;
    if (!group || !labels) return false;
    const long long shown[] = {static_cast<long long>(labels->GetFirstlabelRow()) + 1,
                               static_cast<long long>(labels->GetLastlabelRow()) + 1, labels->GetStep()};
    for (int i = 2; i < 5 && i < group->GetSubItemsCount(); ++i)
        if (group->GetSubItem(i) == item) {
            ShowRow(item, shown[i - 2]);
            return true;
        }
    return false;
}

void ApplyLabelPosition(CBCGPProp* edited, CkelPlotLabels* labels) {
    CBCGPProp* group = edited ? edited->GetParent() : nullptr;
    if (!group || !labels || group->GetSubItemsCount() < 3) return;
    const LabelPositionShown shown(labels);
    const double stored[] = {labels->GetXoffset(), labels->GetYoffset(), labels->GetAngle()};
    double values[3] = {};
    bool read[3] = {};
    for (int i = 0; i < 3; ++i) {
        CBCGPProp* item = group->GetSubItem(i);
        const CString text = ItemText(item);
        // The edited entry is the number typed (the items read by these readers, so it always
        // reads); another one still showing the stored value stands for it, unrounded, and one
        // that does not read keeps the stored value.
        if (item != edited && numtext::ShowsStored(text, shown.values[i])) {
            values[i] = stored[i];
            read[i] = true;
        } else {
            read[i] = i < 2 ? ReadScaledOffset(text, &values[i]) : numtext::LeadingNumber(text, &values[i]);
        }
    }
    if (read[0]) labels->SetXoffset(values[0]);
    if (read[1]) labels->SetYoffset(values[1]);
    if (read[2]) labels->SetAngle(values[2]);
}

namespace {
bool IsDataGroupItem(CBCGPProp* edited) {
    CBCGPProp* group = edited ? edited->GetParent() : nullptr;
    return group && group->GetSubItemsCount() >= 5;
}
}  // namespace

// The flag, the column (read from its list only for labels off the Y column), then the rows and the
// step, each checked as the labels take them: a row out of the plot's range shows its message and
// the stored row again, a step below 1 the stored step. The edited entry decides: when it is refused
// nothing of the group is written; another one that no longer passes keeps the stored value.
bool ApplyLabelData(CBCGPProp* edited, CkelPlotLabels* labels, IkelPlot* plot) {
    if (!IsDataGroupItem(edited) || !labels || !plot) return false;
    CBCGPProp* group = edited->GetParent();
    CkelDataRange* range = plot->GetDataRange();
    CBCGPProp* firstItem = group->GetSubItem(2);
    CBCGPProp* lastItem = group->GetSubItem(3);
    CBCGPProp* stepItem = group->GetSubItem(4);
    const long long rows = plot->GetDataset() ? plot->GetDataset()->GetRows() : 0;
    auto first = [&](bool write) {
        long long n = 0;
        if (!RowFits(firstItem, true, 1, static_cast<long long>(range->GetLastRow()) + 1,
                     static_cast<long long>(labels->GetFirstlabelRow()) + 1, &n))
            return false;
        if (write) labels->SetFirstlabelRow(static_cast<unsigned>(n - 1));
        return true;
    };
    auto last = [&](bool write) {
        long long n = 0;
        if (!RowFits(lastItem, true, static_cast<long long>(range->GetFirstRow()) + 1, rows,
                     static_cast<long long>(labels->GetLastlabelRow()) + 1, &n))
            return false;
        if (write) labels->SetLastlabelRow(static_cast<unsigned>(n - 1));
        return true;
    };
    auto step = [&](bool write) {
        unsigned n = 0;
        if (!ReadStep(ItemText(stepItem), &n)) {
            ShowRow(stepItem, labels->GetStep());
            return false;
        }
        if (write) labels->SetStep(n);
        return true;
    };
    if ((edited == firstItem && !first(false)) || (edited == lastItem && !last(false)) ||
        (edited == stepItem && !step(false)))
        return false;
    const bool inY = ReadYesNo(group->GetSubItem(0));
    int column = 0;
    if (!inY && !ReadFixedList(group->GetSubItem(1), &column)) return false;
    labels->SetIsLabelsInYCol(inY);
    if (!inY) labels->SetLabelsColIndex(column);
    first(true);
    last(true);
    step(true);
    return true;
}

bool ApplyBarLabelData(CBCGPProp* edited, CkelPlotLabels* labels, IkelPlot* plot) {
    if (!IsDataGroupItem(edited) || !labels || !labels->GetBarSery() || !plot) return false;
    SetBarLabelColumn(edited->GetParent()->GetSubItem(1), plot->GetDataset(), labels->GetBarSery()->GetColIndex());
    return ApplyLabelData(edited, labels, plot);
}

// ---- bar layout group ----------------------------------------------------------------------------

void RefreshBarLayout(CBCGPProp* group, CkelBarPlot* plot) {
    if (!group || !plot || group->GetSubItemsCount() < 4) return;
    ShowFixed(group->GetSubItem(0), plot->GetWidthPercent() * 100, 2);

    CBCGPProp* stack = group->GetSubItem(1);
    SetTwoOptions(stack, kStackUpDown, kStackSideBySide, plot->GetIsStack());
    stack->Enable(plot->GetFillSeryGroup()->GetSeryNums() >= 2);

    ShowFixed(group->GetSubItem(2), plot->GetOverLapPer() * 100, 2);
    group->GetSubItem(2)->Enable(!plot->GetIsStack());

    CBCGPProp* direction = group->GetSubItem(3);
    SetTwoOptions(direction, kHorizontal, kVertical, plot->GetIsHorizontal());
    IkelAxis* axis = plot->GetBaseAxis();
    direction->Enable(!axis || axis->GetNumsOfPlots() < 2);
}

}  // namespace chart
