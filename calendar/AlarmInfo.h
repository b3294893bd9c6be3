// CAlarmInfo: one alarm (a "schedule" to the user): the rule of the days and
// the minute it is due, what is shown, played and run then, and a few marks.
// Archived field by field with a leading schema number; readers accept the
// schemas 1 to 5 and bring the record up to 5.
#pragma once

#include "fw/Afx.h"

#include <cstdio>

// The last values the user chose in the alarm dialog; new records start
// with them. The program sets them from its settings.
struct AlarmDefaults {
    int kind = 0;
    int noticeStyle = 0;
    CString sound;
    int advance = 0;
};

class CAlarmInfo {
public:
    enum { CurrentSchema = 5, MinAdvance = -1440, MaxAdvance = 44640 };
    enum Kind {
        KindEveryDay = 0, KindOnce = 1, KindTargetDay = 2, KindDaysOfWeek = 3, KindPeriod = 4,
        KindDayOfMonth = 5, KindWeekdayOfMonth = 6, KindEveryNDays = 7,
        KindPhoneAnniversary = 20  // marks an anniversary in the phone-format stream
    };
    enum { TimeModeTimed = 0, TimeModeAllDay = 2 };
    enum { LastDayOfMonth = 32, LastWeek = 4 };

    CAlarmInfo();
    CAlarmInfo(const CAlarmInfo& other);
    CAlarmInfo& operator=(const CAlarmInfo& other);
    virtual ~CAlarmInfo();

    // 1 on success; 0 when loading meets a schema above 5 (the alarm file's
    // end mark) or the archive or file fails. A schema above 5 is left in
    // m_nSchema so the reader can tell the end mark from damage.
    int Serialize(CArchive& ar);
    // One record of the phone-format stream: 1 on success, 0 for a schema
    // above 5, a short read or a length that does not fit the bytes left.
    int ReadFromFile(FILE* file);

    CString GetDisplayText() const;
    void SetTargetDate(int year, int month, int day);

    int GetMinuteKey() const;
    int GetMinuteOfDay() const { return m_nHour * 60 + m_nMinute; }
    int GetDateKey() const { return m_nYear * 372 + m_nMonth * 31 + m_nDay; }
    void UpdateMinuteKey() { m_nMinuteKey = GetMinuteKey(); }
    void UpdateMinuteOfDay() { m_nMinuteOfDay = GetMinuteOfDay(); }
    void ValidateAdvance();

    static void SetDefaults(const AlarmDefaults& defaults);
    static const AlarmDefaults& GetDefaults();

    // Stored fields, in archive order.
    int m_nSchema;
    int m_bEnabled;
    int m_nKind;
    int m_nNoticeStyle;
    int m_nYear, m_nMonth, m_nDay;
    int m_nHour, m_nMinute;
    int m_nDayValue;  // weekday mask, day of the month or interval by kind
    int m_nIcon;
    CString m_strSound;
    CString m_strCommand;
    CString m_strContents;
    CString m_strMemoFile;
    CString m_strReserved[3];
    int m_nEndDate;  // date code of the period's last day
    int m_nTimeMode;
    int m_nAdvance;
    BYTE m_bDDay;
    BYTE m_bReserved1;
    BYTE m_bDone;
    BYTE m_bReserved2;
    BYTE m_nWeekMonth;
    BYTE m_nWeekNumber;
    BYTE m_nWeekDay;
    BYTE m_bHoliday;

    // Run-time values, never stored.
    int m_nMinuteKey;
    int m_nMinuteOfDay;
    int m_nId;

private:
    void CopyFrom(const CAlarmInfo& other);
    void FinishLoad();
};

// Date code: year x 372 + month x 31 + day.
int MakeDateCode(const SYSTEMTIME& date);
int MakeDateCode(int year, int month, int day);
// The date of a date code at 12:00; a day beyond the month's end is lowered.
SYSTEMTIME DateCodeToDate(int code);
