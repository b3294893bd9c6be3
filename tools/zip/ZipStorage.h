// The archive's byte store: a file on disk or a caller's memory file, with a
// write buffer and, for spanned archives, numbered volumes.
#pragma once

#include "fw/Afx.h"
#include "tools/zip/ZipAutoBuffer.h"
#include "tools/zip/ZipDiskFile.h"

// Asks for the disk of a volume (number from 1); false cancels.
typedef bool (*ZIPSPANCALLBACK)(DWORD uVolume, int iCode, void* pData);

class CZipStorage {
public:
    enum { noSpan = 0, pkzipSpan = 1, tdSpan = 2, suggestedAuto = 3, suggestedTd = 4 };

    CZipStorage();
    ~CZipStorage();
    CZipStorage(const CZipStorage&) = delete;
    CZipStorage& operator=(const CZipStorage&) = delete;

    void Open(const wchar_t* szPathName, int iMode, int iVolumeSize);
    void Open(CMemFile& mf, int iMode);
    // Reads exactly iSize bytes or throws; a short read continues on the next
    // volumes of a spanned archive unless bAtOnce is set.
    DWORD Read(void* pBuf, DWORD iSize, bool bAtOnce);
    void Write(const void* pBuf, DWORD iSize, bool bAtOnce);
    void Flush();
    // Overwrites bytes at a position of an archive that is not spanned when
    // they are all still waiting in the write buffer; false (and nothing
    // done) otherwise.
    bool OverwriteBuffered(ULONGLONG uPosition, const void* pBuf, DWORD iSize);
    DWORD GetPosition() const;
    // 0 not spanned, 1 a spanned archive is being created, -1 one is being read.
    int IsSpanMode() const;
    int GetCurrentVolume() const { return m_iCurrentDisk; }
    void DetectSpanMode(int iDisk);
    void ChangeVolume(int iNumber);
    void NextVolume(DWORD iNeeded, const wchar_t* szFileName = nullptr);
    // Changes the volume first when the current one has less than iNeeded
    // bytes left (creating a spanned archive only).
    void AssureFree(DWORD iNeeded);
    void Close(bool bAfterException);

    DWORD VolumeLeft() const;
    DWORD GetFreeInBuffer() const { return m_pWriteBuffer.GetSize() - m_uBytesInWriteBuffer; }
    CString GetArchivePath() const { return m_szArchivePath; }
    [[noreturn]] void ThrowError(int iCode) const;

    void SetSpanCallback(ZIPSPANCALLBACK pFunc, void* pData) { m_pChangeDiskFunc = pFunc; m_pCallbackData = pData; }

    DWORD m_iWriteBufferSize;
    void* m_pCallbackData;
    CZipDiskFile m_internalfile;
    CFile* m_pFile;
    int m_iSpanMode;
    ZIPSPANCALLBACK m_pChangeDiskFunc;
    // Creating fixed-size volumes: their size; reading: the last volume.
    int m_iTdSpanData;
    DWORD m_uBytesInWriteBuffer;
    DWORD m_uCurrentVolSize;
    CZipAutoBuffer m_pWriteBuffer;
    DWORD m_iBytesWritten;
    bool m_bNewSpan;
    int m_iCurrentDisk;

private:
    void WriteInternalBuffer(const char* pBuf, DWORD uSize);
    CString GetTdVolumeName(bool bLast, const wchar_t* szFilePath = nullptr) const;
    DWORD GetFreeVolumeSpace() const;
    bool IsDriveRemovable(const CString& path) const;
    void OpenFile(const CString& path, UINT uFlags);

    CString m_szArchivePath;
    // At least the length of the file written to: its length when opened
    // plus every byte written since. No seek here goes past the end, so the
    // file's position is never beyond it either.
    ULONGLONG m_uLengthBound = 0;
    // The volume file of a fixed-size spanned archive that Close renames to
    // its ".zip" name (also after it was turned into an ordinary archive).
    bool m_bRenameLastVolume = false;
};
