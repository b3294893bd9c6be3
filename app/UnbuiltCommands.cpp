#include "app/UnbuiltCommands.h"

#include "notes/NoteIds.h"
#include "shell/ShellIds.h"

#include <algorithm>
#include <iterator>

namespace {
const UINT kUnbuiltCommands[] = {
    // Tray menu
    ID_SETTINGS, ID_SETTINGS_CLOCK, ID_SEE_CALENDAR,
    ID_SEE_SCHEDULE, ID_SHOW_QUICK_MENU, ID_SHOW_ALL_WIDGETS, ID_HIDE_ALL_WIDGETS, ID_CAPTURE_REGION,
    ID_CAPTURE_WINDOW, ID_CAPTURE_FULL, ID_CAPTURE_LAST, ID_COLOR_PICKER, ID_ZOOM_WINDOW, ID_RULER,
    ID_CAPTURE_OUT_MEMO, ID_CAPTURE_OUT_SAVE, ID_CAPTURE_OUT_SAVE_AS, ID_CAPTURE_OUT_CLIPBOARD,
    ID_CAPTURE_PREFERENCE, ID_CAPTURE_FOLDER, ID_SHARE, ID_SYNC_SCHEDULE, ID_SHUTDOWN_SCHEDULER,
    ID_UNINSTALL_ZOREL, ID_USER_INFO, ID_HOMEPAGE, ID_DONATION, ID_APP_ABOUT_ZOREL,
    // Note menu
    ID_MEMO_SEND,
};
}  // namespace

bool IsUnbuiltCommand(UINT id) {
    if (id >= ID_WIDGET_FIRST && id <= ID_WIDGET_LAST) return true;
    return std::find(std::begin(kUnbuiltCommands), std::end(kUnbuiltCommands), id) != std::end(kUnbuiltCommands);
}

void GreyUnbuiltCommands(HMENU menu) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            GreyUnbuiltCommands(sub);
            continue;
        }
        UINT id = ::GetMenuItemID(menu, i);
        if (id != 0 && id != (UINT)-1 && IsUnbuiltCommand(id))
            ::EnableMenuItem(menu, (UINT)i, MF_BYPOSITION | MF_GRAYED);
    }
}
