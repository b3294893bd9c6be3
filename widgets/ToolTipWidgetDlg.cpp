#include "widgets/ToolTipWidgetDlg.h"

#include "shell/Monitors.h"
#include "shell/ProgramFolder.h"
#include "ui/UiIds.h"
#include "ui/ZDialogList.h"
#include "ui/ZDialogOwner.h"
#include "widgets/Measure.h"
#include "widgets/Meter.h"
#include "widgets/WidgetIds.h"

#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CToolTipWidgetDlg, CGDIDialog)
    ON_WM_NCACTIVATE()
    ON_WM_TIMER()
    ON_WM_MOVE()
    ON_WM_NCRBUTTONDOWN()
END_MESSAGE_MAP()

namespace {
// The arrows are ordinary meters of the skin; the popup draws them where the
// point is, so it moves them itself.
struct MeterPlace : CMeter {
    static int CMeter::*X() { return &MeterPlace::m_X; }
    static int CMeter::*Y() { return &MeterPlace::m_Y; }
};

void DrawMeterAt(CMeter& meter, int x, int y) {
    meter.*MeterPlace::X() = x;
    meter.*MeterPlace::Y() = y;
    meter.Draw();
}

// The owner may have closed since it opened the popup.
bool IsAlive(CZDialog* window) {
    if (!window) return false;
    for (CZDialog* open : GetRegisteredDialogs())
        if (open == window) return window->m_hWnd != nullptr;
    return false;
}

const int kUpArrowId = 1;
const int kDownArrowId = 2;
}  // namespace

CToolTipWidgetDlg::CToolTipWidgetDlg(CWnd* parent) : CGDIDialog(IDD_SKIN_WINDOW, parent) {}

CToolTipWidgetDlg::~CToolTipWidgetDlg() = default;

CString CToolTipWidgetDlg::QuickMenuSkin() { return g_ProgramFolder + L"system\\skin\\quick_menu\\quick_menu310.xml"; }
CString CToolTipWidgetDlg::LauncherSkin() { return g_ProgramFolder + L"system\\skin\\quick_menu\\launcher.xxml"; }

void CToolTipWidgetDlg::SetMode(int mode) {
    m_nMode = mode;
    m_bShowArrow = true;
    m_bMovable = mode != MODE_PLAIN ? 1 : 0;
}

BOOL CToolTipWidgetDlg::OnInitDialog() {
    m_ptPosition = CPoint(0, 0);
    m_nZPosition = ZPOS_TOPMOST;
    SetSkinFile(m_strSkinName.IsEmpty() ? QuickMenuSkin() : m_strSkinName);
    CGDIDialog::OnInitDialog();
    DetachArrows();
    m_nAlpha = 255;
    m_bMouseOverHiding = 0;
    m_bMovable = m_nMode != MODE_PLAIN ? 1 : 0;
    if (m_nMode == MODE_WATCHED) SetTimer(TIMER_CURSOR_WATCH, kWatchMs, nullptr);
    return FALSE;
}

void CToolTipWidgetDlg::DetachArrows() {
    m_pDownArrow.reset(DetachMeter(kDownArrowId));
    m_pUpArrow.reset(DetachMeter(kUpArrowId));
}

void CToolTipWidgetDlg::ShowAt(int x, int y, const CString& skinName) {
    KillTimer(TIMER_CURSOR_WATCH);
    KillTimer(TIMER_AUTO_HIDE);
    CString skin;
    if (skinName.IsEmpty()) {
        SetMode(MODE_PLAIN);
        skin = QuickMenuSkin();
    } else {
        SetMode(MODE_LAUNCHER);
        if (skinName == L"SYSTEM")
            skin = QuickMenuSkin();
        else if (skinName == L"DEFAULT")
            skin = LauncherSkin();
        else
            skin = skinName;
        SetTimer(TIMER_CURSOR_WATCH, kWatchMs, nullptr);
    }
    m_bActivated = false;
    LoadSkin(skin);
    DetachArrows();

    CRect work;
    GetVirtualDesktopRect(work);
    m_Placement = PlaceToolTip(work, x, y, m_szSize.cx, m_szSize.cy, m_pUpArrow ? m_pUpArrow->GetW() : 0);
    m_bShowArrow = true;
    ::SetWindowPos(m_hWnd, nullptr, m_Placement.x, m_Placement.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_ptPosition = CPoint(m_Placement.x, m_Placement.y);
    SetForegroundWindow();
    ArmAutoHide(TRUE, -1);
}

void CToolTipWidgetDlg::HidePopup(BOOL fade) {
    KillTimer(TIMER_AUTO_HIDE);
    KillTimer(TIMER_CURSOR_WATCH);
    m_nMode = MODE_HIDING;
    Hide(fade);
}

bool CToolTipWidgetDlg::ShiftHeld() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

CPoint CToolTipWidgetDlg::CursorPos() {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    return cursor;
}

int CToolTipWidgetDlg::ExecuteCommand(const CString& command) {
    const bool shift = ShiftHeld();
    CString upper = command;
    upper.MakeUpper();
    if (upper == L"HIDE_OTHERS" && IsAlive(m_pOwnerWnd)) {
        GetZDialogOwner().ShowAllWidgets(FALSE, m_pOwnerWnd);
        if (!shift) HidePopup(TRUE);
        return 1;
    }
    m_bActivated = false;
    int result = CGDIDialog::ExecuteCommand(command);
    if (!shift && m_hWnd) HidePopup(TRUE);
    return result;
}

// ---- Drawing ----

void CToolTipWidgetDlg::DrawOverlay() {
    if (!m_bShowArrow) return;
    if (m_Placement.below) {
        if (m_pUpArrow) DrawMeterAt(*m_pUpArrow, m_Placement.arrowX, 0);
    } else if (m_pDownArrow) {
        DrawMeterAt(*m_pDownArrow, m_Placement.arrowX, m_szSize.cy - m_pDownArrow->GetH());
    }
}

// ---- Life ----

void CToolTipWidgetDlg::OnFadeInDone() {
    m_bActivated = true;
    SetForegroundWindow();
}

void CToolTipWidgetDlg::OnFadeOutDone() {
    KillTimer(TIMER_CURSOR_WATCH);
    KillTimer(TIMER_AUTO_HIDE);
}

BOOL CToolTipWidgetDlg::OnNcActivate(BOOL active) {
    if (m_nMode == MODE_PLAIN && !active && m_bActivated) SetTimer(TIMER_DEACTIVATED, 500, nullptr);
    return CGDIDialog::OnNcActivate(active);
}

void CToolTipWidgetDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_CURSOR_WATCH) {
        CPoint cursor = CursorPos();
        if (!GetRect().PtInRect(cursor) && IsAlive(m_pOwnerWnd)) {
            CRect owner;
            m_pOwnerWnd->GetWindowRect(&owner);
            if (!owner.PtInRect(cursor)) HidePopup(TRUE);
        }
        return;
    }
    if (id == TIMER_DEACTIVATED) {
        KillTimer(TIMER_DEACTIVATED);
        HidePopup(FALSE);
        return;
    }
    CGDIDialog::OnTimer(id);
}

void CToolTipWidgetDlg::OnMove(int x, int y) {
    CGDIDialog::OnMove(x, y);
    bool shown = ToolTipArrowShown(CPoint(m_Placement.x, m_Placement.y), GetRect().TopLeft());
    if (shown != m_bShowArrow) {
        m_bShowArrow = shown;
        Redraw();
    }
}
