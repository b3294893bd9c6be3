#include "notes/FrameNotes.h"

#include "notes/AlarmCheck.h"
#include "notes/Autosave.h"
#include "notes/DelMsgBox.h"
#include "notes/MemoDlg.h"
#include "notes/MemoLockDlg.h"
#include "notes/MemoPwdDlg.h"
#include "notes/MemoTip.h"
#include "notes/NoteIds.h"
#include "notes/NoteMove.h"
#include "notes/SendDataDlg.h"
#include "notes/TitleBar.h"
#include "res/images.h"
#include "shell/FileUtil.h"
#include "shell/InputStringDlg.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/ControlSettings.h"
#include "ui/ShowEffectDlg.h"
#include "ui/ZDialogList.h"

namespace {
std::vector<CRect> MonitorWorkAreas() {
    std::vector<CRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM lp) -> BOOL {
            MONITORINFO info = {sizeof info};
            if (GetMonitorInfoW(monitor, &info))
                reinterpret_cast<std::vector<CRect>*>(lp)->push_back(
                    CRect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom));
            return TRUE;
        },
        (LPARAM)&areas);
    return areas;
}


NoteCreateSettings CreateSettings() {
    NoteCreateSettings create;
    create.memoLimit = g_Settings.MemoLimit;
    create.captureAlwaysTop = g_Settings.General.CaptureAlwaysTop != 0;
    create.receiveSound = g_Settings.FileShare.ReceiveSound != 0;
    create.column = CFrameNotes::ColumnSettings();
    return create;
}

AlarmFireSettings FireSettings() {
    AlarmFireSettings fire;
    fire.autoCloseSeconds = g_Settings.Alarm.AutoCloseTime;
    fire.advanceStyle = g_Settings.Alarm.BeforeAlarmType;
    fire.anniversaryStyle = g_Settings.Calendar.AlertType;
    fire.announceAnniversaries = g_Settings.Calendar.MemorialDayCheck != 0;
    fire.showClock = g_Settings.Clock.ViewMode != 0;
    fire.fontFace = g_Settings.DefaultFontFace;
    return fire;
}
}  // namespace

CFrameNotes::CFrameNotes(FrameSide side)
    : m_side(std::move(side)), m_store(*this, g_Settings.MemoFolder), m_alarms(*this, g_ProgramFolder) {
    m_store.SetCurrentGroup(g_Settings.General.MemoDBFile);
    m_host.noteOf = [this](const CMemoInfo& record) { return NoteOf(record.m_pWindow); };
    m_host.openNote = [this](CMemoInfo& record) { return OpenNote(record); };
    m_host.destroyNote = [this](ILifecycleNote* note) { DestroyNote(note); };
    m_host.isNoteRegistered = [this](ILifecycleNote* note) {
        CMemoDlg* window = WindowOf(note);
        return window && IsDialogRegistered(window);
    };
    m_host.showNoteGroup = [this](const std::vector<ILifecycleNote*>& notes) {
        std::vector<CZDialog*> windows;
        for (ILifecycleNote* note : notes)
            if (CMemoDlg* window = WindowOf(note)) windows.push_back(window);
        ShowGroupWithEffect(windows);
    };
    m_host.memoListChanged = [this] {
        if (m_dialogs) m_dialogs->MemoListChanged();
    };
    m_host.addToRestoreDialog = [this](const CString& path) {
        if (m_dialogs) m_dialogs->AddToRestoreMemoDialog(path);
    };
    // The frame shows each notice in its sliding or pop-up window.
    m_host.showNotice = m_side.showNotice;
    // Questions and warnings go to the program's own message box (the frame
    // ends it when it closes); the rest to the system's.
    m_host.messageBox = [](const CString& text, UINT type) -> int {
        UINT buttons = type & MB_TYPEMASK, icon = type & MB_ICONMASK;
        if (buttons == MB_YESNO) return ::ShowMessageBox(text, 4) == 6 ? IDYES : IDNO;
        if (buttons == MB_OK && icon == MB_ICONWARNING) {
            ::ShowMessageBox(text, -1);
            return IDOK;
        }
        return ::MessageBoxW(nullptr, text, L"Zorel", type | MB_TOPMOST | MB_SETFOREGROUND);
    };
    m_host.runAction = [this](const CString& command) { return m_side.runAction && m_side.runAction(command); };
    m_host.setRecentMemo = [](const CString& fileName) { g_Settings.RecentMemo = fileName; };
    m_host.showClockForAWhile = [this] {
        if (m_side.frame) m_side.frame->SendMessage(WM_COMMAND, ID_SEE_CLOCK, 0);
    };
    SyncSettings();

    CLifecycleDialogs::FrameSide dialogs;
    dialogs.frame = m_side.frame;
    dialogs.switchGroup = [this](const CString& group) { SwitchMemoGroup(group, false); };
    dialogs.saveChanged = [this] { AutoSaveMemos(true); };
    dialogs.askText = [](CWnd* asking, int prompt, const CString& initial, int most, CString& text) {
        CInputStringDlg dialog(g_LanguageTable[prompt], initial, asking);
        if (dialog.DoModal() != IDOK) return false;
        text = dialog.GetText().Left(most);
        return true;
    };
    dialogs.addNote = [this](const CString& fileName, bool writeList) {
        return AddMemoFromFile(fileName, writeList) != nullptr;
    };
    dialogs.alarmsRestored = [this] {
        LoadAlarms();
        OnAlarmsChanged();
    };
    dialogs.anniversariesRestored = [this] {
        if (m_side.anniversariesRestored) m_side.anniversariesRestored();
    };
    dialogs.programFolder = g_ProgramFolder;
    dialogs.scheduleFolder = m_alarms.GetScheduleFolder();
    dialogs.historyLevel = g_Settings.General.HistoryLevel;
    m_dialogs = std::make_unique<CLifecycleDialogs>(m_host, m_store, m_memos, std::move(dialogs));
    m_fire = std::make_unique<CAlarmFire>(m_host, m_memos, FireSettings(), &m_trust);
    m_hand = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_CURSOR_HAND));
}

