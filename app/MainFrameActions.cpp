// The main frame's action queue, global hot keys, web check and received-note
// queue, and its part as the owner of the floating windows.
#include "app/MainFrame.h"

#include "shell/ActionExecutor.h"
#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/HotKeyTable.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"
#include "ui/ControlSettings.h"
#include "ui/ZDialogList.h"
#include "ui/ZDialogOwner.h"

namespace {
// The periodic save compares its tick counter with 60 before counting on, so
// from 59 the save comes on the second following tick.
const int kSaveSoonTick = 59;
}  // namespace

void CMainFrame::InitActionsAndHotKeys() {
    LoadControlSettings();
    // Both notifiers may run on other threads (a received note always does):
    // they only post, and the frame does the work when the message arrives.
    m_actionQueue.SetNotifier([this] {
        if (HWND window = m_hWnd) ::PostMessageW(window, WM_RUN_QUEUE, 0, 0);
    });
    m_receiveQueue.SetNotifier([this] {
        if (HWND window = m_hWnd) ::PostMessageW(window, WM_RECEIVED_NOTE_QUEUED, 0, 0);
    });
    CActionQueue::SetMain(&m_actionQueue);
    SetZDialogOwner(&m_dialogOwner);
}

void CMainFrame::OnDestroy() {
    DestroyShutdownWindows();
    UnregisterHotKeys();
    SetHotKeyRegistrar(nullptr);
    m_hotKeyRegistrar.reset();
    if (CActionQueue::GetMain() == &m_actionQueue) CActionQueue::SetMain(nullptr);
    SetZDialogOwner(nullptr);
    // The program is ending: workers may no longer post to any floating window.
    ClearDialogRegistry();
    CFrameWnd::OnDestroy();
}

void CMainFrame::RequestSaveSoon() { g_SaveTickCount = kSaveSoonTick; }

// ---- Action strings ----------------------------------------------------------

int CMainFrame::ExecuteAction(const CString& text) {
    CActionExecutor executor(m_actionHost, GetActionSystem());
    return executor.ExecuteAction(text);
}

LRESULT CMainFrame::OnRunActions(WPARAM, LPARAM) {
    m_actionQueue.RunAll([this](const CString& text) { return ExecuteAction(text); });
    return 0;
}

// ---- Global hot keys ---------------------------------------------------------------

void CMainFrame::RegisterHotKeys() {
    if (!m_hotKeyRegistrar) {
        m_hotKeyRegistrar.reset(new CHotKeyRegistrarWin(m_hWnd));
        SetHotKeyRegistrar(m_hotKeyRegistrar.get());
    }
    ::RegisterHotKeys();
    // Launcher buttons show the slots' targets and keys as they are now.
    ReloadLauncherSkins();
}

void CMainFrame::UnregisterHotKeys() { ::UnregisterHotKeys(); }

void CMainFrame::UpdateHotKey(int id, bool enable) { ::UpdateHotKey(id, enable); }

LRESULT CMainFrame::OnHotKey(WPARAM wParam, LPARAM) {
    m_hotKeys.OnHotKey((int)wParam, ::GetTickCount());
    return 0;
}

// ---- Web check -------------------------------------------------------------------------

void CMainFrame::StartWebCheck() {
    // One check at a time: a start while one is in flight is dropped.
    if (!CWebCheckResult::TryBeginCheck()) return;
    if (!StartWebCheckRequest()) CWebCheckResult::EndCheck();
}

LRESULT CMainFrame::OnWebCheckDone(WPARAM wParam, LPARAM) {
    CString path = GetWebCheckResultPath();
    int delay = 0;
    switch (CWebCheckResult::OnCheckDone(wParam, path, delay)) {
    case CWebCheckResult::OUTCOME_WAIT:
        SetTimer(TIMER_WEBCHECK_DELAY, (UINT)delay * 1000u);
        break;
    case CWebCheckResult::OUTCOME_HAND_OVER:
        HandOverWebCheckResult(path);
        break;
    case CWebCheckResult::OUTCOME_NONE:
    case CWebCheckResult::OUTCOME_FAILED:
        break;
    }
    return 0;
}

// The request, the notice manager and its downloads: MainFrameWebCheck.cpp.

void CMainFrame::OnWebCheckDelayElapsed() {
    CString path = GetWebCheckResultPath();
    // A file that went away meanwhile is simply not shown.
    if (FileExists(path)) HandOverWebCheckResult(path);
}

// ---- Received notes ----------------------------------------------------------------------

void CMainFrame::QueueReceivedMessage(const CString& filePath, const CStringA& senderText) {
    m_receiveQueue.Push(filePath, senderText.GetString());
}

LRESULT CMainFrame::OnReceivedNoteQueued(WPARAM, LPARAM) {
    // Arming again restarts the 50 ms, so a burst of notes is taken in one go.
    SetTimer(TIMER_RECEIVED_NOTES, RECEIVED_NOTES_MS);
    return 0;
}
