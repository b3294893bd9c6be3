// The rules the section readers apply while loading, and what the writers
// put back.
#include "SettingsFixture.h"
#include "shell/FileUtil.h"

namespace {
std::string Section(const char* name, const std::string& keys) {
    return std::string("    <") + name + ">\r\n" + keys + "    </" + name + ">\r\n";
}
std::string Key(const char* name, const std::string& value) {
    return std::string("        <") + name + ">" + value + "</" + name + ">\r\n";
}
}  // namespace

TEST_F(SettingsTest, MemoGroupFileRules) {
    struct Case {
        const char* stored;          // nullptr: key missing
        const wchar_t* groupFile;    // a group file present in the memo folder, or nullptr
        const wchar_t* want;
    };
    const Case cases[] = {
        {nullptr, nullptr, L"DefaultMemo.zrd"},
        {"Work.zrd", nullptr, L"Work.zrd"},
        {"RecycleBin.zrr", nullptr, L"DefaultMemo.zrd"},
        {"RecycleBin.zrr", L"Home.zrd", L"Home.zrd"},
        {"recyclebin.ZRR", L"Home.zrd", L"Home.zrd"},
        {"..\\..\\evil.zrd", nullptr, L"DefaultMemo.zrd"},
        {"sub/evil.zrd", nullptr, L"DefaultMemo.zrd"},
        {"C:evil.zrd", nullptr, L"DefaultMemo.zrd"},
        {"CON.zrd", nullptr, L"DefaultMemo.zrd"},
        {"", nullptr, L"DefaultMemo.zrd"},
    };
    for (const Case& c : cases) {
        DeleteFolderTree(folder + L"memo_data\\");
        if (c.groupFile) {
            CreateDirectoryW(folder + L"memo_data", nullptr);
            CreateDirectoryW(folder + L"memo_data\\Folder.zrd", nullptr);  // not a file
            WriteBytes(folder + L"memo_data\\" + c.groupFile, "x");
        }
        WriteConfig(c.stored ? Section("General", Key("MemoDBFile", c.stored)) : "");
        Load();
        EXPECT_EQ(g_Settings.General.MemoDBFile, CString(c.want)) << (c.stored ? c.stored : "(missing)");
    }
    // The loader makes the memo and schedule folders.
    EXPECT_NE(GetFileAttributesW(folder + L"memo_data"), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(folder + L"schedule_data\\history"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(g_Settings.MemoFolder, folder + L"memo_data\\");
    EXPECT_EQ(g_Settings.ScheduleFolder, folder + L"schedule_data\\");
}

TEST_F(SettingsTest, NumberRulesTable) {
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        int monitors;
        int (*get)();
        int want;
    };
    const Case cases[] = {
        {"General", "WorkMonitor", "3", 2, [] { return g_Settings.General.WorkMonitor; }, 1},
        {"General", "WorkMonitor", "3", 1, [] { return g_Settings.General.WorkMonitor; }, 0},
        {"General", "WorkMonitor", "1", 2, [] { return g_Settings.General.WorkMonitor; }, 1},
        {"General", "WorkMonitor", "0", 3, [] { return g_Settings.General.WorkMonitor; }, 0},
        {"General", "WorkMonitor", "-2", 2, [] { return g_Settings.General.WorkMonitor; }, 0},
        {"General", "MemoScrollSize", "0", 1, [] { return g_Settings.General.MemoScrollSize; }, 1},
        {"General", "MemoScrollSize", "25", 1, [] { return g_Settings.General.MemoScrollSize; }, 10},
        {"General", "MemoScrollSize", "4", 1, [] { return g_Settings.General.MemoScrollSize; }, 4},
        {"General", "DefaultColorType", "12", 1, [] { return g_Settings.General.DefaultColorType; }, 11},
        {"General", "DefaultColorType", "-3", 1, [] { return g_Settings.General.DefaultColorType; }, 0},
        {"General", "StartDX", "0", 1, [] { return g_Settings.General.StartDX; }, 180},
        {"General", "StartDX", "250", 1, [] { return g_Settings.General.StartDX; }, 250},
        {"General", "MaxTransVal", "300", 1, [] { return g_Settings.General.MaxTransVal; }, 255},
        {"General", "CheckInterval", "0", 1, [] { return g_Settings.General.CheckInterval; }, 1},
        {"General", "BackgroundColor", "255", 1, [] { return (int)g_Settings.General.BackgroundColor; },
         0xB5BED6},
        {"Clock", "TransVal", "-5", 1, [] { return g_Settings.Clock.TransVal; }, 0},
        {"FileShare", "Port", "70000", 1, [] { return g_Settings.FileShare.Port; }, 5330},
        {"FileShare", "ConnectTimeOut", "-1", 1, [] { return g_Settings.FileShare.ConnectTimeOut; }, 1},
        {"User", "JusoDetailCursor", "99", 1, [] { return g_Settings.User.JusoDetailCursor; }, 37},
        {"Alarm", "AutoCloseTime", "-10", 1, [] { return g_Settings.Alarm.AutoCloseTime; }, 0},
    };
    for (const Case& c : cases) {
        env.monitors = c.monitors;
        WriteConfig(Section(c.section, Key(c.key, c.stored)));
        Load();
        EXPECT_EQ(c.get(), c.want) << c.section << "/" << c.key << " = " << c.stored << " with " << c.monitors
                                   << " monitor(s)";
    }
}

TEST_F(SettingsTest, DefaultsWithoutAFile) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    const CSettings& s = g_Settings;
    EXPECT_EQ(s.System.language, L"english");
    EXPECT_EQ(s.General.MemoDBFile, L"DefaultMemo.zrd");
    EXPECT_EQ(s.General.TitleFont, L"7816192|0|0|0|14|Tahoma");
    EXPECT_EQ(s.General.FontName, L"Tahoma");
    EXPECT_EQ(s.General.BackgroundColor, 0xB5BED6u);
    EXPECT_EQ(s.DefaultTitleColor, 0xC6C6C6u);
    EXPECT_EQ(s.MemoMinWidth, 125);
    EXPECT_EQ(s.MemoMinHeight, 42);
    EXPECT_EQ(s.FoldedHeight, 18);
    EXPECT_EQ(s.Color.Type[0], 0xC6C6C6u);
    EXPECT_EQ(s.Color.Type[9], 0xCE9AFFu);
    EXPECT_EQ(s.Color.Type[11], 0x329632u);
    EXPECT_EQ(s.Clock.SkinFile, folder + L"skin\\Clock\\default\\default.xml");
    EXPECT_EQ(s.QuickMenu.SkinFile, folder + L"skin\\Menu\\default\\memo_extend.xml");
    EXPECT_EQ(s.QuickMenu.WinX, -1);
    EXPECT_EQ(s.Calendar.WinX, 279);
    EXPECT_EQ(s.Calendar.WinY, 389);
    EXPECT_EQ(s.Calendar.ShowAlarmMarks, 1);
    EXPECT_EQ(s.Clock.SpecialTime[1], 30);
    EXPECT_EQ(s.Clock.SpecialTime[4], -1);
    EXPECT_EQ(s.FileShare.MaxConnect, 5);
    EXPECT_EQ(s.FileShare.ConnectTimeOut, 10);
    EXPECT_EQ(s.FileShare.CommandTimeOut, 5);
    EXPECT_EQ(s.User.city, CString(L"\uC11C\uC6B8"));
    EXPECT_EQ(g_Settings.CaptureSaveFolder, folder + L"capture\\");
    EXPECT_EQ(g_Settings.CheckInterval, 86400);
    EXPECT_EQ(g_Settings.ReportErrors, 1);
    EXPECT_EQ(g_Settings.MemoLimit, 1000);
    EXPECT_EQ(g_Settings.HotKeyTable[0].key, 0x4E);
}

