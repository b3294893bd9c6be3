// CAlarmFire: what happens when an alarm (or its advance notice) falls due:
// the linked note flashes, or a notice with the composed title, colours and
// time-out is shown; the sound plays when its file exists; the command runs
// as an action string or is opened by the shell. Also the anniversary
// notices and the day change's announcements.
#pragma once

#include "calendar/AlarmInfo.h"
#include "calendar/DayInfo.h"
#include "notes/AlarmFireTrust.h"
#include "notes/LifecycleHost.h"

// The settings alarms fire by, filled by the frame; the defaults are those
// of a new settings file.
struct AlarmFireSettings {
    int autoCloseSeconds = 5;           // Alarm/AutoCloseTime: how long a closing notice stays
    int advanceStyle = 0;               // Alarm/BeforeAlarmType: the style of advance notices
    int anniversaryStyle = 0;           // Calendar/AlertType
    bool announceAnniversaries = true;  // Calendar/MemorialDayCheck
    bool showClock = true;              // Clock/ViewMode is not 0: an alarm brings the clock up
    CString fontFace = L"Tahoma";       // DefaultFontFace: the notices' font
};

class CAlarmFire {
public:
    enum {
        IDS_INFORMATION = 10096, IDS_ANNIVERSARY_TITLE = 10097, IDS_WEEK_LEFT = 10098, IDS_DAY_LEFT = 10099,
        IDS_HOURS_LEFT = 10100, IDS_MINUTES_LEFT = 10101, IDS_DAYS_OVER = 10102, IDS_HOURS_OVER = 10103,
        IDS_MINUTES_OVER = 10104, IDS_SCHEDULE_TITLE = 10105, IDS_LEAP = 806, IDS_SOLAR = 811, IDS_LUNAR = 812,
        // Asked before a command that came from another computer runs.
        IDS_CONFIRM_SYNCED_COMMAND = 10160,
    };

    CAlarmFire(INoteLifecycleHost& host, const CArray<CMemoInfo>& memos, const AlarmFireSettings& settings,
               CAlarmFireTrust* trust = nullptr)
        : m_host(host), m_memos(memos), m_settings(settings), m_trust(trust) {}
    // The settings changed; the pop-up places go on where they were.
    void SetSettings(const AlarmFireSettings& settings) { m_settings = settings; }

    // The title of an advance notice A minutes before (A <= 0: after) the time.
    static CString AdvanceTitle(int advance);
    // The title of a due notice.
    static CString DueTitle(const CAlarmInfo& alarm);
    // The notice of an alarm, before placement and fonts; style -1: none.
    static NoticeRequest MakeAlarmNotice(const CAlarmInfo& alarm, int notice, const AlarmFireSettings& settings);
    static NoticeRequest MakeAnniversaryNotice(const CDayInfo& day, const AlarmFireSettings& settings);
    static int BodyFontSize(int length);
    // The place of the k-th pop-up (k 0..9) on a primary screen of that size.
    static CPoint PopupPosition(const CSize& screen, int k);

    // notice: 0 the alarm is due, 1 its advance notice.
    void FireAlarm(const CAlarmInfo& alarm, int notice);
    // Fonts, placement and the pop-up counter; nothing for a style outside 0..3.
    void ShowNotice(NoticeRequest notice);
    void ShowAnniversaryNotice(const CDayInfo& day);
    // The anniversaries of a date and the all-day weekday-of-month alarms
    // announced on it (when anniversaries are announced).
    void NotifyTodayAnniversaries(const CArray<CDayInfo>& days, CArray<CAlarmInfo>& alarms, const SYSTEMTIME& today);

    int GetPopupCounter() const { return m_popupCounter; }

private:
    void RunCommand(const CString& command);

    INoteLifecycleHost& m_host;
    const CArray<CMemoInfo>& m_memos;
    AlarmFireSettings m_settings;
    CAlarmFireTrust* m_trust;
    int m_popupCounter = 0;
};
