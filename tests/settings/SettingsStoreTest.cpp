// The settings document: reading and writing single keys, loading, saving.
#include "SettingsFixture.h"

TEST_F(SettingsTest, ReadingKeysFollowsTheDocument) {
    WriteConfig(
        "    <General>\r\n"
        "        <Empty></Empty>\r\n"
        "        <Closed />\r\n"
        "        <Word>abc</Word>\r\n"
        "        <Lead>  42abc</Lead>\r\n"
        "        <Negative>-1</Negative>\r\n"
        "        <Huge>99999999999</Huge>\r\n"
        "        <Tiny>-99999999999</Tiny>\r\n"
        "        <Spaces>a  b   c </Spaces>\r\n"
        "        <Twice>first</Twice>\r\n"
        "        <Twice>second</Twice>\r\n"
        "        <Escaped>a &amp; &lt;b&gt; &quot;c&quot;</Escaped>\r\n"
        "    </General>\r\n");
    CSettingsStore s;
    ASSERT_EQ(s.Load(ConfigPath()), CSettingsStore::LOAD_READ);

    struct IntCase {
        const wchar_t* section;
        const wchar_t* key;
        int want;
    };
    const IntCase ints[] = {
        {L"General", L"Empty", 7},    // no text: the default
        {L"General", L"Closed", 7},
        {L"General", L"Word", 0},     // text without digits: 0, not the default
        {L"General", L"Lead", 42},
        {L"General", L"Negative", -1},
        {L"General", L"Huge", INT_MAX},
        {L"General", L"Tiny", INT_MIN},
        {L"General", L"Missing", 7},
        {L"Nowhere", L"Word", 7},
    };
    for (const IntCase& c : ints) EXPECT_EQ(s.GetConfigInt(c.section, c.key, 7), c.want) << CStringA(c.key);

    struct TextCase {
        const wchar_t* key;
        const wchar_t* want;
    };
    const TextCase texts[] = {
        {L"Empty", L""},  // no text: empty, not the default
        {L"Closed", L""},
        {L"Spaces", L"a b c"},
        {L"Twice", L"first"},
        {L"Escaped", L"a & <b> \"c\""},
        {L"Missing", L"dflt"},
    };
    for (const TextCase& c : texts)
        EXPECT_EQ(s.GetConfigString(L"General", c.key, L"dflt"), CString(c.want)) << CStringA(c.key);
}

TEST_F(SettingsTest, WritingKeysKeepsOrderAndReplacesInPlace) {
    WriteConfig(
        "    <General>\r\n"
        "        <A>1</A>\r\n"
        "        <B>2</B>\r\n"
        "        <B>3</B>\r\n"
        "    </General>\r\n");
    CSettingsStore s;
    ASSERT_EQ(s.Load(ConfigPath()), CSettingsStore::LOAD_READ);
    EXPECT_EQ(s.WriteConfigInt(L"General", L"B", -1), 1);
    EXPECT_EQ(s.WriteConfigInt(L"General", L"C", 5), 1);
    EXPECT_EQ(s.WriteConfigInt(L"General", L"C", 6), 1);
    EXPECT_EQ(s.WriteConfigString(L"New", L"Text", L"x & <y>"), 1);
    EXPECT_EQ(s.PrintDocument(),
              CStringA("<ZorelConfig>\n"
                       "    <General>\n"
                       "        <A>1</A>\n"
                       "        <B>-1</B>\n"
                       "        <B>3</B>\n"
                       "        <C>6</C>\n"
                       "    </General>\n"
                       "    <New>\n"
                       "        <Text>x &amp; &lt;y&gt;</Text>\n"
                       "    </New>\n"
                       "</ZorelConfig>\n"));
}

TEST_F(SettingsTest, LongTextsAreCutAtACharacterBoundary) {
    CSettingsStore s;
    s.Create(ConfigPath());
    s.WriteConfigString(L"S", L"Long", CString(L'x', 600));
    EXPECT_EQ(s.GetConfigString(L"S", L"Long", L"").GetLength(), 512);
    // Under code page 949 a Hangul syllable is two bytes: 511 bytes of "a"
    // followed by one would split it, so the syllable is dropped whole.
    CString mixed = CString(L'a', 511) + L"\uAC00";
    s.WriteConfigString(L"S", L"Mixed", mixed);
    CString back = s.GetConfigString(L"S", L"Mixed", L"");
    if (GetACP() == 949)
        EXPECT_EQ(back, CString(L'a', 511));
    else
        EXPECT_EQ(back.Left(511), CString(L'a', 511));
}

TEST_F(SettingsTest, WritesNeedADocument) {
    CSettingsStore s;
    EXPECT_EQ(s.WriteConfigInt(L"S", L"K", 1), 0);
    EXPECT_EQ(s.GetConfigInt(L"S", L"K", 9), 9);
    EXPECT_FALSE(s.HasDocument());
}

