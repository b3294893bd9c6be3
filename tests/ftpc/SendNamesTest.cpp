#include "fw/Convert.h"
#include "net/FriendInfo.h"
#include "net/MemoTransferName.h"
#include "net/SyncFile.h"
#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SyncListTest : public ::testing::Test {
protected:
    void SetUp() override { LoadLanguageTexts(); }
};

}  // namespace

TEST(TransferNameTest, Shapes) {
    EXPECT_EQ("SEND_MEMO 10 20 300 200|", std::string(MemoTransferName(false, 10, 20, 300, 200, L"")));
    EXPECT_EQ("SEND_MENC -5 0 1 2|hi", std::string(MemoTransferName(true, -5, 0, 1, 2, L"hi")));
    CString longMessage;
    for (int i = 0; i < 200; ++i) longMessage += (wchar_t)(L'a' + i % 26);
    std::string name(MemoTransferName(false, 1, 2, 3, 4, longMessage));
    EXPECT_EQ("SEND_MEMO 1 2 3 4|" + std::string(StringToAnsi(longMessage.Left(156))), name);
}

TEST_F(SyncListTest, NamesThatAreRead) {
    const struct {
        const wchar_t* name;
        bool read;
    } cases[] = {
        {L"001_2024_12_31_23_59_59.sync", true},  {L"004_2024_12_31_23_59_59.SYNC", true},
        {L"005_2024_01_01_10_00_00.sync", false}, {L"notes.sync", false},
        {L"001_2024_12_31_23_59_5.sync", false},  {L"001_2024_12_31_23_59_599.sync", false},
        {L"-01_2024_12_31_23_59_59.sync", false}, {L"001x2024_12_31_23_59_59.sync", false},
        {L"001_2024_12_31_23_59_5a.sync", false}, {L"001_2024_12_31_23_59_59.synx", false},
        {L"0 1_2024_12_31_23_59_59.sync", false},
    };
    for (const auto& c : cases) {
        SyncFile file;
        EXPECT_EQ(c.read, SyncFile::Parse(c.name, file)) << CStringA(c.name).GetString();
    }
}

TEST_F(SyncListTest, RowTextAndPreselection) {
    std::vector<SyncListRow> rows;
    int selected = BuildSyncList({L"notes.sync", L"001_2024_12_31_23_59_59.sync", L"005_2024_01_01_10_00_00.sync",
                                  L"000_2025_01_01_08_00_10.sync", L"003_2025_01_01_08_00_59.sync",
                                  L"002_2023_06_01_09_00_00.sync"},
                                 rows);
    ASSERT_EQ(4u, rows.size());
    EXPECT_STREQ(L"2024-12-31  23:59:59  || [ Zorel Anniversary ]", rows[0].text.GetString());
    EXPECT_EQ(1, rows[0].kind);
    EXPECT_STREQ(L"001_2024_12_31_23_59_59.sync", rows[0].name.GetString());
    EXPECT_STREQ(L"2025-01-01  08:00:10  || [ Zorel Schedule ]", rows[1].text.GetString());
    // Both of the same minute: the first one found stays preselected.
    EXPECT_EQ(1, selected);
    EXPECT_EQ(-1, BuildSyncList({L"notes.sync"}, rows));
    EXPECT_TRUE(rows.empty());
}

TEST(SyncListKeyTest, OrdersByMinuteWithoutOverflow) {
    SyncFile a, b;
    ASSERT_TRUE(SyncFile::Parse(L"000_9999_12_31_23_59_00.sync", a));
    ASSERT_TRUE(SyncFile::Parse(L"000_9999_12_31_23_58_59.sync", b));
    EXPECT_GT(SyncListKey(a), SyncListKey(b));
    EXPECT_GT(SyncListKey(b), 0);
}

