#include "widgets/WidgetList.h"

#include "ScratchFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

const char kOneEntry[] =
    "<WidgetList>\r\n"
    "  <WidgetWindow>\r\n"
    "    <SkinFile Path = \"countdown\\CountDown_red.xml\"/>\r\n"
    "    <Transparence Value = \"200\"/>\r\n"
    "    <MouseOverHiding Value = \"1\"/>\r\n"
    "    <ZPosition Value = \"2\"/>\r\n"
    "    <Position X = \"-30\" Y = \"440\"/>\r\n"
    "    <AllowMove Value = \"0\"/>\r\n"
    "  </WidgetWindow>\r\n"
    "</WidgetList>";

WidgetListEntry Entry(const wchar_t* path, int alpha, int hiding, int level, int x, int y, int move) {
    WidgetListEntry e;
    e.path = path;
    e.transparence = alpha;
    e.mouseOverHiding = hiding;
    e.zPosition = level;
    e.x = x;
    e.y = y;
    e.allowMove = move;
    return e;
}

void ExpectSame(const WidgetListEntry& a, const WidgetListEntry& b) {
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.transparence, b.transparence);
    EXPECT_EQ(a.mouseOverHiding, b.mouseOverHiding);
    EXPECT_EQ(a.zPosition, b.zPosition);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.allowMove, b.allowMove);
}

TEST(WidgetList, FileBytesForAnEmptyAndAOneWidgetList) {
    CScratchFolder folder(L"widgetlist");
    CString path = CWidgetList::FilePath(folder.Path());
    EXPECT_EQ(path, folder.Path() + L"WidgetList.xml");
    ASSERT_TRUE(CWidgetList::WriteFile(path, {}));
    EXPECT_EQ(ReadFileBytes(path), "<WidgetList>\r\n</WidgetList>");
    ASSERT_TRUE(CWidgetList::WriteFile(path, {Entry(L"countdown\\CountDown_red.xml", 200, 1, 2, -30, 440, 0)}));
    EXPECT_EQ(ReadFileBytes(path), kOneEntry);
    EXPECT_EQ(folder.List().size(), 1u) << "no temporary file is left beside the list";
}

TEST(WidgetList, WriteThenReadRoundTripsEveryField) {
    CScratchFolder folder(L"widgetlist");
    CString path = CWidgetList::FilePath(folder.Path());
    // Odd folder names must not make the file unreadable and lose every widget.
    std::vector<WidgetListEntry> written = {
        Entry(L"clock\\digital.xml", 255, 0, 0, 0, 0, 1),
        Entry(L"a&b <c> \"d\"\\x.xml", 17, 1, 1, -1200, 2000, 0),
        Entry(L"disk\\disk.xml", 0, 0, 2, 5, 6, 1),
    };
    ASSERT_TRUE(CWidgetList::WriteFile(path, written));
    WidgetListEntry defaults = Entry(L"", 9, 9, 9, 9, 9, 9);
    std::vector<WidgetListEntry> read = CWidgetList::ReadFile(path, defaults);
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) ExpectSame(read[i], written[i]);
}

TEST(WidgetList, MissingPartsKeepTheDefaults) {
    WidgetListEntry defaults = Entry(L"dflt.xml", 255, 0, 1, 7, 8, 1);
    struct Case {
        const char* xml;
        WidgetListEntry expected;
    } cases[] = {
        {"<WidgetList><WidgetWindow/></WidgetList>", defaults},
        {"<WidgetList><WidgetWindow><Position X = \"12\"/></WidgetWindow></WidgetList>", Entry(L"dflt.xml", 255, 0, 1, 12, 8, 1)},
        {"<WidgetList><WidgetWindow><ZPosition/><Transparence Value=\"99px\"/></WidgetWindow></WidgetList>",
         Entry(L"dflt.xml", 99, 0, 1, 7, 8, 1)},
        {"<WidgetList><WidgetWindow><SkinFile Path=\"m\\m.xml\"/><AllowMove Value=\"x\"/></WidgetWindow></WidgetList>",
         Entry(L"m\\m.xml", 255, 0, 1, 7, 8, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        std::vector<WidgetListEntry> read = CWidgetList::ParseList(c.xml, defaults);
        ASSERT_EQ(read.size(), 1u);
        ExpectSame(read[0], c.expected);
    }
}

TEST(WidgetList, TextThatIsNoListOpensNothing) {
    for (const char* text : {"", "<Other><WidgetWindow/></Other>", "garbage", "<WidgetList>"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(CWidgetList::ParseList(text, WidgetListEntry()).empty());
    }
    CScratchFolder folder(L"widgetlist");
    EXPECT_TRUE(CWidgetList::ReadFile(folder + L"none.xml", WidgetListEntry()).empty());
}

TEST(WidgetList, MenuListsSkinsOneFolderDownOnly) {
    CScratchFolder folder(L"widgetlist");
    folder.Write(L"WidgetList.xml", "<WidgetList>\r\n</WidgetList>");
    folder.Write(L"x\\clock.xml", "<ZorelWidget/>");
    folder.Write(L"x\\readme.txt", "");
    folder.Write(L"a\\b.xml", "");
    folder.Write(L"a\\deep\\c.xml", "");
    std::vector<CString> files = CWidgetList::ListSkinFiles(folder.Path());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], folder.Path() + L"a\\b.xml");
    EXPECT_EQ(files[1], folder.Path() + L"x\\clock.xml");
    EXPECT_EQ(CWidgetList::MenuLabel(files[1]), L"clock");
    EXPECT_EQ(CWidgetList::ListSkinFiles(folder.Path(), 1).size(), 1u);
}

TEST(WidgetList, MenuStopsAtTwoHundredItems) {
    CScratchFolder folder(L"widgetlist");
    for (int i = 0; i < 205; ++i) {
        CString name;
        name.Format(L"many\\w%03d.xml", i);
        folder.Write(name, "");
    }
    EXPECT_EQ(CWidgetList::ListSkinFiles(folder.Path()).size(), 200u);
}

}  // namespace
