#include "tools/zip/ZipArchive.h"

#include "tools/zip/ZipPath.h"
#include "tools/zip/ZipWorkers.h"
#include "shell/SafePath.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <atomic>
#include <exception>
#include <memory>
#include <set>
#include <vector>

namespace {

const char* const kZlibVersion = "1.2.3";

// Windows attributes an entry may give the files it creates; anything else
// (Unix mode bits, a directory bit on a file) is dropped.
const DWORD kAppliedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

DWORD AttributesToApply(const CZipFileHeader& header) {
    DWORD attr = header.m_uExternalAttr & kAppliedAttributes;
    return attr ? attr : FILE_ATTRIBUTE_NORMAL;
}

// One spelling for every path that names the same file: full, with long
// names, in one case (the file system ignores case).
CString FileKey(const CString& path) {
    DWORD n = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (!n) return CString(path).MakeUpper();
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path, n, &full[0], nullptr);
    full.resize(n);
    // Only a short (8.3) name spells an existing file differently, and every
    // short name holds a tilde; without one the long-name lookup, which goes
    // to the disk for each folder on the way, would change nothing.
    DWORD m = full.find(L'~') == std::wstring::npos ? 0 : GetLongPathNameW(full.c_str(), nullptr, 0);
    if (m) {
        std::wstring longName(m, L'\0');
        m = GetLongPathNameW(full.c_str(), &longName[0], m);
        if (m && m < longName.size()) full = longName.substr(0, m);
    }
    return CString(full).MakeUpper();
}

}  // namespace

CZipArchive::CZipArchive() : m_bDetectZlibMemoryLeaks(true), m_keys{0, 0, 0}, m_iFileOpened(nothing) {
    m_centralDir.Init(&m_storage);
}

CZipArchive::~CZipArchive() {
    EndKeptStream();
    EmptyPtrList();
}

void CZipArchive::ThrowError(int iZipError) const {
    throw CZipException(CZipException::ZipErrToCause(iZipError), IsClosed() ? CString() : m_storage.GetArchivePath());
}

void CZipArchive::CheckForError(int iErr) const {
    if (iErr == Z_OK || iErr == Z_NEED_DICT) return;
    ThrowError(iErr);
}

void* CZipArchive::myalloc(void* opaque, UINT items, UINT size) {
    void* p = malloc((size_t)items * size);
    if (p && opaque) ((std::list<void*>*)opaque)->push_back(p);
    return p;
}

void CZipArchive::myfree(void* opaque, void* address) {
    if (opaque) ((std::list<void*>*)opaque)->remove(address);
    free(address);
}

void CZipArchive::EndKeptStream() {
    if (m_kept == keptDeflater) deflateEnd(&m_info.m_stream);
    if (m_kept == keptInflater) inflateEnd(&m_info.m_stream);
    m_kept = keptNone;
}

void CZipArchive::ClearStream() {
    m_info.m_stream = z_stream();
    m_info.m_stream.zalloc = (alloc_func)myalloc;
    m_info.m_stream.zfree = (free_func)myfree;
    // Outlives the entry: not on the list a failed entry empties.
    m_info.m_stream.opaque = nullptr;
}

void CZipArchive::EmptyPtrList() {
    for (void* p : m_list) free(p);
    m_list.clear();
}

void CZipArchive::Open(const wchar_t* szPathName, int iMode, int iVolumeSize) {
    if (!IsClosed()) return;
    m_pszPassword.Release();
    m_iFileOpened = nothing;
    m_extracted.clear();
    try {
        m_storage.Open(szPathName, iMode, iVolumeSize);
        m_centralDir.Init(&m_storage);
        if (iMode == open || iMode == openReadOnly) m_centralDir.Read();
    } catch (...) {
        // A failed open leaves the archive closed, so that a later Close
        // cannot write a central directory into a file that was not read.
        Close(true);
        throw;
    }
}

void CZipArchive::Open(CMemFile& mf, int iMode) {
    if (!IsClosed()) return;
    if (iMode != open && iMode != openReadOnly && iMode != create) return;
    m_pszPassword.Release();
    m_iFileOpened = nothing;
    m_extracted.clear();
    try {
        m_storage.Open(mf, iMode);
        m_centralDir.Init(&m_storage);
        if (iMode == open || iMode == openReadOnly) m_centralDir.Read();
    } catch (...) {
        Close(true);
        throw;
    }
}

bool CZipArchive::IsClosed(bool bArchive) const {
    if (bArchive) return m_storage.GetCurrentVolume() == -1;
    return !m_storage.m_pFile || (m_storage.m_pFile == &m_storage.m_internalfile && !m_storage.m_internalfile.IsOpen());
}

bool CZipArchive::GetEntryInfo(CZipFileHeader& fhInfo, WORD uIndex) const {
    if (IsClosed() || !m_centralDir.IsValidIndex(uIndex)) return false;
    fhInfo = *m_centralDir[uIndex];
    return true;
}

bool CZipArchive::IsEntryFolder(WORD uIndex) const {
    if (IsClosed() || !m_centralDir.IsValidIndex(uIndex)) return false;
    return m_centralDir[uIndex]->IsDirectory();
}

void CZipArchive::SetPassword(const char* lpszPassword) {
    size_t n = lpszPassword ? strlen(lpszPassword) : 0;
    m_pszPassword.Allocate((DWORD)n);
    if (n) memcpy(m_pszPassword, lpszPassword, n);
}

// ---- Extracting ----

bool CZipArchive::TargetOf(const CZipFileHeader& header, const wchar_t* lpszPath, bool bFullPath,
                           const wchar_t* lpszNewName, CString& target) {
    CString name;
    if (lpszNewName) {
        name = lpszNewName;
    } else {
        name = header.GetFileName();
        // Names come from outside: never let one reach beyond the target folder.
        if (!IsSafeRelativePath(name)) return false;
        if (!bFullPath) name = CZipPath::GetFileName(name);
    }
    name = CZipPath::RemoveTrailingSeparators(name);
    target = CZipPath::RemoveTrailingSeparators(lpszPath ? CString(lpszPath) : CString());
    target += L"\\";
    target += name;
    return true;
}

