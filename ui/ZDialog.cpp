#include "ui/ZDialog.h"

#include "ui/FloatingLogic.h"
#include "ui/FloatingOptions.h"
#include "ui/MonitorList.h"
#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

BEGIN_MESSAGE_MAP(CZDialog, CDialog)
    ON_WM_CREATE()
    ON_WM_MOVE()
    ON_WM_MOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_MOVING()
    ON_WM_SIZING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SYSCOMMAND()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_POS_NORMAL, OnZPositionNormal)
    ON_COMMAND(ID_POS_TOPMOST, OnZPositionTopmost)
    ON_COMMAND(ID_POS_DESKTOP, OnZPositionDesktop)
    ON_COMMAND(ID_FIX_LOCATION, OnFixLocation)
    ON_COMMAND_RANGE(ID_ARRANGE_MEMO_COLUMN, ID_ARRANGE_BOTTOM_RIGHT, OnArrange)
    ON_COMMAND(ID_WINDOW_HIDE, OnHideWindow)
    ON_COMMAND(ID_HIDE_OTHER_WIDGETS, OnHideOtherWidgets)
    ON_COMMAND_RANGE(ID_OPEN_GROUP_FIRST, ID_OPEN_GROUP_LAST, OnOpenMemoGroup)
    ON_COMMAND_RANGE(ID_WIDGET_FIRST, ID_WIDGET_LAST, OnOpenWidgetMenu)
END_MESSAGE_MAP()

namespace {
CZDialog::DesktopListFinder s_desktopListFinder = nullptr;

const UINT kQuietZOrder = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE;
}  // namespace

CZDialog::CZDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_nSerial(NextZDialogSerial()) {}

CZDialog::~CZDialog() {}

void CZDialog::Release() {
    if (--m_nRefCount <= 0) delete this;
}

// ---- Life and registry ----

BOOL CZDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    RegisterDialog(this);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, 0);
    return FALSE;
}

void CZDialog::PostNcDestroy() {
    UnregisterDialog(this);
    CDialog::PostNcDestroy();
}

// ---- State and appearance ----

CRect CZDialog::GetRect() {
    ::GetWindowRect(m_hWnd, &m_rcCache);
    return m_rcCache;
}

void CZDialog::SetAlpha(int alpha) {
    m_nAlpha = alpha;
    SetLayeredAlpha(0, (BYTE)alpha, LWA_ALPHA);
}

BOOL CZDialog::IsVisible() const { return (GetStyle() & WS_VISIBLE) ? TRUE : FALSE; }

BOOL CZDialog::SetLayeredAlpha(COLORREF colorKey, BYTE alpha, DWORD flags) {
    // Derived windows set their alpha before they exist; it applies later.
    if (!m_hWnd) return FALSE;
    if (alpha == 255)
        ModifyStyleEx(WS_EX_LAYERED, 0);
    else
        ModifyStyleEx(0, WS_EX_LAYERED);
    if (!GetFloatingOptions().PlatformNT) return TRUE;
    typedef BOOL(WINAPI * SetLayered)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    SetLayered set = user32 ? (SetLayered)(void*)::GetProcAddress(user32, "SetLayeredWindowAttributes") : nullptr;
    return set ? set(m_hWnd, colorKey, alpha, flags) : FALSE;
}

void CZDialog::SetClickThrough(BOOL on) {
    if (on) {
        SetLayeredAlpha(0, 0, LWA_ALPHA);
        ModifyStyleEx(0, WS_EX_TRANSPARENT);
        ShowWindow(SW_HIDE);
    } else {
        ModifyStyleEx(WS_EX_TRANSPARENT, 0);
        ShowWindow(SW_SHOWNOACTIVATE);
    }
}

void CZDialog::FadeIn() { m_fade.FadeIn(); }
void CZDialog::FadeOut() { m_fade.FadeOut(); }
void CZDialog::Hide(BOOL animated) { m_fade.Hide(animated != FALSE); }
void CZDialog::ArmAutoHide(BOOL fade, int elapse) { m_fade.ArmAutoHide(fade != FALSE, elapse); }
void CZDialog::StartMouseOverHiding() { m_fade.StartMouseOverHiding(); }

