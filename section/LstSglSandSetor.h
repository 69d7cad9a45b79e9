// CLstSglSandSetor: the "砂体设置" page of a single-well section: which sand units the section
// shows (all, perforated, connected) and the style of their envelope lines. The oil-gas-water and
// seepage interface groups are shown disabled.
#pragma once

#include "framework/WndLst.h"

class CSingleWellSection;

class CLstSglSandSetor : public CWndLst {
public:
    enum : DWORD_PTR {
        kFillGroupId = 1001,
        kFillTypeId = 1002,
        kSandGroupId = 1010,
        kDisplayId = 1011,
        kEnvelopeId = 1012,  // show-line group: 1013 shown, 1014 style, 1015 width, 1016 colour
        kEnvelopeShowId = 1013,
        kEnvelopeStyleId = 1014,
        kEnvelopeColorId = 1016,
        kOswId = 1028,  // show-line group 1029 .. 1032, disabled
        kSeepageGroupId = 1033,
        kSeepageShowId = 1034,
        kSeepageFormId = 1035,
        kSeepageStyleId = 1036,
        kSeepageWidthId = 1037,
        kSeepageColorId = 1038,
    };

    explicit CLstSglSandSetor(CSingleWellSection* section);
    ~CLstSglSandSetor() override;

    // Shows or hides every sand unit of the section by the display mode: 1 the perforated ones,
    // 2 the connected ones, any other mode all of them.
    static void ApplySandDisplay(CSingleWellSection& section, int mode);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    CSingleWellSection* m_pSection;
};
