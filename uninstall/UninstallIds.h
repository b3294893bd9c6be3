// Resource ids of the uninstaller.
#pragma once

#define IDD_UNINSTALL 102
#define IDC_UNINSTALL_KEEP 1000
#define IDC_UNINSTALL_DELETE 1001
#define IDC_UNINSTALL_STATUS 1002
#define IDC_UNINSTALL_GROUP 1003