bool CZipArchive::ExtractFolder(const CZipFileHeader& header, const CString& target) {
    if (!CZipPath::CreateFolderPath(target)) return false;
    // A folder whose attributes cannot be set is still extracted.
    DWORD attr = AttributesToApply(header) & ~FILE_ATTRIBUTE_NORMAL;
    if (attr) SetFileAttributesW(target, attr);
    return true;
}

bool CZipArchive::OpenTargetFile(const CString& target, CFile& file, CFileException& error) {
    // Each file is opened once: its folders and an older file in its way are
    // only looked at when that open fails, and its time and attributes are
    // set through the same handle before it is closed.
    const UINT kFlags = CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite;
    bool opened = file.Open(target, kFlags, &error);
    if (!opened && (error.m_lOsError == ERROR_PATH_NOT_FOUND || error.m_lOsError == ERROR_FILE_NOT_FOUND)) {
        int slash = target.ReverseFind(L'\\');
        if (slash <= 0 || !CZipPath::CreateFolderPath(target.Left(slash))) return false;
        opened = file.Open(target, kFlags, &error);
    }
    if (!opened && error.m_lOsError == ERROR_ACCESS_DENIED) {
        // An older read-only (or hidden or system) file refuses to be
        // replaced; it takes the entry's attributes anyway.
        const DWORD kRefusing = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        DWORD oldAttr = GetFileAttributesW(target);
        if (oldAttr != INVALID_FILE_ATTRIBUTES && (oldAttr & kRefusing) && !(oldAttr & FILE_ATTRIBUTE_DIRECTORY) &&
            SetFileAttributesW(target, (oldAttr & ~kRefusing) ? (oldAttr & ~kRefusing) : FILE_ATTRIBUTE_NORMAL))
            opened = file.Open(target, kFlags, &error);
    }
    if (!opened) throw error;
    return true;
}

bool CZipArchive::ExtractFile(WORD uIndex, const wchar_t* lpszPath, bool bFullPath, const wchar_t* lpszNewName,
                              ZIPCALLBACKFUN pCallback, void* pUserData, DWORD nBufSize) {
    if (!nBufSize) return false;
    CZipFileHeader header;
    if (!GetEntryInfo(header, uIndex)) return false;
    CString target;
    if (!TargetOf(header, lpszPath, bFullPath, lpszNewName, target)) return false;
    if (header.IsDirectory()) return ExtractFolder(header, target);

    // Two entries that become one file (the same name twice, names that
    // differ in case only): the later one would silently replace the earlier
    // one's data, so it is refused instead.
    CString key = FileKey(target);
    auto earlier = m_extracted.find(key);
    if (earlier != m_extracted.end() && earlier->second != uIndex) return false;

    if (!OpenEntry(uIndex)) return false;
    CFile file;
    CFileException error;
    bool opened;
    try {
        opened = OpenTargetFile(target, file, error);
    } catch (...) {
        CloseEntry(nullptr, true);
        throw;
    }
    if (!opened) {
        CloseEntry(nullptr, true);
        return false;
    }
    int iResult = 0;
    try {
        char* buf = m_copyBuffer.Allocate(nBufSize);
        DWORD uDone = 0;
        for (;;) {
            DWORD n = ReadEntry(buf, nBufSize);
            if (n) file.Write(buf, n);
            uDone += n;
            if (pCallback && !pCallback(header.m_uUncomprSize, uDone, pUserData)) break;
            if (n < nBufSize) break;
        }
        iResult = CloseEntry(nullptr);
        if (iResult == 1) iResult = ApplyEntryTimeAndAttributes(file.m_hFile, header);
        file.Close();
    } catch (...) {
        // A damaged entry leaves no half-written file behind.
        file.Abort();
        if (m_iFileOpened == extract) CloseEntry(nullptr, true);
        DeleteFileW(target);
        throw;
    }
    if (iResult == -1) DeleteFileW(target);
    // Attributes that could not be set (-2) do not make the data wrong.
    if (iResult != 1 && iResult != -2) return false;
    m_extracted[key] = uIndex;
    return true;
}

int CZipArchive::ApplyEntryTimeAndAttributes(HANDLE hFile, const CZipFileHeader& header) {
    FILETIME now, modified;
    GetSystemTimeAsFileTime(&now);
    ULONGLONG t = ((ULONGLONG)header.GetTime() + 11644473600ull) * 10000000ull;
    modified.dwLowDateTime = (DWORD)t;
    modified.dwHighDateTime = (DWORD)(t >> 32);
    FILE_BASIC_INFO info = {};
    info.CreationTime.LowPart = now.dwLowDateTime;
    info.CreationTime.HighPart = (LONG)now.dwHighDateTime;
    info.LastAccessTime = info.CreationTime;
    info.LastWriteTime.LowPart = modified.dwLowDateTime;
    info.LastWriteTime.HighPart = (LONG)modified.dwHighDateTime;
    info.FileAttributes = AttributesToApply(header);
    if (SetFileInformationByHandle(hFile, FileBasicInfo, &info, sizeof info)) return 1;
    // Times and attributes one at a time, to tell which of them failed.
    if (!SetFileTime(hFile, &now, &now, &modified)) return 0;
    info = FILE_BASIC_INFO();
    info.FileAttributes = AttributesToApply(header);
    return SetFileInformationByHandle(hFile, FileBasicInfo, &info, sizeof info) ? 1 : -2;
}

