// The whole loop through the real main frame in this process: "TODAY_INFO"
// forces a check against the stand-in service, whose reply shows a pop-up
// built from XML inside it at once and a sliding notice from a zip package
// the frame downloads.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "TestFiles.h"
#include "app/MainFrame.h"
#include "net/NoticeManager.h"
#include "net/WebCheck.h"
#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/WebCheckResult.h"
#include "shell/ZMsgBox.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"

#include "fw/InternetFile.h"
#include "fw/InternetSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

INTERNET_PORT Port() {
    const char* port = getenv("ZOREL_TEST_HTTP_PORT");
    return port ? (INTERNET_PORT)atoi(port) : 0;
}

CString Url(const wchar_t* path) {
    CString url;
    url.Format(L"http://127.0.0.1:%u%s", (unsigned)Port(), path);
    return url;
}

std::string Get(const CString& url) {
    CInternetSession session(L"Zorel test agent");
    std::unique_ptr<CInternetFile> file(
        session.OpenURL(url, 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE));
    std::string data;
    char block[4096];
    for (UINT n; file && (n = file->Read(block, sizeof block)) > 0;) data.append(block, n);
    return data;
}

template <class T>
std::vector<T*> Live() {
    std::vector<CWnd*> all;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            if (CWnd* window = CWnd::FromHandlePermanent(wnd)) ((std::vector<CWnd*>*)param)->push_back(window);
            return TRUE;
        },
        (LPARAM)&all);
    std::vector<T*> found;
    for (CWnd* window : all)
        if (T* t = dynamic_cast<T*>(window)) found.push_back(t);
    return found;
}

TEST(WebCheckFrameTest, TodayInfoShowsTheReplysNotices) {
    if (!Port()) GTEST_SKIP() << "no test server (run through run-with-server.sh)";
    CScratchFolder scratch(L"webcheck-frame");
    UseAsProgramFolder(scratch);
    g_Settings.General.ShowTrayIcon = 0;
    g_Settings.General.ViewMemoOnStart = 0;
    g_Settings.User.Enable = 0;  // the short report
    SetMessageBoxAnswerer([](const CString&, int) { return IDOK; });
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZOREL_WEBCHECK_URL", Url(ZOREL_WEBCHECK_PATH)));
    ASSERT_EQ("ok", Get(Url(L"/control?status=200&reply=result-show.xml")));
    g_nPopupCascade = 0;

    CMainFrame* frame = new CMainFrame;
    HWND window = frame->GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(1, frame->ExecuteAction(L"TODAY_INFO"));
    bool shown = PumpUntil([] { return !Live<CSlideUpDlg>().empty() && !Live<CPopUpDlg>().empty(); }, 15000);
    EXPECT_TRUE(shown);

    // The forced check sent the short report, asking to show.
    std::string body = Get(Url(L"/last-body"));
    EXPECT_EQ(0u, body.find("&show=1&program=zorel&version=3.1.1.0&cdate=%20&")) << body;
    EXPECT_EQ(0, g_Settings.ForceCheck);
    EXPECT_EQ("2", ReadFileBytes(scratch + L"system\\zorelcheck\\hello\\version.mrk"));
    EXPECT_EQ(7200, GetCheckInterval());
    if (shown) {
        PumpFor(1500);  // the slide has come in, the pop-up faded in
        CPopUpDlg* popup = Live<CPopUpDlg>()[0];
        CRect rect;
        popup->GetWindowRect(&rect);
        int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(CPoint(-10 * (w / 100) + w / 2, -10 * (h / 100) + h / 2), rect.TopLeft());
        // The slide-up wears the downloaded package's picture.
        CRect slide;
        Live<CSlideUpDlg>()[0]->GetWindowRect(&slide);
        HDC screen = GetDC(nullptr);
        COLORREF inside = GetPixel(screen, slide.left + 200, slide.top + 80);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(CSize(240, 90), slide.Size());
        EXPECT_EQ(RGB(40, 90, 160), inside);
        if (ScreenshotsWanted()) {
            SaveScreenPicture(L"webcheck_slide_up", {Live<CSlideUpDlg>()[0]->m_hWnd});
            SaveScreenPicture(L"webcheck_inline_popup", {popup->m_hWnd});
        }
    }
    CloseNoticeWindows();
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpFor(200);
    g_FrameAlive = 1;
    SetMessageBoxAnswerer(nullptr);
    SetEnvironmentVariableW(L"ZOREL_WEBCHECK_URL", L"off");
    CWebCheckResult::EndCheck();
    g_ProgramFolder.Empty();
}

}  // namespace
