// The decisions of the shutdown timer, the countdown set-up, the region
// table and the skin editor, without windows.
#include "ScratchFolder.h"
#include "TestFiles.h"
#include "shell/SafeFileWriter.h"
#include "tools/ShutdownTimerLogic.h"
#include "widgets/CountDownSet.h"
#include "widgets/RegUserDlgRegions.h"
#include "widgets/SkinInfoDlg.h"

#include <gtest/gtest.h>

#include <set>

TEST(ShutdownTimerLogic, DelayAndActionStringFromTheAmountAndUnit) {
    struct Case {
        long long amount;
        int unit, action;
        int delay;
        const wchar_t* text;
    } cases[] = {
        {30, 1, 0, 1800, L"SHUTDOWN:30"},
        {2, 1, 0, 120, L"SHUTDOWN:10"},
        {45, 0, 0, 45, L"SHUTDOWN"},
        {60, 0, 1, 60, L"SAFE_SHUTDOWN"},
        {61, 0, 1, 61, L"SAFE_SHUTDOWN:10"},
        {300, 0, 2, 300, L"SHUTDOWN_RESTART:10"},
        {301, 0, 2, 301, L"SHUTDOWN_RESTART:30"},
        {10, 0, 3, 10, L"LOG_OFF"},
        {2, 1, 3, 120, L"LOG_OFF"},
        {5, 2, 3, 18000, L"LOG_OFF"},
        {9000, 2, 0, 31536000, L"SHUTDOWN:30"},
        {0, 1, 0, 10, L"SHUTDOWN"},
        {-5, 2, 0, 10, L"SHUTDOWN"},
        // A product past 32 bits is clamped, never wrapped into a short delay.
        {2147483647LL, 2, 0, 31536000, L"SHUTDOWN:30"},
        {1193047, 2, 0, 31536000, L"SHUTDOWN:30"},
    };
    for (const Case& c : cases) {
        int delay = CShutdownTimerLogic::ClampDelay(CShutdownTimerLogic::AmountSeconds(c.amount, c.unit));
        EXPECT_EQ(c.delay, delay) << c.amount << " unit " << c.unit;
        EXPECT_EQ(CString(c.text), CShutdownTimerLogic::ActionString(c.action, delay)) << c.amount;
    }
}

TEST(ShutdownTimerLogic, ADateAndTimeGiveTheSecondsUntilItAndThePastGivesTheMinimum) {
    __time64_t now = _time64(nullptr);
    SYSTEMTIME ahead = {};
    ASSERT_TRUE(CShutdownTimerLogic::LocalParts(now + 7200, ahead));
    long long until =
        CShutdownTimerLogic::SecondsUntil(now, ahead.wYear, ahead.wMonth, ahead.wDay, ahead.wHour, ahead.wMinute);
    EXPECT_EQ(7200 - ahead.wSecond, until);
    EXPECT_EQ(10, CShutdownTimerLogic::ClampDelay(CShutdownTimerLogic::SecondsUntil(now, 2001, 5, 1, 9, 30)));
    EXPECT_EQ(L"07h 05m", CShutdownTimerLogic::TimeText(L"#HH#h #MM#m", 7, 5));
}

TEST(CountDownSetLogic, LaterTargetsTheAmountInItsUnitAndTheLabelKeeps128Characters) {
    __time64_t now = _time64(nullptr);
    struct Case {
        int amount, unit;
        long long seconds;
    } cases[] = {{90, 1, 5400}, {90, 0, 90}, {3, 2, 10800}};
    for (const Case& c : cases) {
        SYSTEMTIME target = {}, expected = {};
        ASSERT_TRUE(CCountDownSet::LaterTarget(now, c.amount, c.unit, target));
        ASSERT_TRUE(CShutdownTimerLogic::LocalParts(now + c.seconds, expected));
        EXPECT_EQ(0, memcmp(&expected, &target, sizeof(target))) << c.amount << " unit " << c.unit;
    }
    CString label(L'x', 200);
    EXPECT_EQ(128, CCountDownSet::CutLabel(label).GetLength());
    EXPECT_EQ(CString(L"short"), CCountDownSet::CutLabel(L"short"));
}

