#include "notes/AlarmFireTrust.h"
#include "notes/AlarmStore.h"

#include <memory>

#include "StoreTestSupport.h"
#include "notes/NoteIds.h"
#include "shell/LanguageTable.h"

namespace {

CAlarmInfo Alarm(int kind, const wchar_t* text, int hour = 8, int minute = 0) {
    CAlarmInfo a;
    a.m_nKind = kind;
    a.m_strContents = text;
    a.m_nYear = 2014;
    a.m_nMonth = 2;
    a.m_nDay = 9;
    a.m_nHour = hour;
    a.m_nMinute = minute;
    a.UpdateMinuteKey();
    a.UpdateMinuteOfDay();
    return a;
}

// A phone-format string: 32-bit length, then the UTF-8 bytes.
void PhoneString(std::vector<BYTE>& v, const char* s) {
    AppendInt(v, (int)strlen(s));
    v.insert(v.end(), s, s + strlen(s));
}

// One record of the phone-format stream; kind 20 is an anniversary, which
// takes its days of notice from the advance's low 16 bits and its holiday,
// lunar and leap flags from the last three bytes.
std::vector<BYTE> PhoneRecord(int kind, int month, int day, int icon, const char* text, int advance = 0,
                              BYTE holiday = 0, BYTE lunar = 0, BYTE leap = 0) {
    std::vector<BYTE> v;
    AppendInt(v, 5);
    for (int x : {1, kind, 0, 2014, month, day, 8, 0, 1, icon}) AppendInt(v, x);
    PhoneString(v, "");
    PhoneString(v, "");
    PhoneString(v, text);
    for (int i = 0; i < 4; ++i) PhoneString(v, "");
    for (int x : {0, 0, advance}) AppendInt(v, x);
    AppendBytes(v, {0, 0, 0, 0, 0, 0, 0, holiday, lunar, leap});
    return v;
}

std::vector<BYTE> EndMark() { return {0xFF, 0xFF, 0x00, 0x00}; }

std::vector<BYTE> FileOf(int records) {
    CArray<CAlarmInfo> alarms;
    for (int i = 0; i < records; ++i) alarms.Add(Alarm(0, L"x", i % 24, i % 60));
    return CAlarmStore::BuildFileBytes(alarms);
}

class AlarmStoreTest : public ::testing::Test {
protected:
    AlarmStoreTest() : store(host, folder.Path()) {
        folder.MakeFolder(L"schedule_data");
        folder.MakeFolder(L"memo_data");
        store.SetEmergencyFolder(folder + L"emergency\\");
        g_LanguageTable.SetAt(10087, L"Too many alarms[#N# memos exist]. \n Delete overdue alarms.");
        g_LanguageTable.SetAt(10088, L"Could not read schedule.");
        g_LanguageTable.SetAt(10089, L"Could not save schedule.");
    }
    CString AlarmFile() const { return folder + L"schedule_data\\schedule_data.zra"; }

    CScratchFolder folder;
    CRecordingHost host;
    CAlarmStore store;
};

}  // namespace

