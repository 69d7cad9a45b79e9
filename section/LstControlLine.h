// CLstControlLine: the "虚拟井" page of a control line of a reservoir section: its pen and the
// point symbol drawn on it.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::VirtualWell {
class CkelControlLine;
}

class CLstControlLine : public CWndLst {
public:
    enum : DWORD_PTR {
        kPenId = 1001,
        kPenStyleId = 1002,
        kPenWidthId = 1003,
        kPenColorId = 1004,
        kPointId = 1005,
        kPointSizeId = 1006,
        kInnerColorId = 1007,
        kBorderColorId = 1008,
    };

    explicit CLstControlLine(KelReservoir::VirtualWell::CkelControlLine* line);
    ~CLstControlLine() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // False when the reader refused the item's text:
    // nothing was written, and the edit ends with the item showing the stored value again.
    bool Edit(CBCGPProp* item);

    KelReservoir::VirtualWell::CkelControlLine* m_pLine;
};