TEST(CountDownSetLogic, APlacedBoxCentresOnThePointAndStaysOnTheDesktop) {
    CRect desktop(0, 0, 1024, 768);
    EXPECT_EQ(CPoint(450, 350), CCountDownSet::PlaceAt(desktop, CPoint(500, 400), 100, 100));
    EXPECT_EQ(CPoint(0, 0), CCountDownSet::PlaceAt(desktop, CPoint(10, 10), 100, 100));
    EXPECT_EQ(CPoint(924, 668), CCountDownSet::PlaceAt(desktop, CPoint(1020, 760), 100, 100));
}

TEST(RegionTable, ProvincesCitiesAndLocationIds) {
    EXPECT_EQ(CString(L"서울 특별시"), CRegUserDlgRegions::ProvinceName(0));
    EXPECT_EQ(CString(L"충청북도"), CRegUserDlgRegions::ProvinceName(10));
    EXPECT_FALSE(CRegUserDlgRegions::ProvinceName(11).IsEmpty());
    EXPECT_TRUE(CRegUserDlgRegions::Cities(11).empty());
    struct Given {
        int province;
        const wchar_t* city;
        const wchar_t* woeid;
    } given[] = {{0, L"서울", L"20069923"}, {8, L"제주", L"2345963"}, {1, L"인천", L"20069922"},
                 {1, L"울산", L"23701285"}, {10, L"단양", L"28289144"}};
    for (const Given& g : given) {
        bool found = false;
        for (const RegionCity& city : CRegUserDlgRegions::Cities(g.province))
            if (city.shortName == g.city) {
                found = true;
                EXPECT_EQ(CString(g.woeid), city.woeid) << g.woeid;
            }
        EXPECT_TRUE(found) << g.woeid;
    }
    std::set<CString> ids;
    int count = 0;
    for (int p = 0; p < CRegUserDlgRegions::kProvinceCount; ++p) {
        const std::vector<RegionCity>& cities = CRegUserDlgRegions::Cities(p);
        EXPECT_LE((int)cities.size(), CRegUserDlgRegions::kMaxCities);
        EXPECT_EQ(p == 0 || p == 8 || p == 11, CRegUserDlgRegions::IsCityListHidden(p));
        for (const RegionCity& city : cities) {
            ids.insert(city.woeid);
            ++count;
            EXPECT_TRUE(city.woeid.GetLength() >= 1 && city.woeid.GetLength() <= 8) << city.woeid.GetString();
            EXPECT_EQ(city.woeid.SpanIncluding(L"0123456789"), city.woeid);
        }
    }
    EXPECT_EQ(count, (int)ids.size());
    EXPECT_EQ(7u, CRegUserDlgRegions::Cities(1).size());
    EXPECT_EQ(32u, CRegUserDlgRegions::Cities(3).size());
}

TEST(RegionTable, ShortNamesDropTheLastSyllableOrTheMetropolitanWord) {
    struct Case {
        const wchar_t* name;
        const wchar_t* shortName;
    } cases[] = {{L"광주 광역시", L"광주"}, {L"세종 특별자치구", L"세종"}, {L"홍천군", L"홍천"},
                 {L"남양주시", L"남양주"}, {L"강화", L"강화"},           {L"울릉도", L"울릉도"}};
    for (const Case& c : cases) EXPECT_EQ(CString(c.shortName), CRegUserDlgRegions::ShortName(c.name));
}

