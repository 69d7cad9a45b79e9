// CLstCnProfile: the "图" page of a profile-line graph entity. It shows no item; an edit it
// reports only redraws the graph.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlCnEntity;
}

class CLstCnProfile : public CWndLst {
public:
    explicit CLstCnProfile(KelProfileline::CPlCnEntity* entity) : m_pEntity(entity) {}
    ~CLstCnProfile() override;

protected:
    int InitPropWnd() override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

    KelProfileline::CPlCnEntity* m_pEntity;
};
