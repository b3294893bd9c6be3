// One check against the stand-in service on 127.0.0.1: what is posted,
// what is stored, what is reported, and how failures set the next interval.
#include "net/WebCheck.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"

#include "fw/InternetException.h"
#include "fw/InternetFile.h"
#include "fw/InternetSession.h"

#include "MessagePump.h"
#include "ScratchFolder.h"
#include "TestFiles.h"

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

std::string Get(const wchar_t* path) {
    CInternetSession session(L"Zorel test agent");
    std::unique_ptr<CInternetFile> file(session.OpenURL(
        Url(path), 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE));
    std::string data;
    char block[4096];
    for (UINT n; file && (n = file->Read(block, sizeof block)) > 0;) data.append(block, n);
    return data;
}

class WebCheckServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Port()) GTEST_SKIP() << "no test server (run through run-with-server.sh)";
        g_CheckFailCount = 0;
        SetCheckInterval(86400);
        job.url = Url(ZOREL_WEBCHECK_PATH);
        job.resultPath = folder + L"system\\zorelcheck\\result.xml";
        job.form = "&show=1&program=zorel&version=3.1.1.0&user=a%26b&YEAR=24&MON=03&DAY=09&HOUR=07&MIN=05";
        job.now = MakeSystemTime(2024, 3, 9, 7, 5);
    }
    void TearDown() override {
        g_CheckFailCount = 0;
        SetCheckInterval(86400);
    }
    void Answer(int status, const char* reply) {
        CString path;
        path.Format(L"/control?status=%d&reply=%S", status, reply);
        ASSERT_EQ("ok", Get(path));
    }
    int Posts() { return atoi(Get(L"/count").c_str()); }

    CScratchFolder folder{L"webcheck"};
    WebCheckJob job;
};

TEST_F(WebCheckServerTest, AnsweredCheckPostsTheFormAndStoresTheReply) {
    Answer(200, "result-crlf.xml");
    EXPECT_EQ(WEBCHECK_STORED, RunWebCheck(job));
    EXPECT_EQ(std::string(job.form.GetString()), Get(L"/last-body"));
    EXPECT_EQ("<ZorelCheck>\n<System><CDate>x</CDate></System>\n</ZorelCheck>\n", ReadFileBytes(job.resultPath));
    EXPECT_EQ(0, g_CheckFailCount.load());
}

TEST_F(WebCheckServerTest, ServerErrorsLeaveTheStoredReplyAndRetrySoon) {
    const std::string stored = "<ZorelCheck><System><NDate>2024-03-01</NDate></System></ZorelCheck>";
    for (int status : {404, 500}) {
        folder.Write(L"system\\zorelcheck\\result.xml", stored);
        Answer(status, "result-ok.xml");
        int before = Posts();
        EXPECT_EQ(WEBCHECK_FAILED, RunWebCheck(job)) << status;
        EXPECT_EQ(before + 1, Posts());
        EXPECT_EQ(stored, ReadFileBytes(job.resultPath)) << status;
        EXPECT_GE(GetCheckInterval(), 1800);
        EXPECT_LE(GetCheckInterval(), 3599);
    }
    EXPECT_EQ(2, g_CheckFailCount.load());
}

TEST_F(WebCheckServerTest, NotDueReportsTheStoredRepeatWithoutPosting) {
    folder.Write(L"system\\zorelcheck\\result.xml",
                 "<ZorelCheck><System><NDate>2024-03-10</NDate><CRepeat>0</CRepeat></System></ZorelCheck>");
    Answer(200, "result-ok.xml");
    int before = Posts();
    EXPECT_EQ(0, RunWebCheck(job));
    EXPECT_EQ(before, Posts());
    // A first run or a forced check goes out all the same.
    job.mustCheck = true;
    EXPECT_EQ(WEBCHECK_STORED, RunWebCheck(job));
    EXPECT_EQ(before + 1, Posts());
}

TEST_F(WebCheckServerTest, NoServerFailsFourTimesQuicklyThenWaitsADay) {
    // Port 1: nobody listens there.
    job.url = L"http://127.0.0.1:1/zorel/zorelcheck_250/";
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(WEBCHECK_FAILED, RunWebCheck(job));
        if (i < 4) {
            EXPECT_GE(GetCheckInterval(), 1800) << i;
            EXPECT_LE(GetCheckInterval(), 3599) << i;
        } else {
            EXPECT_EQ(86400, GetCheckInterval());
        }
    }
    EXPECT_FALSE(folder.Has(L"system\\zorelcheck\\result.xml"));
}

TEST_F(WebCheckServerTest, WorkerPostsTheOutcomeToItsOwner) {
    Answer(200, "result-ok.xml");
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner);
    WPARAM outcome = 99;
    ASSERT_TRUE(StartWebCheckThread(owner, job));
    MSG msg;
    DWORD end = GetTickCount() + 10000;
    while (outcome == 99 && GetTickCount() < end) {
        if (PeekMessageW(&msg, owner, WM_WEBCHECK_DONE, WM_WEBCHECK_DONE, PM_REMOVE))
            outcome = msg.wParam;
        else
            Sleep(10);
    }
    DestroyWindow(owner);
    EXPECT_EQ((WPARAM)WEBCHECK_STORED, outcome);
    int delay = -1;
    EXPECT_TRUE(CWebCheckResult::Read(job.resultPath, delay));
}

}  // namespace
