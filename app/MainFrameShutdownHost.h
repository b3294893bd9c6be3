// The main frame as the shutdown timer dialog sees it.
#pragma once

#include "widgets/SetShutdownDlgHost.h"

class CMainFrame;

class CMainFrameShutdownHost : public ISetShutdownDlgHost {
public:
    explicit CMainFrameShutdownHost(CMainFrame& frame) : m_frame(frame) {}
    bool IsShutdownCountdownPending() override;
    void ShowShutdownCountdown(int seconds, const CString& label, const CString& action) override;
    void RefreshShutdownCountdown() override;
    int RunAction(const CString& action) override;

private:
    CMainFrame& m_frame;
};
