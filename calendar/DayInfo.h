// One anniversary: a yearly day given by month and day in the solar or the
// lunar calendar, with its icon, text, holiday flag and days of notice.
#pragma once

#include "fw/Afx.h"

#include <cstdio>

class CDayInfo {
public:
    enum { kSchema = 5, kEndMark = 0x0000FFFF, kPhoneAnniversaryKind = 20, kPhoneSkip = 0xFFFF };

    CDayInfo();
    // A copy or a move is the same record: it keeps the id and schema, so the
    // list may grow and close gaps without renumbering its records.
    CDayInfo(const CDayInfo& other);
    CDayInfo(CDayInfo&& other) noexcept;
    CDayInfo& operator=(CDayInfo&& other) noexcept;
    // Assigning one record's contents to another keeps the target's schema
    // and id.
    CDayInfo& operator=(const CDayInfo& other);
    virtual ~CDayInfo();

    // Stores or loads one record of the anniversary file. Loading gives 0 on
    // a schema above 5 (the file's end mark; m_nSchema then holds the value
    // read) or on a read error (m_nSchema is left as it was), else 1.
    int Serialize(CArchive& ar);
    // Reads one record of a phone-format stream; 1 after a complete read
    // (m_nSchema 5 for an anniversary, kPhoneSkip for any other kind), 0 on
    // a schema above 5, a short read or a string length that cannot be right.
    int ReadFromFile(FILE* file);

    bool IsValidDate() const;  // month 1-12, day 1-31 (1-30 when lunar)

    int m_nMonth;
    int m_nDay;
    int m_nIcon;             // 0 none, 1-24 the icon files; also the day's mark bit
    CString m_strText;
    BYTE m_bLunar;
    BYTE m_bHoliday;
    BYTE m_bLeap;
    WORD m_nDaysBefore;      // days of advance notice, 0 none
    WORD m_nReserved;
    CString m_strText2;
    int m_nSchema;
    int m_nId;               // -1 until the record enters the list

private:
    void CopyContents(const CDayInfo& other);
};
