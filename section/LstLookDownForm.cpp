#include "section/LstLookDownForm.h"

#include "section/ObjectPageTexts.h"

namespace {
using L = CLstLookDownForm;
const DWORD_PTR kIds[CLookDownFormBody::kSlotCount] = {
    L::kPositionId,
    L::kXId,
    L::kYId,
    L::kSizeId,
    L::kKeepProportionId,
    L::kWidthId,
    L::kHeightId,
    L::kFrameId,
    L::kFrameStyleId,
    L::kFrameColorId,
    L::kFrameWidthId,
    L::kNameId,
    L::kNameShownId,
    L::kNameFaceId,
    L::kNameSizeId,
    L::kNameColorId,
    L::kSymbolId,
    L::kSymbolStyleId,
    L::kSymbolSizeId,
    L::kSymbolBorderId,
    L::kSymbolInnerId,
    L::kLineId,
    L::kLineShownId,
    L::kLineStyleId,
    L::kLineColorId,
    L::kLineWidthId,
    L::kProjectionId,
    L::kProjectionStyleId,
    L::kProjectionSizeId,
    L::kProjectionBorderId,
    L::kProjectionInnerId,
    L::kShadeId,
    L::kShadeShownId,
    L::kShadeStyleId,
    L::kShadeColorId,
    L::kShadeWidthId,
};
const CLookDownFormBody::Variant kMultiWell{kIds, sectiontext::kWellSymbol, false, false, true, true, true, true};
}  // namespace

CLstLookDownForm::CLstLookDownForm(ScLookDownForm* map) : CLookDownFormBody(map, kMultiWell) {}
CLstLookDownForm::~CLstLookDownForm() = default;
