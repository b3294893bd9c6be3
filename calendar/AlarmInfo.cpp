#include "calendar/AlarmInfo.h"

#include "fw/Convert.h"
#include "shell/DayMath.h"
#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

namespace {
AlarmDefaults g_alarmDefaults;

const int kTextMemoData = 10010;

// No text in a phone file is anywhere near this long; a larger count means
// the stream is damaged.
const UINT32 kMaxPhoneStringBytes = 1024 * 1024;

class CPhoneReader {
public:
    explicit CPhoneReader(FILE* file) : m_file(file) {
        long here = ftell(file);
        if (here >= 0 && fseek(file, 0, SEEK_END) == 0) {
            long end = ftell(file);
            fseek(file, here, SEEK_SET);
            m_left = end >= here ? (unsigned long long)(end - here) : 0;
        }
    }
    bool Bytes(void* out, size_t count) {
        if (count > m_left) return false;
        if (count && fread(out, 1, count, m_file) != count) return false;
        m_left -= count;
        return true;
    }
    bool Int(int& v) {
        INT32 x;
        if (!Bytes(&x, 4)) return false;
        v = x;
        return true;
    }
    bool Byte(BYTE& v) { return Bytes(&v, 1); }
    bool Utf8(CString& s) {
        UINT32 length;
        if (!Bytes(&length, 4)) return false;
        if (length > kMaxPhoneStringBytes || length > m_left) return false;
        CStringA bytes;
        if (length) {
            char* p = bytes.GetBufferSetLength((int)length);
            if (!Bytes(p, length)) return false;
        }
        s = Utf8ToString(bytes);
        return true;
    }

private:
    FILE* m_file;
    unsigned long long m_left = 0;
};
}  // namespace

void CAlarmInfo::SetDefaults(const AlarmDefaults& defaults) { g_alarmDefaults = defaults; }
const AlarmDefaults& CAlarmInfo::GetDefaults() { return g_alarmDefaults; }

CAlarmInfo::CAlarmInfo()
    : m_nSchema(CurrentSchema), m_bEnabled(1), m_nKind(g_alarmDefaults.kind),
      m_nNoticeStyle(g_alarmDefaults.noticeStyle), m_nYear(2010), m_nMonth(1), m_nDay(1), m_nHour(0),
      m_nMinute(0), m_nDayValue(0), m_nIcon(1), m_strSound(g_alarmDefaults.sound), m_nEndDate(0),
      m_nTimeMode(TimeModeTimed), m_nAdvance(g_alarmDefaults.advance), m_bDDay(0), m_bReserved1(0),
      m_bDone(0), m_bReserved2(0), m_nWeekMonth(0), m_nWeekNumber(0), m_nWeekDay(0), m_bHoliday(0),
      m_nMinuteKey(0), m_nMinuteOfDay(0), m_nId(0) {
    ValidateAdvance();
    UpdateMinuteKey();
    UpdateMinuteOfDay();
}

CAlarmInfo::CAlarmInfo(const CAlarmInfo& other) { CopyFrom(other); }

CAlarmInfo& CAlarmInfo::operator=(const CAlarmInfo& other) {
    if (this != &other) CopyFrom(other);
    return *this;
}

CAlarmInfo::~CAlarmInfo() = default;

void CAlarmInfo::CopyFrom(const CAlarmInfo& o) {
    m_nSchema = o.m_nSchema;
    m_bEnabled = o.m_bEnabled;
    m_nKind = o.m_nKind;
    m_nNoticeStyle = o.m_nNoticeStyle;
    m_nYear = o.m_nYear;
    m_nMonth = o.m_nMonth;
    m_nDay = o.m_nDay;
    m_nHour = o.m_nHour;
    m_nMinute = o.m_nMinute;
    m_nDayValue = o.m_nDayValue;
    m_nIcon = o.m_nIcon;
    m_strSound = o.m_strSound;
    m_strCommand = o.m_strCommand;
    m_strContents = o.m_strContents;
    m_strMemoFile = o.m_strMemoFile;
    for (int i = 0; i < 3; ++i) m_strReserved[i] = o.m_strReserved[i];
    m_nEndDate = o.m_nEndDate;
    m_nTimeMode = o.m_nTimeMode;
    m_nAdvance = o.m_nAdvance;
    m_bDDay = o.m_bDDay;
    m_bReserved1 = o.m_bReserved1;
    m_bDone = o.m_bDone;
    m_bReserved2 = o.m_bReserved2;
    m_nWeekMonth = o.m_nWeekMonth;
    m_nWeekNumber = o.m_nWeekNumber;
    m_nWeekDay = o.m_nWeekDay;
    m_bHoliday = o.m_bHoliday;
    m_nId = o.m_nId;
    UpdateMinuteKey();
    UpdateMinuteOfDay();
}

int CAlarmInfo::GetMinuteKey() const {
    return CDayMath::MinuteKey(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute);
}

void CAlarmInfo::ValidateAdvance() {
    if (m_nAdvance < MinAdvance || m_nAdvance > MaxAdvance) m_nAdvance = 0;
}

void CAlarmInfo::FinishLoad() {
    m_nSchema = CurrentSchema;
    ValidateAdvance();
    UpdateMinuteKey();
    UpdateMinuteOfDay();
}

CString CAlarmInfo::GetDisplayText() const {
    if (!m_strContents.IsEmpty()) return m_strContents;
    if (!m_strMemoFile.IsEmpty()) return g_LanguageTable[kTextMemoData];
    return CString();
}

