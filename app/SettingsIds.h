// Dialog and control ids of the settings sheet and its pages, shared by the
// code and res/settings.rc.
#pragma once

// Dialog templates.
#define IDD_SETUP_MEMO 180
#define IDD_PROGRAM_SET_PAGE 207
#define IDD_MEMO_COL_PAGE 181
#define IDD_COLOR_SAMPLE 186

// The sheet (dialog 180): the eight tab buttons, Default and the frame
// static that marks where the pages sit; OK, Cancel and Apply are 1, 2, 3.
#define IDC_SM_TAB0 1028
#define IDC_SM_TAB1 1022
#define IDC_SM_TAB2 1006
#define IDC_SM_TAB3 1023
#define IDC_SM_TAB4 1027
#define IDC_SM_TAB5 1029
#define IDC_SM_TAB6 1030
#define IDC_SM_TAB7 1031
#define IDC_SM_APPLY 3
#define IDC_SM_DEFAULT 1025
#define IDC_SM_FRAME 1024

// The program page (dialog 207).
#define IDC_PS_START_WITH_WINDOWS 1019
#define IDC_PS_VIEW_MEMO_ON_START 1020
#define IDC_PS_SHOW_TRAY_ICON 1024
#define IDC_PS_DOCKING 1018
#define IDC_PS_HOTKEY_TOGGLE 1021
#define IDC_PS_ENABLE_HOTKEY 1027
#define IDC_PS_REVISION_POSITION 1026
#define IDC_PS_WIDGET_SHOW_EFFECT 1028
#define IDC_PS_MENU_WIDGET_AT_START 1029
#define IDC_PS_ENABLE_DESKTOP 1025
#define IDC_PS_TRAY_CLICK_LIST 1236
#define IDC_PS_TRAY_CLICK_LABEL 1290
#define IDC_PS_BACKUP_LIST 1298
#define IDC_PS_BACKUP_LABEL 1022
#define IDC_PS_LANGUAGE_LIST 1299
#define IDC_PS_LANGUAGE_LABEL 1023
#define IDC_PS_LANGUAGE_FOLDER 1110
#define IDC_PS_SEE_QUICK_MENU 1483

// The note colours page (dialog 181): statics 400-411, buttons 301-312,
// labels 1298-1309 in palette order, the random check and the static the
// preview covers.
#define IDC_MC_STATIC_FIRST 400
#define IDC_MC_STATIC_LAST 411
#define IDC_MC_BUTTON_FIRST 301
#define IDC_MC_BUTTON_LAST 312
#define IDC_MC_RANDOM 1137
#define IDC_MC_PREVIEW_PLACE 1029
