// Ids that the resource scripts and the code share. The built-in images are
// the RES_BMP_, RES_PNG_, RES_ICON_ and RES_CURSOR_ names of images.h (the
// program's icon is RES_ICON_ZOREL, 128; the hand cursor RES_CURSOR_HAND,
// 249). Each subsystem keeps its own dialog, control, menu and command ids
// in its own ids header, which its fragment res/<subsystem>.rc includes.
#pragma once

#include "res/images.h"

#define ZOREL_VERSION_NUMBERS 3, 1, 1, 0
#define ZOREL_VERSION_TEXT "3.1.1.0"
