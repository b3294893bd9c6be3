#include "widgets/WidgetDialogRewrite.h"

#include "ScratchFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

const char kHead[] = "<ZorelWidget>\r\n<Info Update = \"1000\"/>\r\n";
const char kTail[] = "</Measure>\r\n\t<Meter  Type = \"String\"/>   \r\n</ZorelWidget>";

CountdownSetting Setting(const wchar_t* label, const wchar_t* command) {
    CountdownSetting s;
    s.year = 2027;
    s.month = 2;
    s.day = 3;
    s.hour = 4;
    s.minute = 5;
    s.second = 6;
    s.label = label;
    s.command = command;
    return s;
}

TEST(WidgetDialogRewrite, CountdownBlockIsReplacedAndOtherLinesKept) {
    const std::string replaced =
        "<Measure Type= \"CountDown\" Section= \"COUNTDOWNSECTION\">\r\n"
        "\t<Target Year = \"2027\" Month = \"2\" Day = \"3\" Hour = \"4\" Minute = \"5\"  Second = \"6\"/>\r\n"
        "\t<Label Value = \"Exam\"/>\r\n";
    struct Case {
        const char* block;
        const wchar_t* command;
        std::string expected;
    } cases[] = {
        // The button names the section in mixed case; the skin stores it upper-case.
        {"  <Measure Type = \"CountDown\" Section = \"COUNTDOWNSECTION\">\r\n\t<Target Year = \"2000\"/>\r\n"
         "\t<Label Value = \"Old\"/>\r\n\t<Command Value = \"old.exe\"/>\r\n",
         L"", replaced},
        // Tabs instead of blanks between the attributes.
        {"<Measure\tType=\"CountDown\"\tSection=\"CountDownSection\">\r\n", L"run.exe",
         replaced + "\t<Command Value = \"run.exe\"/>\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.block);
        std::string text = std::string(kHead) + c.block + kTail;
        ASSERT_TRUE(CWidgetDialogRewrite::RewriteCountdown(text, L"CountDownSection", Setting(L"Exam", c.command)));
        EXPECT_EQ(text, std::string(kHead) + c.expected + kTail);
    }
}

TEST(WidgetDialogRewrite, CountdownWithoutItsBlockLosesNoLine) {
    const char* texts[] = {
        // The start line without an end of the block after it.
        "<ZorelWidget>\r\n<Measure Type=\"CountDown\" Section=\"S\">\r\n\t<Label Value=\"x\"/>\r\n</ZorelWidget>",
        // Another section only.
        "<Measure Type=\"CountDown\" Section=\"OTHER\">\r\n</Measure>\r\n",
        "",
    };
    for (const char* original : texts) {
        SCOPED_TRACE(original);
        std::string text = original;
        EXPECT_FALSE(CWidgetDialogRewrite::RewriteCountdown(text, L"s", Setting(L"L", L"")));
        EXPECT_EQ(text, original);
    }
}

TEST(WidgetDialogRewrite, LabelsThatLookLikeMarkupAreEscaped) {
    std::string text = "<Measure Type=\"CountDown\" Section=\"S\">\n</Measure>\n";
    ASSERT_TRUE(CWidgetDialogRewrite::RewriteCountdown(text, L"s", Setting(L"a \"b\" <c> & d", L"")));
    EXPECT_NE(text.find("\t<Label Value = \"a &quot;b&quot; &lt;c&gt; &amp; d\"/>\n</Measure>\n"), std::string::npos) << text;
}

TEST(WidgetDialogRewrite, WeatherLineOfTheChosenWidgetOnly) {
    const std::string before =
        "<ZorelWidget>\r\n"
        "<Widget Type = \"Weather\" ID = \"1\">\r\n"
        "  <Weather WOEID = \"111\" Unit = \"F\"/>\r\n"
        "</Widget>\r\n"
        "<Widget\tType=\"Weather\"\tID=\"2\">\r\n"
        "  <Weather  WOEID=\"222\" Unit=\"f\"/>\r\n"
        "</Widget>\r\n"
        "<Widget Type = \"Weather\" ID = \"3\">\r\n"
        "<Weather WOEID = \"333\" Unit = \"c\"/>";
    struct Case {
        int id;
        bool fahrenheit;
        std::string oldLine, newLine;
    } cases[] = {
        {1, false, "  <Weather WOEID = \"111\" Unit = \"F\"/>\r\n", "\t<Weather WOEID = \"9&amp;9\" Unit = \"c\"/>\r\n"},
        {2, true, "  <Weather  WOEID=\"222\" Unit=\"f\"/>\r\n", "\t<Weather WOEID = \"9&amp;9\" Unit = \"f\"/>\r\n"},
        // The last line of the file has no line end and gets none.
        {3, true, "<Weather WOEID = \"333\" Unit = \"c\"/>", "\t<Weather WOEID = \"9&amp;9\" Unit = \"f\"/>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::string text = before;
        ASSERT_TRUE(CWidgetDialogRewrite::RewriteWeather(text, c.id, L"9&9", c.fahrenheit));
        std::string expected = before;
        expected.replace(expected.find(c.oldLine), c.oldLine.size(), c.newLine);
        EXPECT_EQ(text, expected);
    }
    // What the set-up dialog starts from: the chosen widget's values as written.
    struct Read {
        int id;
        const wchar_t *woeid, *unit;
    } reads[] = {{1, L"111", L"F"}, {2, L"222", L"f"}, {3, L"333", L"c"}};
    for (const Read& r : reads) {
        CString woeid, unit;
        ASSERT_TRUE(CWidgetDialogRewrite::ReadWeather(before, r.id, woeid, unit)) << r.id;
        EXPECT_EQ(woeid, r.woeid);
        EXPECT_EQ(unit, r.unit);
    }
    CString woeid, unit;
    EXPECT_FALSE(CWidgetDialogRewrite::ReadWeather(before, 4, woeid, unit));

    std::string text = before;
    EXPECT_FALSE(CWidgetDialogRewrite::RewriteWeather(text, 4, L"1", false));
    EXPECT_EQ(text, before);
}

TEST(WidgetDialogRewrite, OnlyLowerCaseFMeansFahrenheit) {
    EXPECT_TRUE(CWidgetDialogRewrite::IsFahrenheit(L"f"));
    for (const wchar_t* unit : {L"F", L"c", L"C", L"", L"ff"}) EXPECT_FALSE(CWidgetDialogRewrite::IsFahrenheit(unit)) << unit;
}

TEST(WidgetDialogRewrite, FilesAreReplacedWholeOrLeftAlone) {
    CScratchFolder folder(L"rewrite");
    std::string original = "<Measure Type=\"CountDown\" Section=\"S\">\r\n</Measure>\r\n";
    CString path = folder.Write(L"cd\\cd.xml", original);
    EXPECT_FALSE(CWidgetDialogRewrite::RewriteCountdownFile(path, L"nothere", Setting(L"x", L"")));
    EXPECT_EQ(ReadFileBytes(path), original);
    ASSERT_TRUE(CWidgetDialogRewrite::RewriteCountdownFile(path, L"s", Setting(L"x", L"")));
    EXPECT_NE(ReadFileBytes(path).find("\t<Label Value = \"x\"/>\r\n</Measure>\r\n"), std::string::npos);
    EXPECT_FALSE(CWidgetDialogRewrite::RewriteWeatherFile(folder + L"cd\\missing.xml", 1, L"1", false));
    EXPECT_FALSE(folder.Has(L"cd\\missing.xml"));
    EXPECT_EQ(folder.List(L"cd").size(), 1u);
}

}  // namespace
