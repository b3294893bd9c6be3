// The capture overlay as a real window under the virtual screen: it copies
// a pattern window of known colours, takes the mouse and keys as messages,
// and writes its outputs to a scratch program folder. The clock, the sound,
// the clipboard, the save dialog and the message box are the test's.
#include "CaptureTestSupport.h"
#include "MessagePump.h"
#include "PopupTemplate.h"
#include "ProgramFolderSetup.h"
#include "ScreenPicture.h"
#include "TestFiles.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "tools/CaptureLogic.h"
#include "tools/DesktopCaptureDlg.h"
#include "tools/ToolsIds.h"
#include "ui/ZDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace capturetest;

namespace {

const int kPatternX = 200, kPatternY = 150, kPatternW = 120, kPatternH = 80;

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The picture of a saved file as the imaging library reads it back.
struct Decoded {
    int width = 0, height = 0;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
    COLORREF At(int x, int y) const {
        Gdiplus::Color c;
        bitmap->GetPixel(x, y, &c);
        return RGB(c.GetR(), c.GetG(), c.GetB());
    }
};
Decoded Decode(const CString& path) {
    Decoded d;
    d.bitmap.reset(Gdiplus::Bitmap::FromFile(path));
    if (d.bitmap && d.bitmap->GetLastStatus() == Gdiplus::Ok) {
        d.width = (int)d.bitmap->GetWidth();
        d.height = (int)d.bitmap->GetHeight();
    }
    return d;
}

// A window of a class the shell uses for itself.
HWND MakeShellWindow(const wchar_t* className, const wchar_t* title, const CRect& rect) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className, title, WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                  rect.Width(), rect.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
}

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class CaptureOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartGdiPlus();
        scratch = std::make_unique<CScratchFolder>(L"capture");
        UseAsProgramFolder(*scratch);
        g_Settings.Capture.Animation = 0;
        g_Settings.Capture.Sound = 0;
        g_Settings.Capture.ShowSideGuide = 1;
        g_Settings.Capture.ShowCenterGuide = 1;
        g_Settings.Capture.ImgFormat = L"png";
        g_Settings.Capture.CaptureFolder = L"";
        g_Settings.LastCaptureRect = RECT();
        g_Settings.CaptureSaveFolder = L"";
    }
    void TearDown() override {
        overlay.reset();
        scratch.reset();
    }

    CDesktopCaptureDlg& Open(int mode) {
        if (overlay) {
            // The windows under the last overlay draw themselves again
            // before the screen is copied.
            overlay.reset();
            PumpFor(150);
        }
        overlay = std::make_unique<CDesktopCaptureDlg>(mode);
        overlay->m_hReportTo = reporter.Handle();
        EXPECT_TRUE(overlay->Create(nullptr));
        PumpWaiting();
        return *overlay;
    }
    void Move(POINT to) { SendMessageW(overlay->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y)); }
    void Drag(POINT from, POINT to) {
        HWND w = overlay->GetSafeHwnd();
        SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(from.x, from.y));
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
    void Click(POINT at) { Drag(at, at); }
    // The pattern's region in overlay coordinates.
    POINT PatternCorner(int dx = 0, int dy = 0) const {
        return {kPatternX - overlay->ScreenLeft + dx, kPatternY - overlay->ScreenTop + dy};
    }
    CString CaptureFile(const wchar_t* extension) const {
        return g_ProgramFolder + L"capture\\20140209153007." + extension;
    }

    std::unique_ptr<CScratchFolder> scratch;
    CFakeCaptureSystem system;
    CFakeMessageBox box;
    CReporter reporter;
    std::unique_ptr<CDesktopCaptureDlg> overlay;
};

// Where the saved pictures go for the independent decoder, when asked.
CString OursFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableW(L"ZOREL_CAPTURE_OURS", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return CString();
    CString folder(path);
    folder.Replace(L'/', L'\\');
    if (folder.Left(1) == L"\\") folder = L"Z:" + folder;
    CreateDirectoryW(folder, nullptr);
    return folder + L"\\";
}

}  // namespace

