#include "notes/StyleBar.h"

#include "notes/MemoDlg.h"
#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "notes/NoteTemplates.h"
#include "shell/Settings.h"
#include "ui/PickerColors.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CStyleBar, CDialog)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CStyleBar::CStyleBar(CMemoDlg* note)
    : CDialog(IDD_STYLE_BAR, note), m_pNote(note), m_crBack(::GetSysColor(COLOR_MENU)) {}

BOOL CStyleBar::CreateBar() { return CreateIndirect(CMemoDlg::WindowTemplate(IDD_STYLE_BAR), m_pNote); }

BOOL CStyleBar::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgCtrlID(IDD_STYLE_BAR);
    auto check = [this](CShareCheckButton& button, UINT id, int x, int image) {
        button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(x, 3, x + 12, 15), this, id);
        button.SetImageIndex(image);
        button.m_crPressed = 0x00FFFF;
        button.m_crNormal = 0xA8DEFC;
        button.m_crHover = 0x8CF9FF;
    };
    check(m_btnBold, IDC_SB_BOLD, 4, NCI_BOLD);
    check(m_btnItalic, IDC_SB_ITALIC, 17, NCI_ITALIC);
    check(m_btnUnderline, IDC_SB_UNDERLINE, 30, NCI_UNDERLINE);
    m_cbColor.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                     CRect(48, 1, 83, 200), this, IDC_SB_COLOR);
    m_cbColor.FillColors();
    m_cbColor.SendMessage(CB_SETCURSEL, 0);
    m_cbSize.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(82, 1, 117, 200),
                    this, IDC_SB_SIZE);
    m_cbSize.SetFontHeight(11);
    for (int size : NoteLogic::kTextSizes) {
        CString text;
        text.Format(L"%d", size);
        m_cbSize.SendMessage(CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
    }
    m_cbSize.SendMessage(CB_SETCURSEL, 2);
    m_cbFace.Create(L"COMBOBOX", L"",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS |
                        CBS_SORT,
                    CRect(118, 1, 205, 141), this, IDC_SB_FACE);
    m_cbFace.SetPreviewStyle(12, TRUE);
    for (CWnd* combo : {(CWnd*)&m_cbColor, (CWnd*)&m_cbSize})
        combo->SendMessage(CB_SETITEMHEIGHT, 0, 11);
    m_cbFace.SendMessage(CB_SETITEMHEIGHT, 0, 12);
    // The closed boxes fit the bar's height: sized by their owner-drawn
    // items they would stand taller than the bar, which cuts them off.
    for (CWnd* combo : {(CWnd*)&m_cbColor, (CWnd*)&m_cbFace})
        combo->SendMessage(CB_SETITEMHEIGHT, (WPARAM)-1, 12);
    return FALSE;
}

BOOL CStyleBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    COleRichEditCtrl& editor = m_pNote->GetEditor();
    UINT id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_SB_BOLD: editor.ToggleBold(); return TRUE;
    case IDC_SB_ITALIC: editor.ToggleItalic(); return TRUE;
    case IDC_SB_UNDERLINE: editor.ToggleUnderline(); return TRUE;
    case IDOK: return TRUE;
    default: break;
    }
    if (code == CBN_SELCHANGE) {
        if (id == IDC_SB_COLOR) {
            editor.SetColor(m_cbColor.GetSelectedColor());
        } else if (id == IDC_SB_SIZE) {
            int index = (int)m_cbSize.SendMessage(CB_GETCURSEL);
            if (index >= 0 && index < 16) editor.SetSize(NoteLogic::kTextSizes[index]);
        } else if (id == IDC_SB_FACE) {
            int index = (int)m_cbFace.SendMessage(CB_GETCURSEL);
            if (index >= 0) {
                int length = (int)m_cbFace.SendMessage(CB_GETLBTEXTLEN, index);
                std::wstring text((size_t)std::max(length, 0) + 1, L'\0');
                m_cbFace.SendMessage(CB_GETLBTEXT, index, (LPARAM)&text[0]);
                editor.SetFaceName(CString(text.c_str()));
            }
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CStyleBar::UpdateFromEditor(COleRichEditCtrl& editor) {
    if (!m_hWnd) return;
    BOOL bold = editor.IsBold(), italic = editor.IsItalic(), underline = editor.IsUnderline();
    if (m_btnBold.GetCheck() != bold) m_btnBold.SetCheck(bold);
    if (m_btnItalic.GetCheck() != italic) m_btnItalic.SetCheck(italic);
    if (m_btnUnderline.GetCheck() != underline) m_btnUnderline.SetCheck(underline);
    int sizeIndex = NoteLogic::SizeIndex(editor.GetSize());
    if (sizeIndex >= 0 && m_cbSize.SendMessage(CB_GETCURSEL) != sizeIndex) m_cbSize.SendMessage(CB_SETCURSEL, sizeIndex);
    COLORREF color = editor.GetColor();
    if (m_cbColor.GetSelectedColor() != color) m_cbColor.SelectColor(color);
    CString face = editor.GetFaceName();
    int faceIndex = (int)m_cbFace.SendMessage(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)face);
    // A face missing from the list shows none rather than another face's name.
    if (m_cbFace.SendMessage(CB_GETCURSEL) != faceIndex) m_cbFace.SendMessage(CB_SETCURSEL, faceIndex);
}

void CStyleBar::OnSize(UINT, int cx, int) {
    if (!m_cbSize.m_hWnd || !m_cbFace.m_hWnd) return;
    CRect size;
    m_cbSize.GetWindowRect(&size);
    ScreenToClient(&size);
    int width = NoteLogic::FaceListWidth(cx, size.right);
    m_cbFace.SetWindowPos(nullptr, 0, 0, width, 140, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CStyleBar::OnPaint() {
    CPaintDC paint(this);
    CRect c;
    GetClientRect(&c);
    paint.FillSolidRect(&c, m_crBack);
}

LRESULT CStyleBar::OnNcHitTest(CPoint) {
    if (g_Settings.General.MouseOverHiding && !(GetKeyState(VK_CONTROL) & 0x8000)) return HTTRANSPARENT;
    return HTCLIENT;
}
