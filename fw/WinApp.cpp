#include "WinApp.h"

#include "CommonControls.h"
#include "TempMap.h"
#include "Wnd.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_resourceHandle = nullptr;
}  // namespace

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() {
    if (g_app && g_app->m_hInstance) return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE instance) { g_resourceHandle = instance; }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName) {
    g_app = this;
    m_hInstance = ::GetModuleHandleW(nullptr);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString exe = path;
    exe = exe.Mid(exe.ReverseFind(L'\\') + 1);
    int dot = exe.ReverseFind(L'.');
    if (dot > 0) exe = exe.Left(dot);
    m_exeName = exe;
    m_pszExeName = m_exeName;
    SetAppName(appName ? appName : m_exeName.GetString());
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::SetAppName(LPCTSTR name) {
    m_appName = name;
    m_pszAppName = m_appName;
    if (m_pszProfileName) {
        m_profileName = m_appName;
        m_pszProfileName = m_profileName;
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    MSG msg = {};
    for (;;) {
        try {
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) OnIdle(0);
        } catch (...) {
            AfxLogCaughtException("the idle work");
        }
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        try {
            if (!PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        } catch (...) {
            AfxLogCaughtException("the message loop");
        }
    }
    m_exitCode = (int)msg.wParam;
    return ExitInstance();
}

int CWinApp::ExitInstance() { return m_exitCode; }

BOOL CWinApp::OnIdle(LONG) {
    fwdetail::DeleteTempObjects();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    if (!msg->hwnd) return FALSE;
    HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(main, msg)) return TRUE;
    // The main window also sees what goes to windows outside its family
    // (its accelerators work everywhere in the program).
    if (main) {
        HWND top = msg->hwnd;
        while (top && (::GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD)) top = ::GetParent(top);
        if (top != main && m_pMainWnd->PreTranslateMessage(msg)) return TRUE;
    }
    return FALSE;
}

// ---- Profile -----------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCTSTR key) {
    m_registryKey = key ? key : L"";
    m_pszRegistryKey = m_registryKey;
    m_profileName = m_appName;
    m_pszProfileName = m_profileName;
}

HKEY CWinApp::GetAppRegistryKey() {
    if (!m_pszRegistryKey || !*m_pszRegistryKey || !m_pszProfileName) return nullptr;
    CString path;
    path.Format(L"Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY CWinApp::GetSectionKey(LPCTSTR section) {
    HKEY app = GetAppRegistryKey();
    if (!app) return nullptr;
    HKEY key = nullptr;
    LONG rc = ::RegCreateKeyExW(app, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                                &key, nullptr);
    ::RegCloseKey(app);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
    HKEY key = GetSectionKey(section);
    if (!key) return (UINT)defaultValue;
    DWORD value = 0, type = 0, size = sizeof(value);
    LONG rc = ::RegQueryValueExW(key, entry, nullptr, &type, (LPBYTE)&value, &size);
    ::RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return (UINT)defaultValue;
    return value;
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
    CString fallback = defaultValue ? defaultValue : L"";
    HKEY key = GetSectionKey(section);
    if (!key) return fallback;
    DWORD type = 0, size = 0;
    LONG rc = ::RegQueryValueExW(key, entry, nullptr, &type, nullptr, &size);
    CString result = fallback;
    if (rc == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, 0);
        DWORD got = (DWORD)(buffer.size() * sizeof(wchar_t));
        if (::RegQueryValueExW(key, entry, nullptr, &type, (LPBYTE)buffer.data(), &got) == ERROR_SUCCESS) {
            buffer.back() = 0;  // stored strings need not end in a zero
            result = buffer.data();
        }
    }
    ::RegCloseKey(key);
    return result;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    DWORD data = (DWORD)value;
    LONG rc = ::RegSetValueExW(key, entry, 0, REG_DWORD, (const BYTE*)&data, sizeof(data));
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (!entry) {
        HKEY app = GetAppRegistryKey();
        if (!app) return FALSE;
        LONG rc = ::RegDeleteTreeW(app, section);
        ::RegCloseKey(app);
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    LONG rc;
    if (!value) {
        rc = ::RegDeleteValueW(key, entry);
        if (rc == ERROR_FILE_NOT_FOUND) rc = ERROR_SUCCESS;
    } else {
        rc = ::RegSetValueExW(key, entry, 0, REG_SZ, (const BYTE*)value,
                              (DWORD)((wcslen(value) + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE* data, UINT* bytes) {
    *data = nullptr;
    *bytes = 0;
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    DWORD type = 0, size = 0;
    LONG rc = ::RegQueryValueExW(key, entry, nullptr, &type, nullptr, &size);
    if (rc == ERROR_SUCCESS && type == REG_BINARY) {
        LPBYTE buffer = new BYTE[size ? size : 1];
        rc = ::RegQueryValueExW(key, entry, nullptr, &type, buffer, &size);
        if (rc == ERROR_SUCCESS) {
            *data = buffer;
            *bytes = size;
        } else {
            delete[] buffer;
        }
    }
    ::RegCloseKey(key);
    return *data != nullptr;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE data, UINT bytes) {
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    LONG rc = ::RegSetValueExW(key, entry, 0, REG_BINARY, data, bytes);
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

// ---- Entry and helpers --------------------------------------------------------------

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR cmdLine, int cmdShow) {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = cmdLine;
    app->m_nCmdShow = cmdShow;
    AfxInitCommonControls();
    if (!app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

void AfxLogCaughtException(const char* where) noexcept {
    char line[512];
    try {
        throw;
    } catch (const std::exception& e) {
        snprintf(line, sizeof line, "Zorel: %s failed: %s\n", where, e.what());
    } catch (...) {
        snprintf(line, sizeof line, "Zorel: %s failed\n", where);
    }
    ::OutputDebugStringA(line);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT) {
    HWND owner = ::GetActiveWindow();
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    CWinApp* app = AfxGetApp();
    return ::MessageBoxW(owner, text, app ? app->m_pszAppName : nullptr, type);
}

int AfxMessageBox(UINT textId, UINT type, UINT helpId) {
    wchar_t buffer[1024] = {};
    ::LoadStringW(AfxGetResourceHandle(), textId, buffer, 1024);
    return AfxMessageBox(buffer, type, helpId);
}
