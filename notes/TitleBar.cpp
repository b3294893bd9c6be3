#include "notes/TitleBar.h"

#include "notes/MemoDlg.h"
#include "notes/NoteHost.h"
#include "notes/NoteIds.h"
#include "notes/NoteTemplates.h"
#include "shell/ColorUtil.h"
#include "shell/Settings.h"

BEGIN_MESSAGE_MAP(CTitleBar, CDialog)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_NULLBUTTON_DBLCLK, OnIconDoubleClick)
END_MESSAGE_MAP()

namespace {

// An importance icon drawn when the program carries none: a disc in the
// importance's colour.
HICON DrawImportanceIcon(COLORREF color, bool ring) {
    HDC screen = GetDC(nullptr);
    HBITMAP colorBits = CreateCompatibleBitmap(screen, 16, 16);
    HBITMAP maskBits = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen), mdc = CreateCompatibleDC(screen);
    HGDIOBJ oldColor = SelectObject(dc, colorBits), oldMask = SelectObject(mdc, maskBits);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    FillRect(mdc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    HBRUSH brush = CreateSolidBrush(color);
    HPEN pen = CreatePen(PS_SOLID, 1, ring ? RGB(255, 255, 255) : ScaleColor(color, 0.6f));
    SelectObject(dc, brush);
    SelectObject(dc, pen);
    Ellipse(dc, 2, 2, 14, 14);
    SelectObject(mdc, GetStockObject(BLACK_BRUSH));
    SelectObject(mdc, GetStockObject(BLACK_PEN));
    Ellipse(mdc, 2, 2, 14, 14);
    SelectObject(dc, oldColor);
    SelectObject(mdc, oldMask);
    DeleteObject(brush);
    DeleteObject(pen);
    DeleteDC(dc);
    DeleteDC(mdc);
    ReleaseDC(nullptr, screen);
    ICONINFO info = {TRUE, 0, 0, maskBits, colorBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colorBits);
    DeleteObject(maskBits);
    return icon;
}

}  // namespace

HICON CTitleBar::GetImportanceIcon(int importance) {
    static HICON icons[4] = {};
    static const UINT ids[4] = {325, 329, 326, 330};  // normal, important, favourite, very important
    static const COLORREF colors[4] = {RGB(200, 200, 200), RGB(255, 140, 0), RGB(255, 215, 0), RGB(230, 30, 30)};
    importance &= 3;
    if (!icons[importance]) {
        icons[importance] = (HICON)LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ids[importance]), IMAGE_ICON,
                                              16, 16, 0);
        if (!icons[importance]) icons[importance] = DrawImportanceIcon(colors[importance], importance == 3);
    }
    return icons[importance];
}

CTitleBar::CTitleBar(CMemoDlg* note) : CDialog(IDD_TITLE_BAR, note), m_pNote(note) {
    // The pictures are known before the windows: the note paints them first.
    m_btnPin.SetImageIndex(NCI_PIN);
    m_btnMenu.SetImageIndex(NBI_MENU);
    m_btnNew.SetImageIndex(NBI_NEW);
    m_btnStyle.SetImageIndex(NCI_STYLE_BAR);
    m_btnNextColor.SetImageIndex(NBI_NEXT_COLOR);
    m_btnDelete.SetImageIndex(NBI_DELETE);
    m_btnFold.SetImageIndex(NBI_FOLD);
}

BOOL CTitleBar::CreateBar() { return CreateIndirect(CMemoDlg::WindowTemplate(IDD_TITLE_BAR), m_pNote); }

namespace {
struct ButtonPlace {
    UINT id;
    int x;  // from the left; from the right edge when fromRight
    int y, cx, cy;
    bool fromRight;
};
const ButtonPlace kPlaces[] = {
    {IDC_TB_ICON, 2, 2, 16, 16, false},        {IDC_TB_PIN, 19, 3, 12, 12, false},
    {IDC_TB_MENU, 34, 4, 12, 11, false},       {IDC_TB_NEW, 70, 3, 12, 11, true},
    {IDC_TB_STYLE, 57, 3, 12, 12, true},       {IDC_TB_NEXT_COLOR, 43, 3, 12, 11, true},
    {IDC_TB_DELETE, 29, 3, 12, 11, true},      {IDC_TB_FOLD, 15, 3, 12, 11, true},
};
}  // namespace

