// CPlLayerWellSymbol: the "井符号" tab of the profile-line layer window. It sets, for the whole
// graph, the symbol at the current layer (directly or through style templates), the symbols at
// the well head and the well bottom, the upper and lower parts of each well track, and whether a
// track is drawn as the real track or as a straight line.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlCnEntity;
class CLayerProperty;
}  // namespace KelProfileline

class CPlLayerWellSymbol : public CWndLst {
public:
    enum : DWORD_PTR {
        kCurrentGroupId = 1002,
        kCurrentShowId = 1003,
        kPointTemplateId = 1004,
        kPointStyleId = 1005,
        kSizeTemplateId = 1006,
        kSizeId = 1007,
        kBorderTemplateId = 1008,
        kBorderColorId = 1009,
        kInnerTemplateId = 1010,
        kInnerColorId = 1011,
        kHeadGroupId = 1012,        // 1013 .. 1017: shown, style, size, border colour, inner colour
        kBottomGroupId = 1018,      // 1019 .. 1023
        kUpperTrackGroupId = 1024,  // 1025 .. 1028: shown, style, width, colour
        kLowerTrackGroupId = 1029,  // 1030 .. 1033
        kTrackModeId = 1034,
    };

    explicit CPlLayerWellSymbol(KelProfileline::CPlCnEntity* entity) : m_pEntity(entity) {}
    ~CPlLayerWellSymbol() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void ShowCurrentSymbol(const KelProfileline::CLayerProperty& layer);
    bool EditCurrentPoint(KelProfileline::CLayerProperty& layer, CBCGPProp* item);
    // False, nothing written, when the typed size or width is refused.
    bool EditPointGroup(KelProfileline::CLayerProperty& layer, CBCGPProp* item, DWORD_PTR group, int kind);
    bool EditTrackGroup(KelProfileline::CLayerProperty& layer, CBCGPProp* item, DWORD_PTR group, int kind);

    KelProfileline::CPlCnEntity* m_pEntity;
};
