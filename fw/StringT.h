// CString and CStringA: the program's text type, a thin layer over
// std::basic_string with the familiar method names. Wide strings are the
// program's own; CStringA holds bytes in some code page (network texts, files).
#pragma once

#include <windows.h>
#include <cstdarg>
#include <algorithm>
#include <string>
#include <functional>
#include <iosfwd>

namespace fwdetail {
int VFormat(wchar_t* buf, size_t count, const wchar_t* fmt, va_list args);
int VFormat(char* buf, size_t count, const char* fmt, va_list args);
void ToUpper(wchar_t* s, size_t n);
void ToUpper(char* s, size_t n);
void ToLower(wchar_t* s, size_t n);
void ToLower(char* s, size_t n);
int CompareNoCase(const wchar_t* a, const wchar_t* b);
int CompareNoCase(const char* a, const char* b);
std::wstring Widen(const char* s, int len, UINT codePage);
std::string Narrow(const wchar_t* s, int len, UINT codePage);
inline size_t Length(const wchar_t* s) { return s ? wcslen(s) : 0; }
inline size_t Length(const char* s) { return s ? strlen(s) : 0; }
}  // namespace fwdetail

template <typename T>
class CStringT {
public:
    typedef T XCHAR;
    typedef typename std::conditional<std::is_same<T, wchar_t>::value, char, wchar_t>::type YCHAR;
    typedef std::basic_string<T> StdString;

    CStringT() = default;
    CStringT(const T* s) : m_s(s ? s : EmptyLiteral()) {}
    CStringT(const T* s, int len) : m_s(s ? StdString(s, len > 0 ? len : 0) : StdString()) {}
    CStringT(T ch, int repeat = 1) : m_s(repeat > 0 ? repeat : 0, ch) {}
    CStringT(const StdString& s) : m_s(s) {}
    CStringT(StdString&& s) : m_s(std::move(s)) {}
    // Crossing between wide and narrow goes through the ANSI code page.
    CStringT(const YCHAR* s) { AssignOther(s, -1); }
    CStringT(const CStringT<YCHAR>& s) { AssignOther(s.GetString(), s.GetLength()); }

    CStringT& operator=(const T* s) { m_s = s ? s : EmptyLiteral(); return *this; }
    CStringT& operator=(T ch) { m_s.assign(1, ch); return *this; }
    CStringT& operator=(const YCHAR* s) { AssignOther(s, -1); return *this; }
    CStringT& operator=(const CStringT<YCHAR>& s) { AssignOther(s.GetString(), s.GetLength()); return *this; }

    operator const T*() const { return m_s.c_str(); }
    const T* GetString() const { return m_s.c_str(); }
    const StdString& str() const { return m_s; }
    StdString& str() { return m_s; }

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    T GetAt(int i) const { return m_s.at((size_t)i); }
    void SetAt(int i, T ch) { m_s.at((size_t)i) = ch; }
    T operator[](int i) const { return m_s.at((size_t)i); }

    CStringT& operator+=(const CStringT& s) { m_s += s.m_s; return *this; }
    CStringT& operator+=(const T* s) { if (s) m_s += s; return *this; }
    CStringT& operator+=(T ch) { m_s += ch; return *this; }
    CStringT& Append(const T* s, int len) { if (s && len > 0) m_s.append(s, (size_t)len); return *this; }
    void AppendChar(T ch) { m_s += ch; }

    int Compare(const T* s) const { return m_s.compare(s ? s : EmptyLiteral()); }
    int CompareNoCase(const T* s) const { return fwdetail::CompareNoCase(m_s.c_str(), s ? s : EmptyLiteral()); }

    CStringT Mid(int first) const { return Mid(first, GetLength()); }
    CStringT Mid(int first, int count) const {
        if (first < 0) first = 0;
        if (count < 0) count = 0;
        if (first >= GetLength()) return CStringT();
        return CStringT(m_s.substr((size_t)first, (size_t)count));
    }
    CStringT Left(int count) const { return Mid(0, count); }
    CStringT Right(int count) const {
        if (count < 0) count = 0;
        if (count >= GetLength()) return *this;
        return CStringT(m_s.substr(m_s.size() - (size_t)count));
    }

