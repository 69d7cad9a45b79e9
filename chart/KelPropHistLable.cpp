#include "chart/KelPropHistLable.h"

#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace charttext;

namespace {

using Page = CkelPropHistLable;

constexpr LabelIds kIds{Page::kShowId, kNoItem, Page::kPositionGroupId, Page::kFontGroupId};
const PlotItemDef kPositionItems[] = {
    {Page::kXOffsetId, kXOffset, kXOffsetDescription, false, ReaderRule(&ReadScaledOffset)},
    {Page::kYOffsetId, kYOffset, kYOffsetDescription, false, ReaderRule(&ReadScaledOffset)},
    {Page::kAngleId, kAngle, kAngleDescription, false, LeadingNumberRule()},
};

// The labels of the histogram's current series; NULL when it has none.
CkelPlotLabels* CurrentLabels(CHistogramPlot* plot) {
    CBarFillSery* current = plot ? plot->GetFillSeryGroup()->GetCurSelFillSery() : nullptr;
    return current ? current->GetLabels() : nullptr;
}

}  // namespace

CkelPropHistLable::CkelPropHistLable() = default;
CkelPropHistLable::~CkelPropHistLable() = default;

void CkelPropHistLable::BuildItems(CBCGPPropList& list) {
    CBCGPProp* show = CreateYesNoProp(kShowLabels, kShowId, _variant_t(""), "");
    CBCGPProp* position = NewPlotGroup(kLabelPosition, kPositionGroupId, kPositionItems);
    CBCGPProp* font = CreateFontProp(kFont, kFontGroupId);
    font->Expand(TRUE);
    AddToGrid(list, {show, position, font});
}

void CkelPropHistLable::ShowTarget(CBCGPPropList& list) {
    RefreshLabels(list, kIds, CurrentLabels(TargetAs<CHistogramPlot>()));
}

LRESULT CkelPropHistLable::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CHistogramPlot>();
    if (!item || !plot) return 0;
    EndEdit(item, ApplyLabelEdit(item, kIds, CurrentLabels(plot), plot) != Edit::Refused);
    return 0;
}
