// The web client against a local HTTP server: downloads into the cache
// folder, packages unpacked into their folder, and what reaches the owner
// window in every case.
#include "PopupTemplate.h"
#include "MessagePump.h"
#include "ScratchFolder.h"

#include "net/HTTPRequest.h"
#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"
#include "shell/ShellIds.h"
#include "ui/FloatingOptions.h"
#include "ui/ZDialog.h"
#include "ui/ZDialogList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

int Port() {
    const char* port = getenv("ZOREL_TEST_HTTP_PORT");
    return port ? atoi(port) : 0;
}

CString Url(const wchar_t* path, int port = Port()) {
    CString url;
    url.Format(L"http://127.0.0.1:%d/%s", port, path);
    return url;
}

std::string Served(const char* name) {
    std::string path = std::string(ZOREL_NET_HTTP_WWW) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Read(const CString& path) {
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(path, bytes)) return "<missing>";
    return std::string(bytes.begin(), bytes.end());
}

bool Exists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// Requests alive right now, counted by a request that tells when it goes.
std::atomic<int> g_Live{0};

class CountedRequest : public HTTPRequest {
public:
    template <typename Owner>
    explicit CountedRequest(Owner* owner) : HTTPRequest(owner) {
        ++g_Live;
    }
    ~CountedRequest() override { --g_Live; }
};

class OwnerWindow : public CZDialog {
public:
    OwnerWindow() : CZDialog(0, nullptr) {}
    bool Create() {
        static PopupTemplate tmpl(20, 20);
        return CreateIndirect(&tmpl.t, nullptr) != FALSE;
    }
};

struct Reply {
    WPARAM id;
    LPARAM result;
};

class HttpRequestTest : public ::testing::Test {
protected:
    static CFloatingOptions Options() { return CFloatingOptions(); }

    void SetUp() override {
        if (!Port()) GTEST_SKIP() << "no test server (run through run-with-server.sh)";
        m_savedFolder = g_ProgramFolder;
        g_ProgramFolder = m_folder.Path();
        SetFloatingOptionsProvider(&HttpRequestTest::Options);
        ASSERT_TRUE(m_owner.Create());
    }
    void TearDown() override {
        if (m_owner.m_hWnd) m_owner.DestroyWindow();
        PumpWaiting();
        SetFloatingOptionsProvider(nullptr);
        g_ProgramFolder = m_savedFolder;
    }

    // Runs messages until the live requests are gone and as many replies
    // as expected reached the owner (or ten seconds passed); every reply the
    // owner got is kept.
    bool WaitForReplies(size_t expected) {
        return PumpUntil([&] { return g_Live == 0 && m_replies.size() >= expected; }, 10000, [&](MSG& msg) {
            if (msg.message != WM_DOWNLOAD_DONE) return false;
            if (msg.hwnd == m_owner.m_hWnd) m_replies.push_back({msg.wParam, msg.lParam});
            return true;
        });
    }

    CString Cache(const wchar_t* name) { return m_folder.Path() + L"system\\caches\\" + name; }
    CString Packages(const wchar_t* relative) { return m_folder.Path() + L"system\\zorelcheck\\" + relative; }

    CScratchFolder m_folder{L"net_http"};
    CString m_savedFolder;
    OwnerWindow m_owner;
    std::vector<Reply> m_replies;
};

TEST_F(HttpRequestTest, DownloadsIntoTheCacheAndTellsTheOwner) {
    EXPECT_EQ((new CountedRequest(&m_owner))->DownloadFile(7, Url(L"picture.bin"), L"10000005"), 1);
    ASSERT_TRUE(WaitForReplies(1));
    ASSERT_EQ(m_replies.size(), 1u);
    EXPECT_EQ(m_replies[0].id, 7u);
    EXPECT_EQ(m_replies[0].result, 1);
    EXPECT_EQ(Read(Cache(L"10000005")), Served("picture.bin"));
    // Nothing but the file is left in the folder.
    EXPECT_EQ(m_folder.List(L"system\\caches").size(), 1u);
}

TEST_F(HttpRequestTest, FailuresLeaveNoCacheFile) {
    CString longUrl = Url(L"picture.bin?") + CString(L'x', 300);
    const struct {
        const wchar_t* name;
        CString url;
        const wchar_t* file;
    } cases[] = {
        {L"error page", Url(L"missing.png"), L"1"},
        {L"closed port", Url(L"picture.bin", 1), L"2"},
        {L"URL longer than the buffer", longUrl, L"3"},
        {L"no HTTP URL", L"not a url", L"4"},
        {L"name that climbs out of the cache", Url(L"picture.bin"), L"..\\5"},
        {L"device name", Url(L"picture.bin"), L"NUL"},
    };
    int id = 100;
    for (const auto& c : cases) {
        m_replies.clear();
        (new CountedRequest(&m_owner))->DownloadFile(id, c.url, c.file);
        ASSERT_TRUE(WaitForReplies(1)) << c.name;
        ASSERT_EQ(m_replies.size(), 1u) << c.name;
        EXPECT_EQ(m_replies[0].id, (WPARAM)id) << c.name;
        EXPECT_EQ(m_replies[0].result, 0) << c.name;
        ++id;
    }
    EXPECT_TRUE(m_folder.List(L"system\\caches").empty());
    EXPECT_FALSE(Exists(m_folder.Path() + L"system\\5"));
}

