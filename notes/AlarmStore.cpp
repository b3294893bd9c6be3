#include "notes/AlarmStore.h"

#include "notes/AlarmFireTrust.h"

#include "fw/Convert.h"
#include "shell/DayMath.h"
#include "notes/NoteIds.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"

#include <cstdio>

const wchar_t* const CAlarmStore::Signature = L"ALARM SIGNATURE";

namespace {
const int kEndMark = 0x0000FFFF;
const wchar_t* const kOlderFiles[] = {L"ZorelAlarmInfo.zra", L"alarmlist160", L"alarmlist"};
// A phone file's signature is short; anything longer is not one.
const UINT32 kMaxPhoneSignatureBytes = 256;

CString ReadPhoneSignature(FILE* file) {
    UINT32 length = 0;
    if (fread(&length, 1, 4, file) != 4 || length > kMaxPhoneSignatureBytes) return CString();
    CStringA bytes;
    if (length) {
        char* p = bytes.GetBufferSetLength((int)length);
        if (fread(p, 1, length, file) != length) return CString();
    }
    return Utf8ToString(bytes);
}
}  // namespace

CAlarmStore::CAlarmStore(IStoreHost& host, const CString& programFolder)
    : m_host(host), m_programFolder(programFolder) {}

std::vector<BYTE> CAlarmStore::BuildFileBytes(const CArray<CAlarmInfo>& alarms) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(Signature);
        for (int i = 0; i < alarms.GetSize(); ++i) {
            CAlarmInfo copy = alarms[i];
            copy.Serialize(ar);
        }
        ar << (int)kEndMark;
        ar.Close();
    }
    return file.Data();
}

CAlarmStore::ParseResult CAlarmStore::ParseFile(const BYTE* data, size_t size, std::vector<CAlarmInfo>& alarms,
                                                int limit) {
    ParseResult result;
    CMemFile file(data, size);
    CArchive ar(&file, CArchive::load);
    try {
        if (ar.ReadString() != Signature) return result;
    } catch (const CException&) {
        return result;
    }
    result.signatureOk = true;
    for (;;) {
        CAlarmInfo record;
        record.m_nSchema = 0;
        if (!record.Serialize(ar)) {
            // The end mark reads as a schema above 5; a failure anywhere else
            // means the file was cut short or damaged.
            result.complete = record.m_nSchema == kEndMark;
            break;
        }
        if (result.stored < limit) alarms.push_back(record);
        ++result.stored;
    }
    return result;
}

void CAlarmStore::ReadFrom(const CString& path, bool conversionDue) {
    std::vector<BYTE> bytes;
    bool tooLarge = false;
    if (!CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxAlarmFileBytes, &tooLarge) && !tooLarge) {
        if (conversionDue) {
            Save();
            return;
        }
        m_loadStatus = LoadUnopenable;
        m_held = true;
        m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_READ_SCHEDULE] + L"\n" + path);
        return;
    }
    std::vector<CAlarmInfo> read;
    ParseResult parsed = ParseFile(bytes.data(), bytes.size(), read, MaxAlarms);
    for (auto& alarm : read) AddAlarm(alarm);
    m_storedCount = parsed.stored;

    if (tooLarge || !parsed.signatureOk || !parsed.complete) {
        m_keptCopy = CSafeFileWriter::KeepDatedCopy(path, m_host.Now());
        m_loadStatus = LoadDamaged;
        m_held = true;
        CString text = g_LanguageTable[IDS_CANNOT_READ_SCHEDULE] + L"\n" + path;
        if (!m_keptCopy.IsEmpty()) text += L"\n" + m_keptCopy;
        m_host.ShowMessage(text);
        return;
    }
    if (parsed.stored > MaxAlarms) {
        // The alarms beyond the limit stay in a copy the user can restore.
        m_keptCopy = CSafeFileWriter::KeepDatedCopy(path, m_host.Now());
        m_loadStatus = LoadOverLimit;
        CString text = g_LanguageTable[IDS_TOO_MANY_ALARMS];
        CString count;
        count.Format(L"%d", parsed.stored);
        text.Replace(L"#N#", count);
        if (!m_keptCopy.IsEmpty()) text += L"\n" + m_keptCopy;
        m_host.ShowMessage(text);
    }
    if (conversionDue) Save();
}

bool CAlarmStore::Load() {
    m_alarms.RemoveAll();
    m_loadStatus = LoadOk;
    m_storedCount = 0;
    m_keptCopy.Empty();
    m_held = false;

    CString path = GetAlarmFilePath();
    if (CSafeFileWriter::FileExists(path)) {
        ReadFrom(path, false);
    } else {
        CString memoFolder = m_programFolder + L"memo_data\\";
        CString older;
        for (const wchar_t* name : kOlderFiles) {
            if (CSafeFileWriter::FileExists(memoFolder + name)) {
                older = memoFolder + name;
                break;
            }
        }
        if (older.IsEmpty()) {
            Save();
            return true;
        }
        // The old file is read under a new name so that it is converted once.
        CString renamed = older + L"_";
        if (MoveFileExW(older, renamed, MOVEFILE_REPLACE_EXISTING)) older = renamed;
        ReadFrom(older, true);
    }
    return m_loadStatus != LoadDamaged;
}

