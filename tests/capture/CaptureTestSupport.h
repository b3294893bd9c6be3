// What the capture's window tests share: GDI+ started once, a recording
// stand-in for the capture's system effects and for the message box, a
// window that reports what the overlay posts, a pattern window of known
// colours on the screen, and monitors laid out by the test.
#pragma once

#include "fw/Afx.h"
#include "shell/Seams.h"
#include "tools/CaptureSystem.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <vector>

namespace capturetest {

void StartGdiPlus();

class CFakeCaptureSystem : public ICaptureSystem {
public:
    CFakeCaptureSystem();
    ~CFakeCaptureSystem() override;
    SYSTEMTIME LocalTime() override { return now; }
    void PlaySoundAsync(const CString& path) override { sounds.push_back(path); }
    bool SetClipboardText(HWND, const CStringA& text) override {
        texts.push_back(text);
        return true;
    }
    // Passed on to the real clipboard when asked, so a note can paste it.
    bool SetClipboardBitmap(HWND owner, HBITMAP bitmap) override;
    INT_PTR ChooseSaveFile(HWND, const CString& proposed, const CString& extension, int filter,
                           CString& chosen) override;
    bool IsKeyDown(int key) override { return (key == VK_CONTROL && ctrl) || (key == VK_SHIFT && shift); }

    SYSTEMTIME now = {};
    bool ctrl = false, shift = false;
    bool realClipboard = false;
    std::vector<CString> sounds;
    std::vector<CStringA> texts;
    std::vector<SIZE> bitmaps;  // sizes of the bitmaps put on the clipboard
    // The save dialog: the path it answers (IDCANCEL when empty) and what it was offered.
    CString saveAnswer;
    CString proposed, extension;
    int filter = 0;

private:
    ICaptureSystem& m_real;
};

class CFakeMessageBox : public ISystemMessageBox {
public:
    CFakeMessageBox() { SetSystemMessageBox(this); }
    ~CFakeMessageBox() override { SetSystemMessageBox(nullptr); }
    int Show(HWND, const CString& text, const CString&, UINT) override {
        shown.push_back(text);
        return IDOK;
    }
    std::vector<CString> shown;
};

// A hidden window that collects the messages posted to it.
class CReporter {
public:
    CReporter();
    ~CReporter();
    HWND Handle() const { return m_hWnd; }
    // Takes the posted messages of that kind: their wParam values.
    std::vector<WPARAM> Take(UINT message);

private:
    HWND m_hWnd;
};

// A topmost popup painted in blocks of known colours: the left half
// RGB(10, 5, 255), the right half RGB(200, 30, 40), a 10 x 10 green square
// RGB(0, 200, 0) at (20, 20) of the window.
class CPatternWindow {
public:
    CPatternWindow(int x, int y, int width, int height);
    ~CPatternWindow();
    HWND Handle() const { return m_hWnd; }
    // The colour the pattern has at a point of the window.
    static COLORREF ColourAt(int x, int y, int width);

private:
    HWND m_hWnd;
};

// Monitors as the test lays them out, handed out as fake handles 1, 2, ...
class CFakeMonitors : public IMonitorSource {
public:
    CFakeMonitors();
    ~CFakeMonitors() override;
    int GetSystemCount() override { return (int)screens.size(); }
    std::vector<HMONITOR> Enumerate() override;
    bool GetInfo(HMONITOR monitor, MONITORINFO& info) override;
    HMONITOR FromPoint(POINT pt) override;
    std::vector<std::pair<CRect, CRect>> screens;  // monitor and work area
};

}  // namespace capturetest
