// CDelMemoListBox: asks how the ticked notes of the group manager are
// deleted: restorably (1), for good (3) or not at all (7). When one of them
// is open and locked only the deletion for good is offered.
#pragma once

#include "notes/DeleteConfirmDlg.h"
#include "notes/MemoInfo.h"

class CDelMemoListBox : public CDeleteConfirmDlg {
public:
    enum { IDD = 1100 };
    enum { ResultRestorable = 1, ResultForGood = 3, ResultCancel = 7 };
    // lockedOpen: one of the records' notes is open and locked.
    CDelMemoListBox(const CArray<CMemoInfo>& records, CWnd* parent, bool lockedOpen = false);

protected:
    int CancelCode() const override { return ResultCancel; }
};
