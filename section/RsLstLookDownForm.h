// CRsLstLookDownForm: the "导航图" page of a reservoir section's navigation map: the multi-well
// page's items numbered 1000 to 1035 in a row, always with the projection groups, following the
// navigation map the host selects.
#pragma once

#include "section/LookDownFormBody.h"

class CRsLstLookDownForm : public CLookDownFormBody {
public:
    enum : DWORD_PTR {
        kPositionId = 1000,
        kXId,
        kYId,
        kSizeId,
        kKeepProportionId,
        kWidthId,
        kHeightId,
        kFrameId,
        kFrameStyleId,
        kFrameColorId,
        kFrameWidthId,
        kNameId,
        kNameShownId,
        kNameFaceId,
        kNameSizeId,
        kNameColorId,
        kSymbolId,
        kSymbolStyleId,
        kSymbolSizeId,
        kSymbolBorderId,
        kSymbolInnerId,
        kLineId,
        kLineShownId,
        kLineStyleId,
        kLineColorId,
        kLineWidthId,
        kProjectionId,
        kProjectionStyleId,
        kProjectionSizeId,
        kProjectionBorderId,
        kProjectionInnerId,
        kShadeId,
        kShadeShownId,
        kShadeStyleId,
        kShadeColorId,
        kShadeWidthId,
    };

    explicit CRsLstLookDownForm(ScLookDownForm* map);
    ~CRsLstLookDownForm() override;
};
