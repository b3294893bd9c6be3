// The hot-key table: defaults, its text form in the file, display texts.
#include "SettingsFixture.h"

TEST_F(SettingsTest, HotKeyTextParsingTable) {
    struct Case {
        const wchar_t* text;
        int ctrl, alt, shift, key;
        const wchar_t* name;
    };
    // The entry starts as 0 0 1 65 "A" so kept fields are visible.
    const Case cases[] = {
        {L"1 1 0 78 N", 1, 1, 0, 78, L"N"},
        {L"1 1", 1, 1, 1, 65, L"A"},
        {L"0 1 1 -1 PageDown", 0, 1, 1, -1, L"PageDown"},
        {L"1 0 0 112 VeryLongKeyName", 1, 0, 0, 112, L"VeryLongK"},
        {L"x 1 1 1 Q", 0, 0, 1, 65, L"A"},
        {L"1 1 0 9999999999 Z", 1, 1, 0, INT_MAX, L"Z"},
        {L"  1   0   1   36   Home  ", 1, 0, 1, 36, L"Home"},
        {L"1 1 0 78", 1, 1, 0, 78, L"A"},
    };
    for (const Case& c : cases) {
        HotKeyInfo entry;
        entry.shift = 1;
        entry.key = 65;
        entry.SetName(L"A");
        ParseHotKeyText(c.text, entry);
        EXPECT_EQ(entry.ctrl, c.ctrl) << CStringA(c.text);
        EXPECT_EQ(entry.alt, c.alt) << CStringA(c.text);
        EXPECT_EQ(entry.shift, c.shift) << CStringA(c.text);
        EXPECT_EQ(entry.key, c.key) << CStringA(c.text);
        EXPECT_EQ(entry.GetName(), CString(c.name)) << CStringA(c.text);
        EXPECT_EQ(entry.name[HotKeyInfo::NameSize - 1], L'\0');
    }
}

TEST_F(SettingsTest, HotKeyTableLoadsDefaultsAndKeepsIds) {
    WriteConfig(
        "    <HotKey>\r\n"
        "        <Key05>1 1</Key05>\r\n"
        "        <Key12>0 1 1 77 M</Key12>\r\n"
        "        <Key20></Key20>\r\n"
        "        <HotKey01>C:\\tools\\app.exe</HotKey01>\r\n"
        "    </HotKey>\r\n");
    ASSERT_EQ(Load(), CONFIG_LOADED);
    for (int n = 0; n < HOTKEY_COUNT; ++n) EXPECT_EQ(g_Settings.HotKeyTable[n].id, n);
    // Key05 holds only two fields: the rest keep what a first load has.
    EXPECT_EQ(g_Settings.HotKeyTable[5].ctrl, 1);
    EXPECT_EQ(g_Settings.HotKeyTable[5].alt, 1);
    EXPECT_EQ(g_Settings.HotKeyTable[5].key, 0);
    EXPECT_EQ(g_Settings.HotKeyTable[5].GetName(), L"");
    EXPECT_EQ(g_Settings.HotKeyTable[12].ctrl, 0);
    EXPECT_EQ(g_Settings.HotKeyTable[12].shift, 1);
    EXPECT_EQ(g_Settings.HotKeyTable[20].key, 0x46);  // empty element: the default
    EXPECT_EQ(g_Settings.HotKeyTable[20].GetName(), L"F");

    ASSERT_TRUE(SaveConfig(*store));
    std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("<Key00>1 1 0 78 N</Key00>"), std::string::npos);
    EXPECT_NE(saved.find("<Key05>1 1 0 0 </Key05>"), std::string::npos);
    EXPECT_NE(saved.find("<Key24>1 1 0 -1 1</Key24>"), std::string::npos);
    EXPECT_NE(saved.find("<Key37>1 1 0 73 I</Key37>"), std::string::npos);
    EXPECT_NE(saved.find("<HotKey01>C:\\tools\\app.exe</HotKey01>"), std::string::npos);
}

TEST_F(SettingsTest, DefaultHotKeysTable) {
    struct Case {
        int id;
        int key;
        const wchar_t* name;
    };
    const Case cases[] = {{0, 0x4E, L"N"},    {1, 0x21, L"PgUp"}, {2, 0x22, L"PgDown"}, {3, 0x70, L"F1"},
                          {10, 0x77, L"F8"},  {11, 0x78, L"F9"},  {13, 0x7A, L"F11"},   {21, 0x24, L"Home"},
                          {24, -1, L"1"},     {33, -1, L"0"},     {34, 0x51, L"Q"},     {37, 0x49, L"I"}};
    for (const Case& c : cases) {
        HotKeyInfo entry;
        entry.id = 99;
        SetDefaultHotKey(c.id, entry);
        EXPECT_EQ(entry.ctrl, 1);
        EXPECT_EQ(entry.alt, 1);
        EXPECT_EQ(entry.shift, 0);
        EXPECT_EQ(entry.key, c.key) << c.id;
        EXPECT_EQ(entry.GetName(), CString(c.name)) << c.id;
        EXPECT_EQ(entry.id, 99);  // left to the caller
    }
}

TEST_F(SettingsTest, HotKeyActionNamesFollowTheTextTable) {
    LoadLanguageTexts();
    struct Case {
        int id;
        const wchar_t* want;
    };
    const Case cases[] = {{0, L"Open New Memo"}, {5, L""},           {30, L""},
                          {34, L"Exit Zorel"},   {38, L"See All Widgets"}, {39, L""},
                          {-1, L""},             {15, L"See Clender"}};
    for (const Case& c : cases) EXPECT_EQ(GetHotKeyActionName(c.id), CString(c.want)) << c.id;
    g_LanguageTable.SetAt(11131, L"Quit");
    EXPECT_EQ(GetHotKeyActionName(34), L"Quit");
}

TEST_F(SettingsTest, FormatHotKeyTextTable) {
    LoadLanguageTexts();
    struct Case {
        int ctrl, alt, shift, key;
        const wchar_t* name;
        int enabled;
        const wchar_t* want;
    };
    const Case cases[] = {
        {1, 0, 1, 0x74, L"F5", 1, L"Ctrl+Shift+F5"},
        {1, 1, 0, 0x4E, L"N", 1, L"Ctrl+Alt+N"},
        {0, 1, 0, 0x22, L"PageDown", 1, L"Alt+PageDown"},
        {1, 1, 0, -1, L"1", 1, L""},
        {1, 1, 0, 0x4E, L"N", 0, L""},
    };
    for (const Case& c : cases) {
        HotKeyInfo entry;
        entry.ctrl = c.ctrl;
        entry.alt = c.alt;
        entry.shift = c.shift;
        entry.key = c.key;
        entry.SetName(c.name);
        g_Settings.General.EnableHotKey = c.enabled;
        EXPECT_EQ(FormatHotKeyText(entry), CString(c.want));
        CString menu = FormatHotKeyMenuText(entry);
        EXPECT_EQ(menu, c.want[0] ? L"\t" + CString(c.want) : CString());
    }
}