TEST_F(HttpRequestTest, AnOwnerThatHasGoneHearsNothingAndTheRequestIsStillReleased) {
    // The window is still there but has left the registry of open windows,
    // as a window does in its last messages.
    UnregisterDialog(&m_owner);
    (new CountedRequest(&m_owner))->DownloadFile(1, Url(L"picture.bin"), L"a");
    (new CountedRequest(&m_owner))->DownloadFile(2, Url(L"missing.png"), L"b");
    ASSERT_TRUE(PumpUntil([] { return g_Live == 0; }, 10000));
    PumpWaiting();
    WaitForReplies(0);
    EXPECT_TRUE(m_replies.empty());
    EXPECT_EQ(g_Live, 0);
    // The download itself was done.
    EXPECT_EQ(Read(Cache(L"a")), Served("picture.bin"));
}

TEST_F(HttpRequestTest, PackageIsUnpackedIntoItsFolderAndItsArchiveDeleted) {
    // A plain window as owner, as the main window is.
    CWnd* frame = &m_owner;
    m_folder.Write(L"system\\zorelcheck\\notice1\\old.txt", "from an older package");
    (new CountedRequest(frame))->DownloadAndUnzip(3, Url(L"package.zip"), L"notice1");
    ASSERT_TRUE(WaitForReplies(1));
    ASSERT_EQ(m_replies.size(), 1u);
    EXPECT_EQ(m_replies[0].id, 3u);
    EXPECT_EQ(m_replies[0].result, 1);
    EXPECT_EQ(Read(Packages(L"notice1\\notice.xml")), "<Notice Title=\"hello\"/>\n");
    EXPECT_EQ(Read(Packages(L"notice1\\images\\face.txt")).size(), 500u);
    EXPECT_FALSE(Exists(Packages(L"notice1\\old.txt")));  // the folder is made afresh
    EXPECT_FALSE(Exists(Packages(L"notice1.zip")));
}

TEST_F(HttpRequestTest, PackageEntriesNeverLandOutsideTheirFolder) {
    (new CountedRequest(&m_owner))->DownloadAndUnzip(4, Url(L"evil.zip"), L"evil");
    ASSERT_TRUE(WaitForReplies(1));
    EXPECT_EQ(m_replies[0].result, 1);
    // The entries after the refused ones still arrive.
    EXPECT_EQ(Read(Packages(L"evil\\first.txt")), "first\n");
    EXPECT_EQ(Read(Packages(L"evil\\last.txt")), "last\n");
    EXPECT_FALSE(Exists(Packages(L"climbed.txt")));
    EXPECT_FALSE(Exists(Packages(L"climbed2.txt")));
    EXPECT_FALSE(Exists(Packages(L"evil\\rooted.txt")));
    EXPECT_FALSE(Exists(Packages(L"evil\\drive.txt")));
    EXPECT_FALSE(Exists(L"C:\\drive.txt"));
    EXPECT_FALSE(Exists(L"C:\\rooted.txt"));
    EXPECT_EQ(m_folder.List(L"system\\zorelcheck\\evil").size(), 2u);
}

TEST_F(HttpRequestTest, PackageFailures) {
    const struct {
        const wchar_t* name;
        CString url;
        const wchar_t* package;
        bool emptyFolderLeft;
    } cases[] = {
        {L"archive that cannot be opened", Url(L"broken.zip"), L"broken", true},
        {L"error page", Url(L"missing.zip"), L"missing", false},
        {L"closed port", Url(L"package.zip", 1), L"closed", false},
        {L"package name from outside that climbs", Url(L"package.zip"), L"..\\..\\x", false},
    };
    int id = 50;
    for (const auto& c : cases) {
        m_replies.clear();
        (new CountedRequest(&m_owner))->DownloadAndUnzip(id, c.url, c.package);
        ASSERT_TRUE(WaitForReplies(1)) << c.name;
        ASSERT_EQ(m_replies.size(), 1u) << c.name;
        EXPECT_EQ(m_replies[0].id, (WPARAM)id) << c.name;
        EXPECT_EQ(m_replies[0].result, 0) << c.name;
        CString folder = Packages(c.package);
        EXPECT_EQ(Exists(folder), c.emptyFolderLeft) << c.name;
        if (c.emptyFolderLeft) {
            EXPECT_TRUE(m_folder.List(L"system\\zorelcheck\\" + CString(c.package)).empty()) << c.name;
        }
        ++id;
    }
    EXPECT_FALSE(Exists(m_folder.Path() + L"x.zip"));
    EXPECT_FALSE(Exists(m_folder.Path() + L"x"));
}

}  // namespace
