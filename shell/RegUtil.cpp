#include "RegUtil.h"

int WriteRegString(HKEY root, const CString& subkey, const CString& valueName, const wchar_t* text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return 0;
    LONG status = ERROR_SUCCESS;
    if (text) {
        DWORD bytes = (DWORD)((wcslen(text) + 1) * sizeof(wchar_t));
        status = RegSetValueExW(key, valueName, 0, REG_SZ, (const BYTE*)text, bytes);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}

int DeleteRegValue(HKEY root, const CString& subkey, const CString& valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return 0;
    LONG status = RegDeleteValueW(key, valueName);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}

int ReadRegString(HKEY root, const CString& subkey, const CString& valueName, CString& text) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    wchar_t buffer[kRegStringBufferBytes / sizeof(wchar_t)] = {};
    DWORD bytes = sizeof(buffer);
    LONG status = RegQueryValueExW(key, valueName, nullptr, nullptr, (BYTE*)buffer, &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return 0;
    // Only the returned characters count, whether or not a zero ends them.
    size_t chars = std::min<size_t>(bytes / sizeof(wchar_t), sizeof(buffer) / sizeof(wchar_t));
    text = CString(buffer, (int)wcsnlen(buffer, chars));
    return 1;
}
