#include "framework/PropListEx.h"

#include "framework/PropEx.h"

IMPLEMENT_DYNAMIC(CBCGPPropListEx, CBCGPPropList)

BEGIN_MESSAGE_MAP(CBCGPPropListEx, CBCGPPropList)
ON_WM_VSCROLL()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CBCGPPropListEx::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    CBCGPPropList::OnVScroll(code, pos, bar);
    CBCGPProp* selected = GetCurSel();
    if (selected && selected->IsKindOf(RUNTIME_CLASS(CBCGPPropEx))) {
        static_cast<CBCGPPropEx*>(selected)->OnPosSizeChanged(CRect(0, 0, 0, 0));
        Invalidate(TRUE);
    }
}

void CBCGPPropListEx::OnKeyDown(UINT ch, UINT repeat, UINT flags) {
    if (ch == VK_F2) {
        if (CBCGPProp* selected = GetCurSel()) EditItem(selected, nullptr);
        return;
    }
    if (ch == VK_F4) {
        CBCGPProp* selected = GetCurSel();
        if (selected && selected->IsKindOf(RUNTIME_CLASS(CBCGPPropEx)))
            static_cast<CBCGPPropEx*>(selected)->OnClickButton(CPoint(-1, -1));
        return;
    }
    CBCGPPropList::OnKeyDown(ch, repeat, flags);
}
