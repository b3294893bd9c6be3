// INoteLifecycleHost and ILifecycleNote: what the note life-cycle logic
// (autosave, creating, arranging, searching, moving, restoring notes and
// firing alarms) needs from the windows around it. The main frame and the
// note windows implement them; tests use recording fakes, so all of that
// logic runs without a screen.
#pragma once

#include "notes/MemoInfo.h"

#include <vector>

// One open note window, seen through the operations the frame uses on it.
class ILifecycleNote {
public:
    virtual ~ILifecycleNote() = default;
    // The window's own copy of its record.
    virtual CMemoInfo& Record() = 0;
    // The autosave readiness of the window (CAutosave::CheckReady on its
    // editor's modified mark and text length).
    virtual bool IsReadyToSave(bool atExit) = 0;
    // Writes the note's text file; false when it could not be written (the
    // window reports that itself).
    virtual bool SaveMemo() = 0;
    // Moves, size and state changes since the last save of the list.
    virtual bool IsChanged() const = 0;
    virtual void ClearChanged() = 0;
    virtual void Redraw() = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show(bool show) = 0;
    // Moves the window without activating it or changing its z-order.
    virtual void MoveTo(const CRect& rect) = 0;
    virtual void SetExpanded(bool expanded) = 0;
    virtual void SetLevel(int level) = 0;
    // Presses the title bar's pin button and puts the note always on top.
    virtual void PinOnTop() = 0;
    virtual void FlashAttention() = 0;
    // Finds text in the editor, whole text, downward; on a hit the editor
    // scrolls to it and selects it.
    virtual bool FindText(const CString& text, bool matchCase, bool wholeWord) = 0;
    // Pastes the clipboard into the editor (a capture's picture, say).
    virtual void PasteClipboard() = 0;
};

// What a notice window is asked to show.
struct NoticeRequest {
    int style = 0;         // 0 slide-up, 1 pop-up, 2 pop-up closing itself, 3 pop-up in note colours
    int id = -1;           // run-time id of the alarm or anniversary
    int timeout = -1;      // ms; -1 stays until closed
    CString title;
    COLORREF titleColor = 0;
    CString body;
    COLORREF bodyColor = 0;
    CString fontFace;
    int titleSize = 9;
    int bodySize = 10;
    bool fromCalendar = false;  // an anniversary: the calendar window is the parent
    // Pop-up styles: the screen point of the notice; slide-up: placement 6.
    int x = 0, y = 0;
    int placement = 6;
};

class INoteLifecycleHost {
public:
    virtual ~INoteLifecycleHost() = default;

    virtual SYSTEMTIME Now() = 0;
    // The program's message box: returns IDOK, IDYES, IDNO, IDRETRY, IDCANCEL.
    // type is the MB_ type and icon.
    virtual int MessageBox(const CString& text, UINT type) = 0;

    // The window behind a record of the frame's memo array (null when it
    // has none).
    virtual ILifecycleNote* NoteOf(const CMemoInfo& record) = 0;
    // Opens a note window from a record (shown without activation); the
    // record's window field is set. Null when the window cannot be made.
    virtual ILifecycleNote* OpenNote(CMemoInfo& record) = 0;
    // Destroys a note window (its record is already out of the array).
    virtual void DestroyNote(ILifecycleNote* note) = 0;
    // Whether the window is still a registered floating window.
    virtual bool IsNoteRegistered(ILifecycleNote* note) = 0;

    // The work area that holds the note column (General/WorkMonitor).
    virtual CRect GetWorkArea() = 0;
    // The primary screen's size, for placing pop-up notices.
    virtual CSize GetScreenSize() = 0;
    // The undocked, visible quick-menu bar's rectangle; false when there is none.
    virtual bool GetQuickMenuRect(CRect& rect) = 0;
    virtual void SetQuickMenuExpanded(bool expanded) = 0;
    virtual void MoveQuickMenu(const CPoint& topLeft) = 0;
    // Shows the notes as one group above the spotlight (ShowGroupWithEffect).
    virtual void ShowNoteGroup(const std::vector<ILifecycleNote*>& notes) = 0;

    // The memo-group manager is told that the lists changed; an open
    // deleted-note restore dialog is handed a deleted note's file.
    virtual void MemoListChanged() = 0;
    virtual void AddToRestoreDialog(const CString& path) = 0;
    // The note last made, saved or moved: the frame keeps it as the recent
    // note, where showing the recent notes starts.
    virtual void SetRecentMemo(const CString& fileName) = 0;
    // Changed widget windows: their flags are cleared and the widget list
    // rewritten; true when any was changed.
    virtual bool SaveChangedWidgets() = 0;

    // Alarms.
    virtual void ShowNotice(const NoticeRequest& notice) = 0;
    virtual void ShowClockForAWhile() = 0;
    virtual void PlaySoundFile(const CString& path) = 0;
    // RunAction: false when the text is no action string.
    virtual bool RunAction(const CString& command) = 0;
    virtual void ShellOpen(const CString& command) = 0;
};

// "#MARK#" replaced by a plain decimal number.
inline CString ReplaceMarkerNumber(CString text, const wchar_t* marker, int value) {
    CString number;
    number.Format(L"%d", value);
    text.Replace(marker, number);
    return text;
}
