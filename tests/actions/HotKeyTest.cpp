// Global hot keys: registration of the table, the operation of every id,
// repeated presses opening the keyboard, and the program and web slots.
#include "ActionTestSupport.h"

#include "shell/HotKeyDispatcher.h"
#include "shell/HotKeyRegistrar.h"
#include "shell/HotKeyTable.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/SettingsStore.h"

namespace {

class CRecordingRegistrar : public IHotKeyRegistrar {
public:
    CallLog log;
    bool Register(int id, UINT modifiers, UINT key) override {
        log.push_back(Call(L"Register(%d,%u,%u)", id, modifiers, key));
        return true;
    }
    void Unregister(int id) override { log.push_back(Call(L"Unregister(%d)", id)); }
};

class HotKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Settings = CSettings();
        for (int id = 0; id < HOTKEY_COUNT; ++id) {
            SetDefaultHotKey(id, g_Settings.HotKeyTable[id]);
            g_Settings.HotKeyTable[id].id = id;
        }
        g_Settings.General.EnableHotKey = 1;
        g_Settings.General.ActiveMemoCount = 5;
        g_Settings.General.HotKeyClockViewTime = 3;
        g_LanguageTable.RemoveAll();
        g_LanguageTable.SetAt(10081, L"Input the program to run.");
        g_LanguageTable.SetAt(10082, L"Input the web site address to go.");
        g_DirectHotKeyboardOpen = false;
        AppConfigStore().Reset();
        AppConfigStore().Create(L"C:\\nowhere\\ZorelConfig.xml");
        SetHotKeyRegistrar(&registrar);
    }
    void TearDown() override {
        SetHotKeyRegistrar(nullptr);
        AppConfigStore().Reset();
        g_DirectHotKeyboardOpen = false;
        g_LanguageTable.RemoveAll();
        g_Settings = CSettings();
    }

    void Press(int id, DWORD at) { dispatcher.OnHotKey(id, at); }

    CRecordingRegistrar registrar;
    CRecordingFrame frame;
    CHotKeyDispatcher dispatcher{frame, frame};
};

TEST_F(HotKeyTest, AllThirtyEightRegisterWhenEnabledAndNoneWhenDisabled) {
    for (int id = 0; id < HOTKEY_COUNT; ++id) {
        g_Settings.HotKeyTable[id].ctrl = id % 2;
        g_Settings.HotKeyTable[id].alt = 1;
        g_Settings.HotKeyTable[id].shift = id % 3 == 0;
        g_Settings.HotKeyTable[id].key = 0x41 + id % 26;
    }
    RegisterHotKeys();
    ASSERT_EQ(registrar.log.size(), 38u);
    for (int id = 0; id < HOTKEY_COUNT; ++id) {
        UINT mods = MOD_ALT | (id % 2 ? MOD_CONTROL : 0) | (id % 3 == 0 ? MOD_SHIFT : 0);
        EXPECT_EQ(registrar.log[id], Call(L"Register(%d,%u,%u)", id, mods, 0x41 + id % 26));
    }

    registrar.log.clear();
    g_Settings.General.EnableHotKey = 0;
    RegisterHotKeys();
    EXPECT_TRUE(registrar.log.empty());

    // Taking them away does not ask EnableHotKey.
    UnregisterHotKeys();
    EXPECT_EQ(registrar.log.size(), 38u);
    EXPECT_EQ(registrar.log.front(), L"Unregister(0)");
}

TEST_F(HotKeyTest, EntriesWithoutAKeyAreLeftAlone) {
    RegisterHotKeys();  // the defaults: ids 24 to 33 have no key
    EXPECT_EQ(registrar.log.size(), 28u);
    EXPECT_EQ(registrar.log[0], Call(L"Register(0,%u,%u)", MOD_CONTROL | MOD_ALT, 0x4E));

    registrar.log.clear();
    UpdateHotKey(24, true);
    UpdateHotKey(0, true);
    UpdateHotKey(0, false);
    UpdateHotKey(38, true);
    UpdateHotKey(-1, false);
    EXPECT_EQ(registrar.log, (CallLog{L"Unregister(24)", Call(L"Register(0,%u,%u)", MOD_CONTROL | MOD_ALT, 0x4E),
                                      L"Unregister(0)"}));
}

TEST_F(HotKeyTest, PressesWithinHalfASecondOpenOneKeyboard) {
    Press(0, 10000);
    Press(0, 10200);
    Press(0, 10400);
    EXPECT_EQ(frame.log, (CallLog{L"NewMemo", L"CloseSpotlight", L"OpenDirectHotKeyboard(0)"}));
    EXPECT_TRUE(g_DirectHotKeyboardOpen);

    // Once the keyboard has gone, a press long after is a new operation.
    g_DirectHotKeyboardOpen = false;
    frame.log.clear();
    Press(0, 20000);
    Press(0, 20600);
    EXPECT_EQ(frame.log, (CallLog{L"NewMemo", L"NewMemo"}));

    // Another key in between is no repeat.
    frame.log.clear();
    Press(1, 30000);
    Press(2, 30100);
    Press(1, 30200);
    EXPECT_EQ(frame.log, (CallLog{L"ShowAllMemos(1)", L"ShowAllMemos(0)", L"ShowAllMemos(1)"}));
}

