// Ids of the test dialogs.
#pragma once

#define IDD_EXCHANGE 100
#define IDD_MODAL 101

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_FLAG 1003
#define IDC_OWN 1004
#define IDC_FOR_OWNER 1005
#define IDC_FOR_APP 1006
#define IDC_NOBODY 1007
#define IDC_RANGE_FIRST 1010
#define IDC_RANGE_LAST 1012
#define IDC_DRAWN 1020
#define IDC_RADIO_A 1030
#define IDC_RADIO_B 1031
#define IDC_RADIO_C 1032
#define IDC_EDIT 1040

#define ID_MENU_CHECKED 2001
#define ID_MENU_DISABLED 2002
#define ID_MENU_APP 2003
#define ID_MENU_PLAIN 2004
