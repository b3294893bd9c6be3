#include "Time.h"

#include <cwchar>

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = dst;
    m_time = _mktime64(&t);
}

CTime::CTime(const SYSTEMTIME& st, int dst)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, dst) {}

CTime::CTime(const FILETIME& ft, int dst) {
    FILETIME local;
    SYSTEMTIME st;
    if (FileTimeToLocalFileTime(&ft, &local) && FileTimeToSystemTime(&local, &st))
        *this = CTime(st, dst);
    else
        m_time = 0;
}

CTime CTime::GetCurrentTime() { return CTime(_time64(nullptr)); }

struct tm CTime::Local() const {
    struct tm t = {};
    __time64_t v = m_time;
    _localtime64_s(&t, &v);
    return t;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const {
    struct tm t = Local();
    st = SYSTEMTIME();
    st.wYear = (WORD)(t.tm_year + 1900);
    st.wMonth = (WORD)(t.tm_mon + 1);
    st.wDay = (WORD)t.tm_mday;
    st.wDayOfWeek = (WORD)t.tm_wday;
    st.wHour = (WORD)t.tm_hour;
    st.wMinute = (WORD)t.tm_min;
    st.wSecond = (WORD)t.tm_sec;
    return true;
}

CString CTime::Format(const wchar_t* format) const {
    struct tm t = Local();
    wchar_t buf[512];
    size_t n = wcsftime(buf, 512, format, &t);
    return CString(buf, (int)n);
}