TEST_F(SettingsTest, KoreanKeyboardPicksTheKoreanFontAndSettingsOverrideIt) {
    env.country = L"korea";
    SetDefaultSettings();
    EXPECT_EQ(g_Settings.DefaultFontFace, CString(L"\uAD74\uB9BC"));
    EXPECT_EQ(g_Settings.DefaultFontSize, 12);
    ASSERT_EQ(Load(), CONFIG_MISSING);
    EXPECT_EQ(g_Settings.General.FontName, CString(L"\uAD74\uB9BC"));

    WriteConfig(Section("General", Key("DefaultFontFace", "Arial") + Key("DefaultFontSize", "9")));
    Load();
    EXPECT_EQ(g_Settings.DefaultFontFace, L"Arial");
    EXPECT_EQ(g_Settings.DefaultFontSize, 9);
}

TEST_F(SettingsTest, FirstRunAndBackgroundColourAfterASave) {
    WriteConfig(Section("General", Key("FirstRun", "1") + Key("BackgroundColor", "123")));
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.General.FirstRun, 1);
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("<FirstRun>0</FirstRun>"), std::string::npos);
    EXPECT_NE(saved.find("<BackgroundColor>11910870</BackgroundColor>"), std::string::npos);
}

TEST_F(SettingsTest, WindowSectionRules) {
    // Outside the NT family opacity is never read.
    env.ntFamily = false;
    WriteConfig(Section("Clock", Key("TransVal", "100") + Key("WinSXSY", "abc")) +
                Section("Schedule", Key("SkinFileXML", "") + Key("WinSXSY", "5")) +
                Section("Calendar", Key("TransVal", "100") + Key("TargetDay", "0") + Key("Repeat", "0")) +
                Section("QuickMenu", Key("TransVal", "100")));
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.Clock.TransVal, 255);
    EXPECT_EQ(g_Settings.Calendar.TransVal, 255);
    EXPECT_EQ(g_Settings.QuickMenu.TransVal, 255);
    EXPECT_EQ(g_Settings.Clock.WinX, 0);  // "abc" leaves the position as it was
    EXPECT_EQ(g_Settings.Clock.WinY, 0);
    EXPECT_EQ(g_Settings.Schedule.WinX, 5);    // the first field scanned, the second kept
    EXPECT_EQ(g_Settings.Schedule.WinY, 0);
    EXPECT_EQ(g_Settings.Schedule.SkinFile, folder + L"skin\\Schedule\\default\\default.xml");
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("<Clock>\r\n        <TransVal>255</TransVal>"), std::string::npos);
    EXPECT_NE(saved.find("<SkinFileXML>$(TARGETPATH)\\skin\\Schedule\\default\\default.xml</SkinFileXML>"),
              std::string::npos);
    // Calendar filter keys are never written, so the file keeps them.
    EXPECT_NE(saved.find("<TargetDay>0</TargetDay>"), std::string::npos);
    EXPECT_NE(saved.find("<Repeat>0</Repeat>"), std::string::npos);
    EXPECT_EQ(g_Settings.Calendar.TargetDay, 0);
}

