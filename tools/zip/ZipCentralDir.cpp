#include "tools/zip/ZipCentralDir.h"

#include "tools/zip/ZipBytes.h"
#include "tools/zip/ZipException.h"

#include <algorithm>
#include <cstring>

CZipCentralDir::CZipCentralDir()
    : m_szSignature(m_gszSignature), m_uThisDisk(0), m_uDiskWithCD(0), m_uDiskEntriesNo(0), m_uEntriesNumber(0),
      m_uSize(0), m_uOffset(0), m_bFindFastEnabled(false), m_pOpenedFile(nullptr), m_pStorage(nullptr),
      m_uCentrDirPos(0), m_uBytesBeforeZip(0), m_iBufferSize(32768), m_bOnDisk(false), m_bConvertAfterOpen(true) {}

CZipCentralDir::~CZipCentralDir() { Clear(true); }

void CZipCentralDir::Init(CZipStorage* pStorage) {
    m_pStorage = pStorage;
    Clear(true);
}

void CZipCentralDir::Clear(bool bEverything) {
    for (CZipFileHeader* p : m_headers) delete p;
    m_headers.clear();
    m_findarray.clear();
    m_dataLimits.clear();
    m_pOpenedFile = nullptr;
    m_pLocalExtraField.Release();
    if (bEverything) {
        m_szSignature = m_gszSignature;
        m_uThisDisk = m_uDiskWithCD = m_uDiskEntriesNo = m_uEntriesNumber = 0;
        m_uSize = m_uOffset = 0;
        m_pszComment.Release();
        m_uCentrDirPos = 0;
        m_uBytesBeforeZip = 0;
        m_bOnDisk = false;
    }
}

DWORD CZipCentralDir::Locate() {
    CFile* pFile = m_pStorage->m_pFile;
    ULONGLONG uLength = pFile->GetLength();
    ULONGLONG uLimit = uLength - std::min<ULONGLONG>(uLength, MAX_COMMENT_SEARCH);
    ULONGLONG uEnd = uLength;
    CZipAutoBuffer buf((DWORD)m_iBufferSize);
    while (uEnd - uLimit >= 4) {
        ULONGLONG uStart = std::max(uLimit, uEnd > (ULONGLONG)m_iBufferSize ? uEnd - m_iBufferSize : 0);
        DWORD n = (DWORD)(uEnd - uStart);
        pFile->Seek((LONGLONG)uStart, CFile::begin);
        if (pFile->Read(buf, n) != n) ThrowError(CZipException::codeBadZipFile);
        for (int i = (int)n - 4; i >= 0; --i) {
            if (GetDword(buf + i) == m_gszSignature) {
                ULONGLONG uPos = uStart + (ULONGLONG)i;
                if (uPos > 0xFFFFFFFFull) ThrowError(CZipException::codeBadZipFile);
                return (DWORD)uPos;
            }
        }
        if (uStart == uLimit) break;
        // Consecutive blocks overlap so that a signature cut in two is found.
        uEnd = uStart + 3;
    }
    ThrowError(CZipException::codeCdirNotFound);
}

void CZipCentralDir::Read() {
    CFile* pFile = m_pStorage->m_pFile;
    m_uCentrDirPos = Locate();
    ULONGLONG uLength = pFile->GetLength();
    pFile->Seek(m_uCentrDirPos, CFile::begin);
    char buf[CENTRAL_DIR_END_SIZE];
    m_pStorage->Read(buf, CENTRAL_DIR_END_SIZE, true);
    m_szSignature = GetDword(buf);
    m_uThisDisk = GetWord(buf + 4);
    m_uDiskWithCD = GetWord(buf + 6);
    m_uDiskEntriesNo = GetWord(buf + 8);
    m_uEntriesNumber = GetWord(buf + 10);
    m_uSize = GetDword(buf + 12);
    m_uOffset = GetDword(buf + 16);
    WORD uCommentSize = GetWord(buf + 20);
    m_pStorage->DetectSpanMode(m_uThisDisk);
    if (m_pStorage->IsSpanMode() == 0) {
        if ((ULONGLONG)m_uOffset + m_uSize > m_uCentrDirPos) ThrowError(CZipException::codeBadZipFile);
        m_uBytesBeforeZip = m_uCentrDirPos - m_uOffset - m_uSize;
        // One volume: every count and volume number must agree.
        if (m_uDiskWithCD != 0 || m_uDiskEntriesNo != m_uEntriesNumber) ThrowError(CZipException::codeBadZipFile);
    } else {
        m_uBytesBeforeZip = 0;
        if (m_uDiskWithCD > m_uThisDisk) ThrowError(CZipException::codeBadZipFile);
    }
    if ((ULONGLONG)m_uCentrDirPos + CENTRAL_DIR_END_SIZE + uCommentSize > uLength)
        ThrowError(CZipException::codeBadZipFile);
    m_pszComment.Allocate(uCommentSize);
    if (uCommentSize) m_pStorage->Read(m_pszComment, uCommentSize, true);
    if ((!m_uSize && m_uEntriesNumber) || (!m_uEntriesNumber && m_uSize)) ThrowError(CZipException::codeBadZipFile);
    // Every central header takes at least its fixed part.
    if ((ULONGLONG)m_uEntriesNumber * CZipFileHeader::CENTRAL_SIZE > m_uSize) ThrowError(CZipException::codeBadZipFile);
    m_pStorage->ChangeVolume(m_uDiskWithCD);
    m_bOnDisk = true;
    if (m_uSize) ReadHeaders();
}