void CZDialog::ApplyOpacity(int alpha) { SetLayeredAlpha(0, (BYTE)alpha, LWA_ALPHA); }

void CZDialog::BringToTopIfNormal() {
    if (m_nZPosition == ZPOS_NORMAL)
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CZDialog::CursorInside() {
    POINT cursor;
    if (!::GetCursorPos(&cursor)) return false;
    return GetRect().PtInRect(cursor);
}

bool CZDialog::LayeredAvailable() { return GetFloatingOptions().PlatformNT; }

void CZDialog::RaiseTemporarily(BOOL on) {
    if (on) {
        m_nSavedLevel = m_nZPosition;
        m_bWasVisible = IsVisible();
        SetZPosition(ZPOS_TOPMOST, TRUE);
        if (m_bWasVisible)
            SetForegroundWindow();
        else
            ShowWindow(SW_SHOW);
    } else {
        SetZPosition(m_nSavedLevel, TRUE);
    }
}

// ---- Levels ----

void CZDialog::SetDesktopListFinder(DesktopListFinder finder) { s_desktopListFinder = finder; }

HWND CZDialog::FindDesktopListView() {
    if (s_desktopListFinder) return s_desktopListFinder();
    HWND progman = ::FindWindowW(L"Progman", L"Program Manager");
    HWND view = progman ? ::FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
    return view ? ::FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

int CZDialog::SetZPosition(int level, BOOL remember) {
    CFloatingOptions options = GetFloatingOptions();
    HWND desktopList = nullptr;
    if (level == ZPOS_DESKTOP && options.EnableDesktop) desktopList = FindDesktopListView();
    ZLevelPlan plan = PlanZPosition(m_nZPosition, level, remember != FALSE, options.EnableDesktop != 0,
                                    desktopList != nullptr);
    if (!plan.accepted) return 0;
    if (plan.markChanged) {
        GetZDialogOwner().RequestSaveSoon();
        m_bChanged = 1;
    }
    if (plan.dropTopmost) ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, kQuietZOrder);
    if (plan.storeLevel) m_nZPosition = level;
    if (plan.place == ZLevelPlan::PIN_TO_DESKTOP) {
        ::SetParent(m_hWnd, desktopList);
        return ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, kQuietZOrder);
    }
    // Out of the desktop (when it was pinned) and without an owner.
    if (::GetParent(m_hWnd)) ::SetParent(m_hWnd, nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, 0);
    HWND after = plan.place == ZLevelPlan::TOPMOST ? HWND_TOPMOST
               : plan.place == ZLevelPlan::BOTTOM  ? HWND_BOTTOM
                                                   : HWND_NOTOPMOST;
    return ::SetWindowPos(m_hWnd, after, 0, 0, 0, 0, kQuietZOrder);
}

// ---- Placement ----

CRect CZDialog::KeepOnScreen(const CRect& proposed) {
    CFloatingOptions options = GetFloatingOptions();
    CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return KeepRectOnScreen(proposed, GetRect(), screen, options.RevisionPosition != 0, options.WorkMonitor,
                            GetFloatingMonitorList());
}

void CZDialog::MoveOntoMonitor() {
    CPoint topLeft;
    if (MoveOntoMonitorTarget(GetRect(), GetZDialogOwner().GetNewMemoRect(), GetFloatingMonitorList(), topLeft))
        ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CPoint CZDialog::AdjustPositionToMonitor(int x, int y) {
    return AdjustPositionToMonitors(CPoint(x, y), GetRect().Size(), GetFloatingOptions().RevisionPosition != 0,
                                    GetZDialogOwner().GetNewMemoRect(), GetFloatingMonitorList());
}

CRect GetMonitorWorkArea(int n) { return MonitorWorkArea(GetFloatingMonitorList(), n); }

CRect GetMonitorWorkAreaFromPoint(int x, int y) {
    return MonitorWorkAreaFromPoint(GetFloatingMonitorList(), CPoint(x, y));
}

// ---- Messages ----

int CZDialog::OnCreate(LPCREATESTRUCT cs) { return CDialog::OnCreate(cs) == -1 ? -1 : 0; }

void CZDialog::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    m_ptPosition = CPoint(x, y);
}

