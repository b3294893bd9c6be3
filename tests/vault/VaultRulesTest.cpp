// The vault dialogs' decisions without windows.
#include "tools/PwdRules.h"

#include <gtest/gtest.h>

#include <set>

using namespace PwdRules;

TEST(PwdGenerator, HasItsShapeAndPassesTheMasterPasswordRules) {
    const CString alphabet = kAlphabet;
    EXPECT_EQ(alphabet.GetLength(), 92);
    std::set<std::wstring> seen;
    for (int i = 0; i < 200; ++i) {
        CString p = GeneratePassword();
        ASSERT_EQ(p.GetLength(), 16);
        for (int k = 0; k < 13; ++k) EXPECT_NE(alphabet.Find(p[k]), -1);
        EXPECT_TRUE(p[13] >= L'a' && p[13] <= L'z');
        EXPECT_TRUE(p[14] >= L'A' && p[14] <= L'Z');
        EXPECT_TRUE(p[15] >= L'0' && p[15] <= L'9');
        EXPECT_EQ(CheckMasterPassword(p, p), 0);
        seen.insert(p.GetString());
    }
    // Made within the same second, yet all different.
    EXPECT_EQ(seen.size(), 200u);
}

TEST(PwdGenerator, DrawsEachPartFromItsOwnRange) {
    std::vector<UINT> bounds;
    CString p = GeneratePassword([&bounds](UINT bound) {
        bounds.push_back(bound);
        return bound - 1;
    });
    EXPECT_EQ(p, L"}}}}}}}}}}}}}zZ9");
    std::vector<UINT> expected(13, 92u);
    expected.insert(expected.end(), {26u, 26u, 10u});
    EXPECT_EQ(bounds, expected);
}

TEST(PwdSiteAddress, PutsTheSchemeBeforeWww) {
    const struct {
        const wchar_t* url;
        const wchar_t* opened;
    } cases[] = {
        {L"www.example.com", L"http://www.example.com"},
        {L"WwW.example.com", L"http://WwW.example.com"},
        {L"http://www.example.com", L"http://www.example.com"},
        {L"example.com", L"example.com"},
        {L"ww", L"ww"},
        {L"C:\\tools\\app.exe", L"C:\\tools\\app.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(SiteAddress(c.url), c.opened);
}

TEST(PwdCountdown, StepsRedAtTenAndClosesBelowZero) {
    CCountdown c(11);
    EXPECT_TRUE(c.Enabled());
    EXPECT_EQ(c.OnSecond(), CCountdown::tickShow);  // 10
    EXPECT_FALSE(c.Red());
    EXPECT_EQ(c.OnSecond(), CCountdown::tickShow);  // 9
    EXPECT_TRUE(c.Red());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(c.OnSecond(), CCountdown::tickShow);
    EXPECT_EQ(c.Shown(), 0);
    EXPECT_EQ(c.OnSecond(), CCountdown::tickClose);

    c.Restart();
    EXPECT_FALSE(c.Red());
    EXPECT_EQ(c.SecondsLeft(), 11);
    c.Pause();
    EXPECT_EQ(c.OnSecond(), CCountdown::tickNothing);
    EXPECT_EQ(c.SecondsLeft(), 11);

    // A total of ten or less keeps its colour on restart.
    CCountdown shortOne(10);
    shortOne.OnSecond();
    EXPECT_TRUE(shortOne.Red());
    shortOne.Restart();
    EXPECT_TRUE(shortOne.Red());

    for (int total : {0, -5}) {
        CCountdown off(total);
        EXPECT_FALSE(off.Enabled());
        for (int i = 0; i < 50; ++i) EXPECT_EQ(off.OnSecond(), CCountdown::tickNothing);
    }
}