void CZipCentralDir::ReadHeaders() {
    m_pStorage->m_pFile->Seek((LONGLONG)m_uOffset + m_uBytesBeforeZip, CFile::begin);
    bool bSpanned = m_pStorage->IsSpanMode() != 0;
    // On one volume the whole directory comes in one read and is taken apart
    // in memory: read header by header it costs three calls to the system
    // per entry. Its size was checked to lie inside the file; one that is
    // larger than any sensible directory is still read header by header.
    const DWORD kOneReadLimit = 16 << 20;
    CZipAutoBuffer whole;
    const char* p = nullptr;
    const char* pEnd = nullptr;
    if (!bSpanned && m_uSize <= kOneReadLimit) {
        whole.Allocate(m_uSize);
        m_pStorage->Read(whole, m_uSize, true);
        p = whole;
        pEnd = p + m_uSize;
    }
    ULONGLONG uRead = 0;
    for (WORD i = 0; i < m_uEntriesNumber; ++i) {
        CZipFileHeader* pHeader = new CZipFileHeader;
        m_headers.push_back(pHeader);
        if (!(p ? pHeader->ReadCentral(p, pEnd) : pHeader->ReadCentral(m_pStorage)))
            ThrowError(CZipException::codeBadZipFile);
        uRead += pHeader->GetSize();
        if (uRead > m_uSize) ThrowError(CZipException::codeBadZipFile);
        if (!bSpanned && pHeader->m_uDiskStart != 0) ThrowError(CZipException::codeBadZipFile);
        if (m_bConvertAfterOpen) pHeader->NameToMemoryForm();
    }
    CheckDataRanges();
    if (m_bFindFastEnabled) BuildFindFastArray();
}

void CZipCentralDir::CheckDataRanges() {
    // Entries that share bytes (many central headers pointing at one local
    // header, or data running over the next entry) would let a small archive
    // unpack to any size. Each entry's local header, name and data must end
    // before the next entry on its volume begins and, on the central
    // directory's volume, before the central directory. The local extra field
    // is only known when the entry is opened; OpenEntry checks it then
    // against the limit kept here.
    std::vector<size_t> order(m_headers.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        const CZipFileHeader* x = m_headers[a];
        const CZipFileHeader* y = m_headers[b];
        return x->m_uDiskStart != y->m_uDiskStart ? x->m_uDiskStart < y->m_uDiskStart : x->m_uOffset < y->m_uOffset;
    });
    m_dataLimits.assign(m_headers.size(), 0);
    for (size_t i = 0; i < order.size(); ++i) {
        const CZipFileHeader* pHeader = m_headers[order[i]];
        ULONGLONG uLimit;
        if (i + 1 < order.size() && m_headers[order[i + 1]]->m_uDiskStart == pHeader->m_uDiskStart)
            uLimit = m_headers[order[i + 1]]->m_uOffset;
        else if (pHeader->m_uDiskStart == m_uDiskWithCD)
            uLimit = m_uOffset;
        else
            continue;  // the last entry of a volume may go on to the next one
        ULONGLONG uEnd = (ULONGLONG)pHeader->m_uOffset + CZipFileHeader::LOCAL_SIZE + pHeader->GetFileNameSize() +
                         pHeader->m_uComprSize;
        if (uEnd > uLimit) ThrowError(CZipException::codeBadZipFile);
        m_dataLimits[order[i]] = uLimit + m_uBytesBeforeZip;
    }
}

