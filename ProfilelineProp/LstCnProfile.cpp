#include "ProfilelineProp/LstCnProfile.h"

#include "ProfilelineProp/PlPageSupport.h"

CLstCnProfile::~CLstCnProfile() = default;

int CLstCnProfile::InitPropWnd() { return CWndLst::InitPropWnd() == -1 ? -1 : 0; }

LRESULT CLstCnProfile::OnPropertyChanged(WPARAM, LPARAM) {
    plpage::UpdateWnd(m_pEntity);
    return 0;
}
