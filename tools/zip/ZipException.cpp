#include "tools/zip/ZipException.h"

int CZipException::ZipErrToCause(int iZipError) {
    switch (iZipError) {
    case 1: return streamEnd;
    case 2: return needDict;
    case -1: return errNo;
    case -2: return streamError;
    case -3: return dataError;
    case -4: return memError;
    case -5: return bufError;
    case -6: return versionError;
    case codeBadZipFile: return badZipFile;
    case codeBadCrc: return badCrc;
    case codeNoCallback: return noCallback;
    case codeAborted: return aborted;
    case codeNonRemovable: return nonRemovable;
    case codeTooManyVolumes: return tooManyVolumes;
    case codeTooLongFileName: return tooLongFileName;
    case codeBadPassword: return badPassword;
    case codeCdirNotFound: return cdirNotFound;
    default: return generic;
    }
}

CString CZipException::GetErrorMessage() const {
    static const wchar_t* const texts[] = {
        L"Unknown zip error.", L"Unknown zip error.", L"Unexpected end of the compressed stream.",
        L"A preset dictionary is needed.", L"File system error.", L"Inconsistent compression stream.",
        L"The compressed data is damaged.", L"Out of memory.", L"No progress was possible.",
        L"Incompatible compression library.", L"The archive is damaged or not a zip archive.",
        L"CRC mismatch: the data is damaged.", L"No callback to change the disk.",
        L"The disk change was cancelled.", L"The drive is not removable.", L"Too many volumes.",
        L"Name, extra field or comment too long.", L"Wrong password.",
        L"The end of the central directory was not found."};
    CString text = (m_iCause >= 0 && m_iCause <= cdirNotFound) ? texts[m_iCause] : texts[0];
    if (!m_szFileName.IsEmpty()) text += L" (" + m_szFileName + L")";
    return text;
}
