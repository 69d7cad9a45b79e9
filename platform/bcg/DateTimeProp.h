// CBCGPDateTimeProp: an item whose value is a date (and/or time). Its editor is a
// CBCGPDateTimeCtrl; the item keeps a control of its own (m_wndDateTime, not a window) whose
// settings (month format) the editor copies. The variant value holds the DATE as VT_R8.
#pragma once

#include "bcg/DateTimeCtrl.h"
#include "bcg/Prop.h"

class CBCGPDateTimeProp : public CBCGPProp {
    DECLARE_DYNAMIC(CBCGPDateTimeProp)
public:
    CBCGPDateTimeProp(const CString& name, const COleDateTime& date, LPCTSTR description = nullptr, DWORD_PTR data = 0,
                      UINT flags = CBCGPDateTimeCtrl::DTM_DATE | CBCGPDateTimeCtrl::DTM_TIME |
                                   CBCGPDateTimeCtrl::DTM_SPIN | CBCGPDateTimeCtrl::DTM_DROPCALENDAR);

    // Programmatic; never notifies. An open editor shows the new date at once.
    void SetDate(COleDateTime date);
    COleDateTime GetDate() const { return m_date; }
    UINT GetFlags() const { return m_nFlags; }
    void SetValue(const _variant_t& value) override;

    CString FormatProperty() override;
    BOOL TextToVar(const CString& text) override;  // "YYYY-MM-DD[ HH:MM:SS]"
    CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& defaultFormat) override;
    // The editor's date becomes the value, then the grid hears of it; the date the item shows is
    // no edit.
    BOOL OnUpdateValue() override;

    // The item's own control (month format, colours); not a window.
    CBCGPDateTimeCtrl m_wndDateTime;

protected:
    // A date as the item shows it (date and/or time by the item's flags).
    CString FormatDate(const COleDateTime& date) const;
    // Font, month format, state, date and colours of a new editor, as the grid shows the item.
    void SetupEditor(CBCGPDateTimeCtrl* ctrl);

    UINT m_nFlags;
    COleDateTime m_date;
};
