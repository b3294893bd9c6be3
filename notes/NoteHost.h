// INoteHost: what a note window needs from the program around it (the main
// frame implements it): the hover tip, placement, the note store's
// operations, the group menus, messages and the small dialogs that ask the
// user. Tests put in a host that records the calls and gives set answers.
#pragma once

#include "fw/AfxWin.h"

class CMemoDlg;
class CMemoInfo;

class INoteHost {
public:
    virtual ~INoteHost() = default;

    // The frame's hover tip (refused by the frame for locked and expanded notes).
    virtual void ShowMemoTip(CMemoInfo* record) = 0;
    virtual void HideMemoTip() = 0;
    // The note window whose tip is shown, or null.
    virtual CMemoDlg* GetMemoTipWindow() = 0;
    // Moves the open tip along with its note.
    virtual void MoveMemoTip() = 0;

    // Placement.
    virtual CRect GetNewMemoRect() = 0;
    virtual void PlaceInMemoColumn(CMemoDlg* note) = 0;
    // True while the frame opens every note window in one pass.
    virtual bool IsCreatingAllMemos() = 0;

    // The note store.
    virtual void AutoSaveMemos() = 0;
    virtual void AlarmForMemo(CMemoDlg* note) = 0;
    virtual void AddToRestoreMemoDialog(const CString& path) = 0;
    virtual int GetGroupFileCount() = 0;
    virtual void MoveMemoToGroup(CMemoDlg* note, int groupIndex) = 0;
    // Whether the present group is the recycle bin.
    virtual bool IsRecycleBinGroup() = 0;
    // A message for the frame (WM_MEMO_CLOSED and the others); the note
    // window goes as wParam.
    virtual void PostToFrame(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Menus the frame fills: the group lists and the extended menu.
    virtual void BuildMoveToGroupMenu(CMenu* menu) = 0;
    virtual void BuildOpenGroupMenu(CMenu* menu) = 0;
    virtual void TranslateMemoMenu(CMenu* menu) = 0;

    // Asking the user. The message box answers IDOK / IDYES as 6 and the
    // rest as 7; the delete box answers IDOK (keep a copy), IDABORT
    // (remove), IDRETRY (recycle bin) or anything else (nothing).
    virtual int ShowMessageBox(const CString& text, const CString& caption, int type) = 0;
    virtual int AskDelete(CMemoDlg* note, bool locked, bool recycleBinGroup) = 0;
    // The password dialog: false when cancelled or empty.
    virtual bool AskPassword(CMemoDlg* note, CString& password) = 0;
    // The lock dialog: the password (cut to 16 characters, typed twice) and
    // the title, which the user may change; false when cancelled.
    virtual bool AskLock(CMemoDlg* note, CString& password, CString& title) = 0;
    // The send dialog for this note.
    virtual void OpenSendDialog(CMemoDlg* note) = 0;

    // Settings the note changes (General/DefaultColorType, General/TitleFont).
    virtual void SaveSettings() = 0;
    // The hand cursor for links, or null.
    virtual HCURSOR GetHandCursor() = 0;
    // Raises a very important note above the spotlight.
    virtual void ShowAboveSpotlight(CMemoDlg* note) = 0;
};
