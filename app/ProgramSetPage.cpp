#include "app/ProgramSetPage.h"

#include "app/ProgramSetLogic.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"

namespace {
struct HotKeySlot {
    UINT button, label;
    int text, hotKeyId;
};
const HotKeySlot kHotKeys[CProgramSetPage::HotKeyButtonCount] = {
    {1103, 1291, 207, 11}, {1101, 1296, 213, 12}, {1102, 1295, 212, 13},   {1106, 1294, 210, 18},
    {1104, 1292, 208, 19}, {1107, 1297, 214, 20}, {1108, 1301, 221, 21},   {1109, 1302, 240, 22},
    {1105, 1300, 11131, 34}, {1111, 1303, 31001, 35}, {1112, 1304, 27009, 36}, {1113, 1305, 27203, 37},
};
// Hot keys whose windows need the NT family.
bool NeedsNt(int hotKeyId) { return hotKeyId == 13 || hotKeyId == 21 || hotKeyId == 22; }

struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {IDC_PS_START_WITH_WINDOWS, 201}, {IDC_PS_VIEW_MEMO_ON_START, 202}, {IDC_PS_SHOW_TRAY_ICON, 203},
    {IDC_PS_DOCKING, 204},            {IDC_PS_HOTKEY_TOGGLE, 205},      {IDC_PS_ENABLE_HOTKEY, 243},
    {IDC_PS_REVISION_POSITION, 241},  {IDC_PS_WIDGET_SHOW_EFFECT, 31011}, {IDC_PS_MENU_WIDGET_AT_START, 31103},
    {IDC_PS_ENABLE_DESKTOP, 215},     {IDC_PS_TRAY_CLICK_LABEL, 206},   {IDC_PS_BACKUP_LABEL, 216},
    {IDC_PS_LANGUAGE_LABEL, 230},     {IDC_PS_LANGUAGE_FOLDER, 242},    {IDC_PS_SEE_QUICK_MENU, 11005},
};
const int kTrayClickTexts[] = {28000, 222, 223, 224, 225, 226, 227, 228, 229, 23101, 25101};
const int kBackupTexts[] = {217, 218, 219};
const int kDesktopQuestion = 23402;

CString ModulePath() {
    CString path;
    DWORD n = ::GetModuleFileNameW(nullptr, path.GetBuffer(MAX_PATH * 4), MAX_PATH * 4);
    path.ReleaseBuffer(n < MAX_PATH * 4 ? (int)n : 0);
    return path;
}

void FillList(CWnd* page, UINT id, const int* texts, int count) {
    HWND list = ::GetDlgItem(page->GetSafeHwnd(), id);
    if (!list) return;
    int selected = (int)::SendMessageW(list, CB_GETCURSEL, 0, 0);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[texts[i]].GetString());
    ::SendMessageW(list, CB_SETCURSEL, selected, 0);
}
}  // namespace

BEGIN_MESSAGE_MAP(CProgramSetPage, CSettingsPage)
    ON_BN_CLICKED(IDC_PS_VIEW_MEMO_ON_START, OnViewMemoOnStart)
    ON_BN_CLICKED(IDC_PS_ENABLE_HOTKEY, OnEnableHotKey)
    ON_BN_CLICKED(IDC_PS_ENABLE_DESKTOP, OnEnableDesktop)
    ON_CBN_SELCHANGE(IDC_PS_LANGUAGE_LIST, OnLanguageChanged)
    ON_BN_CLICKED(IDC_PS_LANGUAGE_FOLDER, OnLanguageFolder)
    ON_BN_CLICKED(IDC_PS_SEE_QUICK_MENU, OnSeeQuickMenu)
END_MESSAGE_MAP()

CProgramSetPage::CProgramSetPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_PROGRAM_SET_PAGE) {
    const CSettings::GeneralSection& g = g_Settings.General;
    m_bViewMemoOnStart = g.ViewMemoOnStart;
    m_bShowTrayIcon = g.ShowTrayIcon;
    m_bDocking = g.Docking;
    m_bHotKeyToggle = g.HotKeyToggle;
    m_bEnableHotKey = g.EnableHotKey;
    m_bRevisionPosition = g.RevisionPosition;
    m_bWidgetShowEffect = g.WidgetShowEffect;
    m_bMenuWidgetAtStart = g_Settings.QuickMenu.AutoStart2;
    m_bEnableDesktop = g.EnableDesktop;
    m_nTrayIconClickRun = g.TrayIconClickRun;
    m_nHistoryLevel = g.HistoryLevel;

    m_modulePath = ModulePath();
    CString value;
    if (GetRegistryValues().Read(HKEY_CURRENT_USER, kRunKey, kRunValueName, value))
        m_bStartWithWindows = IsOwnRunValue(value, m_modulePath) ? 1 : 0;
}

