#include "TextUtil.h"

#include "fw/Convert.h"

#include <climits>
#include <cwctype>

void Utf8ToString(const char* bytes, CString& text) {
    text = bytes ? MultiByteToString(bytes, -1, CP_UTF8) : CString();
}

void SplitLines(const CString& text, CStringArray& lines) {
    int pos = 0;
    for (;;) {
        int feed = text.Find(L'\n', pos);
        if (feed < 0) break;
        lines.Add(text.Mid(pos, feed - pos + 1));
        pos = feed + 1;
    }
    if (!text.IsEmpty()) lines.Add(text.Mid(pos));
}

static void ReplaceFormatted(CString& text, const CString& token, const wchar_t* format, int number) {
    CString digits;
    digits.Format(format, number);
    text.Replace(token, digits);
}

void ReplaceNumber(CString& text, const CString& token, int number) { ReplaceFormatted(text, token, L"%d", number); }

void ReplaceTwoDigitNumber(CString& text, const CString& token, int number) {
    ReplaceFormatted(text, token, L"%02d", number);
}

CString GetSiteNameOfUrl(const CString& url) {
    int slashes = url.Find(L"//");
    if (slashes < 0) return CString();
    CString site = url.Mid(slashes + 2);
    int www = site.Find(L"www.");
    if (www >= 0) {
        site = site.Mid(www + 4);
    } else {
        int mobile = site.Find(L"m.");
        if (mobile >= 0) site = site.Mid(mobile + 2);
    }
    if (site.GetLength() <= 1) return CString();
    int dot = site.Find(L'.');
    if (dot > 0) site = site.Left(dot);
    site.SetAt(0, (wchar_t)towupper(site[0]));
    return site;
}

bool ScanInt(const wchar_t*& p, int& value) {
    const wchar_t* q = p;
    while (*q == L' ' || *q == L'\t' || *q == L'\r' || *q == L'\n' || *q == L'\v' || *q == L'\f') ++q;
    bool negative = false;
    if (*q == L'+' || *q == L'-') negative = *q++ == L'-';
    if (*q < L'0' || *q > L'9') return false;
    long long v = 0;
    for (; *q >= L'0' && *q <= L'9'; ++q) {
        v = v * 10 + (*q - L'0');
        if (v > (long long)INT_MAX + 1) v = (long long)INT_MAX + 1;
    }
    if (negative) v = -v;
    value = v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v;
    p = q;
    return true;
}

std::string EscapeXmlAttribute(const CString& text) { return EscapeXmlAttribute(StringToAnsi(text)); }

std::string EscapeXmlAttribute(const CStringA& text) {
    std::string out;
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}