bool CZipArchive::OpenEntry(WORD uIndex) {
    if (!m_centralDir.IsValidIndex(uIndex) || m_storage.IsSpanMode() == 1 || m_iFileOpened != nothing) return false;
    // A stored entry holds its data as it is: sizes that differ mean damage
    // (and reading could never deliver what the header promises).
    const CZipFileHeader* pEntry = m_centralDir[uIndex];
    if (pEntry->m_uMethod == 0 &&
        pEntry->m_uComprSize != (ULONGLONG)pEntry->m_uUncomprSize + (pEntry->IsEncrypted() ? 12 : 0))
        ThrowError(CZipException::codeBadZipFile);
    m_info.Init();
    m_centralDir.OpenEntry(uIndex);
    CZipFileHeader* pHeader = CurrentFile();
    if (pHeader->IsEncrypted()) {
        if (m_pszPassword.GetSize() == 0) {
            m_centralDir.CloseEntry(false);
            m_info.m_pBuffer.Release();
            return false;
        }
        if (pHeader->m_uComprSize < 12) ThrowError(CZipException::codeBadZipFile);
        CryptInitKeys();
        if (!CryptCheck()) ThrowError(CZipException::codeBadPassword);
    }
    // Like the deflater of a backup, one inflater serves every entry that is
    // read: reset, not made anew (its window is 32 KiB) for each file.
    if (pHeader->m_uMethod == Z_DEFLATED) {
        if (m_kept == keptInflater) {
            CheckForError(inflateReset(&m_info.m_stream));
        } else {
            EndKeptStream();
            ClearStream();
            CheckForError(inflateInit2_(&m_info.m_stream, -MAX_WBITS, kZlibVersion, (int)sizeof(z_stream)));
            m_kept = keptInflater;
        }
    } else if (pHeader->m_uMethod != 0) {
        ThrowError(CZipException::codeBadZipFile);
    } else if (m_kept == keptNone) {
        ClearStream();
    }
    m_info.m_uComprLeft = pHeader->m_uComprSize - (pHeader->IsEncrypted() ? 12 : 0);
    m_info.m_uUncomprLeft = pHeader->m_uUncomprSize;
    m_info.m_uCrc32 = 0;
    m_info.m_stream.total_out = 0;
    m_info.m_stream.avail_in = 0;
    m_iFileOpened = extract;
    return true;
}

DWORD CZipArchive::ReadEntry(void* pBuf, DWORD iSize) {
    if (m_iFileOpened != extract || !pBuf || !iSize) return 0;
    CZipFileHeader* pHeader = CurrentFile();
    z_stream& s = m_info.m_stream;
    s.next_out = (Bytef*)pBuf;
    s.avail_out = std::min(iSize, m_info.m_uUncomprLeft);
    DWORD iRead = 0;
    bool bDeflated = pHeader->m_uMethod == Z_DEFLATED;
    // Once everything is delivered, a deflate stream must still come to its
    // end (the final block of an empty entry, or the end of the block after a
    // last full chunk); a stream that wants to deliver more is damaged.
    bool bFinish = bDeflated && s.avail_out == 0;
    // Every round takes input or delivers output; one that does neither
    // means damaged data and stops, so that no loop runs on for ever.
    while (s.avail_out > 0 || bFinish) {
        if (s.avail_in == 0 && m_info.m_uComprLeft > 0) {
            DWORD uToRead = std::min(m_info.m_iBufferSize, m_info.m_uComprLeft);
            m_storage.Read(m_info.m_pBuffer, uToRead, false);
            if (pHeader->IsEncrypted()) CryptDecodeBuffer(uToRead);
            m_info.m_uComprLeft -= uToRead;
            s.next_in = (Bytef*)m_info.m_pBuffer.GetBuffer();
            s.avail_in = uToRead;
        }
        if (bDeflated) {
            uLong uTotalIn = s.total_in, uTotal = s.total_out;
            const Bytef* pOldOut = s.next_out;
            int err = inflate(&s, Z_SYNC_FLUSH);
            DWORD uProduced = (DWORD)(s.total_out - uTotal);
            m_info.m_uCrc32 = crc32(m_info.m_uCrc32, pOldOut, uProduced);
            m_info.m_uUncomprLeft -= uProduced;
            iRead += uProduced;
            if (err == Z_STREAM_END) return iRead;
            // zlib's "no progress": the data ends too soon or holds more
            // than the entry's stated size.
            if (err == Z_BUF_ERROR || (s.total_in == uTotalIn && uProduced == 0))
                ThrowError(CZipException::codeBadZipFile);
            CheckForError(err);
        } else {
            // A stored entry whose data ends before its stated size is damaged.
            DWORD n = std::min(s.avail_in, s.avail_out);
            if (n == 0) ThrowError(CZipException::codeBadZipFile);
            memcpy(s.next_out, s.next_in, n);
            m_info.m_uCrc32 = crc32(m_info.m_uCrc32, s.next_out, n);
            s.next_out += n;
            s.next_in += n;
            s.avail_out -= n;
            s.avail_in -= n;
            s.total_out += n;
            m_info.m_uUncomprLeft -= n;
            iRead += n;
        }
    }
    return iRead;
}

int CZipArchive::CloseEntry(const wchar_t* lpszFilePath, bool bAfterException) {
    if (m_iFileOpened != extract) return 0;
    int iRet = 1;
    CZipFileHeader* pHeader = CurrentFile();
    if (!bAfterException) {
        if (m_info.m_uUncomprLeft == 0) {
            if (m_info.m_uCrc32 != pHeader->m_uCrc32) ThrowError(CZipException::codeBadCrc);
        } else {
            iRet = -1;
        }
        if (lpszFilePath && iRet == 1) {
            HANDLE h = CreateFileW(lpszFilePath, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                FILETIME now, modified;
                GetSystemTimeAsFileTime(&now);
                ULONGLONG t = ((ULONGLONG)pHeader->GetTime() + 11644473600ull) * 10000000ull;
                modified.dwLowDateTime = (DWORD)t;
                modified.dwHighDateTime = (DWORD)(t >> 32);
                if (!SetFileTime(h, &now, &now, &modified)) iRet = 0;
                CloseHandle(h);
            } else {
                iRet = 0;
            }
            if (!SetFileAttributesW(lpszFilePath, AttributesToApply(*pHeader))) iRet = -2;
        }
        m_centralDir.CloseEntry(m_info.m_uUncomprLeft == 0);
    } else {
        m_centralDir.CloseEntry(false);
    }
    // The buffer stays for the next entry; Close gives it back.
    m_iFileOpened = nothing;
    EmptyPtrList();
    return iRet;
}

// ---- Adding ----

