#include "app/HotKeyWebPage.h"

#include "app/SettingsIds.h"

CHotKeyWebPage::CHotKeyWebPage(CSetupMemo& sheet) : CHotKeyPageSlots(sheet, IDD_HOTKEY_WEB_PAGE, HOTKEY_SUB_WEB) {}