void CAlarmInfo::SetTargetDate(int year, int month, int day) {
    m_nKind = KindTargetDay;
    m_nYear = year;
    m_nMonth = month;
    m_nDay = day;
    UpdateMinuteKey();
}

int CAlarmInfo::Serialize(CArchive& ar) {
    try {
        if (ar.IsStoring()) {
            ar << (int)CurrentSchema << m_bEnabled << m_nKind << m_nNoticeStyle << m_nYear << m_nMonth << m_nDay
               << m_nHour << m_nMinute << m_nDayValue << m_nIcon;
            ar << m_strSound << m_strCommand << m_strContents << m_strMemoFile << m_strReserved[0]
               << m_strReserved[1] << m_strReserved[2];
            ar << m_nEndDate << m_nTimeMode << m_nAdvance;
            ar << m_bDDay << m_bReserved1 << m_bDone << m_bReserved2 << m_nWeekMonth << m_nWeekNumber << m_nWeekDay
               << m_bHoliday;
            return 1;
        }
        int schema;
        ar >> schema;
        if (schema > CurrentSchema) {
            m_nSchema = schema;
            return 0;
        }
        // The fields an older schema lacks take a new record's values, never
        // those this object held before; only a complete record replaces it.
        CAlarmInfo r;
        ar >> r.m_bEnabled >> r.m_nKind >> r.m_nNoticeStyle >> r.m_nYear >> r.m_nMonth >> r.m_nDay >> r.m_nHour >>
            r.m_nMinute >> r.m_nDayValue;
        if (schema == 3) {
            // Schema 3 kept one weekday number where later schemas keep a mask.
            r.m_nDayValue = (r.m_nDayValue >= 0 && r.m_nDayValue <= 6) ? 1 << r.m_nDayValue : 0;
        }
        if (schema >= 2)
            ar >> r.m_nIcon;
        else
            r.m_nIcon = 0;
        ar >> r.m_strSound >> r.m_strCommand >> r.m_strContents >> r.m_strMemoFile >> r.m_strReserved[0];
        if (schema >= 3) {
            ar >> r.m_strReserved[1] >> r.m_strReserved[2] >> r.m_nEndDate >> r.m_nTimeMode >> r.m_nAdvance;
            if (schema == CurrentSchema) {
                ar >> r.m_bDDay >> r.m_bReserved1 >> r.m_bDone >> r.m_bReserved2;
            } else {
                int flags;
                ar >> flags;
                r.m_bDDay = (BYTE)(flags & 0xFF);
            }
            ar >> r.m_nWeekMonth >> r.m_nWeekNumber >> r.m_nWeekDay >> r.m_bHoliday;
        }
        int id = m_nId;
        *this = r;
        m_nId = id;
        FinishLoad();
        return 1;
    } catch (const CArchiveException&) {
        return 0;
    } catch (const CFileException&) {
        return 0;
    }
}

int CAlarmInfo::ReadFromFile(FILE* file) {
    if (!file) return 0;
    CPhoneReader in(file);
    int schema;
    if (!in.Int(schema) || schema > CurrentSchema) return 0;
    CAlarmInfo r(*this);
    if (!in.Int(r.m_bEnabled) || !in.Int(r.m_nKind) || !in.Int(r.m_nNoticeStyle) || !in.Int(r.m_nYear) ||
        !in.Int(r.m_nMonth) || !in.Int(r.m_nDay) || !in.Int(r.m_nHour) || !in.Int(r.m_nMinute) ||
        !in.Int(r.m_nDayValue) || !in.Int(r.m_nIcon))
        return 0;
    if (!in.Utf8(r.m_strSound) || !in.Utf8(r.m_strCommand) || !in.Utf8(r.m_strContents) ||
        !in.Utf8(r.m_strMemoFile) || !in.Utf8(r.m_strReserved[0]) || !in.Utf8(r.m_strReserved[1]) ||
        !in.Utf8(r.m_strReserved[2]))
        return 0;
    if (!in.Int(r.m_nEndDate) || !in.Int(r.m_nTimeMode) || !in.Int(r.m_nAdvance)) return 0;
    if (schema == CurrentSchema) {
        if (!in.Byte(r.m_bDDay) || !in.Byte(r.m_bReserved1) || !in.Byte(r.m_bDone) || !in.Byte(r.m_bReserved2))
            return 0;
    } else {
        int flags;
        if (!in.Int(flags)) return 0;
        r.m_bDDay = (BYTE)(flags & 0xFF);
        r.m_bReserved1 = r.m_bDone = r.m_bReserved2 = 0;
    }
    BYTE dropped[2];
    if (!in.Byte(r.m_nWeekMonth) || !in.Byte(r.m_nWeekNumber) || !in.Byte(r.m_nWeekDay) || !in.Byte(r.m_bHoliday) ||
        !in.Bytes(dropped, 2))
        return 0;
    // Only a complete record replaces this one.
    int id = m_nId;
    *this = r;
    m_nId = id;
    FinishLoad();
    return 1;
}

int MakeDateCode(int year, int month, int day) { return year * 372 + month * 31 + day; }
int MakeDateCode(const SYSTEMTIME& date) { return MakeDateCode(date.wYear, date.wMonth, date.wDay); }

SYSTEMTIME DateCodeToDate(int code) {
    int year = code / 372;
    int month = (code - year * 372) / 31;
    if (month == 0) {
        year -= 1;
        month = 12;
    }
    int day = code - year * 372 - month * 31;
    if (day == 0) {
        if (month == 1) {
            month = 12;
            year -= 1;
        } else {
            month -= 1;
        }
        day = 31;
    }
    int length = GetDaysInMonth(year, month);
    if (day > length) day = length;
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = 12;
    return st;
}
