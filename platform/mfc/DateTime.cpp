#include "mfc/DateTime.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kSecondsPerDay = 86400;
// Range of the time line (see Linear).
constexpr double kMinDate = -657434.0;                    // 0100-01-01 00:00:00
constexpr double kMaxDate = 2958465.0 + 86399.0 / 86400;  // 9999-12-31 23:59:59

// Days from 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long kEpochOffset = DaysFromCivil(1899, 12, 30);  // 1970-based day of the zero date

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// The stored value counts days before the zero date negatively while its fraction still adds
// the time of day (-1.25 is 1899-12-29 06:00); this turns it into a time line that orders.
double Linear(DATE dt) {
    double day = std::trunc(dt);
    return day + std::fabs(dt - day);
}

struct Fields {
    int year, month, day, hour, minute, second;
};

// The fields of a stored value, rounded to the nearest second.
Fields Split(DATE dt) {
    double day = std::trunc(dt);
    long seconds = std::lround(std::fabs(dt - day) * kSecondsPerDay);
    long dayNumber = static_cast<long>(day);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        dayNumber += 1;  // 23:59:59.5 and later round to midnight of the next day
    }
    Fields f{};
    CivilFromDays(dayNumber + kEpochOffset, f.year, f.month, f.day);
    f.hour = static_cast<int>(seconds / 3600);
    f.minute = static_cast<int>(seconds / 60 % 60);
    f.second = static_cast<int>(seconds % 60);
    return f;
}

void AppendNumber(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

}  // namespace

COleDateTime::COleDateTime(DATE value) : m_dt(value) {
    m_status = (std::isfinite(value) && Linear(value) >= kMinDate && Linear(value) <= kMaxDate) ? valid : invalid;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    double days = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
    double fraction = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    m_dt = days < 0 ? days - fraction : days + fraction;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }

int COleDateTime::SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

int COleDateTime::GetYear() const { return m_status == valid ? Split(m_dt).year : -1; }
int COleDateTime::GetMonth() const { return m_status == valid ? Split(m_dt).month : -1; }
int COleDateTime::GetDay() const { return m_status == valid ? Split(m_dt).day : -1; }
int COleDateTime::GetHour() const { return m_status == valid ? Split(m_dt).hour : -1; }
int COleDateTime::GetMinute() const { return m_status == valid ? Split(m_dt).minute : -1; }
int COleDateTime::GetSecond() const { return m_status == valid ? Split(m_dt).second : -1; }

bool COleDateTime::operator==(const COleDateTime& o) const {
    if (m_status != o.m_status) return false;
    return m_status != valid || Linear(m_dt) == Linear(o.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& o) const {
    return m_status == valid && o.m_status == valid && Linear(m_dt) < Linear(o.m_dt);
}
bool COleDateTime::operator>(const COleDateTime& o) const {
    return m_status == valid && o.m_status == valid && Linear(m_dt) > Linear(o.m_dt);
}
bool COleDateTime::operator<=(const COleDateTime& o) const {
    return m_status == valid && o.m_status == valid && Linear(m_dt) <= Linear(o.m_dt);
}
bool COleDateTime::operator>=(const COleDateTime& o) const {
    return m_status == valid && o.m_status == valid && Linear(m_dt) >= Linear(o.m_dt);
}

CString COleDateTime::Format(const char* format) const {
    if (m_status == null) return CString();
    if (m_status != valid) return CString("Invalid DateTime");
    Fields f = Split(m_dt);
    std::string out;
    for (const char* p = format ? format : ""; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
            case 'Y':
                AppendNumber(out, f.year, 4);
                break;
            case 'y':
                AppendNumber(out, f.year % 100, 2);
                break;
            case 'm':
                AppendNumber(out, f.month, 2);
                break;
            case 'd':
                AppendNumber(out, f.day, 2);
                break;
            case 'H':
                AppendNumber(out, f.hour, 2);
                break;
            case 'M':
                AppendNumber(out, f.minute, 2);
                break;
            case 'S':
                AppendNumber(out, f.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += *p;
                break;
        }
    }
    return CString(std::move(out));
}
