#include "tools/zip/ZipStorage.h"

#include "tools/zip/ZipException.h"

#include <algorithm>
#include <cstring>

CZipStorage::CZipStorage()
    : m_iWriteBufferSize(65535), m_pCallbackData(nullptr), m_pFile(nullptr), m_iSpanMode(noSpan),
      m_pChangeDiskFunc(nullptr), m_iTdSpanData(0), m_uBytesInWriteBuffer(0), m_uCurrentVolSize(0),
      m_iBytesWritten(0), m_bNewSpan(false), m_iCurrentDisk(-1) {}

CZipStorage::~CZipStorage() = default;

void CZipStorage::ThrowError(int iCode) const {
    throw CZipException(CZipException::ZipErrToCause(iCode), m_szArchivePath);
}

void CZipStorage::OpenFile(const CString& path, UINT uFlags) {
    CFileException error;
    if (!m_internalfile.Open(path, uFlags | CFile::shareDenyWrite, &error)) throw error;
}

void CZipStorage::Open(const wchar_t* szPathName, int iMode, int iVolumeSize) {
    m_pWriteBuffer.Allocate(m_iWriteBufferSize);
    m_uBytesInWriteBuffer = 0;
    m_iBytesWritten = 0;
    m_uCurrentVolSize = 0;
    m_bNewSpan = false;
    m_bRenameLastVolume = false;
    m_pFile = &m_internalfile;
    m_szArchivePath = szPathName;
    m_uLengthBound = 0;
    switch (iMode) {
    case 0:
    case 1:
        OpenFile(m_szArchivePath, iMode == 0 ? CFile::modeReadWrite : CFile::modeRead);
        m_uLengthBound = m_pFile->GetLength();
        m_iSpanMode = iVolumeSize ? suggestedTd : suggestedAuto;
        m_iCurrentDisk = 0;
        break;
    case 2:
        m_iSpanMode = noSpan;
        OpenFile(m_szArchivePath, CFile::modeCreate | CFile::modeReadWrite);
        m_iCurrentDisk = 0;
        break;
    default: {
        m_bNewSpan = true;
        if (iVolumeSize > 0) {
            m_iSpanMode = tdSpan;
            m_iTdSpanData = iVolumeSize;
        } else {
            if (!m_pChangeDiskFunc) ThrowError(CZipException::codeNoCallback);
            if (!IsDriveRemovable(m_szArchivePath)) ThrowError(CZipException::codeNonRemovable);
            m_iSpanMode = pkzipSpan;
        }
        m_iCurrentDisk = 0;
        NextVolume(4, m_szArchivePath);
        const char marker[4] = {'P', 'K', 7, 8};
        Write(marker, 4, true);
        break;
    }
    }
}

void CZipStorage::Open(CMemFile& mf, int iMode) {
    m_pWriteBuffer.Allocate(m_iWriteBufferSize);
    m_uBytesInWriteBuffer = 0;
    m_iBytesWritten = 0;
    m_uCurrentVolSize = 0;
    m_bNewSpan = false;
    m_bRenameLastVolume = false;
    m_pFile = &mf;
    m_szArchivePath.Empty();
    if (iMode == 2) {
        m_iCurrentDisk = 0;
        m_iSpanMode = noSpan;
        mf.SetLength(0);
        m_uLengthBound = 0;
    } else {
        m_uLengthBound = mf.GetLength();
        mf.SeekToBegin();
        m_iSpanMode = suggestedAuto;
        m_iCurrentDisk = 0;
    }
}

int CZipStorage::IsSpanMode() const {
    if (m_iSpanMode == noSpan) return 0;
    return m_bNewSpan ? 1 : -1;
}

bool CZipStorage::IsDriveRemovable(const CString& path) const {
    wchar_t full[MAX_PATH * 2];
    DWORD n = GetFullPathNameW(path, MAX_PATH * 2, full, nullptr);
    if (n < 3 || n >= MAX_PATH * 2 || full[1] != L':') return false;
    wchar_t root[4] = {full[0], L':', L'\\', 0};
    return GetDriveTypeW(root) == DRIVE_REMOVABLE;
}

DWORD CZipStorage::GetFreeVolumeSpace() const {
    wchar_t full[MAX_PATH * 2];
    DWORD n = GetFullPathNameW(m_pFile->GetFilePath(), MAX_PATH * 2, full, nullptr);
    if (n < 3 || n >= MAX_PATH * 2) return 0;
    wchar_t root[4] = {full[0], L':', L'\\', 0};
    DWORD spc = 0, bps = 0, freeClusters = 0, total = 0;
    if (!GetDiskFreeSpaceW(root, &spc, &bps, &freeClusters, &total)) return 0;
    ULONGLONG bytes = (ULONGLONG)spc * bps * freeClusters;
    return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : (DWORD)bytes;
}

