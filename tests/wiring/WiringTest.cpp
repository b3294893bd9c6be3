// The pieces built apart, used together as the program joins them: a day's
// schedule list built from a synchronised alarm store and anniversary list.
#include "ScratchFolder.h"
#include "calendar/AnniversaryFile.h"
#include "notes/AlarmCalendar.h"
#include "notes/AlarmStore.h"
#include "notes/NotesIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class QuietHost : public IStoreHost {
public:
    SYSTEMTIME Now() override {
        SYSTEMTIME t = {};
        t.wYear = 2014, t.wMonth = 2, t.wDay = 9, t.wHour = 15, t.wMinute = 30, t.wSecond = 45;
        return t;
    }
    void ReportSaveFailure(const CString& path) override { failures.push_back(path); }
    void ShowMessage(const CString& text) override { messages.push_back(text); }
    void OfferMemoRestore() override {}
    std::vector<CString> failures, messages;
};

void AppendInt(std::vector<BYTE>& v, int x) {
    for (int i = 0; i < 4; ++i) v.push_back((BYTE)(x >> (8 * i)));
}

void AppendPhoneString(std::vector<BYTE>& v, const char* s) {
    AppendInt(v, (int)strlen(s));
    v.insert(v.end(), s, s + strlen(s));
}

// One record of the phone-format stream (kind 20 is an anniversary).
void AppendPhoneRecord(std::vector<BYTE>& v, int kind, int month, int day, int hour, const char* text,
                       int advance, BYTE lunar) {
    AppendInt(v, 5);
    for (int x : {1, kind, 0, 2010, month, day, hour, 0, 0, 2}) AppendInt(v, x);
    AppendPhoneString(v, "");
    AppendPhoneString(v, "");
    AppendPhoneString(v, text);
    for (int i = 0; i < 4; ++i) AppendPhoneString(v, "");
    for (int x : {0, 0, advance}) AppendInt(v, x);
    for (BYTE b : {0, 0, 0, 0, 0, 0, 0, 0}) v.push_back(b);
    v.push_back(lunar);
    v.push_back(0);
}

}  // namespace

TEST(Wiring, DayScheduleOfAPhoneSynchronisation) {
    CScratchFolder folder(L"wiring");
    folder.MakeFolder(L"schedule_data");
    QuietHost host;
    CAlarmStore store(host, folder.Path());
    ASSERT_TRUE(store.Load());
    CAnniversaryFile anniversaries;
    anniversaries.SetProgramFolder(folder.Path());
    std::vector<int> reports;
    anniversaries.SetReporter([&](int id) { reports.push_back(id); });
    anniversaries.LoadOrImportAnniversaries();

    std::vector<BYTE> phone;
    AppendPhoneString(phone, "ALARM SIGNATURE");
    AppendPhoneRecord(phone, CAlarmInfo::KindEveryDay, 2, 14, 8, "Walk", 0, 0);
    AppendPhoneRecord(phone, CAlarmInfo::KindPhoneAnniversary, 1, 1, 0, "Seollal", 0, 1);
    AppendPhoneRecord(phone, CAlarmInfo::KindPhoneAnniversary, 2, 20, 0, "Birthday", 10, 0);
    CString path = folder.Path() + L"002_2014_02_09_15_30_45_00.sync";
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    file.Write(phone.data(), (UINT)phone.size());
    file.Close();

    ASSERT_TRUE(store.ApplySyncFile(SYNC_PHONE_ALL, path, &anniversaries));
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(host.failures.empty());

    std::vector<CScheduleInfo> rows;
    LunarDate lunar;
    CAlarmCalendar::GetDaySchedules(store.Alarms(), &anniversaries.GetList(), rows, lunar, 2010, 2, 14, 9, 0,
                                    ScheduleOptions());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].m_strText, L"Seollal");
    EXPECT_EQ(rows[0].m_bDayAnniversary, 1);
    EXPECT_EQ(rows[1].m_strText, L"Birthday");
    EXPECT_EQ(rows[1].m_nDays, 6);
    EXPECT_EQ(rows[2].m_strText, L"Walk");
    EXPECT_EQ(rows[2].m_strTime, L"08:00");
    EXPECT_EQ(rows[2].m_bPassed, 1);
    EXPECT_EQ(rows[2].m_nId, store.Alarms()[0].m_nId);
    EXPECT_EQ(rows[0].m_nId, anniversaries.GetList()[0].m_nId);
}
