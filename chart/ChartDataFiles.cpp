#include "chart/ChartDataFiles.h"

#include <climits>

#include <boost/filesystem.hpp>

#include "chart/ChartGroups.h"
#include "chart/ChartTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/FileDialog.h"
#include "mfc/Variant.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"

using namespace charttext;

namespace chart {

// ---- statistics data files and datasets ---------------------------------------------------------

namespace {

CDataSetMgrObj* DatasetManager(IkelPlot* plot) {
    IChartGraph* chart = plot ? plot->GetChartGraph() : nullptr;
    return chart ? chart->GetDatasetManagerObj() : nullptr;
}

std::string DatasetName(CkelDataset* dataset) { return dataset ? dataset->GetName() : std::string(); }

// The item shows the plot's dataset again.
void ShowPlotDataset(CBCGPProp* item, const std::string& name) {
    if (item) item->SetValue(_variant_t(name.c_str()));
}

}  // namespace

bool BrowseStatDataFile(std::string& path) {
    CFileDialog dialog(TRUE, kStatFileExtension, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kStatFileFilter,
                       nullptr);
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.GetPathName().str();
    return !path.empty();
}

CkelDataset* CreateDatasetFromFile(IkelPlot* plot, CBCGPProp* item) {
    if (!plot) return nullptr;
    const std::string current = DatasetName(plot->GetDataset());
    std::string path;
    if (!BrowseStatDataFile(path)) {
        ShowPlotDataset(item, current);
        return nullptr;
    }
    boost::system::error_code error;
    const boost::filesystem::path file(path);
    if (!boost::filesystem::exists(file, error)) {
        AfxMessageBox(kFileMissing);
        ShowPlotDataset(item, current);
        return nullptr;
    }
    const std::string name = file.filename().string();
    CDataSetMgrObj* manager = DatasetManager(plot);
    if (!manager) return nullptr;
    if (manager->IsDatasetExist(name)) {
        AfxMessageBox(kDatasetExists);
        ShowPlotDataset(item, current);
        return nullptr;
    }
    IkelDataAdapter* adapter = CChartDataFactory::Instance()->GetAdapterInstance(path);
    if (!adapter) {
        AfxMessageBox(kFormatUnsupported);
        return nullptr;
    }
    if (!adapter->Open()) {
        ShowPlotDataset(item, current);
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
    if (!DatasetManager(plot) || !group) return;
    CBCGPProp* item = group->GetSubItem(0);
    if (!item) return;
    CkelDataset* dataset =
        ItemText(item) == kChooseData ? CreateDatasetFromFile(plot, item) : UseExistingDataset(item, plot);
    if (!dataset) return;
    plot->SetOuterDataset(dataset);
    plot->UpdateByDataset(dataset);
    plot->GetChartGraph()->OnChanged(0);
}

// ---- value-label group ---------------------------------------------------------------------------

CBCGPProp* InitLabelProps(const char* name) {
    CBCGPProp* group = new CBCGPProp(name, kLabelGroupId, FALSE);
    group->AddSubItem(CreateYesNoProp(kShowLabels, kLabelShowId, _variant_t(""), ""));

    CBCGPProp* data = new CBCGPProp(kLabelData, kLabelDataId, FALSE);
    data->AddSubItem(CreateYesNoProp(kLabelsInYColumn, kLabelInYColumnId, _variant_t(""), ""));
    CBCGPProp* column = new CBCGPProp(kLabelColumn, _variant_t(""), kLabelColumnDescription, kLabelColumnId);
    column->AllowEdit(FALSE);
    data->AddSubItem(column);
    data->AddSubItem(NewTextItem(kFirstRow, kFirstRow, kLabelFirstRowId));
    data->AddSubItem(NewTextItem(kLastRow, kLastRow, kLabelLastRowId));
    data->AddSubItem(NewTextItem(kStep, kStep, kLabelStepId));
    group->AddSubItem(data);

    CBCGPProp* position = new CBCGPProp(kLabelPosition, kLabelPositionId, FALSE);
    position->AddSubItem(NewTextItem(kXOffset, kXOffsetDescription, kLabelXOffsetId));
    position->AddSubItem(NewTextItem(kYOffset, kYOffsetDescription, kLabelYOffsetId));
    position->AddSubItem(NewTextItem(kAngle, kAngleDescription, kLabelAngleId));
    group->AddSubItem(position);

    CBCGPProp* font = CreateFontProp(kFont, kLabelFontId, kHundredthsNumberRequired);
    font->Expand(TRUE);
    group->AddSubItem(font);
    return group;
}

namespace {
void ShowOneDecimal(CBCGPProp* item, double value) {
    CString text;
    text.Format("%.1f", value);
    SetItemText(item, text);
}
}  // namespace

void RefreshLabelPosition(CBCGPProp* group, CkelPlotLabels* labels) {
    if (!group || !labels || group->GetSubItemsCount() < 3) return;
    ShowOneDecimal(group->GetSubItem(0), labels->GetXoffset() / 100.0);
    ShowOneDecimal(group->GetSubItem(1), labels->GetYoffset() / 100.0);
    ShowOneDecimal(group->GetSubItem(2), labels->GetAngle());
}

void RefreshLabelData(CBCGPProp* group, CkelPlotLabels* labels) {
    if (!group || !labels || group->GetSubItemsCount() < 5) return;
    const bool inY = labels->GetIsLabelsInYCol();
    SetYesNoProp(group->GetSubItem(0), inY);
    CBCGPProp* column = group->GetSubItem(1);
    // Hidden labels leave the whole group disabled; shown ones in the Y column need no column.
    column->Enable(labels->GetIsShowlabels() && !inY);
    IkelPlot* plot = labels->GetPlot();
    if (CkelDataset* dataset = plot ? plot->GetDataset() : nullptr) {
        for (unsigned i = 0; i < dataset->GetNumOfSeries(); ++i) {
            IkelDataSery* sery = dataset->GetDataSeries(i);
            if (sery->GetType() == IkelDataSery::KEL_SERY_DOUBLE || sery->GetType() == IkelDataSery::KEL_SERY_INT)
                column->AddOption(sery->GetName().c_str(), TRUE);
        }
        if (labels->GetLabelsColIndex() >= 0)
            if (IkelDataSery* shown = dataset->GetDataSeries(static_cast<unsigned>(labels->GetLabelsColIndex())))
                column->SetValue(_variant_t(shown->GetName().c_str()));
    }
    ShowRow(group->GetSubItem(2), static_cast<long long>(labels->GetFirstlabelRow()) + 1);
    ShowRow(group->GetSubItem(3), static_cast<long long>(labels->GetLastlabelRow()) + 1);
    ShowRow(group->GetSubItem(4), labels->GetStep());
}

namespace {
// The leading number of the item's text times scale; false when a double cannot hold it.
bool ReadScaled(CBCGPProp* item, double scale, double* value) {
    double number = 0;
    return numtext::LeadingNumber(ItemText(item), &number) && numtext::Scale(number, scale, value);
}
}  // namespace

void ApplyLabelPosition(CBCGPProp* group, CkelPlotLabels* labels) {
    if (!group || !labels || group->GetSubItemsCount() < 3) return;
    double value = 0;
    if (ReadScaled(group->GetSubItem(0), numtext::kHundredths, &value)) labels->SetXoffset(value);
    if (ReadScaled(group->GetSubItem(1), numtext::kHundredths, &value)) labels->SetYoffset(value);
    if (ReadScaled(group->GetSubItem(2), 1.0, &value)) labels->SetAngle(value);
}

namespace {

// The index of the first series of the plot's dataset named name; 0 when none is.
int SeriesIndexByName(IkelPlot* plot, const CString& name) {
    CkelDataset* dataset = plot ? plot->GetDataset() : nullptr;
    const int index = dataset ? dataset->GetDataSeriesIndex(std::string(name)) : -1;
    return index < 0 ? 0 : index;
}

// Rows and step of the labels, checked against the plot's data range; a refused row shows the
// labels' own row again.
void ApplyLabelRows(CBCGPProp* group, CkelPlotLabels* labels, IkelPlot* plot) {
    CkelDataRange* range = plot->GetDataRange();
    long long n = 0;
    CBCGPProp* first = group->GetSubItem(2);
    const long long lastOfRange = static_cast<long long>(range->GetLastRow()) + 1;
    if (ReadRowNumber(first, &n) && n >= 1 && n <= lastOfRange) {
        labels->SetFirstlabelRow(static_cast<unsigned>(n - 1));
    } else {
        ShowRowBounds(1, lastOfRange);
        ShowRow(first, static_cast<long long>(labels->GetFirstlabelRow()) + 1);
    }
    CBCGPProp* last = group->GetSubItem(3);
    const long long firstOfRange = static_cast<long long>(range->GetFirstRow()) + 1;
    const long long rows = plot->GetDataset() ? plot->GetDataset()->GetRows() : 0;
    if (ReadRowNumber(last, &n) && n >= firstOfRange && n <= rows) {
        labels->SetLastlabelRow(static_cast<unsigned>(n - 1));
    } else {
        ShowRowBounds(firstOfRange, rows);
        ShowRow(last, static_cast<long long>(labels->GetLastlabelRow()) + 1);
    }
    CBCGPProp* step = group->GetSubItem(4);
    unsigned stepValue = 0;
    if (ReadStep(step, &stepValue))
        labels->SetStep(stepValue);
    else
        ShowRow(step, labels->GetStep());
}

void ApplyLabelDataWithColumn(CBCGPProp* group, CkelPlotLabels* labels, IkelPlot* plot, int column) {
    const bool inY = GetYesNoProp(group->GetSubItem(0));
    labels->SetIsLabelsInYCol(inY);
    if (!inY) labels->SetLabelsColIndex(column);
    ApplyLabelRows(group, labels, plot);
}

}  // namespace

void ApplyLabelData(CBCGPProp* group, CkelPlotLabels* labels, IkelPlot* plot) {
    if (!group || !labels || !plot || group->GetSubItemsCount() < 5) return;
    ApplyLabelDataWithColumn(group, labels, plot, SeriesIndexByName(plot, ItemText(group->GetSubItem(1))));
}

void ApplyBarLabelData(CBCGPProp* group, CkelPlotLabels* labels, IkelPlot* plot, int barColumn) {
    if (!group || !labels || !plot || group->GetSubItemsCount() < 5) return;
    ApplyLabelDataWithColumn(group, labels, plot, barColumn);
}

// ---- bar layout group ----------------------------------------------------------------------------

void RefreshBarLayout(CBCGPProp* group, CkelBarPlot* plot) {
    if (!group || !plot || group->GetSubItemsCount() < 4) return;
    CString text;
    text.Format("%.2f", plot->GetWidthPercent() * 100);
    SetItemText(group->GetSubItem(0), text);

    CBCGPProp* stack = group->GetSubItem(1);
    stack->AddOption(kStackUpDown, TRUE);
    stack->AddOption(kStackSideBySide, TRUE);
    stack->SetValue(_variant_t(plot->GetIsStack() ? kStackUpDown : kStackSideBySide));
    stack->Enable(plot->GetFillSeryGroup()->GetSeryNums() >= 2);

    text.Format("%.2f", plot->GetOverLapPer() * 100);
    SetItemText(group->GetSubItem(2), text);
    group->GetSubItem(2)->Enable(!plot->GetIsStack());

    CBCGPProp* direction = group->GetSubItem(3);
    direction->AddOption(kHorizontal, TRUE);
    direction->AddOption(kVertical, TRUE);
    direction->SetValue(_variant_t(plot->GetIsHorizontal() ? kHorizontal : kVertical));
    IkelAxis* axis = plot->GetBaseAxis();
    direction->Enable(!axis || axis->GetNumsOfPlots() < 2);
}

}  // namespace chart
