#include "SkinTestSupport.h"

#include <gtest/gtest.h>

namespace {

CString ParseLines(const std::vector<const wchar_t*>& lines) {
    SkinDefinition skin;
    for (const wchar_t* line : lines) skin.AddLine(line);
    skin.ParseLines();
    return DumpSections(skin);
}

struct IniCase {
    const char* what;
    std::vector<const wchar_t*> lines;
    const wchar_t* sections;
};

TEST(SkinDefinition, ParsesTheIniLikeForm) {
    const IniCase cases[] = {
        {"a blank inside the brackets stays", {L"[ Clock]", L"X=1"}, L" CLOCK{X=1}"},
        {"a blank after the header goes", {L"[Clock] ", L"X=1"}, L"CLOCK{X=1}"},
        {"line ends and trailing brackets go", {L"[clock]]\r\n", L"X=1\r\n"}, L"CLOCK{X=1}"},
        {"blanks round key and value go", {L"[A]", L"X = 53 "}, L"A{X=53}"},
        {"a second equals sign stays in the value", {L"[A]", L"Cmd=a=b"}, L"A{Cmd=a=b}"},
        {"no equals sign, or one first, is no key", {L"[A]", L"=1", L"novalue", L"Y=2"}, L"A{Y=2}"},
        {"a key of blanks is no key", {L"[A]", L"  =1", L"Y=2"}, L"A{Y=2}"},
        {"tabs stay in keys and values", {L"[A]", L"\tX=\t1\t"}, L"A{\tX=\t1\t}"},
        {"a short line is dropped", {L"[A]", L"X", L"Y=2"}, L"A{Y=2}"},
        {"a comment is dropped", {L"[A]", L"#X=1", L"Y=2"}, L"A{Y=2}"},
        {"a blank before the mark makes it a key", {L"[A]", L" #X=1"}, L"A{#X=1}"},
        {"a section without keys is dropped", {L"[A]", L"[B]", L"Y=2"}, L"B{Y=2}"},
        {"an empty header owns nothing", {L"[]", L"X=1", L"[B]", L"Y=2"}, L"B{Y=2}"},
        {"keys are case-sensitive and the last wins", {L"[A]", L"x=1", L"X=2", L"X=3"}, L"A{X=3;x=1}"},
        {"repeated names give separate sections", {L"[A]", L"X=1", L"[a]", L"X=2"}, L"A{X=1}A{X=2}"},
        {"keys before any header are ignored", {L"X=1", L"[A]", L"Y=2"}, L"A{Y=2}"},
        {"values keep their quotes", {L"[A]", L"F=\"%#d\""}, L"A{F=\"%#d\"}"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseLines(c.lines), c.sections) << c.what;
}

TEST(SkinDefinition, SectionNameAndKeyReading) {
    CString name;
    EXPECT_TRUE(SkinDefinition::GetSectionName(L"[ Clock]\r\n", name));
    EXPECT_EQ(name, L" Clock");  // not upper-cased here
    EXPECT_FALSE(SkinDefinition::GetSectionName(L"[]", name));

    SkinDefinition skin;
    for (const wchar_t* l : {L"[A]", L"X=1", L"Y=2", L"[B]", L"Z=3"}) skin.AddLine(l);
    CInfoSection section(L"A");
    int index = 0;
    EXPECT_TRUE(skin.ReadSectionKeys(section, index));
    EXPECT_EQ(index, 2);  // the last key line consumed
    EXPECT_EQ(section.GetCount(), 2);
}

TEST(SkinDefinition, ReadsATextFileLineByLine) {
    CScratchFolder folder(L"skins");
    // A long value with an "=" far in: read whole, it is one key.
    std::string longValue = std::string(1500, 'v') + "=" + std::string(1499, 'w');
    std::string text = "# comment\n"
                       "[Clock] \n"
                       "X = 53 \r\n"
                       "\n"
                       "L=" + longValue + "\n" +
                       std::string("Z=1\0junk\n", 10) +
                       std::string("\0Q=1\n", 5) +
                       "[Empty]\n"
                       "[Last]\n"
                       "K=v\n"
                       "Y";  // one character without a line end
    CString path = folder.Write(L"skin.ini", text);
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadFile(path));
    ASSERT_EQ(skin.GetSectionCount(), 2);
    const CInfoSection* clock = skin.FindSection(L"CLOCK");
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->GetString(L"X"), L"53");
    EXPECT_EQ(clock->GetString(L"L"), CString(longValue.c_str()));
    EXPECT_EQ(clock->GetCount(), 3);  // X, L and Z: no key from the long line's tail
    EXPECT_EQ(clock->GetString(L"Z"), L"1");  // bytes after a zero byte are not read
    EXPECT_FALSE(clock->HasKey(L"Q"));
    EXPECT_EQ(DumpSections(skin).Right(9), L"LAST{K=v}");

