#include "File.h"

#include <cstring>

CFile::CFile(const wchar_t* path, UINT flags) {
    CFileException error;
    if (!Open(path, flags, &error)) throw error;
}

CFile::~CFile() { Abort(); }

bool CFile::Open(const wchar_t* path, UINT flags, CFileException* error) {
    Abort();
    m_strFileName = path;
    DWORD access = 0;
    switch (flags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (flags & 0x70) {
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    m_hFile = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE) {
        if (error) {
            LONG os = (LONG)GetLastError();
            *error = CFileException(CFileException::OsErrorToCause(os), os, path);
        }
        return false;
    }
    return true;
}

void CFile::ThrowLastError() const {
    LONG os = (LONG)GetLastError();
    throw CFileException(CFileException::OsErrorToCause(os), os, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    if (count == 0) return 0;
    if (!ReadFile(m_hFile, buffer, count, &read, nullptr)) ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count) {
    DWORD written = 0;
    if (count == 0) return;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError();
    if (written != count) throw CFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
    LARGE_INTEGER dist, pos;
    dist.QuadPart = offset;
    if (!SetFilePointerEx(m_hFile, dist, &pos, from)) ThrowLastError();
    return (ULONGLONG)pos.QuadPart;
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
    return (ULONGLONG)size.QuadPart;
}

void CFile::SetLength(ULONGLONG length) {
    Seek((LONGLONG)length, begin);
    if (!SetEndOfFile(m_hFile)) ThrowLastError();
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER zero, pos;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT)) ThrowLastError();
    return (ULONGLONG)pos.QuadPart;
}

void CFile::Flush() {
    if (IsOpen() && !FlushFileBuffers(m_hFile)) ThrowLastError();
}

void CFile::Close() {
    if (!IsOpen()) return;
    HANDLE h = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (!CloseHandle(h)) ThrowLastError();
}

void CFile::Abort() {
    if (IsOpen()) CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

UINT CMemFile::Read(void* buffer, UINT count) {
    if (m_pos >= m_data.size()) return 0;
    size_t n = std::min((size_t)count, m_data.size() - m_pos);
    memcpy(buffer, m_data.data() + m_pos, n);
    m_pos += n;
    return (UINT)n;
}

void CMemFile::Write(const void* buffer, UINT count) {
    if (m_pos + count > m_data.size()) m_data.resize(m_pos + count);
    if (count) memcpy(m_data.data() + m_pos, buffer, count);
    m_pos += count;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from) {
    LONGLONG base = from == begin ? 0 : from == current ? (LONGLONG)m_pos : (LONGLONG)m_data.size();
    LONGLONG target = base + offset;
    if (target < 0) throw CFileException(CFileException::badSeek, -1, L"memory");
    m_pos = (size_t)target;
    return m_pos;
}

void CMemFile::SetLength(ULONGLONG length) {
    m_data.resize((size_t)length);
    if (m_pos > m_data.size()) m_pos = m_data.size();
}
