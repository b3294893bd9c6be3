// The main frame's side of the settings sheet, with the frame and its notes
// running in this process: one sheet at a time, closed by its end message,
// and the pinned windows let go when the desktop level is switched off.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "app/MainFrame.h"
#include "app/SetupMemo.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/AppGlobals.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
HWND s_desktopList = nullptr;

class FrameSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"frame-settings"));
        UseAsProgramFolder(*scratch);
        g_Settings.General.ShowTrayIcon = 0;
        SetMessageBoxAnswerer([](const CString&, int) { return IDYES; });
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->PostCreateInit();
    }
    void TearDown() override {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        CZDialog::SetDesktopListFinder(nullptr);
        if (s_desktopList) ::DestroyWindow(s_desktopList);
        s_desktopList = nullptr;
        scratch.reset();
    }
    std::unique_ptr<CScratchFolder> scratch;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
};
}  // namespace

TEST_F(FrameSettingsTest, OneSheetSwitchesItsTabAndGoesWithItsEndMessage) {
    SendMessageW(wnd, WM_COMMAND, ID_SETTINGS, 0);
    CSetupMemo* sheet = frame->GetSettingsSheet();
    ASSERT_NE(sheet, nullptr);
    HWND sheetWnd = sheet->GetSafeHwnd();
    EXPECT_EQ(sheet->GetCurrentTab(), 0);
    frame->OpenSettings(2, -1);
    EXPECT_EQ(frame->GetSettingsSheet(), sheet);
    EXPECT_EQ(sheet->GetCurrentTab(), 2);
    EXPECT_TRUE(IsWindowVisible(sheetWnd));

    PostMessageW(sheetWnd, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetSettingsSheet() == nullptr; }));
    EXPECT_FALSE(IsWindow(sheetWnd));
    EXPECT_TRUE(scratch->Has(L"ZorelConfig.xml"));
}

TEST_F(FrameSettingsTest, UnpinningLetsPinnedWindowsGoButKeepsTheirStoredLevel) {
    g_Settings.General.EnableDesktop = 1;
    s_desktopList = ::CreateWindowExW(0, CWnd::GetDefaultClassName(), L"list", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                      nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CZDialog::SetDesktopListFinder([] { return s_desktopList; });
    frame->NewMemo();
    frame->NewMemo();
    ASSERT_EQ(frame->GetMemoCount(), 2);
    CZDialog* pinned = frame->GetNotes()->Memos()[0].m_pWindow;
    CZDialog* normal = frame->GetNotes()->Memos()[1].m_pWindow;
    ASSERT_NE(pinned->CZDialog::SetZPosition(ZPOS_DESKTOP, TRUE), 0);
    ASSERT_EQ(::GetAncestor(pinned->m_hWnd, GA_PARENT), s_desktopList);

    g_Settings.General.EnableDesktop = 0;
    frame->UnpinDesktopWindows();
    EXPECT_NE(::GetAncestor(pinned->m_hWnd, GA_PARENT), s_desktopList);
    EXPECT_EQ(pinned->m_nZPosition, ZPOS_DESKTOP);  // shown normal, stored as it was
    EXPECT_EQ(normal->m_nZPosition, ZPOS_NORMAL);
}
