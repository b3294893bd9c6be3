// The built-in text skins of the notices, dumped section by section.
#include "widgets/NoticeSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// "[NAME]" then "key=value" lines in key order, for every section.
std::wstring Dump(const SkinDefinition& skin) {
    std::wstring out;
    for (int i = 0; i < skin.GetSectionCount(); ++i) {
        const CInfoSection* s = skin.GetSection(i);
        out += L"[" + std::wstring((const wchar_t*)s->GetName()) + L"]\n";
        std::vector<std::wstring> lines;
        for (auto it = s->Values().begin(); it != s->Values().end(); ++it)
            lines.push_back(std::wstring((const wchar_t*)it->first) + L"=" + (const wchar_t*)it->second);
        std::sort(lines.begin(), lines.end());
        for (const std::wstring& l : lines) out += l + L"\n";
    }
    return out;
}

NoticeText Sample() {
    NoticeText t;
    t.title = L"Dentist";
    t.body = L"at 3 o'clock";
    return t;
}

}  // namespace

TEST(NoticeSkinTest, SlideSkinSections) {
    SkinDefinition skin;
    BuildSlideSkinText(skin, Sample());
    EXPECT_EQ(L"[TITLE]\nDrawType=STRING\nFontColor=133,146,181,255\nFontSize=9\nH=20\nStringStyle=BOLD\n"
              L"Text=Dentist\nW=180\nX=20\nY=11\n"
              L"[BODY]\nClipString=1\nDrawType=STRING\nFontColor=10,36,106,255\nFontSize=8\nH=90\n"
              L"StringAlign=CENTER\nStringVAlign=CENTER\nText=at 3 o'clock\nW=220\nX=125\nY=33\n"
              L"[INFO]\nCommand=SCHEDULE_INFO\nDrawType=BUTTON\nH=15\nImageID=259\nW=15\nX=200\nY=11\n"
              L"[CLOSE]\nCommand=Hide\nDrawType=BUTTON\nH=15\nImageID=260\nW=15\nX=220\nY=11\n",
              Dump(skin));
}

TEST(NoticeSkinTest, PopupSkinSectionsWithNoteColours) {
    SkinDefinition skin;
    NoticeText t = Sample();
    t.title.Empty();
    t.titleColor = RGB(1, 2, 3);
    t.bodyColor = RGB(200, 100, 50);
    t.titleSize = 11;
    t.bodySize = 12;
    BuildPopupSkinText(skin, t);
    EXPECT_EQ(L"[TITLE]\nDrawType=STRING\nFontColor=1,2,3,255\nFontSize=11\nH=20\nStringStyle=BOLD\n"
              L"Text=\nW=220\nX=20\nY=11\n"
              L"[BODY]\nAntiAlias=1\nClipString=1\nDrawType=STRING\nFontColor=200,100,50,255\nFontSize=12\n"
              L"H=125\nStringAlign=CENTER\nStringVAlign=CENTER\nText=at 3 o'clock\nW=210\nX=120\nY=33\n"
              L"[CLOSE]\nCommand=Hide\nDrawType=BUTTON\nH=10\nImageID=247\nW=10\nX=212\nY=12\n",
              Dump(skin));
}

// A text received from elsewhere stays one value: it makes no section or
// command, and a long one is not cut.
TEST(NoticeSkinTest, TextsNeverBecomeSkinLines) {
    const CString hostile = L"Hi\r\n[Evil]\r\nCommand=Quit\nDrawType=BUTTON";
    const CString longText(L'x', 3000);
    for (auto build : {&BuildSlideSkinText, &BuildPopupSkinText}) {
        SkinDefinition skin;
        NoticeText t;
        t.title = hostile;
        t.body = longText;
        build(skin, t);
        for (int i = 0; i < skin.GetSectionCount(); ++i)
            EXPECT_NE(L"EVIL", skin.GetSection(i)->GetName());
        EXPECT_EQ(hostile, skin.FindSection(L"TITLE")->GetString(L"Text"));
        EXPECT_EQ(L"STRING", skin.FindSection(L"TITLE")->GetString(L"DrawType"));
        EXPECT_FALSE(skin.FindSection(L"TITLE")->HasKey(L"Command"));
        EXPECT_EQ(3000, skin.FindSection(L"BODY")->GetString(L"Text").GetLength());
    }
}
