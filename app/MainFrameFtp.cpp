// The frame's side of the file-share server: it starts the server with a
// snapshot of the share options, asks it whether it listens and stops it.
// Received files come back through QueueReceivedMessage and
// RequestSyncDialog, which are safe from the server's threads.
// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "app/MainFrame.h"

#include "net/FTPd.h"
#include "net/FtpdOptions.h"
#include "shell/Settings.h"

bool CMainFrame::IsFtpServerRunning() { return m_pFtpServer && m_pFtpServer->IsListening(); }

void CMainFrame::StartFtpServer() {
    if (IsFtpServerRunning()) return;
    if (g_Settings.FileShare.Password.IsEmpty()) return;
    if (!m_pFtpServer) m_pFtpServer = new CFTPd(this, FtpdOptionsFromSettings());
    // Whether it listens is asked of IsFtpServerRunning afterwards.
    m_pFtpServer->Start();
}

void CMainFrame::ReleaseIdleFtpServer() {
    if (m_pFtpServer) m_pFtpServer->Stop(0);
    m_pFtpServer = nullptr;
}

void CMainFrame::StopFtpServer() {
    if (!IsFtpServerRunning()) return;
    m_pFtpServer->Stop(1);
    m_pFtpServer = nullptr;
}
