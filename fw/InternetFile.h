// CInternetFile: data read from (or written to) an internet handle, with a
// read buffer so that lines can be read one at a time.
#pragma once

#include "StringT.h"

#include <windows.h>
#include <wininet.h>

#include <string>

class CInternetFile {
public:
    CInternetFile(HINTERNET file, DWORD_PTR context) : m_hFile(file), m_dwContext(context) {}
    virtual ~CInternetFile() { Close(); }
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

    // Bytes read, 0 at the end; throws CInternetException on failure.
    virtual UINT Read(void* buffer, UINT count);
    // One line without its line feed (a carriage return before it is kept
    // out too); FALSE at the end of the data.
    BOOL ReadString(CStringA& line);
    // The same, read as text in the ANSI code page.
    BOOL ReadString(CString& line);
    virtual void Write(const void* buffer, UINT count);
    BOOL SetReadBufferSize(UINT size);
    virtual void Close();

    operator HINTERNET() const { return m_hFile; }
    HINTERNET m_hFile;

protected:
    DWORD_PTR m_dwContext;

private:
    bool Fill();
    std::string m_buffer;
    size_t m_pos = 0;
    UINT m_bufferSize = 4096;
    bool m_eof = false;
};
