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

// ---- Note defaults, shortcut and clock pages ----
#define IDD_MEMO_SETUP 261
#define IDD_HOTKEY_PAGE 179
#define IDD_HOTKEY_RUN_PAGE 1088
#define IDD_HOTKEY_WEB_PAGE 1089
#define IDD_CLOCK_PAGE 192

// The note defaults page (dialog 261).
#define IDC_MS_START_DX 1012
#define IDC_MS_START_DY 1013
#define IDC_MS_CONTRACT_DX 1014
#define IDC_MS_MAX_TRANS 1017
#define IDC_MS_MAX_PERCENT 1028
#define IDC_MS_MIN_TRANS 1015
#define IDC_MS_MIN_PERCENT 1029
#define IDC_MS_ZPOSITION 1396
#define IDC_MS_FONT 1011
#define IDC_MS_TEXT_SIZE 1008
#define IDC_MS_TEXT_COLOR 1009
#define IDC_MS_BOLD 1005
#define IDC_MS_ITALIC 1006
#define IDC_MS_UNDERLINE 1007
#define IDC_MS_SKIN_TYPE 1023
#define IDC_MS_FIT_TITLE 1235
#define IDC_MS_MONITOR 1024
#define IDC_MS_TIP_MODE 1237
#define IDC_MS_MOUSE_OVER 1288
#define IDC_MS_TIP_AUTO_HEIGHT 1032
#define IDC_MS_SIMPLE_INACTIVE 1022
#define IDC_MS_VIEW_EDIT_TIME 1026
#define IDC_MS_TIME_COLOR 1234
#define IDC_MS_RESTORE_SCROLL 1027
#define IDC_MS_HYPERLINK 1030
#define IDC_MS_AUTO_HEIGHT 1031
#define IDC_MS_CHECK_INTERVAL 1455
#define IDC_MS_HOTKEY_NEW 1098
#define IDC_MS_HOTKEY_SEE_ALL 1099
#define IDC_MS_HOTKEY_HIDE_ALL 1100

// The shortcut page (dialog 179) and its two sub-pages (1088, 1089): slot
// edits 2001-2009, hot-key buttons 1100-1108, run/go and browse buttons
// as their table gives them.
#define IDC_HK_HISTORY 1032
#define IDC_HK_CLEAR 1033
#define IDC_HK_TABS 1427
#define IDC_HK_FRAME 1024
#define IDC_HK_INPUT_LABEL 1312
#define IDC_HK_GO 2109

// The clock page (dialog 192).
#define IDC_CP_HOTKEY 1103
#define IDC_CP_VIEW_TIME 1062
#define IDC_CP_VIEW_ALWAYS 1044
#define IDC_CP_VIEW_HIDE 1045
#define IDC_CP_VIEW_SET_TIME 1046
#define IDC_CP_EVERY_HOUR 1047
#define IDC_CP_EVERY_HALF 1048
#define IDC_CP_MINUTE_FIRST 1049
#define IDC_CP_BEFORE 1052
#define IDC_CP_AFTER 1053
#define IDC_CP_SOUND 1373
#define IDC_CP_BROWSE 1058
#define IDC_CP_LISTEN 1059
#define IDC_CP_SKIN 1060
#define IDC_CP_TRANS 1056
#define IDC_CP_PERCENT 1057
#define IDC_CP_MOUSE_OVER 1323
#define IDC_CP_ZPOSITION 1238
#define IDC_CP_START_VIEW 1240

// ---- Calendar, widget and file-share pages ----
#define IDD_CALENDAR_PAGE 211
#define IDD_WIDGET_PAGE 1083
#define IDD_FILE_SHARE_PAGE 1091

// The calendar page (dialog 211). The grid takes the place, and the id, of
// the static that marks where it goes.
#define IDC_CA_HOTKEY 1104
#define IDC_CA_SCHEDULE_HOTKEY 1103
#define IDC_CA_SKIN 1060
#define IDC_CA_TRANS 1110
#define IDC_CA_PERCENT 1057
#define IDC_CA_AUTO_START 1109
#define IDC_CA_MOUSE_OVER 1021
#define IDC_CA_ZPOSITION 1396
#define IDC_CA_MEMORIAL_CHECK 1138
#define IDC_CA_ALERT_TYPE 1329
#define IDC_CA_START_MODE 1245
#define IDC_CA_SORT_BY_TIME 1372
#define IDC_CA_SHOW_DDAY 1373
#define IDC_CA_SHOW_CHECKED 1374
#define IDC_CA_ADD 1330
#define IDC_CA_EDIT 1331
#define IDC_CA_DELETE 1332
#define IDC_CA_GRID 1128

// The widget page (dialog 1083).
#define IDC_WP_ZPOSITION 1396
#define IDC_WP_TRANS 1400
#define IDC_WP_PERCENT 1057
#define IDC_WP_MOUSE_OVER 1399
#define IDC_WP_LIST 1401
#define IDC_WP_SEL_MOUSE_OVER 1402
#define IDC_WP_SEL_TRANS 1403
#define IDC_WP_SEL_ZPOSITION 1404
#define IDC_WP_SEL_PERCENT 1058

// The file-share page (dialog 1091).
#define IDC_FS_IP 1423
#define IDC_FS_PASSWORD 1424
#define IDC_FS_CLIENT_PASSWORD 1426
#define IDC_FS_PORT 1444
#define IDC_FS_HOME 1436
#define IDC_FS_HOME_LABEL 1445
#define IDC_FS_BROWSE 1394
#define IDC_FS_OPEN 1395
#define IDC_FS_SYNC_LIST 1440
#define IDC_FS_ACCOUNT 1446
#define IDC_FS_FTP_CONNECT 1433
#define IDC_FS_DATA_SYNC 1376
#define IDC_FS_DATA_SEND 1377
#define IDC_FS_DOWNLOAD 1372
#define IDC_FS_UPLOAD 1373
#define IDC_FS_LIST 1374
#define IDC_FS_ADMIN 1375
#define IDC_FS_AUTO_START 1379
#define IDC_FS_RECEIVE_SOUND 1378
#define IDC_FS_START 1439
#define IDC_FS_STOP 1447
