#include "widgets/WebIcons.h"

#include <algorithm>

std::vector<CString> ListWebIconNames(const CString& folder) {
    std::vector<CString> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(folder + L"*.png", &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        CString name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE) && name.GetLength() > 5)
            names.push_back(name.Left(name.GetLength() - 4));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::stable_sort(names.begin(), names.end(),
                     [](const CString& a, const CString& b) { return a.GetLength() > b.GetLength(); });
    return names;
}

const std::vector<CString>& GetWebIconNames(const CString& folder) {
    static const std::vector<CString> names = ListWebIconNames(folder);
    return names;
}

CString FindWebIconName(const std::vector<CString>& names, const CString& url) {
    for (const CString& name : names)
        if (url.Find(name) >= 0) return name;
    return CString();
}