void CZipCentralDir::OpenEntry(WORD uIndex) {
    if (!IsValidIndex(uIndex)) ThrowError(CZipException::codeBadZipFile);
    CZipFileHeader* pHeader = m_headers[uIndex];
    m_pOpenedFile = pHeader;
    m_pStorage->ChangeVolume(pHeader->m_uDiskStart);
    CFile* pFile = m_pStorage->m_pFile;
    bool bSpanned = m_pStorage->IsSpanMode() != 0;
    bool bLimited;
    ULONGLONG uLimit = EntryLimit(uIndex, bLimited);
    ULONGLONG uStart = (ULONGLONG)pHeader->m_uOffset + m_uBytesBeforeZip;
    if (uStart + CZipFileHeader::LOCAL_SIZE > uLimit) ThrowError(CZipException::codeBadZipFile);
    pFile->Seek((LONGLONG)uStart, CFile::begin);
    WORD uExtraLen = 0;
    if (!pHeader->VerifyLocalHeader(m_pStorage, uExtraLen)) ThrowError(CZipException::codeBadZipFile);
    int iVolume = m_pStorage->GetCurrentVolume();
    WORD uNameLen = pHeader->GetFileNameSize();
    if (uStart + CZipFileHeader::LOCAL_SIZE + uNameLen + uExtraLen > uLimit) ThrowError(CZipException::codeBadZipFile);
    // The name (already known from the central directory) and the extra
    // field come in one read, so the file never seeks past the name nor asks
    // where it stands: each of those is a call to the system per entry.
    DWORD uSkipped = (DWORD)uNameLen + uExtraLen;
    if (uSkipped) {
        m_pLocalExtraField.Allocate(uSkipped);
        m_pStorage->Read(m_pLocalExtraField, uSkipped, true);
    }
    if (m_pStorage->GetCurrentVolume() != iVolume) ThrowError(CZipException::codeBadZipFile);
    m_uEntryDataEnd = uStart + CZipFileHeader::LOCAL_SIZE + uSkipped + pHeader->m_uComprSize;
    if ((!bSpanned || bLimited) && m_uEntryDataEnd > uLimit) ThrowError(CZipException::codeBadZipFile);
}

ULONGLONG CZipCentralDir::EntryLimit(WORD uIndex, bool& bLimited) const {
    // Entries lie before the central directory (or before the end of the file
    // once entries were appended).
    bool bSpanned = m_pStorage->IsSpanMode() != 0;
    ULONGLONG uLimit =
        (m_bOnDisk && !bSpanned) ? (ULONGLONG)m_uOffset + m_uBytesBeforeZip : m_pStorage->m_pFile->GetLength();
    // An entry that was read from the archive ends where the next one begins.
    bLimited = uIndex < m_dataLimits.size() && m_dataLimits[uIndex];
    if (bLimited) uLimit = std::min(uLimit, m_dataLimits[uIndex]);
    return uLimit;
}

void CZipCentralDir::ReadEntryData(WORD uIndex, std::vector<char>& packed) {
    if (!IsValidIndex(uIndex) || m_pStorage->IsSpanMode() != 0) ThrowError(CZipException::codeBadZipFile);
    const CZipFileHeader* pHeader = m_headers[uIndex];
    bool bLimited;
    ULONGLONG uLimit = EntryLimit(uIndex, bLimited);
    ULONGLONG uStart = (ULONGLONG)pHeader->m_uOffset + m_uBytesBeforeZip;
    if (uStart + CZipFileHeader::LOCAL_SIZE > uLimit) ThrowError(CZipException::codeBadZipFile);
    WORD uNameLen = pHeader->GetFileNameSize();
    // The local extra field is only known once its header is read; tools
    // write it about as long as the central one, so a little room beyond
    // that brings the whole entry in one call to the system.
    const ULONGLONG kExtraRoom = 64;
    ULONGLONG uWant = (ULONGLONG)CZipFileHeader::LOCAL_SIZE + uNameLen + pHeader->GetExtraFieldSize() + kExtraRoom +
                      pHeader->m_uComprSize;
    uWant = std::min(uWant, uLimit - uStart);
    packed.resize((size_t)uWant);
    m_pStorage->m_pFile->Seek((LONGLONG)uStart, CFile::begin);
    m_pStorage->Read(packed.data(), (DWORD)uWant, true);
    WORD uExtraLen = 0;
    if (!pHeader->VerifyLocalHeader(packed.data(), uExtraLen)) ThrowError(CZipException::codeBadZipFile);
    ULONGLONG uDataStart = (ULONGLONG)CZipFileHeader::LOCAL_SIZE + uNameLen + uExtraLen;
    ULONGLONG uDataEnd = uDataStart + pHeader->m_uComprSize;
    if (uStart + uDataEnd > uLimit) ThrowError(CZipException::codeBadZipFile);
    if (uDataEnd > uWant) {
        packed.resize((size_t)uDataEnd);
        m_pStorage->Read(packed.data() + uWant, (DWORD)(uDataEnd - uWant), true);
    }
    packed.resize((size_t)uDataEnd);
    packed.erase(packed.begin(), packed.begin() + (ptrdiff_t)uDataStart);
}

