// CRestoreHistoryDlg: the window shared by the schedule and anniversary
// restore dialogs: the list of dated history copies, and the buttons that
// restore one, delete one or delete them all. The disk work is
// CRestoreHistoryLogic's; what follows a restore (reloading the alarms or
// the anniversaries) and the closing are the frame's.
#pragma once

#include "fw/AfxWin.h"
#include "notes/RestoreHistoryLogic.h"
#include "ui/ColorButton.h"
#include "ui/IconListBox.h"

#include <functional>

class CRestoreHistoryDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = 1081, IDC_DATE_LABEL = 1378, IDC_LIST = 1249, IDC_RESTORE = 1089, IDC_DELETE = 1066, IDC_DELETE_ALL = 1067 };

    CRestoreHistoryDlg(INoteLifecycleHost& host, const CRestoreHistoryLogic& logic, int historyLevel)
        : m_host(host), m_logic(logic), m_historyLevel(historyLevel) {}

    // Called after a copy replaced the live file, and when Close is pressed
    // (the frame destroys the window; without it the window destroys itself).
    std::function<void()> onRestored;
    std::function<void()> onClose;

    BOOL CreateModeless(CWnd* parent);
    void FillList();
    CIconListBox& List() { return m_list; }
    CColorButton& RestoreButton() { return m_restore; }
    CColorButton& DeleteButton() { return m_delete; }
    CColorButton& DeleteAllButton() { return m_deleteAll; }

protected:
    virtual int TitleText() const = 0;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    void OnRestore();
    void OnDelete();
    void OnDeleteAll();
    CString SelectedItem() const;

    INoteLifecycleHost& m_host;
    CRestoreHistoryLogic m_logic;
    int m_historyLevel;
    CIconListBox m_list;
    CColorButton m_restore, m_delete, m_deleteAll;
};
