#include "notes/DayinfoDlg.h"

#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/ZMsgBox.h"

BEGIN_MESSAGE_MAP(CDayinfoDlg, CDialog)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CANCEL, OnCancelButton)
END_MESSAGE_MAP()

namespace {

const int kIconCount = 24;
const int TEXT_ADD = 800, TEXT_EDIT = 807, TEXT_DELETE_QUESTION = 10041;
const int TEXT_NOT_USE = 751, TEXT_DAYS_BEFORE = 30014;
const int kKindTexts[3] = {811, 812, 813};

int ComboSel(CWnd* dlg, int id) { return (int)dlg->SendDlgItemMessage(id, CB_GETCURSEL); }
void SetComboSel(CWnd* dlg, int id, int index) { dlg->SendDlgItemMessage(id, CB_SETCURSEL, (WPARAM)index); }
void AddText(CWnd* dlg, int id, const CString& text) {
    dlg->SendDlgItemMessage(id, CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
}

}  // namespace

CDayinfoDlg::CDayinfoDlg(CWnd* parent, int mode, const CDayInfo* record) : CDialog(IDD, parent), m_mode(mode) {
    if (record) {
        m_record = *record;
    } else {
        SYSTEMTIME now = {};
        ::GetLocalTime(&now);
        m_record.m_nMonth = now.wMonth;
        m_record.m_nDay = now.wDay;
    }
    m_form = CDayinfoLogic::FromRecord(m_record);
}

void CDayinfoDlg::SetDate(int month, int day) {
    m_record.m_nMonth = month;
    m_record.m_nDay = day;
    m_form.monthText.Format(L"%d", month);
    m_form.dayText.Format(L"%d", day);
}

BOOL CDayinfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_icon.SubclassDlgItem(IDC_ICON_LIST, this);
    TranslateTexts();
    FillLists();
    SetDlgItemText(IDC_TEXT, m_form.text);
    CheckDlgButton(IDC_HOLIDAY, m_form.holiday ? BST_CHECKED : BST_UNCHECKED);
    SetComboSel(this, IDC_KIND, m_form.kind);
    SetDlgItemText(IDC_MONTH, m_form.monthText);
    SetDlgItemText(IDC_DAY, m_form.dayText);
    SetComboSel(this, IDC_ICON_LIST, m_form.icon);
    SetComboSel(this, IDC_DAYS_BEFORE, m_form.daysBefore);
    if (m_mode == ModeEdit) {
        SetWindowText(g_LanguageTable[TEXT_EDIT]);
        m_delete.SubclassDlgItem(IDC_DELETE, this);
        m_delete.SetColor(RGB(255, 164, 164));
        m_delete.SetTextColor(RGB(0, 0, 200));
    } else {
        SetWindowText(g_LanguageTable[TEXT_ADD]);
        if (HWND button = ::GetDlgItem(m_hWnd, IDC_DELETE)) ::ShowWindow(button, SW_HIDE);
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CDayinfoDlg::TranslateTexts() {
    static const struct {
        int id, text;
    } kTexts[] = {{IDC_MONTH_LABEL, 801}, {IDC_DAY_LABEL, 802},   {IDC_HOLIDAY, 803},
                  {IDC_TEXT_LABEL, 804},  {IDC_ICON_LABEL, 709}, {IDC_DAYS_BEFORE_LABEL, 30013},
                  {IDC_DELETE, 814},      {IDOK, 23},            {IDC_CANCEL, 26}};
    for (const auto& t : kTexts) {
        CString text = g_LanguageTable[t.text];
        if (!text.IsEmpty()) SetDlgItemText(t.id, text);
    }
}

void CDayinfoDlg::FillLists() {
    for (int text : kKindTexts) AddText(this, IDC_KIND, g_LanguageTable[text]);
    CString res = g_ProgramFolder + L"system\\res\\";
    m_icon.AddBitmapFile(res + L"ICON_None.bmp");
    for (int i = 1; i <= kIconCount; ++i) {
        CString name;
        name.Format(L"ICON_%02d.bmp", i);
        m_icon.AddBitmapFile(res + name);
    }
    AddText(this, IDC_DAYS_BEFORE, g_LanguageTable[TEXT_NOT_USE]);
    for (int position = 1; position < CDayinfoLogic::DaysBeforePositions; ++position) {
        CString days, text = g_LanguageTable[TEXT_DAYS_BEFORE];
        days.Format(L"%d", CDayinfoLogic::DaysBeforeAt(position));
        text.Replace(L"#D#", days);
        AddText(this, IDC_DAYS_BEFORE, text);
    }
}

CDayinfoLogic::Form CDayinfoDlg::ReadControls() {
    CDayinfoLogic::Form form;
    GetDlgItemText(IDC_TEXT, form.text);
    form.holiday = IsDlgButtonChecked(IDC_HOLIDAY) == BST_CHECKED;
    form.kind = ComboSel(this, IDC_KIND);
    if (form.kind < CDayinfoLogic::KindSolar || form.kind > CDayinfoLogic::KindLeap) form.kind = CDayinfoLogic::KindSolar;
    GetDlgItemText(IDC_MONTH, form.monthText);
    GetDlgItemText(IDC_DAY, form.dayText);
    form.icon = ComboSel(this, IDC_ICON_LIST);
    if (form.icon < 0) form.icon = m_record.m_nIcon;
    form.daysBefore = ComboSel(this, IDC_DAYS_BEFORE);
    return form;
}

void CDayinfoDlg::OnOK() {
    CDayinfoLogic::Form form = ReadControls();
    CDayInfo working = m_record;
    int refusal = CDayinfoLogic::Apply(form, working);
    if (refusal != 0) {
        CString text = g_LanguageTable[refusal];
        ShowMessageBox(text.IsEmpty() ? CString(L"No information") : text, -1);
        return;
    }
    m_form = form;
    m_record = working;
    EndDialog(IDOK);
}

void CDayinfoDlg::OnDelete() {
    CString text;
    GetDlgItemText(IDC_TEXT, text);
    if (ShowMessageBox(L"\"" + text + L"\" " + g_LanguageTable[TEXT_DELETE_QUESTION], 4) == IDYES) EndDialog(DeleteResult);
}

void CDayinfoDlg::OnCancelButton() { EndDialog(IDCANCEL); }
