// CDelMemoGroupDlg: asks how a group that still holds notes is deleted:
// keeping its notes restorable (1), only its list file (1253), everything
// (1251), or not at all (2).
#pragma once

#include "notes/DeleteConfirmDlg.h"

class CDelMemoGroupDlg : public CDeleteConfirmDlg {
public:
    enum { IDD = 1078 };
    enum { ResultRestorable = 1, ResultGroupFileOnly = 1253, ResultEverything = 1251, ResultCancel = 2 };
    CDelMemoGroupDlg(int notes, CWnd* parent);

protected:
    int CancelCode() const override { return ResultCancel; }
};
