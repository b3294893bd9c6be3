#include "SafePath.h"

#include <cwchar>

namespace {

bool IsDeviceDigit(wchar_t c) {
    // Windows takes the superscript digits one to three as port numbers too.
    return (c >= L'0' && c <= L'9') || c == 0x00B9 || c == 0x00B2 || c == 0x00B3;
}

// Every name from a list or an archive passes here, most of them long file
// names: the check looks at the characters in place and only names short
// enough to be a device are copied (onto the stack) to be compared.
bool IsDeviceName(const wchar_t* name, int length) {
    // A device keeps its meaning with any extension ("nul.txt") and with
    // blanks before it ("con .txt").
    const wchar_t* dot = wmemchr(name, L'.', (size_t)length);
    int n = dot ? (int)(dot - name) : length;
    while (n > 0 && name[n - 1] == L' ') --n;
    const int kLongestDevice = 7;  // CONOUT$
    if (n < 3 || n > kLongestDevice) return false;
    wchar_t base[kLongestDevice + 1];
    wmemcpy(base, name, (size_t)n);
    base[n] = 0;
    CharUpperBuffW(base, (DWORD)n);
    static const wchar_t* const devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (const wchar_t* d : devices)
        if (wcscmp(base, d) == 0) return true;
    return n == 4 && (wcsncmp(base, L"COM", 3) == 0 || wcsncmp(base, L"LPT", 3) == 0) && IsDeviceDigit(base[3]);
}

bool IsSafeName(const wchar_t* name, int length) {
    if (length <= 0) return false;
    // Every name of a list of a thousand notes passes here at each load:
    // the characters are judged in place, without a library call each.
    for (int i = 0; i < length; ++i) {
        wchar_t c = name[i];
        if (c < 32 || c == 127) return false;
        switch (c) {
        case L'\\': case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|':
            return false;
        default:
            break;
        }
    }
    wchar_t last = name[length - 1];
    if (last == L'.' || last == L' ') return false;
    return !IsDeviceName(name, length);
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

bool IsSafeFileName(const CString& name) { return IsSafeName(name.GetString(), name.GetLength()); }

bool IsSafeRelativePath(const CString& path) {
    const wchar_t* p = path.GetString();
    int length = path.GetLength();
    if (length > 0 && IsSeparator(p[length - 1])) --length;
    if (length == 0) return false;
    bool named = false;
    int start = 0;
    for (;;) {
        int end = start;
        while (end < length && !IsSeparator(p[end])) ++end;
        int n = end - start;
        if (!(n == 1 && p[start] == L'.')) {
            if (!IsSafeName(p + start, n)) return false;
            named = true;
        }
        if (end == length) return named;
        start = end + 1;
    }
}
