// CAlarmStore: every alarm of the program, in memory and in the alarm file
// "schedule_data\schedule_data.zra" with its dated history copies; the
// conversion of older alarm files, the phone-format import and received
// synchronisation files (alarms and, through the calendar's list, the
// anniversaries), and the list operations the dialogs and the frame use.
//
// Saves are atomic. An alarm file that cannot be read is never replaced: a
// dated copy is kept, what could be read is loaded, the user is told and the
// file is not written back until a later read succeeds (or the frame
// releases it). A file holding more alarms than the limit is copied aside
// and reported, so the alarms beyond the limit are not dropped silently.
#pragma once

#include "calendar/AlarmInfo.h"
#include "calendar/AnniversaryFile.h"
#include "notes/StoreHost.h"

#include <vector>

class CAlarmStore {
public:
    enum { MaxAlarms = 20000 };
    enum LoadStatus {
        LoadOk,           // read (or nothing to read)
        LoadDamaged,      // unreadable or cut short: copy kept, file held
        LoadOverLimit,    // more than MaxAlarms stored: the first ones loaded, copy kept
        LoadUnopenable,   // the file exists but cannot be opened: held
    };

    // programFolder ends with a backslash.
    CAlarmStore(IStoreHost& host, const CString& programFolder);

    CArray<CAlarmInfo>& Alarms() { return m_alarms; }
    const CArray<CAlarmInfo>& Alarms() const { return m_alarms; }

    // Settings the store follows: General/HistoryLevel, and the folder of
    // the emergency copy (empty: none).
    void SetHistoryLevel(int level) { m_historyLevel = level; }
    int GetHistoryLevel() const { return m_historyLevel; }
    void SetEmergencyFolder(const CString& folder) { m_emergencyFolder = folder; }

    CString GetScheduleFolder() const { return m_programFolder + L"schedule_data\\"; }
    CString GetAlarmFilePath() const { return GetScheduleFolder() + L"schedule_data.zra"; }
    CString GetHistoryFolder() const { return GetScheduleFolder() + L"history\\"; }

    // Reads the alarm file (converting an older one when it is missing).
    // False only for an unknown signature or a damaged file.
    bool Load();
    LoadStatus GetLoadStatus() const { return m_loadStatus; }
    // Records the file held at the last load (more than Alarms() when over
    // the limit); the frame shows text 10087 with it.
    int GetStoredCount() const { return m_storedCount; }
    CString GetKeptCopy() const { return m_keptCopy; }

    // Writes the alarm file after the history copy. False when not written.
    bool Save();
    // The last save failed (the file is not held back): the alarms in
    // memory are newer than the file until a save succeeds.
    bool IsSaveDue() const { return m_saveDue; }
    bool IsHeld() const { return m_held; }
    void ReleaseHold() { m_held = false; }

    // The alarms written to the emergency folder under a dated name; never
    // changes the alarms themselves.
    bool EmergencyAlarmBackup();

    // Reads the alarms of a phone-format file (everything or schedules); the
    // alarm list is replaced only when the file's signature is right.
    bool ImportPhoneAlarms(const CString& path);

    // Reads the anniversaries of a phone-format file (everything or
    // anniversaries) into the calendar's list and saves it; the list is
    // replaced only when the file's signature is right.
    bool ImportPhoneAnniversaries(const CString& path, CAnniversaryFile& anniversaries);
    // A phone-format file of a synchronisation kind (SYNC_PHONE_...): the
    // alarms, the anniversaries or both. The anniversaries need the
    // calendar's list; without it (null) they are not imported and the
    // result is false.
    bool ImportPhoneSyncFile(int kind, const CString& path, CAnniversaryFile* anniversaries);

    // A schedule file received from another copy of the program: the alarm
    // file goes into the history first (one copy per call), then the
    // received file replaces it and is read. A received file that does not
    // read as a whole alarm file is refused and changes nothing.
    bool ApplyScheduleFile(const CString& receivedPath);
    // The same for an anniversary file: the file under
    // "anniversary_data\" is replaced after a history copy, and the
    // calendar's list (when there is one) reads it again.
    bool ApplyAnniversaryFile(const CString& receivedPath, CAnniversaryFile* anniversaries);
    // Applies a received synchronisation file by its kind. Phone-format
    // imports keep a history copy per save while they run. The caller
    // refreshes the windows of the lists the kind touches.
    bool ApplySyncFile(int kind, const CString& path, CAnniversaryFile* anniversaries);
    // Commands of alarms that arrive with a received file wait here for the
    // user's agreement before they first run; without it they would run
    // unasked.
    void SetSyncTrust(class CAlarmFireTrust* trust) { m_syncTrust = trust; }

    CAlarmInfo& AddAlarm(const CAlarmInfo& alarm);
    void ReplaceAlarm(int index, const CAlarmInfo& alarm);
    void DeleteAlarm(int id);
    CAlarmInfo* FindAlarmById(int id);
    CAlarmInfo* FindAlarmByMemo(const CString& memoFile);
    int FindIndexById(int id) const;
    // The two clearing buttons of the schedule manager; both then save.
    bool DeleteCheckedAlarms();
    bool DeleteOverdueAlarms(const SYSTEMTIME& now);

    // The file's bytes for a list of alarms, and the reverse.
    static std::vector<BYTE> BuildFileBytes(const CArray<CAlarmInfo>& alarms);
    struct ParseResult {
        bool signatureOk = false;
        bool complete = false;  // ended on the end mark (or at the limit)
        int stored = 0;         // records found, also beyond the limit
    };
    static ParseResult ParseFile(const BYTE* data, size_t size, std::vector<CAlarmInfo>& alarms, int limit);

    static const wchar_t* const Signature;  // "ALARM SIGNATURE"

private:
    bool MakeHistoryCopy();
    void ReadFrom(const CString& path, bool conversionDue);

    IStoreHost& m_host;
    CString m_programFolder;
    CString m_emergencyFolder = L"c:\\ZorelBak\\";
    CArray<CAlarmInfo> m_alarms;
    int m_nextId = 0;
    int m_historyLevel = 1;
    LoadStatus m_loadStatus = LoadOk;
    int m_storedCount = 0;
    CString m_keptCopy;
    bool m_held = false;
    bool m_saveDue = false;
    bool ApplySyncFileKind(int kind, const CString& path, CAnniversaryFile* anniversaries);
    class CAlarmFireTrust* m_syncTrust = nullptr;
};
