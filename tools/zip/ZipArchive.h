// A zip archive: open, create, add and extract entries. Errors inside are
// thrown as CZipException (files that cannot be opened as CFileException);
// operations that only refuse return false.
#pragma once

#include "fw/Afx.h"
#include "tools/zip/ZipAutoBuffer.h"
#include "tools/zip/ZipCentralDir.h"
#include "tools/zip/ZipException.h"
#include "tools/zip/ZipFileHeader.h"
#include "tools/zip/ZipInternalInfo.h"
#include "tools/zip/ZipStorage.h"

#include <functional>
#include <list>
#include <map>
#include <vector>

// Progress: (total bytes, bytes done so far, user data); false stops.
typedef bool (*ZIPCALLBACKFUN)(DWORD uTotal, DWORD uDone, void* pData);
// The result of one entry of a batch: (index into the batch, success);
// false stops the batch.
typedef std::function<bool(size_t uItem, bool bDone)> ZIPBATCHFUN;

class CZipArchive {
public:
    enum { open = 0, openReadOnly = 1, create = 2, createSpan = 3 };
    enum { nothing = 0, compress = 1, extract = -1 };
    enum { MAX_ENTRIES = 65535 };

    CZipArchive();
    virtual ~CZipArchive();
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

    void Open(const wchar_t* szPathName, int iMode = open, int iVolumeSize = 0);
    void Open(CMemFile& mf, int iMode = open);
    bool IsClosed(bool bArchive = true) const;
    WORD GetEntryCount() const { return m_centralDir.GetCount(); }
    bool GetEntryInfo(CZipFileHeader& fhInfo, WORD uIndex) const;
    bool IsEntryFolder(WORD uIndex) const;

    bool ExtractFile(WORD uIndex, const wchar_t* lpszPath, bool bFullPath = true, const wchar_t* lpszNewName = nullptr,
                     ZIPCALLBACKFUN pCallback = nullptr, void* pUserData = nullptr, DWORD nBufSize = 65535);
    bool AddNewFile(const wchar_t* lpszFilePath, int iLevel = -1, bool bFullPath = true,
                    ZIPCALLBACKFUN pCallback = nullptr, void* pUserData = nullptr, unsigned long nBufSize = 65535);

    // Batches: what ExtractFile (full paths, no new name) and AddNewFile do
    // for each item, with the files themselves read, written, compressed and
    // decompressed on worker threads, several at a time, while this thread
    // alone reads and writes the archive in order. Entries are written in
    // the order given. pDone, when given, hears each item's result on this
    // thread in that order, and false from it stops the batch. An exception
    // is thrown as the single call would throw it, after the results of the
    // items before it. An entry refused for its name is told before any
    // entry after it is begun; after a file that fails while it is written
    // (or damaged data), the files after it may have been written already.
    void ExtractFiles(const std::vector<WORD>& indexes, const wchar_t* lpszPath, const ZIPBATCHFUN& pDone = nullptr);
    void AddNewFiles(const std::vector<CString>& paths, int iLevel = -1, bool bFullPath = true,
                     const ZIPBATCHFUN& pDone = nullptr);

    bool OpenEntry(WORD uIndex);
    DWORD ReadEntry(void* pBuf, DWORD iSize);
    int CloseEntry(const wchar_t* lpszFilePath = nullptr, bool bAfterException = false);

    bool BeginNewEntry(const CZipFileHeader& header, int iLevel = -1, const wchar_t* lpszFilePath = nullptr);
    bool WriteNewEntry(const void* pBuf, DWORD iSize);
    bool EndNewEntry();

    void Close(bool bAfterException = false);

    // Traditional encryption; the system itself never sets a password.
    void SetPassword(const char* lpszPassword);
    void SetSpanCallback(ZIPSPANCALLBACK pFunc, void* pData = nullptr) { m_storage.SetSpanCallback(pFunc, pData); }
    CString GetArchivePath() const { return IsClosed() ? CString() : m_storage.GetArchivePath(); }

    const CZipCentralDir& GetCentralDir() const { return m_centralDir; }

protected:
    bool m_bDetectZlibMemoryLeaks;
    CZipAutoBuffer m_pszPassword;
    DWORD m_keys[3];
    CZipInternalInfo m_info;
    CZipStorage m_storage;
    std::list<void*> m_list;
    signed char m_iFileOpened;
    CZipCentralDir m_centralDir;

private:
    // The files extracted since the archive was opened, by their FileKey,
    // with the entry each came from.
    std::map<CString, WORD> m_extracted;
    // A zlib state kept in m_info.m_stream for the next entry: a deflater of
    // m_iDeflaterLevel or an inflater; and the buffer file data goes through.
    enum KeptStream { keptNone, keptDeflater, keptInflater };
    KeptStream m_kept = keptNone;
    int m_iDeflaterLevel = 0;
    CZipAutoBuffer m_copyBuffer;

    [[noreturn]] void ThrowError(int iZipError) const;
    void CheckForError(int iErr) const;
    CZipFileHeader* CurrentFile() const { return m_centralDir.m_pOpenedFile; }
    void EmptyPtrList();
    void EndKeptStream();
    // A fresh stream structure for a new zlib state kept beyond the entry.
    void ClearStream();
    // BeginNewEntry with what is known of the source file (none for data
    // that comes from no file). Data a worker has compressed already comes
    // with its CRC and sizes, which go straight into the local header.
    struct Packed {
        DWORD uCrc32;
        DWORD uSize;
        const std::vector<char>* pData;
    };
    bool BeginEntry(const CZipFileHeader& header, int iLevel, const WIN32_FILE_ATTRIBUTE_DATA* pSource,
                    const Packed* pPacked = nullptr);
    // The target of an entry; false for a name that would leave the folder.
    static bool TargetOf(const CZipFileHeader& header, const wchar_t* lpszPath, bool bFullPath,
                         const wchar_t* lpszNewName, CString& target);
    static bool ExtractFolder(const CZipFileHeader& header, const CString& target);
    // Creates the target file (and its folders); false when a folder cannot
    // be made, a file exception when the file cannot be.
    static bool OpenTargetFile(const CString& target, CFile& file, CFileException& error);
    // Whether an entry can be read whole into memory and written by a worker.
    bool CanExtractOnWorker(const CZipFileHeader& header) const;
    // Gives an extracted file, still open, the entry's modification time and
    // attributes: 1 when done, 0 when the times, -2 when the attributes
    // could not be set.
    static int ApplyEntryTimeAndAttributes(HANDLE hFile, const CZipFileHeader& header);
    void WriteBuffer();

    void CryptInitKeys();
    void CryptUpdateKeys(char c);
    char CryptDecryptByte() const;
    void CryptDecode(char& c);
    void CryptEncode(char& c);
    void CryptEncodeBuffer();
    void CryptDecodeBuffer(DWORD uCount);
    void CryptCryptHeader(long iCrc, CZipAutoBuffer& buf);
    bool CryptCheck();

    static void* myalloc(void* opaque, UINT items, UINT size);
    static void myfree(void* opaque, void* address);
};
