#include "fw/Afx.h"

#include <gtest/gtest.h>

TEST(String, FormatUsesWindowsWideConventions) {
    struct Case {
        CString got;
        const wchar_t* want;
    };
    CString s1, s2, s3, s4, s5, s6;
    s1.Format(L"%s-%s", L"abc", L"메모");
    s2.Format(L"%d|%d", 42, -7);
    s3.Format(L"%02d:%02d", 5, 7);
    s4.Format(L"%03d", 9);
    s5.Format(L"%x %X", 255, 0xABCD);
    s6.Format(L"%2d%02d%02d%02d%02d%02d%03d.rtf", 14, 1, 2, 3, 4, 5, 6);
    const Case cases[] = {{s1, L"abc-메모"}, {s2, L"42|-7"}, {s3, L"05:07"}, {s4, L"009"},
                          {s5, L"ff ABCD"}, {s6, L"140102030405006.rtf"}};
    for (const Case& c : cases) EXPECT_EQ(c.got, CString(c.want));

    CString big;
    big.Format(L"%s", CString(L'z', 5000).GetString());
    EXPECT_EQ(big.GetLength(), 5000);
}

TEST(String, SlicingAndSearchingClampAtTheEnds) {
    CString s = L"C:\\a\\b.c.d";
    EXPECT_EQ(s.Left(2), L"C:");
    EXPECT_EQ(s.Mid(5), L"b.c.d");
    EXPECT_EQ(s.Mid(50), L"");
    EXPECT_EQ(s.Mid(-3, 2), L"C:");
    EXPECT_EQ(s.Right(3), L"c.d");
    EXPECT_EQ(s.Right(99), s);
    EXPECT_EQ(s.Find(L'\\'), 2);
    EXPECT_EQ(s.Find(L"b."), 5);
    EXPECT_EQ(s.Find(L'x'), -1);
    EXPECT_EQ(s.Find(L'a', 99), -1);
    EXPECT_EQ(s.ReverseFind(L'.'), 8);
    EXPECT_EQ(s.FindOneOf(L".\\"), 2);
}

TEST(String, EditingOperations) {
    CString s = L"  Hello World \t";
    s.Trim();
    EXPECT_EQ(s, L"Hello World");
    EXPECT_EQ(s.Replace(L"o", L"oo"), 2);
    EXPECT_EQ(s, L"Helloo Woorld");
    EXPECT_EQ(s.Remove(L'o'), 4);
    s.Insert(0, L"<");
    s.Delete(1, 2);
    EXPECT_EQ(s, L"<ll Wrld");
    s.MakeUpper();
    EXPECT_EQ(s, L"<LL WRLD");
    EXPECT_EQ(s.CompareNoCase(L"<ll wrld"), 0);

    CString list = L"a,,b,c";
    int pos = 0;
    std::vector<CString> tokens;
    for (CString t = list.Tokenize(L",", pos); pos != -1; t = list.Tokenize(L",", pos)) tokens.push_back(t);
    EXPECT_EQ(tokens, (std::vector<CString>{L"a", L"b", L"c"}));

    CString buf;
    GetWindowsDirectoryW(buf.GetBuffer(MAX_PATH), MAX_PATH);
    buf.ReleaseBuffer();
    EXPECT_GT(buf.GetLength(), 2);
    EXPECT_EQ(buf.Find(L'\0'), -1);
}

TEST(Convert, Utf8AndAnsiRoundTrips) {
    const CString korean = L"가나다 메모 123";
    EXPECT_EQ(Utf8ToString(StringToUtf8(korean)), korean);
    EXPECT_EQ(StringToUtf8(L"é"), CStringA("\xC3\xA9"));
    EXPECT_EQ(AnsiToString(StringToAnsi(L"plain text")), CString(L"plain text"));
}

TEST(Convert, KoreanThroughCodePage949) {
    if (GetACP() != 949) GTEST_SKIP() << "runs under the Korean locale";
    const CString korean = L"한글 메모장";
    CStringA ansi = StringToAnsi(korean);
    EXPECT_EQ(ansi.GetLength(), 11);  // two bytes a syllable, one for each blank
    EXPECT_EQ(AnsiToString(ansi), korean);
    // The marker-less archive form is read in the ANSI code page.
    std::vector<BYTE> bytes = {(BYTE)ansi.GetLength()};
    bytes.insert(bytes.end(), ansi.GetString(), ansi.GetString() + ansi.GetLength());
    CMemFile f(bytes.data(), bytes.size());
    CArchive ar(&f, CArchive::load);
    CString back;
    ar >> back;
    EXPECT_EQ(back, korean);
}
