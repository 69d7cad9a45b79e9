// CLstLookDownForm: the "导航图" page of a multi-well section's navigation map. Its items are
// numbered by thousands (a group per thousand); correlation sections show no projection groups.
#pragma once

#include "section/LookDownFormBody.h"

class CLstLookDownForm : public CLookDownFormBody {
public:
    enum : DWORD_PTR {
        kPositionId = 1000,
        kXId = 1001,
        kYId = 1002,
        kSizeId = 2000,
        kKeepProportionId = 2001,
        kWidthId = 2002,
        kHeightId = 2003,
        kFrameId = 3000,
        kFrameStyleId = 3001,
        kFrameColorId = 3002,
        kFrameWidthId = 3003,
        kNameId = 4000,
        kNameShownId = 4001,
        kNameFaceId = 4002,
        kNameSizeId = 4003,
        kNameColorId = 4004,
        kSymbolId = 5000,
        kSymbolStyleId = 5002,
        kSymbolSizeId = 5004,
        kSymbolBorderId = 5006,
        kSymbolInnerId = 5008,
        kLineId = 6000,
        kLineShownId = 6001,
        kLineStyleId = 6002,
        kLineColorId = 6003,
        kLineWidthId = 6004,
        kProjectionId = 7000,
        kProjectionStyleId = 7001,
        kProjectionSizeId = 7002,
        kProjectionBorderId = 7003,
        kProjectionInnerId = 7004,
        kShadeId = 8000,
        kShadeShownId = 8001,
        kShadeStyleId = 8002,
        kShadeColorId = 8003,
        kShadeWidthId = 8004,
    };

    explicit CLstLookDownForm(ScLookDownForm* map);
    ~CLstLookDownForm() override;
};
