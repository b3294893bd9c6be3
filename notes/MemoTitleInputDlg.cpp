#include "notes/MemoTitleInputDlg.h"

#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "shell/LanguageTable.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMemoTitleInputDlg, CDialog)
END_MESSAGE_MAP()

CMemoTitleInputDlg::CMemoTitleInputDlg(CWnd* parent, const LOGFONTW& font, COLORREF color, const CString& title)
    : CDialog(IDD_TITLE_INPUT, parent), m_font(font), m_color(color), m_title(title) {}

BOOL CMemoTitleInputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[IDS_INPUT_TITLE]);
    SetDlgItemText(IDOK, g_LanguageTable[IDS_OK]);
    m_editTitle.SubclassDlgItem(IDC_TI_TITLE, this);
    m_editTitle.SendMessage(EM_LIMITTEXT, MaxTitleLength);
    m_editTitle.SetWindowText(m_title);
    m_cbFace.SubclassDlgItem(IDC_TI_FACE, this);
    m_cbFace.SetPreviewStyle(11, TRUE);
    m_cbFace.SendMessage(CB_SETITEMHEIGHT, 0, 11);
    m_cbSize.SubclassDlgItem(IDC_TI_SIZE, this);
    m_cbSize.SetFontHeight(11);
    m_cbColor.SubclassDlgItem(IDC_TI_COLOR, this);
    auto check = [this](CShareCheckButton& button, UINT id, int image) {
        button.SubclassDlgItem(id, this);
        // The pictures are 12 x 12 pixels whatever the dialog's units.
        button.SetWindowPos(nullptr, 0, 0, 12, 12, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        button.SetImageIndex(image);
        button.m_crPressed = 0x00FFFF;
        button.m_crNormal = 0xA8DEFC;
        button.m_crHover = 0x8CF9FF;
    };
    check(m_btnBold, IDC_TI_BOLD, 2);
    check(m_btnItalic, IDC_TI_ITALIC, 3);
    check(m_btnUnderline, IDC_TI_UNDERLINE, 4);
    m_btnBold.SetCheck(m_font.lfWeight == 700);
    m_btnItalic.SetCheck(m_font.lfItalic != 0);
    m_btnUnderline.SetCheck(m_font.lfUnderline != 0);

    m_cbColor.FillColors();
    m_cbColor.SendMessage(CB_SETCURSEL, 0);
    for (int size : NoteLogic::kTextSizes) {
        CString text;
        text.Format(L"%d", size);
        m_cbSize.SendMessage(CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
    }
    m_cbSize.SendMessage(CB_SETCURSEL, 2);
    m_cbSize.SendMessage(CB_SETITEMHEIGHT, 0, 11);
    m_cbColor.SendMessage(CB_SETITEMHEIGHT, 0, 11);
    int sizeIndex = NoteLogic::SizeIndex(m_font.lfHeight);
    if (sizeIndex >= 0) m_cbSize.SendMessage(CB_SETCURSEL, sizeIndex);
    m_cbColor.SelectColor(m_color);
    // A face this computer does not have selects nothing, so that OK keeps
    // it instead of taking whichever font happens to come first.
    int face = (int)m_cbFace.SendMessage(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)m_font.lfFaceName);
    m_cbFace.SendMessage(CB_SETCURSEL, face);
    m_editTitle.SetFocus();
    return FALSE;
}

void CMemoTitleInputDlg::OnOK() {
    m_title = m_editTitle.GetWindowText();
    if (m_title.GetLength() > MaxTitleLength) m_title = m_title.Left(MaxTitleLength);
    m_color = m_cbColor.GetSelectedColor();
    int sizeIndex = (int)m_cbSize.SendMessage(CB_GETCURSEL);
    m_font.lfHeight = NoteLogic::kTextSizes[sizeIndex >= 0 && sizeIndex < 16 ? sizeIndex : 2];
    // A flag: the descriptor writer turns any weight into bold.
    m_font.lfWeight = m_btnBold.GetCheck() ? 1 : 0;
    m_font.lfItalic = (BYTE)(m_btnItalic.GetCheck() ? 1 : 0);
    m_font.lfUnderline = (BYTE)(m_btnUnderline.GetCheck() ? 1 : 0);
    int face = (int)m_cbFace.SendMessage(CB_GETCURSEL);
    if (face >= 0) {
        int length = (int)m_cbFace.SendMessage(CB_GETLBTEXTLEN, face);
        if (length > 0 && length < LF_FACESIZE) m_cbFace.SendMessage(CB_GETLBTEXT, face, (LPARAM)m_font.lfFaceName);
    }
    CDialog::OnOK();
}

BOOL CMemoTitleInputDlg::PreTranslateMessage(MSG* msg) {
    // A key the input method is still composing, released with the pointer
    // outside the dialog, ends it as cancelled.
    if (msg->message == WM_KEYUP && msg->wParam == VK_PROCESSKEY) {
        POINT cursor;
        CRect window;
        GetWindowRect(&window);
        if (::GetCursorPos(&cursor) && !window.PtInRect(cursor)) {
            EndDialog(IDCANCEL);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}