    int Find(T ch, int start = 0) const { return FindResult(start < 0 || start > GetLength() ? StdString::npos : m_s.find(ch, (size_t)start)); }
    int Find(const T* sub, int start = 0) const {
        if (!sub || start < 0 || start > GetLength()) return -1;
        return FindResult(m_s.find(sub, (size_t)start));
    }
    int ReverseFind(T ch) const { return FindResult(m_s.rfind(ch)); }
    int FindOneOf(const T* set) const { return set ? FindResult(m_s.find_first_of(set)) : -1; }

    CStringT& MakeUpper() { if (!m_s.empty()) fwdetail::ToUpper(&m_s[0], m_s.size()); return *this; }
    CStringT& MakeLower() { if (!m_s.empty()) fwdetail::ToLower(&m_s[0], m_s.size()); return *this; }
    CStringT& MakeReverse() { m_s.assign(m_s.rbegin(), m_s.rend()); return *this; }

    CStringT& TrimLeft() { return TrimLeft(WhiteSpace()); }
    CStringT& TrimRight() { return TrimRight(WhiteSpace()); }
    CStringT& Trim() { return TrimRight().TrimLeft(); }
    CStringT& TrimLeft(T ch) { T set[2] = {ch, 0}; return TrimLeft(set); }
    CStringT& TrimRight(T ch) { T set[2] = {ch, 0}; return TrimRight(set); }
    CStringT& Trim(T ch) { return TrimRight(ch).TrimLeft(ch); }
    CStringT& TrimLeft(const T* set) { m_s.erase(0, std::min(m_s.size(), m_s.find_first_not_of(set))); return *this; }
    CStringT& TrimRight(const T* set) {
        size_t last = m_s.find_last_not_of(set);
        m_s.erase(last == StdString::npos ? 0 : last + 1);
        return *this;
    }
    CStringT& Trim(const T* set) { return TrimRight(set).TrimLeft(set); }

    int Replace(T from, T to) {
        int n = 0;
        for (T& c : m_s) if (c == from) { c = to; ++n; }
        return n;
    }
    int Replace(const T* from, const T* to) {
        size_t flen = fwdetail::Length(from);
        if (flen == 0) return 0;
        StdString repl = to ? to : EmptyLiteral();
        int n = 0;
        for (size_t pos = m_s.find(from); pos != StdString::npos; pos = m_s.find(from, pos + repl.size())) {
            m_s.replace(pos, flen, repl);
            ++n;
        }
        return n;
    }
    int Remove(T ch) {
        size_t before = m_s.size();
        m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
        return (int)(before - m_s.size());
    }
    int Insert(int index, T ch) { return Insert(index, CStringT(ch).GetString()); }
    int Insert(int index, const T* s) {
        if (index < 0) index = 0;
        if (index > GetLength()) index = GetLength();
        if (s) m_s.insert((size_t)index, s);
        return GetLength();
    }
    int Delete(int index, int count = 1) {
        if (index < 0) index = 0;
        if (count > 0 && index < GetLength()) m_s.erase((size_t)index, (size_t)count);
        return GetLength();
    }

    CStringT SpanIncluding(const T* set) const { return Left(FindEnd(m_s.find_first_not_of(set))); }
    CStringT SpanExcluding(const T* set) const { return Left(FindEnd(m_s.find_first_of(set))); }

    // Returns the next token after start and moves start past it; at the end
    // start becomes -1 and the result is empty.
    CStringT Tokenize(const T* set, int& start) const {
        if (start < 0 || start >= GetLength()) { start = -1; return CStringT(); }
        size_t from = m_s.find_first_not_of(set, (size_t)start);
        if (from == StdString::npos) { start = -1; return CStringT(); }
        size_t to = m_s.find_first_of(set, from);
        if (to == StdString::npos) to = m_s.size();
        start = (int)to + 1;
        return CStringT(m_s.substr(from, to - from));
    }

