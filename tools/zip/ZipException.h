// The zip archive's error: a cause and the archive's file name. Internal
// codes (zlib results and the library's own negative codes) are mapped onto
// causes by ZipErrToCause.
#pragma once

#include "fw/Afx.h"

class CZipException : public CException {
public:
    enum {
        generic = 1,
        streamEnd = 2,
        needDict = 3,
        errNo = 4,
        streamError = 5,
        dataError = 6,
        memError = 7,
        bufError = 8,
        versionError = 9,
        badZipFile = 10,
        badCrc = 11,
        noCallback = 12,
        aborted = 13,
        nonRemovable = 14,
        tooManyVolumes = 15,
        tooLongFileName = 16,
        badPassword = 17,
        cdirNotFound = 18
    };

    // The library's internal codes beside zlib's own results.
    enum {
        codeBadZipFile = -101,
        codeBadCrc = -102,
        codeNoCallback = -103,
        codeAborted = -104,
        codeNonRemovable = -105,
        codeTooManyVolumes = -106,
        codeTooLongFileName = -107,
        codeBadPassword = -108,
        codeCdirNotFound = -109,
        // Sizes and offsets that do not fit the format's 32-bit fields.
        codeTooLarge = -110
    };

    explicit CZipException(int iCause = generic, const CString& szFileName = CString())
        : m_iCause(iCause), m_szFileName(szFileName) {}

    static int ZipErrToCause(int iZipError);
    CString GetErrorMessage() const override;

    int m_iCause;
    CString m_szFileName;
};