    EXPECT_FALSE(skin.LoadFile(folder.Path() + L"missing.ini"));
    EXPECT_EQ(skin.GetSectionCount(), 0);  // a failed load leaves nothing
}

TEST(SkinDefinition, FormatsLinesInABoundedBuffer) {
    SkinDefinition skin;
    skin.AddLineFormat(L"[%s]", L"Note");
    skin.AddLineFormat(L"Text=%s", CString(L'x', 5000).GetString());
    skin.AddLineFormat(L"ImageID=%d", 207);
    skin.ParseLines();
    const CInfoSection* s = skin.FindSection(L"NOTE");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->GetString(L"Text").GetLength(), SkinDefinition::kLineBufferSize - 1 - 5);
    EXPECT_EQ(skin.GetLines().GetSize(), 3);
}

TEST(SkinDefinition, BuiltInTexts) {
    SkinDefinition skin;
    skin.LoadNoSkin();
    EXPECT_EQ(DumpSections(skin), L"BACKGROUND{Background=IDR_NO_SKIN}");

    skin.LoadAnalogClock();
    CString names;
    for (int i = 0; i < skin.GetSectionCount(); ++i) names += skin.GetSection(i)->GetName() + L" ";
    EXPECT_EQ(names, L"BACKGROUND MEASURETIME MEASUREDAY DAYOFWEEK DAY HOUR MINUTE SECOND KNOB DRAWTYPEGLOSS ");
    EXPECT_EQ(skin.FindSection(L"MEASUREDAY")->GetString(L"Format"), L"%#d");
    EXPECT_EQ(DumpSections(skin).Find(L"DAYOFWEEK{Cipher=1;DrawType=NUMIMAGE;H=6;ImageID=212;"
                                      L"MeasureSection=MeasureTime;RevisionVal=4;ValueDiv=86400;ValueMax=7;"
                                      L"W=10;X=53;Y=79}"),
              DumpSections(skin).Find(L"DAYOFWEEK"));
    const CInfoSection* second = skin.FindSection(L"SECOND");
    EXPECT_EQ(second->GetInt(L"OffsetX", 0), 64);
    EXPECT_EQ(second->GetInt(L"ImageID", 0), 269);
    EXPECT_DOUBLE_EQ(second->GetDouble(L"StartAngle", 0), 6.2832);
    EXPECT_EQ(skin.FindSection(L"MINUTE")->GetInt(L"ValueReminder", 0), 3600);
    EXPECT_EQ(skin.FindSection(L"MINUTE")->GetInt(L"ImageID", 0), 268);
    EXPECT_EQ(skin.FindSection(L"DRAWTYPEGLOSS")->GetString(L"DrawType"), L"IMAGE");
}

