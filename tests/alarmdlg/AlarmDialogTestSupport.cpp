#include "AlarmDialogTestSupport.h"

#include "MessagePump.h"

int RunAddAlarmDialog(CAddAlarmDlg& dialog, std::function<void(CAddAlarmDlg&)> act) {
    CAddAlarmDlg* shown = &dialog;
    WhenShown([shown, act] {
        if (shown->m_hWnd) act(*shown);
    });
    return (int)dialog.DoModal();
}
