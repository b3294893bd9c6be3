#include "widgets/SkinPath.h"

#include <cwchar>

bool IsSafeSkinFileName(const CString& name) {
    if (name.IsEmpty() || name == L"." || name == L"..") return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        wchar_t c = name[i];
        if (c < 32 || wcschr(L"\\/:*?\"<>|", c)) return false;
    }
    wchar_t last = name[name.GetLength() - 1];
    if (last == L'.' || last == L' ') return false;
    // Device names are reserved with any extension.
    CString base = name;
    int dot = base.Find(L'.');
    if (dot >= 0) base = base.Left(dot);
    base.TrimRight(L' ');
    base.MakeUpper();
    static const wchar_t* const kDevices[] = {L"CON", L"NUL", L"AUX", L"PRN"};
    for (const wchar_t* d : kDevices)
        if (base == d) return false;
    if (base.GetLength() == 4 && (base.Left(3) == L"COM" || base.Left(3) == L"LPT") && base[3] >= L'1' &&
        base[3] <= L'9')
        return false;
    return true;
}
