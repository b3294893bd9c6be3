// CFrameNotes: the main frame's store of notes and alarms. It owns the memo
// list of the current group with one open note window per record, the alarm
// list, the hover tip, the group manager and restore dialogs, and answers
// the note windows (INoteHost) and the stores (IStoreHost). The frame hands
// it what only the frame has (its window, its menus, the action queue) and
// calls it from its timers, commands and messages.
#pragma once

#include "notes/AlarmFire.h"
#include "notes/AlarmFireTrust.h"
#include "notes/AlarmStore.h"
#include "notes/LifecycleDialogs.h"
#include "notes/LifecycleSystemHost.h"
#include "notes/MemoStore.h"
#include "notes/MemoWindowNote.h"
#include "notes/NoteArrange.h"
#include "notes/NoteCreate.h"
#include "notes/NoteHost.h"
#include "notes/NoteSearch.h"

#include <functional>
#include <map>
#include <set>
#include <memory>

class CMemoDlg;
class CMemoTip;

class CFrameNotes : public INoteHost, public IStoreHost {
public:
    // What the frame lends.
    struct FrameSide {
        CWnd* frame = nullptr;
        std::function<void(CMenu*)> buildMoveToGroupMenu;
        std::function<void(CMenu*)> buildOpenGroupMenu;
        std::function<void(CMenu*)> translateMemoMenu;
        // The group behind an item of a note's move-to-group menu; empty when none.
        std::function<CString(int)> moveToGroupName;
        std::function<int()> moveToGroupCount;
        // RunAction: false when the text is no action string.
        std::function<bool(const CString&)> runAction;
        // A memo list was found damaged: the frame offers the restore dialog.
        std::function<void()> offerMemoRestore;
        // The alarm dialog for a note's schedule, and what follows a change
        // of the alarms (the date windows and the schedule manager redraw).
        std::function<void(CMemoDlg*)> alarmForMemo;
        std::function<void()> alarmsChanged;
        // The anniversary file was put back from a history copy.
        std::function<void()> anniversariesRestored;
        // Shows an alarm's or anniversary's notice in its window.
        std::function<void(const NoticeRequest&)> showNotice;
    };

    explicit CFrameNotes(FrameSide side);
    ~CFrameNotes() override;

    // Start-up: the hover tip, the current group with its windows (shown
    // when show is set) and the alarm file.
    void Start(bool show);

    // ---- The note store ----
    void LoadMemos(bool show);
    // Opens the windows of the group's records a few at a time from the
    // frame's message loop (all at once without a frame window), so that the
    // frame, the tray, the hot keys and the notes already open answer while
    // a large group opens. Returns the number of records.
    int CreateMemoWindows(bool show);
    // The frame passes on the message or timer that asks for the next few.
    static constexpr UINT OpenBatchMessage = WM_APP + 0x120;
    static constexpr UINT_PTR OpenBatchTimer = 1120;
    void OpenNextBatch();
    bool IsOpeningMemos() const { return m_opening; }
    // Opens the rest at once: for what works on every note of the group.
    void FinishOpening();
    void CloseAllMemos();
    void SwitchMemoGroup(const CString& groupFile, bool force);
    bool AutoSaveMemos(bool atExit);
    // The frame's window is going: the list, then every changed note.
    void SaveAtDestroy();
    // The session ends: every changed note, the list, and the alarms when
    // their last save failed, at once and without asking anything.
    void SaveForSessionEnd();
    void OnMemoClosed(CMemoDlg* window);
    bool DeleteMemoToRecycleBin(CMemoDlg* window, const CString& targetGroup);

    // ---- Creating, showing, arranging, searching ----
    CMemoDlg* NewMemo();
    CMemoDlg* AddMemoFromFile(const CString& fileName, bool writeList);
    CMemoDlg* NewMemoFromClipboard();
    // A note holding the clipboard's picture at a screen rectangle (a
    // finished capture); no limit check, as for every capture.
    CMemoDlg* AddCaptureMemo(const CRect& rect);
    // The notes received over the network, as (file name, "x y w h|message")
    // pairs: one list write for all, then the receive sound.
    int ProcessReceived(const std::vector<std::pair<CString, CString>>& pairs);
    void ShowAllMemos(bool show, CMemoDlg* except = nullptr);
    bool AreAllMemosVisible();
    void Arrange(CNoteArrange::ArrangeKind kind);
    void ArrangeByPosition();
    void FoldAllMemos(bool expand);
    void SetAllMemosLevel(int level);
    void SpotlightMemos(bool importantOnly);
    void ShowRecentMemo(int count);
    void ApplyMemoOptions();
    void RestartMemoReminders();
    void SetMemoAlpha(int which, int alpha);
    void ShowMemoTitleParts(int hide);
    // The search dialog's request; false when the dialog is to stay open.
    bool SearchMemos(const CString& text, const NoteSearchOptions& options);
    CMemoDlg* FindMemoByFile(const CString& fileName);
    int GetMemoCount() const { return m_memos.GetSize(); }

