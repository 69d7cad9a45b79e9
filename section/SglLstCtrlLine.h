// CSglLstCtrlLine: the "虚拟线设置" page of a control line of a single-well section: the style,
// colour and width of its pen. The page keeps showing the pen it was built with.
#pragma once

#include "framework/WndLst.h"

namespace ControlLine {
class CSglCtrlLine;
}

class CSglLstCtrlLine : public CWndLst {
public:
    enum : DWORD_PTR { kLineId = 0, kStyleId = 1, kColorId = 2, kWidthId = 3 };

    explicit CSglLstCtrlLine(ControlLine::CSglCtrlLine* line);
    ~CSglLstCtrlLine() override;

protected:
    int InitPropWnd() override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused width, whoever refused it (the item or the reader), shows the line's again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    ControlLine::CSglCtrlLine* m_pLine;
};
