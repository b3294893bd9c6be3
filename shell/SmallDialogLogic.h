// The decisions of the message box and the small dialogs, without windows:
// which buttons, icon and texts a message box type shows, how its answer maps
// to a result, the find box's search flags and placement, and the colours of
// the time picker's cells.
#pragma once

#include "fw/Afx.h"

enum {
    MSGBOX_NOTICE = -1,   // one OK button, warning icon
    MSGBOX_QUESTION = 4,  // Yes and No, question icon
};

struct MsgBoxLayout {
    bool secondButton;     // button 2 shown
    LPCWSTR icon;          // system icon id
    int firstTextId;       // text of button 1
    int secondTextId;      // text of button 2 (0 when hidden)
};
MsgBoxLayout GetMsgBoxLayout(int type);
// Button 1 (OK or Yes) gives 6; button 2, Escape and the close box give 7.
int GetMsgBoxResult(UINT commandId);

// Flags of the editor's search: 1 downward, 2 whole word, 4 match case.
enum { FIND_DOWN = 1, FIND_WHOLE_WORD = 2, FIND_MATCH_CASE = 4 };
int MakeFindFlags(bool down, bool wholeWord, bool matchCase);

// Top-left corner of a box of the given size opened under the owner's
// bottom-left corner, lifted and pulled left so that it stays on the desktop.
POINT PlaceBelowOwner(const RECT& desktop, const RECT& owner, int width, int height);

struct CellColors {
    COLORREF text;
    COLORREF fill;
    bool border;
};
CellColors GetHourCellColors(bool selected);
CellColors GetMinuteCellColors(int minute, bool selected);

// Hour and minute of the local time at that moment; -1 and -1 when it
// cannot be converted.
void GetLocalHourMinute(time_t now, int& hour, int& minute);
