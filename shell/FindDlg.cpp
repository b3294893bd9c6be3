#include "shell/FindDlg.h"

#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/ShellIds.h"
#include "shell/SmallDialogLogic.h"

BEGIN_MESSAGE_MAP(CFindDlg, CDialog)
    ON_COMMAND(IDC_FIND_NEXT, FindNext)
    ON_COMMAND(IDC_FIND_PREV, FindPrevious)
END_MESSAGE_MAP()

CFindDlg::CFindDlg(IFindTarget* editor, const CString& text)
    : CDialog(IDD_FIND, editor ? editor->GetFindWindow() : nullptr), m_text(text), m_editor(editor) {}

CFindDlg::~CFindDlg() = default;

BOOL CFindDlg::CreateAndShow() {
    if (!Create(IDD_FIND, m_editor ? m_editor->GetFindWindow() : nullptr)) return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFindDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_FIND_TEXT, m_text);
    DDX_Check(dx, IDC_FIND_WHOLE_WORD, m_wholeWord);
    DDX_Check(dx, IDC_FIND_MATCH_CASE, m_matchCase);
}

BOOL CFindDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[TXT_SEARCH_TITLE_FIND]);
    SetDlgItemText(IDC_FIND_LABEL, g_LanguageTable[TXT_FIND_WHAT]);
    SetDlgItemText(IDC_FIND_WHOLE_WORD, g_LanguageTable[TXT_WHOLE_WORD]);
    SetDlgItemText(IDC_FIND_MATCH_CASE, g_LanguageTable[TXT_MATCH_CASE]);
    SetDlgItemText(IDC_FIND_PREV, g_LanguageTable[TXT_FIND_PREV]);
    SetDlgItemText(IDC_FIND_NEXT, g_LanguageTable[TXT_FIND_NEXT]);
    CWnd* owner = m_editor ? m_editor->GetFindWindow() : nullptr;
    if (owner && owner->GetSafeHwnd()) {
        CRect desktop, ownerRect, self;
        GetVirtualDesktopRect(desktop);
        owner->GetWindowRect(&ownerRect);
        GetWindowRect(&self);
        POINT pt = PlaceBelowOwner(desktop, ownerRect, self.Width(), self.Height());
        MoveWindow(pt.x, pt.y, self.Width(), self.Height());
    }
    return TRUE;
}

BOOL CFindDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3 &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        if (::GetKeyState(VK_SHIFT) & 0x8000)
            FindPrevious();
        else
            FindNext();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CFindDlg::OnOK() { FindNext(); }

void CFindDlg::FindNext() {
    UpdateData(TRUE);
    if (m_text.IsEmpty() || !m_editor) return;
    m_editor->FindWithOptions(m_text, MakeFindFlags(true, m_wholeWord != 0, m_matchCase != 0));
}

void CFindDlg::FindPrevious() {
    UpdateData(TRUE);
    if (m_text.IsEmpty() || !m_editor) return;
    m_editor->FindWithOptions(m_text, MakeFindFlags(false, m_wholeWord != 0, m_matchCase != 0));
}

void CFindDlg::OnCancel() {
    CDialog::OnCancel();
    if (m_editor) m_editor->OnFindDialogClosed();
}