TEST_F(SettingsTest, SkinPathsFollowTheInstallationFolder) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    g_Settings.Clock.SkinFile = folder + L"skin\\Clock\\blue\\blue.xml";
    g_Settings.Calendar.SkinFile = L"D:\\elsewhere\\cal.xml";
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("<SkinFileXML>$(TARGETPATH)\\skin\\Clock\\blue\\blue.xml</SkinFileXML>"),
              std::string::npos);
    EXPECT_NE(saved.find("<SkinFileXML>D:\\elsewhere\\cal.xml</SkinFileXML>"), std::string::npos);

    // The installation moves: the stored path follows it.
    CString moved = folder + L"moved\\";
    CreateDirectoryW(moved, nullptr);
    WriteBytes(moved + L"ZorelConfig.xml", saved);
    g_ProgramFolder = moved;
    g_Settings = CSettings();
    SetDefaultSettings();
    Load();
    EXPECT_EQ(g_Settings.Clock.SkinFile, moved + L"skin\\Clock\\blue\\blue.xml");
    EXPECT_EQ(g_Settings.Calendar.SkinFile, L"D:\\elsewhere\\cal.xml");
    g_ProgramFolder = folder;
}

TEST_F(SettingsTest, SharePasswordIsMadeOnceAndKept) {
    env.password = L"314159265";
    ASSERT_EQ(Load(), CONFIG_MISSING);
    EXPECT_EQ(g_Settings.FileShare.Password, L"314159265");
    ASSERT_TRUE(SaveConfig(*store));
    env.password = L"000000000";
    g_Settings = CSettings();
    SetDefaultSettings();
    Load();
    EXPECT_EQ(g_Settings.FileShare.Password, L"314159265");
}

