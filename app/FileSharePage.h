// CFileSharePage: the sheet's "Share" tab. The built-in file-share server's
// port, password, home folder, what clients may do and whether it starts
// with the program; this computer's address and the login a client uses;
// and the server's Start and Stop.
#pragma once

#include "app/SettingsPage.h"
#include "fw/Font.h"
#include "ui/ChkButtonEx.h"

class CFileSharePage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CFileSharePage(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // Start and Stop, and the controls the server's state locks, from
    // whether the server runs.
    void UpdateServerState();

    // The port a text names: its decimal value, 0 when it is no port number.
    static int ParsePort(const CString& text);
    enum { kDefaultPort = 5330, kMaxPasswordLength = 64 };

    CString m_strIp;
    CString m_strPort;
    CString m_strPassword;
    CString m_strHome;
    int m_nFtpConnect = 1, m_nDataSync = 1, m_nDataSend = 1;
    int m_nDownload = 1, m_nUpload = 1, m_nList = 1, m_nAdmin = 0;
    int m_nAutoStart = 0, m_nReceiveSound = 1;

protected:
    void OnPasswordChanged();
    void OnBrowse();
    void OnOpenHome();
    void OnSyncList();
    void OnStart();
    void OnStop();

private:
    void PrepareHomeDirectory();
    void ReadControls();
    void UpdateControls();
    void ShowServer(bool running);

    CChkButtonEx m_start;
    CChkButtonEx m_stop;
    CFont m_bigFont;
    CFont m_smallFont;
};
