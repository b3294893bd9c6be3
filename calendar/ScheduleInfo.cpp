#include "calendar/ScheduleInfo.h"

#include <algorithm>
#include <cstdlib>

CScheduleInfo::Kind CScheduleInfo::GetKind() const {
    if (m_bDayAnniversary) return KindSpecialDay;
    if (m_bPassed) {
        if (m_nDays != 0) return KindDDayPassed;
        return m_bHasTime ? KindTimeReached : KindAllDay;
    }
    return m_nDays != 0 ? KindDDayAhead : KindTimeAhead;
}

bool CScheduleInfo::ComesBefore(const CScheduleInfo& a, const CScheduleInfo& b, bool sortByTime) {
    if (a.m_nSortGroup != b.m_nSortGroup) return a.m_nSortGroup < b.m_nSortGroup;
    return sortByTime ? a.m_nSortKey > b.m_nSortKey : a.m_nSortKey < b.m_nSortKey;
}

void CScheduleInfo::SortRows(std::vector<CScheduleInfo>& rows, bool sortByTime) {
    if (rows.size() < 2) return;
    // Stable, so rows of equal rank keep the order the frame built them in.
    std::stable_sort(rows.begin(), rows.end(), [sortByTime](const CScheduleInfo& a, const CScheduleInfo& b) {
        return ComesBefore(a, b, sortByTime);
    });
}

CString CScheduleInfo::MakeDDayText(const CString& format, int includeToday) const {
    int count = m_nDays;
    if (GetKind() == KindDDayPassed) count = includeToday ? 1 - m_nDays : -m_nDays;
    CString number;
    number.Format(L"%d", count);
    CString text = format;
    text.Replace(L"#DDAYNAME#", (LPCTSTR)m_strText);
    text.Replace(L"#DDAYCOUNT#", (LPCTSTR)number);
    text.Replace(L"\r\n", L" ");
    return text;
}

CString CScheduleInfo::MakeTimeText(const CString& format, int minutes) {
    const int hours = std::abs(minutes / 60);
    const int rest = std::abs(minutes % 60);
    CString h2, h, m2, m;
    h2.Format(L"%02d", hours);
    h.Format(L"%d", hours);
    m2.Format(L"%02d", rest);
    m.Format(L"%d", rest);
    CString text = format;
    text.Replace(L"#H#", (LPCTSTR)h2);
    text.Replace(L"#h#", (LPCTSTR)h);
    text.Replace(L"#M#", (LPCTSTR)m2);
    text.Replace(L"#m#", (LPCTSTR)m);
    return text;
}