    // ---- Alarms ----
    void LoadAlarms();
    // A new minute: the alarms due now (or whose advance notice is due) fire.
    void OnMinuteTick(const SYSTEMTIME& now);
    void CheckAlarmsAtStartup(const SYSTEMTIME& now);
    void FireAlarm(const CAlarmInfo& alarm, int notice);
    // Today's anniversaries of the list, and the all-day weekday-of-month
    // alarms, announced in the notice windows.
    void NotifyTodayAnniversaries(const CArray<CDayInfo>& anniversaries, const SYSTEMTIME& now);
    // Alarms were changed (their windows redraw when there are any).
    void OnAlarmsChanged() {
        if (m_side.alarmsChanged) m_side.alarmsChanged();
    }

    CArray<CMemoInfo>& Memos() { return m_memos; }
    CMemoStore& Store() { return m_store; }
    CAlarmStore& AlarmStore() { return m_alarms; }
    CLifecycleSystemHost& LifecycleHost() { return m_host; }
    CLifecycleDialogs& Dialogs() { return *m_dialogs; }
    ILifecycleNote* NoteOf(CMemoDlg* window);

    // ---- INoteHost ----
    void ShowMemoTip(CMemoInfo* record) override;
    void HideMemoTip() override;
    CMemoDlg* GetMemoTipWindow() override;
    void MoveMemoTip() override;
    CRect GetNewMemoRect() override;
    void PlaceInMemoColumn(CMemoDlg* note) override;
    bool IsCreatingAllMemos() override { return m_creatingAll; }
    void AutoSaveMemos() override { AutoSaveMemos(false); }
    void AlarmForMemo(CMemoDlg* note) override {
        if (m_side.alarmForMemo) m_side.alarmForMemo(note);
    }
    void AddToRestoreMemoDialog(const CString& path) override;
    int GetGroupFileCount() override;
    void MoveMemoToGroup(CMemoDlg* note, int groupIndex) override;
    bool IsRecycleBinGroup() override;
    void PostToFrame(UINT message, WPARAM wParam, LPARAM lParam) override;
    void BuildMoveToGroupMenu(CMenu* menu) override;
    void BuildOpenGroupMenu(CMenu* menu) override;
    void TranslateMemoMenu(CMenu* menu) override;
    int ShowMessageBox(const CString& text, const CString& caption, int type) override;
    int AskDelete(CMemoDlg* note, bool locked, bool recycleBinGroup) override;
    bool AskPassword(CMemoDlg* note, CString& password) override;
    bool AskLock(CMemoDlg* note, CString& password, CString& title) override;
    void OpenSendDialog(CMemoDlg* note) override;
    void SaveSettings() override;
    HCURSOR GetHandCursor() override;
    void ShowAboveSpotlight(CMemoDlg* note) override;

    // ---- IStoreHost ----
    SYSTEMTIME Now() override { return m_host.Now(); }
    void ReportSaveFailure(const CString& path) override;
    void ReportSaveSucceeded(const CString& path) override;
    void ShowMessage(const CString& text) override;
    void OfferMemoRestore() override;

    // The settings the window-free note logic works by, as they stand now.
    static NoteColumnSettings ColumnSettings();

private:
    ILifecycleNote* OpenNote(CMemoInfo& record);
    // The next record still to open, -1 when none is left.
    int NextToOpen();
    void OpenRecordWindow(int index);
    void ScheduleBatch();
    void EndOpening();
    void DestroyNote(ILifecycleNote* note);
    CMemoDlg* WindowOf(ILifecycleNote* note) const;
    MemoPlacement MakePlacement() const;
    // The note logic over the current group, by the settings as they stand.
    CNoteArrange Arrangement();
    CNoteCreate Creation();
    void SyncSettings();

    FrameSide m_side;
    CLifecycleSystemHost m_host;
    CMemoStore m_store;
    CArray<CMemoInfo> m_memos;
    CAlarmStore m_alarms;
    CAlarmFireTrust m_trust;
    std::unique_ptr<CAlarmFire> m_fire;
    std::unique_ptr<CLifecycleDialogs> m_dialogs;
    std::map<CMemoDlg*, std::unique_ptr<CMemoWindowNote>> m_notes;
    std::unique_ptr<CMemoTip> m_tip;
    HCURSOR m_hand = nullptr;
    bool m_creatingAll = false;
    bool m_opening = false;
    bool m_openShow = false;
    bool m_batchPending = false;
    int m_openNext = 0;
    std::set<CString> m_openFailed;  // file names whose window could not be made
    bool m_started = false;
};