TEST_F(SettingsTest, ForeignTopElementStaysAndOursIsAdded) {
    WriteBytes(ConfigPath(), "<?xml version=\"1.0\" ?>\r\n<!-- mine -->\r\n<Other>\r\n    <General>\r\n        "
                             "<StartDX>300</StartDX>\r\n    </General>\r\n</Other>\r\n");
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.General.StartDX, 180);
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_EQ(saved.find("<?xml version=\"1.0\" ?>\r\n<!-- mine -->\r\n<Other>\r\n"), 0u);
    EXPECT_NE(saved.find("        <StartDX>300</StartDX>\r\n    </General>\r\n</Other>\r\n<ZorelConfig>\r\n"),
              std::string::npos);
}

TEST_F(SettingsTest, UnknownSectionsAndKeysSurviveASave) {
    WriteConfig(
        "    <MemoMacro>\r\n"
        "        <Macro0>#Y#</Macro0>\r\n"
        "    </MemoMacro>\r\n"
        "    <General>\r\n"
        "        <SortStart>40</SortStart>\r\n"
        "        <MemoScrollSize>25</MemoScrollSize>\r\n"
        "    </General>\r\n");
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.General.MemoScrollSize, 10);
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_EQ(saved.find("<ZorelConfig>\r\n    <MemoMacro>\r\n        <Macro0>#Y#</Macro0>\r\n"), 0u);
    // Read-only keys keep what the file holds.
    EXPECT_NE(saved.find("<SortStart>40</SortStart>"), std::string::npos);
    EXPECT_NE(saved.find("<MemoScrollSize>25</MemoScrollSize>"), std::string::npos);
}

