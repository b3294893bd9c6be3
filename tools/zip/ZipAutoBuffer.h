// An owned byte array with its size, used for names, extra fields, comments
// and the I/O buffers of the zip archive.
#pragma once

#include <windows.h>

class CZipAutoBuffer {
public:
    CZipAutoBuffer() = default;
    explicit CZipAutoBuffer(DWORD iSize, bool bZeroMemory = false) { Allocate(iSize, bZeroMemory); }
    CZipAutoBuffer(const CZipAutoBuffer& other);
    CZipAutoBuffer& operator=(const CZipAutoBuffer& other);
    ~CZipAutoBuffer() { Release(); }

    // Keeps the memory when the size does not change (zeroing it when asked);
    // any other size frees the old memory first. Size 0 leaves no memory.
    char* Allocate(DWORD iSize, bool bZeroMemory = false);
    void Release();

    DWORD GetSize() const { return m_iSize; }
    bool IsAllocated() const { return m_pBuffer != nullptr; }
    char* GetBuffer() { return m_pBuffer; }
    const char* GetBuffer() const { return m_pBuffer; }
    operator char*() { return m_pBuffer; }
    operator const char*() const { return m_pBuffer; }

private:
    char* m_pBuffer = nullptr;
    DWORD m_iSize = 0;
};