void CZipStorage::DetectSpanMode(int iDisk) {
    m_iCurrentDisk = iDisk;
    if (iDisk == 0) {
        m_iSpanMode = noSpan;
        return;
    }
    // A memory archive has no further volumes to go to.
    if (m_pFile != &m_internalfile) ThrowError(CZipException::codeBadZipFile);
    if (m_iSpanMode == suggestedAuto)
        m_iSpanMode = IsDriveRemovable(m_szArchivePath) ? pkzipSpan : tdSpan;
    else if (m_iSpanMode == suggestedTd)
        m_iSpanMode = tdSpan;
    if (m_iSpanMode != tdSpan && !m_pChangeDiskFunc) ThrowError(CZipException::codeNoCallback);
    // The last volume: reading never goes past it, whatever kind of volumes.
    m_iTdSpanData = iDisk;
    // Nothing is ever written to a spanned archive that was opened.
    m_pWriteBuffer.Release();
}

CString CZipStorage::GetTdVolumeName(bool bLast, const wchar_t* szFilePath) const {
    CString path = szFilePath ? CString(szFilePath) : m_szArchivePath;
    int slash = path.ReverseFind(L'\\');
    int dot = path.ReverseFind(L'.');
    CString stem = (dot > slash) ? path.Left(dot) : path;
    CString ext;
    if (bLast)
        ext = L"zip";
    else
        ext.Format(L"%.3d", m_iCurrentDisk);
    return stem + L"." + ext;
}

void CZipStorage::ChangeVolume(int iNumber) {
    if (iNumber == m_iCurrentDisk) return;
    if (m_iSpanMode != pkzipSpan && m_iSpanMode != tdSpan) ThrowError(CZipException::codeBadZipFile);
    // Data that runs past the last volume is damaged; asking for further
    // disks would go on for as long as someone answers.
    if (iNumber < 0 || iNumber > m_iTdSpanData) ThrowError(CZipException::codeBadZipFile);
    m_iCurrentDisk = iNumber;
    CString name;
    if (m_iSpanMode == pkzipSpan) {
        name = m_pFile->GetFilePath();
        m_pFile->Abort();
        if (!m_pChangeDiskFunc || !m_pChangeDiskFunc((DWORD)iNumber + 1, -1, m_pCallbackData))
            throw CZipException(CZipException::aborted, name);
    } else {
        name = GetTdVolumeName(iNumber == m_iTdSpanData);
    }
    m_pFile->Abort();
    OpenFile(name, CFile::modeRead);
}

DWORD CZipStorage::Read(void* pBuf, DWORD iSize, bool bAtOnce) {
    if (!iSize) return 0;
    char* p = (char*)pBuf;
    DWORD iRead;
    for (;;) {
        iRead = m_pFile->Read(p, iSize);
        if (iRead) break;
        if (IsSpanMode() == 0) ThrowError(CZipException::codeBadZipFile);
        ChangeVolume(m_iCurrentDisk + 1);
    }
    if (iRead == iSize) return iRead;
    if (bAtOnce || IsSpanMode() == 0) ThrowError(CZipException::codeBadZipFile);
    while (iRead < iSize) {
        ChangeVolume(m_iCurrentDisk + 1);
        DWORD n = m_pFile->Read(p + iRead, iSize - iRead);
        if (!n) ThrowError(CZipException::codeBadZipFile);
        iRead += n;
    }
    return iRead;
}

DWORD CZipStorage::VolumeLeft() const {
    ULONGLONG used = m_uBytesInWriteBuffer;
    if (m_iSpanMode == tdSpan) used += m_iBytesWritten;
    return m_uCurrentVolSize > used ? (DWORD)(m_uCurrentVolSize - used) : 0;
}

void CZipStorage::AssureFree(DWORD iNeeded) {
    if (!m_bNewSpan) return;
    while (VolumeLeft() < iNeeded) {
        // A block larger than the volume size gets a volume of its own.
        if (m_iSpanMode == tdSpan && !m_iBytesWritten && !m_uBytesInWriteBuffer)
            m_uCurrentVolSize = iNeeded;
        else
            NextVolume(iNeeded);
    }
}

void CZipStorage::Write(const void* pBuf, DWORD iSize, bool bAtOnce) {
    const char* p = (const char*)pBuf;
    if (!m_bNewSpan) {
        // Offsets and sizes are 32-bit in the format: refuse rather than wrap.
        // The file is only asked where it stands (a call for every write
        // under Wine) once the bound on its length comes near the limit.
        ULONGLONG uAdded = (ULONGLONG)m_uBytesInWriteBuffer + iSize;
        if (m_uLengthBound + uAdded > 0xFFFFFFFFull && (ULONGLONG)m_pFile->GetPosition() + uAdded > 0xFFFFFFFFull)
            ThrowError(CZipException::codeTooLarge);
        WriteInternalBuffer(p, iSize);
        return;
    }
    DWORD iNeeded = bAtOnce ? iSize : 1;
    DWORD iTotal = 0;
    while (iTotal < iSize) {
        AssureFree(iNeeded);
        DWORD iToWrite = std::min(VolumeLeft(), iSize - iTotal);
        WriteInternalBuffer(p + iTotal, iToWrite);
        if (bAtOnce) return;
        iTotal += iToWrite;
    }
}