void CZDialog::OnMouseMove(UINT flags, CPoint point) {
    if (IsMouseOverHiding() && !m_fade.MouseOverRunning()) StartMouseOverHiding();
    CDialog::OnMouseMove(flags, point);
}

void CZDialog::OnNcLButtonDown(UINT hitTest, CPoint point) {
    m_ptDrag = point;
    m_rcDrag = GetRect();
    SetForegroundWindow();
    CDialog::OnNcLButtonDown(hitTest, point);
}

void CZDialog::OnNcLButtonUp(UINT hitTest, CPoint point) {
    m_ptDrag = point;
    m_rcDrag = GetRect();
    CDialog::OnNcLButtonUp(hitTest, point);
}

void CZDialog::OnMoving(UINT side, LPRECT rect) {
    GetZDialogOwner().SnapWindowOnMove(this, rect);
    m_bClickArmed = 0;
}

void CZDialog::OnSizing(UINT side, LPRECT rect) {
    if (m_bMovable)
        GetZDialogOwner().SnapWindowOnSize(this, side, rect);
    else
        *rect = GetRect();
}

void CZDialog::OnWindowPosChanged(WINDOWPOS* pos) {
    CDialog::OnWindowPosChanged(pos);
    // An always-on-top window with child windows falls out of the topmost
    // band when it is re-ordered; put it back. The guard stops the change
    // from feeding itself.
    if (!(pos->flags & SWP_NOZORDER) && m_nZPosition == ZPOS_TOPMOST && ::GetTopWindow(m_hWnd) && IsVisible() &&
        !m_bKeepingTopmost) {
        m_bKeepingTopmost = true;
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_bKeepingTopmost = false;
    }
}

void CZDialog::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == SC_CLOSE) {
        // The close box of a floating window ends the whole program, after
        // asking; the window itself never closes this way.
        CZDialogOwner& owner = GetZDialogOwner();
        if (owner.ConfirmExit()) owner.ExitProgram();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

void CZDialog::OnTimer(UINT_PTR id) {
    if (!m_fade.OnTimer((unsigned)id)) CDialog::OnTimer(id);
}

BOOL CZDialog::OnEraseBkgnd(CDC*) { return TRUE; }

void CZDialog::OnZPositionNormal() { SetZPosition(ZPOS_NORMAL, TRUE); }
void CZDialog::OnZPositionTopmost() { SetZPosition(ZPOS_TOPMOST, TRUE); }
void CZDialog::OnZPositionDesktop() { SetZPosition(ZPOS_DESKTOP, TRUE); }
void CZDialog::OnFixLocation() { m_bMovable = !m_bMovable; }

void CZDialog::OnArrange(UINT id) {
    if (id == ID_ARRANGE_MEMO_COLUMN) {
        GetZDialogOwner().PlaceInMemoColumn(this);
    } else {
        CRect client;
        GetClientRect(&client);
        CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
        CPoint target;
        if (ArrangeTarget(id, screen, client.Size(), target)) {
            m_ptPosition = target;
            ::SetWindowPos(m_hWnd, nullptr, target.x, target.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    m_bChanged = 1;
    GetZDialogOwner().RequestSaveSoon();
}

void CZDialog::OnHideWindow() { FadeOut(); }
void CZDialog::OnHideOtherWidgets() { GetZDialogOwner().ShowAllWidgets(FALSE, this); }
void CZDialog::OnOpenMemoGroup(UINT id) { GetZDialogOwner().OnOpenMemoGroup(id); }
void CZDialog::OnOpenWidgetMenu(UINT id) { GetZDialogOwner().OnOpenWidgetMenu(id); }
