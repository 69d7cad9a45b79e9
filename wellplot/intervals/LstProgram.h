// CLstProgram: the page "程序" of a program kit: its title text, direction and font. It takes the
// selected program kit as its kit at every refresh and edit.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpProgram;

class CLstProgram : public CWndLst {
    DECLARE_DYNCREATE(CLstProgram)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 0,
        kNameId = 1,
        kDirectionId = 2,
        kFontGroupId = 3,  // sub-items 4 .. 6
    };

    CLstProgram();
    // Keeps kit when it is a program kit; any other kit leaves the page without one.
    explicit CLstProgram(CWpKit* kit);
    ~CLstProgram() override;

    CWpProgram* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CWpProgram* m_pKit = nullptr;
};
