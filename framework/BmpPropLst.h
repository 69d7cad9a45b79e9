// CBmpPropLst: a grid item that shows one of several bitmaps of a module's resources and
// offers them all in its drop-down; its value is the position of the picture shown.
#pragma once

#include <vector>

#include "bcg/Prop.h"

class CBmpPropLst : public CBCGPProp {
public:
    CBmpPropLst(const CString& name, long value, const char* description);

    void OnDrawValue(CDC* dc, CRect rect) override;
    CWnd* CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) override;
    CString GetShownText() override;
    void OnSelectCombo() override;
    CComboBox* CreateCombo(CWnd* parent, CRect rect) override;

    // Set and read directly by the lists that use the item.
    std::vector<UINT> m_imageList;  // bitmap resource ids, in the order shown
    int m_nSelectedIndex = 0;
    BOOL m_bTransparent = TRUE;
    COLORREF m_clrKey = RGB(255, 0, 0);  // pixels of this colour are not drawn
    HINSTANCE m_hResModule = nullptr;
};