bool CZipArchive::AddNewFile(const wchar_t* lpszFilePath, int iLevel, bool bFullPath, ZIPCALLBACKFUN pCallback,
                             void* pUserData, unsigned long nBufSize) {
    if (!nBufSize || !lpszFilePath) return false;
    CString path = lpszFilePath;
    CString name = bFullPath ? CZipPath::RemoveDrive(path) : CZipPath::GetFileName(path);
    if (name.IsEmpty()) return false;
    // A file is opened once and everything else about it is asked of the open
    // handle; only a folder (which that open refuses) is looked up by name.
    // The source is opened before the entry is begun, so a file that cannot
    // be read leaves no entry behind.
    WIN32_FILE_ATTRIBUTE_DATA data;
    CFile file;
    if (file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
        // Not GetFileInformationByHandle: it also asks for the volume's
        // serial number, which under Wine is a call to another process.
        FILE_BASIC_INFO info;
        LARGE_INTEGER size;
        if (!GetFileInformationByHandleEx(file.m_hFile, FileBasicInfo, &info, sizeof info) ||
            !GetFileSizeEx(file.m_hFile, &size))
            return false;
        data.dwFileAttributes = info.FileAttributes;
        data.ftCreationTime.dwLowDateTime = info.CreationTime.LowPart;
        data.ftCreationTime.dwHighDateTime = (DWORD)info.CreationTime.HighPart;
        data.ftLastAccessTime.dwLowDateTime = info.LastAccessTime.LowPart;
        data.ftLastAccessTime.dwHighDateTime = (DWORD)info.LastAccessTime.HighPart;
        data.ftLastWriteTime.dwLowDateTime = info.LastWriteTime.LowPart;
        data.ftLastWriteTime.dwHighDateTime = (DWORD)info.LastWriteTime.HighPart;
        data.nFileSizeLow = size.LowPart;
        data.nFileSizeHigh = (DWORD)size.HighPart;
    } else if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data) ||
               !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    bool bFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // The format has 32-bit sizes: a file of 4 GiB or more is refused.
    if (!bFolder && (data.nFileSizeHigh != 0 || data.nFileSizeLow == 0xFFFFFFFF)) return false;
    CZipFileHeader header;
    header.SetFileName(name);
    if (!BeginEntry(header, iLevel, &data)) return false;
    if (!bFolder) {
        char* buf = m_copyBuffer.Allocate((DWORD)nBufSize);
        DWORD uTotal = data.nFileSizeLow, uDone = 0;
        for (;;) {
            DWORD n = file.Read(buf, (UINT)nBufSize);
            if (n) WriteNewEntry(buf, n);
            uDone += n;
            if (pCallback && !pCallback(uTotal, uDone, pUserData)) break;
            if (n < nBufSize) break;
        }
    }
    EndNewEntry();
    return true;
}

bool CZipArchive::BeginNewEntry(const CZipFileHeader& header, int iLevel, const wchar_t* lpszFilePath) {
    if (!lpszFilePath) return BeginEntry(header, iLevel, nullptr);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (IsClosed() || !GetFileAttributesExW(lpszFilePath, GetFileExInfoStandard, &data)) return false;
    return BeginEntry(header, iLevel, &data);
}

bool CZipArchive::BeginEntry(const CZipFileHeader& header, int iLevel, const WIN32_FILE_ATTRIBUTE_DATA* pSource,
                             const Packed* pPacked) {
    if (IsClosed() || m_iFileOpened != nothing || m_storage.IsSpanMode() == -1) return false;
    if (GetEntryCount() >= MAX_ENTRIES) return false;
    CZipFileHeader entry = header;
    if (pSource) {
        ULONGLONG ft = ((ULONGLONG)pSource->ftLastWriteTime.dwHighDateTime << 32) | pSource->ftLastWriteTime.dwLowDateTime;
        entry.SetTime((time_t)(ft / 10000000ull - 11644473600ull));
        entry.m_uExternalAttr = pSource->dwFileAttributes;
    }
    if (entry.GetFileNameSize() == 0) {
        CString name;
        name.Format(L"file%i", (int)GetEntryCount());
        entry.SetFileName(name);
    }
    bool bFolder = entry.IsDirectory();
    if (bFolder) {
        entry.m_uExternalAttr |= FILE_ATTRIBUTE_DIRECTORY;
        // Other tools take a folder entry without a trailing separator for a
        // file and then fail on every entry inside it.
        DWORD n = entry.GetFileNameSize();
        char last = entry.m_pszFileName[n - 1];
        if (last != '\\' && last != '/') {
            CZipAutoBuffer name(n + 1);
            memcpy(name, entry.m_pszFileName, n);
            name[n] = '\\';
            entry.m_pszFileName = name;
        }
        entry.m_uMethod = 0;
    }
    entry.NameToArchiveForm();
    bool bEncrypted = m_pszPassword.GetSize() > 0;
    if (!entry.PrepareForWrite(bFolder ? 0 : iLevel, m_storage.IsSpanMode() == 1 || bEncrypted, bEncrypted))
        ThrowError(CZipException::codeTooLongFileName);
    if (pPacked) {
        entry.m_uCrc32 = pPacked->uCrc32;
        entry.m_uUncomprSize = pPacked->uSize;
        entry.m_uComprSize = (DWORD)pPacked->pData->size();
    }
    m_info.Init();
    m_centralDir.AddEntry(entry);
    CZipFileHeader* pHeader = CurrentFile();
    pHeader->WriteLocalHeader(&m_storage);
    pHeader->NameToMemoryForm();
    if (pPacked) {
        // Everything is known: the data follows its header, which needs no
        // going back to.
        if (!pPacked->pData->empty()) m_storage.Write(pPacked->pData->data(), (DWORD)pPacked->pData->size(), false);
        m_centralDir.FinishEntry(true);
        return true;
    }
    if (bEncrypted) {
        CZipAutoBuffer buf(12);
        CryptCryptHeader((long)pHeader->m_uModTime << 16, buf);
        m_storage.Write(buf, 12, false);
    }
    // A deflater's state is some 256 KiB, which is slow to come by under
    // Wine for every file of a backup: it is kept from one entry to the next
    // of the same level and reset, and ended when the archive closes. A
    // stored entry (a folder) in between leaves it alone.
    bool bDeflate = pHeader->m_uMethod == Z_DEFLATED;
    bool bReuse = bDeflate && m_kept == keptDeflater && m_iDeflaterLevel == iLevel;
    if (bDeflate && !bReuse) EndKeptStream();
    if (m_kept == keptNone) ClearStream();
    m_info.m_stream.next_out = (Bytef*)m_info.m_pBuffer.GetBuffer();
    m_info.m_stream.avail_out = m_info.m_iBufferSize;
    m_info.m_uComprLeft = 0;
    if (bReuse) {
        CheckForError(deflateReset(&m_info.m_stream));
    } else if (bDeflate) {
        int err = deflateInit2_(&m_info.m_stream, iLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, kZlibVersion,
                                (int)sizeof(z_stream));
        CheckForError(err);
        m_kept = keptDeflater;
        m_iDeflaterLevel = iLevel;
    } else {
        m_info.m_stream.total_in = m_info.m_stream.total_out = 0;
    }
    m_iFileOpened = compress;
    return true;
}

