// What a reply's notices fetch and show, against packages on disk and a
// host that records instead of making windows and requests.
#include "net/NoticeManager.h"
#include "shell/ProgramFolder.h"

#include "ScratchFolder.h"
#include "TestFiles.h"

#include "tinyxml.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingHost : INoticeHost {
    bool StartDownload(int index, const CString& url, const CString& key) override {
        downloads.push_back(std::to_string(index) + " " + CStringA(url).GetString() + " " + CStringA(key).GetString());
        return downloadStarts;
    }
    void OpenFile(const CString& path) override { Add("open " + Rel(path)); }
    bool ShowSlide(const CString& path, int placement, UINT ms) override {
        Add("slide " + Rel(path) + " " + std::to_string(placement) + " " + std::to_string(ms));
        return true;
    }
    bool ShowPopup(const CString& path, int x, int y, UINT ms) override {
        Add("popup " + Rel(path) + " " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(ms));
        return true;
    }
    bool ShowInlineSlide(const TiXmlElement& skin, int placement, UINT ms) override {
        Add(std::string("inline-slide ") + skin.Value() + " " + std::to_string(placement) + " " + std::to_string(ms));
        return true;
    }
    bool ShowInlinePopup(const TiXmlElement& skin, int x, int y, UINT ms) override {
        Add(std::string("inline-popup ") + skin.Value() + " " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    void ResetSlideSlots() override { ++slotResets; }
    void GetScreenSize(int& width, int& height) override { width = 1280, height = 1024; }
    void SetCheckCycle(int seconds) override { cycle = seconds; }

    void Add(const std::string& line) { shown.push_back(line); }
    std::string Rel(const CString& path) const {
        CString rest = path.Mid(g_ProgramFolder.GetLength());
        return CStringA(rest).GetString();
    }

    std::vector<std::string> downloads, shown;
    bool downloadStarts = true;
    int slotResets = 0;
    int cycle = -1;
};

class NoticeManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_ProgramFolder = folder.Path();
        g_nPopupCascade = 0;
        manager.SetHost(&host);
    }
    void TearDown() override { g_ProgramFolder.Empty(); }

    void Package(const char* key, const char* version, const char* file = "skin.xml") {
        CString base = CString(L"system\\zorelcheck\\") + CString(key) + L"\\";
        folder.Write(base + CString(file), "<Skin/>");
        if (version) folder.Write(base + L"version.mrk", version);
    }
    void Parse(const std::string& children) {
        manager.ParseServerCheck(folder.Write(L"system\\zorelcheck\\result.xml",
                                              "<?xml version=\"1.0\"?>\n<ZorelCheck>" + children + "</ZorelCheck>"));
    }

    CScratchFolder folder{L"notices"};
    RecordingHost host;
    CNoticeManager manager;
};

TEST_F(NoticeManagerTest, PresentPackageShowsOnlyWhenRefitAsks) {
    struct {
        const char* mark;
        int refit;
        std::vector<std::string> shown;
        size_t downloads;
    } cases[] = {
        {"1.2", 0, {}, 0},
        {"1.2", 1, {"slide system\\zorelcheck\\news\\skin.xml 6 5000"}, 0},
        {"", 0, {}, 0},    // an empty mark counts as current for any version
        {"1.1", 1, {}, 1}, // outdated: fetched, shown only when the download reports
        {nullptr, 1, {}, 1},
    };
    for (const auto& c : cases) {
        CScratchFolder own(L"notices");
        g_ProgramFolder = own.Path();
        RecordingHost fresh;
        CNoticeManager m;
        m.SetHost(&fresh);
        CString base = L"system\\zorelcheck\\news\\";
        own.Write(base + L"skin.xml", "<Skin/>");
        if (c.mark) own.Write(base + L"version.mrk", c.mark);
        m.ParseServerCheck(own.Write(L"system\\zorelcheck\\result.xml",
                                     "<ZorelCheck><ALERT Url=\"http://127.0.0.1:1/n.zip\" Key=\"news\" File=\"skin.xml\""
                                     " Version=\"1.2\" Refit=\"" + std::to_string(c.refit) + "\"/></ZorelCheck>"));
        EXPECT_EQ(c.shown, fresh.shown) << (c.mark ? c.mark : "(none)");
        EXPECT_EQ(c.downloads, fresh.downloads.size()) << (c.mark ? c.mark : "(none)");
    }
}

