#include "ProfilelineProp/PlWellTrackProperty.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "hosttypes/Lodestar/PlWell.h"

using namespace KelProfileline;
using namespace pltext;

CPlWellTrackProperty::~CPlWellTrackProperty() = default;

int CPlWellTrackProperty::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* type = new CBCGPProp(kType, _variant_t(""), kType, kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    CBCGPProp* line = CreateLineFloatProp(kLineSettings, kLineGroupId);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    m_wndPropList.AddProperty(plpage::NewTrackModeList(kTrackShowMode, "", kShowModeId), TRUE, TRUE);
    return 0;
}

// Kind and display mode are shown for exactly one active object; with several the kind is
// disabled as it was and the mode empty.
void CPlWellTrackProperty::UpdateBCGPProperty(long object, CString) {
    if (!plpage::ShouldRefresh(*this, object, m_pTrack)) return;
    const bool one = plpage::OneActive(plpage::ContainerOfWellPart(m_pTrack));
    if (CBCGPProp* type = Item(kTypeId)) {
        type->Enable(one);
        if (one) SetItemText(type, FormatString("%d", m_pTrack->GetTrackType()));
    }
    EnableLineProp(Item(kLineGroupId), m_pTrack->GetLogPen(), true);
    SetItemText(Item(kShowModeId), !one ? "" : m_pTrack->m_byStraightLine ? kStraightTrack : kRealTrack);
}

void CPlWellTrackProperty::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (item && m_pTrack) ShowStoredValueOf(item, {{kFirstLineId + 1, m_pTrack->GetLogPen().width / 100.0}});
}

LRESULT CPlWellTrackProperty::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pTrack) return 0;
    CPlContainer* container = plpage::ContainerOfWellPart(m_pTrack);
    const DWORD_PTR id = item->GetData();
    if (id >= kFirstLineId && id <= kLastLineId) {
        QXLOGPEN pen = m_pTrack->GetLogPen();
        // A width the reader refuses is written nowhere.
        if (!ReadEditedPen(item, pen)) {
            ShowItemAgain(item);
            return 0;
        }
        for (CWellTrack* track : plpage::ActiveOf<CWellTrack>(container)) track->SetLogPen(pen);
    } else if (id == kShowModeId) {
        const BYTE straight = ReadYesNo(item) ? 1 : 0;
        for (CWellTrack* track : plpage::ActiveOf<CWellTrack>(container)) track->m_byStraightLine = straight;
        if (container) container->RebuildTracks();
    }
    plpage::UpdateWnd(container);
    return 0;
}
