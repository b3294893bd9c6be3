// CFile: a binary file on a Win32 handle. CMemFile: the same interface over a
// growing memory buffer. Reads return the bytes read; a failed write throws
// CFileException.
#pragma once

#include "Exception.h"

#include <vector>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
        shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020, shareDenyRead = 0x0030,
        shareDenyNone = 0x0040, modeNoInherit = 0x0080, modeCreate = 0x1000, modeNoTruncate = 0x2000,
        typeText = 0x4000, typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const wchar_t* path, UINT flags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual bool Open(const wchar_t* path, UINT flags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing, whatever state the file is in.
    virtual void Abort();

    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    CString GetFilePath() const { return m_strFileName; }

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    [[noreturn]] void ThrowLastError() const;
    CString m_strFileName;
};

class CMemFile : public CFile {
public:
    CMemFile() = default;
    CMemFile(const void* data, size_t size) : m_data((const BYTE*)data, (const BYTE*)data + size) {}

    bool Open(const wchar_t*, UINT, CFileException* = nullptr) override { return false; }
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override { return m_data.size(); }
    void SetLength(ULONGLONG length) override;
    ULONGLONG GetPosition() const override { return m_pos; }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    const std::vector<BYTE>& Data() const { return m_data; }
    // Makes room for bytes about to be written, so that a large file grows
    // in one step.
    void Reserve(size_t size) { m_data.reserve(size); }
    // Hands the bytes over, leaving the file empty.
    std::vector<BYTE> Detach() {
        std::vector<BYTE> bytes;
        bytes.swap(m_data);
        m_pos = 0;
        return bytes;
    }

private:
    std::vector<BYTE> m_data;
    size_t m_pos = 0;
};
