#include "calendar/DayInfo.h"

namespace {

// A phone-format string longer than this is taken as a broken file.
const long kMaxPhoneStringBytes = 1 << 20;

bool ReadBytes(FILE* file, void* buffer, size_t count) {
    return count == 0 || fread(buffer, 1, count, file) == count;
}

bool ReadInt(FILE* file, INT32& value) { return ReadBytes(file, &value, sizeof value); }

long BytesLeft(FILE* file) {
    long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0)
        return -1;
    long end = ftell(file);
    if (fseek(file, here, SEEK_SET) != 0)
        return -1;
    return end - here;
}

bool ReadUtf8String(FILE* file, CString& text) {
    INT32 length = 0;
    if (!ReadInt(file, length) || length < 0 || length > kMaxPhoneStringBytes || length > BytesLeft(file))
        return false;
    if (length > 0) {
        std::vector<char> buffer((size_t)length);
        if (!ReadBytes(file, buffer.data(), buffer.size()))
            return false;
        text = MultiByteToString(buffer.data(), length, CP_UTF8);
    } else {
        text.Empty();
    }
    return true;
}

}  // namespace

CDayInfo::CDayInfo()
    : m_nMonth(1), m_nDay(1), m_nIcon(1), m_bLunar(0), m_bHoliday(0), m_bLeap(0), m_nDaysBefore(0),
      m_nReserved(0), m_nSchema(kSchema), m_nId(-1) {}

CDayInfo::CDayInfo(const CDayInfo& other) : CDayInfo() {
    CopyContents(other);
    m_nSchema = other.m_nSchema;
    m_nId = other.m_nId;
}

CDayInfo::CDayInfo(CDayInfo&& other) noexcept : CDayInfo() { *this = std::move(other); }

CDayInfo& CDayInfo::operator=(CDayInfo&& other) noexcept {
    if (this != &other) {
        m_nMonth = other.m_nMonth;
        m_nDay = other.m_nDay;
        m_nIcon = other.m_nIcon;
        m_strText = std::move(other.m_strText);
        m_bLunar = other.m_bLunar;
        m_bHoliday = other.m_bHoliday;
        m_bLeap = other.m_bLeap;
        m_nDaysBefore = other.m_nDaysBefore;
        m_nReserved = other.m_nReserved;
        m_strText2 = std::move(other.m_strText2);
        m_nSchema = other.m_nSchema;
        m_nId = other.m_nId;
    }
    return *this;
}

CDayInfo& CDayInfo::operator=(const CDayInfo& other) {
    if (this != &other)
        CopyContents(other);
    return *this;
}

CDayInfo::~CDayInfo() = default;

void CDayInfo::CopyContents(const CDayInfo& other) {
    m_nMonth = other.m_nMonth;
    m_nDay = other.m_nDay;
    m_nIcon = other.m_nIcon;
    m_strText = other.m_strText;
    m_bLunar = other.m_bLunar;
    m_bHoliday = other.m_bHoliday;
    m_bLeap = other.m_bLeap;
    m_nDaysBefore = other.m_nDaysBefore;
    m_nReserved = other.m_nReserved;
    m_strText2 = other.m_strText2;
}

bool CDayInfo::IsValidDate() const {
    return m_nMonth >= 1 && m_nMonth <= 12 && m_nDay >= 1 && m_nDay <= (m_bLunar ? 30 : 31);
}

int CDayInfo::Serialize(CArchive& ar) {
    try {
        if (ar.IsStoring()) {
            ar << (INT32)kSchema << (INT32)m_nMonth << (INT32)m_nDay << (INT32)m_nIcon << m_strText;
            ar << m_bLunar << m_bHoliday << m_bLeap << m_nDaysBefore << m_nReserved << m_strText2;
            return 1;
        }
        INT32 schema = ar.ReadPod<INT32>();
        if (schema > kSchema) {
            m_nSchema = schema;
            return 0;
        }
        INT32 month = ar.ReadPod<INT32>(), day = ar.ReadPod<INT32>(), icon = ar.ReadPod<INT32>();
        CString text = ar.ReadString();
        BYTE lunar = ar.ReadPod<BYTE>(), holiday = ar.ReadPod<BYTE>(), leap = ar.ReadPod<BYTE>();
        WORD daysBefore = ar.ReadPod<WORD>(), reserved = ar.ReadPod<WORD>();
        CString text2 = ar.ReadString();
        // Only a complete record changes this one.
        m_nMonth = month;
        m_nDay = day;
        m_nIcon = icon;
        m_strText = text;
        m_bLunar = lunar;
        m_bHoliday = holiday;
        m_bLeap = leap;
        m_nDaysBefore = daysBefore;
        m_nReserved = reserved;
        m_strText2 = text2;
        m_nSchema = kSchema;
        return 1;
    } catch (const CArchiveException&) {
        return 0;
    } catch (const CFileException&) {
        return 0;
    }
}

int CDayInfo::ReadFromFile(FILE* file) {
    if (!file)
        return 0;
    INT32 schema = 0;
    if (!ReadInt(file, schema) || schema > kSchema)
        return 0;
    // Enabled, kind, notice style, year, month, day, hour, minute, day value, icon.
    INT32 values[10];
    for (INT32& v : values)
        if (!ReadInt(file, v))
            return 0;
    CString strings[7];
    for (CString& s : strings)
        if (!ReadUtf8String(file, s))
            return 0;
    INT32 endDate, timeMode, advance, flags;
    if (!ReadInt(file, endDate) || !ReadInt(file, timeMode) || !ReadInt(file, advance) || !ReadInt(file, flags))
        return 0;
    BYTE tail[6];  // week month, week number, weekday, then holiday, lunar, leap
    if (!ReadBytes(file, tail, sizeof tail))
        return 0;

    const INT32 kind = values[1];
    m_nMonth = values[4];
    m_nDay = values[5];
    m_nIcon = values[9];
    m_strText = strings[2];
    m_nDaysBefore = (WORD)(advance & 0xFFFF);
    m_bHoliday = tail[3];
    m_bLunar = tail[4];
    m_bLeap = tail[5];
    m_nSchema = kind == kPhoneAnniversaryKind ? kSchema : kPhoneSkip;
    return 1;
}
