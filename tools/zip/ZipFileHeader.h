// One archive entry: the fields of its central directory header in format
// order, with its local and central forms.
#pragma once

#include "fw/Afx.h"
#include "tools/zip/ZipAutoBuffer.h"

#include <ctime>

class CZipStorage;

class CZipFileHeader {
public:
    static const DWORD m_gszSignature = 0x02014b50;
    static const DWORD m_gszLocalSignature = 0x04034b50;
    enum { CENTRAL_SIZE = 46, LOCAL_SIZE = 30 };
    // General-purpose flag bit: the name is UTF-8 in the archive and in memory.
    enum : WORD { UTF8_NAME_FLAG = 0x0800 };
    // Host systems of "version made by".
    enum { HOST_MSDOS = 0, HOST_NTFS = 11 };

    CZipFileHeader();

    // Fills the header of a new entry; false when the name, extra field or
    // comment does not fit a 16-bit length.
    bool PrepareForWrite(int iLevel, bool bDataDescriptor, bool bEncrypted);
    void WriteLocalHeader(CZipStorage* pStorage);
    // Reads and checks the local header against this central header and
    // gives the local extra field's length; false when they do not agree.
    bool VerifyLocalHeader(CZipStorage* pStorage, WORD& uLocalExtraLen) const;
    // The same for a local header already read (LOCAL_SIZE bytes at buf).
    bool VerifyLocalHeader(const char* buf, WORD& uLocalExtraLen) const;
    bool ReadCentral(CZipStorage* pStorage);
    // The same from a central directory already in memory: takes one header
    // from p on and moves p past it; false when the bytes up to pEnd do not
    // hold a whole header.
    bool ReadCentral(const char*& p, const char* pEnd);
    DWORD WriteCentral(CZipStorage* pStorage);

    // Local time of the last modification, as DOS date and time.
    void SetTime(time_t ttime);
    time_t GetTime() const;

    // Sets the name in memory form; a name the OEM code page cannot hold
    // exactly is kept in UTF-8 and marked so in the flags.
    void SetFileName(const wchar_t* lpszFileName);
    CString GetFileName() const;
    // Archive form: OEM code page with "/"; memory form: ANSI with "\".
    // Names marked as UTF-8 stay UTF-8 in both forms.
    void NameToArchiveForm();
    void NameToMemoryForm();

    bool IsEncrypted() const { return (m_uFlag & 1) != 0; }
    bool HasDataDescriptor() const { return (m_uFlag & 8) != 0; }
    bool HasUtf8Name() const { return (m_uFlag & UTF8_NAME_FLAG) != 0; }
    // The directory attribute, or a name that ends with a separator (tools
    // that set no DOS attributes mark folders that way).
    bool IsDirectory() const;
    WORD GetFileNameSize() const { return (WORD)m_pszFileName.GetSize(); }
    WORD GetExtraFieldSize() const { return (WORD)m_pExtraField.GetSize(); }
    WORD GetCommentSize() const { return (WORD)m_pszComment.GetSize(); }
    DWORD GetSize() const { return CENTRAL_SIZE + GetFileNameSize() + GetExtraFieldSize() + GetCommentSize(); }
    // Host system of "version made by" (HOST_...).
    int GetSystemCompatibility() const { return m_uVersionMadeBy >> 8; }

    DWORD m_uSignature;
    WORD m_uVersionMadeBy;
    WORD m_uVersionNeeded;
    WORD m_uFlag;
    WORD m_uMethod;
    WORD m_uModTime;
    WORD m_uModDate;
    DWORD m_uCrc32;
    DWORD m_uComprSize;
    DWORD m_uUncomprSize;
    WORD m_uDiskStart;
    WORD m_uInternalAttr;
    DWORD m_uExternalAttr;
    DWORD m_uOffset;
    CZipAutoBuffer m_pExtraField;
    CZipAutoBuffer m_pszFileName;
    CZipAutoBuffer m_pszComment;

private:
    // Takes the fixed part of a central header and sizes the name, extra
    // field and comment; false when the signature is not a central header's.
    bool TakeCentralFixed(const char* buf, WORD& uNameLen, WORD& uExtraLen, WORD& uCommentLen);
};
