#include "SystemUtil.h"

#include "Seams.h"

#include <exdisp.h>
#include <shldisp.h>

#include <cstring>

BYTE* LoadResourceCopy(HMODULE module, UINT id, const wchar_t* type, DWORD* size) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return nullptr;
    const void* data = LockResource(loaded);
    DWORD bytes = SizeofResource(module, found);
    if (!data) return nullptr;
    BYTE* copy = new BYTE[bytes ? bytes : 1];
    memcpy(copy, data, bytes);
    if (size) *size = bytes;
    return copy;
}

void ShowDesktop(bool minimise) {
    if (FAILED(CoInitialize(nullptr))) return;
    IShellDispatch* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER, IID_IShellDispatch, (void**)&shell)) &&
        shell) {
        if (minimise) shell->MinimizeAll();
        else shell->UndoMinimizeALL();
        shell->Release();
    }
    CoUninitialize();
}

static CStringA KeyboardLocaleInfo(LCTYPE type) {
    LCID locale = MAKELCID(LOWORD((ULONG_PTR)GetKeyboardLayout(0)), SORT_DEFAULT);
    wchar_t name[128] = {};
    GetLocaleInfoW(locale, type, name, 128);
    CStringA ansi = StringToAnsi(name);
    // Kept within the 256 bytes callers have always been given.
    if (ansi.GetLength() > 256) ansi.Truncate(256);
    return ansi;
}

CStringA GetKeyboardLanguageName() {
    static const CStringA name = KeyboardLocaleInfo(LOCALE_SENGLANGUAGE);
    return name;
}

CStringA GetKeyboardCountryName() {
    static const CStringA name = [] {
        CStringA country = KeyboardLocaleInfo(LOCALE_SENGCOUNTRY);
        return country.IsEmpty() ? CStringA("Unknown") : country;
    }();
    return name;
}

void CenterDialog(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (client.right - client.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (client.bottom - client.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableShutdownPrivilege() {
    static bool done = false;
    if (done) return;
    done = true;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

void AbortShutdown() { GetSessionControl().AbortShutdown(); }

void StartSystemShutdown(DWORD timeoutSeconds, bool force, bool reboot) {
    GetSessionControl().AbortShutdown();
    GetSessionControl().InitiateShutdown(timeoutSeconds, force, reboot);
}

BOOL LogOffNow(bool force) { return GetSessionControl().LogOff(force); }
