// The words that skin buttons, double-clicks, countdowns and keys speak to a
// skinned window, read into a plain description that the window then carries
// out; and the small numeric rules of the window's menu commands.
#pragma once

#include "fw/Afx.h"

enum SkinCommandKind {
    SKIN_CMD_OTHER,            // not ours: an action for the main frame
    SKIN_CMD_CHANGE_SKIN,      // argument: file name beside the current skin
    SKIN_CMD_JUMP_SKIN,        // argument: file name under the skin folder
    SKIN_CMD_TOOLTIP_WIDGET,   // argument: skin name of the tooltip widget
    SKIN_CMD_HIDE,             // fade out (HIDE, <HIDE_WINDOW>, CLOSE)
    SKIN_CMD_HIDE_OTHERS,
    SKIN_CMD_SHUTDOWN,         // the shutdown fields below
    SKIN_CMD_CANCEL_SHUTDOWN_AND_CLOSE,
    SKIN_CMD_WEATHER_DETAIL,   // argument: the weather meter's ID text
    SKIN_CMD_REG_USER,
    SKIN_CMD_POSITION,         // level below
};

struct SkinCommand {
    SkinCommandKind kind = SKIN_CMD_OTHER;
    CString argument;
    // Shutdown words.
    int seconds = 0;
    bool force = false;
    bool restart = false;
    bool saveNotes = false;
    bool closeAfterFade = false;
    // Position words.
    int level = 0;
};

// Command words are matched without regard to case; file and skin names keep
// the case they were written in. Numbers after the shutdown words are read
// with clamping: letters or nothing give 0, a minus sign gives 0, and values
// past the largest integer stay there.
SkinCommand ParseSkinCommand(const CString& text);

// The alpha of the opacity commands (10% .. Opaque), -1 for other ids.
int OpacityForCommand(UINT id);

// The skin's UpdateCycle (seconds) in milliseconds: truncated, a result from
// 1 to 9 becomes 10, and 0 or less means no periodic update.
int UpdateCycleMs(double seconds);

// Only web pages are opened from a skin's weather link.
bool IsWebLink(const CString& link);
