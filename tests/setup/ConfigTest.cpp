// The finish options in ZorelConfig.xml, against golden files; the written
// files are left for a Python check that reads them with xml.etree.
#include "SetupTestFiles.h"
#include "ScratchFolder.h"
#include "setup/SetupConfig.h"
#include "shell/FileUtil.h"
#include "shell/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A configuration last saved by the main program: its version, a hot key 12
// of the user's, a launcher slot of the user's, an empty one, a key of its
// own.
const char kSavedByProgram[] =
    "<?xml version=\"1.0\" ?>\n"
    "<ZorelConfig>\n"
    "    <System>\n"
    "        <Version>3.1.1.0</Version>\n"
    "        <language>korean</language>\n"
    "    </System>\n"
    "    <HotKey>\n"
    "        <Key12>0 1 1 90 Z</Key12>\n"
    "        <HotKey01>C:\\Tools\\editor.exe</HotKey01>\n"
    "        <HotKey02></HotKey02>\n"
    "    </HotKey>\n"
    "    <Other>\n"
    "        <Keep>as it was</Keep>\n"
    "    </Other>\n"
    "</ZorelConfig>\n";

CString Golden(const wchar_t* name) {
    return EnvFolder("ZOREL_SOURCE_DIR") + L"tests\\setup\\golden\\" + name;
}

CString Value(const CString& folder, const wchar_t* section, const wchar_t* key) {
    CSettingsStore doc;
    doc.Load(folder + L"ZorelConfig.xml");
    return ReadSetupConfigString(doc, section, key, L"(none)");
}

}  // namespace

TEST(SetupConfigTest, PresetsOverAProgramsConfigMatchGoldenFiles) {
    CString out = EnvFolder("ZOREL_SETUP_OUT");
    if (!out.IsEmpty()) EnsureFolder(out);
    for (int preset = 0; preset <= 3; ++preset) {
        for (bool korean : {false, true}) {
            CScratchFolder folder(L"finish");
            folder.Write(L"ZorelConfig.xml", kSavedByProgram);
            FinishOptions options;
            options.installFolder = folder.Path();
            options.korean = korean;
            options.preset = preset;
            options.showMenuWidget = preset != 2;
            EXPECT_EQ(1, WriteFinishOptions(options));

            CString name;
            name.Format(L"finish_preset%d%s.xml", preset, korean ? L"_ko" : L"");
            std::string written = ReadFileBytes(folder + L"ZorelConfig.xml");
            if (getenv("ZOREL_UPDATE_GOLDEN")) WriteFileBytes(Golden(name), written);
            EXPECT_EQ(ReadFileBytes(Golden(name)), written) << CStringA(name).GetString();
            if (!out.IsEmpty()) WriteFileBytes(out + name, written);
        }
    }
}

TEST(SetupConfigTest, VersionFixUpAndLauncherSlots) {
    struct Case {
        const char* version;  // null: no Version key
        const wchar_t* key12After;
        const wchar_t* versionAfter;
    } cases[] = {
        {"3.1.1.0", L"1 1 0 77 M", L"3.1.1"},
        {"3.1.1", L"0 1 1 90 Z", L"3.1.1"},
        {nullptr, L"1 1 0 77 M", L"3.1.1"},
    };
    for (const Case& c : cases) {
        CScratchFolder folder(L"fixup");
        std::string xml = "<ZorelConfig><HotKey><Key12>0 1 1 90 Z</Key12><HotKey01></HotKey01></HotKey>";
        if (c.version) xml += std::string("<System><Version>") + c.version + "</Version></System>";
        xml += "</ZorelConfig>";
        folder.Write(L"ZorelConfig.xml", xml);
        FinishOptions options;
        options.installFolder = folder.Path();
        options.preset = PRESET_LAST_OPTIONS;
        WriteFinishOptions(options);
        EXPECT_EQ(CString(c.key12After), Value(folder.Path(), L"HotKey", L"Key12")) << (c.version ? c.version : "none");
        EXPECT_EQ(CString(c.versionAfter), Value(folder.Path(), L"System", L"Version"));
        // An empty slot gets its default; the last options leave the presets alone.
        EXPECT_EQ(CString(L"shutdown_widget:5"), Value(folder.Path(), L"HotKey", L"HotKey01"));
        EXPECT_EQ(CString(L"(none)"), Value(folder.Path(), L"Clock", L"ViewMode"));
        EXPECT_EQ(CString(L"1"), Value(folder.Path(), L"QuickMenu", L"AutoStart2"));
    }
}