void CZipStorage::WriteInternalBuffer(const char* pBuf, DWORD uSize) {
    while (uSize > 0) {
        DWORD uFree = GetFreeInBuffer();
        if (!uFree) {
            Flush();
            continue;
        }
        DWORD n = std::min(uFree, uSize);
        memcpy(m_pWriteBuffer.GetBuffer() + m_uBytesInWriteBuffer, pBuf, n);
        m_uBytesInWriteBuffer += n;
        pBuf += n;
        uSize -= n;
    }
}

void CZipStorage::Flush() {
    m_iBytesWritten += m_uBytesInWriteBuffer;
    m_uLengthBound += m_uBytesInWriteBuffer;
    if (m_uBytesInWriteBuffer) m_pFile->Write(m_pWriteBuffer, m_uBytesInWriteBuffer);
    m_uBytesInWriteBuffer = 0;
    if (m_iSpanMode == pkzipSpan && m_bNewSpan) m_uCurrentVolSize = GetFreeVolumeSpace();
}

bool CZipStorage::OverwriteBuffered(ULONGLONG uPosition, const void* pBuf, DWORD iSize) {
    if (m_bNewSpan || !m_uBytesInWriteBuffer) return false;
    // The file stands where the buffered bytes will go.
    ULONGLONG uStart = m_pFile->GetPosition();
    if (uPosition < uStart || uPosition + iSize > uStart + m_uBytesInWriteBuffer) return false;
    memcpy(m_pWriteBuffer.GetBuffer() + (uPosition - uStart), pBuf, iSize);
    return true;
}

DWORD CZipStorage::GetPosition() const {
    return (DWORD)m_pFile->GetPosition() + m_uBytesInWriteBuffer;
}

void CZipStorage::NextVolume(DWORD iNeeded, const wchar_t* szFileName) {
    Flush();
    if (m_iBytesWritten) {
        m_iBytesWritten = 0;
        m_iCurrentDisk++;
        if (m_iCurrentDisk > 998) ThrowError(CZipException::codeTooManyVolumes);
    }
    CString name;
    if (m_iSpanMode == pkzipSpan)
        name = szFileName ? CString(szFileName) : m_pFile->GetFilePath();
    else
        name = GetTdVolumeName(false, szFileName);
    m_pFile->Close();
    if (m_iSpanMode == pkzipSpan) {
        int iCode = (int)iNeeded;
        for (;;) {
            if (!m_pChangeDiskFunc || !m_pChangeDiskFunc((DWORD)m_iCurrentDisk + 1, iCode, m_pCallbackData))
                throw CZipException(CZipException::aborted, name);
            if (GetFileAttributesW(name) != INVALID_FILE_ATTRIBUTES) {
                iCode = -2;
                continue;
            }
            CString label;
            label.Format(L"pkback# %.3d", m_iCurrentDisk + 1);
            wchar_t full[MAX_PATH * 2];
            DWORD n = GetFullPathNameW(name, MAX_PATH * 2, full, nullptr);
            wchar_t root[4] = {n >= 3 ? full[0] : L'C', L':', L'\\', 0};
            if (!SetVolumeLabelW(root, label)) {
                iCode = -3;
                continue;
            }
            if (!m_internalfile.Open(name, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite)) {
                iCode = -4;
                continue;
            }
            break;
        }
        m_uCurrentVolSize = GetFreeVolumeSpace();
    } else {
        m_uCurrentVolSize = (DWORD)m_iTdSpanData;
        OpenFile(name, CFile::modeCreate | CFile::modeReadWrite);
        m_bRenameLastVolume = true;
    }
}

void CZipStorage::Close(bool bAfterException) {
    bool bClosed = false;
    if (!bAfterException) {
        Flush();
        if (m_bRenameLastVolume) {
            CString src = m_pFile->GetFilePath();
            m_pFile->Close();
            bClosed = true;
            CString dst = GetTdVolumeName(true);
            DeleteFileW(dst);
            if (!MoveFileW(src, dst)) {
                LONG os = (LONG)GetLastError();
                m_pWriteBuffer.Release();
                m_iCurrentDisk = -1;
                m_iSpanMode = noSpan;
                m_pFile = nullptr;
                m_bRenameLastVolume = false;
                throw CFileException(CFileException::OsErrorToCause(os), os, dst);
            }
        }
    }
    if (!bClosed && m_pFile) {
        if (bAfterException)
            m_pFile->Abort();
        else
            m_pFile->Close();
    }
    m_pWriteBuffer.Release();
    m_iCurrentDisk = -1;
    m_iSpanMode = noSpan;
    m_pFile = nullptr;
    m_bRenameLastVolume = false;
}
