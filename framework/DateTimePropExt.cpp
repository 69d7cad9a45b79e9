#include "framework/DateTimePropExt.h"

#include "bcg/PropList.h"
#include "mfc/Dc.h"

CBCGPDateTimePropExt::CBCGPDateTimePropExt(const CString& name, const COleDateTime& date, const char* description,
                                           DWORD_PTR data, UINT flags)
    : CBCGPDateTimeProp(name, date, description, data, flags) {
    m_wndDateTime.SetMonthFormat(kNumericMonths);
}

CWnd* CBCGPDateTimePropExt::CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) {
    CBCGPPropList* list = m_pWndList;
    if (!list) return nullptr;
    CBCGPDateTimeCtrl* ctrl = new CBCGPDateTimeCtrl;
    ctrl->SetAutoResize(FALSE);
    CRect rectSpin;
    AdjustInPlaceEditRect(rect, rectSpin);
    if (!ctrl->Create("", WS_CHILD | WS_VISIBLE, rect, list, BCGPROPLIST_ID_INPLACE)) {
        delete ctrl;
        return nullptr;
    }

    HFONT font = (list->IsMarkModifiedProperties() && IsModified())
                     ? static_cast<HFONT>(list->GetBoldFont().GetSafeHandle())
                     : reinterpret_cast<HFONT>(list->SendMessage(WM_GETFONT));
    ctrl->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);

    ctrl->SetMonthFormat(kNumericMonths);
    ctrl->SetState(m_nFlags);
    ctrl->SetDate(GetDate());

    // The grid's colours, or the system's where the grid keeps the default marker.
    const COLORREF text =
        list->GetTextColor() == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_WINDOWTEXT) : list->GetTextColor();
    const COLORREF background =
        list->GetBkColor() == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_WINDOW) : list->GetBkColor();
    ctrl->SetTextColor(text, FALSE);
    ctrl->SetBackgroundColor(background, FALSE);

    defaultFormat = FALSE;
    return ctrl;
}