TEST_F(AlarmStoreTest, FileLayoutAndIdsThatContinueAfterAReload) {
    for (const wchar_t* t : {L"a", L"b", L"c"}) store.AddAlarm(Alarm(0, t));
    ASSERT_TRUE(store.Save());
    std::vector<BYTE> bytes = ReadAll(AlarmFile());
    std::vector<BYTE> head = {0xFF, 0xFE, 0xFF, 15};
    for (const char* c = "ALARM SIGNATURE"; *c; ++c) {
        head.push_back((BYTE)*c);
        head.push_back(0);
    }
    ASSERT_GT(bytes.size(), 38u);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_EQ(bytes[34], 5);  // the first record's schema
    EXPECT_TRUE(std::equal(bytes.end() - 4, bytes.end(), EndMark().begin()));

    ASSERT_TRUE(store.Load());
    ASSERT_EQ(store.Alarms().GetSize(), 3);
    EXPECT_EQ(store.Alarms()[2].m_strContents, L"c");
    EXPECT_EQ(store.Alarms()[0].m_nId, 3);
    EXPECT_EQ(store.Alarms()[2].m_nId, 5);
    EXPECT_EQ(store.GetLoadStatus(), CAlarmStore::LoadOk);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AlarmStoreTest, HistoryCopies) {
    store.AddAlarm(Alarm(0, L"first"));
    store.Save();  // no file yet: nothing to copy
    EXPECT_TRUE(folder.List(L"schedule_data\\history\\").empty());
    std::vector<BYTE> firstSave = ReadAll(AlarmFile());
    store.AddAlarm(Alarm(0, L"second"));
    store.Save();
    std::vector<BYTE> secondSave = ReadAll(AlarmFile());
    store.AddAlarm(Alarm(0, L"third"));
    host.now.wHour = 18;
    store.Save();
    // Level 1: one copy per day, holding the file as it was before the last save.
    std::vector<CString> copies = folder.List(L"schedule_data\\history\\");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0], L"2014_02_09.sbak");
    EXPECT_EQ(ReadAll(folder + L"schedule_data\\history\\2014_02_09.sbak"), secondSave);
    EXPECT_NE(firstSave, secondSave);

    // Level 2: one per save; level 0: none.
    store.SetHistoryLevel(2);
    store.Save();
    host.now.wSecond = 46;
    store.Save();
    copies = folder.List(L"schedule_data\\history\\");
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[1], L"2014_02_09_18_30_45.sbak");
    EXPECT_EQ(copies[2], L"2014_02_09_18_30_46.sbak");
    store.SetHistoryLevel(0);
    host.now.wSecond = 47;
    store.Save();
    EXPECT_EQ(folder.List(L"schedule_data\\history\\").size(), 3u);
}

TEST_F(AlarmStoreTest, MissingFileWithoutOlderOnesGivesAnEmptyFile) {
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.Alarms().GetSize(), 0);
    std::vector<BYTE> expected = CAlarmStore::BuildFileBytes(CArray<CAlarmInfo>());
    EXPECT_EQ(ReadAll(AlarmFile()), expected);
    EXPECT_EQ(expected.size(), 38u);
}

TEST_F(AlarmStoreTest, OlderAlarmFileIsRenamedReadAndConverted) {
    WriteAll(folder + L"memo_data\\alarmlist", FileOf(2));
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.Alarms().GetSize(), 2);
    EXPECT_FALSE(Exists(folder + L"memo_data\\alarmlist"));
    EXPECT_TRUE(Exists(folder + L"memo_data\\alarmlist_"));
    EXPECT_EQ(ReadAll(AlarmFile()), FileOf(2));
}

TEST_F(AlarmStoreTest, OverTheLimitLoadsTheFirst20000AndKeepsTheRest) {
    WriteAll(AlarmFile(), FileOf(25000));
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.Alarms().GetSize(), 20000);
    EXPECT_EQ(store.GetStoredCount(), 25000);
    EXPECT_EQ(store.GetLoadStatus(), CAlarmStore::LoadOverLimit);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].Find(L"Too many alarms[25000 memos exist]."), 0);
    // The whole file is kept aside before anything is written.
    std::vector<CString> copies = folder.List(L"schedule_data\\", L"*.bad");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadAll(folder + L"schedule_data\\" + copies[0]), FileOf(25000));
    EXPECT_GE(host.messages[0].Find(copies[0]), 0);
    EXPECT_TRUE(store.Save());
}

TEST_F(AlarmStoreTest, DamagedFileIsKeptAndNotWrittenBack) {
    std::vector<BYTE> good = FileOf(3);
    std::vector<BYTE> noEnd(good.begin(), good.end() - 4);
    std::vector<BYTE> cut(good.begin(), good.end() - 20);
    std::vector<BYTE> wrong = ArchiveString(L"ANNIVER SIGNATURE");
    AppendBytes(wrong, EndMark());
    std::vector<BYTE> badSchema(good.begin(), good.end() - 4);
    AppendInt(badSchema, 77);
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        int loaded;
    } cases[] = {
        {"no end mark", noEnd, 3}, {"cut record", cut, 2}, {"other signature", wrong, 0},
        {"unknown schema", badSchema, 3}, {"nothing", {}, 0},
    };
    for (const Case& c : cases) {
        CScratchFolder f;
        f.MakeFolder(L"schedule_data");
        CRecordingHost h;
        CAlarmStore s(h, f.Path());
        CString path = f + L"schedule_data\\schedule_data.zra";
        WriteAll(path, c.bytes);
        EXPECT_FALSE(s.Load()) << c.what;
        EXPECT_EQ(s.GetLoadStatus(), CAlarmStore::LoadDamaged) << c.what;
        EXPECT_EQ(s.Alarms().GetSize(), c.loaded) << c.what;
        ASSERT_EQ(h.messages.size(), 1u) << c.what;
        EXPECT_EQ(h.messages[0].Find(L"Could not read schedule."), 0) << c.what;
        std::vector<CString> copies = f.List(L"schedule_data\\", L"*.bad");
        ASSERT_EQ(copies.size(), 1u) << c.what;
        EXPECT_EQ(copies[0], L"schedule_data.zra.20140209-153045.bad");
        EXPECT_FALSE(s.Save()) << c.what;
        EXPECT_EQ(ReadAll(path), c.bytes) << c.what;
        EXPECT_TRUE(s.IsHeld());
        // After the frame releases it (say, the user chose to go on), saves work.
        s.ReleaseHold();
        EXPECT_TRUE(s.Save());
    }
}

