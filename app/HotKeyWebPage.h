// CHotKeyWebPage: nine slots that bind a hot key to a web address, each with
// a Go button.
#pragma once

#include "app/HotKeyPageSlots.h"

class CHotKeyWebPage : public CHotKeyPageSlots {
public:
    explicit CHotKeyWebPage(CSetupMemo& sheet);
};