void CZipCentralDir::CloseEntry(bool bCheckDescriptor) {
    m_pLocalExtraField.Release();
    CZipFileHeader* pHeader = m_pOpenedFile;
    m_pOpenedFile = nullptr;
    if (!pHeader || !bCheckDescriptor || !pHeader->HasDataDescriptor()) return;
    char buf[12];
    if (m_pStorage->IsSpanMode() == 0) m_pStorage->m_pFile->Seek((LONGLONG)m_uEntryDataEnd, CFile::begin);
    m_pStorage->Read(buf, 4, false);
    // The descriptor's signature is optional.
    if (GetDword(buf) != m_gszDataDescriptorSignature) m_pStorage->m_pFile->Seek(-4, CFile::current);
    m_pStorage->Read(buf, 12, false);
    if (GetDword(buf) != pHeader->m_uCrc32 || GetDword(buf + 4) != pHeader->m_uComprSize ||
        GetDword(buf + 8) != pHeader->m_uUncomprSize)
        ThrowError(CZipException::codeBadZipFile);
}

void CZipCentralDir::AddEntry(const CZipFileHeader& header) {
    CZipFileHeader* pHeader = new CZipFileHeader(header);
    m_headers.push_back(pHeader);
    m_pOpenedFile = pHeader;
    if (m_bFindFastEnabled) InsertFindFast(pHeader, (WORD)(m_headers.size() - 1));
    if (m_bOnDisk) {
        // New entries go where the old central directory began; it is written
        // anew at the end.
        m_pStorage->m_pFile->SetLength((ULONGLONG)m_uBytesBeforeZip + m_uOffset);
        m_bOnDisk = false;
    }
    if (m_pStorage->IsSpanMode() == 0) m_pStorage->m_pFile->SeekToEnd();
}

void CZipCentralDir::FinishEntry(bool bLocalHeaderComplete) {
    CZipFileHeader* pHeader = m_pOpenedFile;
    if (bLocalHeaderComplete && !pHeader->HasDataDescriptor()) {
        pHeader->m_uOffset -= m_uBytesBeforeZip;
        m_pOpenedFile = nullptr;
        return;
    }
    char buf[16];
    PutDword(buf, m_gszDataDescriptorSignature);
    PutDword(buf + 4, pHeader->m_uCrc32);
    PutDword(buf + 8, pHeader->m_uComprSize);
    PutDword(buf + 12, pHeader->m_uUncomprSize);
    if (!pHeader->HasDataDescriptor()) {
        // A small entry's local header still waits in the write buffer: its
        // sizes are put there, without a write and a seek back on the file.
        if (!pHeader->IsEncrypted() && m_pStorage->OverwriteBuffered((ULONGLONG)pHeader->m_uOffset + 14, buf + 4, 12)) {
            pHeader->m_uOffset -= m_uBytesBeforeZip;
            m_pOpenedFile = nullptr;
            return;
        }
        m_pStorage->Flush();
        m_pStorage->m_pFile->Seek((LONGLONG)pHeader->m_uOffset + 14, CFile::begin);
        m_pStorage->Write(buf + 4, 12, true);
    } else {
        m_pStorage->Write(buf, 16, true);
    }
    pHeader->m_uOffset -= m_uBytesBeforeZip;
    if (m_pStorage->IsSpanMode() == 0 && pHeader->IsEncrypted()) {
        m_pStorage->Flush();
        m_pStorage->m_pFile->Seek((LONGLONG)pHeader->m_uOffset + m_uBytesBeforeZip + 14, CFile::begin);
        m_pStorage->Write(buf + 4, 12, true);
    }
    m_pStorage->Flush();
    m_pOpenedFile = nullptr;
}