TEST_F(AlarmStoreTest, FailedSaveLeavesTheOldFileAndTheEmergencyCopyKeepsEveryAlarm) {
    store.AddAlarm(Alarm(0, L"a"));
    store.AddAlarm(Alarm(0, L"b"));
    ASSERT_TRUE(store.Save());
    std::vector<BYTE> before = ReadAll(AlarmFile());
    store.AddAlarm(Alarm(0, L"c"));
    auto held = std::make_unique<CHeldFile>(AlarmFile());

    store.SetHistoryLevel(1);
    EXPECT_FALSE(store.Save());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], L"Could not save schedule.");

    // Without history copies the alarms go to the emergency folder, whole.
    store.SetHistoryLevel(0);
    folder.MakeFolder(L"emergency");
    EXPECT_FALSE(store.Save());
    held.reset();
    ASSERT_EQ(host.messages.size(), 2u);
    CString copy = folder + L"emergency\\schedule_data_20140209153045.zra";
    EXPECT_EQ(host.messages[1], L"Could not save schedule.\nBackup file created\n" + copy);
    EXPECT_EQ(store.Alarms().GetSize(), 3);
    EXPECT_EQ(ReadAll(copy), CAlarmStore::BuildFileBytes(store.Alarms()));
    EXPECT_EQ(ReadAll(AlarmFile()), before);
    EXPECT_EQ(host.saveFailures.size(), 2u);
    // The alarms in memory stay newer than the file until a save works (the
    // session end writes them then).
    EXPECT_TRUE(store.IsSaveDue());
    EXPECT_TRUE(store.Save());
    EXPECT_FALSE(store.IsSaveDue());
    EXPECT_EQ(ReadAll(AlarmFile()), CAlarmStore::BuildFileBytes(store.Alarms()));
}

TEST_F(AlarmStoreTest, EmergencyCopyWithoutItsFolderOnlyTellsTheUser) {
    store.AddAlarm(Alarm(0, L"a"));
    EXPECT_FALSE(store.EmergencyAlarmBackup());
    EXPECT_EQ(host.messages.back(), L"Could not save schedule.");
    EXPECT_EQ(store.Alarms().GetSize(), 1);
}

TEST_F(AlarmStoreTest, ListOperations) {
    CAlarmInfo& a = store.AddAlarm(Alarm(0, L"a"));
    EXPECT_EQ(a.m_nId, 0);
    CAlarmInfo b = Alarm(2, L"b");
    b.m_strMemoFile = L"n.rtf";
    store.AddAlarm(b);
    store.AddAlarm(Alarm(0, L"c"));
    store.ReplaceAlarm(0, Alarm(1, L"a2"));
    EXPECT_EQ(store.Alarms()[0].m_nId, 3);
    EXPECT_EQ(store.FindAlarmById(3)->m_strContents, L"a2");
    EXPECT_EQ(store.FindAlarmById(0), nullptr);
    EXPECT_EQ(store.FindAlarmByMemo(L"n.rtf")->m_strContents, L"b");
    EXPECT_EQ(store.FindAlarmByMemo(L"N.rtf"), nullptr);
    store.DeleteAlarm(1);
    store.DeleteAlarm(99);
    EXPECT_EQ(store.Alarms().GetSize(), 2);
    store.ReplaceAlarm(5, Alarm(0, L"ignored"));
    EXPECT_EQ(store.Alarms().GetSize(), 2);
}

