// CLstDsgWell: the "设计井设置" page of a designer well of a reservoir section: its name, width,
// depth range (shown as depths, kept as elevations), pen and font.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::Connection {
class CDesignerWellAdapter;
}

class CLstDsgWell : public CWndLst {
public:
    enum : DWORD_PTR {
        kBasicId = 1001,
        kWellNameId = 1002,
        kDepthTypeId = 1003,
        kWidthId = 1004,
        kRangeId = 1005,
        kTopDepthId = 1006,
        kBottomDepthId = 1007,
        kPenId = 1008,
        kPenStyleId = 1009,
        kPenWidthId = 1010,
        kPenColorId = 1011,
        kFontId = 1012,
        kFontFaceId = 1013,
        kFontSizeId = 1014,
        kFontColorId = 1015,
    };
    // The well page's modes; the reservoir creator passes kReservoirMode.
    static constexpr int kReservoirMode = 2;

    CLstDsgWell(KelReservoir::Connection::CDesignerWellAdapter* well, int mode);
    ~CLstDsgWell() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The edit stored in the well; false, nothing stored, when the edited item's text is refused.
    bool Edit(CBCGPProp* item);
    // The sign a typed depth is stored with.
    double DepthSign() const;

    KelReservoir::Connection::CDesignerWellAdapter* m_pWell;
    int m_nMode;
};
