#include "calendar/AlarmInfo.h"
#include "notes/AlarmStore.h"

#include "StoreTestSupport.h"
#include "shell/LanguageTable.h"

#include <cstdio>

namespace {

// The archive form of one record in a given schema.
std::vector<BYTE> SchemaRecord(int schema, int dayValue = 6, int flags = 0x01020301, int advance = 30) {
    std::vector<BYTE> v;
    AppendInt(v, schema);
    for (int x : {1, 3, 0, 2014, 2, 9, 8, 30, dayValue}) AppendInt(v, x);
    if (schema >= 2) AppendInt(v, 7);  // icon
    for (const wchar_t* s : {L"ding.wav", L"notepad", L"Meeting", L"memo.rtf", L"r1"}) AppendBytes(v, ArchiveString(s));
    if (schema >= 3) {
        AppendBytes(v, ArchiveString(L"r2"));
        AppendBytes(v, ArchiveString(L"r3"));
        for (int x : {MakeDateCode(2014, 3, 5), 0, advance}) AppendInt(v, x);
        if (schema == 5)
            AppendBytes(v, {1, 9, 1, 8});
        else
            AppendInt(v, flags);
        AppendBytes(v, {2, 4, 5, 1});
    }
    return v;
}

int Load(const std::vector<BYTE>& bytes, CAlarmInfo& a) {
    CMemFile f(bytes.data(), bytes.size());
    CArchive ar(&f, CArchive::load);
    return a.Serialize(ar);
}

std::vector<BYTE> Store(CAlarmInfo a) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    EXPECT_EQ(a.Serialize(ar), 1);
    ar.Close();
    return f.Data();
}

void PhoneString(std::vector<BYTE>& v, const char* utf8) {
    AppendInt(v, (int)strlen(utf8));
    v.insert(v.end(), utf8, utf8 + strlen(utf8));
}

std::vector<BYTE> PhoneRecord(int schema, int kind = 3) {
    std::vector<BYTE> v;
    AppendInt(v, schema);
    for (int x : {1, kind, 1, 2014, 2, 9, 8, 30, 0x41, 4}) AppendInt(v, x);
    PhoneString(v, "");
    PhoneString(v, "");
    PhoneString(v, "\xED\x9A\x8C\xEC\x9D\x98");  // "회의" in UTF-8
    for (int i = 0; i < 4; ++i) PhoneString(v, "");
    for (int x : {0, 0, 50000}) AppendInt(v, x);
    if (schema == 5)
        AppendBytes(v, {1, 0, 1, 0});
    else
        AppendInt(v, 0x0F0F0F01);
    AppendBytes(v, {0, 1, 2, 1, 0xEE, 0xEE});
    return v;
}

FILE* TempStream(const std::vector<BYTE>& bytes) {
    FILE* f = tmpfile();
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
    rewind(f);
    return f;
}

}  // namespace

TEST(AlarmInfo, Schema5GoldenLayoutAndRoundTrip) {
    CAlarmInfo a;
    EXPECT_EQ(Load(SchemaRecord(5), a), 1);
    EXPECT_EQ(Store(a), SchemaRecord(5));
    EXPECT_EQ(a.m_nSchema, 5);
    EXPECT_EQ(a.m_nKind, 3);
    EXPECT_EQ(a.m_nDayValue, 6);
    EXPECT_EQ(a.m_nIcon, 7);
    EXPECT_EQ(a.m_strContents, L"Meeting");
    EXPECT_EQ(a.m_strReserved[2], L"r3");
    EXPECT_EQ(a.m_nEndDate, MakeDateCode(2014, 3, 5));
    EXPECT_EQ(a.m_bDDay, 1);
    EXPECT_EQ(a.m_bReserved1, 9);
    EXPECT_EQ(a.m_bDone, 1);
    EXPECT_EQ(a.m_nWeekMonth, 2);
    EXPECT_EQ(a.m_nWeekNumber, 4);
    EXPECT_EQ(a.m_nWeekDay, 5);
    EXPECT_EQ(a.m_bHoliday, 1);
    EXPECT_EQ(a.m_nMinuteOfDay, 8 * 60 + 30);
    EXPECT_EQ(a.m_nMinuteKey, 2014 * 535680 + 2 * 44640 + 9 * 1440 + 8 * 60 + 30);
}

