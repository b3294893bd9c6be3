#include "app/HotKeyRunPage.h"

#include "app/SettingsIds.h"

CHotKeyRunPage::CHotKeyRunPage(CSetupMemo& sheet) : CHotKeyPageSlots(sheet, IDD_HOTKEY_RUN_PAGE, HOTKEY_SUB_RUN) {}
