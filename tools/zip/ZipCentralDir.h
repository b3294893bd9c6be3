// The central directory: finds, reads and writes it and the end record, and
// keeps the entries' headers.
#pragma once

#include "tools/zip/ZipAutoBuffer.h"
#include "tools/zip/ZipFileHeader.h"
#include "tools/zip/ZipFindFast.h"
#include "tools/zip/ZipStorage.h"

#include <vector>

class CZipCentralDir {
public:
    static const DWORD m_gszSignature = 0x06054b50;
    static const DWORD m_gszDataDescriptorSignature = 0x08074b50;
    enum { CENTRAL_DIR_END_SIZE = 22, MAX_COMMENT_SEARCH = 65535 + 22 };

    CZipCentralDir();
    ~CZipCentralDir();
    CZipCentralDir(const CZipCentralDir&) = delete;
    CZipCentralDir& operator=(const CZipCentralDir&) = delete;

    void Init(CZipStorage* pStorage);
    // Drops the headers and the index; with bEverything also the end record.
    void Clear(bool bEverything = true);
    void Read();
    void OpenEntry(WORD uIndex);
    // The packed data of an entry of a one-volume archive, checked as
    // OpenEntry checks it; no entry stays open. The local header and the
    // data come in one read unless the local extra field is much longer
    // than the central one.
    void ReadEntryData(WORD uIndex, std::vector<char>& packed);
    // Checks the data descriptor of the entry that was read to its end.
    void CloseEntry(bool bCheckDescriptor = true);
    void AddEntry(const CZipFileHeader& header);
    // Puts the CRC and sizes of the entry just written into its local header
    // or a data descriptor, unless the local header was written with them.
    void FinishEntry(bool bLocalHeaderComplete = false);
    void Write();

    WORD GetCount() const { return (WORD)m_headers.size(); }
    bool IsValidIndex(int uIndex) const { return uIndex >= 0 && uIndex < (int)m_headers.size(); }
    CZipFileHeader* operator[](int i) const { return m_headers[(size_t)i]; }

    // End record.
    DWORD m_szSignature;
    WORD m_uThisDisk;
    WORD m_uDiskWithCD;
    WORD m_uDiskEntriesNo;
    WORD m_uEntriesNumber;
    DWORD m_uSize;
    DWORD m_uOffset;
    CZipAutoBuffer m_pszComment;

    bool m_bFindFastEnabled;
    CZipFileHeader* m_pOpenedFile;
    CZipStorage* m_pStorage;
    DWORD m_uCentrDirPos;
    DWORD m_uBytesBeforeZip;
    int m_iBufferSize;
    bool m_bOnDisk;
    std::vector<CZipFileHeader*> m_headers;
    CZipAutoBuffer m_pLocalExtraField;  // the open entry's local name and extra field, read together
    std::vector<CZipFindFast> m_findarray;
    bool m_bConvertAfterOpen;
    // Where the open entry's data ends (one-volume archives), so that its data
    // descriptor is found however much of the data was read.
    ULONGLONG m_uEntryDataEnd = 0;
    // Per entry read from the archive: the file position its data must end
    // before (the next entry's local header or the central directory); 0
    // when its data may go on to the next volume.
    std::vector<ULONGLONG> m_dataLimits;

private:
    DWORD Locate();
    void ReadHeaders();
    // Where the entry's bytes must end on its volume, and whether that is
    // the start of the entry after it.
    ULONGLONG EntryLimit(WORD uIndex, bool& bLimited) const;
    void CheckDataRanges();
    void BuildFindFastArray();
    void InsertFindFast(CZipFileHeader* pHeader, WORD uIndex);
    bool RemoveDataDescr(bool bFromBuffer);
    void WriteCentralEnd();
    [[noreturn]] void ThrowError(int iCode) const { m_pStorage->ThrowError(iCode); }
    DWORD CentralDirSize() const;
};