TEST(RegionTable, ApplyStoresTheChosenRegion) {
    struct Case {
        int province, city;
        const wchar_t *name, *woeid;
        int wantProvince, wantCity;
        const wchar_t *wantName, *wantWoeid;
    } cases[] = {
        // The custom region without a location id falls back to Seoul.
        {11, -1, L"Somewhere", L"", 0, 0, L"서울", L"20069923"},
        {11, -1, L"Somewhere", L"12345", 11, 0, L"Somewhere", L"12345"},
        {1, 5, L"", L"", 1, 5, L"인천", L"20069922"},
        {10, 10, L"", L"", 10, 10, L"단양", L"28289144"},
        // No city selected: the region stays.
        {2, -1, L"", L"", 3, 2, L"old", L"99"},
    };
    for (const Case& c : cases) {
        CSettings::UserSection user;
        user.JusoCursor = 3;
        user.JusoDetailCursor = 2;
        user.city = L"old";
        user.woeid = L"99";
        RegUserChoice choice;
        choice.useUserInfo = 1;
        choice.showTodayInfoAtStart = 0;
        choice.province = c.province;
        choice.city = c.city;
        choice.customName = c.name;
        choice.customWoeid = c.woeid;
        CRegUserDlgRegions::Apply(choice, user);
        EXPECT_EQ(c.wantProvince, user.JusoCursor) << c.province;
        EXPECT_EQ(c.wantCity, user.JusoDetailCursor) << c.province;
        EXPECT_EQ(CString(c.wantName), user.city) << c.province;
        EXPECT_EQ(CString(c.wantWoeid), user.woeid) << c.province;
        EXPECT_EQ(1, user.Enable);
        EXPECT_EQ(0, user.ShowTodayInfo);
    }
}

TEST(SkinEditorText, LineEndsShowAsCrLfAndAreWrittenBackWithoutTrailingLineFeeds) {
    EXPECT_EQ(CString(L"a\r\nb\r\nc\r\n"), CSkinInfoDlg::ToEditText("a\nb\r\nc\r", CP_ACP));
    EXPECT_EQ(std::string("a\r\nb\r\n\r\nc"), CSkinInfoDlg::ToFileBytes(L"a\r\nb\r\n\r\nc\r\n\r\n", CP_ACP));
    EXPECT_EQ(std::string(), CSkinInfoDlg::ToFileBytes(L"\r\n", CP_ACP));
    // Text goes back in the code page it came in: Korean in the ANSI code
    // page 949, and UTF-8 (with or without its mark) as UTF-8 anywhere.
    CString korean = L"<Label Value=\"서울\"/>";
    std::string utf8 = "<Label Value=\"\xEC\x84\x9C\xEC\x9A\xB8\"/>";
    EXPECT_EQ((UINT)CP_UTF8, CSkinInfoDlg::FileCodePage(utf8));
    EXPECT_EQ((UINT)CP_UTF8, CSkinInfoDlg::FileCodePage("\xEF\xBB\xBF<a/>"));
    EXPECT_EQ((UINT)CP_THREAD_ACP, CSkinInfoDlg::FileCodePage("<a/>"));
    EXPECT_EQ(korean, CSkinInfoDlg::ToEditText(utf8, CP_UTF8));
    EXPECT_EQ(utf8, CSkinInfoDlg::ToFileBytes(korean, CP_UTF8));
    std::string ansi = "<Label Value=\"\xBC\xAD\xBF\xEF\"/>";
    if (GetACP() == 949) {
        EXPECT_EQ((UINT)CP_THREAD_ACP, CSkinInfoDlg::FileCodePage(ansi));
        EXPECT_EQ(korean, CSkinInfoDlg::ToEditText(ansi, CP_THREAD_ACP));
        EXPECT_EQ(ansi, CSkinInfoDlg::ToFileBytes(korean + L"\r\n", CP_THREAD_ACP));
    }
}

TEST(SkinEditorText, AFailedWriteKeepsTheOldSkin) {
    CScratchFolder scratch(L"skin-editor-save");
    CString path = scratch.Path() + L"skin.xml";
    WriteFileBytes(path, "<old/>");
    ASSERT_TRUE(CSkinInfoDlg::SaveSkinText(path, L"<new/>\r\n"));
    EXPECT_EQ("<new/>", ReadFileBytes(path));
    // A skin that cannot be replaced (held open by another program) stays
    // as it was.
    HANDLE held = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CSkinInfoDlg::SaveSkinText(path, L"<newer/>"));
    CloseHandle(held);
    EXPECT_EQ("<new/>", ReadFileBytes(path));
    EXPECT_FALSE(CSkinInfoDlg::SaveSkinText(scratch.Path() + L"missing\\skin.xml", L"<x/>"));
}
