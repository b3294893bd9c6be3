#include "Exception.h"

CString CFileException::GetErrorMessage() const {
    CString text;
    if (m_lOsError > 0) {
        wchar_t buf[512] = {0};
        if (FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, (DWORD)m_lOsError,
                           0, buf, 511, nullptr))
            text = buf;
    }
    if (text.IsEmpty()) text.Format(L"File error %d.", m_cause);
    text.TrimRight();
    if (!m_strFileName.IsEmpty()) text += L" (" + m_strFileName + L")";
    return text;
}

int CFileException::OsErrorToCause(LONG osError) {
    switch (osError) {
    case ERROR_SUCCESS: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_NAME: case ERROR_BAD_PATHNAME: case ERROR_INVALID_DRIVE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED: case ERROR_WRITE_PROTECT: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK: case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

CString CArchiveException::GetErrorMessage() const {
    static const wchar_t* const texts[] = {
        L"No error.", L"Archive error.", L"The archive is read-only.", L"Unexpected end of archive.",
        L"The archive is write-only.", L"Bad data in archive.", L"Bad class in archive.", L"Unknown record version."};
    CString text = (m_cause >= 0 && m_cause < 8) ? texts[m_cause] : L"Archive error.";
    if (!m_strFileName.IsEmpty()) text += L" (" + m_strFileName + L")";
    return text;
}