TEST_F(NoticeManagerTest, DownloadsReportByIndexAndAFailureIsSkipped) {
    Parse("<Alert Url=\"http://127.0.0.1:1/a.zip\" Key=\"a\" File=\"a.xml\" Version=\"7\" DisplayType=\"2\""
          " DisplayTime=\"2.5\"/>"
          "<RUN Url=\"http://127.0.0.1:1/b.zip\" Key=\"b\" File=\"docs/read me.txt\" Version=\"3\"/>"
          "<ALERT Url=\"http://127.0.0.1:1/c.zip\" Key=\"c\" File=\"c.xml\" Version=\"1\"/>");
    ASSERT_EQ((std::vector<std::string>{"0 http://127.0.0.1:1/a.zip a", "1 http://127.0.0.1:1/b.zip b",
                                        "2 http://127.0.0.1:1/c.zip c"}),
              host.downloads);
    folder.Write(L"system\\zorelcheck\\a\\a.xml", "<Skin/>");
    manager.ShowNotices(0, 1);
    manager.ShowNotices(2, 0);  // this package could not be fetched
    EXPECT_TRUE(host.shown.empty());
    manager.ShowNotices(1, 1);
    EXPECT_EQ((std::vector<std::string>{"slide system\\zorelcheck\\a\\a.xml 2 2500",
                                        "open system\\zorelcheck\\b\\docs\\read me.txt"}),
              host.shown);
    EXPECT_EQ("7", ReadFileBytes(folder + L"system\\zorelcheck\\a\\version.mrk"));
    EXPECT_FALSE(folder.Has(L"system\\zorelcheck\\c\\version.mrk"));
    EXPECT_TRUE(manager.Entries().empty());
    // A late or stray report after the list is done shows nothing again.
    manager.ShowNotices(5, 1);
    EXPECT_EQ(2u, host.shown.size());
}

TEST_F(NoticeManagerTest, CentredPopupsCascadeAndInlineSkinsShowAtOnce) {
    Package("p", "1");
    Package("q", "1");
    Parse("<ALERTXML DisplayType=\"3\" DisplayTime=\"1\"><Window Name=\"inline\"/></ALERTXML>"
          "<ALERT Key=\"p\" File=\"skin.xml\" Version=\"1\" Refit=\"1\" DisplayType=\"8\"/>"
          "<ALERT Key=\"q\" File=\"skin.xml\" Version=\"1\" Refit=\"1\" DisplayType=\"8\"/>"
          "<ALERT Key=\"q\" File=\"skin.xml\" Version=\"1\" Refit=\"1\" DisplayType=\"9\" X=\"11\" Y=\"22\"/>"
          "<ALERT Key=\"q\" File=\"skin.xml\" Version=\"1\" Refit=\"1\" DisplayType=\"12\"/>"
          "<ALERTXML DisplayType=\"8\"/>");  // no skin inside: nothing
    // W / 100 = 12, H / 100 = 10 on 1280 x 1024: step 0 at (520, 412), step 1 at (532, 424).
    EXPECT_EQ((std::vector<std::string>{"inline-slide Window 3 1000", "popup system\\zorelcheck\\p\\skin.xml 520,412 5000",
                                        "popup system\\zorelcheck\\q\\skin.xml 532,424 5000",
                                        "popup system\\zorelcheck\\q\\skin.xml 11,22 5000"}),
              host.shown);
    EXPECT_EQ(3, g_nPopupCascade);
    EXPECT_TRUE(host.downloads.empty());
}