    void Format(const T* fmt, ...) {
        va_list args;
        va_start(args, fmt);
        FormatV(fmt, args);
        va_end(args);
    }
    void AppendFormat(const T* fmt, ...) {
        va_list args;
        va_start(args, fmt);
        CStringT add;
        add.FormatV(fmt, args);
        va_end(args);
        m_s += add.m_s;
    }
    void FormatV(const T* fmt, va_list args) {
        size_t cap = 256;
        for (;;) {
            std::basic_string<T> buf(cap, T(0));
            va_list copy;
            va_copy(copy, args);
            int n = fwdetail::VFormat(&buf[0], cap, fmt, copy);
            va_end(copy);
            if (n >= 0 && (size_t)n < cap) { buf.resize((size_t)n); m_s.swap(buf); return; }
            if (cap >= (1u << 24)) { m_s.clear(); return; }
            cap *= 4;
        }
    }

    // Raw buffer access for APIs that fill a character array.
    T* GetBuffer(int minLength = 0) {
        if (minLength > GetLength()) m_s.resize((size_t)minLength);
        return &m_s[0];
    }
    T* GetBufferSetLength(int length) { m_s.resize(length > 0 ? (size_t)length : 0); return &m_s[0]; }
    void ReleaseBuffer(int newLength = -1) {
        if (newLength < 0) newLength = (int)fwdetail::Length(m_s.c_str());
        m_s.resize((size_t)newLength);
    }
    void Truncate(int length) { if (length >= 0 && length < GetLength()) m_s.resize((size_t)length); }

    friend CStringT operator+(const CStringT& a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, const T* b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const T* a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, T b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(T a, const CStringT& b) { CStringT r(a); r += b; return r; }

    friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CStringT& a, const T* b) { return a.Compare(b) == 0; }
    friend bool operator==(const T* a, const CStringT& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CStringT& a, const CStringT& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CStringT& a, const T* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const T* a, const CStringT& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CStringT& a, const CStringT& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CStringT& a, const CStringT& b) { return a.m_s > b.m_s; }
    friend bool operator<=(const CStringT& a, const CStringT& b) { return a.m_s <= b.m_s; }
    friend bool operator>=(const CStringT& a, const CStringT& b) { return a.m_s >= b.m_s; }

private:
    static const T* EmptyLiteral() { static const T empty[1] = {0}; return empty; }
    static const T* WhiteSpace() {
        static const T ws[] = {T(' '), T('\t'), T('\r'), T('\n'), T('\v'), T('\f'), 0};
        return ws;
    }
    static int FindResult(size_t pos) { return pos == StdString::npos ? -1 : (int)pos; }
    int FindEnd(size_t pos) const { return pos == StdString::npos ? GetLength() : (int)pos; }

    void AssignOther(const wchar_t* s, int len) { AssignConverted(s, len); }
    void AssignOther(const char* s, int len) { AssignConverted(s, len); }
    template <typename Y>
    void AssignConverted(const Y* s, int len) {
        if (!s) { m_s.clear(); return; }
        if (len < 0) len = (int)fwdetail::Length(s);
        if constexpr (std::is_same<T, wchar_t>::value) m_s = fwdetail::Widen(s, len, CP_ACP);
        else m_s = fwdetail::Narrow(s, len, CP_ACP);
    }

    StdString m_s;
};

typedef CStringT<wchar_t> CString;
typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;

// Writes the text as UTF-8 (test output and diagnostics).
std::ostream& operator<<(std::ostream& os, const CString& s);
std::ostream& operator<<(std::ostream& os, const CStringA& s);

namespace std {
template <typename T>
struct hash<CStringT<T>> {
    size_t operator()(const CStringT<T>& s) const { return hash<basic_string<T>>()(s.str()); }
};
}  // namespace std
