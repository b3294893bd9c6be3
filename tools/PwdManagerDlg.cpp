#include "tools/PwdManagerDlg.h"

#include "fw/Archive.h"
#include "shell/Action.h"
#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SystemUtil.h"
#include "tools/PwdClipboard.h"
#include "tools/PwdMessage.h"
#include "tools/ToolsIds.h"

#include <algorithm>

namespace {
const int kFields[] = {IDC_PWD_TITLE, IDC_PWD_ID, IDC_PWD_PASSWORD, IDC_PWD_URL,
                       IDC_PWD_EMAIL, IDC_PWD_PHONE, IDC_PWD_MEMO};
const int kLabels[] = {IDC_PWD_LABEL_TITLE, IDC_PWD_LABEL_ID,    IDC_PWD_LABEL_PASSWORD, IDC_PWD_LABEL_URL,
                       IDC_PWD_LABEL_EMAIL, IDC_PWD_LABEL_PHONE, IDC_PWD_LABEL_MEMO};
// The controls the compact view keeps, in the order their full-view places
// are remembered.
const int kCompactControls[] = {IDC_PWD_COPY_ID, IDC_PWD_COPY_PASSWORD, IDC_PWD_COUNTER, IDC_PWD_RESTART};

const COLORREF kGreenLit = RGB(60, 255, 60);
const COLORREF kGreenBack = RGB(60, 60, 60);
const COLORREF kRedLit = RGB(255, 0, 0);
const COLORREF kRedBack = RGB(20, 20, 20);

const CString& FieldOf(const CPwdInfo& info, int index) {
    const CString* fields[] = {&info.m_szTitle, &info.m_szID,    &info.m_szPassword, &info.m_szURL,
                               &info.m_szEmail, &info.m_szPhone, &info.m_szMemo};
    return *fields[index];
}
}  // namespace

