// CRsLstSand: the "砂体对象" page of a flow unit of a reservoir section: the unit type and fill of
// its sand body, and the depth and neighbouring units of each of its (at most two) oil-gas-water
// interface lines. A unit without lines is edited through its fill; once lines exist the fill is
// locked and the lines' depths are edited. The page follows the flow unit the host selects.
#pragma once

#include "framework/WndLst.h"

namespace KelReservoir::SandUnit {
class CkelFlowUnit;
class CkelOSWerLineManager;
}  // namespace KelReservoir::SandUnit

class CRsLstSand : public CWndLst {
public:
    enum : DWORD_PTR {
        kSandId = 1000,
        kUnitTypeId = 1001,
        kUpperDepthId = 1004,
        kUpperUpperUnitId = 1005,
        kUpperLowerUnitId = 1006,
        kLowerDepthId = 1007,
        kLowerUpperUnitId = 1008,
        kLowerLowerUnitId = 1009,
        kUpperLineId = 2000,
        kLowerLineId = 2001,
        kFillId = 7000,
        kFillStyleSetId = 7001,
        kFillStyleId = 7002,
        kFillLineColorId = 7003,
        kFillColorId = 7004,
        kFillCellSizeId = 7005,
        kFillTransparentId = 7006,
    };

    explicit CRsLstSand(KelReservoir::SandUnit::CkelFlowUnit* unit);
    ~CRsLstSand() override;

    KelReservoir::SandUnit::CkelFlowUnit* GetUnit() const { return m_pUnit; }

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves the cell size showing
    // the fill's and an interface depth its line's again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    KelReservoir::SandUnit::CkelOSWerLineManager* LineManager() const;
    void BuildSandGroup(bool enabled);
    void ShowSand();
    // False when the unit has no such line (the refresh then ends).
    bool ShowLine(bool upper);
    void EnableGroup(DWORD_PTR group, bool enabled);
    void EnableSandItems(bool enabled);
    // False when the reader refused the item's text: nothing was written.
    bool EditFill(CBCGPProp* item);

    KelReservoir::SandUnit::CkelFlowUnit* m_pUnit;
    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
