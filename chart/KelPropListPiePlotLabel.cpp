#include "chart/KelPropListPiePlotLabel.h"

#include "chart/AxisTexts.h"
#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/GroupTexts.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace charttext;

namespace {

using Page = CkelPropListPiePlotLabel;

const PlotItemDef kRowItems[] = {
    {Page::kFirstRowId, kFirstRow, kFirstRow, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, kLastRow, kLastRow, false, ReaderRule(&ReadRow)},
    {Page::kStepId, kStep, kStep, false, ReaderRule(&ReadStep)},
};

void RefreshLabelColumn(CBCGPPropList& list, CPiePlot* plot) {
    const bool dataColumn = plot->GetLabelCol() == plot->GetDataCol();
    SetYesNoProp(list.FindItemByData(Page::kDataColumnValueId), dataColumn);
    CBCGPProp* column = list.FindItemByData(Page::kColumnId);
    if (!column) return;
    column->Enable(dataColumn ? FALSE : TRUE);
    // Its entries follow the dataset, enabled or not; its options grow only while it is enabled.
    CkelDataset* outer = plot->GetOuterDataset();
    if (dataColumn)
        SetListEntries(column, SeriesEntries(outer), ListOptions(column));
    else
        AddSeriesOptions(column, outer, SeriesKinds::All, plot->GetLabelCol());
}

// A row of the labels (from 1) or their step; false for another item.
bool ShowLabelRow(CBCGPProp* item, CPiePlot* plot) {
    if (!item) return false;
    const CPiePlot::CLabelRange* range = plot->GetLabel();
    switch (item->GetData()) {
        case Page::kFirstRowId:
            ShowRow(item, static_cast<long long>(range->m_nFirstRow) + 1);
            return true;
        case Page::kLastRowId:
            ShowRow(item, static_cast<long long>(range->m_nLastRow) + 1);
            return true;
        case Page::kStepId:
            ShowRow(item, range->m_nStep);
            return true;
        default:
            return false;
    }
}

void RefreshLabelRows(CBCGPPropList& list, CPiePlot* plot) {
    for (DWORD_PTR id : {Page::kFirstRowId, Page::kLastRowId, Page::kStepId})
        ShowLabelRow(list.FindItemByData(id), plot);
}

void RefreshPlace(CBCGPPropList& list, CPiePlot* plot) {
    const bool inner = plot->GetIsLabelsInner();
    SetTwoOptions(list.FindItemByData(Page::kPlaceId), axistext::kInner, axistext::kOuter, inner);
    if (CBCGPProp* leader = list.FindItemByData(Page::kLeaderLineId)) {
        SetYesNoProp(leader, plot->GetIsShowPosLine());
        leader->Enable(inner ? FALSE : TRUE);
    }
}

void RefreshFont(CBCGPPropList& list, CPiePlot* plot) {
    CBCGPProp* font = list.FindItemByData(Page::kFontGroupId);
    if (!font) return;
    const bool shown = plot->GetIsShowlabels();
    font->Expand(shown ? TRUE : FALSE);
    EnableSubItems(font, 0, -1, shown ? TRUE : FALSE);
    QXLOGFONT current;
    plot->GetLabelFont(&current);
    SetFontProp(font, current);
}

// The label font read over the plot's (ReadEditedField); nothing is written when the edited field is
// refused.
bool ApplyFont(CBCGPProp* edited, CPiePlot* plot) {
    QXLOGFONT font;
    plot->GetLabelFont(&font);
    if (!ReadEditedField(edited, font)) return false;
    plot->SetLabelFont(&font);
    return true;
}

}  // namespace

bool ApplyPieLabelFirstRow(CBCGPProp* item, CPiePlot* plot) {
    if (!item || !plot) return false;
    CPiePlot::CLabelRange* range = plot->GetLabel();
    long long n = 0;
    if (!RowFits(item, true, 1, static_cast<long long>(plot->GetDataRange()->GetLastRow()) + 1,
                 static_cast<long long>(range->m_nFirstRow) + 1, &n))
        return false;
    range->m_nFirstRow = static_cast<unsigned>(n - 1);
    plot->CaculateLabelIndex();
    return true;
}

