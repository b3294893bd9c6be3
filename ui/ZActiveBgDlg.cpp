#include "ui/ZActiveBgDlg.h"

#include "ui/FloatingLogic.h"
#include "ui/FloatingOptions.h"
#include "ui/MonitorList.h"
#include "ui/ZDialogOwner.h"

BEGIN_MESSAGE_MAP(CZActiveBgDlg, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CZActiveBgDlg::CZActiveBgDlg(CWnd*) : m_rect(OverlayRect(VirtualDesktopRect(GetFloatingMonitorList()))) {}

BOOL CZActiveBgDlg::Create() {
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_TOPMOST, GetDefaultClassName(), L"", WS_POPUP,
                  m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), nullptr, nullptr))
        return FALSE;
    if (GetFloatingOptions().PlatformNT) {
        typedef BOOL(WINAPI * SetLayered)(HWND, COLORREF, BYTE, DWORD);
        HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        SetLayered set = user32 ? (SetLayered)(void*)::GetProcAddress(user32, "SetLayeredWindowAttributes") : nullptr;
        if (set) set(m_hWnd, 0, DIM_ALPHA, LWA_ALPHA);
    }
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
                   SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

void CZActiveBgDlg::PostNcDestroy() { delete this; }

void CZActiveBgDlg::OnLButtonDown(UINT flags, CPoint point) {
    CWnd::OnLButtonDown(flags, point);
    GetZDialogOwner().ShowActiveBackground(FALSE);
}

BOOL CZActiveBgDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CZActiveBgDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    ::FillRect(dc, &ps.rcPaint, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    ::EndPaint(m_hWnd, &ps);
}
