// CLifecycleSystemHost: the program's INoteLifecycleHost. The system's part
// (clock, message box, sound, shell, monitors) is done here; what belongs to
// the frame's windows (the note windows, the quick-menu bar, the spotlight,
// the widgets, the clock window, the action queue) is reached through the
// function members the frame sets. An unset member does nothing.
//
// Until the slide-up and pop-up notice windows exist, a notice is shown in
// the program's message box: its title, then its text.
#pragma once

#include "notes/LifecycleHost.h"

#include <functional>

class CLifecycleSystemHost : public INoteLifecycleHost {
public:
    // The note windows.
    std::function<ILifecycleNote*(const CMemoInfo&)> noteOf;
    std::function<ILifecycleNote*(CMemoInfo&)> openNote;
    std::function<void(ILifecycleNote*)> destroyNote;
    std::function<bool(ILifecycleNote*)> isNoteRegistered;
    // The frame's other windows.
    std::function<bool(CRect&)> quickMenuRect;
    std::function<void(bool)> setQuickMenuExpanded;
    std::function<void(const CPoint&)> moveQuickMenu;
    std::function<void(const std::vector<ILifecycleNote*>&)> showNoteGroup;
    std::function<void()> memoListChanged;
    std::function<void(const CString&)> addToRestoreDialog;
    std::function<void(const CString&)> setRecentMemo;
    std::function<bool()> saveChangedWidgets;
    std::function<void()> showClockForAWhile;
    std::function<void(const NoticeRequest&)> showNotice;
    std::function<bool(const CString&)> runAction;
    // The program's message box (text, MB_ type); the system's when unset.
    std::function<int(const CString&, UINT)> messageBox;
    // The monitor whose work area holds the note column (General/WorkMonitor).
    int workMonitor = 0;

    SYSTEMTIME Now() override;
    int MessageBox(const CString& text, UINT type) override;
    ILifecycleNote* NoteOf(const CMemoInfo& record) override { return noteOf ? noteOf(record) : nullptr; }
    ILifecycleNote* OpenNote(CMemoInfo& record) override { return openNote ? openNote(record) : nullptr; }
    void DestroyNote(ILifecycleNote* note) override {
        if (destroyNote) destroyNote(note);
    }
    bool IsNoteRegistered(ILifecycleNote* note) override { return isNoteRegistered ? isNoteRegistered(note) : note != nullptr; }
    CRect GetWorkArea() override;
    CSize GetScreenSize() override;
    bool GetQuickMenuRect(CRect& rect) override { return quickMenuRect && quickMenuRect(rect); }
    void SetQuickMenuExpanded(bool expanded) override {
        if (setQuickMenuExpanded) setQuickMenuExpanded(expanded);
    }
    void MoveQuickMenu(const CPoint& topLeft) override {
        if (moveQuickMenu) moveQuickMenu(topLeft);
    }
    void ShowNoteGroup(const std::vector<ILifecycleNote*>& notes) override;
    void MemoListChanged() override {
        if (memoListChanged) memoListChanged();
    }
    void AddToRestoreDialog(const CString& path) override {
        if (addToRestoreDialog) addToRestoreDialog(path);
    }
    void SetRecentMemo(const CString& fileName) override {
        if (setRecentMemo) setRecentMemo(fileName);
    }
    bool SaveChangedWidgets() override { return saveChangedWidgets && saveChangedWidgets(); }
    void ShowNotice(const NoticeRequest& notice) override;
    void ShowClockForAWhile() override {
        if (showClockForAWhile) showClockForAWhile();
    }
    void PlaySoundFile(const CString& path) override;
    bool RunAction(const CString& command) override { return runAction && runAction(command); }
    void ShellOpen(const CString& command) override;

    // The work area of a monitor by its index in the system's order; the
    // primary monitor's when there is no such monitor.
    static CRect MonitorWorkArea(int index);
    // The text of a notice in the message box.
    static CString NoticeText(const NoticeRequest& notice);
};