TEST(FriendListTest, FileBytesAndReadBack) {
    std::vector<CFriendInfo> friends = {{L"10.0.0.2", L"5330", L"pw", L"Office"},
                                        {L"10.0.0.3", L"21", L"a&b<c>\"d", L"Tom & \"Jerry\""}};
    std::string file = WriteFriendList(friends);
    EXPECT_EQ("<FriendList>\r\n"
              "  <Friend Title = \"Office\" IP = \"10.0.0.2\" Port = \"5330\" Password = \"pw\"  />\r\n"
              "  <Friend Title = \"Tom &amp; &quot;Jerry&quot;\" IP = \"10.0.0.3\" Port = \"21\" "
              "Password = \"a&amp;b&lt;c&gt;&quot;d\"  />\r\n"
              "</FriendList>",
              file);
    std::vector<CFriendInfo> back;
    ASSERT_TRUE(CFriendInfo::ReadXml(file.data(), file.size(), back));
    ASSERT_EQ(2u, back.size());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(friends[i].IP, back[i].IP);
        EXPECT_EQ(friends[i].Port, back[i].Port);
        EXPECT_EQ(friends[i].Password, back[i].Password);
        EXPECT_EQ(friends[i].Title, back[i].Title);
    }
    EXPECT_EQ("<FriendList>\r\n</FriendList>", WriteFriendList({}));
}

TEST(FriendListTest, ReaderTakesAnyFriendListAndRefusesOthers) {
    const char* missing = "<?xml version=\"1.0\"?><FriendList><Other/><Friend IP=\"1.2.3.4\"/></FriendList>";
    std::vector<CFriendInfo> friends;
    ASSERT_TRUE(CFriendInfo::ReadXml(missing, strlen(missing), friends));
    ASSERT_EQ(1u, friends.size());
    EXPECT_STREQ(L"1.2.3.4", friends[0].IP.GetString());
    EXPECT_TRUE(friends[0].Title.IsEmpty() && friends[0].Port.IsEmpty() && friends[0].Password.IsEmpty());
    const char* refused[] = {"", "<Friends><Friend IP=\"1\"/></Friends>", "<FriendList><Friend IP=\"1\"", "garbage"};
    for (const char* text : refused) {
        EXPECT_FALSE(CFriendInfo::ReadXml(text, strlen(text), friends)) << text;
        EXPECT_TRUE(friends.empty());
    }
    std::string deep;
    for (int i = 0; i < 5000; ++i) deep += "<FriendList>";
    EXPECT_FALSE(CFriendInfo::ReadXml(deep.data(), deep.size(), friends));
}

TEST(FriendListTest, RememberAfterDelivery) {
    std::vector<CFriendInfo> friends;
    bool changed = false;
    EXPECT_EQ(0, RememberFriend(friends, L"10.0.0.2", L"5330", L"pw", changed));
    EXPECT_TRUE(changed);
    EXPECT_STREQ(L"10.0.0.2", friends[0].Title.GetString());
    friends[0].Title = L"Office";
    EXPECT_EQ(0, RememberFriend(friends, L"10.0.0.2", L"5330", L"pw", changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(0, RememberFriend(friends, L"10.0.0.2", L"5330", L"PW", changed));
    EXPECT_TRUE(changed);
    EXPECT_STREQ(L"PW", friends[0].Password.GetString());
    EXPECT_STREQ(L"Office", friends[0].Title.GetString());
    EXPECT_EQ(1, RememberFriend(friends, L"10.0.0.20", L"21", L"pw", changed));
    EXPECT_EQ(2u, friends.size());
}

TEST(FriendListTest, PortFieldAndShownNames) {
    const struct {
        const wchar_t* field;
        int port;
    } ports[] = {{L"abc", 5330}, {L"", 5330}, {L"0", 5330}, {L"21", 21}, {L"6000x", 6000}};
    for (const auto& c : ports) EXPECT_EQ(c.port, FriendPortNumber(c.field)) << CStringA(c.field).GetString();
    EXPECT_STREQ(L"Officepc", NetItemDisplayName(L"OFFICEPC").GetString());
    EXPECT_STREQ(L"Pc-2", NetItemDisplayName(L"PC-2").GetString());
    EXPECT_STREQ(L"OfficePC", NetItemDisplayName(L"OfficePC").GetString());
    EXPECT_STREQ(L"", NetItemDisplayName(L"").GetString());
}