DWORD CZipCentralDir::CentralDirSize() const {
    DWORD uSize = CENTRAL_DIR_END_SIZE + m_pszComment.GetSize();
    for (const CZipFileHeader* p : m_headers) uSize += p->GetSize();
    return uSize;
}

void CZipCentralDir::Write() {
    if (m_bOnDisk) return;
    if (m_pStorage->IsSpanMode() == 0) {
        m_pStorage->Flush();
        m_pStorage->m_pFile->SeekToEnd();
    }
    m_uEntriesNumber = (WORD)m_headers.size();
    m_uSize = 0;
    bool bMustStayOnFirst = false;
    if (m_pStorage->IsSpanMode() == 1 && m_pStorage->GetCurrentVolume() == 0) {
        DWORD uSize = CentralDirSize();
        DWORD uSaved = 16 * (DWORD)m_headers.size() + 4;
        DWORD uNeeded = uSize > uSaved ? uSize - uSaved : 0;
        if (m_pStorage->VolumeLeft() >= uNeeded) {
            bool bFromBuffer = !(m_pStorage->m_iBytesWritten > 0 || m_pStorage->GetFreeInBuffer() < uSize);
            if (!bFromBuffer) {
                m_pStorage->Flush();
                m_pStorage->m_pFile->Flush();
            }
            if (RemoveDataDescr(bFromBuffer)) bMustStayOnFirst = true;
        }
    }
    m_uDiskEntriesNo = 0;
    m_uDiskWithCD = (WORD)m_pStorage->GetCurrentVolume();
    m_uOffset = m_pStorage->GetPosition() - m_uBytesBeforeZip;
    for (size_t i = 0; i < m_headers.size(); ++i) {
        CZipFileHeader* pHeader = m_headers[i];
        if (m_bConvertAfterOpen) pHeader->NameToArchiveForm();
        int iVolume = m_pStorage->GetCurrentVolume();
        m_uSize += pHeader->WriteCentral(m_pStorage);
        if (m_bConvertAfterOpen) pHeader->NameToMemoryForm();
        if (m_pStorage->GetCurrentVolume() != iVolume) {
            if (i == 0) {
                m_uOffset = 0;
                m_uDiskWithCD = (WORD)m_pStorage->GetCurrentVolume();
            }
            m_uDiskEntriesNo = 1;
        } else {
            m_uDiskEntriesNo++;
        }
    }
    WriteCentralEnd();
    if (bMustStayOnFirst && m_pStorage->GetCurrentVolume() != 0) ThrowError(CZipException::codeBadZipFile);
}

void CZipCentralDir::WriteCentralEnd() {
    DWORD uRecordSize = CENTRAL_DIR_END_SIZE + m_pszComment.GetSize();
    int iVolume = m_pStorage->GetCurrentVolume();
    // The record is written as one block; when it has to go to a volume of
    // its own, its counts say so.
    m_pStorage->AssureFree(uRecordSize);
    if (m_pStorage->GetCurrentVolume() != iVolume) {
        if (m_headers.empty()) {
            m_uDiskWithCD = (WORD)m_pStorage->GetCurrentVolume();
            m_uOffset = 0;
        } else {
            m_uDiskEntriesNo = 0;
        }
    }
    m_uThisDisk = (WORD)m_pStorage->GetCurrentVolume();
    CZipAutoBuffer buf(uRecordSize);
    char* p = buf;
    PutDword(p, m_gszSignature);
    PutWord(p + 4, m_uThisDisk);
    PutWord(p + 6, m_uDiskWithCD);
    PutWord(p + 8, m_uDiskEntriesNo);
    PutWord(p + 10, m_uEntriesNumber);
    PutDword(p + 12, m_uSize);
    PutDword(p + 16, m_uOffset);
    PutWord(p + 20, (WORD)m_pszComment.GetSize());
    if (m_pszComment.GetSize()) memcpy(p + CENTRAL_DIR_END_SIZE, m_pszComment, m_pszComment.GetSize());
    m_pStorage->Write(buf, uRecordSize, true);
}

