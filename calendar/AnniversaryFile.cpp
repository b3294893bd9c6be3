#include "calendar/AnniversaryFile.h"

#include "calendar/DayMarks.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"

#include <atomic>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

const wchar_t kSignature[] = L"ANNIVER SIGNATURE";
const wchar_t kFolderName[] = L"anniversary_data";
const wchar_t kFileName[] = L"anniversary_data.xzrn";
const wchar_t kOldFileName[] = L"anniversary_data.zrn";
const wchar_t kOlderFile[] = L"CalendarSkin\\DayInfo.dat";
const size_t kImportLineBytes = 1023;

// Shared by every list, so anniversary ids never repeat in a run and never
// meet the small running ids of alarms.
std::atomic<int> s_nextId{CAnniversaryFile::kFirstId};

bool PathExists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

bool EnsureFolder(const CString& folder) {
    if (CreateDirectoryW(folder, nullptr))
        return true;
    DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

CString WithSlash(CString folder) {
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\' && folder[folder.GetLength() - 1] != L'/')
        folder += L"\\";
    return folder;
}

int ParseNumber(const CString& text) {
    long long v = wcstoll(text, nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return (int)v;
}

// One line of the older text form: month|day|"-" for lunar|"T" for the
// leap month|text|"T" for a holiday|icon. Empty fields do not count, so a
// line with an empty text is dropped, as is any date out of range. The last
// line of a file may end without a line break.
bool ParseImportLine(const CString& line, CDayInfo& info) {
    std::vector<CString> fields;
    int start = 0;
    while (true) {
        CString field = line.Tokenize(L"|\r\n", start);
        if (start < 0)
            break;
        fields.push_back(field);
    }
    if (fields.size() != 7)
        return false;
    info.m_nMonth = ParseNumber(fields[0]);
    info.m_nDay = ParseNumber(fields[1]);
    info.m_bLunar = fields[2] == L"-" ? 1 : 0;
    info.m_bLeap = fields[3] == L"T" ? 1 : 0;
    info.m_strText = fields[4];
    info.m_bHoliday = fields[5] == L"T" ? 1 : 0;
    info.m_nIcon = ParseNumber(fields[6]);
    if (!info.m_bLunar)
        info.m_bLeap = 0;
    return info.IsValidDate();
}

}  // namespace

CAnniversaryFile::CAnniversaryFile() = default;

CString CAnniversaryFile::Root() const { return WithSlash(m_programFolder.IsEmpty() ? g_ProgramFolder : m_programFolder); }
CString CAnniversaryFile::GetFolder() const { return Root() + kFolderName + L"\\"; }
CString CAnniversaryFile::GetFilePath() const { return GetFolder() + kFileName; }
CString CAnniversaryFile::GetHistoryFolder() const { return GetFolder() + L"history\\"; }

void CAnniversaryFile::Report(int textId) const {
    if (m_report) {
        m_report(textId);
        return;
    }
    CString text = g_LanguageTable[textId];
    if (text.IsEmpty())
        text = L"File Access is Denied.";
    MessageBoxW(nullptr, text, L"Zorel", MB_OK | MB_ICONWARNING);
}

int CAnniversaryFile::AddAnniversary(const CDayInfo& info) {
    int index = m_list.Add(info);
    m_list[index].m_nId = s_nextId++;
    m_list[index].m_nSchema = CDayInfo::kSchema;
    return m_list[index].m_nId;
}

CDayInfo* CAnniversaryFile::FindAnniversary(int id) {
    for (CDayInfo& info : m_list)
        if (info.m_nId == id)
            return &info;
    return nullptr;
}

void CAnniversaryFile::RemoveAnniversary(int id) {
    for (int i = 0; i < m_list.GetSize(); ++i) {
        if (m_list[i].m_nId == id) {
            m_list.RemoveAt(i);
            return;
        }
    }
}

void CAnniversaryFile::RemoveAllAnniversaries() { m_list.RemoveAll(); }

bool CAnniversaryFile::LoadAnniversaries() {
    CFile file;
    if (!file.Open(GetFilePath(), CFile::modeRead | CFile::shareDenyWrite)) {
        // Nothing to show; but the file is there, so it must not be replaced.
        m_loadFailed = PathExists(GetFilePath());
        return !m_loadFailed;
    }
    bool complete = ReadRecords(file, [this](const CDayInfo& info) {
        AddAnniversary(info);
        MarkSolarAnniversary(info);
    });
    file.Abort();

    m_loadFailed = !complete;
    if (m_loadFailed) {
        // Keep what could not be read before anything can replace it.
        KeepUnreadableCopy();
        Report(kFileAccessDeniedText);
    }
    return complete;
}

bool CAnniversaryFile::ReadRecords(CFile& file, const std::function<void(const CDayInfo&)>& add) {
    bool complete = false;
    try {
        CArchive ar(&file, CArchive::load);
        CString signature = ar.ReadString();
        if (signature == kSignature) {
            int count = 0;
            while (true) {
                CDayInfo info;
                if (!info.Serialize(ar)) {
                    complete = info.m_nSchema == CDayInfo::kEndMark;
                    break;
                }
                if (count == kMaxRecords)
                    break;  // more than the list may hold: not read whole
                add(info);
                ++count;
            }
        }
    } catch (const CArchiveException&) {
    } catch (const CFileException&) {
    }
    return complete;
}

void CAnniversaryFile::KeepUnreadableCopy() {
    CTime now = m_clock ? m_clock() : CTime::GetCurrentTime();
    SYSTEMTIME stamp = {};
    now.GetAsSystemTime(stamp);
    CSafeFileWriter::KeepDatedCopy(GetFilePath(), stamp);
}

void CAnniversaryFile::LoadOrImportAnniversaries() {
    ClearAnniversaryMarks();
    RemoveAllAnniversaries();
    m_loadFailed = false;
    if (PathExists(GetFilePath()))
        LoadAnniversaries();
    else
        ImportOldFile();
}

bool CAnniversaryFile::ReadImportFile(const CString& path) {
    FILE* file = _wfopen(path, L"rb");
    if (!file)
        return false;
    char buffer[kImportLineBytes + 1];
    while (fgets(buffer, sizeof buffer, file)) {
        size_t length = strlen(buffer);
        if (length <= 4 || buffer[0] == '#')
            continue;
        CDayInfo info;
        if (ParseImportLine(MultiByteToString(buffer, (int)length, CP_ACP), info)) {
            AddAnniversary(info);
            MarkSolarAnniversary(info);
        }
    }
    fclose(file);
    return true;
}

bool CAnniversaryFile::ImportOldFile() {
    CString path = GetFolder() + kOldFileName;
    if (!PathExists(path))
        path = Root() + kOlderFile;
    if (!ReadImportFile(path))
        return false;
    // The old file is set aside only once its records are safely written, so
    // a failed save leaves it to be imported again.
    if (!SaveAnniversaries())
        return false;
    MoveFileExW(path, path + L"_", MOVEFILE_REPLACE_EXISTING);
    return true;
}

bool CAnniversaryFile::WriteFile() {
    CMemFile bytes;
    try {
        CArchive ar(&bytes, CArchive::store);
        ar << CString(kSignature);
        for (CDayInfo& info : m_list)
            info.Serialize(ar);
        ar << (INT32)CDayInfo::kEndMark;
        ar.Close();
    } catch (const CFileException&) {
        return false;
    } catch (const CArchiveException&) {
        return false;
    }
    return CSafeFileWriter::WriteFile(GetFilePath(), bytes.Data());
}

bool CAnniversaryFile::SaveAnniversaries() {
    if (m_loadFailed) {
        Report(kFileAccessDeniedText);
        return false;
    }
    const CString target = GetFilePath();
    if (!EnsureFolder(GetFolder())) {
        Report(kFileAccessDeniedText);
        return false;
    }
    if (m_historyLevel > 0 && PathExists(target) && EnsureFolder(GetHistoryFolder())) {
        CTime now = m_clock ? m_clock() : CTime::GetCurrentTime();
        CString name;
        if (m_historyLevel == 1)
            name.Format(L"%2d_%02d_%02d.xbak", now.GetYear(), now.GetMonth(), now.GetDay());
        else
            name.Format(L"%2d_%02d_%02d_%02d_%02d_%02d.xbak", now.GetYear(), now.GetMonth(), now.GetDay(),
                        now.GetHour(), now.GetMinute(), now.GetSecond());
        CSafeFileWriter::CopyFile(target, GetHistoryFolder() + name);
    }
    if (!WriteFile()) {
        Report(kFileAccessDeniedText);
        return false;
    }
    LoadOrImportAnniversaries();
    return true;
}
