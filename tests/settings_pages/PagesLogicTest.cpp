// The value mapping of the note defaults, shortcut and clock pages, without
// windows: stored numbers (possibly edited by hand) against the items the
// lists show and the values the pages store.
#include "ScratchFolder.h"
#include "shell/ClockPageLogic.h"
#include "shell/HotKeyPageLogic.h"
#include "shell/MemoSetupLogic.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TransparencyText, IntegerPartOfValueOver255Hundredths) {
    struct Case {
        int value;
        const wchar_t* text;
    } cases[] = {{255, L"100 %"}, {254, L"99 %"}, {128, L"50 %"}, {26, L"10 %"}};
    for (const Case& c : cases) EXPECT_EQ(TransparencyPercentText(c.value), CString(c.text)) << c.value;
    EXPECT_EQ(ClampTransparency(0), 26);
    EXPECT_EQ(ClampTransparency(999), 255);
}

TEST(MemoSetupLogic, StoredNumbersPickItemsInRangeAndStoreTheirValues) {
    // stored StartDX / check interval / monitor / tip mode + hiding -> shown and stored
    struct Case {
        int startDX, interval, monitor, tipMode, hiding;
        int shownDX, shownInterval, shownMonitor;
        int storedDX, storedInterval, storedMonitor, storedHiding;
        bool intervalChanged;
    } cases[] = {
        {185, 15, 0, 0, 1, 8, 2, 0, 180, 15, 0, 1, false},
        {180, 7, 3, 2, 1, 8, 0, 1, 180, 5, 1, 0, true},     // not in the table: 5; monitor 3 of 2: the last
        {99999, 300, -4, 4, 1, 20, 7, 0, 300, 300, 0, 0, false},  // beyond the list: its last item
        {-50, 60, 1, 9, 0, 0, 4, 1, 100, 60, 1, 0, false},  // below the list: its first; tip mode clamped
    };
    for (const Case& c : cases) {
        CSettings::GeneralSection g;
        g.StartDX = c.startDX;
        g.StartDY = 100;
        g.ContractDX = 180;
        g.CheckInterval = c.interval;
        g.WorkMonitor = c.monitor;
        g.MemoTipMode = c.tipMode;
        g.MouseOverHiding = c.hiding;
        g.MaxTransVal = g.MinTransVal = 255;
        CMemoSetupLogic f;
        f.Load(g, 2, false);
        EXPECT_EQ(f.startDX, c.shownDX) << c.startDX;
        EXPECT_EQ(f.checkInterval, c.shownInterval) << c.interval;
        EXPECT_EQ(f.workMonitor, c.shownMonitor) << c.monitor;
        EXPECT_EQ(f.startDY, 4);
        EXPECT_EQ(f.contractDX, 12);
        EXPECT_EQ(f.Store(g, 2), c.intervalChanged) << c.interval;
        EXPECT_EQ(g.StartDX, c.storedDX) << c.startDX;
        EXPECT_EQ(g.CheckInterval, c.storedInterval) << c.interval;
        EXPECT_EQ(g.WorkMonitor, c.storedMonitor) << c.monitor;
        EXPECT_EQ(g.MouseOverHiding, c.storedHiding) << c.tipMode;
        EXPECT_EQ(g.StartDY, 100);
        EXPECT_EQ(g.ContractDX, 180);
    }
}

