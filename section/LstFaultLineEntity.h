// KelReservoir::UI::CLstFaultLineEntity: the "断层线" page of one fault line of a reservoir
// section: name, kind, throw, dip angle, sealing, the depth where it breaks a well, and its pen.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::Fault {
class CkelFaultLine;
}

namespace KelReservoir::UI {

class CLstFaultLineEntity : public CWndLst {
public:
    enum : DWORD_PTR {
        kPropertiesId = 1001,
        kNameId = 1002,
        kKindId = 1003,
        kThrowId = 1004,
        kDipAngleId = 1005,
        kSealingId = 1006,
        kBreakDepthId = 1007,
        kPenId = 1008,
        kPenStyleId = 1009,
        kPenWidthId = 1010,
        kPenColorId = 1011,
    };

    explicit CLstFaultLineEntity(Fault::CkelFaultLine* line);
    ~CLstFaultLineEntity() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void ShowProperties(CBCGPProp* group);
    // False when the reader refused the item's text:
    // nothing was written, and the edit ends with the item showing the stored value again.
    bool Edit(CBCGPProp* item);

    Fault::CkelFaultLine* m_pLine;
};

}  // namespace KelReservoir::UI
