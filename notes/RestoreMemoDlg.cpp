#include "notes/RestoreMemoDlg.h"

#include "notes/LifecycleDialogs.h"
#include "res/images.h"
#include "shell/LanguageTable.h"
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
    // The template's preview is a rich edit of version 2.0.
    static HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
    return Create(IDD, parent);
}

BOOL CRestoreMemoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    AttachNotePreview(m_preview, this, IDC_PREVIEW, PreviewBackground);
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
    if (m_images.Create(IDB_RESTORE_FILES, RestoreIconWidth, 1, RGB(255, 0, 255)))
        m_list.SetImageList(&m_images, LVSIL_SMALL);
    FillList();
    m_preview.SetModify(FALSE);
    CenterWindow();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CRestoreMemoDlg::AddItem(const CRestoreMemoLogic::Item& item) {
    LVITEMW row = {};
    row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    row.iItem = m_list.GetItemCount();
    row.pszText = const_cast<LPWSTR>(item.name.GetString());
    row.iImage = RestoreIconImage;
    row.state = INDEXTOSTATEIMAGEMASK(1);
    row.stateMask = LVIS_STATEIMAGEMASK;
    int index = m_list.InsertItem(&row);
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
    ShowNotePreview(m_preview, m_folder + m_list.GetItemText(index, 0));
    m_preview.SetBackgroundColor(PreviewBackground);
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
