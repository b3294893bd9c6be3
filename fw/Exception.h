// Exceptions of the file and archive layers. They are thrown by value and
// caught by reference; callers of storage routines turn them into results.
#pragma once

#include "StringT.h"

class CException {
public:
    virtual ~CException() = default;
    virtual CString GetErrorMessage() const { return L"Unknown error."; }
};

class CMemoryException : public CException {
public:
    CString GetErrorMessage() const override { return L"Out of memory."; }
};

class CFileException : public CException {
public:
    enum {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied, invalidFile,
        removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation, lockViolation, diskFull,
        endOfFile
    };
    CFileException(int cause = none, LONG osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}
    CString GetErrorMessage() const override;
    static int OsErrorToCause(LONG osError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = none, const CString& fileName = CString())
        : m_cause(cause), m_strFileName(fileName) {}
    CString GetErrorMessage() const override;

    int m_cause;
    CString m_strFileName;
};
