#include "InternetFile.h"

#include "InternetException.h"

#include <algorithm>
#include <cstring>
#include <vector>

void CInternetFile::Close() {
    if (m_hFile) ::InternetCloseHandle(m_hFile);
    m_hFile = nullptr;
    m_buffer.clear();
    m_pos = 0;
}

BOOL CInternetFile::SetReadBufferSize(UINT size) {
    if (size == 0) return FALSE;
    m_bufferSize = size;
    return TRUE;
}

bool CInternetFile::Fill() {
    if (m_eof) return false;
    std::vector<char> chunk(m_bufferSize);
    DWORD got = 0;
    if (!::InternetReadFile(m_hFile, chunk.data(), (DWORD)chunk.size(), &got)) AfxThrowInternetException(m_dwContext);
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_buffer.erase(0, m_pos);
    m_pos = 0;
    m_buffer.append(chunk.data(), got);
    return true;
}

UINT CInternetFile::Read(void* buffer, UINT count) {
    UINT done = 0;
    char* out = (char*)buffer;
    // What a line read left over comes first.
    if (m_pos < m_buffer.size()) {
        size_t n = std::min<size_t>(count, m_buffer.size() - m_pos);
        memcpy(out, m_buffer.data() + m_pos, n);
        m_pos += n;
        done += (UINT)n;
    }
    while (done < count && !m_eof) {
        DWORD got = 0;
        if (!::InternetReadFile(m_hFile, out + done, count - done, &got)) AfxThrowInternetException(m_dwContext);
        if (got == 0) {
            m_eof = true;
            break;
        }
        done += got;
    }
    return done;
}

BOOL CInternetFile::ReadString(CStringA& line) {
    line.Empty();
    for (;;) {
        size_t nl = m_buffer.find('\n', m_pos);
        if (nl != std::string::npos) {
            size_t end = nl;
            if (end > m_pos && m_buffer[end - 1] == '\r') --end;
            line = CStringA(m_buffer.substr(m_pos, end - m_pos));
            m_pos = nl + 1;
            return TRUE;
        }
        if (!Fill()) break;
    }
    if (m_pos >= m_buffer.size()) return FALSE;
    std::string rest = m_buffer.substr(m_pos);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    line = CStringA(rest);
    m_pos = m_buffer.size();
    return TRUE;
}

BOOL CInternetFile::ReadString(CString& line) {
    CStringA bytes;
    BOOL got = ReadString(bytes);
    line = CString(bytes);
    return got;
}

void CInternetFile::Write(const void* buffer, UINT count) {
    DWORD written = 0;
    if (!::InternetWriteFile(m_hFile, buffer, count, &written) || written != count) AfxThrowInternetException(m_dwContext);
}