TEST(SetupConfigTest, NoFileGivesAFreshOne) {
    CScratchFolder folder(L"fresh");
    FinishOptions options;
    options.installFolder = folder.Path();
    options.korean = true;
    options.showMenuWidget = false;
    WriteFinishOptions(options);
    EXPECT_EQ(CString(L"korean"), Value(folder.Path(), L"System", L"language"));
    EXPECT_EQ(CString(L"3.1.1"), Value(folder.Path(), L"System", L"Version"));
    EXPECT_EQ(CString(L"2"), Value(folder.Path(), L"Schedule", L"StartMode"));
    EXPECT_EQ(CString(L"0"), Value(folder.Path(), L"QuickMenu", L"AutoStart2"));
    EXPECT_EQ((std::vector<CString>{L"ZorelConfig.xml"}), folder.List());
}

TEST(SetupConfigTest, DamagedFileIsKeptAsADatedCopy) {
    CScratchFolder folder(L"damaged");
    const std::string damaged = "<ZorelConfig><Other><Keep>as it was</Keep></Other><System><Vers";
    folder.Write(L"ZorelConfig.xml", damaged);
    FinishOptions options;
    options.installFolder = folder.Path();
    WriteFinishOptions(options);

    std::vector<CString> files = folder.List();
    ASSERT_EQ(2u, files.size());
    CString copy = files[0] == L"ZorelConfig.xml" ? files[1] : files[0];
    EXPECT_EQ(damaged, ReadFileBytes(folder + copy));
    // The new file holds what could be read and the installer's keys.
    EXPECT_EQ(CString(L"as it was"), Value(folder.Path(), L"Other", L"Keep"));
    EXPECT_EQ(CString(L"english"), Value(folder.Path(), L"System", L"language"));
}

TEST(SetupConfigTest, SingleKeysInTheOpenDocument) {
    CSettingsStore doc;
    EXPECT_EQ(CString(L"dflt"), ReadSetupConfigString(doc, L"A", L"B", L"dflt"));  // no document
    EXPECT_EQ(0, WriteSetupConfigInt(doc, L"A", L"B", 1));
    doc.Create(L"unused.xml");
    EXPECT_EQ(CString(L"dflt"), ReadSetupConfigString(doc, L"A", L"B", L"dflt"));  // no section
    EXPECT_EQ(1, WriteSetupConfigInt(doc, L"A", L"B", -7));
    EXPECT_EQ(CString(L"dflt"), ReadSetupConfigString(doc, L"A", L"C", L"dflt"));  // no key
    EXPECT_EQ(CString(L"-7"), ReadSetupConfigString(doc, L"A", L"B", L"dflt"));
    EXPECT_EQ(1, WriteSetupConfigString(doc, L"A", L"B", L"text"));
    EXPECT_EQ(CString(L"text"), ReadSetupConfigString(doc, L"A", L"B", L"dflt"));
    EXPECT_EQ(1, doc.PrintDocument().Find("<B>text</B>") >= 0 ? 1 : 0);
    EXPECT_EQ(-1, doc.PrintDocument().Find("-7"));  // replaced, not added
    WriteSetupConfigString(doc, L"A", L"Long", CString(L'x', 400));
    EXPECT_EQ(255, ReadSetupConfigString(doc, L"A", L"Long", L"").GetLength());
}
