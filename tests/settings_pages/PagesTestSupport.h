// What the settings pages' window tests share: the recording owner window
// (SettingsOwner.h) and clicks on a page's buttons.
#pragma once

#include "SettingsOwner.h"

#include <windows.h>

void Click(HWND dialog, int id);
// A button of a page that is not showing, pressed as its notification.
void Press(HWND dialog, int id);
bool Checked(HWND dialog, int id);
