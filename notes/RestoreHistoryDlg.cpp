#include "notes/RestoreHistoryDlg.h"

#include "shell/LanguageTable.h"

BEGIN_MESSAGE_MAP(CRestoreHistoryDlg, CDialog)
    ON_BN_CLICKED(IDC_RESTORE, OnRestore)
    ON_LBN_DBLCLK(IDC_LIST, OnRestore)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_DELETE_ALL, OnDeleteAll)
END_MESSAGE_MAP()

BOOL CRestoreHistoryDlg::CreateModeless(CWnd* parent) { return Create(IDD, parent); }

BOOL CRestoreHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    struct Face {
        CColorButton& button;
        UINT id;
        COLORREF face, text;
    } faces[] = {{m_restore, IDC_RESTORE, RGB(164, 164, 255), RGB(0, 0, 0)},
                 {m_delete, IDC_DELETE, RGB(255, 164, 164), RGB(0, 0, 200)},
                 {m_deleteAll, IDC_DELETE_ALL, RGB(255, 132, 132), RGB(0, 0, 255)}};
    for (Face& f : faces) {
        f.button.SubclassDlgItem(f.id, this);
        f.button.SetColor(f.face);
        f.button.SetTextColor(f.text);
    }
    SetWindowText(g_LanguageTable[TitleText()]);
    SetDlgItemText(IDC_DATE_LABEL, g_LanguageTable[2002]);
    SetDlgItemText(IDC_RESTORE, g_LanguageTable[11117]);
    SetDlgItemText(IDC_DELETE, g_LanguageTable[22]);
    SetDlgItemText(IDC_DELETE_ALL, g_LanguageTable[28]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[31]);
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, 20);
    FillList();
    CenterWindow();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CRestoreHistoryDlg::FillList() {
    m_list.ResetContent();
    for (const CString& item : m_logic.ListItems()) m_list.AddString(item);
    if (m_list.GetCount() > 0) m_list.SetCurSel(m_list.GetCount() - 1);
}

CString CRestoreHistoryDlg::SelectedItem() const {
    int sel = m_list.GetCurSel();
    return sel < 0 ? CString() : m_list.GetText(sel);
}

void CRestoreHistoryDlg::OnRestore() {
    bool listChanged = false;
    bool restored = m_logic.Restore(SelectedItem(), m_historyLevel, listChanged);
    if (restored && onRestored) onRestored();
    if (listChanged) FillList();
}

void CRestoreHistoryDlg::OnDelete() {
    CString item = SelectedItem();
    if (item.IsEmpty()) return;
    if (m_logic.Delete(item)) FillList();
}

void CRestoreHistoryDlg::OnDeleteAll() {
    std::vector<CString> items;
    for (int i = 0; i < m_list.GetCount(); ++i) items.push_back(m_list.GetText(i));
    if (m_logic.DeleteAll(items)) FillList();
}

void CRestoreHistoryDlg::OnCancel() {
    if (onClose)
        onClose();
    else
        DestroyWindow();
}
