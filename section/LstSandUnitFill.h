// CLstSandUnitFill: the "砂体设置" page of the fill of one sand unit of a single-well section: the
// unit's stratum and its oil-gas-water code, which also gives the fill its brush.
#pragma once

#include "framework/WndLst.h"

namespace Sand {
class CSandUnitFill;
}

class CLstSandUnitFill : public CWndLst {
public:
    enum : DWORD_PTR { kStratumId = 0, kNumberId = 1, kResultId = 2, kOilCodeId = 3 };

    explicit CLstSandUnitFill(Sand::CSandUnitFill* fill);
    ~CLstSandUnitFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    Sand::CSandUnitFill* m_pFill;
};
