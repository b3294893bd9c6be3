#include "net/FtpCommand.h"
#include "net/FtpPath.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(FtpPathTest, NormalizePath) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"/", "/"},           {"//a//b", "/a/b"},          {"\\a\\b", "/a/b"},     {"/a/b/c/../../d", "/a/d"},
        {"/a/../../b", "/b"}, {"/x/y/z/../..", "/x/"},     {"/a/.b", "/a/.b"},     {"/a/b.c/d", "/a/b.c/d"},
        {"/a..", "/a.."},     {"/a./b", "/a./b"},          {"/a.../b", "/a.../b"}, {"/a/./b", "/a/b"},
        {"/a/b/.", "/a/b"},   {"./", "/"},                 {"/..", "/"},           {"/../a", "/a"},
        {"/a/", "/a/"},       {"/a/b/..", "/a/"},          {"/.", "/"},            {"/../../..", "/"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.out, NormalizePath(c.in)) << c.in;
}

TEST(FtpPathTest, JoinPathNeverLeavesTheRoot) {
    EXPECT_EQ("/docs/a.txt", JoinPath("/docs", "a.txt"));
    EXPECT_EQ("/b", JoinPath("/docs", "/b"));
    EXPECT_EQ("/", JoinPath("/docs", ".."));
    EXPECT_EQ("/etc", JoinPath("/", "../../../etc"));
    EXPECT_EQ("/x", JoinPath("/a", "..\\..\\x"));
}

TEST(FtpPathTest, MatchWildcard) {
    const struct {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"*.*", "readme.txt", true}, {"*.*", "music.", true}, {"*.*", "music", false}, {"?", "", false},
        {"A*", "abc", true},         {"", "anything", true},  {"a?c", "ABC", true},    {"*.TXT", "x.txt", true},
        {"*b", "abc", false},        {"a*b*c", "aXbYc", true}, {"*", "", true},         {"ab", "abc", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.match, MatchWildcard(c.pattern, c.name)) << c.pattern << " " << c.name;
}

TEST(FtpPathTest, MatchWildcardStaysFastOnHostilePatterns) {
    std::string pattern;
    for (int i = 0; i < 200; ++i) pattern += "*a";
    pattern += "*b";
    std::string name(5000, 'a');
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchWildcard(pattern, name));
    EXPECT_TRUE(MatchWildcard(pattern, name + "b"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(FtpPathTest, UnsafePartsAreRefused) {
    const char* refused[] = {"/a:b",     "/x/file.txt:stream", "/con",   "/NUL.txt", "/a/com1",  "/LPT9.log",
                             "/aux/x",   "/prn",               "/a.",    "/a ",      "/...",     "/ . ",
                             "/a\x01"
                             "b"};
    for (const char* path : refused) EXPECT_FALSE(IsSafeVirtualPath(path)) << path;
    const char* fine[] = {"/", "/a/.b", "/docs/a.txt", "/console", "/com10", "/a..b"};
    for (const char* path : fine) EXPECT_TRUE(IsSafeVirtualPath(path)) << path;
    EXPECT_TRUE(IsSafeVirtualPath("/docs/*.t?t", true));
    EXPECT_FALSE(IsSafeVirtualPath("/docs/*.t?t"));
}

TEST(FtpCommandTest, UserGate) {
    FtpAccountSwitches all{true, true, true}, none{false, false, false};
    const char* app = "Unable to Sync Schedule. Please update your app.\r\n";
    const char* zorel = "Unable to Sync Schedule. Please update your Zorel.\r\n";
    const struct {
        const char* name;
        FtpAccountSwitches switches;
        const char* reply;
    } cases[] = {
        {"SYNC", all, app},
        {"SYNC299", all, app},
        {"syncabc", all, app},
        {"SYNC301", all, zorel},
        {"SYNC300", all, ""},
        {"sync300", none, "550 Sync permission denied.\r\n"},
        {"Transfer", none, "550 Send permission denied.\r\n"},
        {"ZOREL", none, "550 FTP Connection permission denied.\r\n"},
        {"zorel", all, ""},
        {"anonymous", none, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.reply, FtpUserGate(c.name, c.switches)) << c.name;
}

TEST(FtpCommandTest, PortArgument) {
    unsigned char a[4];
    unsigned short port = 0;
    ASSERT_TRUE(ParsePortArgument("127,0,0,1,4,1", a, port));
    EXPECT_EQ(127, a[0]);
    EXPECT_EQ(1, a[3]);
    EXPECT_EQ(1025, port);
    for (const char* bad : {"127,0,0,1,4", "127,0,0,1,4,1,9", "127,0,0,1,4,256", "a,b,c,d,e,f", "1,2,3,4,5,", ""})
        EXPECT_FALSE(ParsePortArgument(bad, a, port)) << bad;
}

TEST(FtpCommandTest, UploadKinds) {
    const struct {
        const char* argument;
        bool note;
        const char* extension;
        int syncKind;
        const char* sender;
    } cases[] = {
        {"ZOREL_SCHEDULE", false, "", 0, ""},
        {"zorel_anniversary", false, "", 1, ""},
        {"IPHONE_ALL", false, "", 2, ""},
        {"iphone_schedule", false, "", 3, ""},
        {"IPHONE_ANNIVERSARY", false, "", 4, ""},
        {"SEND_MEMO 10 20 300 200|hello", true, "rtf", 0, "10 20 300 200|hello"},
        {"SEND_MENC 1 2 3 4|x y", true, "rtx", 0, "1 2 3 4|x y"},
        {"SEND_MEMO", true, "rtf", 0, ""},
        {"send_memo 10 20 300 200|hello", false, "", 0, ""},
        {"whatever", false, "", 0, ""},
    };
    for (const auto& c : cases) {
        FtpUploadKind kind = ClassifyUpload(c.argument);
        EXPECT_EQ(c.note, kind.note) << c.argument;
        EXPECT_STREQ(c.extension, kind.extension) << c.argument;
        EXPECT_EQ(c.syncKind, kind.syncKind) << c.argument;
        EXPECT_EQ(c.sender, kind.senderText) << c.argument;
    }
}

TEST(FtpCommandTest, FileNamesAndTheirSteps) {
    SYSTEMTIME t = {2026, 12, 5, 31, 23, 59, 59, 999};
    EXPECT_EQ("20261231235959999.rtf", NoteFileName(t, "rtf"));
    EXPECT_EQ("003_2026_12_31_23_59_59.sync", SyncFileName(3, t));
    EXPECT_EQ(28u, SyncFileName(3, t).size());
    EXPECT_EQ("004_2027_01_01_00_00_00.sync", SyncFileName(4, StepTime(t, true)));
    EXPECT_EQ("20270101000000000.rtx", NoteFileName(StepTime(t, false), "rtx"));
}
