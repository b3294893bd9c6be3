// CNoteCreate: how notes come into being: a new empty note at the free
// place of the note column (refused at the note limit), a note around an
// existing note file, and the notes received from another computer. The
// windows are made by the host; this keeps the memo array, the list file
// and the recent note right.
#pragma once

#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"
#include "notes/NoteArrange.h"

#include <utility>
#include <vector>

enum { IDS_MEMO_LIMIT = 28201 };  // "One group cannot include memos more than #MAX_MEMO#."

// The settings notes are made by, filled by the frame; the defaults are
// those of a new settings file.
struct NoteCreateSettings {
    int memoLimit = 1000;           // MemoLimit: the most notes one group holds
    bool captureAlwaysTop = true;   // General/CaptureAlwaysTop
    bool receiveSound = true;       // FileShare/ReceiveSound
    // Where new notes go; its StartDX and StartDY are also the least size
    // of a received note.
    NoteColumnSettings column;
};

class CNoteCreate {
public:
    CNoteCreate(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos,
                const NoteCreateSettings& settings)
        : m_host(host), m_store(store), m_memos(memos), m_settings(settings) {}

    // Text 28201 with the note limit filled in.
    static CString MemoLimitText(int limit);
    bool IsAtLimit() const;

    // A record with the default look at a rectangle, its file name and date
    // from the present time.
    CMemoInfo MakeNewRecord(const CRect& rect);

    // A new empty note, handed to the host as the recent note; null at the
    // limit (the user is told) or when the window cannot be made (nothing
    // changes then).
    ILifecycleNote* NewMemo();
    // A note for a file already in the memo folder, at the free place.
    ILifecycleNote* AddMemoFromFile(const CString& fileName, bool writeList);

    // A record for a note made from a capture or the clipboard: always on
    // top when General/CaptureAlwaysTop is on.
    CMemoInfo MakePastedRecord(const CRect& rect);
    // A note holding the clipboard's content at a rectangle (the captured
    // region); its file is written at once.
    ILifecycleNote* AddPastedMemo(const CRect& rect);
    // A note holding the clipboard's content at the free place, handed to
    // the host as the recent note; refused at the note limit.
    ILifecycleNote* NewMemoFromClipboard();

    // A received text "x y w h|message": false without "|". A geometry that
    // does not hold four numbers leaves hasGeometry false.
    static bool ParseReceivedText(const CString& text, CRect& rect, bool& hasGeometry, CString& message);
    // The pairs (file name, text) of the receive queue; one list write for
    // all; then the receive sound (when FileShare/ReceiveSound is on and the
    // file exists), also when no pair made a note. Returns the notes made.
    int ProcessReceived(const std::vector<std::pair<CString, CString>>& pairs, const CString& receiveSound);

private:
    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
    NoteCreateSettings m_settings;
};