BOOL CProgramSetPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    ApplyTexts();
    FillLanguageList();
    if (m_bEnableDesktop) GetDlgItem(IDC_PS_ENABLE_DESKTOP)->ShowWindow(SW_SHOW);
    for (int i = 0; i < HotKeyButtonCount; ++i) {
        m_hotKeyButtons[i].SubclassDlgItem(kHotKeys[i].button, this);
        m_hotKeyButtons[i].SetHotKey(&g_Settings.HotKeyTable[kHotKeys[i].hotKeyId]);
        if (g_PlatformId < 2 && NeedsNt(kHotKeys[i].hotKeyId)) m_hotKeyButtons[i].EnableWindow(FALSE);
    }
    UpdateControls();
    return TRUE;
}

void CProgramSetPage::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    for (const HotKeySlot& slot : kHotKeys) SetDlgItemText(slot.label, g_LanguageTable[slot.text]);
    FillList(this, IDC_PS_TRAY_CLICK_LIST, kTrayClickTexts, (int)(sizeof kTrayClickTexts / sizeof *kTrayClickTexts));
    FillList(this, IDC_PS_BACKUP_LIST, kBackupTexts, 3);
}

void CProgramSetPage::FillLanguageList() {
    HWND combo = ::GetDlgItem(m_hWnd, IDC_PS_LANGUAGE_LIST);
    if (!combo) return;
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const CString& name : ListLanguageNames(g_ProgramFolder + L"system\\language\\")) {
        int index = (int)::SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)name.GetString());
        if (name == g_Settings.System.language) ::SendMessageW(combo, CB_SETCURSEL, index, 0);
    }
}

// ---- Fields and controls -------------------------------------------------------------

void CProgramSetPage::ReadControls() {
    auto checked = [this](UINT id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
    m_bStartWithWindows = checked(IDC_PS_START_WITH_WINDOWS);
    m_bViewMemoOnStart = checked(IDC_PS_VIEW_MEMO_ON_START);
    m_bShowTrayIcon = checked(IDC_PS_SHOW_TRAY_ICON);
    m_bDocking = checked(IDC_PS_DOCKING);
    m_bHotKeyToggle = checked(IDC_PS_HOTKEY_TOGGLE);
    m_bEnableHotKey = checked(IDC_PS_ENABLE_HOTKEY);
    m_bRevisionPosition = checked(IDC_PS_REVISION_POSITION);
    m_bWidgetShowEffect = checked(IDC_PS_WIDGET_SHOW_EFFECT);
    m_bMenuWidgetAtStart = checked(IDC_PS_MENU_WIDGET_AT_START);
    m_bEnableDesktop = checked(IDC_PS_ENABLE_DESKTOP);
    int tray = (int)SendDlgItemMessage(IDC_PS_TRAY_CLICK_LIST, CB_GETCURSEL, 0, 0);
    if (tray >= 0) m_nTrayIconClickRun = tray;
    int backup = (int)SendDlgItemMessage(IDC_PS_BACKUP_LIST, CB_GETCURSEL, 0, 0);
    if (backup >= 0) m_nHistoryLevel = backup;
}

void CProgramSetPage::UpdateControls() {
    auto check = [this](UINT id, int on) { CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); };
    check(IDC_PS_START_WITH_WINDOWS, m_bStartWithWindows);
    check(IDC_PS_VIEW_MEMO_ON_START, m_bViewMemoOnStart);
    check(IDC_PS_SHOW_TRAY_ICON, m_bShowTrayIcon);
    check(IDC_PS_DOCKING, m_bDocking);
    check(IDC_PS_HOTKEY_TOGGLE, m_bHotKeyToggle);
    check(IDC_PS_ENABLE_HOTKEY, m_bEnableHotKey);
    check(IDC_PS_REVISION_POSITION, m_bRevisionPosition);
    check(IDC_PS_WIDGET_SHOW_EFFECT, m_bWidgetShowEffect);
    check(IDC_PS_MENU_WIDGET_AT_START, m_bMenuWidgetAtStart);
    check(IDC_PS_ENABLE_DESKTOP, m_bEnableDesktop);
    SendDlgItemMessage(IDC_PS_TRAY_CLICK_LIST, CB_SETCURSEL, (WPARAM)m_nTrayIconClickRun, 0);
    SendDlgItemMessage(IDC_PS_BACKUP_LIST, CB_SETCURSEL, (WPARAM)m_nHistoryLevel, 0);
}

// ---- Apply and defaults ----------------------------------------------------------------

