#include "calendar/AnniversaryDays.h"

#include "calendar/LunarCalendar.h"
#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

namespace {

const int kLunarDayTextId = 22001;

// A lunar anniversary on the 30th falls on the 29th in a short month.
SolarDate LunarAnniversaryInYear(int lunarYear, int month, int day, BOOL leap) {
    SolarDate s = LunarToSolar(lunarYear, month, day, leap);
    if (!s.valid && day > 28)
        s = LunarToSolar(lunarYear, month, day - 1, leap);
    return s;
}

}  // namespace

CString GetDayAnniversaryText(const CArray<CDayInfo>* list, int year, int month, int day) {
    CString texts;
    if (!list)
        return texts;
    LunarDate lunarDate = SolarToLunar(year, month, day);
    bool lunarMatched = false;
    for (const CDayInfo& info : *list) {
        bool match;
        if (info.m_bLunar)
            match = lunarDate.valid && info.m_nMonth == lunarDate.month && info.m_nDay == lunarDate.day &&
                    (info.m_bLeap != 0) == (lunarDate.leap != FALSE);
        else
            match = info.m_nMonth == month && info.m_nDay == day;
        if (!match)
            continue;
        lunarMatched |= info.m_bLunar != 0;
        if (!texts.IsEmpty())
            texts += L"\n";
        texts += info.m_strText;
    }
    if (!lunarMatched)
        return texts;
    CString head = g_LanguageTable[kLunarDayTextId];
    if (head.IsEmpty())
        head = L"Lun #M#/#D#";
    CString number;
    number.Format(L"%02d", lunarDate.month);
    head.Replace(L"#M#", number);
    number.Format(L"%02d", lunarDate.day);
    head.Replace(L"#D#", number);
    return head + L"\n" + texts;
}

int DaysUntilAnniversary(int year, int month, int day, int anniversaryMonth, int anniversaryDay, BOOL lunar,
                         BOOL leap) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || anniversaryMonth < 1 || anniversaryMonth > 12 ||
        anniversaryDay < 1 || anniversaryDay > (lunar ? 30 : 31))
        return kNoAnniversaryDay;
    const long long newYear = DayNumber(year, 1, 1);
    const int t = (int)(DayNumber(year, month, day) - newYear);

    if (!lunar) {
        int d = (int)(DayNumber(year, anniversaryMonth, anniversaryDay) - newYear);
        if (d - t >= 0)
            return d - t;
        return (int)(DayNumber(year + 1, anniversaryMonth, anniversaryDay) - newYear) - t;
    }

    auto daysTo = [&](int lunarYear, int& result) {
        SolarDate s = LunarAnniversaryInYear(lunarYear, anniversaryMonth, anniversaryDay, leap);
        if (!s.valid)
            return false;
        result = (int)(DayNumber(s.year, s.month, s.day) - newYear) - t;
        return true;
    };
    int r;
    if (!daysTo(year, r))
        return kNoAnniversaryDay;
    if (r > 300) {
        int before;
        if (daysTo(year - 1, before) && before >= 0)
            return before;
        return r;
    }
    if (r < 0) {
        int after;
        return daysTo(year + 1, after) ? after : kNoAnniversaryDay;
    }
    return r;
}
