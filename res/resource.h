// Ids that the resource scripts and the code share: the built-in images
// (images.h, written with them) and the names below. Each subsystem keeps
// its own dialog, control, menu and command ids in its own ids header, which
// its fragment res/<subsystem>.rc includes.
#pragma once

#include "res/images.h"

// The program's icon (also the tray icon outside the NT family).
#define IDR_MAINFRAME 128
// The background of a skinned window that has no skin.
#define IDR_NO_SKIN IDP_NO_SKIN
// The hand cursor over links and skin buttons.
#define IDC_LINK_HAND IDC_CURSOR_HAND

#define ZOREL_VERSION_NUMBERS 3, 1, 1, 0
#define ZOREL_VERSION_TEXT "3.1.1.0"
