// CWinApp: the application object. A program defines one global object of a
// class derived from it; its entry point calls AfxWinMain, which runs
// InitInstance, then the message loop (Run) and finally ExitInstance.
//
// Profile values live in the registry under
// HKCU\Software\<registry key>\<profile name>\<section> once SetRegistryKey
// has named the key (the profile name is the application's name).
#pragma once

#include "CmdTarget.h"
#include "StringT.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_MESSAGE_MAP()
public:
    // The name defaults to the program file's name without its extension.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Called when the message queue is empty; frees the temporary objects.
    virtual BOOL OnIdle(LONG count);
    // Lets the message's window and its parents see it before dispatch.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // ---- Profile ----
    void SetRegistryKey(LPCTSTR key);
    UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);
    // A null entry removes the whole section, a null value removes the entry.
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
    // *data is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE* data, UINT* bytes);
    BOOL WriteProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE data, UINT bytes);
    // HKCU\Software\<key>\<profile>, created when missing; the caller closes it.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR section);

    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszExeName = nullptr;

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int);
    void SetAppName(LPCTSTR name);
    CString m_appName;
    CString m_registryKey;
    CString m_profileName;
    CString m_exeName;
    int m_exitCode = 0;
};

// The one application object (null before it is constructed).
CWinApp* AfxGetApp();
// The application's main window.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
// Runs the application object; call it from wWinMain.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR cmdLine, int cmdShow);
// The standard message box, titled with the application's name and owned by
// the active window of the program.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT textId, UINT type = MB_OK, UINT helpId = 0);
// The last line against exceptions: none may leave a window procedure, a
// hook or a message loop, where it would unwind through the system's frames.
// Called inside a catch block, it writes what was caught, and where, to the
// debugger's output; the caller then goes on.
void AfxLogCaughtException(const char* where) noexcept;
// Starts Winsock 2.2 once for the process; FALSE when it cannot.
BOOL AfxSocketInit(struct WSAData* data = nullptr);
// Controls need no container support here; kept so start-up reads as usual.
inline void AfxEnableControlContainer() {}
