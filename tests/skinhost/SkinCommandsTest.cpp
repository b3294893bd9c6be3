// The skinned windows' decisions without a window: command words, opacity
// steps, update cycles, weather links, the skin submenu and copy names.
#include "ScratchFolder.h"
#include "widgets/SkinCommands.h"
#include "widgets/SkinMenu.h"

#include "shell/ShellIds.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SkinCommandTest, WordsArgumentsAndShutdownFields) {
    struct Case {
        const wchar_t* text;
        SkinCommandKind kind;
        const wchar_t* argument;
        int seconds;
        bool force, restart, saveNotes, closeAfterFade;
    } cases[] = {
        // Words match in any case; names keep theirs.
        {L"changeskin:Blue.xml", SKIN_CMD_CHANGE_SKIN, L"Blue.xml", 0, false, false, false, false},
        {L"JumpSkin:Sub\\Red.xml", SKIN_CMD_JUMP_SKIN, L"Sub\\Red.xml", 0, false, false, false, false},
        {L"TOOLTIP_WIDGET:", SKIN_CMD_TOOLTIP_WIDGET, L"", 0, false, false, false, false},
        {L"tooltip_widget:Menu.xml", SKIN_CMD_TOOLTIP_WIDGET, L"Menu.xml", 0, false, false, false, false},
        {L"hide", SKIN_CMD_HIDE, L"", 0, false, false, false, false},
        {L"<HIDE_WINDOW>", SKIN_CMD_HIDE, L"", 0, false, false, false, false},
        {L"Close", SKIN_CMD_HIDE, L"", 0, false, false, false, false},
        {L"HIDE_OTHERS", SKIN_CMD_HIDE_OTHERS, L"", 0, false, false, false, false},
        // Shutdown words: forced or not, restart, notes saved first, closing.
        {L"SHUTDOWN", SKIN_CMD_SHUTDOWN, L"", 0, true, false, true, false},
        {L"SHUTDOWN:abc", SKIN_CMD_SHUTDOWN, L"", 0, true, false, true, false},
        {L"shutdown:15", SKIN_CMD_SHUTDOWN, L"", 15, true, false, true, false},
        {L"SAFE_SHUTDOWN:60", SKIN_CMD_SHUTDOWN, L"", 60, false, false, true, false},
        {L"SAFE_SHUTDOWN", SKIN_CMD_SHUTDOWN, L"", 0, false, false, true, false},
        {L"SAFE_SHUTDOWN_AND_CLOSE:30", SKIN_CMD_SHUTDOWN, L"", 30, false, false, false, true},
        {L"SHUTDOWN_RESTART 5", SKIN_CMD_SHUTDOWN, L"", 5, true, true, true, false},
        {L"SHUTDOWN_AND_CLOSE:7", SKIN_CMD_SHUTDOWN, L"", 7, true, false, false, true},
        // Numbers never wrap: a minus sign gives 0, a huge value stays at the top.
        {L"SHUTDOWN:-5", SKIN_CMD_SHUTDOWN, L"", 0, true, false, true, false},
        {L"SAFE_SHUTDOWN:-4294967295", SKIN_CMD_SHUTDOWN, L"", 0, false, false, true, false},
        {L"SHUTDOWN:99999999999999999999", SKIN_CMD_SHUTDOWN, L"", INT_MAX, true, false, true, false},
        {L"CANCEL_SHUTDOWN_AND_CLOSE", SKIN_CMD_CANCEL_SHUTDOWN_AND_CLOSE, L"", 0, false, false, false, false},
        {L"weather_detailid:12", SKIN_CMD_WEATHER_DETAIL, L"12", 0, false, false, false, false},
        {L"REG_USER", SKIN_CMD_REG_USER, L"", 0, false, false, false, false},
        // Anything else is the frame's, unchanged.
        {L"Notepad.exe", SKIN_CMD_OTHER, L"Notepad.exe", 0, false, false, false, false},
        {L"HIDE ", SKIN_CMD_OTHER, L"HIDE ", 0, false, false, false, false},
        {L"", SKIN_CMD_OTHER, L"", 0, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CStringA(c.text).GetString());
        SkinCommand command = ParseSkinCommand(c.text);
        EXPECT_EQ(command.kind, c.kind);
        EXPECT_EQ(command.argument, CString(c.argument));
        EXPECT_EQ(command.seconds, c.seconds);
        EXPECT_EQ(command.force, c.force);
        EXPECT_EQ(command.restart, c.restart);
        EXPECT_EQ(command.saveNotes, c.saveNotes);
        EXPECT_EQ(command.closeAfterFade, c.closeAfterFade);
    }
}

TEST(SkinCommandTest, PositionWordsGiveLevels) {
    EXPECT_EQ(ParseSkinCommand(L"POSITION_NORMAL").level, 0);
    EXPECT_EQ(ParseSkinCommand(L"position_topmost").level, 1);
    EXPECT_EQ(ParseSkinCommand(L"POSITION_DESKTOP").level, 2);
    EXPECT_EQ(ParseSkinCommand(L"POSITION_DESKTOP").kind, SKIN_CMD_POSITION);
}

