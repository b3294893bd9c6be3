// CAutosave: when the notes of the current group are written. A changed
// note is saved at the first 10-second tick at which its text length is the
// same as at the tick before (the user has paused), never while typing goes
// on, and every changed note at exit; the memo list follows when a note was
// saved or a window moved. Also the frame's handling of a closed note.
#pragma once

#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"

class CAutosave {
public:
    CAutosave(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos)
        : m_host(host), m_store(store), m_memos(memos) {}

    // The readiness rule of a note window: at exit exactly when modified;
    // otherwise a modified note is ready when its length equals the length
    // remembered at the previous check (then forgotten), else the length is
    // remembered. remembered is the window's own value (0 = none).
    static bool CheckReady(bool modified, int length, int& remembered, bool atExit);

    // One autosave pass; true when anything was written (or a list write
    // that failed before was tried again). The last note saved or moved is
    // handed to the host as the recent note.
    bool AutoSaveMemos(bool atExit);
    // The frame's window is going: the list, then every changed note.
    void SaveAtDestroy();
    // A note window closed (or deleted itself): its record leaves the array,
    // the window goes and the list is written.
    void OnMemoClosed(ILifecycleNote* note);

    // A folded note's hover preview shows the present text: a modified note
    // is written first. False when no preview is shown (locked or unfolded).
    bool PrepareMemoTip(ILifecycleNote* note);

    // Removes the first record whose window is note; false when none.
    bool RemoveMemoWindow(ILifecycleNote* note, CMemoInfo* removed = nullptr);
    // Writes the current group from the windows' own copies of their records.
    bool WriteMemoList();
    static bool WriteMemoList(INoteLifecycleHost& host, CMemoStore& store, const CArray<CMemoInfo>& memos);

private:
    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
};
