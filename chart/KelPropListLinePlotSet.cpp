#include "chart/KelPropListLinePlotSet.h"

#include "chart/AxisGroups.h"
#include "chart/ChartGroups.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListLinePlotSet;

constexpr TextValue kLineModes[] = {{kPolyline, 0}, {kSteps, 1}};

// The fill's direction (any other text is up); a new direction takes the fill's automatic cutoff.
bool ApplyFillTarget(CBCGPProp* item, CkelLinePlotFill* fill) {
    int taken = 0;
    if (!ReadFixedList(item, &taken)) return false;
    fill->SetFillDirections(static_cast<CkelLinePlotFill::KELFillDirections>(taken));
    fill->SetCutoffValue(fill->GetAutoCutoffValue());
    return true;
}

// The cutoff as atof reads it (a text that is no number is 0; the item refuses one beyond a
// double).
void ApplyCutoff(CBCGPProp* item, CkelLinePlotFill* fill) {
    double value = 0;
    numtext::LeadingNumber(ItemText(item), &value);
    fill->SetCutoffValue(value);
}

// One fill sub-item read over the fill's brush; a cell size its reader refuses writes nothing.
bool ApplyFillStyle(CBCGPProp* item, CkelLinePlotFill* fill, CkelLinePlot* plot) {
    QXLOGBRUSH brush;
    fill->GetLogBrush(&brush);
    std::string set = fill->GetFillStyleSet();
    if (!GetFillSubProp(item, &set, static_cast<int>(item->GetData() - kLineFillStyleSetId), brush)) return false;
    fill->SetLogBrush(&brush);
    fill->SetFillStyleSet(set);
    NotifyPlot(plot);
    return true;
}

// An edit of the fill group's items; NotMine for any other item. Without a fill object the fill
// items change nothing.
Edit ApplyLineFill(CBCGPProp* item, CkelLinePlot* plot) {
    const DWORD_PTR id = item->GetData();
    if (id < kLineFillGroupId || id > kLineFillTransparentId) return Edit::NotMine;
    CkelLinePlotFill* fill = plot->GetPlotFills();
    if (!fill) return Edit::Taken;
    bool taken = true;
    switch (id) {
        case kLineFillShowId:
            fill->SetShowFill(ReadYesNo(item));
            break;
        case kLineFillTargetId:
            taken = ApplyFillTarget(item, fill);
            break;
        case kLineFillTargetValueId:
            ApplyCutoff(item, fill);
            break;
        case kLineFillGroupId:
            break;
        default:
            taken = ApplyFillStyle(item, fill, plot);
            break;
    }
    return taken ? Edit::Taken : Edit::Refused;
}

}  // namespace

const char* LineModeToText(int mode) { return TextOfValue(kLineModes, mode, kPolyline); }

CkelPropListLinePlotSet::CkelPropListLinePlotSet() = default;
CkelPropListLinePlotSet::~CkelPropListLinePlotSet() = default;

void CkelPropListLinePlotSet::BuildItems(CBCGPPropList& list) {
    CBCGPProp* line = CreateLineProp(grouptext::kLineStyle, kLineGroupId, false);
    line->Expand(TRUE);
    int position = 0;
    for (const char* description : {kLineStyleDescription, kLineWidthDescription, kLineColorDescription})
        line->GetSubItem(position++)->SetDescription(description);
    CBCGPProp* fill = CreateLineFillProp(charttext::kFillTab);
    CBCGPProp* mode = NewPlotGroup(kLineModeGroup, kModeGroupId);
    // Any other mode is a polyline.
    mode->AddSubItem(NewFixedListItem(kLineMode, "", kLineModeDescription, kModeId, kLineModes, OtherTakenAs(0), true));
    mode->AddSubItem(CreateYesNoProp(kStepReverse, kReverseId, _variant_t(""), ""));
    AddToGrid(list, {line, fill, mode});
}

void CkelPropListLinePlotSet::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelLinePlot>();
    if (!plot) return;
    QXLOGPEN pen;
    plot->GetLogPen(&pen);
    SetLineProp(list.FindItemByData(kLineGroupId), pen);
    if (CkelLinePlotFill* fill = plot->GetPlotFills()) SetLineFillProp(list.FindItemByData(kLineFillGroupId), fill);
    const int mode = plot->GetLineMode();
    SetItemText(list.FindItemByData(kModeId), LineModeToText(mode));
    if (CBCGPProp* reverse = list.FindItemByData(kReverseId)) {
        SetYesNoProp(reverse, plot->GetIsLineStepModeReverse());
        reverse->Enable(mode == 1 ? TRUE : FALSE);
    }
}

LRESULT CkelPropListLinePlotSet::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelLinePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    int mode = 0;
    switch (item->GetData()) {
        case kLineStyleId:
        case kLineWidthId:
        case kLineColorId: {
            QXLOGPEN pen;
            plot->GetLogPen(&pen);
            taken = ReadEditedField(item, pen);
            if (taken) plot->SetLogPen(&pen);
            break;
        }
        case kModeId:
            taken = ReadFixedList(item, &mode);
            if (taken) plot->SetLineMode(mode);
            break;
        case kReverseId:
            plot->SetIsLineStepModeReverse(ReadYesNo(item));
            break;
        default:
            taken = ApplyLineFill(item, plot) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

// The fill's cell size as the refresh shows it. (The pen width and cutoff items refuse what the
// page's readers refuse.)
bool CkelPropListLinePlotSet::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelLinePlot>();
    if (!item || !plot) return false;
    CkelLinePlotFill* fill = plot->GetPlotFills();
    if (!fill || item->GetData() != kLineFillCellSizeId) return false;
    QXLOGBRUSH brush;
    fill->GetLogBrush(&brush);
    ShowFillSize(item, brush);
    return true;
}
