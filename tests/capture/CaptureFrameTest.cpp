// The frame's capture commands with its notes running in this process: the
// overlay it starts and destroys, the note a finished capture becomes, the
// output commands, the preference dialog and the storage folder.
#include "CaptureTestSupport.h"
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "app/MainFrame.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "tools/CaptureLogic.h"
#include "tools/CaptureSetup.h"
#include "tools/DesktopCaptureDlg.h"

#include <richole.h>

#include <gtest/gtest.h>

using namespace capturetest;

namespace {

class CFakeSystem : public IActionSystem {
public:
    CFakeSystem() { SetActionSystem(this); }
    ~CFakeSystem() override { SetActionSystem(nullptr); }
    std::vector<CString> opened;
    std::vector<DWORD> pauses;
    void StartSystemShutdown(DWORD, bool, bool) override {}
    void AbortShutdown() override {}
    void LogOff(bool) override {}
    void ShellOpen(const CString& target) override { opened.push_back(target); }
    void RunWinExec(const CStringA&) override {}
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD ms) override { pauses.push_back(ms); }
    bool FileExists(const CString&) override { return false; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }
};

int ObjectCount(COleRichEditCtrl& editor) {
    IRichEditOle* ole = nullptr;
    editor.SendMessage(EM_GETOLEINTERFACE, 0, (LPARAM)&ole);
    if (!ole) return -1;
    int count = (int)ole->GetObjectCount();
    ole->Release();
    return count;
}

class CaptureFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartGdiPlus();
        scratch = std::make_unique<CScratchFolder>(L"capture-frame");
        UseAsProgramFolder(*scratch);
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.HistoryLevel = 0;
        g_Settings.Capture.Animation = 0;
        SetMessageBoxAnswerer([](const CString&, int) { return IDYES; });
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->PostCreateInit();
    }
    void TearDown() override {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        frame = nullptr;
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        scratch.reset();
    }
    void Command(UINT id) { SendMessageW(wnd, WM_COMMAND, id, 0); }

    std::unique_ptr<CScratchFolder> scratch;
    CFakeSystem actions;
    CFakeCaptureSystem capture;
    CFakeMessageBox box;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
};

}  // namespace

TEST_F(CaptureFrameTest, SendToMemoEndsWithANoteHoldingThePictureAtTheNoteRectangle) {
    CPatternWindow pattern(200, 150, 120, 80);
    capture.realClipboard = true;
    g_Settings.Capture.CaptureOut = CaptureLogic::outMemo;
    Command(ID_CAPTURE_REGION);
    EXPECT_EQ(std::vector<DWORD>{150}, actions.pauses);
    CDesktopCaptureDlg* overlay = frame->GetCaptureOverlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(CaptureLogic::modeRegion, overlay->Mode);
    // A second start while one is open does nothing.
    frame->StartCapture(CaptureLogic::modeWindow);
    EXPECT_EQ(overlay, frame->GetCaptureOverlay());

    HWND w = overlay->GetSafeHwnd();
    POINT from = {200 - overlay->ScreenLeft, 150 - overlay->ScreenTop};
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(from.x + 120, from.y + 80));
    CRect noteRect(overlay->NoteRect);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetCaptureOverlay() == nullptr; }, 5000));
    ASSERT_EQ(1, frame->GetMemoCount());
    CMemoDlg* note = frame->GetNotes()->Memos()[0].m_pWindow;
    ASSERT_NE(note, nullptr);
    CRect placed;
    note->GetWindowRect(&placed);
    EXPECT_TRUE(placed == noteRect) << placed.left << " " << placed.top << " " << placed.Width() << " " << placed.Height();
    EXPECT_EQ(1, ObjectCount(note->GetEditor()));
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(CaptureFrameTest, CommandsSetTheOutputAndStartTheTools) {
    const struct {
        UINT id;
        int out;
    } outputs[] = {{ID_CAPTURE_OUT_SAVE, 1}, {ID_CAPTURE_OUT_SAVE_AS, 2}, {ID_CAPTURE_OUT_CLIPBOARD, 3},
                   {ID_CAPTURE_OUT_MEMO, 0}};
    for (const auto& o : outputs) {
        Command(o.id);
        EXPECT_EQ(o.out, g_Settings.Capture.CaptureOut);
    }
    const struct {
        UINT id;
        int mode;
    } tools[] = {{ID_COLOR_PICKER, 6}, {ID_ZOOM_WINDOW, 7}, {ID_RULER, 8}, {ID_CAPTURE_WINDOW, 1}};
    for (const auto& t : tools) {
        Command(t.id);
        ASSERT_NE(frame->GetCaptureOverlay(), nullptr);
        EXPECT_EQ(t.mode, frame->GetCaptureOverlay()->Mode);
        // Escape ends the overlay through the frame.
        SendMessageW(frame->GetCaptureOverlay()->GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(PumpUntil([&] { return frame->GetCaptureOverlay() == nullptr; }, 3000));
    }
    EXPECT_EQ(0, frame->GetMemoCount());
}

TEST_F(CaptureFrameTest, ThePreferenceDialogIsOneAndClosesThroughTheFrame) {
    Command(ID_CAPTURE_PREFERENCE);
    CCaptureSetup* setup = frame->GetCaptureSetup();
    ASSERT_NE(setup, nullptr);
    Command(ID_CAPTURE_PREFERENCE);
    EXPECT_EQ(setup, frame->GetCaptureSetup());
    DeleteFileW(GetConfigFilePath());
    setup->m_format.SetCurSel(2);
    SendMessageW(setup->GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetCaptureSetup() == nullptr; }, 3000));
    EXPECT_EQ(CString(L"bmp"), g_Settings.Capture.ImgFormat);
    EXPECT_TRUE(FileExists(GetConfigFilePath()));
}

TEST_F(CaptureFrameTest, OpenStorageFolderMakesTheFolderAndOpensIt) {
    CString folder = g_ProgramFolder + L"capture";
    Command(ID_CAPTURE_FOLDER);
    EXPECT_EQ(std::vector<CString>{folder}, actions.opened);
    DWORD attributes = GetFileAttributesW(folder);
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(box.shown.empty());

    // When it cannot be made the user is told and nothing opens.
    g_ProgramFolder = scratch->Write(L"blocked", "x") + L"\\";
    Command(ID_CAPTURE_FOLDER);
    EXPECT_EQ(1u, actions.opened.size());
    EXPECT_EQ(std::vector<CString>{g_LanguageTable[12]}, box.shown);
}