TEST_F(AlarmStoreTest, DeletingDoneAndOverdueAlarms) {
    SYSTEMTIME now = CRecordingHost::MakeTime(2014, 3, 10, 12, 0);
    CAlarmInfo pastTarget = Alarm(2, L"past target");
    CAlarmInfo pastDDay = Alarm(2, L"past d-day");
    pastDDay.m_bDDay = 1;
    CAlarmInfo futureTarget = Alarm(2, L"future");
    futureTarget.m_nYear = 2015;
    futureTarget.UpdateMinuteKey();
    CAlarmInfo offOnce = Alarm(1, L"off once");
    offOnce.m_bEnabled = 0;
    CAlarmInfo onOnce = Alarm(1, L"on once");
    CAlarmInfo endsToday = Alarm(4, L"ends today");
    endsToday.m_nEndDate = MakeDateCode(2014, 3, 10);
    CAlarmInfo endsLater = Alarm(4, L"ends later");
    endsLater.m_nEndDate = MakeDateCode(2014, 3, 11);
    CAlarmInfo done = Alarm(0, L"done");
    done.m_bDone = 1;
    for (const auto& a : {pastTarget, pastDDay, futureTarget, offOnce, onOnce, endsToday, endsLater, done})
        store.AddAlarm(a);

    EXPECT_TRUE(store.DeleteOverdueAlarms(now));
    std::vector<CString> left;
    for (const auto& a : store.Alarms()) left.push_back(a.m_strContents);
    EXPECT_EQ(left, (std::vector<CString>{L"past d-day", L"future", L"on once", L"ends later", L"done"}));
    EXPECT_TRUE(store.DeleteCheckedAlarms());
    EXPECT_EQ(store.Alarms().GetSize(), 4);
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.Alarms().GetSize(), 4);
}

TEST_F(AlarmStoreTest, PhoneImport) {
    auto record = [](int kind, const char* text) { return PhoneRecord(kind, 2, 9, 1, text); };
    store.AddAlarm(Alarm(0, L"old"));
    ASSERT_TRUE(store.Save());

    std::vector<BYTE> wrong;
    PhoneString(wrong, "ANNIVER SIGNATURE");
    WriteAll(folder + L"wrong.sync", wrong);
    EXPECT_FALSE(store.ImportPhoneAlarms(folder + L"wrong.sync"));
    EXPECT_EQ(store.Alarms().GetSize(), 1);

    std::vector<BYTE> file;
    PhoneString(file, "ALARM SIGNATURE");
    AppendBytes(file, record(0, "one"));
    AppendBytes(file, record(20, "birthday"));
    AppendBytes(file, record(3, "two"));
    WriteAll(folder + L"phone.sync", file);
    EXPECT_TRUE(store.ImportPhoneAlarms(folder + L"phone.sync"));
    ASSERT_EQ(store.Alarms().GetSize(), 2);
    EXPECT_EQ(store.Alarms()[1].m_strContents, L"two");
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.Alarms().GetSize(), 2);
}

TEST_F(AlarmStoreTest, ReceivedScheduleFileReplacesTheAlarmsAfterAHistoryCopy) {
    store.AddAlarm(Alarm(0, L"mine"));
    ASSERT_TRUE(store.Save());
    std::vector<BYTE> mine = ReadAll(AlarmFile());

    std::vector<BYTE> damaged = FileOf(2);
    damaged.resize(damaged.size() - 10);
    WriteAll(folder + L"bad.sync", damaged);
    EXPECT_FALSE(store.ApplyScheduleFile(folder + L"bad.sync"));
    EXPECT_EQ(ReadAll(AlarmFile()), mine);
    EXPECT_EQ(store.Alarms().GetSize(), 1);

    WriteAll(folder + L"good.sync", FileOf(2));
    EXPECT_TRUE(store.ApplyScheduleFile(folder + L"good.sync"));
    EXPECT_EQ(store.Alarms().GetSize(), 2);
    EXPECT_EQ(ReadAll(folder + L"schedule_data\\history\\2014_02_09_15_30_45.sbak"), mine);
}

