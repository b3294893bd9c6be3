// The report's body, the due rule and the stored reply's dates.
#include "calendar/LunarCalendar.h"
#include "net/WebCheck.h"
#include "shell/WebCheckResult.h"

#include "ScratchFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

WebCheckFormInput SampleInput(WebCheckVariant variant) {
    WebCheckFormInput in;
    in.variant = variant;
    in.show = false;
    in.user = "Kim";
    in.woeid = "1132599";
    in.todayLunar = "202402010";
    in.birthType = 1;
    in.solarBirth = "19800315";
    in.lunarBirth = "19800129";
    in.sex = 1;
    in.age = 45;
    in.lifetime = 16433;
    in.birthMatch = 2;
    in.birthOrder = 44;
    in.nextBirthday = 12;
    in.cdate = "20240309";
    in.language = "Korean";
    in.country = "Korea";
    in.osver = "2.6.1";
    in.now = MakeSystemTime(2024, 3, 9, 7, 5);
    return in;
}

const char kTail[] = "&program=zorel&version=3.1.1.0&cdate=20240309&language=Korean&country=Korea&osver=2.6.1"
                     "&YEAR=24&MON=03&DAY=09&HOUR=07&MIN=05";

TEST(WebCheckForm, GoldenBodiesOfTheThreeVariants) {
    struct {
        WebCheckVariant variant;
        std::string head;
    } cases[] = {
        {WEBCHECK_FIRST_RUN,
         "&show=1&user=Kim&woeid=1132599&birthtype=1&solbirth=19800315&lunbirth=19800129&sex=1&age=45"
         "&lifetime=16433&birthmatch=2&birthorder=44&nextbirthday=12"},
        {WEBCHECK_USER_INFO,
         "&show=0&user=Kim&woeid=1132599&todaylun=202402010&birthtype=1&solbirth=19800315&lunbirth=19800129"
         "&sex=1&age=45&lifetime=16433&birthmatch=2&birthorder=44&nextbirthday=12"},
        {WEBCHECK_SHORT, "&show=0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.head + kTail, std::string(WebCheckForm(SampleInput(c.variant)).GetString())) << c.variant;
    }
    WebCheckFormInput shown = SampleInput(WEBCHECK_SHORT);
    shown.show = true;
    EXPECT_EQ(std::string("&show=1") + kTail, WebCheckForm(shown).GetString());
}

TEST(WebCheckForm, ValuesAreEncodedSoNoNameSplitsTheForm) {
    WebCheckFormInput in = SampleInput(WEBCHECK_USER_INFO);
    in.user = "Tom&Jerry=1 \xB1\xE8";  // a Korean syllable in code page 949
    in.cdate = "";
    std::string form = WebCheckForm(in).GetString();
    EXPECT_NE(std::string::npos, form.find("&user=Tom%26Jerry%3D1%20%B1%E8&woeid="));
    EXPECT_NE(std::string::npos, form.find("&cdate=%20&"));  // no stored CDate: one blank
}

TEST(WebCheckForm, HugeValuesKeepTheBodyWithinItsLimit) {
    WebCheckFormInput in = SampleInput(WEBCHECK_USER_INFO);
    in.user = CStringA('&', 5000);
    in.woeid = CStringA('w', 5000);
    in.cdate = CStringA('c', 500);
    in.language = CStringA('l', 5000);
    in.country = CStringA(' ', 5000);
    std::string form = WebCheckForm(in).GetString();
    EXPECT_LE(form.size(), (size_t)WEBCHECK_FORM_MAX);
    // Whole escapes only, and the time still closes the body.
    EXPECT_NE(std::string::npos, form.find("&user=%26%26"));
    EXPECT_EQ(std::string::npos, form.find("%2&"));
    EXPECT_NE(std::string::npos, form.find("&cdate=" + std::string(64, 'c') + "&language="));
    EXPECT_EQ("&YEAR=24&MON=03&DAY=09&HOUR=07&MIN=05", form.substr(form.size() - 37));
}

TEST(WebCheckDue, TableOfDates) {
    struct {
        const char* ndate;
        SYSTEMTIME now;
        bool due;
    } cases[] = {
        {"2024-03-10", MakeSystemTime(2024, 3, 9), false},
        {"2024-03-10", MakeSystemTime(2024, 3, 10), true},
        {"2024-03-10", MakeSystemTime(2024, 3, 11), true},       // in the past
        {"2024-04-19", MakeSystemTime(2024, 3, 10), true},       // 40 days ahead
        {"2024-04-11", MakeSystemTime(2024, 3, 11), false},      // 31 days of the count ahead
        {"2025-01-05", MakeSystemTime(2024, 12, 30), false},     // across the year
        {"2024-03-10 08:30", MakeSystemTime(2024, 3, 10, 8, 29), false},
        {"2024-03-10 08:30", MakeSystemTime(2024, 3, 10, 8, 30), true},
        {"2024-03-10 08:30", MakeSystemTime(2024, 3, 9, 23, 0), false},
        {"2024-05-10 08:30", MakeSystemTime(2024, 3, 10, 8, 30), true},  // beyond 46080 minutes
        {" ", MakeSystemTime(2024, 3, 10), true},
        {"", MakeSystemTime(2024, 3, 10), true},
        {"2024-3-10", MakeSystemTime(2024, 3, 9), true},
        {"2024-03-10T08:30", MakeSystemTime(2024, 3, 9), true},
        {"abcd-ef-gh", MakeSystemTime(2024, 3, 9), true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.due, IsCheckDue(c.ndate, c.now)) << "\"" << c.ndate << "\"";
}

TEST(WebCheckRetry, FourQuickRetriesThenADay) {
    struct {
        int previous, random, interval;
    } cases[] = {{0, 0, 1800}, {0, 1799, 3599}, {3, 1800, 1800}, {3, 12345, 1800 + 12345 % 1800}, {4, 7, 86400},
                 {10, 0, 86400}};
    for (const auto& c : cases)
        EXPECT_EQ(c.interval, CWebCheckResult::RetryInterval(c.previous, c.random)) << c.previous << " " << c.random;
}

TEST(WebCheckResultFile, DatesAreReadWithBoundsAndDefaults) {
    CScratchFolder folder(L"webcheck");
    char cdate[WEBCHECK_DATE_CAPACITY], ndate[WEBCHECK_DATE_CAPACITY];
    int crepeat = -1;

    EXPECT_FALSE(ReadCheckResult(folder + L"missing.xml", cdate, ndate, crepeat));
    EXPECT_STREQ(" ", cdate);
    EXPECT_STREQ(" ", ndate);
    EXPECT_EQ(1, crepeat);

    std::string longText(300, 'x');
    CString path = folder.Write(L"r.xml", "<ZorelCheck><System><CDate>" + longText +
                                              "</CDate><NDate>2024-03-10 08:30</NDate><CRepeat>0</CRepeat>"
                                              "</System></ZorelCheck>");
    EXPECT_TRUE(ReadCheckResult(path, cdate, ndate, crepeat));
    EXPECT_EQ(std::string(64, 'x'), cdate);
    EXPECT_STREQ("2024-03-10 08:30", ndate);
    EXPECT_EQ(0, crepeat);

    // "SYSTEM" is the main window's element, not the check's.
    path = folder.Write(L"r.xml", "<ZorelCheck><SYSTEM><NDate>2024-03-10</NDate></SYSTEM></ZorelCheck>");
    EXPECT_TRUE(ReadCheckResult(path, cdate, ndate, crepeat));
    EXPECT_STREQ(" ", ndate);
    EXPECT_EQ(1, crepeat);
}

TEST(WebCheckResultFile, WriteMakesTheFoldersAndDropsCarriageReturns) {
    CScratchFolder folder(L"webcheck");
    CString path = folder + L"system\\zorelcheck\\result.xml";
    const char body[] = "<ZorelCheck>\r\n</ZorelCheck>\r\n";
    ASSERT_TRUE(WriteCheckResult(path, body, sizeof body - 1));
    EXPECT_EQ("<ZorelCheck>\n</ZorelCheck>\n", ReadFileBytes(path));
}

TEST(WebCheckUrl, SplitsHostPortAndPath) {
    CString host, object;
    INTERNET_PORT port = 0;
    ASSERT_TRUE(SplitServiceUrl(L"http://127.0.0.1:8123/zorel/zorelcheck_250/", host, port, object));
    EXPECT_EQ(CString(L"127.0.0.1"), host);
    EXPECT_EQ(8123, port);
    EXPECT_EQ(CString(L"/zorel/zorelcheck_250/"), object);
    ASSERT_TRUE(SplitServiceUrl(CString(L"http://") + ZOREL_WEBCHECK_HOST + ZOREL_WEBCHECK_PATH, host, port, object));
    EXPECT_EQ(80, port);
    for (const wchar_t* bad : {L"ftp://a/b", L"http://:80/x", L"http://a:99999/x", L"http://a:8x/", L""})
        EXPECT_FALSE(SplitServiceUrl(bad, host, port, object)) << CStringA(bad).GetString();
}

}  // namespace

namespace {

TEST(WebCheckBirthday, MatchCodesAndOrder) {
    // Born 1980-03-15 (solar); its lunar date, and the solar day that lunar
    // date falls on in 2025, come from the calendar.
    LunarDate born = SolarToLunar(1980, 3, 15);
    ASSERT_TRUE(born.valid);
    SolarDate lunarDay2025 = LunarToSolar(2025, born.month, born.day, FALSE);
    ASSERT_TRUE(lunarDay2025.valid);
    ASSERT_FALSE(lunarDay2025.month == 3 && lunarDay2025.day == 15);
    LunarDate lunarOfComing = SolarToLunar(lunarDay2025.year, lunarDay2025.month, lunarDay2025.day);
    struct {
        bool lunarBorn;
        int year, month, day;
        int code, order;
    } cases[] = {
        {false, 2025, 3, 15, 1, 45},
        {true, 2025, 3, 15, 3, 45},
        {true, lunarDay2025.year, lunarDay2025.month, lunarDay2025.day, 2, lunarOfComing.year - born.year},
        {false, lunarDay2025.year, lunarDay2025.month, lunarDay2025.day, 4, lunarOfComing.year - born.year},
        {false, 2025, 7, 1, 0, 0},
    };
    for (const auto& c : cases) {
        BirthdayMatch match = MatchComingBirthday(c.lunarBorn, 1980, 3, 15, born.year, born.month, born.day, c.year,
                                                  c.month, c.day);
        EXPECT_EQ(c.code, match.code) << c.lunarBorn << " " << c.month << "-" << c.day;
        EXPECT_EQ(c.order, match.order) << c.lunarBorn << " " << c.month << "-" << c.day;
    }
}

}  // namespace
