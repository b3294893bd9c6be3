// The file written from the defaults, byte for byte.
#include "SettingsFixture.h"

#include <fstream>
#include <sstream>

namespace {
std::string GoldenPath() {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    return std::string("Z:") + (root ? root : "") + "/tests/settings/golden/ZorelConfig.xml";
}
}  // namespace

TEST_F(SettingsTest, FileWrittenFromTheDefaultsMatchesTheGoldenFile) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    ASSERT_TRUE(SaveConfig(*store));
    std::string written = ReadBytes(ConfigPath());

    std::ifstream in(GoldenPath(), std::ios::binary);
    ASSERT_TRUE(in.good()) << GoldenPath();
    std::stringstream bytes;
    bytes << in.rdbuf();
    // The file holds the ANSI code page: the default city (Korean letters)
    // reads "??" where the code page has no Hangul.
    std::string expected = bytes.str();
    const std::string cityLine = "<city>?" "?</city>";
    size_t city = expected.find(cityLine);
    ASSERT_NE(city, std::string::npos);
    expected.replace(city, cityLine.size(), "<city>" + std::string(StringToAnsi(L"\uC11C\uC6B8").GetString()) + "</city>");
    if (written != expected) {
        // Leave the new bytes beside the build for a look.
        const char* build = getenv("ZOREL_BINARY_DIR");
        std::ofstream out(std::string("Z:") + (build ? build : "") + "/ZorelConfig.actual.xml", std::ios::binary);
        out << written;
    }
    EXPECT_EQ(written, expected);

    // Loading the golden file and saving it again changes nothing.
    g_Settings = CSettings();
    SetDefaultSettings();
    ASSERT_EQ(Load(), CONFIG_LOADED);
    ASSERT_TRUE(SaveConfig(*store));
    EXPECT_EQ(ReadBytes(ConfigPath()), expected);
}