namespace {

// The store beside the calendar's anniversary list, as the frame holds them.
class SyncTest : public AlarmStoreTest {
protected:
    SyncTest() {
        anniversaries.SetProgramFolder(folder.Path());
        anniversaries.SetClock([] { return CTime(2014, 2, 9, 15, 30, 45); });
        anniversaries.SetReporter([this](int id) { reports.push_back(id); });
    }
    CString AnniversaryFile() const { return folder + L"anniversary_data\\anniversary_data.xzrn"; }
    // Starts with one alarm and one anniversary, both saved.
    void SaveStartingLists() {
        store.AddAlarm(Alarm(0, L"my alarm"));
        ASSERT_TRUE(store.Save());
        CDayInfo mine;
        mine.m_strText = L"my anniversary";
        anniversaries.AddAnniversary(mine);
        ASSERT_TRUE(anniversaries.SaveAnniversaries());
    }
    CString PhoneFile(const char* signature, const std::vector<std::vector<BYTE>>& records) {
        std::vector<BYTE> bytes;
        PhoneString(bytes, signature);
        for (const auto& r : records) AppendBytes(bytes, r);
        CString path = folder + L"phone.sync";
        WriteAll(path, bytes);
        return path;
    }
    CString MixedPhoneFile() {
        return PhoneFile("ALARM SIGNATURE",
                         {PhoneRecord(0, 2, 9, 1, "alarm one"),
                          PhoneRecord(20, 8, 15, 3, "Liberation Day", 0x00050007, 1, 0, 0),
                          PhoneRecord(3, 2, 9, 1, "alarm two"),
                          PhoneRecord(20, 3, 1, 24, "\xEC\x83\x9D\xEC\x9D\xBC", 3, 0, 1, 1)});  // "생일"
    }
    std::vector<CString> AlarmTexts() const {
        std::vector<CString> texts;
        for (const CAlarmInfo& a : store.Alarms()) texts.push_back(a.m_strContents);
        return texts;
    }
    std::vector<CString> AnniversaryTexts() const {
        std::vector<CString> texts;
        for (const CDayInfo& d : anniversaries.GetList()) texts.push_back(d.m_strText);
        return texts;
    }

    CAnniversaryFile anniversaries;
    std::vector<int> reports;
};

}  // namespace

TEST_F(SyncTest, PhoneFileWithEverythingReplacesBothListsAndKeepsPerSaveHistory) {
    SaveStartingLists();
    std::vector<BYTE> oldAlarms = ReadAll(AlarmFile()), oldAnniversaries = ReadAll(AnniversaryFile());

    EXPECT_TRUE(store.ApplySyncFile(SYNC_PHONE_ALL, MixedPhoneFile(), &anniversaries));
    EXPECT_EQ(AlarmTexts(), (std::vector<CString>{L"alarm one", L"alarm two"}));
    // The list is read back from the file the import wrote.
    ASSERT_EQ(AnniversaryTexts(), (std::vector<CString>{L"Liberation Day", L"\uC0DD\uC77C"}));
    const CDayInfo& liberation = anniversaries.GetList()[0];
    EXPECT_EQ(liberation.m_nMonth, 8);
    EXPECT_EQ(liberation.m_nDay, 15);
    EXPECT_EQ(liberation.m_nIcon, 3);
    EXPECT_EQ(liberation.m_nDaysBefore, 7);
    EXPECT_EQ(liberation.m_bHoliday, 1);
    EXPECT_EQ(liberation.m_bLunar, 0);
    const CDayInfo& birthday = anniversaries.GetList()[1];
    EXPECT_EQ(birthday.m_bLunar, 1);
    EXPECT_EQ(birthday.m_bLeap, 1);
    EXPECT_GE(birthday.m_nId, (int)CAnniversaryFile::kFirstId);

    CAnniversaryFile reread;
    reread.SetProgramFolder(folder.Path());
    reread.SetReporter([](int) {});
    reread.LoadOrImportAnniversaries();
    EXPECT_EQ(reread.GetList().GetSize(), 2);

    // Per-save history names while importing; the settings are put back.
    EXPECT_EQ(ReadAll(folder + L"schedule_data\\history\\2014_02_09_15_30_45.sbak"), oldAlarms);
    EXPECT_EQ(ReadAll(folder + L"anniversary_data\\history\\2014_02_09_15_30_45.xbak"), oldAnniversaries);
    EXPECT_EQ(store.GetHistoryLevel(), 1);
    EXPECT_EQ(anniversaries.GetHistoryLevel(), 1);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SyncTest, EachPhoneKindTouchesOnlyItsLists) {
    struct Case {
        int kind;
        bool withCalendar;
        bool result;
        std::vector<CString> alarms, anniversaries;
    } cases[] = {
        {SYNC_PHONE_SCHEDULE, true, true, {L"alarm one", L"alarm two"}, {L"my anniversary"}},
        {SYNC_PHONE_ANNIVERSARY, true, true, {L"my alarm"}, {L"Liberation Day", L"\uC0DD\uC77C"}},
        // Schedules need no calendar; anniversaries cannot be imported without it.
        {SYNC_PHONE_SCHEDULE, false, true, {L"alarm one", L"alarm two"}, {L"my anniversary"}},
        {SYNC_PHONE_ANNIVERSARY, false, false, {L"my alarm"}, {L"my anniversary"}},
        {SYNC_PHONE_ALL, false, false, {L"alarm one", L"alarm two"}, {L"my anniversary"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.withCalendar ? "" : " without calendar"));
        store.Alarms().RemoveAll();
        anniversaries.RemoveAllAnniversaries();
        SaveStartingLists();
        EXPECT_EQ(store.ApplySyncFile(c.kind, MixedPhoneFile(), c.withCalendar ? &anniversaries : nullptr), c.result);
        EXPECT_EQ(AlarmTexts(), c.alarms);
        EXPECT_EQ(AnniversaryTexts(), c.anniversaries);
    }
}

