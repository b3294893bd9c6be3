// CNoteTextStore: how one note window writes and reads its text file, and
// locks or unlocks it with a password.
//
// A plain note is an RTF file; a locked note is the ".rtx" form of
// CLockedMemoFile, whose text stays encrypted on disk until the user gives
// the password. Every write goes through a temporary file, and when a lock
// change renames the note, the new file is written before the old one is
// removed, so a failure never leaves the note without its text.
#pragma once

#include "notes/LockedMemoFile.h"
#include "notes/NoteEditor.h"

#include <functional>

class CMemoInfo;

// The key and token IV of every locked note, made at run time.
const MemoLockKeys& GetNoteLockKeys();

class CNoteTextStore {
public:
    using Clock = std::function<SYSTEMTIME()>;

    CNoteTextStore(CMemoInfo& record, const CString& memoFolder, CLockedMemoFile& lockedFile, Clock clock);

    // Empty for a record whose file name is unsafe: its file is never touched.
    CString GetPath() const;
    bool IsLocked() const;
    bool IsTextLoaded() const { return m_textLoaded; }
    void SetTextLoaded(bool loaded) { m_textLoaded = loaded; }
    bool IsOpenFailed() const { return m_openFailed; }

    // Loading a record: a locked note only reads its token (its text stays
    // encrypted); a plain one loads its file into the editor. False when
    // what stands at the note's path is no whole note text (CheckNoteRtf:
    // unreadable, a folder, empty, cut off, not RTF, nested too deeply) or
    // the record's file name is unsafe: the open-failed state, in which the
    // editor is not loaded and nothing is written.
    bool LoadForRecord(INoteEditor& editor);
    // Leaves the open-failed state: the damaged file is first kept as a
    // dated copy beside it (a folder in the way is left alone and the note
    // takes a new file name), then the editor is emptied and saved as the
    // note. False, with nothing changed, when the copy could not be made.
    bool StartAfresh(INoteEditor& editor);

    // Writes the editor's text to the note's file. Nothing is written while
    // the editor's file could not be read, or for a locked note whose text
    // was never decrypted (the file already holds it). The editor's modified
    // mark is cleared after a write. False when writing failed; a failed
    // write is reported (ReportSaveFailure) and the mark stays, so the next
    // save tries again.
    bool Save(INoteEditor& editor);

    // Whether the entered password is the note's.
    bool CheckPassword(const CString& entered) const;
    // Decrypts a locked note's file into the editor; the token found there
    // becomes the record's. False (editor left as it was) on failure.
    bool LoadLockedText(INoteEditor& editor);

    enum class LockResult { Done, WrongPassword, NoToken, WriteFailed, ReadFailed };
    // Turns the note into a locked note with this password and title.
    LockResult Lock(INoteEditor& editor, const CString& password, const CString& title);
    // Turns a locked note back into a plain one; a wrong password changes
    // nothing.
    LockResult Unlock(INoteEditor& editor, const CString& entered);

private:
    bool WriteTo(const CString& path, INoteEditor& editor, bool locked, const CString& token);
    void RemoveOldFile(const CString& oldName, const CString& newName);

    CMemoInfo& m_record;
    CString m_memoFolder;
    CLockedMemoFile& m_lockedFile;
    Clock m_clock;
    bool m_textLoaded = false;
    bool m_openFailed = false;
};
