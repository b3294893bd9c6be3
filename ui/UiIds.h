// Ids of the window framework: timers, commands, dialog templates, bitmaps
// and texts that the floating windows and overlays use. The commands they
// share with the tray menu are the shell's.
#pragma once

#include "shell/ShellIds.h"

// Timers of every floating window (derived windows use other ids).
const unsigned TIMER_MOUSEOVER_STEP = 1004;  // mouse-over hiding steps, 30 ms
const unsigned TIMER_MOUSEOVER_POLL = 1005;  // hidden window waits for the cursor to leave, 700 ms
const unsigned TIMER_FADE_IN = 3004;         // 15 ms
const unsigned TIMER_FADE_OUT = 3005;        // 15 ms
const unsigned TIMER_AUTO_HIDE = 3006;

const unsigned MOUSEOVER_STEP_MS = 30;
const unsigned MOUSEOVER_POLL_MS = 700;
const unsigned FADE_STEP_MS = 15;

// The spotlight overlay's opacity ramp timer.
const unsigned TIMER_SPOTLIGHT_RAMP = 1000;
const unsigned SPOTLIGHT_RAMP_MS = 10;

// Commands of every floating window's context menu besides the shell's
// (position, align, the group and widget ranges, exit).
const unsigned ID_FIX_LOCATION = 32842;
const unsigned ID_WINDOW_HIDE = 32782;
const unsigned ID_HIDE_OTHER_WIDGETS = 32974;

// Dialog templates and the spotlight's texture.
const unsigned IDD_ACTIVE_BACKGROUND = 1080;
const unsigned IDD_SHOW_EFFECT = 1102;
const unsigned IDB_SPOTLIGHT_TILE = 367;
const int SPOTLIGHT_TILE_SIZE = 126;

// Texts.
const int TEXT_CONFIRM_EXIT = 10147;  // "Would you like to end the Zorel?"

// Window levels (Z types).
const int ZPOS_NORMAL = 0;
const int ZPOS_TOPMOST = 1;
const int ZPOS_DESKTOP = 2;
const int ZPOS_BOTTOM = 3;