TEST_F(SettingsTest, RealSharePasswordsAreNineRandomDigits) {
    CSettingsEnvironment real;
    CString a = real.MakeSharePassword();
    CString b = real.MakeSharePassword();
    for (const CString& p : {a, b}) {
        ASSERT_EQ(p.GetLength(), 9);
        for (int i = 0; i < 9; ++i) EXPECT_TRUE(p[i] >= L'0' && p[i] <= L'9');
    }
    EXPECT_NE(a, b);
}

TEST_F(SettingsTest, RecentMemoGoesThroughTheRegistryValue) {
    env.recentMemo = L"20260101.rtf";
    ASSERT_EQ(Load(), CONFIG_MISSING);
    EXPECT_EQ(g_Settings.RecentMemo, L"20260101.rtf");
    g_Settings.RecentMemo = L"other.rtf";
    SaveConfig(*store);
    EXPECT_EQ(env.recentMemo, L"other.rtf");
}

TEST_F(SettingsTest, IsKoreanLanguageTable) {
    struct Case {
        const wchar_t* language;
        bool want;
    };
    const Case cases[] = {{L"korea", true},  {L"KOREAN", true},   {L"Korean", true}, {L"kor", false},
                          {L"english", false}, {L"korean ", false}, {L"", false}};
    for (const Case& c : cases) {
        g_Settings.System.language = c.language;
        EXPECT_EQ(IsKoreanLanguage(), c.want) << CStringA(c.language);
    }
}

TEST_F(SettingsTest, LanguageSettingsReadAndWritten) {
    WriteConfig(Section("System", Key("language", "korean") + Key("languageID", "1") + Key("Version", "3.1.1.0")));
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.System.language, L"korean");
    EXPECT_EQ(g_Settings.System.languageID, 1);
    g_Settings.System.language = L"english";
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("<language>english</language>\r\n        <languageID>1</languageID>\r\n        "
                         "<Version>3.1.1.0</Version>"),
              std::string::npos);
}

TEST_F(SettingsTest, CaptureGuideSurvivesASaveAndReload) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    g_Settings.Capture.ShowSideGuide = 0;
    ASSERT_TRUE(SaveConfig(*store));
    g_Settings = CSettings();
    SetDefaultSettings();
    Load();
    EXPECT_EQ(g_Settings.Capture.ShowSideGuide, 0);
    EXPECT_EQ(g_Settings.Capture.ShowCenterGuide, 1);
}

TEST_F(SettingsTest, AppStoreReloadsAfterReset) {
    CSettingsStore& app = AppConfigStore();
    app.Reset();
    WriteConfig(Section("General", Key("StartDY", "120")));
    LoadConfig(app);
    EXPECT_EQ(g_Settings.General.StartDY, 120);
    // Another copy of the program rewrote the file on its way out.
    WriteConfig(Section("General", Key("StartDY", "130")));
    LoadConfig(app);
    EXPECT_EQ(g_Settings.General.StartDY, 120);  // the document was read once
    app.Reset();
    LoadConfig(app);
    EXPECT_EQ(g_Settings.General.StartDY, 130);
    EXPECT_TRUE(SaveAppConfig());
    app.Reset();
}