TEST_F(CaptureOverlayTest, SaveImageWritesTheStampedFileOfTheRegionInEachFormat) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outSave;
    CString ours = OursFolder();
    CStringA manifest;
    for (const wchar_t* format : {L"png", L"bmp", L"jpg"}) {
        SCOPED_TRACE(CStringA(format).GetString());
        g_Settings.Capture.ImgFormat = format;
        Open(CaptureLogic::modeRegion);
        Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
        EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
        CRect last(g_Settings.LastCaptureRect);
        EXPECT_EQ(kPatternW, last.Width());
        EXPECT_EQ(kPatternH, last.Height());

        CString path = CaptureFile(format);
        Decoded picture = Decode(path);
        ASSERT_EQ(kPatternW, picture.width);
        ASSERT_EQ(kPatternH, picture.height);
        int tolerance = CString(format) == L"jpg" ? 40 : 0;
        for (POINT p : {POINT{5, 5}, POINT{25, 25}, POINT{100, 60}, POINT{55, 70}})
            EXPECT_TRUE(Near(CPatternWindow::ColourAt(p.x, p.y, kPatternW), picture.At(p.x, p.y), tolerance))
                << p.x << "," << p.y;
        if (CString(format) == L"jpg") {
            std::string bytes = ReadFileBytes(path);
            ASSERT_GE(bytes.size(), 2u);
            EXPECT_EQ("\xFF\xD8", bytes.substr(0, 2));
        }
        picture.bitmap.reset();
        if (!ours.IsEmpty()) {
            CString copy = ours + L"pattern." + format;
            CopyFileW(path, copy, FALSE);
            manifest.AppendFormat("pattern.%S %d %d %d\n", format, kPatternW, kPatternH, tolerance);
        }
    }
    if (!ours.IsEmpty()) WriteFileBytes(ours + L"manifest.txt", std::string(manifest.GetString()));
    // Nothing else was left in the capture folder.
    EXPECT_EQ(3u, scratch->List(L"capture").size());
}

TEST_F(CaptureOverlayTest, SaveAsTakesTheChosenFormatAndProposesItsFolderNextTime) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outSaveAs;
    scratch->MakeFolder(L"shots");
    system.saveAnswer = scratch->Path() + L"shots\\shot.jpg";
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    EXPECT_EQ(CString(L"png"), system.extension);
    EXPECT_EQ(1, system.filter);
    EXPECT_EQ(g_ProgramFolder + L"capture\\20140209153007", system.proposed);
    EXPECT_EQ(CString(L"jpg"), g_Settings.Capture.ImgFormat);
    std::string bytes = ReadFileBytes(system.saveAnswer);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ("\xFF\xD8", bytes.substr(0, 2));
    EXPECT_EQ(kPatternW, Decode(system.saveAnswer).width);
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));

    // Next time: that folder and the JPEG filter.
    system.saveAnswer = L"";
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(10, 10));
    EXPECT_EQ(scratch->Path() + L"shots\\20140209153007", system.proposed);
    EXPECT_EQ(2, system.filter);
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(CaptureOverlayTest, SaveAsRefusesAnExtensionItCannotWrite) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outSaveAs;
    for (const wchar_t* name : {L"shot.gif", L"shot"}) {
        system.saveAnswer = scratch->Path() + name;
        box.shown.clear();
        Open(CaptureLogic::modeRegion);
        Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
        EXPECT_EQ(CString(L"png"), g_Settings.Capture.ImgFormat);
        EXPECT_FALSE(scratch->Has(name));
        ASSERT_EQ(1u, box.shown.size());
        EXPECT_NE(-1, box.shown[0].Find(name));
        EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
    }
}

TEST_F(CaptureOverlayTest, AFormatWithoutAnEncoderIsReportedNotSilentlyDropped) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outSave;
    g_Settings.Capture.ImgFormat = L"PNG";  // typed by hand: no encoder has an upper-case type
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    ASSERT_EQ(1u, box.shown.size());
    EXPECT_NE(-1, box.shown[0].Find(L"20140209153007.PNG"));
    EXPECT_TRUE(scratch->List(L"capture").empty());
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
}

TEST_F(CaptureOverlayTest, ACaptureFolderThatCannotBeMadeKeepsTheOverlayOpen) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outSave;
    // The program folder's place is taken by a file: no folder can be made in it.
    g_ProgramFolder = scratch->Write(L"blocked", "x") + L"\\";
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    ASSERT_EQ(1u, box.shown.size());
    EXPECT_EQ(g_LanguageTable[12], box.shown[0]);
    EXPECT_TRUE(reporter.Take(WM_CAPTURE_DONE).empty());
    EXPECT_TRUE(IsWindowVisible(overlay->GetSafeHwnd()));
    // Escape still ends it.
    SendMessageW(overlay->GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
}

