#include "app/ProgramSetLogic.h"

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Zorel Start";

CString MakeRunValue(const CString& modulePath) {
    CString value;
    value.Format(L"\"%s\" /login", modulePath.GetString());
    return value;
}

bool IsOwnRunValue(const CString& value, const CString& modulePath) {
    if (value.IsEmpty()) return false;
    CString rest = value;
    rest.TrimRight(L" /login");
    rest.Remove(L'"');
    return rest == modulePath;
}

bool MayDeleteRunValue(const CString& found, const CString& modulePath) {
    return found.IsEmpty() || found == MakeRunValue(modulePath);
}

std::vector<CString> ListLanguageNames(const CString& folder) {
    std::vector<CString> names;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(folder + L"*.txt", &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CString name = data.cFileName;
        if (name.GetLength() > 4) names.push_back(name.Left(name.GetLength() - 4));
    } while (::FindNextFileW(find, &data) && names.size() < 1000);
    ::FindClose(find);
    return names;
}
