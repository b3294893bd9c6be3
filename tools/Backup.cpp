#include "tools/Backup.h"

#include "shell/SafeFileWriter.h"
#include "tools/zip/ZipArchive.h"

#include <cstring>

namespace {

const wchar_t* const kProgramBackupName = L"backup.zip";
const wchar_t* const kPartSuffix = L".part";
const DWORD kCopyChunk = 65536;

bool EndsWithNoCase(const CString& s, const wchar_t* tail) {
    int n = (int)wcslen(tail);
    return s.GetLength() >= n && s.Right(n).CompareNoCase(tail) == 0;
}

void PutDword(BYTE* p, DWORD v) {
    p[0] = (BYTE)v;
    p[1] = (BYTE)(v >> 8);
    p[2] = (BYTE)(v >> 16);
    p[3] = (BYTE)(v >> 24);
}

bool EnsureFolder(const CString& path) {
    if (CreateDirectoryW(path, nullptr)) return true;
    DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Changes the current directory for the lifetime of the object: entries are
// added by their paths relative to the program folder.
class CCurrentDirectory {
public:
    explicit CCurrentDirectory(const CString& folder) {
        wchar_t buf[MAX_PATH * 2];
        DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, buf);
        if (n && n < MAX_PATH * 2) m_previous = buf;
        m_ok = SetCurrentDirectoryW(folder) != 0;
    }
    ~CCurrentDirectory() {
        if (!m_previous.IsEmpty()) SetCurrentDirectoryW(m_previous);
    }
    bool m_ok;

private:
    CString m_previous;
};

CString ProgramFileName() {
    wchar_t buf[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
    CString path(buf, (int)n);
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}

}  // namespace

CBackup::CBackup() : m_now(time(nullptr)) {
    m_szProgramFile = ProgramFileName();
    m_szName = DefaultName(m_now);
    m_fnLoadSetupProgram = LoadSetupProgram;
}

CString CBackup::DefaultName(time_t now) {
    CString name;
    struct tm* lt = localtime(&now);
    if (lt) name.Format(L"Zorel%d_%02d_%02d", lt->tm_year + 1900, lt->tm_mon + 1, lt->tm_mday);
    return name;
}

CString CBackup::GetArchiveName() const {
    return EndsWithNoCase(m_szName, L".zip") ? m_szName : m_szName + L".zip";
}

CString CBackup::GetSetupFileName() const {
    return EndsWithNoCase(m_szName, L".exe") ? m_szName : m_szName + L".exe";
}

void CBackup::CollectFiles(const CString& folder, bool bSubFolders) {
    CString base = folder;
    base.TrimRight(L'\\');
    std::vector<CString> subFolders;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(base + L"\\*", &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        CString name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        CString path = base + L"\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (bSubFolders) subFolders.push_back(path);
            continue;
        }
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) continue;
        if (EndsWithNoCase(path, L".DS_Store")) continue;
        m_files.Add(path.Mid(m_szProgramFolder.GetLength()));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    for (const CString& sub : subFolders) {
        m_files.Add(sub.Mid(m_szProgramFolder.GetLength()));
        CollectFiles(sub, true);
    }
}

void CBackup::BuildFileList() {
    m_files.RemoveAll();
    auto exists = [this](const wchar_t* name) {
        DWORD attr = GetFileAttributesW(m_szProgramFolder + name);
        return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
    };
    m_files.Add(m_szProgramFile);
    for (const wchar_t* name : {L"Homepage.html", L"ZorelUninstall.exe", L"friendlist.xml"})
        if (exists(name)) m_files.Add(name);
    if (m_bSettings && exists(L"ZorelConfig.xml")) m_files.Add(L"ZorelConfig.xml");
    if (m_bMemo) CollectFiles(m_szProgramFolder + L"memo_data", false);
    if (m_bSchedule) CollectFiles(m_szProgramFolder + L"schedule_data", m_bHistory);
    if (m_bAnniversary) CollectFiles(m_szProgramFolder + L"anniversary_data", m_bHistory);
    if (m_bVault) CollectFiles(m_szProgramFolder + L"pmanager_data", m_bHistory);
    if (m_bSkin) CollectFiles(m_szProgramFolder + L"skin", true);
    for (const wchar_t* folder : {L"system\\res", L"system\\language", L"system\\skin", L"system\\webicon"})
        CollectFiles(m_szProgramFolder + folder, true);
}

