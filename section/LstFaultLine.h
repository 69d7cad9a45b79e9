// CLstFaultLine: the "断层线" page of a reservoir section: the one pen of all its fault lines,
// kept in the section's display record and copied into every fault line when it changes.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::Connection {
class CkelReservoir;
}

class CLstFaultLine : public CWndLst {
public:
    enum : DWORD_PTR {
        kStyleId = 1001,
        kWidthId = 1002,
        kColorId = 1003,
    };

    explicit CLstFaultLine(KelReservoir::Connection::CkelReservoir* reservoir);
    ~CLstFaultLine() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    KelReservoir::Connection::CkelReservoir* m_pReservoir;
};
