#include "tools/zip/ZipFileHeader.h"

#include "tools/zip/ZipBytes.h"
#include "tools/zip/ZipStorage.h"

#include <cstring>

CZipFileHeader::CZipFileHeader()
    : m_uSignature(m_gszSignature), m_uVersionMadeBy(0), m_uVersionNeeded(0), m_uFlag(0), m_uMethod(8),
      m_uModTime(0), m_uModDate(0), m_uCrc32(0), m_uComprSize(0), m_uUncomprSize(0), m_uDiskStart(0),
      m_uInternalAttr(0), m_uExternalAttr(FILE_ATTRIBUTE_ARCHIVE), m_uOffset(0) {}

bool CZipFileHeader::IsDirectory() const {
    if (m_uExternalAttr & FILE_ATTRIBUTE_DIRECTORY) return true;
    DWORD n = m_pszFileName.GetSize();
    return n > 0 && (m_pszFileName[n - 1] == '\\' || m_pszFileName[n - 1] == '/');
}

bool CZipFileHeader::PrepareForWrite(int iLevel, bool bDataDescriptor, bool bEncrypted) {
    if (m_pszFileName.GetSize() > 0xFFFF || m_pExtraField.GetSize() > 0xFFFF || m_pszComment.GetSize() > 0xFFFF)
        return false;
    m_uSignature = m_gszSignature;
    m_uInternalAttr = 0;
    m_uVersionMadeBy = 20;
    // Info-ZIP's unzip turns every name made on an MS-DOS host into another
    // code page, even one marked as UTF-8. An entry with a UTF-8 name says it
    // was made on NTFS, whose attributes all tools read as Windows ones.
    if (HasUtf8Name()) m_uVersionMadeBy |= HOST_NTFS << 8;
    m_uVersionNeeded = 20;
    m_uCrc32 = 0;
    m_uComprSize = 0;
    m_uUncomprSize = 0;
    // The name's encoding mark stays with the name.
    m_uFlag &= UTF8_NAME_FLAG;
    if (iLevel == 0) m_uMethod = 0;
    if (m_uMethod != 0 && m_uMethod != 8) m_uMethod = 8;
    if (m_uMethod == 8) {
        switch (iLevel) {
        case 1: m_uFlag |= 6; break;
        case 2: m_uFlag |= 4; break;
        case 8:
        case 9: m_uFlag |= 2; break;
        default: break;
        }
    }
    if (bDataDescriptor) m_uFlag |= 8;
    if (bEncrypted) {
        m_uFlag |= 9;
        m_uComprSize = 12;
    }
    return true;
}

void CZipFileHeader::WriteLocalHeader(CZipStorage* pStorage) {
    WORD uNameLen = GetFileNameSize(), uExtraLen = GetExtraFieldSize();
    CZipAutoBuffer buf(LOCAL_SIZE + uNameLen + uExtraLen);
    char* p = buf;
    PutDword(p, m_gszLocalSignature);
    PutWord(p + 4, m_uVersionNeeded);
    PutWord(p + 6, m_uFlag);
    PutWord(p + 8, m_uMethod);
    PutWord(p + 10, m_uModTime);
    PutWord(p + 12, m_uModDate);
    PutDword(p + 14, m_uCrc32);
    PutDword(p + 18, m_uComprSize);
    PutDword(p + 22, m_uUncomprSize);
    PutWord(p + 26, uNameLen);
    PutWord(p + 28, uExtraLen);
    if (uNameLen) memcpy(p + LOCAL_SIZE, m_pszFileName, uNameLen);
    if (uExtraLen) memcpy(p + LOCAL_SIZE + uNameLen, m_pExtraField, uExtraLen);
    // The offset is taken before the write: on a spanned archive the block may
    // start a new volume, and then it is that volume's position that counts.
    pStorage->AssureFree(buf.GetSize());
    m_uDiskStart = (WORD)pStorage->GetCurrentVolume();
    m_uOffset = pStorage->GetPosition();
    pStorage->Write(buf, buf.GetSize(), true);
    // The central header of a new entry carries no extra field.
    m_pExtraField.Release();
}

bool CZipFileHeader::VerifyLocalHeader(CZipStorage* pStorage, WORD& uLocalExtraLen) const {
    char buf[LOCAL_SIZE];
    pStorage->Read(buf, LOCAL_SIZE, true);
    return VerifyLocalHeader(buf, uLocalExtraLen);
}

