// CPlLayerData: the "数据" tab of the profile-line layer window. It chooses the depth at which
// the graph places its wells: well head, well bottom, a target stratum of one of the five levels
// (with the stratum's name) or a given sea-level depth.
#pragma once

#include "framework/WndLst.h"
#include "mfc/String.h"

namespace KelProfileline {
class CPlCnEntity;
class CLayerProperty;
}  // namespace KelProfileline

class CPlLayerData : public CWndLst {
public:
    enum : DWORD_PTR { kWellPlaceId = 1002, kStratumNameId = 1003, kSeaLevelDepthId = 1004 };
    // Data-target codes.
    enum : int {
        kTargetNone = 0,
        kTargetWellHead = 1,
        kTargetWellBottom = 2,
        kTargetLevel1 = 3,
        kTargetLevel5 = 7,
        kTargetSeaLevel = 8
    };

    explicit CPlLayerData(KelProfileline::CPlCnEntity* entity) : m_pEntity(entity) {}
    ~CPlLayerData() override;

    // The option text of a target code; "" for any other code (any other text is code 0).
    static const char* TextOfTarget(int code);
    // The stratum level (0 to 4) of a target code; -1 when the target is no stratum.
    static int LevelOfTarget(int code);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A text the item refused leaves a number item showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void ShowTarget(const KelProfileline::CLayerProperty& layer);
    void ShowStratum(const KelProfileline::CLayerProperty& layer);
    void ShowDepth(const KelProfileline::CLayerProperty& layer);
    void EditTarget(KelProfileline::CLayerProperty& layer, CBCGPProp* item);
    void EditStratum(KelProfileline::CLayerProperty& layer, CBCGPProp* item);
    void EditDepth(KelProfileline::CLayerProperty& layer, CBCGPProp* item);

    KelProfileline::CPlCnEntity* m_pEntity;
};