CFrameNotes::~CFrameNotes() {
    m_dialogs.reset();
    for (auto& entry : m_notes)
        if (entry.first->m_hWnd) entry.first->DestroyWindow();
    m_notes.clear();
    if (m_tip && m_tip->m_hWnd) m_tip->DestroyWindow();
    m_tip.reset();
    if (CMemoDlg::s_pHost == this) CMemoDlg::s_pHost = nullptr;
}

void CFrameNotes::SyncSettings() { m_host.workMonitor = g_Settings.General.WorkMonitor; }

MemoPlacement CFrameNotes::MakePlacement() const {
    MemoPlacement placement;
    placement.revisionPosition = g_Settings.General.RevisionPosition != 0;
    placement.workMonitor = g_Settings.General.WorkMonitor;
    placement.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    placement.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    placement.workAreas = MonitorWorkAreas();
    return placement;
}

void CFrameNotes::Start(bool show) {
    if (m_started) return;
    m_started = true;
    CMemoDlg::s_pHost = this;
    EnsureOleCallback();
    auto tip = std::make_unique<CMemoTip>(m_side.frame);
    if (tip->CreateTip(m_side.frame)) m_tip = std::move(tip);
    LoadMemos(show);
    LoadAlarms();
}

// ---- The note windows ----------------------------------------------------------------

NoteColumnSettings CFrameNotes::ColumnSettings() {
    NoteColumnSettings column;
    column.startDX = g_Settings.General.StartDX;
    column.startDY = g_Settings.General.StartDY;
    column.contractDX = g_Settings.General.ContractDX;
    column.sortStart = g_Settings.General.SortStart;
    return column;
}

CNoteArrange CFrameNotes::Arrangement() { return CNoteArrange(m_host, m_store, m_memos, ColumnSettings()); }

CNoteCreate CFrameNotes::Creation() { return CNoteCreate(m_host, m_store, m_memos, CreateSettings()); }

ILifecycleNote* CFrameNotes::NoteOf(CMemoDlg* window) {
    if (!window) return nullptr;
    auto found = m_notes.find(window);
    return found == m_notes.end() ? nullptr : found->second.get();
}

CMemoDlg* CFrameNotes::WindowOf(ILifecycleNote* note) const {
    return note ? static_cast<CMemoWindowNote*>(note)->Window() : nullptr;
}

