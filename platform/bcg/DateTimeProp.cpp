#include "bcg/DateTimeProp.h"

#include <cstdio>

#include "bcg/PropList.h"
#include "mfc/Dc.h"
#include "win32/Crt.h"

IMPLEMENT_DYNAMIC(CBCGPDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CBCGPDateTimeProp, CBCGPProp)

// ---- CBCGPDateTimeCtrl -----------------------------------------------------------------------

BOOL CBCGPDateTimeCtrl::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("BCGPDATETIME", text, style, rect, parent, id);
}

BOOL CBCGPDateTimeCtrl::SetDate(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) return FALSE;
    m_date = date;
    if (m_hWnd) Invalidate(TRUE);
    return TRUE;
}

void CBCGPDateTimeCtrl::SetTextColor(COLORREF color, BOOL redraw) {
    m_clrText = color;
    if (redraw && m_hWnd) Invalidate(TRUE);
}

void CBCGPDateTimeCtrl::SetBackgroundColor(COLORREF color, BOOL redraw) {
    m_clrBackground = color;
    if (redraw && m_hWnd) Invalidate(TRUE);
}

CString CBCGPDateTimeCtrl::GetDisplayText() const {
    const bool date = (m_nState & DTM_DATE) != 0;
    const bool time = (m_nState & DTM_TIME) != 0;
    if (date && time) return m_date.Format("%Y-%m-%d %H:%M:%S");
    if (time) return m_date.Format("%H:%M:%S");
    return m_date.Format("%Y-%m-%d");
}

// ---- CBCGPDateTimeProp -------------------------------------------------------------------------

CBCGPDateTimeProp::CBCGPDateTimeProp(const CString& name, const COleDateTime& date, LPCTSTR description, DWORD_PTR data,
                                     UINT flags)
    : CBCGPProp(name, _variant_t(static_cast<double>(date.m_dt)), description, data), m_nFlags(flags), m_date(date) {
    m_wndDateTime.SetState(flags);
    m_wndDateTime.SetDate(date);
}

void CBCGPDateTimeProp::SetDate(COleDateTime date) {
    m_date = date;
    m_varValue = _variant_t(static_cast<double>(date.m_dt));
    // An open editor shows what code wrote, as the cell does: leaving it so is no edit.
    if (m_bInPlaceEdit)
        if (CBCGPDateTimeCtrl* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, m_pWndInPlace)) ctrl->SetDate(date);
    Redraw();
}

void CBCGPDateTimeProp::SetValue(const _variant_t& value) {
    if (value.vt == VT_R8) {
        SetDate(COleDateTime(value.dblVal));
        return;
    }
    CBCGPProp::SetValue(value);
}

CString CBCGPDateTimeProp::FormatDate(const COleDateTime& value) const {
    const bool date = (m_nFlags & CBCGPDateTimeCtrl::DTM_DATE) != 0;
    const bool time = (m_nFlags & CBCGPDateTimeCtrl::DTM_TIME) != 0;
    if (date && time) return value.Format("%Y-%m-%d %H:%M:%S");
    if (time) return value.Format("%H:%M:%S");
    return value.Format("%Y-%m-%d");
}

CString CBCGPDateTimeProp::FormatProperty() { return FormatDate(m_date); }

BOOL CBCGPDateTimeProp::TextToVar(const CString& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (std::sscanf(text, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) < 3) return FALSE;
    COleDateTime date;
    if (date.SetDateTime(y, mo, d, h, mi, s) != 0) return FALSE;
    m_date = date;
    m_varValue = _variant_t(static_cast<double>(date.m_dt));
    return TRUE;
}

void CBCGPDateTimeProp::SetupEditor(CBCGPDateTimeCtrl* ctrl) {
    CBCGPPropList* list = m_pWndList;
    HFONT font = (list->IsMarkModifiedProperties() && IsModified())
                     ? static_cast<HFONT>(list->GetBoldFont().GetSafeHandle())
                     : reinterpret_cast<HFONT>(list->SendMessage(WM_GETFONT));
    ctrl->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ctrl->SetMonthFormat(m_wndDateTime.GetMonthFormat());
    ctrl->SetState(m_nFlags);
    ctrl->SetDate(GetDate());
    ctrl->SetTextColor(list->GetEffectiveTextColor(), FALSE);
    ctrl->SetBackgroundColor(list->GetEffectiveBkColor(), FALSE);
}

CWnd* CBCGPDateTimeProp::CreateInPlaceEdit(CRect, BOOL& defaultFormat) {
    if (!m_pWndList) return nullptr;
    CBCGPDateTimeCtrl* ctrl = new CBCGPDateTimeCtrl;
    ctrl->SetAutoResize(FALSE);
    CRect rectEdit, rectSpin;
    AdjustInPlaceEditRect(rectEdit, rectSpin);
    if (!ctrl->Create("", WS_CHILD | WS_VISIBLE, rectEdit, m_pWndList, BCGPROPLIST_ID_INPLACE)) {
        delete ctrl;
        return nullptr;
    }
    SetupEditor(ctrl);
    defaultFormat = FALSE;
    return ctrl;
}

BOOL CBCGPDateTimeProp::OnUpdateValue() {
    CBCGPDateTimeCtrl* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, m_pWndInPlace);
    if (!ctrl || !m_pWndList) return CBCGPProp::OnUpdateValue();
    // The date the item shows, as it shows it, is no edit (also after code set it while open).
    const COleDateTime picked = ctrl->GetDate();
    if (CommitsShownText(FormatDate(picked))) return TRUE;
    m_bValueRefused = FALSE;
    m_varValueBefore = m_varValue;
    m_date = picked;
    m_varValue = _variant_t(static_cast<double>(m_date.m_dt));
    m_pWndList->OnPropertyChanged(this);
    return TRUE;
}

