// Ids of the driver's demonstration program.
#pragma once

#define IDD_DEMO 100
#define IDC_STATUS 1001
#define IDC_CHANGE 1002
#define ID_DEMO_RESET 32001
