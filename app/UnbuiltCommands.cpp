#include "app/UnbuiltCommands.h"

#include "notes/NoteIds.h"
#include "shell/ShellIds.h"

#include <algorithm>
#include <iterator>

namespace {
const UINT kUnbuiltCommands[] = {
    // Tray menu
    ID_SEE_SCHEDULE,
};
}  // namespace

bool IsUnbuiltCommand(UINT id) {
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