TEST(MemoSetupLogic, TablesAndDefaults) {
    EXPECT_EQ(CMemoSetupLogic::CheckIntervalMinutes(9), 10);  // taken modulo the table
    EXPECT_EQ(CMemoSetupLogic::CheckIntervalMinutes(-1), 300);
    EXPECT_EQ(CMemoSetupLogic::TextSizeIndex(72), 15);
    EXPECT_EQ(CMemoSetupLogic::TextSizeIndex(13), 2);  // not offered: 10
    EXPECT_EQ(CMemoSetupLogic::ClampZPosition(2, false), 1);
    EXPECT_EQ(CMemoSetupLogic::ClampZPosition(2, true), 2);

    CMemoSetupLogic f;
    f.startDX = 0;
    f.tipMode = 0;
    f.mouseOverHiding = 1;
    f.fontName = L"Gulim";
    f.bold = 1;
    f.checkInterval = 7;
    f.SetDefaults();
    EXPECT_EQ(f.startDX, 8);
    EXPECT_EQ(f.tipMode, 4);
    EXPECT_EQ(f.mouseOverHiding, 0);
    EXPECT_EQ(f.checkInterval, 2);
    EXPECT_EQ(f.inactiveTitleCol, (COLORREF)0x804000);
    // Font, style toggles and monitor are left as they were.
    EXPECT_EQ(f.fontName, CString(L"Gulim"));
    EXPECT_EQ(f.bold, 1);
}

TEST(ClockPageLogic, StoredValuesShowAndStoreThroughTheirLists) {
    CSettings s;
    s.General.HotKeyClockViewTime = 40;  // beyond the 15 items
    s.Clock.ViewMode = 7;
    s.Clock.SpecialTime[0] = 0;
    s.Clock.SpecialTime[1] = -1;
    s.Clock.SpecialTime[2] = 45;
    s.Clock.SpecialTime[3] = 0;   // no item 0 minutes: "OFF"
    s.Clock.SpecialTime[4] = 75;  // out of range: "OFF"
    s.Clock.ViewingBeforeTime = 3;
    s.Clock.ViewingAfterTime = 0;
    s.Clock.TransVal = 3;
    CClockPageLogic f;
    f.Load(s, false);
    EXPECT_EQ(f.viewTime, 14);
    EXPECT_EQ(f.viewMode, 2);
    EXPECT_EQ(f.everyHour, 1);
    EXPECT_EQ(f.everyHalfHour, 0);
    EXPECT_EQ(f.userMinute[0], 45);
    EXPECT_EQ(f.userMinute[1], 0);
    EXPECT_EQ(f.userMinute[2], 0);
    EXPECT_EQ(f.before, 2);
    EXPECT_EQ(f.after, 0);
    EXPECT_EQ(f.transVal, 26);

    f.Store(s);
    EXPECT_EQ(s.General.HotKeyClockViewTime, 15);
    EXPECT_EQ(s.Clock.SpecialTime[0], 0);
    EXPECT_EQ(s.Clock.SpecialTime[1], -1);
    EXPECT_EQ(s.Clock.SpecialTime[2], 45);
    EXPECT_EQ(s.Clock.SpecialTime[3], -1);
    EXPECT_EQ(s.Clock.SpecialTime[4], -1);
    EXPECT_EQ(s.Clock.ViewingBeforeTime, 3);
    EXPECT_EQ(s.Clock.ViewingAfterTime, 1);
}

TEST(ClockPageLogic, SoundChoicesEndInTheStoredPair) {
    // Basic, then a file, then "Not Use": nothing is left of either.
    CClockPageLogic f;
    CSettings s;
    f.ChooseSound(CClockPageLogic::SOUND_BASIC);
    EXPECT_EQ(CClockPageLogic::SoundItem(f.soundBasic, f.soundFile), CClockPageLogic::SOUND_BASIC);
    f.ChooseSoundFile(L"C:\\sounds\\bell.wav");
    EXPECT_EQ(CClockPageLogic::SoundItem(f.soundBasic, f.soundFile), CClockPageLogic::SOUND_FILE);
    f.Store(s);
    EXPECT_EQ(s.Clock.AlarmSoundDefault, 0);
    EXPECT_EQ(s.Clock.AlarmSoundFile, CString(L"C:\\sounds\\bell.wav"));
    f.ChooseSound(CClockPageLogic::SOUND_NONE);
    f.Store(s);
    EXPECT_EQ(s.Clock.AlarmSoundDefault, 0);
    EXPECT_TRUE(s.Clock.AlarmSoundFile.IsEmpty());
    f.ChooseSound(CClockPageLogic::SOUND_BASIC);
    f.Store(s);
    EXPECT_EQ(s.Clock.AlarmSoundDefault, 1);
    EXPECT_TRUE(s.Clock.AlarmSoundFile.IsEmpty());
}