bool CAlarmStore::MakeHistoryCopy() {
    if (m_historyLevel <= 0) return true;
    CString path = GetAlarmFilePath();
    if (!CSafeFileWriter::FileExists(path)) return true;
    SYSTEMTIME t = m_host.Now();
    CString name;
    if (m_historyLevel == 1)
        name.Format(L"%2d_%02d_%02d.sbak", t.wYear, t.wMonth, t.wDay);
    else  // 2, and any higher level, keeps one copy per save
        name.Format(L"%2d_%02d_%02d_%02d_%02d_%02d.sbak", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    CreateDirectoryW(GetHistoryFolder(), nullptr);
    return CSafeFileWriter::CopyFile(path, GetHistoryFolder() + name);
}

bool CAlarmStore::Save() {
    CString path = GetAlarmFilePath();
    if (m_held) {
        m_host.ReportSaveFailure(path);
        return false;
    }
    MakeHistoryCopy();
    m_saveDue = !CSafeFileWriter::WriteFile(path, BuildFileBytes(m_alarms));
    if (!m_saveDue) {
        m_host.ReportSaveSucceeded(path);
        return true;
    }
    m_host.ReportSaveFailure(path);
    if (m_historyLevel >= 1)
        m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_SAVE_SCHEDULE]);
    else
        EmergencyAlarmBackup();
    return false;
}

bool CAlarmStore::EmergencyAlarmBackup() {
    if (!m_emergencyFolder.IsEmpty()) {
        SYSTEMTIME t = m_host.Now();
        CString path;
        path.Format(L"%sschedule_data_%d%02d%02d%02d%02d%02d.zra", (const wchar_t*)m_emergencyFolder, t.wYear,
                    t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        std::vector<BYTE> bytes = BuildFileBytes(m_alarms);
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (CSafeFileWriter::WriteFile(path, bytes)) {
                m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_SAVE_SCHEDULE] + L"\nBackup file created\n" + path);
                return true;
            }
        }
    }
    m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_SAVE_SCHEDULE]);
    return false;
}

bool CAlarmStore::ImportPhoneAlarms(const CString& path) {
    FILE* file = _wfopen(path, L"rb");
    if (file) {
        if (ReadPhoneSignature(file) != Signature) {
            fclose(file);
            return false;
        }
        m_alarms.RemoveAll();
        CAlarmInfo record;
        for (int read = 0; read < MaxAlarms && record.ReadFromFile(file); ++read)
            if (record.m_nKind != CAlarmInfo::KindPhoneAnniversary) AddAlarm(record);
        fclose(file);
    }
    Save();
    return true;
}

bool CAlarmStore::ImportPhoneAnniversaries(const CString& path, CAnniversaryFile& anniversaries) {
    FILE* file = _wfopen(path, L"rb");
    if (file) {
        if (ReadPhoneSignature(file) != Signature) {
            fclose(file);
            return false;
        }
        anniversaries.RemoveAllAnniversaries();
        CDayInfo record;
        for (int read = 0; read < CAnniversaryFile::kMaxRecords && record.ReadFromFile(file); ++read)
            // The stream holds the alarms too; only kind 20 records are anniversaries.
            if (record.m_nSchema == CDayInfo::kSchema) anniversaries.AddAnniversary(record);
        fclose(file);
    }
    anniversaries.SaveAnniversaries();
    return true;
}

bool CAlarmStore::ImportPhoneSyncFile(int kind, const CString& path, CAnniversaryFile* anniversaries) {
    if (kind == SYNC_PHONE_ALL || kind == SYNC_PHONE_SCHEDULE) {
        if (!ImportPhoneAlarms(path)) return false;
    }
    if (kind == SYNC_PHONE_ALL || kind == SYNC_PHONE_ANNIVERSARY) {
        if (!anniversaries) return false;
        return ImportPhoneAnniversaries(path, *anniversaries);
    }
    return kind == SYNC_PHONE_SCHEDULE;
}

bool CAlarmStore::ApplyScheduleFile(const CString& receivedPath) {
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(receivedPath, bytes, CSafeFileWriter::MaxAlarmFileBytes)) return false;
    std::vector<CAlarmInfo> check;
    ParseResult parsed = ParseFile(bytes.data(), bytes.size(), check, 0);
    if (!parsed.signatureOk || !parsed.complete) return false;
    CString path = GetAlarmFilePath();
    if (CSafeFileWriter::FileExists(path)) {
        SYSTEMTIME t = m_host.Now();
        CString name;
        name.Format(L"%2d_%02d_%02d_%02d_%02d_%02d.sbak", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        CreateDirectoryW(GetHistoryFolder(), nullptr);
        if (!CSafeFileWriter::CopyFile(path, GetHistoryFolder() + name)) return false;
    }
    if (!CSafeFileWriter::WriteFile(path, bytes)) {
        m_host.ReportSaveFailure(path);
        return false;
    }
    return Load();
}