BEGIN_MESSAGE_MAP(CPwdManagerDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_SYSCOMMAND()
    ON_WM_DESTROY()
    ON_LBN_SELCHANGE(IDC_PWD_LIST, OnSelChange)
    ON_LBN_DBLCLK(IDC_PWD_LIST, OnListDoubleClick)
    ON_BN_CLICKED(IDC_PWD_COPY_ID, OnCopyId)
    ON_BN_CLICKED(IDC_PWD_COPY_PASSWORD, OnCopyPassword)
    ON_BN_CLICKED(IDC_PWD_GO, OpenSite)
    ON_BN_CLICKED(IDC_PWD_ADD, AddEntry)
    ON_BN_CLICKED(IDC_PWD_EDIT, EditEntry)
    ON_BN_CLICKED(IDC_PWD_DELETE, DeleteEntry)
    ON_BN_CLICKED(IDC_PWD_CHANGE_MASTER, ChangeMasterPassword)
    ON_BN_CLICKED(IDC_PWD_RESTART, RestartCountdown)
END_MESSAGE_MAP()

CPwdManagerDlg::CPwdManagerDlg(const CString& password, CWnd* parent)
    : CDialog(IDD_PWD_MANAGER, parent),
      m_vault(g_ProgramFolder + L"pmanager_data\\"),
      m_szPassword(password),
      m_countdown(g_Settings.General.PMCountDown) {
    m_vault.m_historyLevel = g_Settings.General.HistoryLevel;
    m_fnRunAction = [](const CString& text) { return RunAction(text); };
    m_fnSaveSettings = [] { SaveAppConfig(); };
    m_fnRunAddDialog = [](CPwdAddDlg& dialog) { return dialog.DoModal(); };
    m_fnRunSetupDialog = [](CPwdSetupDlg& dialog) { return dialog.DoModal(); };
}

CPwdManagerDlg::~CPwdManagerDlg() {
    // Destroyed here, while this class's own handlers still run: closing
    // takes the vault's text off the clipboard.
    if (GetSafeHwnd()) DestroyWindow();
    SecureZeroMemory(m_szPassword.GetBuffer(), m_szPassword.GetLength() * sizeof(wchar_t));
}

BOOL CPwdManagerDlg::Create(CWnd* parent) {
    if (!CDialog::Create(IDD_PWD_MANAGER, parent)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CPwdManagerDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PWD_LIST, m_list);
    DDX_Control(dx, IDC_PWD_COUNTER, m_counter);
    DDX_Control(dx, IDC_PWD_NOTICE, m_notice);
    DDX_Control(dx, IDC_PWD_LABEL_TITLE, m_titleLabel);
    DDX_Control(dx, IDC_PWD_LABEL_PASSWORD, m_passwordLabel);
    DDX_Control(dx, IDC_PWD_LABEL_URL, m_urlLabel);
    DDX_Control(dx, IDC_PWD_CHANGE_MASTER, m_changeMaster);
    DDX_Control(dx, IDC_PWD_RESTART, m_restart);
}

BOOL CPwdManagerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[TXT_PWD_WINDOW_TITLE]);
    for (int i = 0; i < 7; ++i) SetDlgItemText(kLabels[i], g_LanguageTable[TXT_PWD_LABEL_FIRST + i]);
    const struct {
        int control;
        int text;
    } texts[] = {{IDC_PWD_ADD, TXT_PWD_ADD},         {IDC_PWD_EDIT, TXT_PWD_EDIT},
                 {IDC_PWD_DELETE, TXT_PWD_DELETE},   {IDC_PWD_COPY_ID, TXT_PWD_COPY},
                 {IDC_PWD_COPY_PASSWORD, TXT_PWD_COPY}, {IDC_PWD_GO, TXT_PWD_GO},
                 {IDCANCEL, TXT_PWD_CLOSE},          {IDC_PWD_NOTICE, TXT_PWD_CLIPBOARD_NOTICE}};
    for (const auto& t : texts) SetDlgItemText(t.control, g_LanguageTable[t.text]);

    LOGFONTW lf = {};
    if (CFont* font = GetFont()) ::GetObjectW((HFONT)font->GetSafeHandle(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&lf);
    m_titleLabel.SetFont(&m_boldFont);
    m_titleLabel.SetTextColor(RGB(0, 0, 200));
    m_passwordLabel.SetTextColor(RGB(196, 0, 0));
    m_urlLabel.SetFont(&m_boldFont);
    m_urlLabel.SetTextColor(RGB(0, 0, 156));
    m_notice.SetTextColor(RGB(255, 0, 0));
    m_notice.ShowWindow(SW_HIDE);

    m_list.SetItemHeight(0, 24);
    m_counter.m_strFormat = L"%03d";
    m_counter.m_bChangeable = 0;
    ApplyCounterColors();
    m_changeMaster.LoadImageStrip(305, 26, 26, RGB(255, 0, 255));
    m_changeMaster.SetTooltipText(g_LanguageTable[27018]);
    m_restart.LoadImageStrip(306, 30, 30, RGB(255, 0, 255));

    if (!m_countdown.Enabled()) {
        m_counter.ShowWindow(SW_HIDE);
        m_restart.ShowWindow(SW_HIDE);
    } else {
        StartCountdownTimer();
        ShowCounter();
    }
    ModifyStyle(0, WS_SYSMENU);
    LoadVault();
    FillList();
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    return TRUE;
}

// ---- The vault file ------------------------------------------------------------

void CPwdManagerDlg::LoadVault() {
    m_entries.clear();
    CPwdVault::LoadStatus status = m_vault.Load(m_szPassword, m_entries);
    switch (status) {
    case CPwdVault::loadMissing:
    case CPwdVault::loadOk:
        m_bHeld = false;
        return;
    case CPwdVault::loadDamaged: {
        // What could be read is shown; the file itself is kept as it is and
        // never written over, so the rest can still be recovered.
        m_bHeld = true;
        CString copy = m_vault.KeepDamagedCopy();
        CString text = g_LanguageTable[TXT_PWD_DAMAGED];
        if (!copy.IsEmpty()) text += L"\n" + copy;
        PwdMessageBox(GetSafeHwnd(), text, MB_OK | MB_ICONERROR);
        return;
    }
    default:
        // A file that could not be read, or is not this password's vault,
        // is not ours to write over.
        m_bHeld = true;
        PwdReportFileError(GetSafeHwnd());
        return;
    }
}

bool CPwdManagerDlg::SaveVault() {
    if (m_bHeld || !m_vault.Save(m_szPassword, m_entries)) {
        PwdReportFileError(GetSafeHwnd());
        return false;
    }
    return true;
}

