// CLstShootMgr: the page "射孔配置" of a perforation kit: the point styles its perforation manager
// draws a perforation and a re-perforation with. The two pickers carry no id and are told apart
// by their captions. The page keeps the kit's own stamp.
#pragma once

#include "framework/WndLst.h"

class CWpShoot;

class CLstShootMgr : public CWndLst {
    DECLARE_DYNCREATE(CLstShootMgr)
public:
    enum : DWORD_PTR { kGroupId = 70 };

    CLstShootMgr();
    ~CLstShootMgr() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    // The pickers show the manager's symbols; nothing without a manager.
    void Refresh(CWpShoot* kit);
};