bool CAlarmStore::ApplyAnniversaryFile(const CString& receivedPath, CAnniversaryFile* anniversaries) {
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(receivedPath, bytes, CSafeFileWriter::MaxAlarmFileBytes)) return false;
    {
        CMemFile check(bytes.data(), bytes.size());
        if (!CAnniversaryFile::ReadRecords(check, [](const CDayInfo&) {})) return false;
    }
    // Without the calendar's list the file still goes where the calendar
    // will read it.
    CAnniversaryFile here;
    here.SetProgramFolder(m_programFolder);
    const CAnniversaryFile& files = anniversaries ? *anniversaries : here;
    CString path = files.GetFilePath();
    CreateDirectoryW(files.GetFolder(), nullptr);
    CreateDirectoryW(files.GetHistoryFolder(), nullptr);
    if (CSafeFileWriter::FileExists(path)) {
        SYSTEMTIME t = m_host.Now();
        CString name;
        name.Format(L"%2d_%02d_%02d_%02d_%02d_%02d.xbak", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        if (!CSafeFileWriter::CopyFile(path, files.GetHistoryFolder() + name)) return false;
    }
    if (!CSafeFileWriter::WriteFile(path, bytes)) {
        m_host.ReportSaveFailure(path);
        return false;
    }
    if (anniversaries) anniversaries->LoadOrImportAnniversaries();
    return true;
}

bool CAlarmStore::ApplySyncFile(int kind, const CString& path, CAnniversaryFile* anniversaries) {
    CArray<CAlarmInfo> before;
    before.Copy(m_alarms);
    bool applied = ApplySyncFileKind(kind, path, anniversaries);
    if (applied && m_syncTrust) {
        m_syncTrust->NoteSynchronised(before, m_alarms);
        m_syncTrust->Save();
    }
    return applied;
}

bool CAlarmStore::ApplySyncFileKind(int kind, const CString& path, CAnniversaryFile* anniversaries) {
    switch (kind) {
    case SYNC_SCHEDULE: return ApplyScheduleFile(path);
    case SYNC_ANNIVERSARY: return ApplyAnniversaryFile(path, anniversaries);
    case SYNC_PHONE_ALL:
    case SYNC_PHONE_SCHEDULE:
    case SYNC_PHONE_ANNIVERSARY: {
        // Every save the import causes keeps its own history copy.
        int alarmLevel = m_historyLevel;
        int anniversaryLevel = anniversaries ? anniversaries->GetHistoryLevel() : 0;
        m_historyLevel = 2;
        if (anniversaries) anniversaries->SetHistoryLevel(2);
        bool imported = ImportPhoneSyncFile(kind, path, anniversaries);
        m_historyLevel = alarmLevel;
        if (anniversaries) anniversaries->SetHistoryLevel(anniversaryLevel);
        return imported;
    }
    default: return false;
    }
}

CAlarmInfo& CAlarmStore::AddAlarm(const CAlarmInfo& alarm) {
    int i = m_alarms.Add(alarm);
    m_alarms[i].m_nId = m_nextId++;
    return m_alarms[i];
}

void CAlarmStore::ReplaceAlarm(int index, const CAlarmInfo& alarm) {
    if (index < 0 || index >= m_alarms.GetSize()) return;
    m_alarms[index] = alarm;
    m_alarms[index].m_nId = m_nextId++;
}

int CAlarmStore::FindIndexById(int id) const {
    for (int i = 0; i < m_alarms.GetSize(); ++i)
        if (m_alarms[i].m_nId == id) return i;
    return -1;
}

void CAlarmStore::DeleteAlarm(int id) { m_alarms.RemoveAt(FindIndexById(id)); }

CAlarmInfo* CAlarmStore::FindAlarmById(int id) {
    int i = FindIndexById(id);
    return i < 0 ? nullptr : &m_alarms[i];
}

CAlarmInfo* CAlarmStore::FindAlarmByMemo(const CString& memoFile) {
    for (auto& alarm : m_alarms)
        if (alarm.m_strMemoFile == memoFile) return &alarm;
    return nullptr;
}

bool CAlarmStore::DeleteCheckedAlarms() {
    auto& v = m_alarms.vec();
    v.erase(std::remove_if(v.begin(), v.end(), [](const CAlarmInfo& a) { return a.m_bDone != 0; }), v.end());
    return Save();
}

bool CAlarmStore::DeleteOverdueAlarms(const SYSTEMTIME& now) {
    int nowKey = CDayMath::MinuteKey(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    int today = CDayMath::DateKey(now.wYear, now.wMonth, now.wDay);
    auto overdue = [&](const CAlarmInfo& a) {
        switch (a.m_nKind) {
        case CAlarmInfo::KindTargetDay: return a.m_nMinuteKey <= nowKey && a.m_bDDay == 0;
        case CAlarmInfo::KindOnce: return a.m_bEnabled == 0;
        case CAlarmInfo::KindPeriod: return a.m_nEndDate <= today;
        default: return false;
        }
    };
    auto& v = m_alarms.vec();
    v.erase(std::remove_if(v.begin(), v.end(), overdue), v.end());
    return Save();
}