bool CPwdManagerDlg::EncryptRecords(CArchive& ar) {
    std::vector<BYTE> cipher;
    if (!CPwdVault::EncryptRecords(m_entries, m_szPassword, cipher)) return false;
    ar.Write(cipher.data(), (UINT)cipher.size());
    return true;
}

bool CPwdManagerDlg::DecryptRecords(UINT32 count, const BYTE* cipher, size_t length) {
    return CPwdVault::DecryptRecords(count, cipher, length, m_szPassword, m_entries) == CPwdVault::decryptOk;
}

// ---- The list and the fields ---------------------------------------------------------

int CPwdManagerDlg::GetSelection() const { return m_list.GetSafeHwnd() ? m_list.GetCurSel() : -1; }

void CPwdManagerDlg::FillList() {
    m_list.ResetContent();
    for (const CPwdInfo& entry : m_entries) m_list.AddString(entry.m_szTitle);
    if (!m_entries.empty()) {
        int cursor = g_Settings.General.PwdCursor;
        if (cursor < 0 || cursor >= (int)m_entries.size()) cursor = 0;
        ShowEntry(cursor, true);
        GetDlgItem(IDC_PWD_EDIT)->EnableWindow(TRUE);
        GetDlgItem(IDC_PWD_DELETE)->EnableWindow(TRUE);
        return;
    }
    for (int id : {IDC_PWD_COPY_ID, IDC_PWD_COPY_PASSWORD, IDC_PWD_GO, IDC_PWD_EDIT, IDC_PWD_DELETE})
        GetDlgItem(id)->EnableWindow(FALSE);
    for (int id : kFields) SetDlgItemText(id, L"");
}

void CPwdManagerDlg::ShowEntry(int index, bool select) {
    if (index < 0 || index >= (int)m_entries.size()) return;
    const CPwdInfo& entry = m_entries[(size_t)index];
    for (int i = 0; i < 7; ++i) SetDlgItemText(kFields[i], FieldOf(entry, i));
    if (select) m_list.SetCurSel(index);
    EnableEntryButtons(&entry);
}

void CPwdManagerDlg::EnableEntryButtons(const CPwdInfo* entry) {
    GetDlgItem(IDC_PWD_COPY_ID)->EnableWindow(entry && !entry->m_szID.IsEmpty());
    GetDlgItem(IDC_PWD_COPY_PASSWORD)->EnableWindow(entry && !entry->m_szPassword.IsEmpty());
    GetDlgItem(IDC_PWD_GO)->EnableWindow(entry && !entry->m_szURL.IsEmpty());
}

void CPwdManagerDlg::OnSelChange() { ShowEntry(m_list.GetCurSel(), false); }

void CPwdManagerDlg::OnListDoubleClick() {
    int index = m_list.GetCurSel();
    if (index < 0 || index >= (int)m_entries.size()) return;
    if (!m_entries[(size_t)index].m_szURL.IsEmpty())
        OpenSite();
    else
        EditEntry();
}

// ---- Copying and opening -------------------------------------------------------------

void CPwdManagerDlg::CopyField(int button) {
    CString text;
    GetDlgItemText(button == IDC_PWD_COPY_ID ? IDC_PWD_ID : IDC_PWD_PASSWORD, text);
    if (text.IsEmpty()) return;
    DWORD mark = 0;
    if (!GetPwdClipboard().SetText(GetSafeHwnd(), text, mark)) return;
    m_bClipboardUsed = true;
    m_clipboardMark = mark;
    m_notice.ShowWindow(SW_SHOW);
    SetTimer(TIMER_NOTICE, NOTICE_MS);
    if (!m_bCompact) ShowCompactView();
}

void CPwdManagerDlg::OpenSite() {
    CString url;
    GetDlgItemText(IDC_PWD_URL, url);
    if (url.IsEmpty()) return;
    if (m_fnRunAction && m_fnRunAction(url)) return;
    GetActionSystem().ShellOpen(PwdRules::SiteAddress(url));
    CString id;
    GetDlgItemText(IDC_PWD_ID, id);
    DWORD mark = 0;
    if (!id.IsEmpty() && GetPwdClipboard().SetText(GetSafeHwnd(), id, mark)) {
        m_bClipboardUsed = true;
        m_clipboardMark = mark;
    }
    int index = m_list.GetCurSel();
    if (index >= 0 && index != g_Settings.General.PwdCursor) {
        g_Settings.General.PwdCursor = index;
        if (m_fnSaveSettings) m_fnSaveSettings();
    }
}