TEST_F(CaptureOverlayTest, ThePanelChangesTheOutputWithoutClosing) {
    g_Settings.Capture.CaptureOut = CaptureLogic::outMemo;
    Open(CaptureLogic::modeRegion);
    POINT anchor = {(LONG)overlay->WorkAreaX, (LONG)overlay->WorkAreaY};
    DeleteFileW(GetConfigFilePath());
    Click({anchor.x + 60, anchor.y + 45});  // "Save Image"
    EXPECT_EQ(CaptureLogic::outSave, g_Settings.Capture.CaptureOut);
    EXPECT_TRUE(FileExists(GetConfigFilePath()));
    EXPECT_TRUE(reporter.Take(WM_CAPTURE_DONE).empty());

    Click({anchor.x + 60, anchor.y + 165});  // "Capture Window"
    EXPECT_EQ(CaptureLogic::modeWindow, overlay->Mode);
    EXPECT_TRUE(reporter.Take(WM_CAPTURE_DONE).empty());

    // The preference entry opens the dialog through the main window and ends the overlay.
    Click({anchor.x + 60, anchor.y + 110});
    EXPECT_EQ(std::vector<WPARAM>{ID_CAPTURE_PREFERENCE}, reporter.Take(WM_COMMAND));
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
}

TEST_F(CaptureOverlayTest, AClickClosesWithoutOutputAndAFivePixelDragCaptures) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outClipboard;
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(10, 10), PatternCorner(13, 11));  // 4 pixels
    EXPECT_TRUE(system.bitmaps.empty());
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));

    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(10, 10), PatternCorner(13, 12));  // 5 pixels
    ASSERT_EQ(1u, system.bitmaps.size());
    EXPECT_EQ(3, system.bitmaps[0].cx);
    EXPECT_EQ(2, system.bitmaps[0].cy);
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
}

TEST_F(CaptureOverlayTest, CopyToClipboardLeavesTheRegionAsABitmap) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outClipboard;
    system.realClipboard = true;
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP clip = (HBITMAP)GetClipboardData(CF_BITMAP);
    BITMAP info = {};
    if (clip) GetObjectW(clip, sizeof(info), &info);
    CloseClipboard();
    EXPECT_EQ(kPatternW, info.bmWidth);
    EXPECT_EQ(kPatternH, info.bmHeight);
    EXPECT_EQ(0, overlay->m_flyAwayFrames);  // Show Sliding is off
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));

    // With Show Sliding on the picture slides away.
    g_Settings.Capture.Animation = 1;
    system.realClipboard = false;
    Open(CaptureLogic::modeRegion);
    DWORD start = GetTickCount();
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    EXPECT_GT(overlay->m_flyAwayFrames, 1);
    EXPECT_GE(GetTickCount() - start, 280u);
}

TEST_F(CaptureOverlayTest, SendToMemoGivesTheNoteRectangleAndTheShutterPlays) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outMemo;
    g_Settings.Capture.Sound = 1;
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(kPatternW, kPatternH));
    EXPECT_EQ(std::vector<WPARAM>{1}, reporter.Take(WM_CAPTURE_DONE));
    CRect expected;
    ASSERT_TRUE(CaptureLogic::NoteRectFor(CRect(PatternCorner(), PatternCorner(kPatternW, kPatternH)),
                                          {overlay->ScreenLeft, overlay->ScreenTop}, 125, 42, expected));
    EXPECT_TRUE(CRect(overlay->NoteRect) == expected);
    EXPECT_EQ(std::vector<CString>{g_ProgramFolder + L"system\\res\\capture.wav"}, system.sounds);

    // An empty region: no sound, no note.
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(), PatternCorner(8, 0));
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
    EXPECT_EQ(1u, system.sounds.size());
}

TEST_F(CaptureOverlayTest, CaptureLastRegionRepeatsTheRegionAfterTheOutputChanged) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    g_Settings.Capture.CaptureOut = CaptureLogic::outClipboard;
    Open(CaptureLogic::modeRegion);
    Drag(PatternCorner(10, 5), PatternCorner(70, 45));
    reporter.Take(WM_CAPTURE_DONE);

    g_Settings.Capture.CaptureOut = CaptureLogic::outSave;
    Open(CaptureLogic::modeLastRegion);
    EXPECT_TRUE(PumpUntil([&] { return FileExists(CaptureFile(L"png")); }, 3000));
    Decoded picture = Decode(CaptureFile(L"png"));
    EXPECT_EQ(60, picture.width);
    EXPECT_EQ(40, picture.height);
}

