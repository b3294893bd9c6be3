// The capture preference dialog from the program's own template: what it
// shows, what OK stores, what takes effect at once, and what it posts.
#include "CaptureTestSupport.h"
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "tools/CaptureSetup.h"
#include "tools/ToolsIds.h"

#include <gtest/gtest.h>

#include <memory>

using namespace capturetest;

namespace {

class CFakeFolderPicker : public IFolderPicker {
public:
    CFakeFolderPicker() { SetFolderPicker(this); }
    ~CFakeFolderPicker() override { SetFolderPicker(nullptr); }
    int Browse(HWND, const CString&, UINT, const CString& start, CString& path) override {
        started = start;
        path = answer;
        return answer.IsEmpty() ? 0 : 1;
    }
    CString answer, started;
};

struct Posted {
    WPARAM wParam;
    LPARAM lParam;
};

class CaptureSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch = std::make_unique<CScratchFolder>(L"capture-setup");
        UseAsProgramFolder(*scratch);
    }
    void TearDown() override {
        dialog.reset();
        scratch.reset();
    }
    CCaptureSetup& Open() {
        dialog.reset();
        dialog = std::make_unique<CCaptureSetup>();
        dialog->m_hReportTo = reporter.Handle();
        EXPECT_TRUE(dialog->Create());
        PumpWaiting();
        return *dialog;
    }
    CString Text(int id) {
        wchar_t text[512] = {};
        GetDlgItemTextW(dialog->GetSafeHwnd(), id, text, 512);
        return text;
    }
    bool Checked(int id) { return IsDlgButtonChecked(dialog->GetSafeHwnd(), id) == BST_CHECKED; }
    void Press(int id) { SendMessageW(dialog->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::vector<Posted> Closes() {
        std::vector<Posted> list;
        MSG msg;
        while (PeekMessageW(&msg, reporter.Handle(), WM_CAPTURE_SETUP_CLOSE, WM_CAPTURE_SETUP_CLOSE, PM_REMOVE))
            list.push_back({msg.wParam, msg.lParam});
        return list;
    }

    std::unique_ptr<CScratchFolder> scratch;
    CReporter reporter;
    CFakeFolderPicker picker;
    std::unique_ptr<CCaptureSetup> dialog;
};

}  // namespace

TEST_F(CaptureSetupTest, ShowsTheSettingsAndOkStoresThem) {
    g_Settings.Capture.CaptureOut = 2;
    g_Settings.Capture.ShowSideGuide = 1;
    g_Settings.Capture.ShowCenterGuide = 0;
    g_Settings.Capture.Animation = 1;
    g_Settings.Capture.Sound = 0;
    g_Settings.General.CaptureAlwaysTop = 1;
    g_Settings.Capture.ImgFormat = L"png";
    Open();
    HWND w = dialog->GetSafeHwnd();
    wchar_t title[100] = {};
    GetWindowTextW(w, title, 100);
    EXPECT_EQ(g_LanguageTable[22050], CString(title));
    EXPECT_EQ(g_LanguageTable[22032], Text(IDC_CAPTURE_OUT_SAVE_AS));
    EXPECT_TRUE(Checked(IDC_CAPTURE_OUT_SAVE_AS));
    EXPECT_TRUE(Checked(IDC_CAPTURE_SIDE_GUIDE));
    EXPECT_FALSE(Checked(IDC_CAPTURE_CENTER_GUIDE));
    EXPECT_TRUE(Checked(IDC_CAPTURE_SLIDING));
    EXPECT_FALSE(Checked(IDC_CAPTURE_SOUND));
    EXPECT_TRUE(Checked(IDC_CAPTURE_ALWAYS_TOP));
    EXPECT_EQ(0, dialog->m_format.GetCurSel());
    EXPECT_EQ(3, (int)SendDlgItemMessageW(w, IDC_CAPTURE_FORMAT, CB_GETCOUNT, 0, 0));
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);

    CheckRadioButton(w, IDC_CAPTURE_OUT_MEMO, IDC_CAPTURE_OUT_CLIPBOARD, IDC_CAPTURE_OUT_CLIPBOARD);
    CheckDlgButton(w, IDC_CAPTURE_CENTER_GUIDE, BST_CHECKED);
    CheckDlgButton(w, IDC_CAPTURE_SOUND, BST_CHECKED);
    CheckDlgButton(w, IDC_CAPTURE_ALWAYS_TOP, BST_UNCHECKED);
    dialog->m_format.SetCurSel(1);  // "JPEG"
    Press(IDOK);
    EXPECT_EQ(3, g_Settings.Capture.CaptureOut);
    EXPECT_EQ(1, g_Settings.Capture.ShowCenterGuide);
    EXPECT_EQ(1, g_Settings.Capture.Sound);
    EXPECT_EQ(0, g_Settings.General.CaptureAlwaysTop);
    EXPECT_EQ(CString(L"jpg"), g_Settings.Capture.ImgFormat);
    std::vector<Posted> closes = Closes();
    ASSERT_EQ(1u, closes.size());
    EXPECT_EQ(2u, closes[0].wParam);
    EXPECT_EQ(1, closes[0].lParam);

    // Opened again, the list shows JPEG.
    Open();
    EXPECT_EQ(1, dialog->m_format.GetCurSel());
    wchar_t item[20] = {};
    SendDlgItemMessageW(dialog->GetSafeHwnd(), IDC_CAPTURE_FORMAT, CB_GETLBTEXT, 1, (LPARAM)item);
    EXPECT_EQ(CString(L"JPEG"), CString(item));
}

