#include "app/SetupMemo.h"

#include "app/CalendarPage.h"
#include "app/ClockPage.h"
#include "app/FileSharePage.h"
#include "app/HotKeyPage.h"
#include "app/MemoColPage.h"
#include "app/MemoSetup.h"
#include "app/ProgramSetPage.h"
#include "app/SettingsIds.h"
#include "app/WidgetPage.h"
#include "res/images.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/SystemUtil.h"

namespace {
struct TabInfo {
    UINT buttonId;
    int bitmapId;
    int captionText;
};
const TabInfo kTabs[CSetupMemo::TabCount] = {
    {IDC_SM_TAB0, IDB_TAB_BASIC, 90},    {IDC_SM_TAB1, IDB_TAB_MEMO, 91},     {IDC_SM_TAB2, IDB_TAB_COLOR, 92},
    {IDC_SM_TAB3, IDB_TAB_SHORTCUT, 93}, {IDC_SM_TAB4, IDB_TAB_CLOCK, 94},    {IDC_SM_TAB5, IDB_TAB_CALENDAR, 95},
    {IDC_SM_TAB6, IDB_TAB_WIDGETS, 96},  {IDC_SM_TAB7, IDB_TAB_SHARE, 24070},
};
const COLORREF kBitmapTransparent = 0xFF00FF;
}  // namespace

BEGIN_MESSAGE_MAP(CSetupMemo, CDialog)
    ON_BN_CLICKED(IDC_SM_APPLY, OnApply)
    ON_BN_CLICKED(IDC_SM_DEFAULT, OnDefault)
    ON_COMMAND_RANGE(IDC_SM_TAB2, IDC_SM_TAB7, OnTabClicked)
END_MESSAGE_MAP()

CSetupMemo::CSetupMemo(ISettingsHost& host, int startTab, int hotKeySub)
    : CDialog(IDD_SETUP_MEMO), m_host(host), m_nHotKeySub(hotKeySub) {
    m_nCurrentTab = (startTab >= 0 && startTab < TabCount && TabAvailable(startTab)) ? startTab : 0;
}

CSetupMemo::~CSetupMemo() {
    if (m_hWnd) DestroyWindow();
    DeletePages();
}

BOOL CSetupMemo::Create(CWnd* owner) {
    m_hOwner = owner ? owner->GetSafeHwnd() : nullptr;
    return CDialog::Create(IDD_SETUP_MEMO, owner);
}

bool CSetupMemo::TabAvailable(int tab) {
    if (tab < 0 || tab >= TabCount) return false;
    return (tab < 4 || tab > 6) || g_PlatformId >= 2;
}

UINT CSetupMemo::TabButtonId(int tab) { return (tab >= 0 && tab < TabCount) ? kTabs[tab].buttonId : 0; }

int CSetupMemo::TabFromButtonId(UINT id) {
    for (int tab = 0; tab < TabCount; ++tab)
        if (kTabs[tab].buttonId == id) return tab;
    return -1;
}

CSettingsPage* CSetupMemo::GetPage(int tab) const {
    switch (tab) {
    case 0: return m_pProgramPage;
    case 1: return m_pMemoSetup;
    case 2: return m_pMemoColPage;
    case 3: return m_pHotKeyPage;
    case 4: return m_pClockPage;
    case 5: return m_pCalendarPage;
    case 6: return m_pWidgetPage;
    case 7: return m_pFileSharePage;
    default: return nullptr;
    }
}

// ---- Creation and initialisation -------------------------------------------------

void CSetupMemo::CreatePages() {
    // A page that cannot be made is left out, and so is every page after it.
    auto make = [this](auto*& page) {
        using Page = std::remove_reference_t<decltype(*page)>;
        page = new Page(*this);
        if (page->CreatePage()) return true;
        delete page;
        page = nullptr;
        return false;
    };
    if (!make(m_pMemoSetup)) return;
    if (!make(m_pProgramPage)) return;
    m_pHotKeyPage = new CHotKeyPage(*this);
    m_pHotKeyPage->m_nRequestedSlot = m_nHotKeySub;
    if (!m_pHotKeyPage->CreatePage()) {
        delete m_pHotKeyPage;
        m_pHotKeyPage = nullptr;
        return;
    }
    if (!make(m_pMemoColPage)) return;
    if (TabAvailable(4)) {
        if (!make(m_pClockPage)) return;
        if (!make(m_pCalendarPage)) return;
        if (!make(m_pWidgetPage)) return;
    }
    make(m_pFileSharePage);
}

BOOL CSetupMemo::OnInitDialog() {
    CDialog::OnInitDialog();
    CreatePages();
    for (int tab = 0; tab < TabCount; ++tab) m_tabButtons[tab].SubclassDlgItem(kTabs[tab].buttonId, this);
    ApplyTexts();
    for (int tab = 0; tab < TabCount; ++tab) {
        CStateButton& button = m_tabButtons[tab];
        button.SetBitmaps(kTabs[tab].bitmapId, kBitmapTransparent, kTabs[tab].bitmapId, kBitmapTransparent);
        button.OffsetColor(0, 30, FALSE);
        button.SetAlign(1, FALSE);
        if (!TabAvailable(tab)) button.ShowWindow(SW_HIDE);
    }

    // Pages sit inside the frame static, one pixel in from its edge.
    CRect frame;
    if (CWnd* marker = GetDlgItem(IDC_SM_FRAME)) {
        marker->GetWindowRect(&frame);
        ScreenToClient(&frame);
    }
    frame.DeflateRect(1, 1);
    for (int tab = 0; tab < TabCount; ++tab)
        if (CSettingsPage* page = GetPage(tab))
            page->SetWindowPos(nullptr, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pProgramPage) m_pProgramPage->ShowWindow(SW_SHOW);

    SelectTab(m_nCurrentTab, -1);
    CenterDialog(m_hWnd);
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow();
    return TRUE;
}