void CZipArchive::WriteBuffer() {
    if (m_info.m_uComprLeft) {
        if (m_pszPassword.GetSize()) CryptEncodeBuffer();
        m_storage.Write(m_info.m_pBuffer, m_info.m_uComprLeft, false);
    }
    m_info.m_uComprLeft = 0;
    m_info.m_stream.next_out = (Bytef*)m_info.m_pBuffer.GetBuffer();
    m_info.m_stream.avail_out = m_info.m_iBufferSize;
}

bool CZipArchive::WriteNewEntry(const void* pBuf, DWORD iSize) {
    if (m_iFileOpened != compress) return false;
    CZipFileHeader* pHeader = CurrentFile();
    z_stream& s = m_info.m_stream;
    // The format has 32-bit sizes: refuse data that would make them wrap.
    if ((ULONGLONG)s.total_in + iSize > 0xFFFFFFFFull) ThrowError(CZipException::codeTooLarge);
    pHeader->m_uCrc32 = crc32(pHeader->m_uCrc32, (const Bytef*)pBuf, iSize);
    s.next_in = (Bytef*)pBuf;
    s.avail_in = iSize;
    while (s.avail_in > 0) {
        if (s.avail_out == 0) WriteBuffer();
        if (pHeader->m_uMethod == Z_DEFLATED) {
            uLong uTotal = s.total_out;
            int err = deflate(&s, Z_NO_FLUSH);
            CheckForError(err);
            m_info.m_uComprLeft += (DWORD)(s.total_out - uTotal);
        } else {
            DWORD n = std::min(s.avail_in, s.avail_out);
            memcpy(s.next_out, s.next_in, n);
            s.next_in += n;
            s.avail_in -= n;
            s.next_out += n;
            s.avail_out -= n;
            s.total_in += n;
            s.total_out += n;
            m_info.m_uComprLeft += n;
        }
    }
    return true;
}

bool CZipArchive::EndNewEntry() {
    if (m_iFileOpened != compress) return false;
    CZipFileHeader* pHeader = CurrentFile();
    z_stream& s = m_info.m_stream;
    if (pHeader->m_uMethod == Z_DEFLATED) {
        int err;
        do {
            if (s.avail_out == 0) WriteBuffer();
            uLong uTotal = s.total_out;
            err = deflate(&s, Z_FINISH);
            m_info.m_uComprLeft += (DWORD)(s.total_out - uTotal);
        } while (err == Z_OK);
        if (err != Z_STREAM_END) CheckForError(err);
    }
    WriteBuffer();
    if ((ULONGLONG)pHeader->m_uComprSize + s.total_out > 0xFFFFFFFFull) ThrowError(CZipException::codeTooLarge);
    pHeader->m_uComprSize += (DWORD)s.total_out;
    pHeader->m_uUncomprSize = (DWORD)s.total_in;
    m_centralDir.FinishEntry();
    m_iFileOpened = nothing;
    return true;
}

void CZipArchive::Close(bool bAfterException) {
    if (IsClosed()) {
        if (!bAfterException || IsClosed(false)) return;
    }
    if (bAfterException) {
        m_info.m_pBuffer.Release();
        m_iFileOpened = nothing;
        EndKeptStream();
        EmptyPtrList();
    } else {
        if (m_iFileOpened == extract) CloseEntry(nullptr);
        if (m_iFileOpened == compress) EndNewEntry();
        EndKeptStream();
        m_info.m_pBuffer.Release();
        m_centralDir.Write();
    }
    m_centralDir.Clear(false);
    m_extracted.clear();
    m_storage.Close(bAfterException);
}

// ---- Batches ----

namespace {

// Files up to this size go through a worker whole, in memory; larger ones
// are streamed by the archive's thread as the single calls do.
const DWORD kWorkerFileLimit = 1024 * 1024;
// A batch: at most this many items and (about) this many bytes held in
// memory, so that memory stays bounded whatever the files.
const size_t kBatchItems = 512;
const size_t kBatchBytes = 32 * 1024 * 1024;

[[noreturn]] void ThrowZipError(int iCode, const CString& archivePath) {
    throw CZipException(CZipException::ZipErrToCause(iCode), archivePath);
}

// A zlib state for each thread of a batch, kept from one file to the next.
class CThreadStreams {
public:
    CThreadStreams(int iCount, bool bDeflate, int iLevel)
        : m_streams((size_t)iCount), m_ready((size_t)iCount, false), m_bDeflate(bDeflate), m_iLevel(iLevel) {}
    ~CThreadStreams() {
        for (size_t i = 0; i < m_streams.size(); ++i)
            if (m_ready[i]) m_bDeflate ? deflateEnd(&m_streams[i]) : inflateEnd(&m_streams[i]);
    }
    CThreadStreams(const CThreadStreams&) = delete;
    CThreadStreams& operator=(const CThreadStreams&) = delete;

