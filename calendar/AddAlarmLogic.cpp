#include "calendar/AddAlarmLogic.h"

#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

#include <cwchar>

namespace {
const int kAdvanceMinutes[CAddAlarmLogic::AdvancePositions] = {0,     1,  3,  5,  10,  30,  60,  120, 360,
                                                                1440,  10080, -1, -3, -5, -10, -30, -60, -1440};
const int kQuickSeconds[CAddAlarmLogic::QuickTimes] = {0, 900, 1800, 3600, 7200, 10800, 14400, 18000, 21600, 43200};
const int kTextTime = 10018;

SYSTEMTIME Day(int year, int month, int day) {
    SYSTEMTIME t = {};
    t.wYear = (WORD)year;
    t.wMonth = (WORD)month;
    t.wDay = (WORD)day;
    t.wHour = 12;
    return t;
}

SYSTEMTIME RecordDay(const CAlarmInfo& r) { return Day(r.m_nYear, r.m_nMonth, r.m_nDay); }
}  // namespace

int CAddAlarmLogic::AdvanceMinutes(int position) {
    return position >= 0 && position < AdvancePositions ? kAdvanceMinutes[position] : 0;
}

int CAddAlarmLogic::AdvancePosition(int minutes) {
    for (int i = 0; i < AdvancePositions; ++i)
        if (kAdvanceMinutes[i] == minutes) return i;
    return -1;
}

int CAddAlarmLogic::QuickTimeSeconds(int position) {
    return position >= 0 && position < QuickTimes ? kQuickSeconds[position] : 0;
}

void CAddAlarmLogic::QuickTime(const SYSTEMTIME& now, int seconds, int& hour, int& minute) {
    int total = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + seconds) % 86400;
    hour = total / 3600;
    minute = total / 60 % 60;
}

void CAddAlarmLogic::ChooseWorkdays(Form& form) {
    form.kind = CAlarmInfo::KindDaysOfWeek;
    form.weekdayMask = 0x3E;
}

void CAddAlarmLogic::ChooseWeekend(Form& form) { form.weekdayMask = 0x41; }

long long CAddAlarmLogic::MinuteKey64(int year, int month, int day, int hour, int minute) {
    return (long long)year * 535680 + (long long)month * 44640 + (long long)day * 1440 + hour * 60 + minute;
}

CString CAddAlarmLogic::TimeText(int hour, int minute) {
    CString text = g_LanguageTable[kTextTime], number;
    number.Format(L"%02d", hour);
    text.Replace(L"#HH#", number);
    number.Format(L"%02d", minute);
    text.Replace(L"#MM#", number);
    return text;
}

CAddAlarmLogic::Form CAddAlarmLogic::Open(CAlarmInfo& r, bool edit, bool presetDate, const SYSTEMTIME& now) {
    Form f;
    SYSTEMTIME today = Day(now.wYear, now.wMonth, now.wDay);
    f.kind = r.m_nKind;
    f.icon = r.m_nIcon;
    f.dDay = r.m_bDDay != 0;
    f.holiday = r.m_bHoliday != 0;
    f.allDay = r.m_nTimeMode == CAlarmInfo::TimeModeAllDay;
    f.done = r.m_bDone != 0;
    // A style of -1 (no notice) is the first position and stays -1 when
    // the list is left alone; a style the list does not know shows the
    // slide notice.
    f.style = r.m_nNoticeStyle + 1;
    if (f.style < 0 || f.style >= StylePositions) f.style = 1;
    CString interval;
    interval.Format(L"%d", r.m_nKind == CAlarmInfo::KindEveryNDays && r.m_nDayValue >= 2 ? r.m_nDayValue : 2);
    f.interval = interval;
    int advance = AdvancePosition(r.m_nAdvance);
    if (advance < 0) {
        advance = 0;
        r.m_nAdvance = 0;
    }
    // The list offers only the notices before the due time.
    f.advance = advance < AdvanceListed ? advance : -1;

    if (edit) {
        switch (r.m_nKind) {
        case CAlarmInfo::KindTargetDay:
        case CAlarmInfo::KindEveryNDays:
            f.date = f.start = f.end = RecordDay(r);
            break;
        case CAlarmInfo::KindPeriod:
            f.date = f.start = f.end = RecordDay(r);
            if (r.m_nEndDate != 0) f.end = DateCodeToDate(r.m_nEndDate);
            break;
        default:
            f.date = today;
            f.start = f.end = RecordDay(r);
            break;
        }
        f.hour = r.m_nHour;
        f.minute = r.m_nMinute;
        if (r.m_nKind == CAlarmInfo::KindDaysOfWeek) f.weekdayMask = r.m_nDayValue & 0x7F;
        f.dayOfMonth = r.m_nKind == CAlarmInfo::KindDayOfMonth ? r.m_nDayValue - 1 : now.wDay - 1;
        if (f.dayOfMonth < 0 || f.dayOfMonth > 31) f.dayOfMonth = now.wDay - 1;
        f.weekMonth = r.m_nWeekMonth;
        f.weekNumber = r.m_nWeekNumber;
        f.weekDay = r.m_nWeekDay;
    } else {
        f.date = f.start = f.end = presetDate ? RecordDay(r) : today;
        f.hour = r.m_nHour = now.wHour;
        f.minute = r.m_nMinute = now.wMinute;
        r.UpdateMinuteKey();
        f.dayOfMonth = now.wDay - 1;
        f.weekMonth = now.wMonth;
        int weekday = GetWeekday(now.wYear, now.wMonth, now.wDay);
        int ordinal = GetWeekdayOrdinal(now.wYear, now.wMonth, now.wDay, weekday);
        f.weekNumber = ordinal < 0 ? 0 : ordinal > 4 ? 4 : ordinal;
        f.weekDay = weekday >= 1 && weekday <= 7 ? weekday - 1 : 0;
    }
    return f;
}