TEST_F(SyncTest, PhoneFileWithAWrongSignatureChangesNothing) {
    SaveStartingLists();
    std::vector<BYTE> oldAnniversaries = ReadAll(AnniversaryFile());
    CString wrong = PhoneFile("ANNIVER SIGNATURE", {PhoneRecord(20, 8, 15, 3, "Liberation Day")});
    for (int kind : {SYNC_PHONE_ALL, SYNC_PHONE_ANNIVERSARY}) {
        EXPECT_FALSE(store.ApplySyncFile(kind, wrong, &anniversaries));
        EXPECT_EQ(AlarmTexts(), (std::vector<CString>{L"my alarm"}));
        EXPECT_EQ(AnniversaryTexts(), (std::vector<CString>{L"my anniversary"}));
        EXPECT_EQ(ReadAll(AnniversaryFile()), oldAnniversaries);
    }
    // A stream cut inside a record keeps the records before it.
    std::vector<BYTE> cut = ReadAll(MixedPhoneFile());
    cut.resize(cut.size() - 5);
    WriteAll(folder + L"cut.sync", cut);
    EXPECT_TRUE(store.ApplySyncFile(SYNC_PHONE_ANNIVERSARY, folder + L"cut.sync", &anniversaries));
    EXPECT_EQ(AnniversaryTexts(), (std::vector<CString>{L"Liberation Day"}));
}

TEST_F(SyncTest, UnreadableAnniversaryFileIsNotOverwrittenByAnImport) {
    SaveStartingLists();
    std::vector<BYTE> damaged = ReadAll(AnniversaryFile());
    damaged.resize(damaged.size() - 3);
    WriteAll(AnniversaryFile(), damaged);
    anniversaries.LoadOrImportAnniversaries();
    ASSERT_TRUE(anniversaries.LastLoadFailed());
    reports.clear();
    store.ApplySyncFile(SYNC_PHONE_ANNIVERSARY, MixedPhoneFile(), &anniversaries);
    EXPECT_EQ(ReadAll(AnniversaryFile()), damaged);
    EXPECT_FALSE(reports.empty());
}

