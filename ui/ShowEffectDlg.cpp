#include "ui/ShowEffectDlg.h"

#include "ui/FloatingLogic.h"
#include "ui/FloatingOptions.h"
#include "ui/MonitorList.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"
#include "ui/ZDialogOwner.h"
#include "ui/ZMemDC.h"

BEGIN_MESSAGE_MAP(CShowEffectDlg, CWnd)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CShowEffectDlg* g_SpotlightDlg = nullptr;

CShowEffectDlg::CShowEffectDlg() : m_rect(OverlayRect(VirtualDesktopRect(GetFloatingMonitorList()))) {}

CShowEffectDlg::~CShowEffectDlg() { m_raised.Clear(); }

BOOL CShowEffectDlg::Create() {
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_LAYERED, GetDefaultClassName(), L"", WS_POPUP, m_rect.left, m_rect.top,
                  m_rect.Width(), m_rect.Height(), nullptr, nullptr))
        return FALSE;
    SetOverlayAlpha(0, (BYTE)m_nAlpha, LWA_ALPHA);
    m_dwStartTick = ::GetTickCount();
    SetTimer(TIMER_SPOTLIGHT_RAMP, SPOTLIGHT_RAMP_MS);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), 0);
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

void CShowEffectDlg::PostNcDestroy() {
    if (g_SpotlightDlg == this) g_SpotlightDlg = nullptr;
    delete this;
}

BOOL CShowEffectDlg::SetOverlayAlpha(COLORREF colorKey, BYTE alpha, DWORD flags) {
    if (!GetFloatingOptions().PlatformNT) return TRUE;
    typedef BOOL(WINAPI * SetLayered)(HWND, COLORREF, BYTE, DWORD);
    static SetLayered set = [] {
        HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        return user32 ? (SetLayered)(void*)::GetProcAddress(user32, "SetLayeredWindowAttributes") : nullptr;
    }();
    return set ? set(m_hWnd, colorKey, alpha, flags) : FALSE;
}

void CShowEffectDlg::AddWindow(CZDialog* window) {
    if (!window || !m_raised.Add(window->GetSerial(), window)) return;
    window->ShowWindow(SW_SHOWNOACTIVATE);
    window->SetZPosition(ZPOS_TOPMOST, FALSE);
    window->SetForegroundWindow();
}

void CShowEffectDlg::AddWindows(const std::vector<CZDialog*>& windows) {
    for (CZDialog* window : windows) AddWindow(window);
}

void CShowEffectDlg::RestoreWindows() {
    // A raised window destroyed meanwhile is no longer registered under its
    // serial number; it is skipped without touching the stale pointer.
    m_raised.Restore([](int serial, CZDialog* window) { return FindRegisteredDialog(serial) == window; },
                     [](CZDialog* window) { window->SetZPosition(window->m_nZPosition, TRUE); });
}

void CShowEffectDlg::CloseOverlay() {
    if (!g_SpotlightDlg) return;
    CShowEffectDlg* overlay = g_SpotlightDlg;
    overlay->RestoreWindows();
    g_SpotlightDlg = nullptr;
    // The object deletes itself once its window is gone.
    overlay->DestroyWindow();
}

void CShowEffectDlg::OnTimer(UINT_PTR id) {
    int alpha = SpotlightAlphaAt(::GetTickCount() - m_dwStartTick);
    if (alpha < SPOTLIGHT_FULL_ALPHA) {
        m_nAlpha = alpha;
        SetOverlayAlpha(0, (BYTE)alpha, LWA_ALPHA);
        CWnd::OnTimer(id);
        return;
    }
    m_nAlpha = SPOTLIGHT_FULL_ALPHA;
    SetOverlayAlpha(0, SPOTLIGHT_FULL_ALPHA, LWA_ALPHA);
    KillTimer(id);
}

