// The frame's desktop widgets: the list of open widget windows, its file in
// the widgets folder, the "Widgets" menu built from the skins on disk, and
// showing or hiding every desktop window at once.

#include "app/MainFrame.h"

#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "notes/NoteArrange.h"
#include "ui/ShowEffectDlg.h"
#include "ui/ZDialogOwner.h"
#include "widgets/ClockDlg.h"
#include "widgets/QuickMenuDlg.h"
#include "widgets/WidgetDialog.h"
#include "widgets/WidgetList.h"

#include "shell/Settings.h"
#include "shell/ShellIds.h"

#include "fw/Menu.h"

#include <algorithm>
#include <climits>

namespace {

// What a listed widget keeps when its entry lacks a part.
WidgetListEntry ListDefaults() {
    WidgetListEntry entry;
    entry.transparence = 255;
    entry.allowMove = 1;
    return entry;
}

void RaiseWindow(CZDialog* window, int level) {
    window->ArmAutoHide(TRUE, -1);
    if (level == 1) window->SetZPosition(1, TRUE);
    if (level == 0 || level == 1) window->SetForegroundWindow();
    AddToSpotlightIfActive(window);
}

}  // namespace

void CMainFrame::LoadWidgetList() {
    CString folder = CWidgetDialog::WidgetsFolder();
    for (const WidgetListEntry& entry : CWidgetList::ReadFile(CWidgetList::FilePath(folder), ListDefaults())) {
        CWidgetDialog* widget = new CWidgetDialog(*this, &entry);
        if (!widget->Create(IDD_SKIN_WINDOW, nullptr) || !widget->m_hWnd || !widget->IsSkinLoaded()) {
            if (widget->m_hWnd) widget->DestroyWindow();
            widget->Release();
            continue;
        }
        widget->ArmAutoHide(FALSE, -1);
        widget->MoveOntoMonitor();
        widget->m_bSavePosition = 1;
        widget->ClearChanged();
        m_widgets.push_back(widget);
        AddToSpotlightIfActive(widget);
    }
}

void CMainFrame::SaveWidgetList() {
    std::vector<WidgetListEntry> entries;
    for (CWidgetDialog* widget : m_widgets) entries.push_back(widget->GetListEntry());
    // A list that cannot be written leaves the old file as it was.
    CWidgetList::WriteFile(CWidgetList::FilePath(CWidgetDialog::WidgetsFolder()), entries);
}

bool CMainFrame::SaveChangedWidgets() {
    bool changed = false;
    for (CWidgetDialog* widget : m_widgets)
        if (widget->IsChanged()) changed = true;
    if (!changed) return false;
    for (CWidgetDialog* widget : m_widgets) widget->ClearChanged();
    SaveWidgetList();
    return true;
}

CWidgetDialog* CMainFrame::MakeWidget(const CString& skinFile) {
    CWidgetDialog* widget = new CWidgetDialog(*this, nullptr);
    widget->SetSkinFile(skinFile);
    if (!widget->Create(IDD_SKIN_WINDOW, nullptr) || !widget->m_hWnd || !widget->IsSkinLoaded()) {
        if (widget->m_hWnd) widget->DestroyWindow();
        widget->Release();
        return nullptr;
    }
    widget->ArmAutoHide(TRUE, -1);
    widget->m_bSavePosition = 1;
    return widget;
}

CWidgetDialog* CMainFrame::OpenWidget(const CString& skinFile) {
    CWidgetDialog* widget = MakeWidget(skinFile);
    if (!widget) return nullptr;
    m_widgets.push_back(widget);
    RefreshSettingsWidgetPage();
    SaveWidgetList();
    AddToSpotlightIfActive(widget);
    return widget;
}

CWidgetDialog* CMainFrame::OpenUnlistedWidget(const CString& skinFile) {
    CWidgetDialog* widget = MakeWidget(skinFile);
    if (widget) AddToSpotlightIfActive(widget);
    return widget;
}

CWidgetDialog* CMainFrame::FindWidget(const CString& skinFile) {
    for (CWidgetDialog* widget : m_widgets)
        if (widget->GetSkinFile() == skinFile) return widget;
    return nullptr;
}

bool CMainFrame::IsWidgetOpen(const CString& skinFile) { return FindWidget(skinFile) != nullptr; }

void CMainFrame::CloseWidgetBySkin(const CString& skinFile) {
    CWidgetDialog* widget = FindWidget(skinFile);
    if (widget && widget->m_hWnd) widget->SendMessage(WM_COMMAND, ID_WIDGET_CLOSE);
}

