// CNoteMove: notes moving between memo groups and into the recycle bin, and
// notes deleted from a group (their files kept restorable as ".brt" or
// removed). A group whose list could not be read is never rewritten, and a
// note leaves its group only after the group that takes it has been
// written, so a failed write never loses a note.
#pragma once

#include "notes/Autosave.h"
#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"

class CNoteMove {
public:
    CNoteMove(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos)
        : m_host(host), m_store(store), m_memos(memos), m_autosave(host, store, memos) {}

    // One open note of the current group to another group ("RecycleBin.zrr"
    // for the recycle bin). False when nothing moved.
    bool DeleteMemoToRecycleBin(ILifecycleNote* note, const CString& targetGroup);
    // Several notes from one group to another, as many as the target has
    // room for; returns the number moved.
    int MoveMemosToGroup(const CArray<CMemoInfo>& records, const CString& sourceGroup, const CString& targetGroup);
    // Removes notes from a group; with keepRestorable their files become
    // ".brt" files, else they are deleted. False when the group could not be
    // read or written (then no file is touched).
    bool DeleteMemosFromGroup(const CArray<CMemoInfo>& records, const CString& group, bool keepRestorable);

    bool IsCurrentGroup(const CString& group) const;

private:
    // Reads a group; false when its list could not be read whole.
    bool ReadGroup(const CString& group, CArray<CMemoInfo>& memos);
    ILifecycleNote* FindOpenNote(const CString& fileName, int* index = nullptr);

    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
    CAutosave m_autosave;
};
