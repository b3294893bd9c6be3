#include "Archive.h"
#include "Convert.h"

#include <cstring>

CArchive::CArchive(CFile* file, UINT mode, int bufferSize)
    : m_file(file), m_loading((mode & load) != 0), m_buf((size_t)(bufferSize > 16 ? bufferSize : 16)),
      m_data(m_buf.data()) {}

CArchive::CArchive(const void* data, size_t size)
    : m_file(nullptr), m_loading(true), m_data((BYTE*)(data ? data : "")), m_bufEnd(data ? size : 0) {}

CArchive::~CArchive() {
    // Like Close, but a destructor must not throw: callers that need to know
    // whether the bytes reached the file call Close themselves.
    try {
        if (m_file) Flush();
    } catch (...) {
    }
    Abort();
}

void CArchive::ThrowEnd() const {
    throw CArchiveException(CArchiveException::endOfFile, m_file ? m_file->GetFilePath() : CString());
}

void CArchive::FillBuffer() {
    // Bytes read in place have nothing behind them.
    if (!m_file) return;
    m_bufPos = 0;
    m_bufEnd = m_file->Read(m_data, (UINT)m_buf.size());
}

UINT CArchive::Read(void* buffer, UINT count) {
    if (!m_loading) throw CArchiveException(CArchiveException::writeOnly);
    BYTE* out = (BYTE*)buffer;
    UINT done = 0;
    while (done < count) {
        if (m_bufPos == m_bufEnd) {
            if (!m_file) break;
            // Large reads bypass the buffer.
            if (count - done >= m_buf.size()) {
                UINT n = m_file->Read(out + done, count - done);
                done += n;
                break;
            }
            FillBuffer();
            if (m_bufEnd == 0) break;
        }
        size_t n = std::min((size_t)(count - done), m_bufEnd - m_bufPos);
        memcpy(out + done, m_data + m_bufPos, n);
        m_bufPos += n;
        done += (UINT)n;
    }
    return done;
}

void CArchive::ReadExact(void* buffer, UINT count) {
    if (Read(buffer, count) != count) ThrowEnd();
}

void CArchive::Write(const void* buffer, UINT count) {
    if (m_loading) throw CArchiveException(CArchiveException::readOnly);
    const BYTE* in = (const BYTE*)buffer;
    if (m_bufEnd + count > m_buf.size()) {
        Flush();
        if (count >= m_buf.size()) {
            m_file->Write(in, count);
            return;
        }
    }
    memcpy(m_data + m_bufEnd, in, count);
    m_bufEnd += count;
}

void CArchive::Flush() {
    if (m_loading || m_bufEnd == 0) return;
    size_t n = m_bufEnd;
    m_bufEnd = 0;
    m_file->Write(m_data, (UINT)n);
}

void CArchive::Close() {
    Flush();
    m_file = nullptr;
}

void CArchive::Abort() {
    m_bufEnd = m_bufPos = 0;
    m_file = nullptr;
}

ULONGLONG CArchive::BytesLeft() const {
    ULONGLONG left = m_bufEnd - m_bufPos;
    if (!m_file) return left;
    ULONGLONG length = m_file->GetLength(), pos = m_file->GetPosition();
    return left + (length > pos ? length - pos : 0);
}

bool CArchive::IsAtEnd() {
    if (m_bufPos < m_bufEnd) return false;
    if (!m_file || !m_loading) return true;
    FillBuffer();
    return m_bufEnd == 0;
}

ULONG CArchive::ReadCount() {
    WORD w = ReadPod<WORD>();
    if (w != 0xFFFF) return w;
    return ReadPod<UINT32>();
}

void CArchive::WriteCount(ULONG count) {
    if (count < 0xFFFF) {
        WritePod((WORD)count);
    } else {
        WritePod((WORD)0xFFFF);
        WritePod((UINT32)count);
    }
}

ULONG CArchive::ReadStringLength(bool& wide) {
    wide = false;
    BYTE b = ReadPod<BYTE>();
    if (b < 0xFF) return b;
    WORD w = ReadPod<WORD>();
    if (w == 0xFFFE) {
        wide = true;
        b = ReadPod<BYTE>();
        if (b < 0xFF) return b;
        w = ReadPod<WORD>();
    }
    if (w < 0xFFFF) return w;
    UINT32 d = ReadPod<UINT32>();
    if (d == 0xFFFFFFFF) throw CArchiveException(CArchiveException::badIndex);  // 64-bit lengths are never written
    return d;
}

void CArchive::WriteStringLength(ULONG length) {
    if (length < 0xFF) {
        WritePod((BYTE)length);
    } else if (length < 0xFFFE) {
        WritePod((BYTE)0xFF);
        WritePod((WORD)length);
    } else {
        WritePod((BYTE)0xFF);
        WritePod((WORD)0xFFFF);
        WritePod((UINT32)length);
    }
}

void CArchive::WriteString(const CString& s) {
    WritePod((BYTE)0xFF);
    WritePod((WORD)0xFFFE);
    WriteStringLength((ULONG)s.GetLength());
    Write(s.GetString(), (UINT)(s.GetLength() * sizeof(wchar_t)));
}

void CArchive::WriteString(const CStringA& s) {
    WriteStringLength((ULONG)s.GetLength());
    Write(s.GetString(), (UINT)s.GetLength());
}

CString CArchive::ReadString() {
    CString s;
    ReadString(s);
    return s;
}

void CArchive::ReadString(CString& s) {
    bool wide;
    ULONG length = ReadStringLength(wide);
    ULONGLONG bytes = (ULONGLONG)length * (wide ? 2 : 1);
    // Check before allocating: a damaged length must not reserve gigabytes.
    // What the buffer already holds needs no look at the file.
    if (bytes > m_bufEnd - m_bufPos && bytes > BytesLeft()) ThrowEnd();
    if (wide) {
        std::wstring& text = s.str();
        if (bytes <= m_bufEnd - m_bufPos) {
            // Straight from the buffer into the string's own room.
            text.assign((size_t)length, L'\0');
            if (length) memcpy(&text[0], m_data + m_bufPos, (size_t)bytes);
            m_bufPos += (size_t)bytes;
        } else {
            // A short read leaves the string as it was.
            std::wstring read((size_t)length, L'\0');
            if (length) ReadExact(&read[0], (UINT)bytes);
            text.swap(read);
        }
        return;
    }
    CStringA a;
    if (length) ReadExact(a.GetBufferSetLength((int)length), (UINT)bytes);
    s = AnsiToString(a);
}

CArchive& CArchive::operator>>(CStringA& v) {
    v = StringToAnsi(ReadString());
    return *this;
}