// ---- Adding, editing, deleting ---------------------------------------------------------

void CPwdManagerDlg::Paused(const std::function<void()>& step) {
    m_countdown.Pause();
    step();
    if (::IsWindow(GetSafeHwnd())) RestartCountdown();
}

void CPwdManagerDlg::AddEntry() {
    Paused([this] {
        CPwdAddDlg dialog(CPwdAddDlg::modeAdd, this);
        if (m_fnRunAddDialog(dialog) != IDOK) return;
        m_entries.push_back(dialog.m_info);
        SaveVault();
        FillList();
        ShowEntry((int)m_entries.size() - 1, true);
    });
}

void CPwdManagerDlg::EditEntry() {
    int index = m_list.GetCurSel();
    if (index < 0 || index >= (int)m_entries.size()) return;
    Paused([this, index] {
        CPwdAddDlg dialog(CPwdAddDlg::modeEdit, this);
        dialog.m_info = m_entries[(size_t)index];
        if (m_fnRunAddDialog(dialog) != IDOK) return;
        m_entries[(size_t)index] = dialog.m_info;
        SaveVault();
        FillList();
        ShowEntry(index, true);
    });
}

void CPwdManagerDlg::DeleteEntry() {
    int index = m_list.GetCurSel();
    if (index < 0 || index >= (int)m_entries.size()) return;
    Paused([this, index] {
        CString question = g_LanguageTable[TXT_PWD_DELETE_QUESTION];
        question.Replace(L"#DATA#", m_entries[(size_t)index].m_szTitle);
        if (PwdMessageBox(GetSafeHwnd(), question, MB_YESNO | MB_ICONQUESTION, TXT_PWD_CAPTION) != IDYES) return;
        m_entries.erase(m_entries.begin() + index);
        SaveVault();
        FillList();
        ShowEntry(index - 1, true);
    });
}

void CPwdManagerDlg::ChangeMasterPassword() {
    Paused([this] {
        CPwdSetupDlg dialog(CPwdSetupDlg::modeChange, m_vault, this);
        if (m_fnRunSetupDialog(dialog) != IDOK) return;
        CString previous = m_szPassword;
        m_szPassword = dialog.GetPassword();
        if (!SaveVault()) {
            // The file still opens with the old password: keep using it.
            m_szPassword = previous;
            return;
        }
        PwdMessageBox(GetSafeHwnd(), g_LanguageTable[TXT_PWD_CHANGED], MB_OK | MB_ICONINFORMATION, TXT_PWD_CAPTION);
    });
}

// ---- The countdown ---------------------------------------------------------------------

void CPwdManagerDlg::ApplyCounterColors() {
    bool red = m_countdown.Red();
    m_counter.m_crLit = red ? kRedLit : kGreenLit;
    m_counter.m_crBack = red ? kRedBack : kGreenBack;
    if (m_counter.GetSafeHwnd()) m_counter.Invalidate();
}

void CPwdManagerDlg::ShowCounter() { m_counter.SetInt(m_countdown.Shown()); }

void CPwdManagerDlg::StartCountdownTimer() {
    if (m_countdown.Enabled()) SetTimer(TIMER_COUNTDOWN, 1000);
}

void CPwdManagerDlg::RestartCountdown() {
    if (!m_countdown.Enabled()) return;
    m_countdown.Restart();
    ApplyCounterColors();
    ShowCounter();
    StartCountdownTimer();
}

void CPwdManagerDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_NOTICE) {
        KillTimer(TIMER_NOTICE);
        m_notice.ShowWindow(SW_HIDE);
        return;
    }
    if (id != TIMER_COUNTDOWN) return;
    bool wasRed = m_countdown.Red();
    switch (m_countdown.OnSecond()) {
    case PwdRules::CCountdown::tickNothing: return;
    case PwdRules::CCountdown::tickClose: RequestClose(); return;
    case PwdRules::CCountdown::tickShow:
        if (wasRed != m_countdown.Red()) ApplyCounterColors();
        ShowCounter();
        return;
    }
}

// ---- Views -----------------------------------------------------------------------------

