#include "ui/FadeWnd.h"

#include "ui/FadeWndLogic.h"

#include <mmsystem.h>

BEGIN_MESSAGE_MAP(CFadeWnd, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {
// Read when a fade window is made; every ShowFadeWnd call sets it.
bool g_bFadeAnimate = true;
HWND g_hFadeOwner = nullptr;
}  // namespace

CFadeWnd* ShowFadeWnd(HWND target, COLORREF a, COLORREF b, BOOL animate) {
    g_bFadeAnimate = animate != FALSE;
    if (!target) return nullptr;
    CFadeWnd* wnd = new CFadeWnd(nullptr, RGB(255, 255, 255), RGB(0, 0, 0));
    wnd->BuildTintRamp(a, b);
    // With close-on-click a failed window deletes its own object.
    if (!wnd->CreateOver(target, true, CRect())) return nullptr;
    return wnd;
}

CFadeWnd::CFadeWnd(HWND target, COLORREF a, COLORREF b) {
    BuildTintRamp(a, b);
    if (target && ::IsWindow(target)) CreateOver(target, false, CRect());
}

CFadeWnd::~CFadeWnd() {
    if (m_hCaptured) ::DeleteObject(m_hCaptured);
    if (m_hFaded) ::DeleteObject(m_hFaded);
}

void CFadeWnd::BuildTintRamp(COLORREF a, COLORREF b) { m_ramp = ::BuildTintRamp(a, b); }

HWND CFadeWnd::InvisibleOwner() {
    if (!g_hFadeOwner || !::IsWindow(g_hFadeOwner)) {
        CWnd* main = AfxGetMainWnd();
        g_hFadeOwner = ::CreateWindowExW(0, CWnd::GetDefaultClassName(), L"", WS_POPUP, 0, 0, 0, 0,
                                         main ? main->m_hWnd : nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                         nullptr);
    }
    return g_hFadeOwner;
}

int CFadeWnd::CreateOver(HWND target, bool closeOnClick, const CRect& rectIn) {
    if (!target || !::IsWindow(target)) return 0;
    HDC targetDC = ::GetDC(target);
    bool palette = targetDC && (::GetDeviceCaps(targetDC, RASTERCAPS) & RC_PALETTE);
    if (targetDC) ::ReleaseDC(target, targetDC);
    if (palette) {
        if (closeOnClick) delete this;
        return 0;
    }
    CRect rect = rectIn;
    if (rect.IsRectEmpty()) ::GetWindowRect(target, &rect);
    wchar_t title[256] = L"";
    ::GetWindowTextW(target, title, 256);
    // An owned popup: its invisible owner keeps it off the task bar.
    if (!CreateEx(0, GetDefaultClassName(), title, WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                  rect.Height(), InvisibleOwner(), nullptr)) {
        if (closeOnClick) delete this;
        return 0;
    }
    if (target != ::GetDesktopWindow()) {
        m_hTarget = target;
        ::EnableWindow(target, FALSE);
        HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        if (::GetWindowRgn(target, region) != ERROR)
            ::SetWindowRgn(m_hWnd, region, TRUE);  // the window owns it now
        else
            ::DeleteObject(region);
    }
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_bCloseOnClick = closeOnClick;
    Capture(rect);
    m_shown.clear();
    if (g_bFadeAnimate) {
        int step = 0;
        for (int p = 0; p < 100; p += step) {
            DWORD start = ::timeGetTime();
            MakeFadedImage(p);
            PaintNow();
            m_shown.push_back(p);
            if (step == 0) step = FadeStepForFrameTime(::timeGetTime() - start);
        }
    } else {
        MakeFadedImage(FADE_STILL_PERCENT);
        PaintNow();
        m_shown.push_back(FADE_STILL_PERCENT);
    }
    return 1;
}

void CFadeWnd::Capture(const CRect& rect) {
    // Only the part on the primary screen can be read.
    CRect part(std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
               std::min<LONG>(rect.right, ::GetSystemMetrics(SM_CXSCREEN)),
               std::min<LONG>(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN)));
    if (m_hCaptured) ::DeleteObject(m_hCaptured);
    m_hCaptured = nullptr;
    m_szImage = CSize();
    m_ptImage = CPoint(part.left - rect.left, part.top - rect.top);
    if (part.IsRectEmpty()) return;
    HDC display = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return;
    HDC mem = ::CreateCompatibleDC(display);
    m_hCaptured = ::CreateCompatibleBitmap(display, part.Width(), part.Height());
    if (m_hCaptured) {
        HGDIOBJ old = ::SelectObject(mem, m_hCaptured);
        ::BitBlt(mem, 0, 0, part.Width(), part.Height(), display, part.left, part.top, SRCCOPY);
        ::SelectObject(mem, old);
        m_szImage = part.Size();
    }
    ::DeleteDC(mem);
    ::DeleteDC(display);
}

void CFadeWnd::SetCapturedImage(HBITMAP bitmap, CSize size) {
    if (m_hCaptured) ::DeleteObject(m_hCaptured);
    m_hCaptured = bitmap;
    m_szImage = bitmap ? size : CSize();
}

void CFadeWnd::MakeFadedImage(int percent) {
    if (!m_hCaptured || m_szImage.cx <= 0 || m_szImage.cy <= 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_szImage.cx;
    info.bmiHeader.biHeight = -m_szImage.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP faded = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!faded) return;
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, m_hCaptured, 0, (UINT)m_szImage.cy, bits, &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    FadePixels(static_cast<unsigned char*>(bits), (size_t)m_szImage.cx * (size_t)m_szImage.cy, percent, m_ramp);
    if (m_hFaded) ::DeleteObject(m_hFaded);
    m_hFaded = faded;
}

void CFadeWnd::PaintNow() {
    if (!m_hWnd) return;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc) return;
    if (m_hFaded) {
        HDC mem = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(mem, m_hFaded);
        ::BitBlt(dc, m_ptImage.x, m_ptImage.y, m_szImage.cx, m_szImage.cy, mem, 0, 0, SRCCOPY);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
    }
    ::ReleaseDC(m_hWnd, dc);
}

void CFadeWnd::OnPaint() {
    PAINTSTRUCT ps;
    ::BeginPaint(m_hWnd, &ps);
    ::EndPaint(m_hWnd, &ps);
    PaintNow();
}

BOOL CFadeWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CFadeWnd::OnLButtonDown(UINT flags, CPoint point) {
    CWnd::OnLButtonDown(flags, point);
    if (m_bCloseOnClick && CloseOnLeftClick()) DestroyWindow();
}

void CFadeWnd::OnRButtonDown(UINT flags, CPoint point) {
    CWnd::OnRButtonDown(flags, point);
    if (m_bCloseOnClick && CloseOnRightClick()) DestroyWindow();
}

void CFadeWnd::OnKillFocus(CWnd* newWnd) {
    CWnd::OnKillFocus(newWnd);
    // Keys must not reach the covered windows; while going away the focus
    // goes back to the target instead.
    if (!m_bClosing) ::SetFocus(m_hWnd);
}

void CFadeWnd::OnDestroy() {
    m_bClosing = true;
    if (m_hCaptured) ::DeleteObject(m_hCaptured);
    if (m_hFaded) ::DeleteObject(m_hFaded);
    m_hCaptured = m_hFaded = nullptr;
    if (m_hTarget) {
        ::EnableWindow(m_hTarget, TRUE);
        ::SetFocus(m_hTarget);
        m_hTarget = nullptr;
    }
    CWnd::OnDestroy();
}

void CFadeWnd::PostNcDestroy() {
    if (m_bCloseOnClick) delete this;
}
