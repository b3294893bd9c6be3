// Resource ids of the installer.
#pragma once

#define IDD_SETUP_GDIDLL 133
#define IDC_SETUP_GDIDLL_LINK 1016
// Sent to the parent instead of opening, by a link that notifies it.
#define WM_HYPERLINK_CLICKED (WM_USER + 101)

// The wizard frame and its buttons, title lines and page frame.
#define IDD_SETUP_WIZARD 102
#define IDC_SETUP_BACK 1000
#define IDC_SETUP_NEXT_BUTTON 1001
#define IDC_SETUP_PAGE_FRAME 1002
#define IDC_SETUP_TITLE 1031
#define IDC_SETUP_SUBTITLE 1032
#define IDC_SETUP_HEADER_ICON 1044

// The pages.
#define IDD_SETUP_LICENSE 129
#define IDD_SETUP_FOLDER 130
#define IDD_SETUP_FINISH 131
#define IDD_SETUP_COPY 132
#define IDD_SETUP_LANGUAGE 141

// Licence page.
#define IDC_LICENSE_PROMPT 1028
#define IDC_LICENSE_TEXT 1042
// Folder page.
#define IDC_FOLDER_BASE 1004
#define IDC_FOLDER_BROWSE 1003
#define IDC_FOLDER_SUB 1007
#define IDC_FOLDER_GROUP 1014
#define IDC_FOLDER_HINT 1029
#define IDC_FOLDER_RUN_AT_START 1035
#define IDC_FOLDER_START_MENU 1036
// Copy page.
#define IDC_COPY_PROGRESS 1005
#define IDC_COPY_STATUS 1006
#define IDC_COPY_TEXT 1007
// Finish page.
#define IDC_FINISH_RUN 1009
#define IDC_FINISH_MENU_WIDGET 1010
#define IDC_FINISH_PRESET_FIRST 1037
#define IDC_FINISH_PRESET_LAST 1040
#define IDC_FINISH_GROUP 1041
#define IDC_FINISH_PICTURE 1043
// Language dialog.
#define IDC_LANGUAGE_LIST 1033
#define IDC_LANGUAGE_PROMPT 1034

// Stored in the installer: the program icon, the licence texts and the
// hand cursor of links in them.
#define IDI_SETUP_PROGRAM 143
#define IDR_LICENSE_KOREAN 154
#define IDR_LICENSE_ENGLISH 156
#define IDC_SETUP_HAND 157