void CPwdManagerDlg::ShowCompactView() {
    if (m_bCompact) return;
    m_bCompact = true;
    GetWindowRect(&m_fullWindow);
    for (int i = 0; i < 4; ++i) {
        CWnd* control = GetDlgItem(kCompactControls[i]);
        control->GetWindowRect(&m_fullRects[i]);
        ScreenToClient(&m_fullRects[i]);
    }
    // Everything but the copy buttons, the counter and the notice steps aside.
    m_hiddenForCompact.clear();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        int id = ::GetDlgCtrlID(child);
        if (std::find(std::begin(kCompactControls), std::end(kCompactControls), id) != std::end(kCompactControls) ||
            id == IDC_PWD_NOTICE || !::IsWindowVisible(child))
            continue;
        ::ShowWindow(child, SW_HIDE);
        m_hiddenForCompact.push_back(child);
    }
    ModifyStyle(0, WS_MAXIMIZEBOX);
    int index = m_list.GetCurSel();
    SetWindowText(index >= 0 && index < (int)m_entries.size() ? m_entries[(size_t)index].m_szTitle : CString());
    SetWindowPos(nullptr, 0, 0, kCompactWidth, kCompactHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CRect client;
    GetClientRect(&client);
    const int rowHeight = 30;
    int row = client.bottom - 3 - rowHeight;
    int buttonsHeight = std::max(2, row - 3 - 3);
    int width = client.Width() - 6;
    GetDlgItem(IDC_PWD_COPY_ID)->MoveWindow(3, 3, width, buttonsHeight / 2);
    GetDlgItem(IDC_PWD_COPY_PASSWORD)->MoveWindow(3, 3 + buttonsHeight / 2, width, buttonsHeight - buttonsHeight / 2);
    int restartLeft = client.right - 3 - rowHeight;
    m_restart.MoveWindow(restartLeft, row, rowHeight, rowHeight);
    int counterWidth = m_fullRects[2].Width();
    m_counter.MoveWindow(restartLeft - 3 - counterWidth, row + (rowHeight - m_fullRects[2].Height()) / 2, counterWidth,
                         m_fullRects[2].Height());
    SetDlgItemText(IDC_PWD_COPY_ID, g_LanguageTable[TXT_PWD_COPY_ID]);
    SetDlgItemText(IDC_PWD_COPY_PASSWORD, g_LanguageTable[TXT_PWD_COPY_PASSWORD]);
    Invalidate();
}

void CPwdManagerDlg::ShowFullView() {
    if (!m_bCompact) return;
    m_bCompact = false;
    ModifyStyle(WS_MAXIMIZEBOX, 0);
    SetWindowPos(nullptr, m_fullWindow.left, m_fullWindow.top, m_fullWindow.Width(), m_fullWindow.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    for (int i = 0; i < 4; ++i) GetDlgItem(kCompactControls[i])->MoveWindow(&m_fullRects[i]);
    for (HWND child : m_hiddenForCompact) ::ShowWindow(child, SW_SHOW);
    m_hiddenForCompact.clear();
    SetDlgItemText(IDC_PWD_COPY_ID, g_LanguageTable[TXT_PWD_COPY]);
    SetDlgItemText(IDC_PWD_COPY_PASSWORD, g_LanguageTable[TXT_PWD_COPY]);
    SetWindowText(g_LanguageTable[TXT_PWD_WINDOW_TITLE]);
    Invalidate();
}

void CPwdManagerDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == SC_MAXIMIZE) {
        ShowFullView();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

// ---- Closing ---------------------------------------------------------------------------

void CPwdManagerDlg::RequestClose() {
    if (m_fnClose)
        m_fnClose();
    else
        DestroyWindow();
}

void CPwdManagerDlg::OnOK() { RequestClose(); }
void CPwdManagerDlg::OnCancel() { RequestClose(); }

void CPwdManagerDlg::OnDestroy() {
    if (m_countdown.Enabled()) KillTimer(TIMER_COUNTDOWN);
    KillTimer(TIMER_NOTICE);
    // Only what the vault itself put there is taken away: a text the user
    // copied since from elsewhere stays.
    if (m_bClipboardUsed) GetPwdClipboard().EmptyIfStill(GetSafeHwnd(), m_clipboardMark);
    CDialog::OnDestroy();
}