    // The thread's stream, ready for a new entry.
    z_stream& Get(int iThread, const CString& archivePath) {
        z_stream& s = m_streams[(size_t)iThread];
        int err;
        if (m_ready[(size_t)iThread]) {
            err = m_bDeflate ? deflateReset(&s) : inflateReset(&s);
        } else {
            s = z_stream();
            err = m_bDeflate ? deflateInit2_(&s, m_iLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, kZlibVersion,
                                             (int)sizeof(z_stream))
                             : inflateInit2_(&s, -MAX_WBITS, kZlibVersion, (int)sizeof(z_stream));
            if (err == Z_OK) m_ready[(size_t)iThread] = true;
        }
        if (err != Z_OK) ThrowZipError(err, archivePath);
        return s;
    }

private:
    std::vector<z_stream> m_streams;
    std::vector<bool> m_ready;
    bool m_bDeflate;
    int m_iLevel;
};

// The files of a batch and the folders on their way, by FileKey: an entry
// that is one of them or lies on their way waits for the next batch, so
// that every entry meets what the ones before it left.
class CBatchFiles {
public:
    bool Crosses(const CString& key) const {
        if (m_folders.count(key) || m_files.count(key)) return true;
        for (int slash = key.ReverseFind(L'\\'); slash > 0; slash = key.Left(slash).ReverseFind(L'\\'))
            if (m_files.count(key.Left(slash))) return true;
        return false;
    }
    void Add(const CString& key) {
        m_files.insert(key);
        for (int slash = key.ReverseFind(L'\\'); slash > 0; slash = key.Left(slash).ReverseFind(L'\\'))
            m_folders.insert(key.Left(slash));
    }
    void Clear() {
        m_files.clear();
        m_folders.clear();
    }

private:
    std::set<CString> m_files;
    std::set<CString> m_folders;
};

}  // namespace

bool CZipArchive::CanExtractOnWorker(const CZipFileHeader& header) const {
    return m_storage.IsSpanMode() == 0 && !header.IsEncrypted() && !header.HasDataDescriptor() &&
           (header.m_uMethod == 0 || header.m_uMethod == Z_DEFLATED) && header.m_uUncomprSize <= kWorkerFileLimit &&
           header.m_uComprSize <= kWorkerFileLimit;
}

void CZipArchive::ExtractFiles(const std::vector<WORD>& indexes, const wchar_t* lpszPath, const ZIPBATCHFUN& pDone) {
    // One item of a batch: an entry the workers write, or one whose result
    // is known already.
    struct Task {
        size_t uItem;
        bool bKnown;
        bool bDone;
        const CZipFileHeader* pHeader;
        CString target;
        CString key;
        std::vector<char> packed;
        std::exception_ptr failure;
    };
    // While the workers write one batch, this thread reads the next one
    // from the archive.
    struct Batch {
        std::vector<Task> tasks;
        CBatchFiles files;
        size_t uBytes = 0;
        bool bWorkers = false;
    };
    const CString archivePath = m_storage.GetArchivePath();
    const int iThreads = CZipWorkers::DefaultCount();
    // The streams outlive the threads that use them.
    CThreadStreams streams(iThreads + 1, false, 0);
    Batch running, building;
    bool bRunning = false;
    std::atomic<size_t> next{0};

    // Inflates, checks and writes one file of a batch.
    auto extractTask = [&](Task& task, int iThread) -> bool {
        const CZipFileHeader& header = *task.pHeader;
        DWORD uSize = header.m_uUncomprSize;
        std::unique_ptr<char[]> plain;
        const char* pData = task.packed.data();
        DWORD uProduced = uSize;
        if (header.m_uMethod == Z_DEFLATED) {
            z_stream& s = streams.Get(iThread, archivePath);
            plain.reset(new char[uSize ? uSize : 1]);
            s.next_in = (Bytef*)task.packed.data();
            s.avail_in = (uInt)task.packed.size();
            s.next_out = (Bytef*)plain.get();
            s.avail_out = uSize;
            // As when reading in chunks: the stream must come to its end,
            // and every round must take input or give output.
            for (;;) {
                uLong uIn = s.total_in, uOut = s.total_out;
                int err = inflate(&s, Z_SYNC_FLUSH);
                if (err == Z_STREAM_END) break;
                if (err == Z_BUF_ERROR || (s.total_in == uIn && s.total_out == uOut))
                    ThrowZipError(CZipException::codeBadZipFile, archivePath);
                if (err != Z_OK && err != Z_NEED_DICT) ThrowZipError(err, archivePath);
            }
            uProduced = (DWORD)s.total_out;
            pData = plain.get();
        }
        CFile file;
        CFileException error;
        if (!OpenTargetFile(task.target, file, error)) return false;
        int iResult = -1;
        try {
            // A stream that ends early leaves no file.
            if (uProduced == uSize) {
                if (crc32(0, (const Bytef*)pData, uSize) != header.m_uCrc32)
                    ThrowZipError(CZipException::codeBadCrc, archivePath);
                if (uSize) file.Write(pData, uSize);
                iResult = ApplyEntryTimeAndAttributes(file.m_hFile, header);
            }
            file.Close();
        } catch (...) {
            // A damaged entry leaves no half-written file behind.
            file.Abort();
            DeleteFileW(task.target);
            throw;
        }
        if (iResult == -1) DeleteFileW(task.target);
        // Attributes that could not be set (-2) do not make the data wrong.
        return iResult == 1 || iResult == -2;
    };
    const std::function<void(int)> work = [&](int iThread) {
        std::vector<Task>& tasks = running.tasks;
        for (size_t i; (i = next.fetch_add(1)) < tasks.size();) {
            Task& task = tasks[i];
            if (task.bKnown) continue;
            try {
                task.bDone = extractTask(task, iThread);
            } catch (...) {
                task.failure = std::current_exception();
            }
            std::vector<char>().swap(task.packed);
        }
    };
    // Declared after what its threads use, so that it is gone (and they
    // have stopped) first when an exception leaves.
    std::unique_ptr<CZipWorkers> workers;
    // Waits for the running batch and tells its results in order; false when
    // the caller said to stop, an exception when an item failed.
    auto finishRunning = [&]() -> bool {
        if (!bRunning) return true;
        bRunning = false;
        if (running.bWorkers) workers->Wait();
        Batch done;
        std::swap(done, running);
        for (Task& task : done.tasks) {
            if (task.failure) std::rethrow_exception(task.failure);
            if (!task.bKnown && task.bDone) m_extracted[task.key] = indexes[task.uItem];
            if (pDone && !pDone(task.uItem, task.bDone)) return false;
        }
        return true;
    };
    // Hands the batch being read to the workers, once the one before it is done.
    auto startBuilding = [&]() -> bool {
        if (!finishRunning()) return false;
        std::swap(running, building);
        building = Batch();
        bRunning = true;
        if (running.bWorkers) {
            if (!workers) workers.reset(new CZipWorkers(iThreads));
            next = 0;
            workers->Start(work);
        }
        return true;
    };
    auto drain = [&]() -> bool { return startBuilding() && finishRunning(); };
    // An item known to fail before anything after it is begun: told once
    // everything before it is done, so that a caller that stops there finds
    // nothing after it written.
    auto refuse = [&](size_t uItem) -> bool { return drain() && (!pDone || pDone(uItem, false)); };
    auto known = [&](size_t uItem, bool bDone) {
        Task task;
        task.uItem = uItem;
        task.bKnown = true;
        task.bDone = bDone;
        task.pHeader = nullptr;
        building.tasks.push_back(std::move(task));
    };

    for (size_t uItem = 0; uItem < indexes.size();) {
        WORD uIndex = indexes[uItem];
        try {
            CZipFileHeader header;
            CString target;
            if (!GetEntryInfo(header, uIndex) || !TargetOf(header, lpszPath, true, nullptr, target)) {
                if (!refuse(uItem++)) return;
                continue;
            }
            CString key = FileKey(target);
            bool bFolder = header.IsDirectory();
            bool bWorker = !bFolder && CanExtractOnWorker(header) && m_iFileOpened == nothing;
            if (!bFolder && !bWorker) {
                // Streamed by this thread, after everything before it.
                if (!drain()) return;
                bool bDone = ExtractFile(uIndex, lpszPath);
                if (pDone && !pDone(uItem, bDone)) return;
                ++uItem;
                continue;
            }
            if (bRunning && running.files.Crosses(key) && !finishRunning()) return;
            if (building.files.Crosses(key) || building.tasks.size() >= kBatchItems ||
                building.uBytes >= kBatchBytes) {
                if (!startBuilding()) return;
                if (bRunning && running.files.Crosses(key) && !finishRunning()) return;
            }
            if (bFolder) {
                if (ExtractFolder(header, target))
                    known(uItem++, true);
                else if (!refuse(uItem++))
                    return;
                continue;
            }
            auto earlier = m_extracted.find(key);
            if (earlier != m_extracted.end() && earlier->second != uIndex) {
                if (!refuse(uItem++)) return;
                continue;
            }
            // A stored entry holds its data as it is: sizes that differ mean damage.
            if (header.m_uMethod == 0 && header.m_uComprSize != header.m_uUncomprSize)
                ThrowError(CZipException::codeBadZipFile);
            Task task;
            task.uItem = uItem;
            task.bKnown = false;
            task.bDone = false;
            task.pHeader = m_centralDir[uIndex];
            task.target = target;
            task.key = key;
            m_centralDir.ReadEntryData(uIndex, task.packed);
            building.uBytes += (size_t)header.m_uComprSize + header.m_uUncomprSize;
            building.files.Add(key);
            building.bWorkers = true;
            building.tasks.push_back(std::move(task));
            ++uItem;
        } catch (...) {
            // The items before this one are told first, and a failure of
            // theirs comes before this one's.
            std::exception_ptr mine = std::current_exception();
            if (!drain()) return;
            std::rethrow_exception(mine);
        }
    }
    drain();
}

