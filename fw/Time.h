// CTime: a moment as seconds since 1970 (UTC), shown in local time.
// CTimeSpan: a difference of two moments in seconds.
#pragma once

#include "StringT.h"

#include <ctime>

class CTimeSpan {
public:
    CTimeSpan(__time64_t seconds = 0) : m_span(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds)
        : m_span(((__time64_t)days * 24 + hours) * 3600 + (__time64_t)minutes * 60 + seconds) {}
    LONGLONG GetDays() const { return m_span / 86400; }
    LONGLONG GetTotalHours() const { return m_span / 3600; }
    LONGLONG GetTotalMinutes() const { return m_span / 60; }
    LONGLONG GetTotalSeconds() const { return m_span; }
    LONG GetHours() const { return (LONG)(GetTotalHours() - GetDays() * 24); }
    LONG GetMinutes() const { return (LONG)(GetTotalMinutes() - GetTotalHours() * 60); }
    LONG GetSeconds() const { return (LONG)(m_span - GetTotalMinutes() * 60); }
    __time64_t GetTimeSpan() const { return m_span; }
    bool operator==(CTimeSpan o) const { return m_span == o.m_span; }
    bool operator<(CTimeSpan o) const { return m_span < o.m_span; }

private:
    __time64_t m_span;
};

class CTime {
public:
    CTime(__time64_t t = 0) : m_time(t) {}
    // Local date and time; dst -1 lets the system decide.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    CTime(const SYSTEMTIME& st, int dst = -1);
    CTime(const FILETIME& ft, int dst = -1);

    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    int GetDayOfWeek() const { return Local().tm_wday + 1; }  // 1 is Sunday
    bool GetAsSystemTime(SYSTEMTIME& st) const;
    // strftime-style format in local time.
    CString Format(const wchar_t* format) const;

    CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTimeSpan()); }
    CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan s) { m_time += s.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan s) { m_time -= s.GetTimeSpan(); return *this; }
    bool operator==(CTime o) const { return m_time == o.m_time; }
    bool operator!=(CTime o) const { return m_time != o.m_time; }
    bool operator<(CTime o) const { return m_time < o.m_time; }
    bool operator>(CTime o) const { return m_time > o.m_time; }
    bool operator<=(CTime o) const { return m_time <= o.m_time; }
    bool operator>=(CTime o) const { return m_time >= o.m_time; }

private:
    struct tm Local() const;
    __time64_t m_time;
};
