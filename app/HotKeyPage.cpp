#include "app/HotKeyPage.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/ZMsgBox.h"

#include <commctrl.h>

namespace {
const wchar_t kHistorySection[] = L"HistoryRun";
const wchar_t kHistoryPrefix[] = L"Script";
const int kRunTab = 23102, kWebTab = 23103, kInputLabel = 403, kGoCaption = 412;
const int kNotRecognised = 10083, kDeleteHistory = 10084;
IProfileStore* g_historyStore = nullptr;
}  // namespace

void CHotKeyPage::UseHistoryStore(IProfileStore* store) { g_historyStore = store; }

BEGIN_MESSAGE_MAP(CHotKeyPage, CSettingsPage)
    ON_NOTIFY(TCN_SELCHANGE, IDC_HK_TABS, OnTabChanged)
    ON_BN_CLICKED(IDC_HK_GO, OnGo)
    ON_BN_CLICKED(IDC_HK_CLEAR, OnClearHistory)
END_MESSAGE_MAP()

CHotKeyPage::CHotKeyPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_HOTKEY_PAGE) {}

CHotKeyPage::~CHotKeyPage() {
    // The sub-pages are child windows of this page: they go first.
    if (m_pRunPage && m_pRunPage->GetSafeHwnd()) m_pRunPage->DestroyWindow();
    if (m_pWebPage && m_pWebPage->GetSafeHwnd()) m_pWebPage->DestroyWindow();
}

BOOL CHotKeyPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    m_tabs.SubclassDlgItem(IDC_HK_TABS, this);
    m_history.SubclassDlgItem(IDC_HK_HISTORY, this);
    ApplyTexts();
    m_tabs.InsertItem(0, g_LanguageTable[kRunTab], 0);
    m_tabs.InsertItem(1, g_LanguageTable[kWebTab], 1);
    if (g_historyStore) m_history.SetStore(g_historyStore);
    m_history.LoadHistory(kHistorySection, kHistoryPrefix);

    // A sub-page that cannot be made is left out, and so is the one after it.
    m_pRunPage.reset(new CHotKeyRunPage(m_sheet));
    if (!m_pRunPage->CreateIn(this)) {
        m_pRunPage.reset();
    } else {
        m_pWebPage.reset(new CHotKeyWebPage(m_sheet));
        if (!m_pWebPage->CreateIn(this)) m_pWebPage.reset();
    }

    CRect frame;
    if (CWnd* marker = GetDlgItem(IDC_HK_FRAME)) {
        marker->GetWindowRect(&frame);
        ScreenToClient(&frame);
    }
    frame.DeflateRect(1, 1);
    for (CDialog* page : {(CDialog*)m_pRunPage.get(), (CDialog*)m_pWebPage.get()})
        if (page) page->SetWindowPos(nullptr, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowSubPage(HOTKEY_SUB_RUN);
    if (m_nRequestedSlot >= 0) SelectSlot(m_nRequestedSlot);
    return TRUE;
}

void CHotKeyPage::ApplyTexts() {
    SetDlgItemText(IDC_HK_INPUT_LABEL, g_LanguageTable[kInputLabel]);
    SetDlgItemText(IDC_HK_GO, g_LanguageTable[kGoCaption]);
}

void CHotKeyPage::ShowSubPage(int subPage) {
    if (m_tabs.GetSafeHwnd()) m_tabs.SendMessage(TCM_SETCURSEL, (WPARAM)subPage);
    if (m_pRunPage) m_pRunPage->ShowWindow(subPage == HOTKEY_SUB_RUN ? SW_SHOW : SW_HIDE);
    if (m_pWebPage) m_pWebPage->ShowWindow(subPage == HOTKEY_SUB_WEB ? SW_SHOW : SW_HIDE);
}

void CHotKeyPage::OnTabChanged(NMHDR*, LRESULT* result) {
    int selected = (int)m_tabs.SendMessage(TCM_GETCURSEL);
    ShowSubPage(selected == 1 ? HOTKEY_SUB_WEB : HOTKEY_SUB_RUN);
    *result = 0;
}

void CHotKeyPage::SelectSlot(int slot) {
    HotKeySlotRequest request = ResolveHotKeySlot(slot);
    if (request.subPage < 0) return;
    ShowSubPage(request.subPage);
    CHotKeyPageSlots* page = request.subPage == HOTKEY_SUB_WEB ? (CHotKeyPageSlots*)m_pWebPage.get()
                                                                : (CHotKeyPageSlots*)m_pRunPage.get();
    if (page) page->FocusSlot(request.slot);
}

void CHotKeyPage::Apply() {
    if (m_pRunPage) m_pRunPage->Apply();
    if (m_pWebPage) m_pWebPage->Apply();
}

void CHotKeyPage::OnGo() {
    CString text = GetDlgItemText(IDC_HK_HISTORY);
    ISettingsHost& host = m_sheet.GetHost();
    HotKeyRunResult result = RunHotKeyText(
        text, [&host](const CString& t) { return host.RunAction(t); },
        [](const CString& t) { return GetActionSystem().ShellOpenChecked(t); });
    if (result == HOTKEY_RUN_EMPTY) return;
    if (result == HOTKEY_RUN_FAILED) {
        ShowMessageBox(g_LanguageTable[kNotRecognised], -1);
        return;
    }
    m_history.SaveHistory(TRUE);
    m_sheet.OnOK();
}

void CHotKeyPage::OnClearHistory() {
    if (ShowMessageBox(g_LanguageTable[kDeleteHistory], 4) == IDYES) m_history.ClearHistory(TRUE);
}
