// CBCGPDateTimePropExt: a date-time item whose editor shows months as numbers.
#pragma once

#include "bcg/DateTimeProp.h"
#include "framework/Export.h"

class TESSALY_API CBCGPDateTimePropExt : public CBCGPDateTimeProp {
public:
    // Month format of the date-time control: months as numbers.
    static constexpr int kNumericMonths = 2;

    CBCGPDateTimePropExt(const CString& name, const COleDateTime& date, const char* description = nullptr,
                         DWORD_PTR data = 0,
                         UINT flags = CBCGPDateTimeCtrl::DTM_DATE | CBCGPDateTimeCtrl::DTM_TIME |
                                      CBCGPDateTimeCtrl::DTM_SPIN | CBCGPDateTimeCtrl::DTM_DROPCALENDAR);

    CWnd* CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) override;
};
