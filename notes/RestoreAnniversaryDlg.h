// CRestoreAnniversaryDlg: the dated history copies of the anniversary file
// ("anniversary_data\history\*.xbak") and their restoring.
#pragma once

#include "notes/RestoreHistoryDlg.h"

class CRestoreAnniversaryDlg : public CRestoreHistoryDlg {
public:
    CRestoreAnniversaryDlg(INoteLifecycleHost& host, const CString& programFolder, int historyLevel)
        : CRestoreHistoryDlg(host, CRestoreHistoryLogic::ForAnniversary(host, programFolder), historyLevel) {}

protected:
    int TitleText() const override { return 2001; }
};
