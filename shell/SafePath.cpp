#include "SafePath.h"

#include <cwchar>

namespace {

bool IsDeviceDigit(wchar_t c) {
    // Windows takes the superscript digits one to three as port numbers too.
    return (c >= L'0' && c <= L'9') || c == 0x00B9 || c == 0x00B2 || c == 0x00B3;
}

bool IsDeviceName(CString base) {
    // A device keeps its meaning with any extension ("nul.txt") and with
    // blanks before it ("con .txt").
    int dot = base.Find(L'.');
    if (dot >= 0) base = base.Left(dot);
    base.TrimRight(L' ');
    base.MakeUpper();
    static const wchar_t* const devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (const wchar_t* d : devices)
        if (base == d) return true;
    return base.GetLength() == 4 && (base.Left(3) == L"COM" || base.Left(3) == L"LPT") && IsDeviceDigit(base[3]);
}

}  // namespace

bool IsSafeFileName(const CString& name) {
    if (name.IsEmpty()) return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        wchar_t c = name[i];
        if (c < 32 || c == 127 || wcschr(L"\\/:*?\"<>|", c)) return false;
    }
    wchar_t last = name[name.GetLength() - 1];
    if (last == L'.' || last == L' ') return false;
    return !IsDeviceName(name);
}

bool IsSafeRelativePath(const CString& path) {
    CString p = path;
    p.Replace(L'/', L'\\');
    if (!p.IsEmpty() && p[p.GetLength() - 1] == L'\\') p.Truncate(p.GetLength() - 1);
    if (p.IsEmpty()) return false;
    bool named = false;
    int start = 0;
    for (;;) {
        int end = p.Find(L'\\', start);
        CString part = p.Mid(start, (end < 0 ? p.GetLength() : end) - start);
        if (part != L".") {
            if (!IsSafeFileName(part)) return false;
            named = true;
        }
        if (end < 0) return named;
        start = end + 1;
    }
}