void CProgramSetPage::Apply() {
    ReadControls();
    CSettings::GeneralSection& g = g_Settings.General;
    g.Docking = m_bDocking;
    g.WidgetShowEffect = m_bWidgetShowEffect;
    g_Settings.QuickMenu.AutoStart2 = m_bMenuWidgetAtStart;
    g.HotKeyToggle = m_bHotKeyToggle;
    g.HistoryLevel = m_nHistoryLevel;
    g.ViewMemoOnStart = m_bViewMemoOnStart;
    g.RevisionPosition = m_bRevisionPosition;
    g.TrayIconClickRun = m_nTrayIconClickRun;

    if (m_bShowTrayIcon != g.ShowTrayIcon) {
        g.ShowTrayIcon = m_bShowTrayIcon;
        m_sheet.GetHost().ShowTrayIcon(m_bShowTrayIcon != 0);
    }

    // Registry failures leave the value as it was; nothing is reported.
    IRegistryValues& registry = GetRegistryValues();
    if (m_bStartWithWindows) {
        registry.Write(HKEY_CURRENT_USER, kRunKey, kRunValueName, MakeRunValue(m_modulePath));
    } else {
        CString found;
        registry.Read(HKEY_CURRENT_USER, kRunKey, kRunValueName, found);
        if (MayDeleteRunValue(found, m_modulePath)) registry.Delete(HKEY_CURRENT_USER, kRunKey, kRunValueName);
    }
}

void CProgramSetPage::SetDefaults() {
    m_bStartWithWindows = 1;
    m_bShowTrayIcon = 1;
    m_bDocking = 1;
    m_bHotKeyToggle = 0;
    m_bViewMemoOnStart = 1;
    m_bRevisionPosition = 1;
    m_bWidgetShowEffect = 1;
    m_bMenuWidgetAtStart = 1;
    m_nTrayIconClickRun = 0;
    m_nHistoryLevel = 1;
    UpdateControls();
}

// ---- Controls that act at once -----------------------------------------------------------

void CProgramSetPage::OnViewMemoOnStart() {
    ReadControls();
    g_Settings.General.ViewMemoOnStart = m_bViewMemoOnStart;
    if (++m_nViewMemoClicks >= RevealClicks) {
        m_nViewMemoClicks = 0;
        GetDlgItem(IDC_PS_ENABLE_DESKTOP)->ShowWindow(SW_SHOW);
    }
}

void CProgramSetPage::OnEnableHotKey() {
    m_bEnableHotKey = IsDlgButtonChecked(IDC_PS_ENABLE_HOTKEY) == BST_CHECKED ? 1 : 0;
    g_Settings.General.EnableHotKey = m_bEnableHotKey;
    if (m_bEnableHotKey)
        m_sheet.GetHost().RegisterHotKeys();
    else
        m_sheet.GetHost().UnregisterHotKeys();
}

void CProgramSetPage::OnEnableDesktop() {
    ReadControls();
    g_Settings.General.EnableDesktop = m_bEnableDesktop;
    if (m_bEnableDesktop) {
        if (ShowMessageBox(g_LanguageTable[kDesktopQuestion], 4) != IDYES) {
            m_bEnableDesktop = 0;
            g_Settings.General.EnableDesktop = 0;
            UpdateControls();
            return;
        }
    } else {
        m_sheet.GetHost().UnpinDesktopWindows();
    }
    // The other pages show the "Desktop" location only while the option is
    // on, so the sheet is made again: the owner saves, closes and reopens it.
    SaveAppConfig();
    m_sheet.PostClose(1);
    m_sheet.PostReopen(0, 0);
}

void CProgramSetPage::OnLanguageChanged() {
    CString chosen;
    int index = (int)SendDlgItemMessage(IDC_PS_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (index >= 0) {
        int length = (int)SendDlgItemMessage(IDC_PS_LANGUAGE_LIST, CB_GETLBTEXTLEN, (WPARAM)index, 0);
        if (length > 0) {
            SendDlgItemMessage(IDC_PS_LANGUAGE_LIST, CB_GETLBTEXT, (WPARAM)index,
                               (LPARAM)chosen.GetBuffer(length + 1));
            chosen.ReleaseBuffer(length);
        }
    }
    if (!chosen.IsEmpty()) {
        if (chosen == g_Settings.System.language) return;
        g_Settings.System.language = chosen;
        SaveAppConfig();
        LoadLanguageTexts();
    }
    ISettingsHost& host = m_sheet.GetHost();
    host.LoadTrayMenu();
    host.CloseAllDialogs(0);
    m_sheet.PostClose(0);
    m_sheet.PostReopen(0, 0);
}

void CProgramSetPage::OnLanguageFolder() { GetActionSystem().ShellOpen(g_ProgramFolder + L"system\\language\\"); }

void CProgramSetPage::OnSeeQuickMenu() { m_sheet.GetHost().ShowQuickMenu(1); }
