// The hit test of the controls that sit on note windows: while the
// MouseOverHiding setting is on and Ctrl is up, the pointer passes through
// them to the window below.
#pragma once

#include <windows.h>

inline bool PassPointerThrough(BOOL mouseOverHiding) {
    return mouseOverHiding && !(::GetKeyState(VK_CONTROL) & 0x8000);
}
