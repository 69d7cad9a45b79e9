#include "bcg/VisualManager.h"

IMPLEMENT_DYNAMIC(CBCGPVisualManager, CObject)

BCGPGLOBAL_DATA globalData;

BCGPGLOBAL_DATA::BCGPGLOBAL_DATA()
    : clrBtnFace(GetSysColor(COLOR_BTNFACE)),
      clrBtnShadow(GetSysColor(COLOR_BTNSHADOW)),
      clrBtnText(GetSysColor(COLOR_BTNTEXT)),
      clrWindow(GetSysColor(COLOR_WINDOW)),
      clrWindowText(GetSysColor(COLOR_WINDOWTEXT)),
      clrHilite(GetSysColor(COLOR_HIGHLIGHT)) {
    brBtnFace.Attach(GetSysColorBrush(COLOR_BTNFACE));
    brWindow.Attach(GetSysColorBrush(COLOR_WINDOW));
}

CBCGPVisualManager* CBCGPVisualManager::GetInstance() {
    static CBCGPVisualManager* instance = new CBCGPVisualManager;  // lives as long as the process
    return instance;
}

void CBCGPVisualManager::OnDrawCheckBox(CDC* dc, CRect rect, BOOL highlighted, BOOL checked, BOOL enabled) {
    m_checkBoxCalls.push_back({rect, highlighted, checked, enabled});
    if (!dc) return;
    const COLORREF frame = enabled ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_GRAYTEXT);
    dc->FillSolidRect(&rect, highlighted ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_WINDOW));
    dc->Draw3dRect(&rect, frame, frame);
    if (checked) {
        CRect mark = rect;
        mark.DeflateRect(3, 3);
        dc->FillSolidRect(&mark, enabled ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT));
    }
}
