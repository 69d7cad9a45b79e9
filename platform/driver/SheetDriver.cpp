#include "driver/SheetDriver.h"

namespace platform {

namespace {

CTabCtrl* TabOf(CWnd& sheet) {
    return DYNAMIC_DOWNCAST(CTabCtrl, CWnd::FromHandle(reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETTABCONTROL))));
}

}  // namespace

bool ChooseTab(CWnd& sheet, int index) {
    CTabCtrl* tab = TabOf(sheet);
    if (!tab || !tab->Click(index)) return false;
    return tab->GetCurSel() == index;
}

std::vector<std::string> TabCaptions(CWnd& sheet) {
    std::vector<std::string> captions;
    if (CTabCtrl* tab = TabOf(sheet))
        for (int i = 0; i < tab->GetItemCount(); ++i) captions.push_back(tab->GetItemText(i).str());
    return captions;
}

int ActiveTab(CWnd& sheet) {
    CTabCtrl* tab = TabOf(sheet);
    return tab ? static_cast<int>(tab->SendMessage(TCM_GETCURSEL)) : -1;
}

void ResizeWindow(CWnd& wnd, int cx, int cy) {
    wnd.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SendSelectionChanged(CWnd& wnd, CWnd* view, LPARAM object) {
    return wnd.SendMessage(WM_USER + 101, reinterpret_cast<WPARAM>(view), object);
}

LRESULT SendCheckValue(CWnd& wnd, WPARAM wParam, LPARAM lParam) {
    return wnd.SendMessage(WM_USER + 102, wParam, lParam);
}

void DestroyAndDelete(CWnd* wnd) {
    if (!wnd) return;
    if (wnd->m_hWnd) wnd->DestroyWindow();
    delete wnd;
}

}  // namespace platform