void CShowEffectDlg::OnPaint() {
    CPaintDC dc(this);
    ZMemDC mem(&dc);
    CDC tileDC;
    tileDC.CreateCompatibleDC(&dc);
    HBITMAP tile = LoadSpotlightTile();
    HGDIOBJ old = ::SelectObject(tileDC.m_hDC, tile);
    for (int x = 0; x < m_rect.Width(); x += SPOTLIGHT_TILE_SIZE)
        for (int y = 0; y < m_rect.Height(); y += SPOTLIGHT_TILE_SIZE)
            mem.BitBlt(x, y, SPOTLIGHT_TILE_SIZE, SPOTLIGHT_TILE_SIZE, &tileDC, 0, 0, SRCCOPY);
    ::SelectObject(tileDC.m_hDC, old);
    tileDC.DeleteDC();
    ::DeleteObject(tile);
}

BOOL CShowEffectDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CShowEffectDlg::OnLButtonDown(UINT, CPoint) { CloseOverlay(); }
void CShowEffectDlg::OnRButtonDown(UINT, CPoint) { CloseOverlay(); }

HBITMAP LoadSpotlightTile() {
    HBITMAP tile = (HBITMAP)::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SPOTLIGHT_TILE),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (tile) return tile;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = SPOTLIGHT_TILE_SIZE;
    info.bmiHeader.biHeight = -SPOTLIGHT_TILE_SIZE;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    tile = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!tile) return nullptr;
    // A fixed noise of mid greys, the same on every run.
    unsigned seed = 0x2F6E2B1u;
    DWORD* px = static_cast<DWORD*>(bits);
    for (int i = 0; i < SPOTLIGHT_TILE_SIZE * SPOTLIGHT_TILE_SIZE; ++i) {
        seed = seed * 1103515245u + 12345u;
        DWORD v = 122 + (seed >> 16) % 6;
        px[i] = v | (v << 8) | (v << 16);
    }
    return tile;
}

namespace {
void ShowPlainly(CZDialog* window) {
    window->ShowWindow(SW_SHOW);
    window->SetForegroundWindow();
}

// Creates the spotlight; false when its window cannot be made.
bool CreateSpotlight() {
    CShowEffectDlg* overlay = new CShowEffectDlg();
    g_SpotlightDlg = overlay;
    if (!overlay->Create()) {
        g_SpotlightDlg = nullptr;
        delete overlay;
        return false;
    }
    return true;
}

void FinishSpotlight() {
    CZDialog* bar = GetZDialogOwner().GetDockedQuickMenu();
    if (bar && GetFloatingOptions().QuickMenuDockMode != 0) g_SpotlightDlg->AddWindow(bar);
    g_SpotlightDlg->ShowWindow(SW_SHOWNOACTIVATE);
}
}  // namespace

int ShowWithEffect(CZDialog* window) {
    if (!window) return 0;
    if (!GetFloatingOptions().WidgetShowEffect) {
        ShowPlainly(window);
        return 1;
    }
    if (g_SpotlightDlg) {
        g_SpotlightDlg->AddWindow(window);
        return 1;
    }
    if (!CreateSpotlight()) return 0;
    g_SpotlightDlg->AddWindow(window);
    FinishSpotlight();
    return 1;
}

void ShowGroupWithEffect(const std::vector<CZDialog*>& windows) {
    if (!GetFloatingOptions().WidgetShowEffect) {
        for (CZDialog* window : windows)
            if (window) ShowPlainly(window);
        return;
    }
    if (windows.empty()) return;
    if (g_SpotlightDlg) {
        g_SpotlightDlg->AddWindows(windows);
        return;
    }
    if (!CreateSpotlight()) return;
    g_SpotlightDlg->AddWindows(windows);
    FinishSpotlight();
}

void AddToSpotlightIfActive(CZDialog* window) {
    if (g_SpotlightDlg) g_SpotlightDlg->AddWindow(window);
}

void CloseSpotlight() {
    if (g_SpotlightDlg) g_SpotlightDlg->CloseOverlay();
}
