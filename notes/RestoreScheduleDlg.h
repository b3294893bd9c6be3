// CRestoreScheduleDlg: the dated history copies of the alarm file
// ("schedule_data\history\*.sbak") and their restoring.
#pragma once

#include "notes/RestoreHistoryDlg.h"

class CRestoreScheduleDlg : public CRestoreHistoryDlg {
public:
    CRestoreScheduleDlg(INoteLifecycleHost& host, const CString& scheduleFolder, int historyLevel)
        : CRestoreHistoryDlg(host, CRestoreHistoryLogic::ForSchedule(host, scheduleFolder), historyLevel) {}

protected:
    int TitleText() const override { return 2000; }
};