void CSetupMemo::ApplyTexts() {
    SetWindowText(g_LanguageTable[100]);
    SetDlgItemText(IDOK, g_LanguageTable[23]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    SetDlgItemText(IDC_SM_APPLY, g_LanguageTable[25]);
    SetDlgItemText(IDC_SM_DEFAULT, g_LanguageTable[24]);
    for (int tab = 0; tab < TabCount; ++tab) SetDlgItemText(kTabs[tab].buttonId, g_LanguageTable[kTabs[tab].captionText]);
}

// ---- Tabs ----------------------------------------------------------------------------

void CSetupMemo::SelectTab(int tab, int sub) {
    if (!TabAvailable(tab)) return;
    m_nCurrentTab = tab;
    if (tab == 3) m_nHotKeySub = sub;
    for (int other = 0; other < TabCount; ++other)
        if (CSettingsPage* page = GetPage(other)) page->ShowWindow(other == tab ? SW_SHOW : SW_HIDE);
    if (tab == 3 && sub != -1 && m_pHotKeyPage) m_pHotKeyPage->SelectSlot(sub);
    if (CWnd* button = GetDlgItem(IDC_SM_DEFAULT)) button->EnableWindow(tab != 3);

    for (int other = 0; other < TabCount; ++other) {
        CStateButton& button = m_tabButtons[other];
        if (!button.GetSafeHwnd()) continue;
        if (other == tab) {
            button.SetColor(0, kSelectedInBack, FALSE);
            button.SetColor(2, kSelectedBack, FALSE);
            button.SetColor(4, kSelectedBack, FALSE);
            button.SetAllFgColors(kSelectedText, FALSE);
            button.SetCheck(TRUE, FALSE);
        } else {
            button.SetAllBkColors(::GetSysColor(COLOR_BTNFACE), FALSE);
            button.SetAllFgColors(::GetSysColor(COLOR_BTNTEXT), FALSE);
            button.SetCheck(FALSE, FALSE);
        }
        button.Invalidate(TRUE);
    }
}

void CSetupMemo::OnTabClicked(UINT id) {
    int tab = TabFromButtonId(id);
    if (tab >= 0) SelectTab(tab, -1);
}

void CSetupMemo::RefreshHotKeyPage() {}

void CSetupMemo::RefreshWidgetPage() {
    if (TabAvailable(6) && m_pWidgetPage) m_pWidgetPage->Refresh();
}

void CSetupMemo::RefreshSharePage() {
    if (m_pFileSharePage) m_pFileSharePage->UpdateServerState();
}

void CSetupMemo::RefreshCalendarPage() {
    if (TabAvailable(5) && m_pCalendarPage) m_pCalendarPage->FillAnniversaryList();
}

// ---- Buttons ---------------------------------------------------------------------------

void CSetupMemo::ApplyCurrentPage() {
    if (!TabAvailable(m_nCurrentTab)) return;
    if (CSettingsPage* page = GetPage(m_nCurrentTab)) page->Apply();
}

void CSetupMemo::OnApply() {
    ApplyCurrentPage();
    if (m_nCurrentTab == 0 || m_nCurrentTab == 1) m_host.ApplyMemoOptions();
    SaveAppConfig();
}

void CSetupMemo::OnOK() {
    // The owner re-applies the note options, saves and destroys the sheet.
    ApplyCurrentPage();
    PostClose(1);
}

void CSetupMemo::OnCancel() { PostClose(2); }

void CSetupMemo::OnDefault() {
    if (m_nCurrentTab == 3 || !TabAvailable(m_nCurrentTab)) return;
    if (CSettingsPage* page = GetPage(m_nCurrentTab)) page->SetDefaults();
}

void CSetupMemo::PostClose(int how) {
    if (m_hOwner) ::PostMessageW(m_hOwner, WM_SETTINGS_CLOSED, (WPARAM)how, 0);
}

void CSetupMemo::PostReopen(int tab, int sub) {
    if (m_hOwner) ::PostMessageW(m_hOwner, WM_REOPEN_SETTINGS, (WPARAM)tab, (LPARAM)sub);
}

void CSetupMemo::PostNcDestroy() {
    // The pages' windows have gone with the sheet's.
    DeletePages();
    CDialog::PostNcDestroy();
}

void CSetupMemo::DeletePages() {
    // The child windows go with the sheet; the objects are ours to delete.
    delete m_pProgramPage;
    m_pProgramPage = nullptr;
    delete m_pMemoColPage;
    m_pMemoColPage = nullptr;
    delete m_pMemoSetup;
    m_pMemoSetup = nullptr;
    delete m_pHotKeyPage;
    m_pHotKeyPage = nullptr;
    delete m_pClockPage;
    m_pClockPage = nullptr;
    delete m_pCalendarPage;
    m_pCalendarPage = nullptr;
    delete m_pWidgetPage;
    m_pWidgetPage = nullptr;
    delete m_pFileSharePage;
    m_pFileSharePage = nullptr;
}
