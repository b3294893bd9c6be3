#include "net/FtpUserTable.h"
#include "net/FtpVfs.h"

#include "ScratchFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

std::string Ansi(const CString& text) { return CStringA(text).GetString(); }

void SetWriteTime(const CString& path, const SYSTEMTIME& utc) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    FILETIME ft;
    SystemTimeToFileTime(&utc, &ft);
    SetFileTime(file, nullptr, nullptr, &ft);
    CloseHandle(file);
}

}  // namespace

TEST(FtpUserTableTest, AccountsAndPasswords) {
    FtpUserTable table;
    EXPECT_TRUE(table.AddUser("zorel", "pw"));
    EXPECT_FALSE(table.AddUser("zorel", "other"));
    EXPECT_TRUE(table.CheckPassword("zorel", "pw"));
    EXPECT_FALSE(table.CheckPassword("zorel", "PW"));
    EXPECT_FALSE(table.CheckPassword("ZOREL", "pw"));  // names are exact here
    EXPECT_FALSE(table.CheckPassword("nobody", ""));
    EXPECT_EQ(nullptr, table.GetMountRoot("ZOREL"));
    EXPECT_FALSE(table.SetPermissions("zorel", "relative", 1));
    EXPECT_FALSE(table.Mount("zorel", "relative", ""));
    EXPECT_FALSE(table.Mount("zorel", "/", "Z:\\no\\such\\folder"));
}

TEST(FtpUserTableTest, DeepestSetPermissionDecides) {
    FtpUserTable table;
    table.AddUser("u", "p");
    ASSERT_TRUE(table.SetPermissions("u", "/", FTP_MASK_READ | FTP_MASK_LIST));
    FtpPermissionNode* root = const_cast<FtpPermissionNode*>(table.GetPermissionRoot("u"));
    SetPermissionValue(root, "/Pub/in", FTP_PERM_WRITE, 1);
    SetPermissionValue(root, "/pub", FTP_PERM_READ, 0);
    const struct {
        const char* path;
        int kind;
        int value;
    } cases[] = {
        {"/", FTP_PERM_READ, 1},         {"/x/y", FTP_PERM_LIST, 1},    {"/x/y", FTP_PERM_ADMIN, 0},
        {"/pub/in/f", FTP_PERM_WRITE, 1}, {"/PUB/IN", FTP_PERM_WRITE, 1}, {"/pub/out", FTP_PERM_WRITE, 0},
        {"/pub/f", FTP_PERM_READ, 0},    {"/pub/in/f", FTP_PERM_READ, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value, CheckPermission(root, c.path, c.kind)) << c.path << " " << c.kind;
}

TEST(FtpVfsTest, ResolveThroughMounts) {
    CScratchFolder scratch(L"ftpvfs");
    scratch.MakeFolder(L"home");
    scratch.MakeFolder(L"music");
    std::string home = Ansi(scratch + L"home"), music = Ansi(scratch + L"music");
    FtpMountNode root;
    MountInsert(&root, "/", home);
    MountInsert(&root, "/media/music", music);
    const struct {
        const char* path;
        bool found;
        std::string local;
    } cases[] = {
        {"/docs/a.txt", true, home + "\\docs\\a.txt"},
        {"/Media/Music/song.mp3", true, music + "\\song.mp3"},
        {"/media/music", true, music},
        {"/media/other", true, home + "\\media\\other"},  // the nearest mounted ancestor
        {"/docs/con.txt", false, ""},
        {"/docs/a.txt:secret", false, ""},
        {"/docs/a.", false, ""},
    };
    for (const auto& c : cases) {
        std::string local;
        EXPECT_EQ(c.found, ResolvePath(&root, c.path, local)) << c.path;
        EXPECT_EQ(c.local, local) << c.path;
    }
    EXPECT_TRUE(VfsIsDirectory(&root, "/media"));
    EXPECT_FALSE(VfsIsDirectory(&root, "/nul"));
    FtpMountNode empty;
    std::string local;
    EXPECT_FALSE(ResolvePath(&empty, "/a", local));
}

TEST(FtpVfsTest, ListingLinesByteForByte) {
    CScratchFolder scratch(L"ftplist");
    scratch.MakeFolder(L"home\\x");
    scratch.MakeFolder(L"home\\sub");
    scratch.MakeFolder(L"mounted");
    scratch.Write(L"home\\recent.txt", "12345");
    scratch.Write(L"home\\old.txt", "1");
    SYSTEMTIME now = MakeSystemTime(2026, 12, 11, 9, 30);
    SetWriteTime(scratch + L"home\\recent.txt", MakeSystemTime(2026, 1, 15, 8, 5));   // eleven months ago
    SetWriteTime(scratch + L"home\\old.txt", MakeSystemTime(2025, 11, 3, 8, 5));      // thirteen months ago
    SetWriteTime(scratch + L"home\\x", MakeSystemTime(2026, 6, 1, 23, 59));
    SetWriteTime(scratch + L"home\\sub", MakeSystemTime(2026, 6, 1, 23, 59));
    SetWriteTime(scratch + L"mounted", MakeSystemTime(2020, 2, 29, 1, 2));
    FtpMountNode root;
    MountInsert(&root, "/", Ansi(scratch + L"home"));
    MountInsert(&root, "/x", Ansi(scratch + L"mounted"));  // a mount point over the local folder x
    MountInsert(&root, "/music", "");                       // a step with no folder of its own

    FtpListing full;
    ASSERT_TRUE(FormatListLine(&root, "/", false, full, now));
    std::string all;
    for (const auto& line : full) all += line.second;
    EXPECT_EQ("d--------- 1 ftp ftp          0 Jan  1  1980 music\r\n"
              "---------- 1 ftp ftp          1 Nov  3  2025 old.txt\r\n"
              "---------- 1 ftp ftp          5 Jan 15 08:05 recent.txt\r\n"
              "d--------- 1 ftp ftp          0 Jun  1 23:59 sub\r\n"
              "d--------- 1 ftp ftp          0 Jun  1 23:59 x\r\n",
              all);

    FtpListing names;
    ASSERT_TRUE(FormatListLine(&root, "/", true, names, now));
    all.clear();
    for (const auto& line : names) all += line.second;
    EXPECT_EQ("music/\r\nold.txt\r\nrecent.txt\r\nsub/\r\nx/\r\n", all);

    FtpListing pattern;
    ASSERT_TRUE(FormatListLine(&root, "/*.txt", true, pattern, now));
    EXPECT_EQ(2u, pattern.size());
    FtpListing none;
    EXPECT_FALSE(FormatListLine(&root, "/*.doc", true, none, now));
    EXPECT_TRUE(VfsExists(&root, "/old.txt"));
    EXPECT_FALSE(VfsExists(&root, "/gone.txt"));
}