CBackup::Result CBackup::Backup() {
    if (m_fnSaveData) m_fnSaveData();
    if (m_szName.IsEmpty()) return resultEmptyName;
    m_files.RemoveAll();
    CString archivePath = GetBackupFolder() + GetArchiveName();
    // The archive is written under a temporary name and replaces an older
    // backup of the same name only when it is complete.
    CString partPath = archivePath + kPartSuffix;
    if (!EnsureFolder(m_szProgramFolder + L"system") || !EnsureFolder(GetBackupFolder())) {
        Report(archivePath);
        return resultFailed;
    }
    CCurrentDirectory cd(m_szProgramFolder);
    if (!cd.m_ok) {
        Report(archivePath);
        return resultFailed;
    }
    CZipArchive zip;
    try {
        zip.Open(partPath, CZipArchive::create, 1457500);
        BuildFileList();
        int n = m_files.GetSize();
        std::vector<CString> paths((size_t)n);
        for (int i = 0; i < n; ++i) paths[(size_t)i] = m_files[i];
        // A file that cannot be read is skipped; the backup goes on.
        zip.AddNewFiles(paths, -1, true, [&](size_t i, bool) {
            if (m_fnProgress) m_fnProgress((int)i * 100 / n);
            return true;
        });
        zip.Close();
    } catch (const CException&) {
        zip.Close(true);
        DeleteFileW(partPath);
        m_files.RemoveAll();
        Report(archivePath);
        return resultFailed;
    }
    m_files.RemoveAll();
    if (!CSafeFileWriter::ReplaceWith(partPath, archivePath)) {
        Report(archivePath);
        return resultFailed;
    }
    // Without a stored setup program the archive is the backup: it is kept
    // and nothing is reported.
    if (m_bSetupFile && CanMakeSetupFile() && !MakeSetupFile(archivePath)) return resultFailed;
    return resultDone;
}

bool CBackup::CanMakeSetupFile() const {
    std::vector<BYTE> setup;
    return m_fnLoadSetupProgram && m_fnLoadSetupProgram(setup);
}

std::vector<BYTE> CBackup::MakeTrailer(time_t now, const CString& language, const CString& comment) {
    std::vector<BYTE> t(TRAILER_SIZE, 0);
    static const char marker[] = "ZOREL_BACKUP_AND_INSTALL";
    memcpy(&t[0], marker, sizeof(marker));  // with its terminating zero: 25 bytes
    struct tm* lt = localtime(&now);
    int fields[6] = {0, 0, 0, -1, -1, -1};
    if (lt) {
        fields[0] = lt->tm_year + 1900;
        fields[1] = lt->tm_mon + 1;
        fields[2] = lt->tm_mday;
        fields[3] = lt->tm_hour;
        fields[4] = lt->tm_min;
        fields[5] = lt->tm_sec;
    }
    for (int i = 0; i < 6; ++i) PutDword(&t[64 + 4 * i], (DWORD)fields[i]);
    CStringA lang = StringToAnsi(language);
    memcpy(&t[88], lang.GetString(), (size_t)std::min(lang.GetLength(), 128));
    CStringA text = StringToAnsi(comment.Left(COMMENT_MAX_CHARS));
    // The comment keeps its terminating zero inside the trailer.
    memcpy(&t[216], text.GetString(), (size_t)std::min(text.GetLength(), TRAILER_SIZE - 216 - 1));
    return t;
}

bool CBackup::LoadSetupProgram(std::vector<BYTE>& data) {
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(SETUP_RESOURCE_ID), L"DATAFILE");
    if (!res) return false;
    HGLOBAL mem = LoadResource(nullptr, res);
    DWORD size = SizeofResource(nullptr, res);
    const void* p = mem ? LockResource(mem) : nullptr;
    if (!p) return false;
    data.assign((const BYTE*)p, (const BYTE*)p + size);
    return true;
}

