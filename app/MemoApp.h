// CMemoApp: the application object of Zorel. It prepares the platform facts,
// runs the start-up (settings, the language switch, texts, the single-instance
// check, sockets, the version stamp, the main frame, GDI+, the frame's own
// start-up and the tray menu) and the last clean-up at exit. Commands that
// reach it from note windows and dialogs go on to the main frame.
#pragma once

#include "fw/AfxWin.h"

class CMainFrame;

class CMemoApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    CMemoApp();
    ~CMemoApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The only way values reach the settings file.
    int GetConfigInt(const wchar_t* section, const wchar_t* key, int defaultValue);
    CString GetConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue);
    int WriteConfigInt(const wchar_t* section, const wchar_t* key, int value);
    int WriteConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* value);

    BOOL CloseRunningInstance();

    void OnShowAbout();
    void OnCloseAbout();
    void OnOpenMemoGroup(UINT id);
    void OnOpenWidgetMenu(UINT id);
    BOOL OnForwardCommand(UINT id);
    void OnIgnoredCommand() {}

    // True for the commands handed on to the main frame one by one.
    static bool IsForwardedCommand(UINT id);

    CMainFrame* GetMainFrame() const;

    // The About box, kept while it is open.
    CWnd* m_pAboutDlg = nullptr;
    ULONG_PTR m_gdiplusToken = 0;

private:
    // Loads the settings file, applies "-l"/"-L" and fills the text table;
    // false when start-up is to end.
    bool LoadSettingsAndTexts(bool allowExitSwitch);

    bool m_forwarding = false;
};

// The running application object, or null.
CMemoApp* GetMemoApp();
CMainFrame* GetMainFrame();
