#include "notes/SyncScheduleDlg.h"

#include "shell/LanguageTable.h"
#include "shell/Seams.h"

namespace {
const int kTitleArrived = 24039;
const int kHeading = 24041;
const int kSynchronizeText = 24042;
const int kAskApply = 24060;
const int kAskDelete = 24061;
const int kAskDeleteAll = 24062;
// Bounds the folder walk: no real folder holds this many received files.
const size_t kMostFiles = 10000;
}  // namespace

BEGIN_MESSAGE_MAP(CSyncScheduleDlg, CDialog)
    ON_BN_CLICKED(IDC_SYNCHRONIZE, OnSynchronize)
    ON_LBN_DBLCLK(IDC_LIST, OnSynchronize)
    ON_BN_CLICKED(IDC_DELETE, OnDeleteFile)
    ON_BN_CLICKED(IDC_DELETE_ALL, OnDeleteAll)
    ON_BN_CLICKED(IDC_RESTORE_SCHEDULE, OnRestoreSchedule)
    ON_BN_CLICKED(IDC_RESTORE_ANNIVERSARY, OnRestoreAnniversary)
END_MESSAGE_MAP()

std::vector<CString> FindSyncFileNames(const CString& folder) {
    std::vector<CString> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(folder + L"*.sync", &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (names.size() < kMostFiles && ::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

CSyncScheduleDlg::CSyncScheduleDlg(CWnd* mainWindow, int mode, const CString& syncFolder)
    : m_mainWindow(mainWindow), m_mode(mode), m_folder(syncFolder) {}

BOOL CSyncScheduleDlg::CreateModeless() { return Create(IDD, m_mainWindow); }

BOOL CSyncScheduleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[m_mode == 1 ? kTitleArrived : kUserTitleText]);
    SetDlgItemText(IDC_HEADING, g_LanguageTable[kHeading]);
    SetDlgItemText(IDC_SYNCHRONIZE, g_LanguageTable[kSynchronizeText]);
    SetDlgItemText(IDC_DELETE, g_LanguageTable[22]);
    SetDlgItemText(IDC_DELETE_ALL, g_LanguageTable[28]);
    SetDlgItemText(IDC_RESTORE_SCHEDULE, g_LanguageTable[11142]);
    SetDlgItemText(IDC_RESTORE_ANNIVERSARY, g_LanguageTable[11143]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[31]);
    struct Face {
        CColorButton& button;
        UINT id;
        COLORREF face, text;
    } faces[] = {{m_synchronize, IDC_SYNCHRONIZE, 0xFFA4A4, 0x000000},
                 {m_delete, IDC_DELETE, 0xA4A4FF, 0xC80000},
                 {m_deleteAll, IDC_DELETE_ALL, 0x8484FF, 0xFF0000}};
    for (Face& f : faces) {
        f.button.SubclassDlgItem(f.id, this);
        f.button.SetColor(f.face);
        f.button.SetTextColor(f.text);
    }
    m_list.SubclassDlgItem(IDC_LIST, this);
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, 20);
    FillSyncList();
    CenterWindow();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

void CSyncScheduleDlg::FillSyncList() {
    m_list.ResetContent();
    int selected = BuildSyncList(FindSyncFileNames(m_folder), m_rows);
    for (const SyncListRow& row : m_rows) m_list.AddString(row.text);
    if (selected >= 0) m_list.SetCurSel(selected);
}

int CSyncScheduleDlg::SelectedRow() const {
    int sel = m_list.GetCurSel();
    return sel >= 0 && sel < (int)m_rows.size() ? sel : -1;
}

bool CSyncScheduleDlg::Ask(const CString& text) {
    return GetSystemMessageBox().Show(m_hWnd, text, g_LanguageTable[1], MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CSyncScheduleDlg::OnSynchronize() {
    int row = SelectedRow();
    if (row < 0 || m_rows[row].text.GetLength() <= 9) return;
    // Copied before asking: the list may be refilled while the question is open.
    SyncListRow chosen = m_rows[row];
    CString question = g_LanguageTable[kAskApply];
    question.Replace(L"#SYNC_LABEL#", chosen.text);
    if (!Ask(question)) return;
    if (onApply) onApply(chosen.kind, m_folder + chosen.name);
}

void CSyncScheduleDlg::OnDeleteFile() {
    int row = SelectedRow();
    if (row < 0) return;
    SyncListRow chosen = m_rows[row];
    CString question = g_LanguageTable[kAskDelete];
    question.Replace(L"#SYNC_LABEL#", chosen.text);
    if (!Ask(question)) return;
    ::DeleteFileW(m_folder + chosen.name);
    FillSyncList();
}

void CSyncScheduleDlg::OnDeleteAll() {
    if (!Ask(g_LanguageTable[kAskDeleteAll])) return;
    // Only the listed files: anything else in the folder is not ours to remove.
    std::vector<SyncListRow> rows = m_rows;
    for (const SyncListRow& row : rows) ::DeleteFileW(m_folder + row.name);
    FillSyncList();
}

void CSyncScheduleDlg::OnRestoreSchedule() {
    if (m_mainWindow) m_mainWindow->PostMessage(WM_COMMAND, ID_RESTORE_SCHEDULE, 0);
}

void CSyncScheduleDlg::OnRestoreAnniversary() {
    if (m_mainWindow) m_mainWindow->PostMessage(WM_COMMAND, ID_RESTORE_ANNIVERSARY, 0);
}

void CSyncScheduleDlg::DestroyAndDelete() {
    m_autoDelete = true;
    if (m_hWnd)
        DestroyWindow();
    else
        delete this;
}

void CSyncScheduleDlg::PostNcDestroy() {
    CDialog::PostNcDestroy();
    if (m_autoDelete) delete this;
}

void CSyncScheduleDlg::OnCancel() {
    if (onClose)
        onClose();
    else
        DestroyWindow();
}