TEST(ClockSkins, OnlySkinsOneFolderDownAreListed) {
    CScratchFolder folder(L"clock-skins");
    folder.Write(L"skin\\Clock\\top.xml", "<Skin/>");
    folder.Write(L"skin\\Clock\\Round\\Round.xml", "<Skin/>");
    folder.Write(L"skin\\Clock\\Round\\readme.txt", "x");
    folder.Write(L"skin\\Clock\\Deep\\inner\\deep.xml", "<Skin/>");
    std::vector<ClockSkinEntry> skins = ListClockSkins(folder + L"skin\\Clock\\");
    ASSERT_EQ(skins.size(), 1u);
    EXPECT_EQ(skins[0].name, CString(L"Round"));
    EXPECT_EQ(skins[0].path, folder + L"skin\\Clock\\Round\\Round.xml");
    EXPECT_EQ(FindClockSkinItem(skins, (folder + L"SKIN\\clock\\round\\ROUND.XML")), 1);
    EXPECT_EQ(FindClockSkinItem(skins, L""), 0);
    EXPECT_TRUE(ListClockSkins(folder + L"missing\\").empty());
}

TEST(HotKeyPageLogic, RequestedSlotsLeadToTheirSubPageAndField) {
    struct Case {
        int request, subPage, slot;
    } cases[] = {{-1, -1, -1}, {0, HOTKEY_SUB_RUN, 0}, {8, HOTKEY_SUB_RUN, 8}, {9, HOTKEY_SUB_RUN, -1},
                 {100, HOTKEY_SUB_WEB, 0}, {102, HOTKEY_SUB_WEB, 2}, {140, HOTKEY_SUB_WEB, -1}};
    for (const Case& c : cases) {
        HotKeySlotRequest r = ResolveHotKeySlot(c.request);
        EXPECT_EQ(r.subPage, c.subPage) << c.request;
        EXPECT_EQ(r.slot, c.slot) << c.request;
    }
    EXPECT_STREQ(GetHotKeyPageSlot(HOTKEY_SUB_RUN, 4).key, L"HotKeyEx01");
    EXPECT_EQ(GetHotKeyPageSlot(HOTKEY_SUB_RUN, 4).hotKeyId, 24);
    EXPECT_EQ(GetHotKeyPageSlot(HOTKEY_SUB_WEB, 3).hotKeyId, 10);
    EXPECT_EQ(GetHotKeyPageSlot(HOTKEY_SUB_WEB, 8).runButton, 2113u);
    EXPECT_EQ(GetHotKeyPageSlot(HOTKEY_SUB_WEB, 0).browseButton, 0u);
}

TEST(HotKeyPageLogic, BrowseFilterNamesScreenSaversByExtension) {
    std::wstring filter = kRunSlotBrowseFilter;
    EXPECT_NE(filter.find(L";*.scr|"), std::wstring::npos);
    EXPECT_EQ(filter.find(L";*scr"), std::wstring::npos);
}

TEST(HotKeyPageLogic, ActionsRunInsideTheShellOpensTheRest) {
    struct Case {
        const wchar_t* text;
        bool action, opens;
        HotKeyRunResult result;
        int shellCalls;
    } cases[] = {
        {L"", true, true, HOTKEY_RUN_EMPTY, 0},
        {L"NEW_MEMO", true, true, HOTKEY_RUN_ACTION, 0},
        {L"notepad.exe", false, true, HOTKEY_RUN_OPENED, 1},
        {L"no such thing", false, false, HOTKEY_RUN_FAILED, 1},
    };
    for (const Case& c : cases) {
        int shellCalls = 0;
        HotKeyRunResult result = RunHotKeyText(
            c.text, [&](const CString&) { return c.action; },
            [&](const CString&) {
                ++shellCalls;
                return c.opens;
            });
        EXPECT_EQ(result, c.result) << c.text;
        EXPECT_EQ(shellCalls, c.shellCalls) << c.text;
    }
}
