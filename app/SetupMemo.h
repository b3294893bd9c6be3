// CSetupMemo: the program's one settings window, a modeless dialog owned by
// the main frame. A row of eight tab buttons picks the page that shows; the
// sheet holds no settings of its own but routes OK, Cancel, Apply and
// Default to the page that is showing, and tells its owner when it is done
// (WM_SETTINGS_CLOSED) or should be opened again (WM_REOPEN_SETTINGS).
#pragma once

#include "app/SettingsHost.h"
#include "fw/AfxWin.h"
#include "ui/StateButton.h"

class CSettingsPage;
class CProgramSetPage;
class CMemoColPage;
class CMemoSetup;
class CHotKeyPage;
class CClockPage;
class CCalendarPage;
class CWidgetPage;
class CFileSharePage;

class CSetupMemo : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { TabCount = 8 };
    // Colours of the selected tab button.
    static constexpr COLORREF kSelectedInBack = 0xEBAA46;
    static constexpr COLORREF kSelectedBack = 0xCD8232;
    static constexpr COLORREF kSelectedText = 0x68F5FF;

    CSetupMemo(ISettingsHost& host, int startTab = 0, int hotKeySub = -1);
    ~CSetupMemo() override;

    // Creates the sheet, owned by the window that is told when it ends.
    BOOL Create(CWnd* owner);

    // Shows the page of a tab and hides the others; on the shortcut tab a
    // sub-slot other than -1 is selected on that page.
    void SelectTab(int tab, int sub);
    int GetCurrentTab() const { return m_nCurrentTab; }

    // The pages that exist answer these.
    void RefreshHotKeyPage();
    void RefreshWidgetPage();
    void RefreshSharePage();
    // The anniversary grid, after the anniversaries changed anywhere.
    void RefreshCalendarPage();

    // The page of a tab, null when it does not exist.
    CSettingsPage* GetPage(int tab) const;
    CProgramSetPage* GetProgramPage() const { return m_pProgramPage; }
    CMemoColPage* GetMemoColPage() const { return m_pMemoColPage; }
    CMemoSetup* GetMemoSetupPage() const { return m_pMemoSetup; }
    CHotKeyPage* GetHotKeyPage() const { return m_pHotKeyPage; }
    CClockPage* GetClockPage() const { return m_pClockPage; }
    CCalendarPage* GetCalendarPage() const { return m_pCalendarPage; }
    CWidgetPage* GetWidgetPage() const { return m_pWidgetPage; }
    CFileSharePage* GetFileSharePage() const { return m_pFileSharePage; }
    CStateButton& GetTabButton(int tab) { return m_tabButtons[tab]; }
    ISettingsHost& GetHost() { return m_host; }

    // Whether a tab exists on this platform (tabs 4-6 need the NT family).
    static bool TabAvailable(int tab);
    // The control id of a tab's button, and the tab of a button id (-1).
    static UINT TabButtonId(int tab);
    static int TabFromButtonId(UINT id);

    // Ends the sheet as its Cancel does; pages pass Escape here.
    void Cancel() { OnCancel(); }
    // Tells the owner the sheet is finished (1 applied, 2 cancelled, 0 closed
    // without saving) and asks it to open the sheet again on a tab.
    void PostClose(int how);
    void PostReopen(int tab, int sub);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void OnApply();
    void OnDefault();
    void OnTabClicked(UINT id);
    void PostNcDestroy() override;

private:
    void CreatePages();
    void ApplyTexts();
    // Apply of the page that shows, the memo options for tabs 0 and 1.
    void ApplyCurrentPage();
    void DeletePages();

    ISettingsHost& m_host;
    HWND m_hOwner = nullptr;
    CStateButton m_tabButtons[TabCount];
    int m_nCurrentTab = 0;
    int m_nHotKeySub = -1;
    CProgramSetPage* m_pProgramPage = nullptr;
    CMemoColPage* m_pMemoColPage = nullptr;
    CMemoSetup* m_pMemoSetup = nullptr;
    CHotKeyPage* m_pHotKeyPage = nullptr;
    CClockPage* m_pClockPage = nullptr;
    CCalendarPage* m_pCalendarPage = nullptr;
    CWidgetPage* m_pWidgetPage = nullptr;
    CFileSharePage* m_pFileSharePage = nullptr;
};
