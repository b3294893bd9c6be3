// The main frame's part of the quick-menu bar: creating, showing and
// closing it, storing its state, and what the hot keys, the spotlight and
// the note arrangement ask of it.
#include "app/MainFrame.h"

#include "app/MainFrameDialogOwner.h"
#include "notes/FrameNotes.h"
#include "shell/HotKeyView.h"
#include "shell/Settings.h"
#include "ui/ShowEffectDlg.h"
#include "widgets/QuickMenuDlg.h"
#include "widgets/WidgetDialog.h"
#include "widgets/WidgetIds.h"

namespace {

// The hot keys' view of the bar.
class CQuickMenuHotKeyView : public IHotKeyView {
public:
    explicit CQuickMenuHotKeyView(CQuickMenuDlg& bar) : m_bar(bar) {}
    bool IsVisible() override { return m_bar.IsVisible() != FALSE; }
    int GetLevel() override { return m_bar.m_nZPosition; }
    void ArmAutoHide(int fadeIn, int stayMs) override { m_bar.ArmAutoHide(fadeIn, stayMs); }
    void SetZPosition(int level, bool remember) override { m_bar.SetZPosition(level, remember ? TRUE : FALSE); }
    void SetForeground() override { m_bar.SetForegroundWindow(); }
    void FadeOut() override { m_bar.FadeOut(); }
    void ShowWithEffect() override { ::ShowWithEffect(&m_bar); }
    void AddToSpotlightIfActive() override { ::AddToSpotlightIfActive(&m_bar); }

private:
    CQuickMenuDlg& m_bar;
};

}  // namespace

void CMainFrame::ShowQuickMenu(int fade) {
    const CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    if (CQuickMenuDlg* bar = m_pQuickMenu) {
        if (!bar->IsVisible()) bar->ArmAutoHide(fade, IHotKeyView::STAY);
        bar->SetForegroundWindow();
        bar->SlideOut();
        return;
    }
    CQuickMenuDlg* bar = new CQuickMenuDlg();
    bar->onClosedByUser = [this] { CloseQuickMenu(); };
    if (!bar->Create(IDD_SKIN_WINDOW, nullptr) || !bar->m_hWnd) {
        bar->Release();
        return;
    }
    m_pQuickMenu = bar;
    m_quickMenuView = std::make_unique<CQuickMenuHotKeyView>(*bar);
    bar->ClearChanged();
    if (CQuickMenuDlg::IsDocked()) {
        // Docked it stays; opening it once shows where it is, however small
        // it hides.
        bar->ShowWindow(SW_SHOWNOACTIVATE);
        if (s.SlideEffect || s.Minimize) bar->SlideOut();
    } else {
        bar->ArmAutoHide(fade, IHotKeyView::STAY);
        AddToSpotlightIfActive(bar);
    }
}

void CMainFrame::CloseQuickMenu() {
    CQuickMenuDlg* bar = m_pQuickMenu;
    if (!bar) return;
    m_pQuickMenu = nullptr;
    m_quickMenuView.reset();
    if (bar->m_hWnd) bar->DestroyWindow();
    bar->Release();
}

// A new check interval moves the notes' reminders; a docked bar slides out
// so the user sees where it is, then takes the work area as it now stands.
void CMainFrame::SlideOutQuickMenu() {
    if (m_pQuickMenu && m_pQuickMenu->m_hWnd && CQuickMenuDlg::IsDocked()) m_pQuickMenu->SlideOut();
}

void CMainFrame::UpdateQuickMenuWorkArea() {
    if (m_pQuickMenu && m_pQuickMenu->m_hWnd && CQuickMenuDlg::IsDocked()) m_pQuickMenu->UpdateWorkArea();
}

void CMainFrame::StoreQuickMenuState() {
    if (m_pQuickMenu) m_pQuickMenu->SaveState();
}

bool CMainFrame::SaveChangedQuickMenu() {
    if (!m_pQuickMenu || !m_pQuickMenu->IsChanged()) return false;
    m_pQuickMenu->SaveState();
    m_pQuickMenu->ClearChanged();
    return true;
}

bool CMainFrame::GetQuickMenuRect(CRect& rect) {
    if (!m_pQuickMenu || !m_pQuickMenu->m_hWnd || !m_pQuickMenu->IsVisible()) return false;
    rect = m_pQuickMenu->GetRect();
    return true;
}

IHotKeyView* CMainFrame::GetQuickMenuView() { return m_quickMenuView.get(); }

void CMainFrame::ConnectQuickMenuToNotes() {
    if (!m_pNotes) return;
    CLifecycleSystemHost& host = m_pNotes->LifecycleHost();
    host.quickMenuRect = [this](CRect& rect) { return GetQuickMenuRect(rect); };
    host.setQuickMenuExpanded = [this](bool expand) {
        if (m_pQuickMenu) m_pQuickMenu->SetExpanded(expand);
    };
    host.moveQuickMenu = [this](const CPoint& topLeft) {
        // The docked bar keeps its place at the top edge.
        if (!m_pQuickMenu || CQuickMenuDlg::IsDocked()) return;
        ::SetWindowPos(m_pQuickMenu->m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
}

CZDialog* CMainFrameDialogOwner::GetDockedQuickMenu() {
    CQuickMenuDlg* bar = m_frame.GetQuickMenuBar();
    return bar && bar->IsVisible() ? bar : nullptr;
}

bool CMainFrameDialogOwner::GetQuickMenuRect(CRect& rect) { return m_frame.GetQuickMenuRect(rect); }

void CMainFrame::ReloadLauncherSkins() {
    for (CWidgetDialog* widget : m_widgets)
        if (widget->m_hWnd) widget->ReloadSkinIfHotkeyButtons();
    if (m_pQuickMenu && m_pQuickMenu->m_hWnd) m_pQuickMenu->ReloadSkinIfHotkeyButtons();
}

void CMainFrame::RedrawQuickMenuOnTheMinute() {
    if (m_pQuickMenu && m_pQuickMenu->m_hWnd) m_pQuickMenu->RedrawIfUndocked();
}
