// The frame's side of the screen capture: the commands that start the
// overlay or a screen tool, the capture output setting, the preference
// dialog, the capture folder and the note made from a finished capture.
#include "app/MainFrame.h"

#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/ActionSystem.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "tools/CaptureSetup.h"
#include "tools/DesktopCaptureDlg.h"
#include "widgets/GDIDialog.h"

namespace {
// The menu's capture commands wait this long, so the menu is gone from the
// screen copy.
const DWORD kMenuGoneMs = 150;

bool IsSkinnedWindow(HWND window) {
    return dynamic_cast<CGDIDialog*>(CWnd::FromHandlePermanent(window)) != nullptr;
}
}  // namespace

bool CMainFrame::OnCaptureCommand(UINT id) {
    switch (id) {
    case ID_CAPTURE_REGION:
    case ID_CAPTURE_WINDOW:
    case ID_CAPTURE_FULL:
    case ID_CAPTURE_LAST: {
        const int mode = id == ID_CAPTURE_REGION ? 0 : id == ID_CAPTURE_WINDOW ? 1 : id == ID_CAPTURE_FULL ? 2 : 3;
        GetActionSystem().Pause(kMenuGoneMs);
        StartCapture(mode);
        return true;
    }
    case ID_COLOR_PICKER: StartCapture(6); return true;
    case ID_ZOOM_WINDOW: StartCapture(7); return true;
    case ID_RULER: StartCapture(8); return true;
    case ID_CAPTURE_OUT_MEMO: g_Settings.Capture.CaptureOut = 0; return true;
    case ID_CAPTURE_OUT_SAVE: g_Settings.Capture.CaptureOut = 1; return true;
    case ID_CAPTURE_OUT_SAVE_AS: g_Settings.Capture.CaptureOut = 2; return true;
    case ID_CAPTURE_OUT_CLIPBOARD: g_Settings.Capture.CaptureOut = 3; return true;
    case ID_CAPTURE_PREFERENCE: OpenCaptureSetup(); return true;
    case ID_CAPTURE_FOLDER: OpenCaptureFolder(); return true;
    default: return false;
    }
}

void CMainFrame::StartCapture(int mode) {
    if (m_pCapture) return;
    auto* capture = new CDesktopCaptureDlg(mode);
    capture->m_hReportTo = m_hWnd;
    capture->m_fnIsSkinnedWindow = IsSkinnedWindow;
    m_pCapture = capture;
    if (!capture->Create(this)) {
        m_pCapture = nullptr;
        delete capture;
    }
}

LRESULT CMainFrame::OnCaptureDone(WPARAM flag, LPARAM) {
    if (!m_pCapture) return 0;
    CDesktopCaptureDlg* capture = m_pCapture;
    if (flag && m_pNotes) m_pNotes->AddCaptureMemo(CRect(capture->NoteRect));
    m_pCapture = nullptr;
    capture->DestroyWindow();
    delete capture;
    return 0;
}

void CMainFrame::OpenCaptureSetup() {
    if (m_pCaptureSetup) {
        m_pCaptureSetup->SetForegroundWindow();
        return;
    }
    auto* setup = new CCaptureSetup(this);
    setup->m_hReportTo = m_hWnd;
    m_pCaptureSetup = setup;
    if (!setup->Create(this)) {
        m_pCaptureSetup = nullptr;
        delete setup;
    }
}

void CMainFrame::CloseCaptureSetup() {
    if (!m_pCaptureSetup) return;
    CCaptureSetup* setup = m_pCaptureSetup;
    m_pCaptureSetup = nullptr;
    setup->DestroyWindow();
    delete setup;
}

void CMainFrame::OpenCaptureFolder() {
    CString folder = g_ProgramFolder + L"capture";
    if (!EnsureFolder(folder)) {
        GetSystemMessageBox().Show(m_hWnd, g_LanguageTable[12], g_LanguageTable[1], MB_OK | MB_ICONWARNING);
        return;
    }
    GetActionSystem().ShellOpen(folder);
}
