// CPlProfilelineProperty: the "剖面线" page of a selected profile line. It shows the line's kind
// and edits its pen and, for a projected line, its projection angle. An edit reaches every
// active profile line of the graph; active objects of other kinds are left alone.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlProfileline;
}

class CPlProfilelineProperty : public CWndLst {
public:
    enum : DWORD_PTR { kTypeId = 801, kStyleId = 802, kWidthId = 803, kColorId = 804, kAngleId = 805 };

    explicit CPlProfilelineProperty(KelProfileline::CPlProfileline* line) : m_pLine(line) {}
    ~CPlProfilelineProperty() override;

    // The kind's name: 1 "顺序连井线", 2 "投影连井线", "" for any other kind.
    static const char* KindName(int kind);
    // Whether a projection angle is taken: 0 or more and below 360.
    static bool IsAngle(double degrees) { return degrees >= 0 && degrees < 360; }
    // The angle typed (its leading number) when it is taken; false, value untouched, otherwise.
    static bool ReadAngle(const CString& text, double* degrees);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A text the item refused leaves a number item showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void EditPen(CBCGPProp* item);
    void EditAngle(CBCGPProp* item);

    KelProfileline::CPlProfileline* m_pLine;
};