ILifecycleNote* CFrameNotes::OpenNote(CMemoInfo& record) {
    CMemoDlg* window = new CMemoDlg(nullptr);
    if (!window->LoadMemo(IDD_MEMO, nullptr, &record)) {
        window->Release();
        return nullptr;
    }
    auto note = std::make_unique<CMemoWindowNote>(window);
    ILifecycleNote* result = note.get();
    m_notes[window] = std::move(note);
    window->SetLevel(record.m_nLevel);
    window->m_bChanged = 0;
    window->ShowWindow(SW_SHOWNOACTIVATE);
    AddToSpotlightIfActive(window);
    return result;
}

void CFrameNotes::DestroyNote(ILifecycleNote* note) {
    CMemoDlg* window = WindowOf(note);
    if (!window) return;
    if (m_tip && m_tip->GetShownWindow() == window) m_tip->HideTip();
    m_notes.erase(window);  // the adapter goes; note is dangling from here
    if (window->m_hWnd) window->DestroyWindow();  // the window deletes itself
}

int CFrameNotes::CreateMemoWindows(bool show) {
    m_openShow = show;
    m_openNext = 0;
    m_openFailed.clear();
    m_opening = m_memos.GetSize() > 0;
    if (!m_opening) return 0;
    if (m_side.frame && m_side.frame->GetSafeHwnd())
        ScheduleBatch();
    else
        FinishOpening();
    return m_memos.GetSize();
}

namespace {
// How long one batch may keep the message loop waiting.
const DWORD kBatchMs = 40;
}  // namespace

void CFrameNotes::ScheduleBatch() {
    if (m_batchPending) return;
    HWND frame = m_side.frame ? m_side.frame->GetSafeHwnd() : nullptr;
    if (!frame) return;
    m_batchPending = true;
    // A posted message comes before the user's input, a timer after it: a
    // click or a key waiting now is answered before the next batch.
    if (GetInputState())
        ::SetTimer(frame, OpenBatchTimer, 0, nullptr);
    else
        ::PostMessageW(frame, OpenBatchMessage, 0, 0);
}

void CFrameNotes::OpenNextBatch() {
    m_batchPending = false;
    if (!m_opening) return;
    DWORD start = GetTickCount();
    m_creatingAll = true;
    for (int index = NextToOpen(); index >= 0; index = NextToOpen()) {
        OpenRecordWindow(index);
        if (GetTickCount() - start >= kBatchMs) break;
    }
    m_creatingAll = false;
    if (NextToOpen() < 0)
        EndOpening();
    else
        ScheduleBatch();
}

void CFrameNotes::FinishOpening() {
    if (!m_opening) return;
    m_creatingAll = true;
    for (int index = NextToOpen(); index >= 0; index = NextToOpen()) OpenRecordWindow(index);
    m_creatingAll = false;
    EndOpening();
}

int CFrameNotes::NextToOpen() {
    auto waiting = [this](int i) {
        return !m_memos[i].m_pWindow && m_openFailed.find(m_memos[i].m_strFileName) == m_openFailed.end();
    };
    for (; m_openNext < m_memos.GetSize(); ++m_openNext)
        if (waiting(m_openNext)) return m_openNext;
    // A record removed meanwhile moves the ones after it back past the mark.
    for (int i = 0; i < m_memos.GetSize(); ++i)
        if (waiting(i)) return i;
    return -1;
}