CAddAlarmLogic::OkResult CAddAlarmLogic::Ok(const CAlarmInfo& working, const Form& f, const SYSTEMTIME& now) {
    OkResult result;
    result.record = working;
    CAlarmInfo& r = result.record;
    r.m_nKind = f.kind;
    const SYSTEMTIME& first = f.kind == CAlarmInfo::KindPeriod ? f.start : f.date;
    r.m_nYear = first.wYear;
    r.m_nMonth = first.wMonth;
    r.m_nDay = first.wDay;
    if (f.kind == CAlarmInfo::KindPeriod) r.m_nEndDate = MakeDateCode(f.end);
    r.m_nTimeMode = f.allDay ? CAlarmInfo::TimeModeAllDay : CAlarmInfo::TimeModeTimed;
    r.m_nHour = f.allDay ? 0 : f.hour;
    r.m_nMinute = f.allDay ? 0 : f.minute;
    switch (f.kind) {
    case CAlarmInfo::KindDaysOfWeek: r.m_nDayValue = f.weekdayMask & 0x7F; break;
    case CAlarmInfo::KindDayOfMonth: r.m_nDayValue = f.dayOfMonth + 1; break;
    case CAlarmInfo::KindEveryNDays: r.m_nDayValue = _wtoi(f.interval); break;
    default: r.m_nDayValue = 1; break;
    }
    if (f.kind == CAlarmInfo::KindWeekdayOfMonth) {
        r.m_nWeekMonth = (BYTE)f.weekMonth;
        r.m_nWeekNumber = (BYTE)f.weekNumber;
        r.m_nWeekDay = (BYTE)f.weekDay;
    }
    r.m_bDDay = f.dDay ? 1 : 0;
    r.m_nIcon = f.icon;
    r.m_bHoliday = f.holiday ? 1 : 0;
    r.m_bDone = f.done ? 1 : 0;
    r.m_bEnabled = 1;
    r.UpdateMinuteKey();
    r.UpdateMinuteOfDay();

    auto refuse = [&result](int textId, int picker) {
        result.valid = false;
        result.textId = textId;
        result.resetPicker = picker;
        return result;
    };
    switch (f.kind) {
    case CAlarmInfo::KindDaysOfWeek:
        if (r.m_nDayValue == 0) return refuse(TextNoWeekday, NoPicker);
        break;
    case CAlarmInfo::KindEveryNDays:
        if (r.m_nDayValue <= 1) return refuse(TextIntervalTooShort, NoPicker);
        break;
    default: break;
    }
    long long nowKey = MinuteKey64(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    if (f.kind == CAlarmInfo::KindTargetDay) {
        if (r.m_nYear < 0 || r.m_nYear > 10000) return refuse(TextInvalidDate, DatePicker);
        long long key = MinuteKey64(r.m_nYear, r.m_nMonth, r.m_nDay, r.m_nHour, r.m_nMinute) + (f.allDay ? 1440 : 0);
        if (key < nowKey) r.m_bEnabled = 0;
    } else if (f.kind == CAlarmInfo::KindPeriod) {
        if (f.start.wYear > 10000) return refuse(TextInvalidDate, StartPicker);
        if (f.end.wYear > 10000) return refuse(TextInvalidDate, EndPicker);
        if (MakeDateCode(f.start) >= MakeDateCode(f.end)) return refuse(TextStartAfterEnd, NoPicker);
        long long endKey = f.allDay ? MinuteKey64(f.end.wYear, f.end.wMonth, f.end.wDay, 24, 0)
                                    : MinuteKey64(f.end.wYear, f.end.wMonth, f.end.wDay, r.m_nHour, r.m_nMinute);
        if (endKey < nowKey) r.m_bEnabled = 0;
    }
    r.m_nAdvance = AdvanceMinutes(f.advance);
    r.m_nNoticeStyle = f.style - 1;
    result.valid = true;
    return result;
}
