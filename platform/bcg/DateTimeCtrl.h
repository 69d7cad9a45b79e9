// CBCGPDateTimeCtrl: the date/time editing control (the in-place editor of date items). The
// user's choice is made with SetDate; the item reads it back with GetDate.
#pragma once

#include "mfc/DateTime.h"
#include "mfc/Wnd.h"

class CBCGPDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CBCGPDateTimeCtrl)
public:
    // Parts shown and behaviour (SetState flags).
    enum : UINT {
        DTM_SPIN = 0x0001,
        DTM_DROPCALENDAR = 0x0002,
        DTM_DATE = 0x0004,
        DTM_TIME = 0x0008,
        DTM_CHECKBOX = 0x0010,
        DTM_TIME24H = 0x0020,
        DTM_CHECKED = 0x0040,
        DTM_TIME24HBYLOCALE = 0x0080,
    };

    CBCGPDateTimeCtrl() = default;

    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetAutoResize(BOOL autoResize = TRUE) { m_bAutoResize = autoResize; }
    BOOL GetAutoResize() const { return m_bAutoResize; }
    // 0 short month names, 1 long names, 2 numbers.
    void SetMonthFormat(int format) { m_nMonthFormat = format; }
    int GetMonthFormat() const { return m_nMonthFormat; }
    void SetState(UINT state, UINT mask = 0xFFFFFFFFu) { m_nState = (m_nState & ~mask) | (state & mask); }
    UINT GetState() const { return m_nState; }
    BOOL SetDate(const COleDateTime& date);  // FALSE (unchanged) for an invalid date
    COleDateTime GetDate() const { return m_date; }
    void SetTextColor(COLORREF color, BOOL redraw = TRUE);
    COLORREF GetTextColor() const { return m_clrText; }
    void SetBackgroundColor(COLORREF color, BOOL redraw = TRUE);
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    // The date as the control shows it (date and/or time parts per the state).
    CString GetDisplayText() const;

private:
    BOOL m_bAutoResize = TRUE;
    int m_nMonthFormat = 0;
    UINT m_nState = DTM_DATE | DTM_TIME | DTM_SPIN | DTM_DROPCALENDAR;
    COleDateTime m_date;
    COLORREF m_clrText = (COLORREF)-1;
    COLORREF m_clrBackground = (COLORREF)-1;
};