bool ApplyPieLabelLastRow(CBCGPProp* item, CPiePlot* plot) {
    if (!item || !plot) return false;
    CPiePlot::CLabelRange* range = plot->GetLabel();
    const long long rows = plot->GetDataset() ? plot->GetDataset()->GetRows() : 0;
    long long n = 0;
    if (!RowFits(item, true, static_cast<long long>(plot->GetDataRange()->GetFirstRow()) + 1, rows,
                 static_cast<long long>(range->m_nLastRow) + 1, &n))
        return false;
    range->m_nLastRow = static_cast<unsigned>(n - 1);
    plot->CaculateLabelIndex();
    return true;
}

bool ApplyPieLabelStep(CBCGPProp* item, CPiePlot* plot) {
    unsigned step = 0;
    if (!item || !plot || !ReadStep(ItemText(item), &step)) return false;
    plot->GetLabel()->m_nStep = step;
    plot->CaculateLabelIndex();
    return true;
}

CkelPropListPiePlotLabel::CkelPropListPiePlotLabel() = default;
CkelPropListPiePlotLabel::~CkelPropListPiePlotLabel() = default;

void CkelPropListPiePlotLabel::BuildItems(CBCGPPropList& list) {
    CBCGPProp* show = CreateYesNoProp(kShowLabels, kShowId, _variant_t(""), "");
    CBCGPProp* data = NewPlotGroup(kLabelData, kDataGroupId);
    data->AddSubItem(CreateYesNoProp(plottext::kShowDataColumn, kDataColumnValueId, _variant_t(""), ""));
    data->AddSubItem(NewPlotItem(MissingColumnDef(kColumnId, plottext::kDataColumn, kLabelColumnDescription)));
    AddPlotItems(data, kRowItems);
    CBCGPProp* place = NewPlotGroup(kLabelPosition, kPlaceGroupId);
    place->AddSubItem(NewPlotItem(
        {kPlaceId, plottext::kLabelPlace, plottext::kLabelPlaceDescription, false, nullptr, kSecondOption}));
    place->AddSubItem(CreateYesNoProp(plottext::kLeaderLine, kLeaderLineId, _variant_t(""), ""));
    CBCGPProp* font = CreateFontProp(kFont, kFontGroupId);
    font->Expand(TRUE);
    AddToGrid(list, {show, data, place, font});
}

void CkelPropListPiePlotLabel::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CPiePlot>();
    if (!plot) return;
    SetYesNoProp(list.FindItemByData(kShowId), plot->GetIsShowlabels());
    RefreshLabelColumn(list, plot);
    RefreshLabelRows(list, plot);
    RefreshPlace(list, plot);
    RefreshFont(list, plot);
}

LRESULT CkelPropListPiePlotLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CPiePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kShowId:
            plot->SetIsShowLabels(ReadYesNo(item));
            break;
        case kDataColumnValueId:
            plot->SetLabelCol(ReadYesNo(item) ? plot->GetDataCol() : 0);
            break;
        case kColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CPiePlot::SetLabelCol)) ==
                    Edit::Taken;
            break;
        case kFirstRowId:
            taken = ApplyPieLabelFirstRow(item, plot);
            break;
        case kLastRowId:
            taken = ApplyPieLabelLastRow(item, plot);
            break;
        case kStepId:
            taken = ApplyPieLabelStep(item, plot);
            break;
        case kPlaceId:
            plot->SetIsLabelsInner(ReadYesNo(item));
            break;
        case kLeaderLineId:
            plot->SetIsShowPosLine(ReadYesNo(item));
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            taken = ApplyFont(item, plot);
            break;
        default:
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListPiePlotLabel::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CPiePlot>();
    return plot && ShowLabelRow(item, plot);
}

bool CkelPropListPiePlotLabel::ReshowsRefusedText(CBCGPProp* item) {
    return IsRowItem(item, kFirstRowId, kLastRowId, kStepId);
}
