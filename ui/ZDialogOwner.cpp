#include "ui/ZDialogOwner.h"

#include "ui/ZActiveBgDlg.h"
#include "ui/FloatingLogic.h"
#include "ui/FloatingOptions.h"
#include "ui/MonitorList.h"
#include "ui/SnapLogic.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"

#include "shell/LanguageTable.h"

namespace {
CZDialogOwner* s_owner = nullptr;
// The one dim overlay; it deletes itself when its window is destroyed.
CZActiveBgDlg* s_dimOverlay = nullptr;

std::vector<CRect> WorkAreas() {
    IMonitorList& monitors = GetFloatingMonitorList();
    std::vector<CRect> areas;
    int count = monitors.GetCount();
    for (int i = 0; i < count; ++i) areas.push_back(monitors.GetWorkAreaRect(i));
    return areas;
}
}  // namespace

void SetZDialogOwner(CZDialogOwner* owner) { s_owner = owner; }

CZDialogOwner& GetZDialogOwner() {
    static CZDialogOwner defaults;
    return s_owner ? *s_owner : defaults;
}

void CZDialogOwner::SnapWindowOnMove(CZDialog* window, LPRECT rect) {
    CFloatingOptions options = GetFloatingOptions();
    Snap::Drag drag;
    drag.movable = window->m_bMovable != 0;
    drag.dragRect = window->m_rcDrag;
    drag.dragPoint = window->m_ptDrag;
    ::GetCursorPos(&drag.cursor);
    std::vector<Snap::Candidate> windows;
    if (drag.movable && options.Docking)
        for (CZDialog* other : GetRegisteredDialogs())
            if (other != window) windows.push_back({other->GetRect(), other->IsVisible() != FALSE});
    CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    *rect = Snap::OnMove(CRect(*rect), drag, options.Docking != 0, options.DockingSize, windows, screen,
                         WorkAreas());
}

void CZDialogOwner::SnapWindowOnSize(CZDialog* window, UINT edge, LPRECT rect) {
    CFloatingOptions options = GetFloatingOptions();
    if (!options.Docking) return;
    std::vector<Snap::Candidate> notes;
    for (CZDialog* note : GetNoteWindows())
        if (note && note != window) notes.push_back({note->GetRect(), note->IsVisible() != FALSE});
    *rect = Snap::OnSize(CRect(*rect), (int)edge, true, options.DockingSize, notes);
}

bool CZDialogOwner::ConfirmExit() {
    CString text = g_LanguageTable[TEXT_CONFIRM_EXIT];
    if (text.IsEmpty()) text = L"Would you like to end the Zorel?";
    return ::MessageBoxW(nullptr, text, L"Zorel", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST) != IDNO;
}

void CZDialogOwner::ExitProgram() {
    CWnd* main = AfxGetMainWnd();
    if (main && main->m_hWnd) ::SendMessageW(main->m_hWnd, WM_COMMAND, ID_APP_EXIT_ZOREL, 0);
}

CRect CZDialogOwner::GetNewMemoRect() {
    CRect area = GetMonitorWorkArea(GetFloatingOptions().WorkMonitor);
    if (area.IsRectEmpty())
        area = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return CRect(area.right - 230, area.top + 30, area.right - 30, area.top + 230);
}

void CZDialogOwner::ShowActiveBackground(BOOL on) {
    if (on) {
        if (s_dimOverlay) return;
        CZActiveBgDlg* overlay = new CZActiveBgDlg(nullptr);
        if (!overlay->Create()) {
            delete overlay;
            return;
        }
        s_dimOverlay = overlay;
        for (CZDialog* window : GetRegisteredDialogs()) {
            if (!window->IsVisible()) continue;
            ::SetWindowPos(window->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ::SetForegroundWindow(window->m_hWnd);
        }
        return;
    }
    for (CZDialog* window : GetRegisteredDialogs()) window->SetZPosition(window->m_nZPosition, TRUE);
    CZActiveBgDlg* overlay = s_dimOverlay;
    s_dimOverlay = nullptr;
    if (overlay) overlay->DestroyWindow();
}

bool CZDialogOwner::IsActiveBackgroundShown() { return s_dimOverlay != nullptr; }