TEST(AlarmInfo, OlderSchemasAreBroughtUpTo5) {
    AlarmDefaults defaults;
    defaults.advance = 15;
    CAlarmInfo::SetDefaults(defaults);

    CAlarmInfo a1;
    ASSERT_EQ(Load(SchemaRecord(1), a1), 1);
    EXPECT_EQ(a1.m_nSchema, 5);
    EXPECT_EQ(a1.m_nIcon, 0);
    EXPECT_EQ(a1.m_nEndDate, 0);
    EXPECT_EQ(a1.m_nTimeMode, 0);
    EXPECT_EQ(a1.m_nAdvance, 15);
    EXPECT_EQ(a1.m_strReserved[0], L"r1");

    CAlarmInfo a2;
    ASSERT_EQ(Load(SchemaRecord(2), a2), 1);
    EXPECT_EQ(a2.m_nIcon, 7);
    EXPECT_EQ(a2.m_bDDay, 0);

    // Schema 3 kept one weekday number; 6 is Saturday, 9 is nothing.
    CAlarmInfo a3;
    ASSERT_EQ(Load(SchemaRecord(3, 6), a3), 1);
    EXPECT_EQ(a3.m_nDayValue, 64);
    ASSERT_EQ(Load(SchemaRecord(3, 9), a3), 1);
    EXPECT_EQ(a3.m_nDayValue, 0);

    // Schema 4's flag word gives the D-day byte only.
    CAlarmInfo a4;
    ASSERT_EQ(Load(SchemaRecord(4, 6, 0x7F7F7F01), a4), 1);
    EXPECT_EQ(a4.m_nDayValue, 6);
    EXPECT_EQ(a4.m_bDDay, 1);
    EXPECT_EQ(a4.m_bReserved1, 0);
    EXPECT_EQ(a4.m_bDone, 0);
    EXPECT_EQ(a4.m_bReserved2, 0);
    EXPECT_EQ(a4.m_nWeekDay, 5);
    EXPECT_EQ(a4.m_nAdvance, 30);

    // Each older record is written back as schema 5.
    std::vector<BYTE> rewritten = Store(a4);
    EXPECT_EQ(rewritten[0], 5);
    CAlarmInfo again;
    EXPECT_EQ(Load(rewritten, again), 1);
    EXPECT_EQ(again.m_bDDay, 1);
    CAlarmInfo::SetDefaults(AlarmDefaults());
}

// An alarm file holds records of every schema side by side; an older record
// must not take over what the record before it held.
TEST(AlarmInfo, EachRecordOfAFileLoadsAndSavesAsItDoesAlone) {
    auto FileOf = [](const std::vector<int>& schemas) {
        std::vector<BYTE> file = ArchiveString(CAlarmStore::Signature);
        for (int schema : schemas) AppendBytes(file, SchemaRecord(schema));
        AppendInt(file, 0xFFFF);
        return file;
    };
    const std::vector<int> schemas = {5, 4, 3, 2, 1};
    std::vector<CAlarmInfo> together;
    std::vector<BYTE> file = FileOf(schemas);
    CAlarmStore::ParseResult parsed = CAlarmStore::ParseFile(file.data(), file.size(), together, 100);
    ASSERT_TRUE(parsed.complete);
    ASSERT_EQ(together.size(), schemas.size());
    for (size_t i = 0; i < schemas.size(); ++i) {
        std::vector<CAlarmInfo> alone;
        std::vector<BYTE> single = FileOf({schemas[i]});
        CAlarmStore::ParseFile(single.data(), single.size(), alone, 100);
        ASSERT_EQ(alone.size(), 1u);
        EXPECT_EQ(Store(together[i]), Store(alone[0])) << "schema " << schemas[i];
    }
}

TEST(AlarmInfo, AdvanceOutsideItsRangeBecomesZero) {
    struct Case {
        int stored, loaded;
    } cases[] = {{-1440, -1440}, {44640, 44640}, {-1441, 0}, {44641, 0}, {0, 0}, {30, 30}};
    for (const Case& c : cases) {
        CAlarmInfo a;
        ASSERT_EQ(Load(SchemaRecord(5, 6, 0, c.stored), a), 1);
        EXPECT_EQ(a.m_nAdvance, c.loaded) << c.stored;
    }
}

TEST(AlarmInfo, EndMarkAndDamageFailTheLoad) {
    CAlarmInfo a;
    std::vector<BYTE> end;
    AppendInt(end, 0xFFFF);
    EXPECT_EQ(Load(end, a), 0);
    EXPECT_EQ(a.m_nSchema, 0xFFFF);
    std::vector<BYTE> whole = SchemaRecord(5);
    for (size_t cut : {size_t(2), size_t(20), size_t(60), whole.size() - 1}) {
        CAlarmInfo b;
        EXPECT_EQ(Load(std::vector<BYTE>(whole.begin(), whole.begin() + (ptrdiff_t)cut), b), 0) << cut;
    }
}