TEST_F(HotKeyTest, RepeatAcrossTheTickCountWrap) {
    Press(0, 0xFFFFFF00u);
    Press(0, 0x00000010u);
    EXPECT_EQ(frame.log, (CallLog{L"NewMemo", L"CloseSpotlight", L"OpenDirectHotKeyboard(0)"}));
}

TEST_F(HotKeyTest, AKeyboardThatCannotBeCreatedDoesNotBlockTheNext) {
    frame.keyboardCreates = false;
    Press(5, 1000);
    frame.log.clear();
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKey03", L"NEW_MEMO");
    Press(5, 1100);
    EXPECT_FALSE(g_DirectHotKeyboardOpen);
    frame.keyboardCreates = true;
    Press(5, 1200);
    EXPECT_TRUE(g_DirectHotKeyboardOpen);
    EXPECT_EQ(frame.log, (CallLog{L"CloseSpotlight", L"OpenDirectHotKeyboard(5)", L"CloseSpotlight",
                                  L"OpenDirectHotKeyboard(5)"}));
}

TEST_F(HotKeyTest, WhileAKeyboardIsOpenRepeatsOpenNoSecond) {
    g_DirectHotKeyboardOpen = true;
    Press(14, 100);
    frame.log.clear();
    Press(14, 200);
    EXPECT_TRUE(frame.log.empty());
}

struct OperationCase {
    int id;
    CallLog calls;
};

TEST_F(HotKeyTest, EveryFixedIdHasItsOperation) {
    g_Settings.QuickMenu.DockMode = 1;
    frame.hasSchedule = false;
    const OperationCase cases[] = {
        {0, {L"NewMemo"}},
        {1, {L"ShowAllMemos(1)"}},
        {2, {L"ShowAllMemos(0)"}},
        {11, {L"OpenSettings(-1,-1)"}},
        {12, {L"ShowQuickMenu(1)"}},
        {13, {L"OpenScheduleManager"}},
        {16, {L"StartCapture(0)"}},
        {18, {L"NewMemoFromClipboard"}},
        {19, {L"ShowDesktop(1)"}},
        {20, {L"OpenMemoSearch"}},
        {21, {L"ShowAllWidgets(1)"}},
        {22, {L"ShowAllWidgets(0)"}},
        {23, {L"StartCapture(1)"}},
        {34, {L"ExitProgram"}},
        {35, {L"ShowRecentMemo(5)"}},
        {36, {L"OpenPasswordManager(0)"}},
        {37, {L"ExecuteAction(TODAY_INFO)"}},
        {38, {}},
        {-1, {}},
    };
    DWORD now = 1000;
    for (const OperationCase& c : cases) {
        frame.log.clear();
        Press(c.id, now += 1000);
        EXPECT_EQ(frame.log, c.calls) << c.id;
    }

    // An undocked quick menu also shows with its effect.
    g_Settings.QuickMenu.DockMode = 0;
    frame.log.clear();
    Press(12, now += 1000);
    EXPECT_EQ(frame.log, (CallLog{L"ShowQuickMenu(1)", L"quickmenu.ShowWithEffect"}));
}

struct SlotCase {
    int id;
    const wchar_t* key;
    const wchar_t* message;
    int item;
};

TEST_F(HotKeyTest, AnEmptySlotAsksForItsTargetAndOpensItsPage) {
    const SlotCase cases[] = {
        {3, L"HotKey01", L"Input the program to run.", 0},
        {6, L"HotKey04", L"Input the program to run.", 3},
        {7, L"HotKey05", L"Input the web site address to go.", 100},
        {10, L"HotKey08", L"Input the web site address to go.", 103},
        {24, L"HotKeyEx01", L"Input the program to run.", 4},
        {28, L"HotKeyEx05", L"Input the program to run.", 8},
        {29, L"HotKeyEx06", L"Input the web site address to go.", 104},
        {33, L"HotKeyEx10", L"Input the web site address to go.", 108},
    };
    DWORD now = 1000;
    for (const SlotCase& c : cases) {
        EXPECT_EQ(GetHotKeySlotKey(c.id), c.key);
        frame.log.clear();
        Press(c.id, now += 1000);
        EXPECT_EQ(frame.log, (CallLog{Call(L"MessageBox(%s)", c.message), Call(L"OpenSettings(3,%d)", c.item)}))
            << c.id;
    }
}

