// CHotKeyRunPage: nine slots that bind a hot key to a program, a file or an
// action of the program, each with Run and Browse buttons.
#pragma once

#include "app/HotKeyPageSlots.h"

class CHotKeyRunPage : public CHotKeyPageSlots {
public:
    explicit CHotKeyRunPage(CSetupMemo& sheet);
};