CRect CTitleBar::ButtonRect(UINT id, int barWidth) {
    for (const ButtonPlace& p : kPlaces) {
        if (p.id != id) continue;
        int x = p.fromRight ? barWidth - p.x : p.x;
        return CRect(x, p.y, x + p.cx, p.y + p.cy);
    }
    return CRect();
}

BOOL CTitleBar::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgCtrlID(IDD_TITLE_BAR);
    return FALSE;
}

void CTitleBar::MakeButtons() {
    if (m_bButtonsMade || !m_hWnd) return;
    m_bButtonsMade = TRUE;
    CRect client;
    GetClientRect(&client);
    CWnd* windows[] = {&m_btnIcon, &m_btnPin, &m_btnMenu, &m_btnNew, &m_btnStyle, &m_btnNextColor, &m_btnDelete, &m_btnFold};
    for (size_t i = 0; i < sizeof kPlaces / sizeof kPlaces[0]; ++i) {
        // The icon is painted by the bar; its button only takes the clicks.
        DWORD visible = (i == 0 || m_bButtonsShown) ? WS_VISIBLE : 0;
        windows[i]->Create(L"BUTTON", L"", WS_CHILD | visible | BS_OWNERDRAW, ButtonRect(kPlaces[i].id, client.Width()),
                           this, kPlaces[i].id);
    }
}

void CTitleBar::SetLocked(BOOL locked) {
    m_btnFold.SetImageIndex(locked ? NBI_FOLD_LOCKED : NBI_FOLD);
    if (!m_bButtonsMade && m_hWnd) Invalidate(FALSE);
}

void CTitleBar::ShowButtons(BOOL show) {
    m_bButtonsShown = show;
    int cmd = show ? SW_SHOW : SW_HIDE;
    for (CWnd* button : {(CWnd*)&m_btnMenu, (CWnd*)&m_btnFold, (CWnd*)&m_btnNextColor, (CWnd*)&m_btnStyle,
                         (CWnd*)&m_btnNew, (CWnd*)&m_btnPin, (CWnd*)&m_btnDelete})
        if (button->m_hWnd) button->ShowWindow(cmd);
    if (m_hWnd) Invalidate(FALSE);
}

void CTitleBar::SetButtonColor(COLORREF color) {
    for (CShareButtonEx* button : {&m_btnMenu, &m_btnNew, &m_btnNextColor, &m_btnDelete, &m_btnFold}) {
        button->m_crFill = color;
        if (button->m_hWnd) button->Invalidate();
    }
    if (!m_bButtonsMade && m_hWnd) Invalidate(FALSE);
}

