// CLstStratumUnit: the "地层线设置" page of one stratum unit of a single-well section: its name,
// its boundary line and the fill colour of its interval.
#pragma once

#include "framework/WndLst.h"

namespace Stratum {
class CStratumUnit;
}

class CLstStratumUnit : public CWndLst {
public:
    enum : DWORD_PTR {
        kNameId = 0,
        kLineId = 1,  // line group: 2 style, 3 width, 4 colour
        kLineStyleId = 2,
        kLineColorId = 4,
        kIntervalId = 5,
        kFillColorId = 6,
    };

    explicit CLstStratumUnit(Stratum::CStratumUnit* unit);
    ~CLstStratumUnit() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    Stratum::CStratumUnit* m_pUnit;
};
