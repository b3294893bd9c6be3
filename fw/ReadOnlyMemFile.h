// CReadOnlyMemFile: the CFile interface over bytes that the caller owns and
// keeps alive, for reading them through an archive without copying them
// first (a large copy is no small cost under Wine). Writing throws.
#pragma once

#include "File.h"

#include <algorithm>
#include <cstring>

class CReadOnlyMemFile : public CFile {
public:
    CReadOnlyMemFile(const void* data, size_t size) : m_data((const BYTE*)data), m_size(data ? size : 0) {}

    bool Open(const wchar_t*, UINT, CFileException* = nullptr) override { return false; }
    UINT Read(void* buffer, UINT count) override {
        if (m_pos >= m_size) return 0;
        size_t n = std::min((size_t)count, m_size - m_pos);
        memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        return (UINT)n;
    }
    void Write(const void*, UINT) override { throw CFileException(CFileException::accessDenied, -1, L"memory"); }
    ULONGLONG Seek(LONGLONG offset, UINT from) override {
        LONGLONG base = from == begin ? 0 : from == current ? (LONGLONG)m_pos : (LONGLONG)m_size;
        LONGLONG target = base + offset;
        if (target < 0) throw CFileException(CFileException::badSeek, -1, L"memory");
        m_pos = (size_t)target;
        return m_pos;
    }
    ULONGLONG GetLength() const override { return m_size; }
    void SetLength(ULONGLONG) override { throw CFileException(CFileException::accessDenied, -1, L"memory"); }
    ULONGLONG GetPosition() const override { return m_pos; }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