void CMainFrame::RemoveWidget(CWidgetDialog* widget) {
    if (!widget) return;
    auto it = std::find(m_widgets.begin(), m_widgets.end(), widget);
    bool listed = it != m_widgets.end();
    if (listed) m_widgets.erase(it);
    if (widget->m_hWnd) widget->DestroyWindow();
    widget->Release();
    if (listed) {
        SaveWidgetList();
        RefreshSettingsWidgetPage();
    }
}

void CMainFrame::CloseAllWidgets(bool save) {
    std::vector<CWidgetDialog*> widgets;
    widgets.swap(m_widgets);
    for (CWidgetDialog* widget : widgets) {
        if (widget->m_hWnd) widget->DestroyWindow();
        widget->Release();
    }
    if (save) {
        RefreshSettingsWidgetPage();
        SaveWidgetList();
    }
}

void CMainFrame::RebuildWidgetMenu(CMenu* submenu) {
    if (!submenu) return;
    HMENU menu = submenu->GetSafeHmenu();
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
    m_widgetSkinFiles.RemoveAll();
    // The ids stop at the end of their range, so no item can reach a
    // command of something else.
    int room = (int)(ID_WIDGET_LAST - ID_WIDGET_FIRST + 1);
    for (const CString& path : CWidgetList::ListSkinFiles(CWidgetDialog::WidgetsFolder(), room)) {
        UINT id = ID_WIDGET_FIRST + (UINT)m_widgetSkinFiles.GetCount();
        m_widgetSkinFiles.Add(path);
        UINT flags = MF_STRING | (IsWidgetOpen(path) ? MF_CHECKED : MF_UNCHECKED);
        ::AppendMenuW(menu, flags, id, CWidgetList::MenuLabel(path));
    }
}

void CMainFrame::OnOpenWidgetMenu(UINT id) {
    int n = (int)id - (int)ID_WIDGET_FIRST;
    if (n < 0 || n >= m_widgetSkinFiles.GetCount()) return;
    CString path = m_widgetSkinFiles[n];
    if (IsWidgetOpen(path))
        CloseWidgetBySkin(path);
    else
        OpenWidget(path);
}

void CMainFrame::PlaceInMemoColumn(CZDialog* window) {
    if (!window || !window->m_hWnd || !m_pNotes) return;
    std::vector<CRect> others;
    CArray<CMemoInfo>& memos = m_pNotes->Memos();
    for (int i = 0; i < memos.GetSize(); ++i) others.push_back(memos[i].m_rcWindow);
    CRect bar;
    bool hasBar = GetZDialogOwner().GetQuickMenuRect(bar);
    CRect rect = window->GetRect();
    CPoint at = CNoteArrange::PlaceInColumn(m_pNotes->LifecycleHost().GetWorkArea(), others, rect.Size(),
                                            hasBar ? &bar : nullptr, CFrameNotes::ColumnSettings());
    window->m_ptPosition = at;
    ::SetWindowPos(window->m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::ShowAllWidgets(BOOL show, CWnd* except) {
    if (!show) CloseSpotlight();
    if (m_pClock) {
        if (g_Settings.Clock.ViewMode != 0) {
            if (show) {
                long long ms = (long long)g_Settings.General.HotKeyClockViewTime * 1000;
                m_pClock->ArmAutoHide(TRUE, (int)std::min<long long>(std::max<long long>(ms, 0), INT_MAX));
                AddToSpotlightIfActive(m_pClock);
            }
        } else if (show) {
            RaiseWindow(m_pClock, m_pClock->GetZPosition());
        } else if (m_pClock->IsVisible() && m_pClock != except) {
            m_pClock->FadeOut();
        }
    }
    // The calendar and the day schedule join here when they are part of the
    // program. A docked quick-menu bar stays when the others hide.
    if (m_pQuickMenu) {
        if (show)
            RaiseWindow(m_pQuickMenu, m_pQuickMenu->m_nZPosition);
        else if (m_pQuickMenu->IsVisible() && m_pQuickMenu != except && g_Settings.QuickMenu.DockMode == 0)
            m_pQuickMenu->FadeOut();
    }
    for (CWidgetDialog* widget : m_widgets) {
        if (show)
            RaiseWindow(widget, widget->m_nZPosition);
        else if (widget->IsVisible() && widget != except)
            widget->FadeOut();
    }
    if (m_pNotes) m_pNotes->ShowAllMemos(show != FALSE, dynamic_cast<CMemoDlg*>(except));
}