void CZipArchive::AddNewFiles(const std::vector<CString>& paths, int iLevel, bool bFullPath, const ZIPBATCHFUN& pDone) {
    // Encrypted and spanned archives, whose entries are written as they are
    // compressed, go through the single calls.
    if (IsClosed() || m_pszPassword.GetSize() || m_storage.IsSpanMode() != 0) {
        for (size_t i = 0; i < paths.size(); ++i) {
            bool bDone = AddNewFile(paths[i], iLevel, bFullPath);
            if (pDone && !pDone(i, bDone)) return;
        }
        return;
    }
    // What a thread of the batch found and made of one path.
    struct Task {
        enum Kind { skipped, folder, file, large } kind = skipped;
        CString name;
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        DWORD uCrc32 = 0;
        DWORD uSize = 0;
        std::vector<char> packed;
    };
    const CString archivePath = m_storage.GetArchivePath();
    const bool bStore = iLevel == 0;
    const int iThreads = CZipWorkers::DefaultCount();
    // The streams outlive the threads that use them.
    CThreadStreams streams(iThreads, true, iLevel);
    CZipWorkers workers(iThreads - 1);
    std::vector<Task> batch;

    // Reads and compresses one file; a file that does not fit what the
    // batch may still hold is left to the archive's thread.
    std::atomic<size_t> held{0};
    auto packTask = [&](Task& task, const CString& path, int iThread) {
        WIN32_FILE_ATTRIBUTE_DATA& data = task.data;
        CFile file;
        // A file is opened once and everything else about it is asked of the
        // open handle; only a folder (which that open refuses) is looked up
        // by name.
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
            if (GetFileAttributesExW(path, GetFileExInfoStandard, &data) &&
                (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                task.kind = Task::folder;
            return;
        }
        FILE_BASIC_INFO info;
        LARGE_INTEGER size;
        if (!GetFileInformationByHandleEx(file.m_hFile, FileBasicInfo, &info, sizeof info) ||
            !GetFileSizeEx(file.m_hFile, &size))
            return;
        data.dwFileAttributes = info.FileAttributes;
        data.ftLastWriteTime.dwLowDateTime = info.LastWriteTime.LowPart;
        data.ftLastWriteTime.dwHighDateTime = (DWORD)info.LastWriteTime.HighPart;
        // The format has 32-bit sizes: a file of 4 GiB or more is refused.
        if (size.HighPart != 0 || size.LowPart == 0xFFFFFFFF) return;
        if (size.LowPart > kWorkerFileLimit || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            held.fetch_add(size.LowPart) + size.LowPart > kBatchBytes) {
            task.kind = Task::large;
            return;
        }
        // One byte more than the file holds: a short read is its end.
        std::vector<char> raw((size_t)size.LowPart + 1);
        size_t uGot = 0;
        for (;;) {
            uGot += file.Read(raw.data() + uGot, (UINT)(raw.size() - uGot));
            if (uGot < raw.size()) break;
            raw.resize(raw.size() + 65536);
        }
        file.Abort();
        task.uSize = (DWORD)uGot;
        task.uCrc32 = crc32(0, (const Bytef*)raw.data(), (uInt)uGot);
        if (bStore) {
            raw.resize(uGot);
            task.packed = std::move(raw);
        } else {
            z_stream& s = streams.Get(iThread, archivePath);
            task.packed.resize(deflateBound(&s, (uLong)uGot));
            s.next_in = (Bytef*)raw.data();
            s.avail_in = (uInt)uGot;
            s.next_out = (Bytef*)task.packed.data();
            s.avail_out = (uInt)task.packed.size();
            // Room for the bound takes the whole stream in one call.
            int err = deflate(&s, Z_FINISH);
            if (err != Z_STREAM_END) ThrowZipError(err == Z_OK ? Z_BUF_ERROR : err, archivePath);
            task.packed.resize(s.total_out);
        }
        task.kind = Task::file;
    };

    for (size_t uFirst = 0; uFirst < paths.size(); uFirst += kBatchItems) {
        size_t uCount = std::min(kBatchItems, paths.size() - uFirst);
        batch.assign(uCount, Task());
        held = 0;
        std::vector<std::exception_ptr> failures(uCount);
        std::atomic<size_t> next{0};
        workers.RunOnAll([&](int iThread) {
            for (size_t i; (i = next.fetch_add(1)) < uCount;) {
                Task& task = batch[i];
                const CString& path = paths[uFirst + i];
                task.name = bFullPath ? CZipPath::RemoveDrive(path) : CZipPath::GetFileName(path);
                if (task.name.IsEmpty()) continue;
                try {
                    packTask(task, path, iThread);
                } catch (...) {
                    failures[i] = std::current_exception();
                }
            }
        });
        // This thread alone writes the archive, in the order given.
        for (size_t i = 0; i < uCount; ++i) {
            if (failures[i]) std::rethrow_exception(failures[i]);
            Task& task = batch[i];
            const CString& path = paths[uFirst + i];
            CZipFileHeader header;
            bool bDone = false;
            switch (task.kind) {
            case Task::skipped:
                break;
            case Task::large:
                bDone = AddNewFile(path, iLevel, bFullPath);
                break;
            case Task::folder:
                header.SetFileName(task.name);
                bDone = BeginEntry(header, iLevel, &task.data);
                if (bDone) EndNewEntry();
                break;
            case Task::file: {
                header.SetFileName(task.name);
                Packed packed = {task.uCrc32, task.uSize, &task.packed};
                bDone = BeginEntry(header, iLevel, &task.data, &packed);
                break;
            }
            }
            std::vector<char>().swap(task.packed);
            if (pDone && !pDone(uFirst + i, bDone)) return;
        }
    }
}

// ---- Traditional encryption ----

void CZipArchive::CryptInitKeys() {
    m_keys[0] = 0x12345678;
    m_keys[1] = 0x23456789;
    m_keys[2] = 0x34567890;
    for (DWORD i = 0; i < m_pszPassword.GetSize(); ++i) CryptUpdateKeys(m_pszPassword[i]);
}

void CZipArchive::CryptUpdateKeys(char c) {
    const z_crc_t* table = get_crc_table();
    m_keys[0] = table[(m_keys[0] ^ (BYTE)c) & 0xFF] ^ (m_keys[0] >> 8);
    m_keys[1] += m_keys[0] & 0xFF;
    m_keys[1] = m_keys[1] * 134775813 + 1;
    m_keys[2] = table[(m_keys[2] ^ (m_keys[1] >> 24)) & 0xFF] ^ (m_keys[2] >> 8);
}

char CZipArchive::CryptDecryptByte() const {
    DWORD temp = (m_keys[2] & 0xFFFF) | 2;
    return (char)(((temp * (temp ^ 1)) >> 8) & 0xFF);
}

void CZipArchive::CryptDecode(char& c) {
    c ^= CryptDecryptByte();
    CryptUpdateKeys(c);
}

void CZipArchive::CryptEncode(char& c) {
    char t = CryptDecryptByte();
    CryptUpdateKeys(c);
    c ^= t;
}

void CZipArchive::CryptEncodeBuffer() {
    for (DWORD i = 0; i < m_info.m_uComprLeft; ++i) CryptEncode(m_info.m_pBuffer[i]);
}

void CZipArchive::CryptDecodeBuffer(DWORD uCount) {
    for (DWORD i = 0; i < uCount; ++i) CryptDecode(m_info.m_pBuffer[i]);
}

void CZipArchive::CryptCryptHeader(long iCrc, CZipAutoBuffer& buf) {
    CryptInitKeys();
    srand((unsigned)(time(nullptr) * GetTickCount()));
    for (int i = 0; i < 10; ++i) {
        int r = rand();
        buf[i] = (char)((r >> 6) ? (r >> 6) : r);
    }
    buf[10] = (char)((iCrc >> 16) & 0xFF);
    buf[11] = (char)((iCrc >> 24) & 0xFF);
    for (int i = 0; i < 12; ++i) CryptEncode(buf[i]);
}

bool CZipArchive::CryptCheck() {
    CZipAutoBuffer buf(12);
    m_storage.Read(buf, 12, false);
    for (int i = 0; i < 12; ++i) CryptDecode(buf[i]);
    CZipFileHeader* pHeader = CurrentFile();
    BYTE check = pHeader->HasDataDescriptor() ? (BYTE)(pHeader->m_uModTime >> 8) : (BYTE)(pHeader->m_uCrc32 >> 24);
    return (BYTE)buf[11] == check;
}