TEST_F(SyncTest, ReceivedAnniversaryFileReplacesTheListAfterAHistoryCopy) {
    SaveStartingLists();
    std::vector<BYTE> mine = ReadAll(AnniversaryFile());

    // The file of another copy of the program, made the same way.
    CScratchFolder other;
    CAnniversaryFile theirs;
    theirs.SetProgramFolder(other.Path());
    theirs.SetReporter([](int) {});
    for (const wchar_t* text : {L"one", L"two", L"three"}) {
        CDayInfo info;
        info.m_strText = text;
        theirs.AddAnniversary(info);
    }
    ASSERT_TRUE(theirs.SaveAnniversaries());
    std::vector<BYTE> received = ReadAll(theirs.GetFilePath());

    // Cut short or not an anniversary file at all: refused, nothing changes.
    std::vector<BYTE> cut(received.begin(), received.end() - 2);
    WriteAll(folder + L"cut.sync", cut);
    WriteAll(folder + L"alarms.sync", FileOf(2));
    for (const wchar_t* name : {L"cut.sync", L"alarms.sync", L"missing.sync"}) {
        SCOPED_TRACE(testing::Message() << (const char*)StringToUtf8(name));
        EXPECT_FALSE(store.ApplySyncFile(SYNC_ANNIVERSARY, folder + name, &anniversaries));
        EXPECT_EQ(ReadAll(AnniversaryFile()), mine);
        EXPECT_EQ(AnniversaryTexts(), (std::vector<CString>{L"my anniversary"}));
    }

    WriteAll(folder + L"good.sync", received);
    EXPECT_TRUE(store.ApplySyncFile(SYNC_ANNIVERSARY, folder + L"good.sync", &anniversaries));
    EXPECT_EQ(ReadAll(AnniversaryFile()), received);
    EXPECT_EQ(AnniversaryTexts(), (std::vector<CString>{L"one", L"two", L"three"}));
    EXPECT_EQ(ReadAll(folder + L"anniversary_data\\history\\2014_02_09_15_30_45.xbak"), mine);
}

TEST_F(SyncTest, ReceivedAnniversaryFileWithoutTheCalendarStillLandsInPlace) {
    // A first synchronisation: no anniversary folder yet.
    CScratchFolder other;
    CAnniversaryFile theirs;
    theirs.SetProgramFolder(other.Path());
    theirs.SetReporter([](int) {});
    theirs.AddAnniversary(CDayInfo());
    ASSERT_TRUE(theirs.SaveAnniversaries());
    WriteAll(folder + L"good.sync", ReadAll(theirs.GetFilePath()));
    EXPECT_TRUE(store.ApplySyncFile(SYNC_ANNIVERSARY, folder + L"good.sync", nullptr));
    EXPECT_EQ(ReadAll(AnniversaryFile()), ReadAll(theirs.GetFilePath()));
    EXPECT_TRUE(folder.List(L"anniversary_data\\history\\").empty());
}

TEST_F(SyncTest, ReceivedScheduleFileGoesThroughTheSameEntry) {
    SaveStartingLists();
    WriteAll(folder + L"good.sync", FileOf(3));
    EXPECT_TRUE(store.ApplySyncFile(SYNC_SCHEDULE, folder + L"good.sync", &anniversaries));
    EXPECT_EQ(store.Alarms().GetSize(), 3);
    EXPECT_EQ(AnniversaryTexts(), (std::vector<CString>{L"my anniversary"}));
    EXPECT_FALSE(store.ApplySyncFile(7, folder + L"good.sync", &anniversaries));
}

TEST_F(SyncTest, CommandsOfAReceivedScheduleWaitForTheUser) {
    CAlarmInfo mine = Alarm(0, L"mine");
    mine.m_strCommand = L"notepad.exe";
    store.AddAlarm(mine);
    ASSERT_TRUE(store.Save());
    CArray<CAlarmInfo> theirs;
    theirs.Add(Alarm(0, L"known"));
    theirs[0].m_strCommand = L"notepad.exe";
    theirs.Add(Alarm(0, L"new"));
    theirs[1].m_strCommand = L"calc.exe";
    std::vector<BYTE> bytes = CAlarmStore::BuildFileBytes(theirs);
    WriteAll(folder + L"good.sync", bytes);
    bytes.resize(bytes.size() - 6);
    WriteAll(folder + L"cut.sync", bytes);

    CString waitingFile = folder + L"schedule_data\\synced_commands.txt";
    CAlarmFireTrust trust(waitingFile);
    store.SetSyncTrust(&trust);
    EXPECT_FALSE(store.ApplySyncFile(SYNC_SCHEDULE, folder + L"cut.sync", &anniversaries));
    EXPECT_EQ(0u, trust.GetWaitingCount());
    ASSERT_TRUE(store.ApplySyncFile(SYNC_SCHEDULE, folder + L"good.sync", &anniversaries));
    EXPECT_TRUE(trust.NeedsConfirmation(L"calc.exe"));
    EXPECT_FALSE(trust.NeedsConfirmation(L"notepad.exe"));
    // Kept on disk, so a restart still asks.
    CAlarmFireTrust reloaded(waitingFile);
    ASSERT_TRUE(reloaded.Load());
    EXPECT_TRUE(reloaded.NeedsConfirmation(L"calc.exe"));
}