TEST_F(CaptureSetupTest, AFolderChosenWithTheBrowseButtonIsKeptWhenCancelled) {
    scratch->MakeFolder(L"pics");
    g_Settings.Capture.CaptureFolder = g_ProgramFolder + L"capture";
    scratch->MakeFolder(L"capture");
    g_Settings.Capture.ImgFormat = L"bmp";
    Open();
    EXPECT_EQ(2, dialog->m_format.GetCurSel());
    picker.answer = scratch->Path() + L"pics";
    Press(IDC_CAPTURE_BROWSE);
    EXPECT_EQ(g_ProgramFolder + L"capture", picker.started);
    EXPECT_EQ(picker.answer, Text(IDC_CAPTURE_FOLDER));
    EXPECT_EQ(picker.answer, g_Settings.Capture.CaptureFolder);
    dialog->m_format.SetCurSel(0);
    Press(IDCANCEL);
    EXPECT_EQ(picker.answer, g_Settings.Capture.CaptureFolder);
    EXPECT_EQ(CString(L"bmp"), g_Settings.Capture.ImgFormat);
    std::vector<Posted> closes = Closes();
    ASSERT_EQ(1u, closes.size());
    EXPECT_EQ(2u, closes[0].wParam);
    EXPECT_EQ(0, closes[0].lParam);

    // A cancelled picker changes nothing.
    Open();
    picker.answer = L"";
    Press(IDC_CAPTURE_BROWSE);
    EXPECT_EQ(scratch->Path() + L"pics", g_Settings.Capture.CaptureFolder);
}

TEST_F(CaptureSetupTest, AFolderThatIsGoneShowsTheProgramsCaptureFolder) {
    for (const wchar_t* stored : {L"gone", L""}) {
        g_Settings.Capture.CaptureFolder = stored[0] ? scratch->Path() + stored : CString();
        CString before = g_Settings.Capture.CaptureFolder;
        Open();
        EXPECT_EQ(g_ProgramFolder + L"capture", Text(IDC_CAPTURE_FOLDER));
        EXPECT_EQ(before, g_Settings.Capture.CaptureFolder);
        Press(IDOK);
        EXPECT_EQ(g_ProgramFolder + L"capture", g_Settings.Capture.CaptureFolder);
    }
}

TEST_F(CaptureSetupTest, TheHotKeyButtonsEditEntriesSixteenAndTwentyThree) {
    Open();
    EXPECT_EQ(&g_Settings.HotKeyTable[16], dialog->m_btnRegionKey.GetHotKey());
    EXPECT_EQ(&g_Settings.HotKeyTable[23], dialog->m_btnWindowKey.GetHotKey());
    EXPECT_EQ(CHotKeyBtn::MakeCaption(g_Settings.HotKeyTable[16]), Text(IDC_CAPTURE_REGION_KEY));
    EXPECT_EQ(CHotKeyBtn::MakeCaption(g_Settings.HotKeyTable[23]), Text(IDC_CAPTURE_WINDOW_KEY));

    // "Open Storage Folder" asks the main window.
    Press(IDC_CAPTURE_OPEN_FOLDER);
    std::vector<WPARAM> commands = reporter.Take(WM_COMMAND);
    EXPECT_EQ(std::vector<WPARAM>{ID_CAPTURE_FOLDER}, commands);
}
