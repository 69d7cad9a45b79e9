// CPlLayerLine: the "剖面线" tab of the profile-line layer window. It sets how every profile line
// of the graph is drawn: shown or not, line style, width, colour, and whether each line takes a
// random colour.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlCnEntity;
class CLayerProperty;
}  // namespace KelProfileline

class CPlLayerLine : public CWndLst {
public:
    enum : DWORD_PTR { kShowId = 1002, kStyleId = 1003, kWidthId = 1004, kColorId = 1005, kRandomColorId = 1006 };

    explicit CPlLayerLine(KelProfileline::CPlCnEntity* entity) : m_pEntity(entity) {}
    ~CPlLayerLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A text the item refused leaves a number item showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The layer's pen handed to every profile line, then the graph redrawn.
    void ApplyPen(const KelProfileline::CLayerProperty& layer);

    KelProfileline::CPlCnEntity* m_pEntity;
};
