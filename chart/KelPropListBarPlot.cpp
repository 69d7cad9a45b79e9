#include "chart/KelPropListBarPlot.h"

#include "chart/AxisGroups.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListBarPlot;

static_assert(DWORD_PTR{Page::kDataTableId} == kPlotDataTableId && DWORD_PTR{Page::kYAxisId} == kPlotYAxisId,
              "the shared data table and axes");
constexpr PlotItemDef kRowItems[] = {
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false},
    {Page::kStepId, charttext::kStep, kStepDescription, false},
};
constexpr PlotItemDef kLayoutItems[] = {
    {Page::kWidthId, kBarWidth, kBarWidthDescription, false},
    {Page::kStackId, kStackStyle, kOverlapDescription, false},
    {Page::kOverlapId, kOverlap, kOverlapDescription, false},
    {Page::kDirectionId, kDirection, kDirectionDescription, false},
};

void ShowPercent(CBCGPProp* item, double fraction) { SetItemText(item, FormatString("%.2f", fraction * 100)); }

// Whether the first series of the dataset is a text series, the only kind a bar plot transposes.
bool FirstSeriesIsText(CkelDataset* dataset) {
    IkelDataSery* first = dataset ? dataset->GetDataSeries(0u) : nullptr;
    return first && first->GetType() == IkelDataSery::KEL_SERY_STRING;
}

}  // namespace

void ApplyBarWidth(CBCGPProp* item, CkelBarPlot* plot) {
    if (!item || !plot) return;
    double value = 0;
    if (GetNumberProp(item, &value)) {
        if (value <= 100) {
            plot->SetWidthPercent(value / 100);
            return;
        }
        AfxMessageBox(kWidthRange);
    }
    ShowPercent(item, plot->GetWidthPercent());
}

void ApplyBarOverlap(CBCGPProp* item, CkelBarPlot* plot) {
    if (!item || !plot) return;
    double value = 0;
    if (ReadDigitText(item, &value)) {
        if (value >= -100 && value <= 100) {
            plot->SetOverLapPer(value / 100);
            return;
        }
        AfxMessageBox(kOverlapRange);
    }
    ShowPercent(item, plot->GetOverLapPer());
}

CkelPropListBarPlot::CkelPropListBarPlot() = default;
CkelPropListBarPlot::~CkelPropListBarPlot() = default;

int CkelPropListBarPlot::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId);
    AddTableAndAxisItems(data);
    data->AddSubItem(NewPlotItem({kBaseColumnId, kBaseColumn, kBaseColumnDescription, true}));
    auto* series = new CBCGPPropBarDataSery(charttext::kSeryName, _variant_t(kDataSeriesValue), kDataSeriesDescription,
                                            kDataSeriesId);
    series->Enable(FALSE);
    data->AddSubItem(series);
    data->AddSubItem(CreateYesNoProp(kSeriesTransfer, kTransferId, _variant_t(""), ""));
    AddPlotItems(data, kRowItems);
    AddToGrid(m_wndPropList, {data, NewPlotGroup(kLayoutGroup, kLayoutGroupId, kLayoutItems)});
    return 0;
}

void CkelPropListBarPlot::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* plot = TargetAs<CkelBarPlot>();
    if (!plot) return;
    RefreshTableAndAxes(m_wndPropList, plot);
    FillColumnOptions(m_wndPropList.FindItemByData(kBaseColumnId), plot, plot->GetAxis1ColumnIndex());
    // "系列变换" takes only a dataset whose first series is a text series; it is offered again
    // whenever such a dataset is shown.
    if (CBCGPProp* transfer = m_wndPropList.FindItemByData(kTransferId)) {
        SetYesNoProp(transfer, plot->GetIsTransfer());
        transfer->Enable(FirstSeriesIsText(plot->GetOuterDataset()) ? TRUE : FALSE);
    }
    RefreshRows(m_wndPropList, plot, kFirstRowId, kLastRowId, kStepId);
    RefreshBarLayout(m_wndPropList.FindItemByData(kLayoutGroupId), plot);
}

LRESULT CkelPropListBarPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return 0;
    switch (item->GetData()) {
        case kBaseColumnId:
            plot->SetAxis1ColumnIndex(ChosenSeriesIndex(plot->GetDataset(), item));
            break;
        case kTransferId:
            plot->SetIsTransfer(GetYesNoProp(item));
            break;
        case kWidthId:
            ApplyBarWidth(item, plot);
            break;
        case kStackId:
            plot->SetStackMethod(ItemText(item).CompareNoCase(charttext::kStackUpDown) == 0);
            break;
        case kOverlapId:
            ApplyBarOverlap(item, plot);
            break;
        case kDirectionId:
            plot->SetIsHorizontal(ItemText(item).CompareNoCase(charttext::kHorizontal) == 0);
            break;
        default:
            if (!ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId)) ApplyTableOrAxis(item, plot);
            break;
    }
    UpdateView();
    return 0;
}