void CFrameNotes::OpenRecordWindow(int index) {
    CMemoInfo& record = m_memos[index];
    CMemoDlg* window = new CMemoDlg(nullptr);
    if (!window->LoadMemo(IDD_MEMO, nullptr, &record)) {
        window->Release();
        record.m_pWindow = nullptr;
        m_openFailed.insert(record.m_strFileName);
        return;
    }
    m_notes[window] = std::make_unique<CMemoWindowNote>(window);
    // A new window stands on top of the windows that are not always on top,
    // which is a normal note's level: only the others need placing.
    if (record.m_nLevel != CMemoInfo::LevelNormal) window->SetLevel(record.m_nLevel);
    window->m_bChanged = 0;
    if (m_openShow) {
        window->ShowWindow(SW_SHOWNOACTIVATE);
        // Painted now: the next batches' messages would keep its paint
        // waiting till the whole group is open.
        window->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    AddToSpotlightIfActive(window);
}

void CFrameNotes::EndOpening() {
    m_opening = false;
    int count = m_memos.GetSize();
    if (count > 0 && m_memos[count - 1].m_pWindow) m_memos[count - 1].m_pWindow->SetActive(1);
}

// ---- The note store ----------------------------------------------------------------

void CFrameNotes::LoadMemos(bool show) {
    const CString& folder = m_store.GetMemoFolder();
    if (GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryW(folder, nullptr)) {
        ::ShowMessageBox(g_LanguageTable[IDS_CANNOT_RUN], -1);
        PostToFrame(WM_CLOSE, 0, 0);
        return;
    }
    m_store.SetPlacement(MakePlacement());
    m_store.ReadMemoList(m_memos, true);
    // A missing group falls back to another one. The controls draw the
    // current group from their own copy of the setting.
    g_Settings.General.MemoDBFile = m_store.GetCurrentGroup();
    LoadControlSettings();
    CreateMemoWindows(show);
}

void CFrameNotes::CloseAllMemos() {
    m_opening = false;
    AutoSaveMemos(true);
    for (int i = m_memos.GetSize() - 1; i >= 0; --i) DestroyNote(NoteOf(m_memos[i].m_pWindow));
    m_memos.RemoveAll();
}

void CFrameNotes::SwitchMemoGroup(const CString& groupFile, bool force) {
    if (!force && groupFile.Compare(m_store.GetCurrentGroup().GetString()) == 0) return;
    if (groupFile.Compare(CMemoStore::RecycleBinFile) == 0) m_store.EnsureRecycleBin();
    AutoSaveMemos(true);
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    m_dialogs->CloseRestoreMemoDialog();
    CloseAllMemos();
    m_store.SetCurrentGroup(groupFile);
    g_Settings.General.MemoDBFile = groupFile;
    LoadMemos(true);
    m_dialogs->RepaintGroupList();
    SaveAppConfig();
}

bool CFrameNotes::AutoSaveMemos(bool atExit) { return CAutosave(m_host, m_store, m_memos).AutoSaveMemos(atExit); }

void CFrameNotes::SaveAtDestroy() { CAutosave(m_host, m_store, m_memos).SaveAtDestroy(); }

void CFrameNotes::SaveForSessionEnd() {
    CAutosave autosave(m_host, m_store, m_memos);
    // A pass that wrote anything wrote the list too.
    if (!autosave.AutoSaveMemos(true)) autosave.WriteMemoList();
    if (m_alarms.IsSaveDue()) m_alarms.Save();
}

void CFrameNotes::OnMemoClosed(CMemoDlg* window) {
    ILifecycleNote* note = NoteOf(window);
    if (!note) return;
    CAutosave(m_host, m_store, m_memos).OnMemoClosed(note);
}

bool CFrameNotes::DeleteMemoToRecycleBin(CMemoDlg* window, const CString& targetGroup) {
    ILifecycleNote* note = NoteOf(window);
    if (!note) return false;
    return CNoteMove(m_host, m_store, m_memos).DeleteMemoToRecycleBin(note, targetGroup);
}

// ---- Creating ------------------------------------------------------------------------

CMemoDlg* CFrameNotes::NewMemo() {
    if (m_memos.GetSize() >= g_Settings.MemoLimit) {
        m_host.MessageBox(CNoteCreate::MemoLimitText(g_Settings.MemoLimit), MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    SyncSettings();
    CMemoDlg* window = new CMemoDlg(nullptr);
    if (!window->CreateNew(IDD_MEMO, nullptr)) {
        window->Release();
        return nullptr;
    }
    m_notes[window] = std::make_unique<CMemoWindowNote>(window);
    if (CTitleBar* bar = window->GetTitleBar()) bar->ShowWindow(SW_SHOWNOACTIVATE);
    window->ShowWindow(SW_SHOW);
    window->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    window->SetForegroundWindow();
    m_memos.Add(window->GetInfo());
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    window->m_bChanged = 0;
    window->GetEditor().SetFocus();
    window->SetActive(1);
    g_Settings.RecentMemo = window->GetInfo().m_strFileName;
    m_dialogs->MemoListChanged();
    AddToSpotlightIfActive(window);
    return window;
}

CMemoDlg* CFrameNotes::AddMemoFromFile(const CString& fileName, bool writeList) {
    SyncSettings();
    ILifecycleNote* note = Creation().AddMemoFromFile(fileName, writeList);
    CMemoDlg* window = WindowOf(note);
    if (!window) return nullptr;
    window->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    window->SetForegroundWindow();
    return window;
}

CMemoDlg* CFrameNotes::NewMemoFromClipboard() {
    SyncSettings();
    CMemoDlg* window = WindowOf(Creation().NewMemoFromClipboard());
    if (!window) return nullptr;
    window->SetForegroundWindow();
    AddToSpotlightIfActive(window);
    return window;
}

CMemoDlg* CFrameNotes::AddCaptureMemo(const CRect& rect) {
    SyncSettings();
    ILifecycleNote* note = Creation().AddPastedMemo(rect);
    CMemoDlg* window = WindowOf(note);
    if (!window) return nullptr;
    m_host.SetRecentMemo(note->Record().m_strFileName);
    window->SetForegroundWindow();
    return window;
}

int CFrameNotes::ProcessReceived(const std::vector<std::pair<CString, CString>>& pairs) {
    FinishOpening();
    SyncSettings();
    // The server names the stored file by its full path; a note is made only
    // from a plain name of the memo folder, so a path into that folder
    // becomes its name and any other path stays refused.
    const CString folder = m_store.GetMemoFolder();
    std::vector<std::pair<CString, CString>> named = pairs;
    for (auto& pair : named) {
        int slash = pair.first.ReverseFind(L'\\');
        if (slash >= 0 && pair.first.Left(slash + 1).CompareNoCase(folder) == 0) pair.first = pair.first.Mid(slash + 1);
    }
    int made = Creation().ProcessReceived(named, g_ProgramFolder + L"system\\res\\memoreceive.wav");
    for (auto& entry : m_notes) AddToSpotlightIfActive(entry.first);
    return made;
}

// ---- Showing, arranging, searching -------------------------------------------------

void CFrameNotes::ShowAllMemos(bool show, CMemoDlg* except) {
    FinishOpening();
    Arrangement().ShowAllMemos(show, NoteOf(except));
    if (!show) return;
    for (auto& entry : m_notes) AddToSpotlightIfActive(entry.first);
}

bool CFrameNotes::AreAllMemosVisible() {
    FinishOpening();
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = NoteOf(m_memos[i].m_pWindow);
        if (note && !note->IsVisible()) return false;
    }
    return true;
}

void CFrameNotes::Arrange(CNoteArrange::ArrangeKind kind) {
    FinishOpening();
    SyncSettings();
    Arrangement().Arrange(kind);
}

void CFrameNotes::ArrangeByPosition() {
    FinishOpening();
    SyncSettings();
    Arrangement().ArrangeByPosition([this] { AutoSaveMemos(true); });
}

void CFrameNotes::FoldAllMemos(bool expand) {
    FinishOpening();
    Arrangement().FoldAllMemos(expand);
}

void CFrameNotes::SetAllMemosLevel(int level) {
    FinishOpening();
    Arrangement().SetAllMemosLevel(level);
}

void CFrameNotes::SpotlightMemos(bool importantOnly) {
    FinishOpening();
    Arrangement().SpotlightMemos(importantOnly);
}

void CFrameNotes::ShowRecentMemo(int count) {
    FinishOpening();
    std::vector<ILifecycleNote*> notes =
        CNoteSearch::RecentNotes(m_host, m_memos, m_store.GetMemoFolder(), g_Settings.RecentMemo, count);
    if (!notes.empty()) m_host.ShowNoteGroup(notes);
}

void CFrameNotes::ApplyMemoOptions() {
    FinishOpening();
    for (auto& entry : m_notes) {
        CMemoDlg* window = entry.first;
        window->SetExpanded(window->IsExpanded(), TRUE);
        if (g_Settings.General.SimpleMemoInactive) window->ShowTitleParts(window->m_nActive ? FALSE : TRUE);
        window->ApplyTitleBarColor();
        window->Invalidate();
    }
}

void CFrameNotes::RestartMemoReminders() {
    FinishOpening();
    for (auto& entry : m_notes) entry.first->ResumeReminder();
}

void CFrameNotes::SetMemoAlpha(int which, int alpha) {
    FinishOpening();
    for (auto& entry : m_notes) {
        CMemoDlg* window = entry.first;
        if ((which == 1) == (window->IsExpanded() != FALSE)) window->SetLayeredAlpha(0, (BYTE)alpha, LWA_ALPHA);
    }
}

void CFrameNotes::ShowMemoTitleParts(int hide) {
    FinishOpening();
    for (auto& entry : m_notes) {
        entry.first->ShowTitleParts(hide ? TRUE : FALSE);
        entry.first->Invalidate();
    }
}

bool CFrameNotes::SearchMemos(const CString& text, const NoteSearchOptions& options) {
    FinishOpening();
    AutoSaveMemos(true);
    std::vector<ILifecycleNote*> hits;
    return CNoteSearch::Search(m_host, m_memos, text, options, hits) != CNoteSearch::SearchRetry;
}

CMemoDlg* CFrameNotes::FindMemoByFile(const CString& fileName) {
    FinishOpening();
    for (auto& entry : m_notes)
        if (entry.first->GetInfo().m_strFileName.Compare(fileName.GetString()) == 0) return entry.first;
    return nullptr;
}

// ---- Alarms ----------------------------------------------------------------------------

void CFrameNotes::LoadAlarms() {
    m_alarms.SetHistoryLevel(g_Settings.General.HistoryLevel);
    m_alarms.Load();
    if (m_alarms.GetLoadStatus() == CAlarmStore::LoadOverLimit)
        ShowMessage(ReplaceMarkerNumber(g_LanguageTable[IDS_TOO_MANY_ALARMS], L"#N#", m_alarms.GetStoredCount()));
    m_trust.SetPath(m_alarms.GetScheduleFolder() + L"synced_commands.txt");
    m_trust.Load();
    m_alarms.SetSyncTrust(&m_trust);
}

void CFrameNotes::OnMinuteTick(const SYSTEMTIME& now) {
    AlarmCheckResult result = CAlarmCheck::CheckAlarms(m_alarms.Alarms(), now);
    // The alarms are copied before any fires: a notice may wait for the user
    // while the list changes.
    std::vector<std::pair<CAlarmInfo, int>> firing;
    for (const AlarmFiring& f : result.fired) firing.emplace_back(m_alarms.Alarms()[f.index], f.notice);
    // A once or designated-day alarm is written as done before its notice
    // shows, so that it cannot fire twice.
    m_alarms.SetHistoryLevel(g_Settings.General.HistoryLevel);
    if (result.saveNeeded) m_alarms.Save();
    for (auto& f : firing) FireAlarm(f.first, f.second);
    if (result.changed || result.saveNeeded) OnAlarmsChanged();
}

void CFrameNotes::CheckAlarmsAtStartup(const SYSTEMTIME& now) {
    AlarmCheckResult result = CAlarmCheck::CheckAlarmsAtStartup(m_alarms.Alarms(), now);
    std::vector<std::pair<CAlarmInfo, int>> firing;
    for (const AlarmFiring& f : result.fired) firing.emplace_back(m_alarms.Alarms()[f.index], f.notice);
    if (result.saveNeeded) m_alarms.Save();
    for (auto& f : firing) FireAlarm(f.first, f.second);
}

void CFrameNotes::FireAlarm(const CAlarmInfo& alarm, int notice) {
    m_fire->SetSettings(FireSettings());
    m_fire->FireAlarm(alarm, notice);
}

void CFrameNotes::NotifyTodayAnniversaries(const CArray<CDayInfo>& anniversaries, const SYSTEMTIME& now) {
    m_fire->SetSettings(FireSettings());
    m_fire->NotifyTodayAnniversaries(anniversaries, m_alarms.Alarms(), now);
}

// ---- INoteHost ---------------------------------------------------------------------------

void CFrameNotes::ShowMemoTip(CMemoInfo* record) {
    if (!m_tip || !record) return;
    ILifecycleNote* note = NoteOf(record->m_pWindow);
    if (!note) return;
    if (CAutosave(m_host, m_store, m_memos).PrepareMemoTip(note)) m_tip->ShowTip(record);
}

void CFrameNotes::HideMemoTip() {
    if (m_tip) m_tip->HideTip();
}

CMemoDlg* CFrameNotes::GetMemoTipWindow() { return m_tip ? m_tip->GetShownWindow() : nullptr; }

void CFrameNotes::MoveMemoTip() {
    if (m_tip) m_tip->FollowNote();
}

CRect CFrameNotes::GetNewMemoRect() {
    SyncSettings();
    return Arrangement().GetNewMemoRect();
}

void CFrameNotes::PlaceInMemoColumn(CMemoDlg* window) {
    SyncSettings();
    if (ILifecycleNote* note = NoteOf(window)) Arrangement().PlaceInMemoColumn(note);
}

void CFrameNotes::AddToRestoreMemoDialog(const CString& path) { m_dialogs->AddToRestoreMemoDialog(path); }

int CFrameNotes::GetGroupFileCount() { return m_side.moveToGroupCount ? m_side.moveToGroupCount() : 0; }

void CFrameNotes::MoveMemoToGroup(CMemoDlg* window, int groupIndex) {
    CString group = m_side.moveToGroupName ? m_side.moveToGroupName(groupIndex) : CString();
    if (!group.IsEmpty()) DeleteMemoToRecycleBin(window, group);
}

bool CFrameNotes::IsRecycleBinGroup() {
    return m_store.GetCurrentGroup().CompareNoCase(CMemoStore::RecycleBinFile) == 0;
}

void CFrameNotes::PostToFrame(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_side.frame && m_side.frame->GetSafeHwnd()) m_side.frame->PostMessage(message, wParam, lParam);
}

void CFrameNotes::BuildMoveToGroupMenu(CMenu* menu) {
    if (m_side.buildMoveToGroupMenu) m_side.buildMoveToGroupMenu(menu);
}

void CFrameNotes::BuildOpenGroupMenu(CMenu* menu) {
    if (m_side.buildOpenGroupMenu) m_side.buildOpenGroupMenu(menu);
}

void CFrameNotes::TranslateMemoMenu(CMenu* menu) {
    if (m_side.translateMemoMenu) m_side.translateMemoMenu(menu);
}

int CFrameNotes::ShowMessageBox(const CString& text, const CString&, int type) { return ::ShowMessageBox(text, type); }

int CFrameNotes::AskDelete(CMemoDlg* note, bool locked, bool) {
    CDelMsgBox box(locked ? TRUE : FALSE, note);
    return (int)box.DoModal();
}

bool CFrameNotes::AskPassword(CMemoDlg* note, CString& password) {
    CMemoPwdDlg dialog(note);
    if (dialog.DoModal() != IDOK) return false;
    password = dialog.GetPassword();
    return !password.IsEmpty();
}

bool CFrameNotes::AskLock(CMemoDlg* note, CString& password, CString& title) {
    CMemoLockDlg dialog(note, title);
    if (dialog.DoModal() != IDOK) return false;
    password = dialog.GetPassword();
    title = dialog.GetTitle();
    return !password.IsEmpty();
}

void CFrameNotes::SaveSettings() { SaveAppConfig(); }

HCURSOR CFrameNotes::GetHandCursor() { return m_hand; }

void CFrameNotes::ShowAboveSpotlight(CMemoDlg* note) {
    if (note) ShowGroupWithEffect({note});
}

// ---- IStoreHost ------------------------------------------------------------------------

void CFrameNotes::ReportSaveFailure(const CString& path) { ::ReportSaveFailure(path); }

void CFrameNotes::ReportSaveSucceeded(const CString& path) { ::ReportSaveSucceeded(path); }

void CFrameNotes::ShowMessage(const CString& text) {
    ::MessageBoxW(nullptr, text, L"Zorel", MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
}

void CFrameNotes::OfferMemoRestore() {
    if (m_side.offerMemoRestore) m_side.offerMemoRestore();
}

void CFrameNotes::OpenSendDialog(CMemoDlg* note) {
    // The dialog keeps itself: its last reference, dropped by Close or by
    // a worker still running then, destroys and deletes it.
    CSendDataDlg* dialog = new CSendDataDlg(note);
    if (!dialog->CreateModeless(nullptr)) delete dialog;
}