TEST_F(SettingsTest, NothingIsWrittenBeforeLoading) {
    CSettingsStore s;
    EXPECT_TRUE(SaveConfig(s));
    EXPECT_TRUE(s.HasDocument());
    EXPECT_EQ(GetFileAttributesW(ConfigPath()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(env.recentWrites, 0);  // nor the registry value

    // A document filled by that early save does not hide the user's file.
    WriteConfig("    <General>\r\n        <StartDX>250</StartDX>\r\n    </General>\r\n");
    EXPECT_EQ(LoadConfig(s), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.General.StartDX, 250);
    EXPECT_TRUE(SaveConfig(s));
    EXPECT_NE(ReadBytes(ConfigPath()).find("<StartDX>250</StartDX>"), std::string::npos);
}

TEST_F(SettingsTest, MissingFileIsCreatedByTheFirstSave) {
    EXPECT_EQ(Load(), CONFIG_MISSING);
    EXPECT_EQ(GetFileAttributesW(ConfigPath()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(SaveConfig(*store));
    EXPECT_NE(ReadBytes(ConfigPath()).find("<FileShare>"), std::string::npos);
}

TEST_F(SettingsTest, DamagedFileIsKeptAsADatedCopy) {
    const std::string damaged =
        "<ZorelConfig>\r\n    <General>\r\n        <StartDX>333</StartDX>\r\n        <StartDY>77<\r\n";
    WriteBytes(ConfigPath(), damaged);
    EXPECT_EQ(Load(), CONFIG_DAMAGED);
    // What could be read is in force; the rest took its defaults.
    EXPECT_EQ(g_Settings.General.StartDX, 333);
    EXPECT_EQ(g_Settings.Clock.ViewMode, 2);
    CString copy = store->GetDamagedCopy();
    EXPECT_EQ(copy, folder + L"ZorelConfig.xml.20260304-050607.bad");
    EXPECT_EQ(ReadBytes(copy), damaged);
    EXPECT_FALSE(store->IsWriteBlocked());
    // The user was told and the old bytes are safe: later saves go ahead.
    EXPECT_TRUE(SaveConfig(*store));
    EXPECT_NE(ReadBytes(ConfigPath()).find("<StartDX>333</StartDX>"), std::string::npos);
    EXPECT_EQ(ReadBytes(copy), damaged);

    // A second damaged load in the same second gets a copy of its own.
    WriteBytes(ConfigPath(), "<ZorelConfig><");
    CSettingsStore again;
    EXPECT_EQ(LoadConfig(again), CONFIG_DAMAGED);
    EXPECT_EQ(again.GetDamagedCopy(), folder + L"ZorelConfig.xml.20260304-050607-1.bad");
}

TEST_F(SettingsTest, FileNestedTooDeepIsDamagedNotParsed) {
    // The parser would run out of stack on these; the program must start.
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<a>";
    const std::string files[] = {
        "<ZorelConfig><General><StartDX>333</StartDX></General>" + deep,
        "<ZorelConfig><General><StartDX>333</StartDX></General><b x=\"</b>\">" + deep + "</ZorelConfig>",
    };
    for (const std::string& damaged : files) {
        SCOPED_TRACE(damaged.substr(0, 80));
        WriteBytes(ConfigPath(), damaged);
        EXPECT_EQ(Load(), CONFIG_DAMAGED);
        EXPECT_EQ(g_Settings.General.StartDX, 180);  // nothing of it was read
        CString copy = store->GetDamagedCopy();
        ASSERT_FALSE(copy.IsEmpty());
        EXPECT_EQ(ReadBytes(copy), damaged);
        EXPECT_TRUE(SaveConfig(*store));
        EXPECT_NE(ReadBytes(ConfigPath()).find("<FileShare>"), std::string::npos);
        DeleteFileW(copy);
    }
}

TEST_F(SettingsTest, DamagedFileThatCannotBeCopiedIsNeverOverwritten) {
    const std::string damaged = "<ZorelConfig><General><StartDX>1";
    WriteBytes(ConfigPath(), damaged);
    // A folder stands where the copy would go.
    CreateDirectoryW(folder + L"ZorelConfig.xml.20260304-050607.bad", nullptr);
    EXPECT_EQ(Load(), CONFIG_DAMAGED);
    EXPECT_TRUE(store->IsWriteBlocked());
    EXPECT_FALSE(SaveConfig(*store));
    EXPECT_EQ(ReadBytes(ConfigPath()), damaged);
}

TEST_F(SettingsTest, FileHeldByAnotherProgramIsNeitherReadNorOverwritten) {
    WriteConfig("    <General>\r\n        <StartDX>321</StartDX>\r\n    </General>\r\n");
    std::string before = ReadBytes(ConfigPath());
    HANDLE held = CreateFileW(ConfigPath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Load(), CONFIG_DAMAGED);
    EXPECT_EQ(g_Settings.General.StartDX, 180);  // defaults in force
    EXPECT_TRUE(store->IsWriteBlocked());        // no copy could be made
    EXPECT_FALSE(SaveConfig(*store));
    CloseHandle(held);
    EXPECT_FALSE(SaveConfig(*store));  // still refused for the rest of the run
    EXPECT_EQ(ReadBytes(ConfigPath()), before);
    EXPECT_EQ(LoadConfig(*store), CONFIG_DAMAGED);  // the store remembers how the read went
}

TEST_F(SettingsTest, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    ASSERT_TRUE(SaveConfig(*store));
    std::string before = ReadBytes(ConfigPath());
    ASSERT_TRUE(SetFileAttributesW(ConfigPath(), FILE_ATTRIBUTE_READONLY));
    g_Settings.General.StartDX = 999;
    EXPECT_FALSE(SaveConfig(*store));
    EXPECT_EQ(ReadBytes(ConfigPath()), before);
    // The document keeps the value; the next save tries again.
    SetFileAttributesW(ConfigPath(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(SaveConfig(*store));
    EXPECT_NE(ReadBytes(ConfigPath()).find("<StartDX>999</StartDX>"), std::string::npos);

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder + L"*.tmp", &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(SettingsTest, Utf8FileWithByteOrderMarkStaysUtf8) {
    WriteBytes(ConfigPath(), "\xEF\xBB\xBF<ZorelConfig>\r\n    <User>\r\n        <city>\xEB\xB6\x80\xEC\x82\xB0</city>\r\n"
                             "    </User>\r\n</ZorelConfig>\r\n");
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.User.city, CString(L"\uBD80\uC0B0"));
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(saved.find("<city>\xEB\xB6\x80\xEC\x82\xB0</city>"), std::string::npos);
}

TEST_F(SettingsTest, TextsTravelInTheAnsiCodePage) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    g_Settings.Alarm.Sound = L"C:\\sounds\\caf\u00E9 \uD55C.wav";
    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    CStringA ansi = StringToAnsi(g_Settings.Alarm.Sound);
    EXPECT_NE(saved.find("<Sound>" + std::string(ansi.GetString()) + "</Sound>"), std::string::npos);
    CString expected = AnsiToString(ansi);  // what the code page can hold
    g_Settings = CSettings();
    SetDefaultSettings();
    ASSERT_EQ(Load(), CONFIG_LOADED);
    EXPECT_EQ(g_Settings.Alarm.Sound, expected);
    if (GetACP() == 949) {
        EXPECT_EQ(expected.Right(5), CString(L"\uD55C.wav"));
    }
}

TEST_F(SettingsTest, ParseIntTable) {
    struct Case {
        const char* text;
        int want;
    };
    const Case cases[] = {{"12", 12},        {"  -7x", -7},          {"+3", 3},        {"", 0},
                          {"abc", 0},        {"2147483647", INT_MAX}, {"2147483648", INT_MAX},
                          {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}, {"\t\n 5", 5}};
    for (const Case& c : cases) EXPECT_EQ(CSettingsStore::ParseInt(c.text), c.want) << c.text;
}
