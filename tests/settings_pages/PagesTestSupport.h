// What the settings pages' window tests share: an owner window that records
// the sheet's messages to its owner, and clicks on a page's buttons.
#pragma once

#include <windows.h>

#include <vector>

struct Posted {
    UINT message;
    WPARAM wParam;
};
// The sheet's closing and reopening messages, as the owner received them.
extern std::vector<Posted> g_posted;
HWND MakeOwner();

void Click(HWND dialog, int id);
// A button of a page that is not showing, pressed as its notification.
void Press(HWND dialog, int id);
bool Checked(HWND dialog, int id);
