// The frame's side of received sync files: it owns at most one list of
// them, opened when a file arrives or from the menu, and applies the file the
// user picks.
#include "app/MainFrame.h"
#include "widgets/CalendarDlg.h"

#include "notes/AlarmStore.h"
#include "notes/FrameNotes.h"
#include "notes/SyncScheduleDlg.h"
#include "shell/ProgramFolder.h"
#include "shell/ShellIds.h"

void CMainFrame::ShowSyncScheduleDialog(int mode) {
    // A new arrival replaces an open list, so its mode and rows are fresh.
    CloseSyncScheduleDialog();
    auto* dialog = new CSyncScheduleDlg(this, mode, g_ProgramFolder + L"system\\sync\\");
    dialog->onApply = [this](int kind, const CString& path) { return ApplySyncFile(kind, path); };
    dialog->onClose = [this] { CloseSyncScheduleDialog(); };
    if (!dialog->CreateModeless()) {
        delete dialog;
        return;
    }
    m_pSyncDlg = dialog;
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
}

void CMainFrame::CloseSyncScheduleDialog() {
    CSyncScheduleDlg* dialog = m_pSyncDlg;
    if (!dialog) return;
    m_pSyncDlg = nullptr;
    dialog->DestroyAndDelete();
}

bool CMainFrame::ApplySyncFile(int kind, const CString& path) {
    if (!m_pNotes) return false;
    bool applied = m_pNotes->AlarmStore().ApplySyncFile(kind, path, m_pCalendar ? &m_pCalendar->Anniversaries() : nullptr);
    if (applied) OnAnniversariesChanged();
    return applied;
}

bool CMainFrame::OnSendCommand(UINT id) {
    if (id != ID_SYNC_SCHEDULE) return false;
    ShowSyncScheduleDialog(0);
    return true;
}
