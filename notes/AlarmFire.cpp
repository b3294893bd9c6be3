#include "notes/AlarmFire.h"

#include "notes/AlarmCalendar.h"
#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

namespace {

CString MonthNames(CString text, int month) {
    CString name = GetMonthName(month);
    text.Replace(L"#SOLMONTH_LONG#", name.GetString());
    text.Replace(L"#SOLMONTH_SHORT#", name.GetString());
    return text;
}

bool FileExists(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CString CAlarmFire::AdvanceTitle(int advance) {
    if (advance > 0) {
        if (advance == 10080) return g_LanguageTable[IDS_WEEK_LEFT];
        if (advance == 1440) return g_LanguageTable[IDS_DAY_LEFT];
        if (advance >= 60) return ReplaceMarkerNumber(g_LanguageTable[IDS_HOURS_LEFT], L"#H#", advance / 60);
        return ReplaceMarkerNumber(g_LanguageTable[IDS_MINUTES_LEFT], L"#M#", advance);
    }
    int over = -advance;
    if (over < 60) return ReplaceMarkerNumber(g_LanguageTable[IDS_MINUTES_OVER], L"#M#", over);
    if (over < 1440) return ReplaceMarkerNumber(g_LanguageTable[IDS_HOURS_OVER], L"#H#", over / 60);
    return ReplaceMarkerNumber(g_LanguageTable[IDS_DAYS_OVER], L"#D#", over / 1440);
}

CString CAlarmFire::DueTitle(const CAlarmInfo& alarm) {
    CString title = g_LanguageTable[IDS_SCHEDULE_TITLE];
    title = ReplaceMarkerNumber(title, L"#Y#", alarm.m_nYear);
    title = ReplaceMarkerNumber(title, L"#MM#", alarm.m_nMonth);
    title = ReplaceMarkerNumber(title, L"#DD#", alarm.m_nDay);
    if (alarm.m_nTimeMode == CAlarmInfo::TimeModeAllDay) {
        title.Replace(L"#HH#:#MIN#", L"");
        title.Replace(L"#HH#", L"");
        title.Replace(L"#MIN#", L"");
    } else {
        title = ReplaceMarkerNumber(title, L"#HH#", alarm.m_nHour);
        title = ReplaceMarkerNumber(title, L"#MIN#", alarm.m_nMinute);
    }
    return title;
}

NoticeRequest CAlarmFire::MakeAlarmNotice(const CAlarmInfo& alarm, int notice, const AlarmFireSettings& settings) {
    NoticeRequest n;
    n.id = alarm.m_nId;
    n.body = alarm.m_strContents;
    int autoClose = settings.autoCloseSeconds * 1000;
    if (notice) {
        n.title = MonthNames(AdvanceTitle(alarm.m_nAdvance), alarm.m_nMonth);
        n.style = settings.advanceStyle;
        n.timeout = autoClose;
        n.titleColor = 0x0000FF;
        n.bodyColor = 0xFF0000;
    } else {
        n.title = MonthNames(DueTitle(alarm), alarm.m_nMonth);
        n.style = alarm.m_nNoticeStyle;
        n.timeout = (n.style == 1 || n.style == 3) ? -1 : autoClose;
        if (n.style == 3) {
            n.titleColor = 0x3C3C3C;
            n.bodyColor = 0xFF0000;
        } else {
            n.titleColor = 0xFF645A;
            n.bodyColor = 0x3C3C3C;
        }
    }
    return n;
}

NoticeRequest CAlarmFire::MakeAnniversaryNotice(const CDayInfo& day, const AlarmFireSettings& settings) {
    NoticeRequest n;
    int style = settings.anniversaryStyle;
    n.style = style;
    n.id = day.m_nId;
    n.fromCalendar = true;
    n.timeout = (style == 1 || style == 3) ? -1 : settings.autoCloseSeconds * 1000;
    CString dayType = day.m_nIcon != 0 ? g_LanguageTable[IDS_INFORMATION] : CString(L" ");
    CString calendar = !day.m_bLunar ? g_LanguageTable[IDS_SOLAR]
                                     : g_LanguageTable[day.m_bLeap ? IDS_LEAP : IDS_LUNAR];
    CString title = g_LanguageTable[IDS_ANNIVERSARY_TITLE];
    title.Replace(L"#DAYTYPE#", dayType.GetString());
    title.Replace(L"#SOLLUN#", calendar.GetString());
    title = ReplaceMarkerNumber(title, L"#MM#", day.m_nMonth);
    title = ReplaceMarkerNumber(title, L"#DD#", day.m_nDay);
    n.title = MonthNames(title, day.m_nMonth);
    if (day.m_bHoliday) {
        n.titleColor = 0xFF645A;
        n.bodyColor = 0x0000FF;
    } else if (style == 3) {
        n.titleColor = 0xE84020;
        n.bodyColor = 0x000000;
    } else {
        n.titleColor = 0xFF645A;
        n.bodyColor = 0xFF645A;
    }
    n.body = day.m_strText;
    return n;
}

int CAlarmFire::BodyFontSize(int length) {
    if (length < 10) return 20;
    if (length < 20) return 12;
    if (length < 160) return 10;
    return 8;
}

CPoint CAlarmFire::PopupPosition(const CSize& screen, int k) {
    int W = screen.cx, H = screen.cy;
    return CPoint((W / 100) * (k - 10) + W / 2, k * (W / 100) - (H / 100) * 10 + H / 2);
}

void CAlarmFire::FireAlarm(const CAlarmInfo& alarm, int notice) {
    if (alarm.m_nNoticeStyle != -1 && m_settings.showClock) m_host.ShowClockForAWhile();

    if (!alarm.m_strMemoFile.IsEmpty()) {
        for (int i = 0; i < m_memos.GetSize(); ++i) {
            ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
            if (note && note->Record().m_strFileName.Compare(alarm.m_strMemoFile.GetString()) == 0) {
                note->PinOnTop();
                note->FlashAttention();
                break;
            }
        }
    } else if (!alarm.m_strContents.IsEmpty()) {
        ShowNotice(MakeAlarmNotice(alarm, notice, m_settings));
    }

    if (!alarm.m_strSound.IsEmpty() && FileExists(alarm.m_strSound)) m_host.PlaySoundFile(alarm.m_strSound);
    if (!alarm.m_strCommand.IsEmpty()) RunCommand(alarm.m_strCommand);
}

void CAlarmFire::RunCommand(const CString& command) {
    if (m_trust && m_trust->NeedsConfirmation(command)) {
        CString question = g_LanguageTable[IDS_CONFIRM_SYNCED_COMMAND];
        if (m_host.MessageBox(L"\"" + command + L"\"\n" + question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
        m_trust->Confirm(command);
    }
    if (!m_host.RunAction(command)) m_host.ShellOpen(command);
}

void CAlarmFire::ShowNotice(NoticeRequest notice) {
    if (notice.style < 0 || notice.style > 3) return;
    notice.fontFace = m_settings.fontFace;
    notice.titleSize = 9;
    notice.bodySize = BodyFontSize(notice.body.GetLength());
    if (notice.style == 0) {
        notice.placement = 6;
    } else {
        CPoint pt = PopupPosition(m_host.GetScreenSize(), m_popupCounter);
        notice.x = pt.x;
        notice.y = pt.y;
        m_popupCounter = (m_popupCounter + 1) % 10;
    }
    m_host.ShowNotice(notice);
}

void CAlarmFire::ShowAnniversaryNotice(const CDayInfo& day) {
    ShowNotice(MakeAnniversaryNotice(day, m_settings));
}

void CAlarmFire::NotifyTodayAnniversaries(const CArray<CDayInfo>& days, CArray<CAlarmInfo>& alarms,
                                          const SYSTEMTIME& today) {
    if (!m_settings.announceAnniversaries) return;
    int Y = today.wYear, M = today.wMonth, D = today.wDay;
    for (int i = 0; i < days.GetSize(); ++i)
        if (CAlarmCalendar::AnniversaryFallsOn(days[i], Y, M, D)) ShowAnniversaryNotice(days[i]);
    int W = GetWeekday(Y, M, D);
    for (int i = 0; i < alarms.GetSize(); ++i) {
        CAlarmInfo& alarm = alarms[i];
        if (alarm.m_nKind != CAlarmInfo::KindWeekdayOfMonth || alarm.m_nTimeMode != CAlarmInfo::TimeModeAllDay) continue;
        if (W != alarm.m_nWeekDay + 1) continue;
        int ordinal = GetWeekdayOrdinal(Y, M, D, W);
        bool due = (alarm.m_nWeekMonth == 0 && ordinal == ClampLastWeekdayOrdinal(Y, M, alarm.m_nWeekNumber, W)) ||
                   (alarm.m_nWeekMonth == M && ordinal == alarm.m_nWeekNumber);
        if (!due) continue;
        alarm.m_nYear = Y;
        alarm.m_nMonth = M;
        alarm.m_nDay = D;
        FireAlarm(alarm, 0);
    }
}
