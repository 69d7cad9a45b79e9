// Driver operations on property sheets and host windows, as a user or the host would cause
// them: every operation goes through the messages the real action sends.
#pragma once

#include <string>
#include <vector>

#include "mfc/PropertySheet.h"

namespace platform {

// The user clicks tab index of the sheet (found through PSM_GETTABCONTROL): the sheet shows
// that page, creating its window on the first choice. Answers whether the page is now active.
bool ChooseTab(CWnd& sheet, int index);
// Texts of the sheet's tabs, in order (empty when the sheet has no window).
std::vector<std::string> TabCaptions(CWnd& sheet);
// The selected tab (-1 when the sheet has no window or no tab).
int ActiveTab(CWnd& sheet);

// Resizes wnd, keeping its place (SetWindowPos: WM_SIZE when the size changes).
void ResizeWindow(CWnd& wnd, int cx, int cy);
// The host's selection message: WM_USER+101 with the view window and the selected object.
LRESULT SendSelectionChanged(CWnd& wnd, CWnd* view, LPARAM object);
// The host's check message: WM_USER+102 (wParam: a layer).
LRESULT SendCheckValue(CWnd& wnd, WPARAM wParam, LPARAM lParam = 0);
// What a host does with a window it was handed: destroy it, then delete the object.
void DestroyAndDelete(CWnd* wnd);

}  // namespace platform