TEST(InfoSection, Colors) {
    struct {
        const wchar_t* value;
        DWORD color;
    } cases[] = {
        {L"FF0000", 0xFFFF0000},      {L"FF000080", 0x80FF0000},     {L"255,0,0", 0xFFFF0000},
        {L"255,0,0,0", 0x00FF0000},   {L"56, 156, 196, 255", 0xFF389CC4}, {L"56,156,196", 0xFF389CC4},
        {L"0,0,0,0", 0x00000000},     {L"256,1,2", 0xFF000102},      {L"112233 44", 0xFF112233},
        {L"ff8000", 0xFFFF8000},
        // Short hexadecimal values: the channels that are not there are 0.
        {L"FF", 0xFFFF0000},          {L"FFFF", 0xFFFFFF00},         {L"F", 0xFF0F0000},
        {L"", 0xFF000000},            {L"zz0000", 0xFF000000},
    };
    for (const auto& c : cases) {
        CInfoSection s;
        s.SetValue(L"C", c.value);
        EXPECT_EQ(s.GetColor(L"C", 1), c.color) << CString(c.value);
    }
    CInfoSection empty;
    EXPECT_EQ(empty.GetColor(L"C", 0x12345678), 0x12345678u);
}

TEST(InfoSection, NumbersAndTexts) {
    CInfoSection s(L"S");
    s.SetValue(L"Two", L"2");
    s.SetValue(L"Word", L"abc");
    s.SetValue(L"Mixed", L"  -42px");
    s.SetValue(L"Huge", L"99999999999999");
    s.SetValue(L"Tiny", L"-99999999999999");
    s.SetValue(L"Real", L" 1.5e2xyz");
    s.SetValue(L"Point", L".5");
    s.SetValue(L"Inf", L"inf");
    s.SetValue(L"Over", L"1e999");
    s.SetValue(L"Quoted", L"\"hello\"");
    s.SetValue(L"Quotes", L"\"\"");
    s.SetValue(L"Exp", L"2e");
    EXPECT_TRUE(s.GetBool(L"Two", false));
    EXPECT_FALSE(s.GetBool(L"Word", true));
    EXPECT_EQ(s.GetInt(L"Mixed", 7), -42);
    EXPECT_EQ(s.GetInt(L"Word", 7), 0);
    EXPECT_EQ(s.GetInt(L"Absent", 7), 7);
    EXPECT_EQ(s.GetInt(L"Huge", 0), INT_MAX);
    EXPECT_EQ(s.GetInt(L"Tiny", 0), INT_MIN);
    EXPECT_DOUBLE_EQ(s.GetDouble(L"Real", 0), 150.0);
    EXPECT_DOUBLE_EQ(s.GetDouble(L"Point", 0), 0.5);
    EXPECT_DOUBLE_EQ(s.GetDouble(L"Exp", 0), 2.0);
    EXPECT_EQ(s.GetDouble(L"Inf", 3), 0.0);
    EXPECT_EQ(s.GetDouble(L"Over", 0), DBL_MAX);
    EXPECT_EQ(s.GetFloat(L"Over", 0), FLT_MAX);
    EXPECT_FLOAT_EQ(s.GetFloat(L"Real", 0), 150.0f);
    EXPECT_EQ(s.GetString(L"Quoted"), L"hello");
    EXPECT_EQ(s.GetString(L"Quotes", L"d"), L"");
    EXPECT_EQ(s.GetString(L"Absent"), L"");
    EXPECT_EQ(s.GetString(L"Absent", L"d"), L"d");
    EXPECT_FALSE(s.HasKey(L"two"));  // keys are case-sensitive

    s.SetKeyValue(L"Two", L"3");
    EXPECT_EQ(s.GetInt(L"Two", 0), 3);
    s.Clear();
    EXPECT_EQ(s.GetCount(), 0);
    EXPECT_EQ(s.GetName(), L"");

    wchar_t* copy = DuplicateString(L"Tahoma");
    EXPECT_STREQ(copy, L"Tahoma");
    delete[] copy;
    EXPECT_EQ(DuplicateString(nullptr), nullptr);
}

}  // namespace
