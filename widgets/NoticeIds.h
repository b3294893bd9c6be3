// Ids the notice windows and the tooltip widget share with the resource
// script and the frame.
#pragma once

// Dialog templates of the notices and the menu of their right click.
const unsigned IDD_NOTICE_SLIDE = 231;
const unsigned IDD_NOTICE_POPUP = 232;
const unsigned IDR_NOTICE_MENU = 259;
// "Edit schedule": opens the alarm or anniversary the notice is about.
const unsigned ID_EDIT_SCHEDULE = 32971;
// Posted to a notice itself (wParam the item id), so the editor opens after
// the command or click that asked for it has finished.
const unsigned WM_NOTICE_EDIT_SCHEDULE = 0x0400 + 10;  // WM_USER + 10

// Alarm ids lie below this, anniversary ids from it upward.
const int kFirstAnniversaryId = 0x10000000;
