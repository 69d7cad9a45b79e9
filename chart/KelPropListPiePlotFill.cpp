#include "chart/KelPropListPiePlotFill.h"

#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "mfc/Variant.h"

using namespace chart;

namespace {
// Options: the labels of the pieces; value: the current piece's.
void RefreshPieceChoice(CBCGPProp* item, CPiePlot* plot) {
    if (!item) return;
    std::vector<ListEntry> entries;
    for (unsigned i = 0; i < plot->GetPieceCount(); ++i)
        entries.emplace_back(plot->GetPiece(i)->GetLabelStr().c_str(), static_cast<int>(i));
    SetListEntries(item, entries);
    if (CPiePiece* current = plot->GetCurSelPiece()) item->SetValue(_variant_t(current->GetLabelStr().c_str()));
}
}  // namespace

CkelPropListPiePlotFill::CkelPropListPiePlotFill() = default;
CkelPropListPiePlotFill::~CkelPropListPiePlotFill() = default;

void CkelPropListPiePlotFill::BuildItems(CBCGPPropList& list) {
    AddToGrid(list, {NewPlotItem({kPieceId, plottext::kSector, plottext::kSector, true})});
    AddPenFillItems(list, kBorderGroupId);
}

void CkelPropListPiePlotFill::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CPiePlot>();
    if (!plot) return;
    RefreshPieceChoice(list.FindItemByData(kPieceId), plot);
    RefreshPenFill(list, kBorderGroupId, plot->GetCurSelPiece());
}

LRESULT CkelPropListPiePlotFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CPiePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kPieceId: {
            // The list refuses a name no sector carries: it would choose none.
            int piece = 0;
            taken = ReadFixedList(item, &piece);
            if (taken) plot->SetCurSelPiece(piece);
            break;
        }
        default:
            taken = ApplyPenFill(item, kBorderGroupId, plot->GetCurSelPiece(), plot) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListPiePlotFill::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CPiePlot>();
    return plot && ShowStoredPenFill(item, kBorderGroupId, plot->GetCurSelPiece());
}