TEST_F(NoticeManagerTest, CheckCycleHasAFloorOfAMinute) {
    struct {
        const char* text;
        int cycle;
    } cases[] = {{"30", 60}, {"-5", 60}, {"7200", 7200}, {"", 60}};
    for (const auto& c : cases) {
        host.cycle = -1;
        Parse(std::string("<system><CheckCycle>") + c.text + "</CheckCycle></system>");
        EXPECT_EQ(c.cycle, host.cycle) << c.text;
    }
    host.cycle = -1;
    Parse("<SYSTEM><CheckDelay>5</CheckDelay></SYSTEM>");
    EXPECT_EQ(-1, host.cycle);
}

TEST_F(NoticeManagerTest, NamesOutsideThePackageAndProgramsAreRefused) {
    struct {
        const char* element;
        bool accepted;
    } cases[] = {
        {"<ALERT Key=\"..\" File=\"skin.xml\"/>", false},
        {"<ALERT Key=\"a\\b\" File=\"skin.xml\"/>", false},
        {"<ALERT Key=\"C:\" File=\"skin.xml\"/>", false},
        {"<ALERT Key=\"\" File=\"skin.xml\"/>", false},
        {"<ALERT Key=\"a\" File=\"../../x.xml\"/>", false},
        {"<ALERT Key=\"a\" File=\"\\Windows\\x.xml\"/>", false},
        {"<ALERT Key=\"a\" File=\"C:\\x.xml\"/>", false},
        {"<ALERT Key=\"a\" File=\"\"/>", false},
        {"<RUN Key=\"a\" File=\"setup.exe\"/>", false},
        {"<RUN Key=\"a\" File=\"sub/Start.CMD\"/>", false},
        {"<RUN Key=\"a\" File=\"link.lnk\"/>", false},
        {"<RUN Key=\"a\" File=\"script.vbs\"/>", false},
        {"<RUN Key=\"a\" File=\"install.msi\"/>", false},
        {"<RUN Key=\"a\" File=\"README\"/>", false},
        {"<RUN Key=\"a\" File=\"page.html\"/>", true},
        {"<RUN Key=\"a\" File=\"docs/guide.pdf\"/>", true},
        {"<ALERT Key=\"news.2024\" File=\"skins/main.xml\"/>", true},
    };
    for (const auto& c : cases) {
        host.downloads.clear();
        Parse(c.element);
        EXPECT_EQ(c.accepted ? 1u : 0u, host.downloads.size()) << c.element;
        if (!host.downloads.empty()) manager.ShowNotices(0, 0);
    }
}

TEST_F(NoticeManagerTest, BrokenRepliesChangeNothing) {
    for (const char* reply : {"", "<ZorelCheck><ALERT Key=\"a\" File=\"x\"", "<Other><ALERT Key=\"a\" File=\"x\"/></Other>"}) {
        manager.ParseServerCheck(folder.Write(L"system\\zorelcheck\\result.xml", reply));
        EXPECT_TRUE(host.downloads.empty()) << reply;
    }
    manager.ParseServerCheck(folder + L"missing.xml");
    EXPECT_TRUE(host.downloads.empty());
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(NoticeManagerTest, ADownloadThatCannotStartCountsAsFailed) {
    host.downloadStarts = false;
    Package("ok", "1");
    Parse("<ALERT Key=\"gone\" File=\"skin.xml\" Version=\"1\"/>"
          "<ALERT Key=\"ok\" File=\"skin.xml\" Version=\"1\" Refit=\"1\" DisplayType=\"0\" DisplayTime=\"-3\"/>");
    EXPECT_EQ((std::vector<std::string>{"slide system\\zorelcheck\\ok\\skin.xml 0 0"}), host.shown);
    EXPECT_TRUE(manager.Entries().empty());
}

}  // namespace
