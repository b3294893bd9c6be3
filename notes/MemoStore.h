// CMemoStore: the memo-list files of the memo groups in the memo folder:
// reading them (with the older forms and the position repair), writing them
// whole and atomically, counting them, and the recycle bin's file. It holds
// no windows: the frame passes the records (a note window's own copy where
// one is open) and the screen's geometry.
//
// A list that cannot be read (or is larger than any list can be) is never
// replaced: a dated copy is kept, what could be read is loaded, the user is
// told, and the group is not written back until a later read of it succeeds
// (or the frame releases it). A record whose note file name is not a plain
// file name is loaded and written back as it is, and the user is told once.
#pragma once

#include "notes/MemoInfo.h"
#include "notes/StoreHost.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// What the position repair of loaded notes needs to know of the screen.
struct MemoPlacement {
    bool revisionPosition = true;  // General/RevisionPosition
    int workMonitor = 0;           // General/WorkMonitor
    int screenWidth = 0;           // the primary screen
    int screenHeight = 0;
    std::vector<CRect> workAreas;  // every monitor's work area
};

class CMemoStore {
public:
    enum ListForm { FormUnknown, FormCurrent, FormOlder };
    struct ParseResult {
        ListForm form = FormUnknown;
        bool complete = false;  // every announced record read, or an older list ending on a record boundary
        UINT announced = 0;
        UINT unsafe = 0;  // records read whose file names are unsafe
    };

    CMemoStore(IStoreHost& host, const CString& memoFolder);

    // The current group file, relative to the memo folder (General/MemoDBFile).
    const CString& GetCurrentGroup() const { return m_currentGroup; }
    void SetCurrentGroup(const CString& name) { m_currentGroup = name; }
    const CString& GetMemoFolder() const { return m_folder; }
    void SetPlacement(const MemoPlacement& placement) { m_placement = placement; m_hasPlacement = true; }

    // Reads the current group into memos. With create set, a missing group
    // file falls back to the first group file of the folder, or converts the
    // oldest lists ("memolist160", "memolist") into "DefaultMemo.zrd".
    // 0 when no file was there to read, 1 otherwise.
    int ReadMemoList(CArray<CMemoInfo>& memos, bool create);
    // Writes memos as the current group file. False when it was not written
    // (reported to the host), including a group held after a failed read.
    bool WriteMemoList(const CArray<CMemoInfo>& memos);
    // The last write of the current group failed (not held back): autosave
    // tries it again at its next pass even when nothing changed.
    bool IsWriteRetryDue() const { return m_writeRetryDue; }
    // The same on another group's file; mode 0 reads, 1 writes.
    int SerializeGroupFile(const CString& groupFile, CArray<CMemoInfo>& memos, int mode);
    // Records a group file announces: 65535 for the older forms, 0 when the
    // file cannot be opened or read.
    UINT CountMemosInFile(const CString& groupFile) const;
    // Creates an empty "RecycleBin.zrr" when there is none.
    bool EnsureRecycleBin();

    bool IsHeld(const CString& groupFile) const;
    void ReleaseHold(const CString& groupFile);
    // Whether the last read found a list that needed converting or repair.
    bool LastReadConverted() const { return m_converted; }

    // The file's bytes for a list of records.
    static std::vector<BYTE> BuildListBytes(const CArray<CMemoInfo>& memos);
    // Reads records out of a list file's bytes into memos (emptied first).
    static ParseResult ParseList(const BYTE* data, size_t size, CArray<CMemoInfo>& memos, const CString& memoFolder);
    // The same from where a loading archive stands.
    static ParseResult ParseList(CArchive& ar, CArray<CMemoInfo>& memos, const CString& memoFolder);
    // Moves a note back onto the screen when it lies off every work area;
    // true when it was moved.
    static bool CorrectPosition(CMemoInfo& memo, const MemoPlacement& placement);
    // Puts a note read from a damaged list wholly on a work area, whatever
    // the position settings say.
    static void PlaceOnScreen(CMemoInfo& memo, const MemoPlacement& placement);

    static const wchar_t* const Signature;       // "250MEMO SIGNATURE"
    static const wchar_t* const RecycleBinFile;  // "RecycleBin.zrr"
    static const wchar_t* const DefaultGroupFile;  // "DefaultMemo.zrd"

private:
    // Stores the signature, the count and the records, and closes the archive.
    static void StoreList(CArchive& ar, const CArray<CMemoInfo>& memos);
    static std::wstring Key(const CString& groupFile);
    void Hold(const CString& groupFile);
    void ReportUnsafeNames(const CArray<CMemoInfo>& memos, const CString& path);

    IStoreHost& m_host;
    CString m_folder;
    CString m_currentGroup;
    MemoPlacement m_placement;
    bool m_hasPlacement = false;
    bool m_converted = false;
    bool m_writeRetryDue = false;
    std::set<std::wstring> m_held;
    std::set<std::wstring> m_heldReported;
    std::map<std::wstring, CString> m_heldCopies;  // the dated copy of each held group's damaged list
    std::set<std::wstring> m_unsafeReported;  // groups whose unsafe file names the user was told of
};
