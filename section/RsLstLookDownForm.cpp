#include "section/RsLstLookDownForm.h"

namespace {
struct ConsecutiveIds {
    DWORD_PTR ids[CLookDownFormBody::kSlotCount];
    ConsecutiveIds() {
        for (int s = 0; s < CLookDownFormBody::kSlotCount; ++s)
            ids[s] = CRsLstLookDownForm::kPositionId + static_cast<DWORD_PTR>(s);
    }
};
const ConsecutiveIds kIds;
const CLookDownFormBody::Variant kReservoir{kIds.ids, "", true, true, false, false, false, false};
}  // namespace

CRsLstLookDownForm::CRsLstLookDownForm(ScLookDownForm* map) : CLookDownFormBody(map, kReservoir) {}
CRsLstLookDownForm::~CRsLstLookDownForm() = default;