bool CBackup::MakeSetupFile(const CString& archivePath) {
    CString target = GetBackupFolder() + GetSetupFileName();
    CString partPath = target + kPartSuffix;
    std::vector<BYTE> trailer = MakeTrailer(m_now, m_szLanguage, m_szComment);
    std::vector<BYTE> setup;
    if (!m_fnLoadSetupProgram || !m_fnLoadSetupProgram(setup)) {
        Report(target);
        return false;
    }
    try {
        CFile archive(archivePath, CFile::modeRead | CFile::shareDenyWrite);
        ULONGLONG archiveLength = archive.GetLength();
        if (archiveLength > 0xFFFFFFFFull || setup.size() > 0xFFFFFFFFull) throw CFileException(CFileException::diskFull);
        PutDword(&trailer[32], (DWORD)setup.size());
        PutDword(&trailer[36], (DWORD)archiveLength);
        CFile out(partPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        if (!setup.empty()) out.Write(setup.data(), (UINT)setup.size());
        // The archive is copied a chunk at a time, never held whole.
        std::vector<BYTE> chunk(kCopyChunk);
        ULONGLONG copied = 0;
        while (copied < archiveLength) {
            UINT n = archive.Read(chunk.data(), kCopyChunk);
            if (!n) throw CFileException(CFileException::endOfFile, -1, archivePath);
            out.Write(chunk.data(), n);
            copied += n;
        }
        out.Write(trailer.data(), (UINT)trailer.size());
        out.Close();
        archive.Close();
    } catch (const CException&) {
        DeleteFileW(partPath);
        Report(target);
        return false;
    }
    if (!CSafeFileWriter::ReplaceWith(partPath, target)) {
        Report(target);
        return false;
    }
    // Only the self-installing file remains.
    DeleteFileW(archivePath);
    return true;
}

void CBackup::AddFolderToArchive(CZipArchive& archive, const CString& programFolder, const CString& folder,
                                 bool bSubFolders) {
    std::vector<CString> paths;
    CollectFolder(paths, programFolder, folder, bSubFolders);
    archive.AddNewFiles(paths, -1, true);
}

void CBackup::CollectFolder(std::vector<CString>& paths, const CString& programFolder, const CString& folder,
                            bool bSubFolders) {
    CString base = folder;
    base.TrimRight(L'\\');
    std::vector<CString> subFolders;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(base + L"\\*", &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    CString root = programFolder;
    if (root.Right(1) != L"\\") root += L"\\";
    do {
        CString name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        CString path = base + L"\\" + name;
        CString relative = path.Mid(root.GetLength());
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // The dated backups are not backed up again.
            if (bSubFolders && relative.CompareNoCase(L"system\\backup") != 0) subFolders.push_back(path);
            continue;
        }
        // Neither the archive being written nor its temporary file.
        if (relative.CompareNoCase(kProgramBackupName) == 0 ||
            relative.CompareNoCase(CString(kProgramBackupName) + kPartSuffix) == 0)
            continue;
        paths.push_back(relative);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    for (const CString& sub : subFolders) {
        paths.push_back(sub.Mid(root.GetLength()));
        CollectFolder(paths, programFolder, sub, true);
    }
}

bool CBackup::BackupProgramFolder(const CString& programFolder,
                                  const std::function<void(const CString&)>& reportFailure) {
    CString root = programFolder;
    if (root.Right(1) != L"\\") root += L"\\";
    CString archivePath = root + kProgramBackupName;
    CString partPath = archivePath + kPartSuffix;
    CCurrentDirectory cd(root);
    CZipArchive zip;
    try {
        if (!cd.m_ok) throw CFileException(CFileException::badPath, -1, root);
        zip.Open(partPath, CZipArchive::create, 1457500);
        AddFolderToArchive(zip, root, root, true);
        zip.Close();
    } catch (const CException&) {
        zip.Close(true);
        DeleteFileW(partPath);
        if (reportFailure) reportFailure(archivePath);
        return false;
    }
    if (!CSafeFileWriter::ReplaceWith(partPath, archivePath)) {
        if (reportFailure) reportFailure(archivePath);
        return false;
    }
    return true;
}
