// CRestoreMemoLogic: what the memo restore dialog does on disk. Mode 0
// lists the deleted notes (".brt"), mode 1 the note files (".rtf") that no
// open note uses; a listed file is restored as a note of the current group
// or deleted. A file restored onto the name of a file that is still there
// first moves that file aside under a dated name, and a file that could not
// be renamed is not added as a note.
#pragma once

#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"

#include <functional>
#include <vector>

class CRestoreMemoLogic {
public:
    enum {
        IDS_RESTORE_SELECTED = 10142, IDS_COULD_NOT_RESTORE = 10143, IDS_RESTORE_ALL = 10144,
        IDS_DELETE_SELECTED = 10145, IDS_DELETE_ALL = 10146, IDS_MODIFIED_TIME = 10141,
    };
    struct Item {
        CString name;      // the file name with its extension
        CString modified;  // text 10141 with the file's local modification time
    };
    // Whether an open note window uses a file name (CMainFrame::FindMemoByFile).
    using IsOpenFn = std::function<bool(const CString&)>;
    // Makes a note of the current group for a file (CMainFrame::AddMemoFromFile).
    using AddNoteFn = std::function<bool(const CString& fileName, bool writeList)>;

    CRestoreMemoLogic(INoteLifecycleHost& host, const CString& memoFolder, int mode)
        : m_host(host), m_folder(memoFolder), m_mode(mode) {}

    int GetMode() const { return m_mode; }
    const wchar_t* Extension() const { return m_mode == 0 ? L"brt" : L"rtf"; }
    // The name a listed file takes back: the trailing letters of the mode's
    // extension removed, then "rtf".
    CString RestoredName(const CString& name) const;

    std::vector<Item> ListFiles(const IsOpenFn& isOpen) const;
    // An item for one file (the deleted-note list keeps itself current).
    Item MakeItem(const CString& fileName) const;
    static CString FormatModified(const SYSTEMTIME& local);

    // False (and the user told) when the current group is full.
    bool CheckLimit(int currentCount, int adding = 1);
    // Restores one listed file; false when refused (limit, answer No) or the
    // rename failed. currentCount: the notes of the current group.
    bool Restore(const CString& name, int currentCount, const AddNoteFn& addNote, bool ask = true);
    // Restores every listed file with one list write; the number restored.
    int RestoreAll(const std::vector<CString>& names, int currentCount, const AddNoteFn& addNote);
    bool Delete(const CString& name);
    bool DeleteAll(const std::vector<CString>& names);

private:
    bool Rename(const CString& name, CString& restored);

    INoteLifecycleHost& m_host;
    CString m_folder;
    int m_mode;
};
