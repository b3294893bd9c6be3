// CBackupDlg: the dialog in front of CBackup. It exchanges the user's choices
// with its controls, hands them to CBackup and shows the progress; the work
// and the files are CBackup's.
#pragma once

#include "fw/AfxWin.h"
#include "tools/Backup.h"

#include <functional>

class CBackupDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CBackupDlg(CWnd* parent = nullptr);
    ~CBackupDlg() override;

    // Check boxes as 0/1.
    int m_bMemo = 1;
    int m_bSchedule = 1;
    int m_bAnniversary = 1;
    int m_bVault = 1;
    int m_bSkin = 1;
    int m_bHistory = 0;
    int m_bSettings = 1;
    int m_bOpenFolder = 1;
    int m_bSetupFile = 1;
    CString m_szName;
    CString m_szComment;

    CProgressCtrl m_progress;
    // The backup itself; tests install its seams (the stored setup program).
    CBackup m_backup;
    // Brings the data on disk up to date before anything is read.
    std::function<void()> m_fnSaveData;

    // True while a backup dialog is up: the frame opens only one.
    static bool IsOpen() { return s_bOpen; }
    // Cancels the open dialog and the boxes it has open, as at exit; the
    // dialog ends once the work in hand is done. False when none is open.
    static bool CancelOpen();

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    // Runs the backup with the values read from the controls.
    CBackup::Result Backup();
    CString GetBackupFolder() const;

protected:
    void OnSetupFileClicked();
    void OnOpenBackupFolder();

private:
    void ShowExtension();
    void LockControls();

    static bool s_bOpen;
    static CBackupDlg* s_pOpen;
};
