// CProgramSetPage: the sheet's "Basic" tab. Program-wide behaviour (start
// with Windows, tray icon, docking, hot keys on or off, backup level,
// language), twelve program hot keys, and the desktop-position option whose
// check stays hidden until revealed.
#pragma once

#include "app/SettingsPage.h"
#include "ui/HotKeyBtn.h"

class CProgramSetPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { HotKeyButtonCount = 12 };
    // Clicks on "View Memo when Starting" that reveal the desktop-position check.
    enum { RevealClicks = 6 };

    explicit CProgramSetPage(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // The fields, copied from the settings when the page is built.
    int m_bStartWithWindows = 0;
    int m_bViewMemoOnStart = 0;
    int m_bShowTrayIcon = 0;
    int m_bDocking = 0;
    int m_bHotKeyToggle = 0;
    int m_bEnableHotKey = 0;
    int m_bRevisionPosition = 0;
    int m_bWidgetShowEffect = 0;
    int m_bMenuWidgetAtStart = 0;
    int m_bEnableDesktop = 0;
    int m_nTrayIconClickRun = 0;
    int m_nHistoryLevel = 0;
    int m_nViewMemoClicks = 0;

    // The module path the Run value is compared with and written from.
    CString m_modulePath;

protected:
    bool PassesEscapeToSheet() const override { return false; }
    void OnViewMemoOnStart();
    void OnEnableHotKey();
    void OnEnableDesktop();
    void OnLanguageChanged();
    void OnLanguageFolder();
    void OnSeeQuickMenu();

private:
    void ReadControls();
    void UpdateControls();
    void FillLanguageList();

    CHotKeyBtn m_hotKeyButtons[HotKeyButtonCount];
};
