// CDelMsgBox: asks how one note is deleted: restorably (1), for good (3),
// into the recycle bin (4), or not at all (7). A locked note can only be
// deleted for good; in the recycle bin the bin itself is not offered.
#pragma once

#include "notes/DeleteConfirmDlg.h"

class CDelMsgBox : public CDeleteConfirmDlg {
public:
    enum { IDD = 206 };
    enum { ResultRestorable = 1, ResultForGood = 3, ResultRecycleBin = 4, ResultCancel = 7 };
    CDelMsgBox(BOOL locked, CWnd* parent);

protected:
    int CancelCode() const override { return ResultCancel; }
};
