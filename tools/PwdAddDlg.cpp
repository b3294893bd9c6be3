#include "tools/PwdAddDlg.h"

#include "shell/LanguageTable.h"
#include "shell/SystemUtil.h"
#include "tools/PwdMessage.h"
#include "tools/PwdRules.h"
#include "tools/ToolsIds.h"

namespace {
const int kFields[] = {IDC_PWD_TITLE, IDC_PWD_ID, IDC_PWD_PASSWORD, IDC_PWD_URL,
                       IDC_PWD_EMAIL, IDC_PWD_PHONE, IDC_PWD_MEMO};
const int kLabels[] = {IDC_PWD_LABEL_TITLE, IDC_PWD_LABEL_ID,    IDC_PWD_LABEL_PASSWORD, IDC_PWD_LABEL_URL,
                       IDC_PWD_LABEL_EMAIL, IDC_PWD_LABEL_PHONE, IDC_PWD_LABEL_MEMO};

CString* FieldOf(CPwdInfo& info, int index) {
    CString* fields[] = {&info.m_szTitle, &info.m_szID,    &info.m_szPassword, &info.m_szURL,
                         &info.m_szEmail, &info.m_szPhone, &info.m_szMemo};
    return fields[index];
}
}  // namespace

BEGIN_MESSAGE_MAP(CPwdAddDlg, CDialog)
    ON_BN_CLICKED(IDC_PWD_GENERATE, OnGenerate)
    ON_BN_CLICKED(IDC_PWD_SHOW, OnShowPassword)
END_MESSAGE_MAP()

CPwdAddDlg::CPwdAddDlg(int mode, CWnd* parent) : CDialog(IDD_PWD_ADD, parent), m_nMode(mode) {
    m_fnGenerate = [] { return PwdRules::GeneratePassword(); };
}

void CPwdAddDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PWD_LABEL_TITLE, m_titleLabel);
    DDX_Control(dx, IDC_PWD_LABEL_PASSWORD, m_passwordLabel);
}

BOOL CPwdAddDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[m_nMode == modeEdit ? TXT_PWD_EDIT : TXT_PWD_ADD]);
    for (int i = 0; i < 7; ++i) {
        SetDlgItemText(kLabels[i], g_LanguageTable[TXT_PWD_LABEL_FIRST + i]);
        SetDlgItemText(kFields[i], *FieldOf(m_info, i));
    }
    SetDlgItemText(IDC_PWD_GENERATE, g_LanguageTable[TXT_PWD_GENERATE]);
    SetDlgItemText(IDC_PWD_SHOW, g_LanguageTable[TXT_PWD_SEE]);
    SetDlgItemText(IDOK, g_LanguageTable[TXT_PWD_OK]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[TXT_PWD_CANCEL]);
    LOGFONTW lf = {};
    if (CFont* font = GetFont()) ::GetObjectW((HFONT)font->GetSafeHandle(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&lf);
    m_titleLabel.SetFont(&m_boldFont);
    m_titleLabel.SetTextColor(RGB(0, 0, 200));
    m_passwordLabel.SetTextColor(RGB(196, 0, 0));
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    GotoDlgCtrl(GetDlgItem(IDC_PWD_TITLE));
    return FALSE;
}

void CPwdAddDlg::OnGenerate() {
    CString password = m_fnGenerate ? m_fnGenerate() : CString();
    if (!password.IsEmpty()) SetDlgItemText(IDC_PWD_PASSWORD, password);
}

bool CPwdAddDlg::IsPasswordShown() const {
    return (::GetWindowLongPtrW(::GetDlgItem(m_hWnd, IDC_PWD_PASSWORD), GWL_STYLE) & ES_PASSWORD) == 0;
}

void CPwdAddDlg::OnShowPassword() {
    HWND edit = ::GetDlgItem(m_hWnd, IDC_PWD_PASSWORD);
    if (!m_bPasswordCharKnown) {
        m_passwordChar = (wchar_t)::SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0);
        if (!m_passwordChar) m_passwordChar = L'*';
        m_bPasswordCharKnown = true;
    }
    if (!IsPasswordShown()) {
        ::SendMessageW(edit, EM_SETPASSWORDCHAR, 0, 0);
        SetDlgItemText(IDC_PWD_SHOW, g_LanguageTable[TXT_PWD_HIDE]);
    } else {
        ::SendMessageW(edit, EM_SETPASSWORDCHAR, (WPARAM)m_passwordChar, 0);
        SetDlgItemText(IDC_PWD_SHOW, g_LanguageTable[TXT_PWD_SEE]);
    }
    ::InvalidateRect(edit, nullptr, TRUE);
}

void CPwdAddDlg::OnOK() {
    CPwdInfo read = m_info;
    for (int i = 0; i < 7; ++i) GetDlgItemText(kFields[i], *FieldOf(read, i));
    if (read.m_szTitle.IsEmpty()) {
        PwdMessageBox(GetSafeHwnd(), g_LanguageTable[TXT_PWD_TITLE_REQUIRED], MB_OK | MB_ICONWARNING);
        GotoDlgCtrl(GetDlgItem(IDC_PWD_TITLE));
        return;
    }
    m_info = read;
    EndDialog(IDOK);
}
