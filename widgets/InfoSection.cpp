#include "widgets/InfoSection.h"

#include "tinyxml.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>

namespace {

bool IsWhite(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Up to two hexadecimal digits from text[pos]; a channel that does not scan
// is 0, and so is every channel after it.
int HexChannel(const CString& text, int pos, bool& ok) {
    if (!ok) return 0;
    int value = 0, digits = 0;
    for (int i = pos; i < text.GetLength() && digits < 2; ++i, ++digits) {
        int d = HexDigit(text[i]);
        if (d < 0) break;
        value = value * 16 + d;
    }
    if (digits == 0) ok = false;
    return value;
}

}  // namespace

// Decimal integer: white space, an optional sign, digits up to the first
// other character. Values beyond the int range are clamped to it.
int CInfoSection::ParseInt(const wchar_t* text) {
    if (!text) return 0;
    while (IsWhite(*text)) ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-') negative = *text++ == L'-';
    long long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        if (value > (long long)INT_MAX + 1) value = (long long)INT_MAX + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return (int)value;
}

// The longest leading decimal number with optional sign, point and exponent.
// Words such as "inf" and "nan" are not numbers here, and an overflowing
// exponent is clamped to the largest finite value.
double CInfoSection::ParseDouble(const wchar_t* text) {
    if (!text) return 0.0;
    while (IsWhite(*text)) ++text;
    const wchar_t* p = text;
    if (*p == L'+' || *p == L'-') ++p;
    const wchar_t* digitsStart = p;
    while (*p >= L'0' && *p <= L'9') ++p;
    bool any = p != digitsStart;
    if (*p == L'.') {
        const wchar_t* frac = ++p;
        while (*p >= L'0' && *p <= L'9') ++p;
        any = any || p != frac;
    }
    if (!any) return 0.0;
    if (*p == L'e' || *p == L'E') {
        const wchar_t* e = p + 1;
        if (*e == L'+' || *e == L'-') ++e;
        if (*e >= L'0' && *e <= L'9') {
            while (*e >= L'0' && *e <= L'9') ++e;
            p = e;
        }
    }
    std::wstring number(text, (size_t)(p - text));
    double value = wcstod(number.c_str(), nullptr);
    if (!std::isfinite(value)) value = value < 0 ? -DBL_MAX : DBL_MAX;
    return value;
}

DWORD CInfoSection::ParseColor(const CString& text) {
    DWORD r = 0, g = 0, b = 0, a = 255;
    if (text.Find(L',') >= 0) {
        DWORD parts[4] = {255, 255, 255, 255};
        int start = 0;
        for (int i = 0; i < 4 && start >= 0; ++i) {
            int comma = text.Find(L',', start);
            CString part = comma < 0 ? text.Mid(start) : text.Mid(start, comma - start);
            parts[i] = (DWORD)ParseInt(part) & 0xFF;
            start = comma < 0 ? -1 : comma + 1;
        }
        r = parts[0], g = parts[1], b = parts[2], a = parts[3];
    } else {
        bool ok = true;
        r = (DWORD)HexChannel(text, 0, ok);
        g = (DWORD)HexChannel(text, 2, ok);
        b = (DWORD)HexChannel(text, 4, ok);
        if (text.GetLength() > 6 && !IsWhite(text[6])) a = (DWORD)HexChannel(text, 6, ok);
    }
    return (a << 24) | (r << 16) | (g << 8) | b;
}

void CInfoSection::Clear() {
    m_Name.Empty();
    m_Values.RemoveAll();
}

bool CInfoSection::HasKey(const wchar_t* key) const {
    CString v;
    return Lookup(key, v);
}

bool CInfoSection::Lookup(const wchar_t* key, CString& value) const {
    return m_Values.Lookup(CString(key), value);
}

int CInfoSection::GetInt(const wchar_t* key, int def) const {
    CString v;
    return Lookup(key, v) ? ParseInt(v) : def;
}

bool CInfoSection::GetBool(const wchar_t* key, bool def) const {
    CString v;
    return Lookup(key, v) ? ParseInt(v) != 0 : def;
}

double CInfoSection::GetDouble(const wchar_t* key, double def) const {
    CString v;
    return Lookup(key, v) ? ParseDouble(v) : def;
}

float CInfoSection::GetFloat(const wchar_t* key, float def) const {
    CString v;
    if (!Lookup(key, v)) return def;
    double d = ParseDouble(v);
    if (d > FLT_MAX) d = FLT_MAX;
    if (d < -FLT_MAX) d = -FLT_MAX;
    return (float)d;
}

DWORD CInfoSection::GetColor(const wchar_t* key, DWORD def) const {
    CString v;
    return Lookup(key, v) ? ParseColor(v) : def;
}

CString CInfoSection::GetString(const wchar_t* key, const wchar_t* def) const {
    CString v;
    if (!Lookup(key, v)) return CString(def);
    v.TrimLeft(L'"');
    v.TrimRight(L'"');
    return v;
}

void CInfoSection::SetValue(const wchar_t* key, const wchar_t* value) {
    m_Values.SetAt(CString(key), CString(value));
}

void CInfoSection::CopyXmlAttribute(const TiXmlElement* element, const char* attribute) {
    if (!element || !attribute) return;
    const char* value = element->Attribute(attribute);
    if (!value) return;
    SetValue(MultiByteToString(attribute, (int)strlen(attribute), CP_THREAD_ACP),
             MultiByteToString(value, (int)strlen(value), CP_THREAD_ACP));
}

void CInfoSection::SetFromXml(const TiXmlElement* element, const char* attribute, const wchar_t* key) {
    if (!element || !attribute) return;
    const char* value = element->Attribute(attribute);
    if (!value) return;
    SetValue(key, MultiByteToString(value, (int)strlen(value), CP_THREAD_ACP));
}

wchar_t* DuplicateString(const wchar_t* text) {
    if (!text) return nullptr;
    size_t n = wcslen(text) + 1;
    wchar_t* copy = new wchar_t[n];
    wmemcpy(copy, text, n);
    return copy;
}