bool CZipCentralDir::RemoveDataDescr(bool bFromBuffer) {
    char* pData = nullptr;
    DWORD uSize = 0;
    HANDLE hMapping = nullptr;
    if (bFromBuffer) {
        pData = m_pStorage->m_pWriteBuffer;
        uSize = m_pStorage->m_uBytesInWriteBuffer;
    } else {
        CZipDiskFile& file = m_pStorage->m_internalfile;
        if (m_pStorage->m_pFile != &file) return false;
        uSize = (DWORD)file.GetLength();
        hMapping = CreateFileMappingW(file.m_hFile, nullptr, PAGE_READWRITE, 0, 0, L"Zorel Zip Mapping File");
        if (hMapping && GetLastError() == ERROR_ALREADY_EXISTS) {
            // The name belongs to another archive being converted (another
            // thread or program): that object maps its file, not ours.
            CloseHandle(hMapping);
            hMapping = CreateFileMappingW(file.m_hFile, nullptr, PAGE_READWRITE, 0, 0, nullptr);
        }
        if (!hMapping) return false;
        pData = (char*)MapViewOfFile(hMapping, FILE_MAP_WRITE, 0, 0, 0);
        if (!pData) {
            CloseHandle(hMapping);
            return false;
        }
    }
    // Check the layout before moving anything, so that a failure leaves the
    // archive as it was.
    bool bOk = true;
    for (size_t i = 0; i < m_headers.size() && bOk; ++i) {
        DWORD uStart = m_headers[i]->m_uOffset;
        DWORD uEnd = i + 1 < m_headers.size() ? m_headers[i + 1]->m_uOffset : uSize;
        DWORD uMin = CZipFileHeader::LOCAL_SIZE + (m_headers[i]->IsEncrypted() ? 0 : 16);
        if (uStart < 4 || uEnd > uSize || uStart > uEnd || uEnd - uStart < uMin || m_headers[i]->m_uDiskStart != 0)
            bOk = false;
    }
    DWORD uRemoved = 4;
    if (bOk) {
        for (size_t i = 0; i < m_headers.size(); ++i) {
            CZipFileHeader* pHeader = m_headers[i];
            DWORD uStart = pHeader->m_uOffset;
            DWORD uEnd = i + 1 < m_headers.size() ? m_headers[i + 1]->m_uOffset : uSize;
            bool bDrop = !pHeader->IsEncrypted() && pHeader->HasDataDescriptor();
            if (bDrop) pHeader->m_uFlag &= (WORD)~8;
            char* pLocal = pData + uStart;
            PutWord(pLocal + 6, pHeader->m_uFlag);
            PutDword(pLocal + 14, pHeader->m_uCrc32);
            PutDword(pLocal + 18, pHeader->m_uComprSize);
            PutDword(pLocal + 22, pHeader->m_uUncomprSize);
            DWORD uToMove = uEnd - uStart - (bDrop ? 16 : 0);
            memmove(pData + uStart - uRemoved, pData + uStart, uToMove);
            pHeader->m_uOffset -= uRemoved;
            if (bDrop) uRemoved += 16;
        }
    }
    DWORD uNewSize = uSize - uRemoved;
    if (bFromBuffer) {
        if (bOk) m_pStorage->m_uBytesInWriteBuffer = uNewSize;
    } else {
        UnmapViewOfFile(pData);
        CloseHandle(hMapping);
        if (bOk) {
            m_pStorage->m_internalfile.SetLength(uNewSize);
            m_pStorage->m_internalfile.SeekToEnd();
            m_pStorage->m_iBytesWritten = uNewSize;
        }
    }
    if (!bOk) return false;
    m_pStorage->m_bNewSpan = false;
    m_pStorage->m_iSpanMode = CZipStorage::noSpan;
    return true;
}

void CZipCentralDir::InsertFindFast(CZipFileHeader* pHeader, WORD uIndex) {
    CZipFindFast ff;
    ff.m_pHeader = pHeader;
    ff.m_uIndex = uIndex;
    CString name = pHeader->GetFileName();
    auto it = std::lower_bound(m_findarray.begin(), m_findarray.end(), name,
                               [](const CZipFindFast& a, const CString& n) { return a.m_pHeader->GetFileName().Compare(n) < 0; });
    m_findarray.insert(it, ff);
}

void CZipCentralDir::BuildFindFastArray() {
    m_findarray.clear();
    for (size_t i = 0; i < m_headers.size(); ++i) InsertFindFast(m_headers[i], (WORD)i);
}
