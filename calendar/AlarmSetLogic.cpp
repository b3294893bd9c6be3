#include "calendar/AlarmSetLogic.h"

#include "calendar/AddAlarmLogic.h"
#include "shell/LanguageTable.h"

namespace {
enum {
    kTextMemoData = 10010, kTextKindHeader = 10021, kTextTimeHeader = 10022, kTextContentsHeader = 10023,
    kTextEveryDay = 10024, kTextOnce = 10025, kTextDDay = 10026, kTextTargetDay = 10027, kTextWeekend = 10028,
    kTextWorkdays = 10029, kTextPeriod = 10037, kTextLastDay = 10038, kTextDayOfMonth = 10039, kTextAllDay = 10040,
    kTextEveryMonth = 830, kTextFirstWeek = 851, kTextFirstWeekday = 20111, kTextFirstShortDay = 20118,
    kTextMonthBase = 20200, kTextEvery = 25003, kTextDays = 25004, kTextInterval = 25009
};

CString Number(const wchar_t* format, int value) {
    CString s;
    s.Format(format, value);
    return s;
}

// "#Y#", "#MM#" and "#DD#" of a text replaced by a date.
CString WithDate(CString text, int year, int month, int day) {
    text.Replace(L"#Y#", Number(L"%d", year));
    text.Replace(L"#MM#", Number(L"%02d", month));
    text.Replace(L"#DD#", Number(L"%02d", day));
    return text;
}
}  // namespace

CString CAlarmSetLogic::HeaderText(int column) {
    switch (column) {
    case 0: return g_LanguageTable[kTextKindHeader];
    case 1: return g_LanguageTable[kTextTimeHeader];
    case 2: return g_LanguageTable[kTextContentsHeader];
    default: return CString();
    }
}

int CAlarmSetLogic::KindImage(const CAlarmInfo& a) {
    int kind = a.m_nKind >= 0 && a.m_nKind < SwitchedOffImage ? a.m_nKind : 0;
    bool dated = kind == CAlarmInfo::KindOnce || kind == CAlarmInfo::KindTargetDay;
    return dated && !a.m_bEnabled ? kind + SwitchedOffImage : kind;
}

CString CAlarmSetLogic::KindText(const CAlarmInfo& a) {
    switch (a.m_nKind) {
    case CAlarmInfo::KindEveryDay: return g_LanguageTable[kTextEveryDay];
    case CAlarmInfo::KindOnce: return g_LanguageTable[kTextOnce];
    case CAlarmInfo::KindTargetDay:
        return WithDate(g_LanguageTable[a.m_bDDay ? kTextDDay : kTextTargetDay], a.m_nYear, a.m_nMonth, a.m_nDay);
    case CAlarmInfo::KindDaysOfWeek: {
        int mask = a.m_nDayValue & 0x7F;
        if (mask == 0x41) return g_LanguageTable[kTextWeekend];
        if (mask == 0x3E) return g_LanguageTable[kTextWorkdays];
        CString text = L"[";
        for (int day = 0; day < 7; ++day)
            if (mask & (1 << day)) text += L" " + g_LanguageTable[kTextFirstShortDay + day];
        return text + L" ]";
    }
    case CAlarmInfo::KindPeriod: {
        SYSTEMTIME end = DateCodeToDate(a.m_nEndDate);
        CString text = g_LanguageTable[kTextPeriod];
        text.Replace(L"#SY#", Number(L"%d", a.m_nYear));
        text.Replace(L"#SM#", Number(L"%02d", a.m_nMonth));
        text.Replace(L"#SD#", Number(L"%02d", a.m_nDay));
        text.Replace(L"#EY#", Number(L"%d", end.wYear));
        text.Replace(L"#EM#", Number(L"%02d", end.wMonth));
        text.Replace(L"#ED#", Number(L"%02d", end.wDay));
        return text;
    }
    case CAlarmInfo::KindDayOfMonth: {
        if (a.m_nDayValue == CAlarmInfo::LastDayOfMonth) return g_LanguageTable[kTextLastDay];
        CString text = g_LanguageTable[kTextDayOfMonth];
        text.Replace(L"#D#", Number(L"%d", a.m_nDayValue));
        return text;
    }
    case CAlarmInfo::KindWeekdayOfMonth: {
        int month = a.m_nWeekMonth <= 12 ? a.m_nWeekMonth : 0;
        int week = a.m_nWeekNumber <= 4 ? a.m_nWeekNumber : 4;
        int weekday = a.m_nWeekDay <= 6 ? a.m_nWeekDay : 0;
        CString text;
        text.Format(L"%s %s %s", (const wchar_t*)g_LanguageTable[month ? kTextMonthBase + month : kTextEveryMonth],
                    (const wchar_t*)g_LanguageTable[kTextFirstWeek + week],
                    (const wchar_t*)g_LanguageTable[kTextFirstWeekday + weekday]);
        return text;
    }
    case CAlarmInfo::KindEveryNDays: {
        CString text = WithDate(g_LanguageTable[kTextInterval], a.m_nYear, a.m_nMonth, a.m_nDay);
        text.Replace(L"#EVERY#", g_LanguageTable[kTextEvery]);
        text.Replace(L"#DAYS#", g_LanguageTable[kTextDays]);
        text.Replace(L"#DAY#", Number(L"%d", a.m_nDayValue));
        return text;
    }
    default: return CString();
    }
}

CString CAlarmSetLogic::TimeText(const CAlarmInfo& a) {
    if (a.m_nTimeMode == CAlarmInfo::TimeModeAllDay) return g_LanguageTable[kTextAllDay];
    return CAddAlarmLogic::TimeText(a.m_nHour, a.m_nMinute);
}

CString CAlarmSetLogic::ContentsText(const CAlarmInfo& a) {
    if (!a.m_strMemoFile.IsEmpty()) return g_LanguageTable[kTextMemoData];
    CString text = a.m_strContents;
    text.Replace(L"\r\n", L"/");
    return text;
}