TEST_F(CaptureOverlayTest, WindowModeOffersNotesButNotSkinnedWindows) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    // A floating window of the program (as a note is) and one the frame
    // calls skinned (as a widget is), over the pattern's two halves.
    PopupTemplate popup;
    CZDialog note(0, nullptr);
    ASSERT_TRUE(note.CreateIndirect(&popup.t, nullptr));
    SetWindowPos(note.GetSafeHwnd(), HWND_TOPMOST, kPatternX + 5, kPatternY + 5, 40, 40, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PopupTemplate popup2;
    CZDialog widget(0, nullptr);
    ASSERT_TRUE(widget.CreateIndirect(&popup2.t, nullptr));
    SetWindowPos(widget.GetSafeHwnd(), HWND_TOPMOST, kPatternX + 70, kPatternY + 5, 40, 40,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PumpFor(50);

    Open(CaptureLogic::modeWindow);
    overlay->m_fnIsSkinnedWindow = [&](HWND w) { return w == widget.GetSafeHwnd(); };
    POINT overNote = {kPatternX + 20, kPatternY + 20}, overWidget = {kPatternX + 90, kPatternY + 20};
    EXPECT_EQ(note.GetSafeHwnd(), overlay->FindCandidate(overNote, false));
    EXPECT_EQ(pattern.Handle(), overlay->FindCandidate(overWidget, false));
    // Making a window topmost passes over every floating window of the program.
    EXPECT_EQ(pattern.Handle(), overlay->FindCandidate(overNote, true));

    // A click captures the window under the cursor.
    g_Settings.Capture.CaptureOut = CaptureLogic::outSave;
    Move({overNote.x - overlay->ScreenLeft, overNote.y - overlay->ScreenTop});
    EXPECT_EQ(note.GetSafeHwnd(), overlay->PickedWindow);
    Click({overNote.x - overlay->ScreenLeft, overNote.y - overlay->ScreenTop});
    Decoded picture = Decode(CaptureFile(L"png"));
    EXPECT_EQ(40, picture.width);
    EXPECT_EQ(40, picture.height);
    picture.bitmap.reset();
    note.DestroyWindow();
    widget.DestroyWindow();
}

TEST_F(CaptureOverlayTest, MakeTopWindowPassesOverTheDesktopAndTheTaskBar) {
    struct Shell {
        const wchar_t* className;
        const wchar_t* title;
    };
    const Shell shells[] = {{L"Shell_TrayWnd", L""}, {L"WorkerW", L""}, {L"Progman", L"Program Manager"}};
    std::vector<HWND> windows;
    for (int i = 0; i < 3; ++i)
        windows.push_back(MakeShellWindow(shells[i].className, shells[i].title, CRect(20 + i * 60, 400, 70 + i * 60, 450)));
    HWND plain = MakeShellWindow(L"CapturePlainWindow", L"plain", CRect(220, 400, 270, 450));
    PumpFor(50);

    Open(CaptureLogic::modeTopWindow);
    for (int i = 0; i < 4; ++i) {
        HWND window = i < 3 ? windows[i] : plain;
        SCOPED_TRACE(i);
        POINT centre = {45 + i * 60, 425};
        POINT inOverlay = {centre.x - overlay->ScreenLeft, centre.y - overlay->ScreenTop};
        Move(inOverlay);
        bool highlighted = overlay->ComposedPixel(inOverlay.x, inOverlay.y) != overlay->ScreenPixel(inOverlay.x, inOverlay.y);
        EXPECT_EQ(i == 3, highlighted);
        EXPECT_EQ(i == 3 ? window : nullptr, overlay->PickedWindow);
        overlay->MakeWindowTopmost(centre);
        EXPECT_EQ(i == 3, IsTopmost(window));
    }
    // The click ends the overlay and raises the window under it.
    SetWindowPos(plain, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Click({245 - overlay->ScreenLeft, 425 - overlay->ScreenTop});
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
    EXPECT_TRUE(IsTopmost(plain));
    for (HWND w : windows) DestroyWindow(w);
    DestroyWindow(plain);
}

TEST_F(CaptureOverlayTest, ThePickerFollowsTheKeysAndCopiesTheColourText) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    Open(CaptureLogic::modeColorPicker);
    POINT p = PatternCorner(5, 40);
    Move(p);
    EXPECT_EQ(CString(L"8X"), overlay->ZoomText());
    system.ctrl = system.shift = true;
    SendMessageW(overlay->GetSafeHwnd(), WM_KEYDOWN, VK_CONTROL, 0);
    EXPECT_EQ(CString(L"16X"), overlay->ZoomText());
    if (ScreenshotsWanted()) SaveScreenPicture(L"capture-picker", {overlay->GetSafeHwnd()});
    system.ctrl = system.shift = false;
    SendMessageW(overlay->GetSafeHwnd(), WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(CString(L"8X"), overlay->ZoomText());

    SendMessageW(overlay->GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(std::vector<CStringA>{"RGB(10,5,255) #0a05ff"}, system.texts);
    EXPECT_EQ(std::vector<WPARAM>{0}, reporter.Take(WM_CAPTURE_DONE));
}

TEST_F(CaptureOverlayTest, RegionModeWithItsPanelAsTheUserSeesIt) {
    CPatternWindow pattern(kPatternX, kPatternY, kPatternW, kPatternH);
    Open(CaptureLogic::modeRegion);
    HWND w = overlay->GetSafeHwnd();
    CRect rect;
    GetWindowRect(w, &rect);
    EXPECT_TRUE(rect == CRect(overlay->ScreenLeft, overlay->ScreenTop, overlay->ScreenLeft + overlay->ScreenWidth,
                              overlay->ScreenTop + overlay->ScreenHeight));
    EXPECT_TRUE(IsTopmost(w));
    POINT start = PatternCorner(-20, -20), end = PatternCorner(kPatternW + 20, kPatternH + 20);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    system.ctrl = true;
    Move(end);
    // The selection tints the region; outside it the screen shows as it was.
    POINT inside = PatternCorner(60, 60), outside = PatternCorner(-30, 60);
    EXPECT_NE(overlay->ScreenPixel(inside.x, inside.y), overlay->ComposedPixel(inside.x, inside.y));
    EXPECT_EQ(overlay->ScreenPixel(outside.x, outside.y), overlay->ComposedPixel(outside.x, outside.y));
    if (ScreenshotsWanted()) SaveScreenPicture(L"capture-region", {w});
}

TEST_F(CaptureOverlayTest, OnAVirtualScreenLeftOfAndAboveThePrimaryTheDrawingsStayUnderTheCursor) {
    // The green square of the pattern lies at screen (300, 200) to (310, 210).
    CPatternWindow pattern(280, 180, kPatternW, kPatternH);
    CFakeMonitors monitors;
    monitors.screens = {{CRect(0, 0, 1024, 768), CRect(0, 0, 1024, 740)},
                        {CRect(-400, -300, 0, 468), CRect(-400, -300, 0, 468)}};
    g_Monitors.GetCount();
    g_Settings.Capture.CaptureOut = CaptureLogic::outMemo;
    Open(CaptureLogic::modeRegion);
    ASSERT_EQ(-400, overlay->ScreenLeft);
    ASSERT_EQ(-300, overlay->ScreenTop);
    EXPECT_EQ(1424, overlay->ScreenWidth);
    CRect rect;
    GetWindowRect(overlay->GetSafeHwnd(), &rect);
    EXPECT_EQ(-400, rect.left);
    EXPECT_EQ(-300, rect.top);
    // The panel sits on the primary's work area: 400 and 300 into the overlay.
    EXPECT_EQ(400.0f, overlay->WorkAreaX);
    EXPECT_EQ(300.0f, overlay->WorkAreaY);
    // The frozen copy holds the pattern where the screen shows it.
    EXPECT_EQ(RGB(0, 200, 0), overlay->ScreenPixel(705, 505));

    // The cursor at screen (300, 200) is overlay (700, 500): the guides cross there.
    system.ctrl = true;  // a 24 x 24 magnifier of the 12 x 12 pixels around the cursor
    POINT cursor = {700, 500};
    Move(cursor);
    auto changed = [&](int x, int y) { return overlay->ComposedPixel(x, y) != overlay->ScreenPixel(x, y); };
    EXPECT_TRUE(changed(700, 20));
    EXPECT_TRUE(changed(1400, 500));
    EXPECT_FALSE(changed(695, 20));
    EXPECT_FALSE(changed(1400, 495));
    // The magnifier doubles the green square from the cursor on: (710, 510)
    // shows the green of (305, 205).
    EXPECT_TRUE(changed(710, 510));
    EXPECT_EQ(RGB(0, 200, 0), overlay->ComposedPixel(710, 510));
    EXPECT_FALSE(changed(720, 520));

    // A selection dragged from overlay (600, 400) tints up to the cursor.
    HWND w = overlay->GetSafeHwnd();
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 400));
    Move(cursor);
    EXPECT_TRUE(changed(650, 450));
    EXPECT_FALSE(changed(570, 380));
    EXPECT_FALSE(changed(650, 520));
    // The width guide runs 9 pixels above it.
    EXPECT_TRUE(changed(610, 391));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(700, 500));
    EXPECT_TRUE(CRect(g_Settings.LastCaptureRect) == CRect(600, 400, 700, 500));
    // Its note sits at the screen place of the region.
    EXPECT_EQ(600 - 400 - 6, overlay->NoteRect.left);
    EXPECT_EQ(400 - 300 - 21, overlay->NoteRect.top);
    EXPECT_EQ(std::vector<WPARAM>{1}, reporter.Take(WM_CAPTURE_DONE));
}