bool CZipFileHeader::VerifyLocalHeader(const char* buf, WORD& uLocalExtraLen) const {
    if (GetDword(buf) != m_gszLocalSignature) return false;
    WORD uFlag = GetWord(buf + 6), uMethod = GetWord(buf + 8);
    if (uFlag != m_uFlag || uMethod != m_uMethod || (uMethod != 0 && uMethod != 8)) return false;
    if (GetWord(buf + 26) != GetFileNameSize()) return false;
    if (!HasDataDescriptor()) {
        if (GetDword(buf + 14) != m_uCrc32 || GetDword(buf + 18) != m_uComprSize || GetDword(buf + 22) != m_uUncomprSize)
            return false;
    }
    uLocalExtraLen = GetWord(buf + 28);
    return true;
}

bool CZipFileHeader::TakeCentralFixed(const char* buf, WORD& uNameLen, WORD& uExtraLen, WORD& uCommentLen) {
    m_uSignature = GetDword(buf);
    if (m_uSignature != m_gszSignature) return false;
    m_uVersionMadeBy = GetWord(buf + 4);
    m_uVersionNeeded = GetWord(buf + 6);
    m_uFlag = GetWord(buf + 8);
    m_uMethod = GetWord(buf + 10);
    m_uModTime = GetWord(buf + 12);
    m_uModDate = GetWord(buf + 14);
    m_uCrc32 = GetDword(buf + 16);
    m_uComprSize = GetDword(buf + 20);
    m_uUncomprSize = GetDword(buf + 24);
    uNameLen = GetWord(buf + 28);
    uExtraLen = GetWord(buf + 30);
    uCommentLen = GetWord(buf + 32);
    m_uDiskStart = GetWord(buf + 34);
    m_uInternalAttr = GetWord(buf + 36);
    m_uExternalAttr = GetDword(buf + 38);
    m_uOffset = GetDword(buf + 42);
    m_pszFileName.Allocate(uNameLen);
    m_pExtraField.Allocate(uExtraLen);
    m_pszComment.Allocate(uCommentLen);
    return true;
}

bool CZipFileHeader::ReadCentral(CZipStorage* pStorage) {
    char buf[CENTRAL_SIZE];
    int iVolume = pStorage->GetCurrentVolume();
    pStorage->Read(buf, CENTRAL_SIZE, true);
    WORD uNameLen, uExtraLen, uCommentLen;
    if (!TakeCentralFixed(buf, uNameLen, uExtraLen, uCommentLen)) return false;
    if (uNameLen) pStorage->Read(m_pszFileName, uNameLen, true);
    if (uExtraLen) pStorage->Read(m_pExtraField, uExtraLen, true);
    if (uCommentLen) pStorage->Read(m_pszComment, uCommentLen, true);
    return pStorage->GetCurrentVolume() == iVolume;
}

bool CZipFileHeader::ReadCentral(const char*& p, const char* pEnd) {
    WORD uNameLen, uExtraLen, uCommentLen;
    if (pEnd - p < CENTRAL_SIZE || !TakeCentralFixed(p, uNameLen, uExtraLen, uCommentLen)) return false;
    const char* q = p + CENTRAL_SIZE;
    if ((size_t)(pEnd - q) < (size_t)uNameLen + uExtraLen + uCommentLen) return false;
    if (uNameLen) memcpy(m_pszFileName, q, uNameLen);
    q += uNameLen;
    if (uExtraLen) memcpy(m_pExtraField, q, uExtraLen);
    q += uExtraLen;
    if (uCommentLen) memcpy(m_pszComment, q, uCommentLen);
    p = q + uCommentLen;
    return true;
}

DWORD CZipFileHeader::WriteCentral(CZipStorage* pStorage) {
    WORD uNameLen = GetFileNameSize(), uExtraLen = GetExtraFieldSize(), uCommentLen = GetCommentSize();
    CZipAutoBuffer buf(GetSize());
    char* p = buf;
    PutDword(p, m_uSignature);
    PutWord(p + 4, m_uVersionMadeBy);
    PutWord(p + 6, m_uVersionNeeded);
    PutWord(p + 8, m_uFlag);
    PutWord(p + 10, m_uMethod);
    PutWord(p + 12, m_uModTime);
    PutWord(p + 14, m_uModDate);
    PutDword(p + 16, m_uCrc32);
    PutDword(p + 20, m_uComprSize);
    PutDword(p + 24, m_uUncomprSize);
    PutWord(p + 28, uNameLen);
    PutWord(p + 30, uExtraLen);
    PutWord(p + 32, uCommentLen);
    PutWord(p + 34, m_uDiskStart);
    PutWord(p + 36, m_uInternalAttr);
    PutDword(p + 38, m_uExternalAttr);
    PutDword(p + 42, m_uOffset);
    p += CENTRAL_SIZE;
    if (uNameLen) memcpy(p, m_pszFileName, uNameLen);
    if (uExtraLen) memcpy(p + uNameLen, m_pExtraField, uExtraLen);
    if (uCommentLen) memcpy(p + uNameLen + uExtraLen, m_pszComment, uCommentLen);
    pStorage->Write(buf, buf.GetSize(), true);
    return buf.GetSize();
}