TEST(AlarmInfo, CopyRecomputesKeysAndKeepsTheId) {
    CAlarmInfo a;
    a.m_nId = 42;
    a.m_nHour = 9;
    a.m_nMinute = 5;
    CAlarmInfo b(a);
    EXPECT_EQ(b.m_nId, 42);
    EXPECT_EQ(b.m_nMinuteOfDay, 545);
    EXPECT_EQ(b.m_nMinuteKey, a.GetMinuteKey());
    CAlarmInfo c;
    c = a;
    EXPECT_EQ(c.m_nMinuteOfDay, 545);
    CAlarmInfo fresh;
    fresh.m_nHour = 0;
    EXPECT_EQ(fresh.GetMinuteKey(), 2010 * 535680 + 44640 + 1440);
}

TEST(AlarmInfo, DisplayText) {
    g_LanguageTable.SetAt(10010, L"[Memo Data]");
    CAlarmInfo a;
    EXPECT_EQ(a.GetDisplayText(), L"");
    a.m_strMemoFile = L"x.rtf";
    EXPECT_EQ(a.GetDisplayText(), L"[Memo Data]");
    a.m_strContents = L"Call";
    EXPECT_EQ(a.GetDisplayText(), L"Call");
}

TEST(AlarmInfo, DateCodes) {
    SYSTEMTIME t = DateCodeToDate(2010 * 372 + 2 * 31 + 31);
    EXPECT_EQ(t.wYear, 2010);
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_EQ(t.wDay, 28);
    EXPECT_EQ(t.wHour, 12);
    t = DateCodeToDate(2012 * 372 + 2 * 31 + 30);
    EXPECT_EQ(t.wDay, 29);
    t = DateCodeToDate(MakeDateCode(2014, 12, 31));
    EXPECT_EQ(t.wYear, 2014);
    EXPECT_EQ(t.wMonth, 12);
    EXPECT_EQ(t.wDay, 31);
    t = DateCodeToDate(MakeDateCode(2014, 1, 31));
    EXPECT_EQ(t.wMonth, 1);
    EXPECT_EQ(t.wDay, 31);
}

TEST(AlarmInfo, PhoneStreamRecords) {
    std::vector<BYTE> stream = PhoneRecord(5);
    AppendBytes(stream, PhoneRecord(4, 20));
    FILE* f = TempStream(stream);
    CAlarmInfo a;
    ASSERT_EQ(a.ReadFromFile(f), 1);
    EXPECT_EQ(a.m_nKind, 3);
    EXPECT_EQ(a.m_nDayValue, 0x41);
    EXPECT_EQ(a.m_strContents, L"\xD68C\xC758");
    EXPECT_EQ(a.m_nAdvance, 0);  // 50000 is out of range
    EXPECT_EQ(a.m_bDone, 1);
    EXPECT_EQ(a.m_nWeekNumber, 1);
    EXPECT_EQ(a.m_bHoliday, 1);
    CAlarmInfo b;
    ASSERT_EQ(b.ReadFromFile(f), 1);
    EXPECT_EQ(b.m_nKind, 20);
    EXPECT_EQ(b.m_bDDay, 1);
    EXPECT_EQ(b.m_bReserved1, 0);
    EXPECT_EQ(b.m_nSchema, 5);
    EXPECT_EQ(b.ReadFromFile(f), 0);  // the end of the stream is no record
    fclose(f);
}

TEST(AlarmInfo, PhoneStreamLengthsAreCheckedAgainstTheBytesLeft) {
    std::vector<BYTE> good = PhoneRecord(5);
    std::vector<BYTE> schema6 = good;
    schema6[0] = 6;
    std::vector<BYTE> huge = good;
    // The first text's length (after 11 integers) claims 2 GB.
    huge[44] = 0xFF;
    huge[45] = 0xFF;
    huge[46] = 0xFF;
    huge[47] = 0x7F;
    std::vector<BYTE> pastEnd = good;
    pastEnd[44] = 200;
    std::vector<BYTE> cut(good.begin(), good.end() - 1);
    for (const auto& bytes : {schema6, huge, pastEnd, cut}) {
        FILE* f = TempStream(bytes);
        CAlarmInfo a;
        a.m_strContents = L"untouched";
        EXPECT_EQ(a.ReadFromFile(f), 0);
        EXPECT_EQ(a.m_strContents, L"untouched");
        fclose(f);
    }
}
