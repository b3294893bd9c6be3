// The program's list of anniversaries and its file
// "anniversary_data\anniversary_data.xzrn": loading (or, once, importing the
// older text file), saving with history copies, and the solar day marks.
// The calendar window owns one and forwards its list operations to it.
#pragma once

#include "calendar/DayInfo.h"

#include <functional>

class CAnniversaryFile {
public:
    enum { kMaxRecords = 20000, kFirstId = 0x10000000, kFileAccessDeniedText = 14 };

    CAnniversaryFile();

    // Seams: the folder the data lives under (default g_ProgramFolder), the
    // General/HistoryLevel setting, the clock that names history copies, and
    // how a failure is told to the user (default: a system message box with
    // the text of that number).
    void SetProgramFolder(const CString& folder) { m_programFolder = folder; }
    void SetHistoryLevel(int level) { m_historyLevel = level; }
    int GetHistoryLevel() const { return m_historyLevel; }
    void SetClock(std::function<CTime()> clock) { m_clock = std::move(clock); }
    void SetReporter(std::function<void(int textId)> reporter) { m_report = std::move(reporter); }

    CArray<CDayInfo>& GetList() { return m_list; }
    const CArray<CDayInfo>& GetList() const { return m_list; }

    // Appends a copy with the next program-wide id; gives that id.
    int AddAnniversary(const CDayInfo& info);
    CDayInfo* FindAnniversary(int id);
    void RemoveAnniversary(int id);
    void RemoveAllAnniversaries();

    // Reads the anniversary file into the list (appending) and marks the
    // solar anniversaries. False when the file could not be read whole.
    bool LoadAnniversaries();
    // Start-up and reload: empty the list and its marks, then load the file,
    // or import the older text file once when there is no file yet.
    void LoadOrImportAnniversaries();
    // Writes the list (after a history copy of the old file) and reloads it.
    // False, with the user told, when nothing was written: a failed write, or
    // a file whose last load failed, which is never overwritten.
    bool SaveAnniversaries();

    // Reads an anniversary file's signature and records from an open file,
    // handing each record over; true when it ended on the end mark, false
    // for a wrong signature, damage, or more records than a list may hold.
    static bool ReadRecords(CFile& file, const std::function<void(const CDayInfo&)>& add);

    // True while the file on disk was not read whole: saving is refused.
    bool LastLoadFailed() const { return m_loadFailed; }

    CString GetFolder() const;    // ...\anniversary_data\ (trailing backslash)
    CString GetFilePath() const;  // ...\anniversary_data\anniversary_data.xzrn
    CString GetHistoryFolder() const;

private:
    bool ImportOldFile();
    bool ReadImportFile(const CString& path);
    bool WriteFile();
    void KeepUnreadableCopy();
    void Report(int textId) const;
    CString Root() const;

    CArray<CDayInfo> m_list;
    CString m_programFolder;
    int m_historyLevel = 1;
    std::function<CTime()> m_clock;
    std::function<void(int)> m_report;
    bool m_loadFailed = false;
};