void CZipFileHeader::SetTime(time_t ttime) {
    struct tm* gt = localtime(&ttime);
    if (!gt) {
        m_uModDate = (1 << 5) | 1;  // 1980-01-01
        m_uModTime = 0;
        return;
    }
    int year = gt->tm_year + 1900;
    if (year < 1980) year = 1980;
    if (year > 2107) year = 2107;
    m_uModDate = (WORD)((year - 1980) * 512 + (gt->tm_mon + 1) * 32 + gt->tm_mday);
    m_uModTime = (WORD)(gt->tm_hour * 2048 + gt->tm_min * 32 + gt->tm_sec / 2);
}

time_t CZipFileHeader::GetTime() const {
    struct tm t = {};
    t.tm_year = ((m_uModDate >> 9) & 0x7F) + 80;
    t.tm_mon = ((m_uModDate >> 5) & 0x0F) - 1;
    t.tm_mday = m_uModDate & 0x1F;
    t.tm_hour = (m_uModTime >> 11) & 0x1F;
    t.tm_min = (m_uModTime >> 5) & 0x3F;
    t.tm_sec = (m_uModTime & 0x1F) * 2;
    t.tm_isdst = -1;
    return mktime(&t);
}

namespace {

// Copies bytes into a buffer of their own length.
void SetBytes(CZipAutoBuffer& buf, const CStringA& bytes) {
    buf.Allocate((DWORD)bytes.GetLength());
    if (bytes.GetLength()) memcpy(buf, bytes.GetString(), (size_t)bytes.GetLength());
}

// Converts a name between code pages into a buffer of its own: in a
// multi-byte code page the result can be shorter or longer than the source.
void Recode(CZipAutoBuffer& name, UINT fromCodePage, UINT toCodePage) {
    CString wide = MultiByteToString(name, (int)name.GetSize(), fromCodePage);
    SetBytes(name, StringToMultiByte(wide, wide.GetLength(), toCodePage));
}

void ReplaceByte(CZipAutoBuffer& name, char from, char to) {
    for (DWORD i = 0; i < name.GetSize(); ++i)
        if (name[i] == from) name[i] = to;
}

// Whether a name survives the traditional form unchanged: ANSI in memory,
// OEM in the archive, read back by us (OEM to ANSI) and by other tools
// (OEM alone).
bool FitsOemForm(const CString& name) {
    return AnsiToString(StringToAnsi(name)) == name && OemToString(StringToOem(name)) == name;
}

}  // namespace

void CZipFileHeader::SetFileName(const wchar_t* lpszFileName) {
    CString name(lpszFileName);
    // A name the OEM code page cannot hold exactly would be changed for good
    // (a backup could not restore it): such names are kept in UTF-8, marked
    // as current zip tools mark them.
    if (FitsOemForm(name)) {
        SetBytes(m_pszFileName, StringToAnsi(name));
        m_uFlag &= (WORD)~UTF8_NAME_FLAG;
    } else {
        SetBytes(m_pszFileName, StringToUtf8(name));
        m_uFlag |= UTF8_NAME_FLAG;
    }
}

CString CZipFileHeader::GetFileName() const {
    DWORD n = m_pszFileName.GetSize();
    if (!n) return CString();
    UINT codePage = HasUtf8Name() ? CP_UTF8 : CP_ACP;
    // UTF-8 takes no other flag.
    DWORD flags = HasUtf8Name() ? 0 : MB_PRECOMPOSED;
    int len = MultiByteToWideChar(codePage, flags, m_pszFileName, (int)n, nullptr, 0);
    if (len <= 0) return CString();
    std::wstring w((size_t)len, L'\0');
    MultiByteToWideChar(codePage, flags, m_pszFileName, (int)n, &w[0], len);
    return CString(w);
}

void CZipFileHeader::NameToArchiveForm() {
    if (!m_pszFileName.GetSize()) return;
    if (!HasUtf8Name()) Recode(m_pszFileName, CP_ACP, CP_OEMCP);
    ReplaceByte(m_pszFileName, '\\', '/');
}

void CZipFileHeader::NameToMemoryForm() {
    if (!m_pszFileName.GetSize()) return;
    if (!HasUtf8Name()) Recode(m_pszFileName, CP_OEMCP, CP_ACP);
    ReplaceByte(m_pszFileName, '/', '\\');
}