TEST(SkinCommandTest, OpacityCommandsAndUpdateCycles) {
    const int alphas[] = {26, 51, 77, 102, 128, 153, 179, 204, 230, 255};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(OpacityForCommand(32844 + i), alphas[i]) << i;
    EXPECT_EQ(OpacityForCommand(32843), -1);
    EXPECT_EQ(OpacityForCommand(32854), -1);

    struct {
        double seconds;
        int ms;
    } cycles[] = {{0.005, 10}, {0.0001, 0}, {1.5, 1500}, {0.0, 0}, {-2.0, 0}, {0.001, 10}, {0.01, 10}, {1e300, 86400000}};
    for (const auto& c : cycles) EXPECT_EQ(UpdateCycleMs(c.seconds), c.ms) << c.seconds;
}

TEST(SkinCommandTest, OnlyWebPagesAreWeatherLinks) {
    EXPECT_TRUE(IsWebLink(L"http://example.com/weather"));
    EXPECT_TRUE(IsWebLink(L"HTTPS://example.com/"));
    EXPECT_FALSE(IsWebLink(L"file:///C:/Windows/notepad.exe"));
    EXPECT_FALSE(IsWebLink(L"C:\\Windows\\notepad.exe"));
    EXPECT_FALSE(IsWebLink(L"javascript:alert(1)"));
    EXPECT_FALSE(IsWebLink(L"http://example.com/\r\nx"));
    EXPECT_FALSE(IsWebLink(L""));
}

TEST(SkinMenuTest, CopyNames) {
    struct {
        const wchar_t* entered;
        const wchar_t* accepted;
    } cases[] = {
        {L"Clock_copy", L"Clock_copy"},
        {L"", L""},             // nothing entered
        {L"Clock", L""},        // unchanged
        {L"clock", L"clock"},   // a different name, by case
        {L"..\\evil", L""},     {L"a/b", L""},    {L"C:x", L""},  {L"a*b", L""},   {L"a?b", L""},
        {L"a\"b", L""},         {L"a<b", L""},    {L"a>b", L""},  {L"a|b", L""},   {L"a\tb", L""},
        {L"..", L""},           {L"a..b", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(AcceptSkinCopyName(c.entered, L"Clock"), CString(c.accepted)) << CStringA(c.entered).GetString();
    // A long name is cut to its first 128 characters.
    CString longName(L'n', 300);
    EXPECT_EQ(AcceptSkinCopyName(longName, L"Clock"), CString(L'n', 128));
}

TEST(SkinMenuTest, SkinsOneFolderDownWithTextsAndCheck) {
    CScratchFolder folder(L"skinmenu");
    CString blue = folder.Write(L"Clock\\Blue.xml", "<ZorelWidget/>");
    folder.Write(L"Clock\\Notes.txt", "x");
    folder.Write(L"Clock\\Old.xxml", "x");
    folder.Write(L"Flat.xml", "x");
    folder.Write(L"Deep\\Inner\\Deeper.xml", "x");
    std::vector<SkinMenuItem> items = ListSkinMenu(folder.Path(), blue);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].path, blue);
    EXPECT_EQ(items[0].text, CString(L"Blue"));
    EXPECT_TRUE(items[0].checked);

    // The check needs the exact path.
    CString other = blue;
    other.MakeUpper();
    EXPECT_FALSE(ListSkinMenu(folder.Path(), other)[0].checked);
    EXPECT_EQ(SkinMenuText(L".xml"), CString(L".xml"));
}

TEST(SkinMenuTest, FlatSkinFolderGivesNoChoicesAndTheListIsBounded) {
    CScratchFolder flat(L"skinflat");
    flat.Write(L"One.xml", "x");
    flat.Write(L"Two.xml", "x");
    EXPECT_TRUE(ListSkinMenu(flat.Path(), flat + L"One.xml").empty());

    CScratchFolder many(L"skinmany");
    for (int i = 0; i < 210; ++i) {
        CString name;
        name.Format(L"S%03d\\skin.xml", i);
        many.Write(name, "x");
    }
    std::vector<SkinMenuItem> items = ListSkinMenu(many.Path(), CString());
    EXPECT_EQ((int)items.size(), kSkinMenuMaxItems);
    // The last choice's id still lies below the memo-group range.
    EXPECT_LT(ID_SKIN_CHOICE_FIRST + (UINT)items.size() - 1, (UINT)ID_OPEN_GROUP_FIRST);
}

TEST(SkinMenuTest, WindowMenuPlan) {
    WindowMenuState state;
    state.level = 1;
    state.movable = false;
    state.enableDesktop = false;
    WindowMenuPlan plan = PlanWindowMenu(state);
    EXPECT_EQ(plan.checkedLevelId, (UINT)ID_POS_TOPMOST);
    EXPECT_TRUE(plan.removeDesktopLevel);
    EXPECT_TRUE(plan.checkFixLocation);
    EXPECT_TRUE(plan.removeSkinInfo);

    state.level = 3;
    state.movable = true;
    state.enableDesktop = true;
    state.hasAboutSkin = true;
    plan = PlanWindowMenu(state);
    EXPECT_EQ(plan.checkedLevelId, 0u);
    EXPECT_FALSE(plan.removeDesktopLevel);
    EXPECT_FALSE(plan.checkFixLocation);
    EXPECT_FALSE(plan.removeSkinInfo);
}
