// CLstOiLine: the "砂体对象" page of one oil-gas-water interface line of a reservoir flow unit:
// its depth, which moves the line within its movable range, and the units above and below it.
// The page follows the interface line the host selects.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::SandUnit {
class CkelOSWerLine;
}

class CLstOiLine : public CWndLst {
public:
    enum : DWORD_PTR {
        kDepthId = 1004,
        kUpperUnitId = 1005,
        kLowerUnitId = 1006,
        kInterfaceId = 2000,
    };

    explicit CLstOiLine(KelReservoir::SandUnit::CkelOSWerLine* line);
    ~CLstOiLine() override;

    KelReservoir::SandUnit::CkelOSWerLine* GetLine() const { return m_pLine; }

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    KelReservoir::SandUnit::CkelOSWerLine* m_pLine;
};

// The interface-line group of the reservoir pages: "深度", "上部单元", "下部单元" under a group
// "油气水界面". The texts come from the line; without a line every value is empty. Enabled as given.
CBCGPProp* NewInterfaceLineGroup(DWORD_PTR groupId, DWORD_PTR depthId,
                                 const KelReservoir::SandUnit::CkelOSWerLine* line, bool enabled);
// Shows the line's depth and unit texts in the group's three items, each only when it differs.
void ShowInterfaceLine(CBCGPProp* depth, CBCGPProp* upper, CBCGPProp* lower,
                       const KelReservoir::SandUnit::CkelOSWerLine& line);
