// CLifecycleDialogs: the frame's single instances of the memo-group manager
// and the restore dialogs: made on demand, brought forward (or made anew)
// when asked for again, and destroyed when they close or the program ends.
// A dialog that closes itself is destroyed on the next pass of the message
// loop, never inside its own handler.
#pragma once

#include "notes/EditMemoGroupDlg.h"
#include "notes/RestoreAnniversaryDlg.h"
#include "notes/RestoreMemoDlg.h"
#include "notes/RestoreScheduleDlg.h"

#include <functional>
#include <memory>

class COleRichEditCtrl;

// The note previews of the group manager and the memo restore dialog: the
// dialog's rich edit taken over as the notes' own editor, read-only, with
// pictures embedded as in a note.
void AttachNotePreview(COleRichEditCtrl& preview, CWnd* dialog, UINT id, COLORREF background);
// Shows a note file in the preview; an unreadable file empties it.
void ShowNotePreview(COleRichEditCtrl& preview, const CString& path);

class CLifecycleDialogs {
public:
    enum { IDS_MEMO_LIST_DAMAGED = 10106 };  // "Memo list is damaged. Manual restoration will be tried"

    // What the dialogs need of the frame besides the host.
    struct FrameSide {
        CWnd* frame = nullptr;
        std::function<void(const CString&)> switchGroup;
        std::function<void()> saveChanged;  // AutoSaveMemos (1)
        std::function<bool(CWnd*, int, const CString&, int, CString&)> askText;
        std::function<bool(const CString&, bool)> addNote;    // AddMemoFromFile (name, write list)
        std::function<void()> alarmsRestored;                 // LoadAlarms, schedule manager, OnAlarmsChanged
        std::function<void()> anniversariesRestored;          // calendar page, reload, OnAnniversariesChanged
        CString programFolder;                                // ends with a backslash
        CString scheduleFolder;
        int historyLevel = 1;
    };

    CLifecycleDialogs(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos, FrameSide side);
    ~CLifecycleDialogs();

    void OnEditMemoGroup();
    void OnGroupManagerClosed();
    void OnRestoreDeletedMemos() { OpenRestoreMemo(0); }
    void OnRestoreMemoFiles() { OpenRestoreMemo(1); }
    void OnMemoListDamaged();
    void CloseRestoreMemoDialog();
    void OnRestoreSchedule();
    void OnRestoreAnniversary();
    void CloseRestoreScheduleDialog();
    void CloseRestoreAnniversaryDialog();
    // Before data are restored from a backup.
    void CloseAllDialogs();

    // The frame's notices to the open dialogs.
    void AddToRestoreMemoDialog(const CString& path);
    void MemoListChanged();
    void RepaintGroupList();

    CEditMemoGroupDlg* GetGroupManager() const { return m_groups.get(); }
    CRestoreMemoDlg* GetRestoreMemo() const { return m_restoreMemo.get(); }
    CRestoreHistoryDlg* GetRestoreSchedule() const { return m_restoreSchedule.get(); }
    CRestoreHistoryDlg* GetRestoreAnniversary() const { return m_restoreAnniversary.get(); }

private:
    void OpenRestoreMemo(int mode);
    bool IsOpen(const CString& fileName) const;
    // Destroys a dialog later, outside the handler that asked for it.
    void DestroyLater(std::unique_ptr<CDialog> dialog);
    static void CALLBACK DestroyPending(HWND, UINT, UINT_PTR, DWORD);

    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
    FrameSide m_side;
    std::unique_ptr<CEditMemoGroupDlg> m_groups;
    std::unique_ptr<CRestoreMemoDlg> m_restoreMemo;
    std::unique_ptr<CRestoreHistoryDlg> m_restoreSchedule;
    std::unique_ptr<CRestoreHistoryDlg> m_restoreAnniversary;
};
