// CArchive: buffered, little-endian serialisation of numbers and strings
// over a CFile. Strings use the archive string encoding: 0xFF, the marker
// 0xFFFE and a 1, 2 or 4-byte character count before UTF-16LE text; the
// marker-less form (bytes in the ANSI code page) is read as well.
// A short read throws CArchiveException(endOfFile); so does a string whose
// declared length exceeds the bytes left in the file.
#pragma once

#include "File.h"

#include <cstring>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096);
    // Loads straight from bytes that the caller owns and keeps alive while
    // the archive lives: no file and no copy between them and the values.
    CArchive(const void* data, size_t size);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_loading; }
    bool IsStoring() const { return !m_loading; }
    CFile* GetFile() const { return m_file; }

    // Reads up to count bytes; fewer only at the end of the file.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    void Flush();
    // Writes what is buffered; the file stays open and belongs to the caller.
    void Close();
    // Drops what is buffered without writing it and without throwing.
    void Abort();

    // Bytes that a load can still deliver (buffered plus left in the file).
    ULONGLONG BytesLeft() const;
    // Whether a load has nothing more to deliver. Unlike BytesLeft it asks
    // the file nothing while the buffer holds bytes, and otherwise reads on
    // into the buffer rather than asking for the file's size and place.
    bool IsAtEnd();

    // Element counts: 16 bits, or 0xFFFF and 32 bits.
    ULONG ReadCount();
    void WriteCount(ULONG count);

    void WriteString(const CString& s);   // archive string, UTF-16 form
    void WriteString(const CStringA& s);  // archive string, byte form
    CString ReadString();
    // Reads into a string that may already hold room for the text, so that
    // records read one after another need not allocate for every field.
    void ReadString(CString& s);

    // Numbers go straight to or from the buffer when it has room or holds
    // them; records of many small fields would otherwise pay a call each.
    template <typename T>
    CArchive& WritePod(T v) {
        static_assert(std::is_trivially_copyable<T>::value, "plain values only");
        if (!m_loading && m_bufEnd + sizeof v <= m_buf.size()) {
            memcpy(m_data + m_bufEnd, &v, sizeof v);
            m_bufEnd += sizeof v;
        } else {
            Write(&v, sizeof v);
        }
        return *this;
    }
    template <typename T>
    T ReadPod() {
        static_assert(std::is_trivially_copyable<T>::value, "plain values only");
        T v;
        if (m_loading && m_bufEnd - m_bufPos >= sizeof v) {
            memcpy(&v, m_data + m_bufPos, sizeof v);
            m_bufPos += sizeof v;
        } else {
            ReadExact(&v, sizeof v);
        }
        return v;
    }

    CArchive& operator<<(BYTE v) { return WritePod(v); }
    CArchive& operator<<(char v) { return WritePod(v); }
    CArchive& operator<<(bool v) { return WritePod((BYTE)(v ? 1 : 0)); }
    CArchive& operator<<(WORD v) { return WritePod(v); }
    CArchive& operator<<(short v) { return WritePod(v); }
    CArchive& operator<<(int v) { return WritePod((INT32)v); }
    CArchive& operator<<(UINT v) { return WritePod((UINT32)v); }
    CArchive& operator<<(LONG v) { return WritePod((INT32)v); }
    CArchive& operator<<(DWORD v) { return WritePod((UINT32)v); }
    CArchive& operator<<(LONGLONG v) { return WritePod(v); }
    CArchive& operator<<(ULONGLONG v) { return WritePod(v); }
    CArchive& operator<<(float v) { return WritePod(v); }
    CArchive& operator<<(double v) { return WritePod(v); }
    CArchive& operator<<(const CString& v) { WriteString(v); return *this; }
    CArchive& operator<<(const CStringA& v) { WriteString(v); return *this; }
    CArchive& operator<<(const wchar_t* v) { WriteString(CString(v)); return *this; }

    CArchive& operator>>(BYTE& v) { v = ReadPod<BYTE>(); return *this; }
    CArchive& operator>>(char& v) { v = ReadPod<char>(); return *this; }
    CArchive& operator>>(bool& v) { v = ReadPod<BYTE>() != 0; return *this; }
    CArchive& operator>>(WORD& v) { v = ReadPod<WORD>(); return *this; }
    CArchive& operator>>(short& v) { v = ReadPod<short>(); return *this; }
    CArchive& operator>>(int& v) { v = ReadPod<INT32>(); return *this; }
    CArchive& operator>>(UINT& v) { v = ReadPod<UINT32>(); return *this; }
    CArchive& operator>>(LONG& v) { v = ReadPod<INT32>(); return *this; }
    CArchive& operator>>(DWORD& v) { v = ReadPod<UINT32>(); return *this; }
    CArchive& operator>>(LONGLONG& v) { v = ReadPod<LONGLONG>(); return *this; }
    CArchive& operator>>(ULONGLONG& v) { v = ReadPod<ULONGLONG>(); return *this; }
    CArchive& operator>>(float& v) { v = ReadPod<float>(); return *this; }
    CArchive& operator>>(double& v) { v = ReadPod<double>(); return *this; }
    CArchive& operator>>(CString& v) { ReadString(v); return *this; }
    CArchive& operator>>(CStringA& v);

private:
    void ReadExact(void* buffer, UINT count);
    void FillBuffer();
    ULONG ReadStringLength(bool& wide);
    void WriteStringLength(ULONG length);
    [[noreturn]] void ThrowEnd() const;

    CFile* m_file;
    bool m_loading;
    std::vector<BYTE> m_buf;
    // The bytes being read or written: the buffer, or the caller's bytes
    // (only ever read).
    BYTE* m_data;
    size_t m_bufPos = 0;  // next byte to read
    size_t m_bufEnd = 0;  // bytes held (load) or waiting to be written (store)
};
