#include "ui/TitleTip.h"

BEGIN_MESSAGE_MAP(CTitleTip, CControlBase)
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MBUTTONDOWN()
END_MESSAGE_MAP()

static const wchar_t kTitleTipClass[] = L"ZTitleTip";

CTitleTip::~CTitleTip() {
    if (m_hWnd) DestroyWindow();
}

BOOL CTitleTip::Create(CWnd* grid) {
    m_pGrid = grid;
    HINSTANCE inst = AfxGetInstanceHandle();
    WNDCLASSW wc;
    if (!::GetClassInfoW(inst, kTitleTipClass, &wc)) {
        wc = {};
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = inst;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
        wc.lpszClassName = kTitleTipClass;
        if (!::RegisterClassW(&wc)) return FALSE;
    }
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTitleTipClass, nullptr, WS_POPUP | WS_BORDER, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

void CTitleTip::Show(const CRect& textRect, LPCTSTR text, int xOffset, const CRect* cellRect, const LOGFONT* font) {
    if (!m_hWnd || textRect.IsRectEmpty()) return;
    CRect hover = cellRect ? *cellRect : textRect;
    if (m_pGrid) m_pGrid->ClientToScreen(&hover);
    m_rectHover = hover;
    if (IsWindowVisible() || !::GetFocus()) return;
    CRect rect = textRect;
    if (m_pGrid) m_pGrid->ClientToScreen(&rect);
    m_strText = CString(_T(" ")) + (text ? text : _T("")) + _T(" ");
    m_hasFont = font != nullptr;
    if (font) m_font = *font;

    HDC dc = ::GetDC(m_hWnd);
    HFONT created = font ? ::CreateFontIndirectW(font) : nullptr;
    HFONT gridFont = m_pGrid ? (HFONT)m_pGrid->SendMessage(WM_GETFONT) : nullptr;
    HGDIOBJ old = ::SelectObject(dc, created ? created : gridFont ? gridFont : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, m_strText, m_strText.GetLength(), &size);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    if (created) ::DeleteObject(created);

    int width = size.cx + tm.tmOverhang + xOffset;
    if (rect.left + width + xOffset <= rect.right - xOffset)
        return;  // the text fits: no tip
    SetWindowPos(&wndTopMost, rect.left + xOffset, rect.top, width, rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    UpdateWindow();
    SetCapture();
}

void CTitleTip::OnPaint() {
    CPaintDC dc(this);
    HFONT created = m_hasFont ? ::CreateFontIndirectW(&m_font) : nullptr;
    HFONT gridFont = m_pGrid ? (HFONT)m_pGrid->SendMessage(WM_GETFONT) : nullptr;
    HGDIOBJ old = ::SelectObject(dc, created ? created : gridFont ? gridFont : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    ::TextOutW(dc, 0, 2, m_strText, m_strText.GetLength());
    ::SelectObject(dc, old);
    if (created) ::DeleteObject(created);
}

void CTitleTip::Hide() {
    if (!m_hWnd) return;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CTitleTip::Forward(UINT message, WPARAM wParam, POINT screen) {
    HWND target = ::WindowFromPoint(screen);
    if (!target || target == m_hWnd) target = m_pGrid ? m_pGrid->m_hWnd : nullptr;
    if (!target) return;
    LRESULT hit = ::SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (hit == HTCLIENT) {
        POINT client = screen;
        ::ScreenToClient(target, &client);
        ::PostMessageW(target, message, wParam, MAKELPARAM(client.x, client.y));
    } else {
        UINT nc = message == WM_MOUSEMOVE     ? WM_NCMOUSEMOVE
                : message == WM_LBUTTONDOWN   ? WM_NCLBUTTONDOWN
                : message == WM_RBUTTONDOWN   ? WM_NCRBUTTONDOWN
                                              : WM_NCMBUTTONDOWN;
        ::PostMessageW(target, nc, (WPARAM)hit, MAKELPARAM(screen.x, screen.y));
    }
}

void CTitleTip::OnMouseMove(UINT flags, CPoint point) {
    POINT screen = point;
    ClientToScreen(&screen);
    if (m_rectHover.PtInRect(screen)) return;
    Hide();
    Forward(WM_MOUSEMOVE, flags, screen);
}

// A press that reaches the tip without passing the message loop's
// pre-translation (a loop of the system's own) is handed on the same way.
void CTitleTip::OnButtonDown(UINT message, UINT flags, CPoint point) {
    MSG msg = {m_hWnd, message, flags, MAKELPARAM(point.x, point.y), 0, {}};
    PreTranslateMessage(&msg);
}

BOOL CTitleTip::PreTranslateMessage(MSG* msg) {
    if (!m_hWnd || msg->hwnd != m_hWnd) return FALSE;
    switch (msg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        POINT screen = {(short)LOWORD(msg->lParam), (short)HIWORD(msg->lParam)};
        ClientToScreen(&screen);
        Hide();
        Forward(msg->message, msg->wParam, screen);
        return TRUE;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        if (m_pGrid) m_pGrid->PostMessage(msg->message, msg->wParam, msg->lParam);
        return TRUE;
    default:
        if (!::GetFocus()) {
            Hide();
            return TRUE;
        }
        return FALSE;
    }
}
