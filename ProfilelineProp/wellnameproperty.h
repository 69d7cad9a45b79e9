// CPlWellLabelProperty: the "井名" page of a selected well label of a profile line. It shows the
// well the label belongs to and edits the label's font and text. An edit reaches every active
// well label of the graph; active objects of other kinds are left alone.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CWellLabel;
}

class CPlWellLabelProperty : public CWndLst {
public:
    enum : DWORD_PTR {
        kTypeId = 501,
        kWellId = 502,
        kFontGroupId = 503,
        kFaceId = 504,
        kSizeId = 505,
        kColorId = 506,
        kTextId = 507,
    };

    explicit CPlWellLabelProperty(KelProfileline::CWellLabel* label) : m_pLabel(label) {}
    ~CPlWellLabelProperty() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A text the item refused leaves a number item showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void EditFont(CBCGPProp* item);

    KelProfileline::CWellLabel* m_pLabel;
};
