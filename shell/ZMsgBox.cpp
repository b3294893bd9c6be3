#include "shell/ZMsgBox.h"

#include "shell/LanguageTable.h"
#include "shell/ShellIds.h"
#include "shell/SmallDialogLogic.h"
#include "shell/SystemUtil.h"

#include <algorithm>

std::vector<CDialog*> g_OpenMessageBoxes;

namespace {
MessageBoxAnswerer g_answerer;
}

BEGIN_MESSAGE_MAP(CZMsgBox, CDialog)
END_MESSAGE_MAP()

CZMsgBox::CZMsgBox(const CString& text, int type, CWnd* parent)
    : CDialog(IDD_ZMSGBOX, parent), m_message(text), m_type(type) {}

CZMsgBox::~CZMsgBox() = default;

void CZMsgBox::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_MSGBOX_TEXT, m_message);
}

BOOL CZMsgBox::OnInitDialog() {
    CDialog::OnInitDialog();
    MsgBoxLayout layout = GetMsgBoxLayout(m_type);
    CWnd* first = GetDlgItem(IDOK);
    CWnd* second = GetDlgItem(IDCANCEL);
    if (!layout.secondButton && first && second) {
        second->ShowWindow(SW_HIDE);
        // Half a button to the right puts it midway between the two places.
        CRect rect;
        first->GetWindowRect(&rect);
        ScreenToClient(&rect);
        first->SetWindowPos(nullptr, rect.left + rect.Width() / 2 + 2, rect.top, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetDlgItemText(IDOK, g_LanguageTable[layout.firstTextId]);
    if (layout.secondButton) SetDlgItemText(IDCANCEL, g_LanguageTable[layout.secondTextId]);
    HICON icon = ::LoadIconW(nullptr, layout.icon);
    SendDlgItemMessage(IDC_MSGBOX_ICON, STM_SETICON, (WPARAM)icon, 0);
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow();
    AddOpenMessageBox(this);
    return TRUE;
}

void CZMsgBox::OnOK() { EndDialog(GetMsgBoxResult(IDOK)); }

void CZMsgBox::OnCancel() { EndDialog(GetMsgBoxResult(IDCANCEL)); }

void CZMsgBox::PostNcDestroy() {
    RemoveOpenMessageBox(this);
    CDialog::PostNcDestroy();
}

void AddOpenMessageBox(CDialog* box) { g_OpenMessageBoxes.push_back(box); }

void RemoveOpenMessageBox(CDialog* box) {
    auto it = std::find(g_OpenMessageBoxes.begin(), g_OpenMessageBoxes.end(), box);
    if (it != g_OpenMessageBoxes.end()) g_OpenMessageBoxes.erase(it);
}

int EndOpenMessageBoxes() {
    // Copied: ending a box may take it off the list.
    std::vector<CDialog*> boxes = g_OpenMessageBoxes;
    for (CDialog* box : boxes) box->EndDialog(IDNO);
    return (int)boxes.size();
}

int ShowMessageBox(const CString& text, int type) {
    if (g_answerer) return g_answerer(text, type);
    CZMsgBox box(text, type, nullptr);
    return (int)box.DoModal();
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { g_answerer = std::move(answerer); }
