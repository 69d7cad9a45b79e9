// COleDateTime: a date and time of day held as days since 1899-12-30 00:00 (the fraction is
// the time of day), with a validity status. Years 100 to 9999, whole seconds.
#pragma once

#include "mfc/String.h"
#include "win32/Win32.h"

typedef double DATE;

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;  // 1899-12-30 00:00:00, valid
    COleDateTime(DATE value);  // invalid when outside 100-01-01 ... 9999-12-31 23:59:59
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();  // local time of the system clock

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Each answers 0 and makes the value valid, or 1 and makes it invalid (value then 0) when a
    // field is out of range (year 100-9999, a real day of the month, 0-23, 0-59, 0-59).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);      // time of day 00:00:00
    int SetTime(int hour, int minute, int second);  // date 1899-12-30

    // Fields of a valid value; -1 when the value is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    operator DATE() const { return m_dt; }

    // Equal: both valid at the same day and time, or both of the same other status. Ordering compares by day and time
    // and is false whenever either value is not valid.
    bool operator==(const COleDateTime& o) const;
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const;
    bool operator>(const COleDateTime& o) const;
    bool operator<=(const COleDateTime& o) const;
    bool operator>=(const COleDateTime& o) const;

    // Text of the fields: %Y (4 digits), %y, %m, %d, %H, %M, %S (2 digits), %% ; any other
    // character is copied. "" for a null value, "Invalid DateTime" for an invalid one.
    CString Format(const char* format) const;

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;
};