TEST_F(HotKeyTest, SlotTargetsRunAsActionsOrStartWithTheShell) {
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKey01", L"%SYSTEM%calc.exe");
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKey02", L"%WINDOWS%notepad.exe");
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKey05", L"%SYSTEM%http://example.com/");
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKeyEx01", L"NEW_MEMO");

    Press(3, 1000);
    Press(4, 2000);
    Press(7, 3000);
    EXPECT_EQ(frame.log, (CallLog{L"RunAction(C:\\windows\\system32\\calc.exe)",
                                  L"ShellOpen(C:\\windows\\system32\\calc.exe)",
                                  L"RunAction(C:\\windows\\notepad.exe)", L"ShellOpen(C:\\windows\\notepad.exe)",
                                  L"RunAction(%SYSTEM%http://example.com/)",
                                  L"ShellOpen(%SYSTEM%http://example.com/)"}));

    frame.log.clear();
    frame.runActionResult = true;
    Press(24, 4000);
    EXPECT_EQ(frame.log, CallLog{L"RunAction(NEW_MEMO)"});

    // An unknown Windows folder leaves the text as it is.
    frame.log.clear();
    frame.runActionResult = false;
    frame.windowsFolder.Empty();
    Press(4, 5000);
    EXPECT_EQ(frame.log, (CallLog{L"RunAction(%WINDOWS%notepad.exe)", L"ShellOpen(%WINDOWS%notepad.exe)"}));
}

struct ViewCase {
    const char* name;
    int viewMode;
    int toggle;
    bool visible;
    int level;
    CallLog calls;
};

TEST_F(HotKeyTest, ClockShowsHidesOrRaisesBySettings) {
    const ViewCase cases[] = {
        {"view mode: a while", 1, 0, false, 0,
         {L"clock.ArmAutoHide(1,3000)", L"clock.SetForeground", L"clock.AddToSpotlight"}},
        {"view mode, on top", 1, 1, true, 1, {L"clock.ArmAutoHide(1,3000)", L"clock.AddToSpotlight"}},
        {"toggle hides", 0, 1, true, 0, {L"clock.FadeOut", L"clock.AddToSpotlight"}},
        {"raise, normal", 0, 0, true, 0,
         {L"clock.ArmAutoHide(1,-1)", L"clock.SetForeground", L"clock.ShowWithEffect", L"clock.AddToSpotlight"}},
        {"raise, on top", 0, 1, false, 1,
         {L"clock.ArmAutoHide(1,-1)", L"clock.SetZPosition(1,1)", L"clock.SetForeground", L"clock.ShowWithEffect",
          L"clock.AddToSpotlight"}},
        {"raise, desktop level", 0, 0, false, 2,
         {L"clock.ArmAutoHide(1,-1)", L"clock.ShowWithEffect", L"clock.AddToSpotlight"}},
    };
    DWORD now = 1000;
    for (const ViewCase& c : cases) {
        g_Settings.Clock.ViewMode = c.viewMode;
        g_Settings.General.HotKeyToggle = c.toggle;
        frame.clock.visible = c.visible;
        frame.clock.level = c.level;
        frame.log.clear();
        Press(14, now += 1000);
        EXPECT_EQ(frame.log, c.calls) << c.name;
    }
    frame.hasClock = false;
    frame.log.clear();
    Press(14, now += 1000);
    EXPECT_TRUE(frame.log.empty());
}

TEST_F(HotKeyTest, CalendarToggles) {
    g_Settings.General.HotKeyToggle = 1;
    frame.calendar.visible = true;
    Press(15, 1000);
    EXPECT_EQ(frame.log, CallLog{L"calendar.FadeOut"});

    frame.log.clear();
    frame.calendar.visible = false;
    Press(15, 2000);
    EXPECT_EQ(frame.log,
              (CallLog{L"calendar.ArmAutoHide(1,-1)", L"calendar.SetForeground", L"calendar.ShowWithEffect"}));

    // Without the toggle a visible calendar is brought forward again.
    frame.log.clear();
    g_Settings.General.HotKeyToggle = 0;
    frame.calendar.visible = true;
    Press(15, 3000);
    EXPECT_EQ(frame.log,
              (CallLog{L"calendar.ArmAutoHide(1,-1)", L"calendar.SetForeground", L"calendar.ShowWithEffect"}));
}

TEST_F(HotKeyTest, DayScheduleOpensOrToggles) {
    frame.hasSchedule = false;
    Press(17, 1000);
    EXPECT_EQ(frame.log, (CallLog{L"ShowDaySchedule(1)", L"schedule.SetForeground", L"schedule.ShowWithEffect"}));

    frame.log.clear();
    g_Settings.General.HotKeyToggle = 1;
    frame.schedule.visible = true;
    Press(17, 2000);
    EXPECT_EQ(frame.log, CallLog{L"schedule.FadeOut"});

    frame.log.clear();
    frame.schedule.visible = false;
    frame.schedule.level = 1;
    Press(17, 3000);
    EXPECT_EQ(frame.log, (CallLog{L"ShowDaySchedule(1)", L"schedule.SetZPosition(1,1)", L"schedule.SetForeground",
                                  L"schedule.ShowWithEffect"}));
}

}  // namespace
