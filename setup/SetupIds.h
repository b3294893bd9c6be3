// Resource ids of the installer.
#pragma once

#define IDD_SETUP_GDIDLL 133
#define IDC_SETUP_GDIDLL_LINK 1016
// Sent to the parent instead of opening, by a link that notifies it.
#define WM_HYPERLINK_CLICKED (WM_USER + 101)