void CTitleBar::OnSize(UINT, int cx, int) {
    for (CWnd* button : {(CWnd*)&m_btnNew, (CWnd*)&m_btnStyle, (CWnd*)&m_btnNextColor, (CWnd*)&m_btnDelete,
                         (CWnd*)&m_btnFold})
        if (button->m_hWnd) {
            CRect r = ButtonRect(button->GetDlgCtrlID(), cx);
            button->SetWindowPos(nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
}

BOOL CTitleBar::ExecuteCommand(UINT id) {
    switch (id) {
    case IDC_TB_DELETE: m_pNote->DeleteMemo(); return TRUE;
    case IDC_TB_NEW: m_pNote->OnNewSameColor(); return TRUE;
    case IDC_TB_PIN: m_pNote->SetLevelFromPin(); return TRUE;
    case IDC_TB_STYLE: m_pNote->ToggleStyleBar(); return TRUE;
    case IDC_TB_NEXT_COLOR: m_pNote->OnNextColor(); return TRUE;
    case IDC_TB_FOLD: m_pNote->SetExpanded(FALSE, FALSE); return TRUE;
    case IDC_TB_MENU: {
        CRect client;
        GetClientRect(&client);
        CRect r = ButtonRect(IDC_TB_MENU, client.Width());
        ClientToScreen(&r);
        m_pNote->ScreenToClient(&r);
        m_pNote->ShowContextMenu(CPoint(r.right, r.bottom));
        return TRUE;
    }
    case IDC_TB_ICON: m_pNote->OnIconClick(); Invalidate(FALSE); return TRUE;
    case IDOK: return TRUE;
    default: return FALSE;
    }
}

BOOL CTitleBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (ExecuteCommand(LOWORD(wParam))) return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CTitleBar::OnCancel() {
    m_pNote->ExecuteCommand(ID_MEMO_FOLD);
    if (CMemoDlg::s_pHost) CMemoDlg::s_pHost->HideMemoTip();
}

LRESULT CTitleBar::OnIconDoubleClick(WPARAM, LPARAM) {
    m_pNote->OnIconDoubleClick();
    Invalidate(FALSE);
    return 0;
}

void CTitleBar::OnPaint() {
    CPaintDC paint(this);
    CRect c;
    GetClientRect(&c);
    int w = c.Width(), h = c.Height();
    if (w <= 0 || h <= 0) return;
    HDC dc = CreateCompatibleDC(paint.m_hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(paint.m_hDC, w, h);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PaintTo(dc, w, h);
    BitBlt(paint.m_hDC, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void CTitleBar::PaintTo(HDC dc, int w, int h) {
    if (w <= 0 || h <= 0) return;
    CMemoInfo& info = m_pNote->GetInfo();
    COLORREF T = info.m_crTitle, B = info.m_crBackground;
    auto fill = [dc](int x, int y, int cx, int cy, COLORREF color) {
        RECT r = {x, y, x + cx, y + cy};
        SetBkColor(dc, color);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    };
    switch (g_Settings.General.SkinType) {
    case 1:
        fill(0, 0, w, h, B);
        fill(0, 0, w, 1, ScaleColor(B, 1.2f));
        fill(0, 0, 1, h, ScaleColor(B, 1.2f));
        fill(w - 1, 0, 1, h, ScaleColor(B, 0.7f));
        break;
    case 2:
        fill(0, 0, w, h, T);
        fill(0, 0, w, 1, g_Settings.General.SimpleMemoColor);
        fill(0, 0, 1, h, g_Settings.General.SimpleMemoColor);
        fill(w - 1, 0, 1, h, g_Settings.General.SimpleMemoColor);
        break;
    default: {
        // A vertical gradient from light to dark, framed.
        fill(0, 0, w, 1, ScaleColor(T, 1.3f));
        int d = h - 3;
        double e = d > 0 ? 0.15 / d : 0;
        double f = 1 + (d / 2) * e;
        for (int y = 1; y <= h - 3; ++y, f -= e) fill(0, y, w, 1, ScaleColor(T, (float)f));
        if (h >= 2) fill(0, h - 2, w, 1, ScaleColor(T, 0.85f));
        fill(0, h - 1, w, 1, ScaleColor(T, 0.55f));
        fill(0, 0, 1, h - 1, ScaleColor(T, 1.3f));
        fill(0, h - 1, 1, 1, ScaleColor(T, 0.55f));
        fill(w - 1, 0, 1, h, ScaleColor(T, 0.55f));
        fill(w - 2, 0, 1, h, ScaleColor(T, 0.85f));
        fill(w - 2, 0, 1, 1, ScaleColor(T, 1.3f));
        fill(w - 2, h - 1, 1, 1, ScaleColor(T, 0.55f));
        break;
    }
    }
    DrawIconEx(dc, 2, 2, GetImportanceIcon(info.m_nImportance), 16, 16, 0, nullptr, DI_NORMAL);
    if (!m_bButtonsMade && m_bButtonsShown) {
        struct Drawn {
            CImageStripButton* button;
            UINT id;
        } drawn[] = {{&m_btnPin, IDC_TB_PIN},   {&m_btnMenu, IDC_TB_MENU},           {&m_btnNew, IDC_TB_NEW},
                     {&m_btnStyle, IDC_TB_STYLE}, {&m_btnNextColor, IDC_TB_NEXT_COLOR}, {&m_btnDelete, IDC_TB_DELETE},
                     {&m_btnFold, IDC_TB_FOLD}};
        for (const Drawn& d : drawn) d.button->DrawTo(dc, ButtonRect(d.id, w));
    }
}
