#include "notes/RestoreMemoDlg.h"

#include "notes/MemoDialogTemplate.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/Settings.h"

#include <commctrl.h>
#include <richedit.h>

BEGIN_MESSAGE_MAP(CRestoreMemoDlg, CDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, OnItemChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_LIST, OnDblClick)
    ON_BN_CLICKED(IDC_RESTORE, OnRestore)
    ON_BN_CLICKED(IDC_RESTORE_ALL, OnRestoreAll)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_DELETE_ALL, OnDeleteAll)
END_MESSAGE_MAP()

BOOL CRestoreMemoDlg::CreateModeless(CWnd* parent) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    static HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
    CMemoDialogTemplate d(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 300, 200, L"");
    d.Add(WC_LISTVIEWW, IDC_LIST, L"",
          WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
          8, 8, 284, 80);
    d.Add(RICHEDIT_CLASSW, IDC_PREVIEW, L"", WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
          8, 94, 284, 78);
    const WORD buttons[] = {IDC_RESTORE, IDC_RESTORE_ALL, IDC_DELETE, IDC_DELETE_ALL, IDCANCEL};
    for (int i = 0; i < 5; ++i)
        d.Add(CMemoDialogTemplate::Button, buttons[i], L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8 + i * 58, 178, 52, 14);
    return CreateIndirect(d.Get(), parent);
}

BOOL CRestoreMemoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    m_preview.SubclassDlgItem(IDC_PREVIEW, this);
    int mode = m_logic.GetMode();
    SetWindowText(g_LanguageTable[mode == 0 ? 130 : 10138]);
    SetDlgItemText(IDC_RESTORE, g_LanguageTable[1301]);
    SetDlgItemText(IDC_RESTORE_ALL, g_LanguageTable[1302]);
    SetDlgItemText(IDC_DELETE, g_LanguageTable[22]);
    SetDlgItemText(IDC_DELETE_ALL, g_LanguageTable[28]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    CRect client;
    ::GetClientRect(m_list.m_hWnd, &client);
    m_list.InsertColumn(0, g_LanguageTable[mode == 0 ? 10139 : 10140], LVCFMT_CENTER, 160);
    m_list.InsertColumn(1, g_LanguageTable[10154], LVCFMT_LEFT, client.Width() - 180);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    FillList();
    m_preview.SetModify(FALSE);
    m_preview.SetReadOnly(TRUE);
    m_preview.SetBackgroundColor(FALSE, RGB(198, 198, 198));
    CenterWindow();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CRestoreMemoDlg::AddItem(const CRestoreMemoLogic::Item& item) {
    int index = m_list.InsertItem(m_list.GetItemCount(), item.name);
    m_list.SetItemText(index, 1, item.modified);
}

void CRestoreMemoDlg::FillList() {
    m_list.DeleteAllItems();
    for (const auto& item : m_logic.ListFiles(isOpen)) AddItem(item);
    if (m_list.GetItemCount() > 0) m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CRestoreMemoDlg::AddFileItem(const CString& path) {
    if (m_logic.GetMode() != 0 || !m_hWnd) return;
    int slash = path.ReverseFind(L'\\');
    AddItem(m_logic.MakeItem(slash >= 0 ? path.Mid(slash + 1) : path));
}

int CRestoreMemoDlg::Selected() const { return m_list.GetNextItem(-1, LVNI_SELECTED); }

void CRestoreMemoDlg::Preview(int index) {
    m_previewed = index;
    if (index < 0) {
        m_preview.SetWindowText(L"");
        return;
    }
    std::vector<BYTE> bytes;
    CString name = m_list.GetItemText(index, 0);
    if (CSafeFileWriter::ReadFile(m_folder + name, bytes, CSafeFileWriter::MaxNoteFileBytes)) {
        CStringA rtf(reinterpret_cast<const char*>(bytes.data()), (int)bytes.size());
        m_preview.StreamInBytes(SF_RTF, rtf);
    } else {
        m_preview.SetWindowText(L"");
    }
    m_preview.SetModify(FALSE);
}

CString CRestoreMemoDlg::GetPreviewText() const {
    int length = ::GetWindowTextLengthW(m_preview.m_hWnd);
    std::wstring text((size_t)length + 1, L'\0');
    ::GetWindowTextW(m_preview.m_hWnd, &text[0], length + 1);
    text.resize((size_t)length);
    return CString(text);
}

void CRestoreMemoDlg::OnItemChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    int sel = Selected();
    if (sel >= 0 && sel != m_previewed) Preview(sel);
}

void CRestoreMemoDlg::OnDblClick(NMHDR*, LRESULT* result) {
    *result = 0;
    OnRestore();
}

void CRestoreMemoDlg::RemoveItem(int index) {
    m_list.DeleteItem(index);
    m_previewed = -1;
    int count = m_list.GetItemCount();
    int next = index > 0 ? index - 1 : (count > 0 ? 0 : -1);
    if (next >= 0) {
        m_list.SetItemState(next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Preview(next);
    } else {
        Preview(-1);
    }
}

void CRestoreMemoDlg::OnRestore() {
    int count = currentCount ? currentCount() : 0;
    if (!m_logic.CheckLimit(count)) return;
    int sel = Selected();
    if (sel < 0) return;
    CString name = m_list.GetItemText(sel, 0);
    if (m_host.MessageBox(g_LanguageTable[CRestoreMemoLogic::IDS_RESTORE_SELECTED], MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    RemoveItem(sel);
    m_logic.Restore(name, count, addNote, false);
    if (onGroupsChanged) onGroupsChanged();
}

void CRestoreMemoDlg::OnRestoreAll() {
    std::vector<CString> names;
    for (int i = 0; i < m_list.GetItemCount(); ++i) names.push_back(m_list.GetItemText(i, 0));
    if (names.empty()) return;
    int count = currentCount ? currentCount() : 0;
    m_logic.RestoreAll(names, count, addNote);
    // What is left on disk (nothing, unless refused or a rename failed).
    FillList();
    if (m_list.GetItemCount() == 0) Preview(-1);
    if (onGroupsChanged) onGroupsChanged();
}

void CRestoreMemoDlg::OnDelete() {
    int sel = Selected();
    if (sel < 0) return;
    CString name = m_list.GetItemText(sel, 0);
    if (!m_logic.Delete(name)) return;
    RemoveItem(sel);
}

void CRestoreMemoDlg::OnDeleteAll() {
    std::vector<CString> names;
    for (int i = 0; i < m_list.GetItemCount(); ++i) names.push_back(m_list.GetItemText(i, 0));
    if (!m_logic.DeleteAll(names)) return;
    m_list.DeleteAllItems();
    Preview(-1);
}
