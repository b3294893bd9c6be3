// Commands whose windows or services Zorel does not have yet. Menus show
// them greyed, so no item is offered that would do nothing; each entry goes
// when its window or service arrives.
#pragma once

#include <windows.h>

bool IsUnbuiltCommand(UINT id);

// Greys every item of the menu and its submenus that is one of them.
void GreyUnbuiltCommands(HMENU menu);
