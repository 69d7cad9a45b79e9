// CPlLayerWellName: the "井名" tab of the profile-line layer window. It sets how the well names of
// the whole graph are drawn: shown or not, the font (directly or through the style templates when
// the graph is placed on a chosen stratum) and where each name stands.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlCnEntity;
class CLayerProperty;
}  // namespace KelProfileline

class CPlLayerWellName : public CWndLst {
public:
    enum : DWORD_PTR {
        kShowId = 1002,
        kFontGroupId = 1003,
        kFontTemplateId = 1004,
        kFaceId = 1005,
        kSizeTemplateId = 1006,
        kSizeId = 1007,
        kColorTemplateId = 1008,
        kColorId = 1009,
        kPositionGroupId = 1010,
        kReferObjectId = 1011,
        kRelativePosId = 1012,
        kOffsetId = 1013,
    };

    explicit CPlLayerWellName(KelProfileline::CPlCnEntity* entity) : m_pEntity(entity) {}
    ~CPlLayerWellName() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A text the item refused leaves a number item showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // One field of the label font from the edited item; false when the item's value is refused.
    bool EditFont(KelProfileline::CLayerProperty& layer, CBCGPProp* item);
    // Whether the offset was read (a number a double holds).
    bool EditOffset(KelProfileline::CLayerProperty& layer, CBCGPProp* item);

    KelProfileline::CPlCnEntity* m_pEntity;
};
