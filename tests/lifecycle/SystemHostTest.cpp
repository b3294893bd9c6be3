// The program's host: what it does itself and what it hands to the frame.
#include "LifecycleFixture.h"
#include "notes/AlarmFire.h"
#include "notes/LifecycleSystemHost.h"

TEST(SystemHost, AlarmNoticesGoToTheMessageBoxUntilNoticeWindowsExist) {
    ResetLifecycleSettings();
    CLifecycleSystemHost host;
    std::vector<CString> shown;
    host.messageBox = [&](const CString& text, UINT) {
        shown.push_back(text);
        return IDOK;
    };
    CArray<CMemoInfo> memos;
    CAlarmInfo alarm;
    alarm.m_nYear = 2014;
    alarm.m_nMonth = 3;
    alarm.m_nDay = 3;
    alarm.m_nHour = 9;
    alarm.m_nMinute = 5;
    alarm.m_nNoticeStyle = 1;
    alarm.m_strContents = L"Dentist";
    CAlarmFire(host, memos, {}).FireAlarm(alarm, 0);
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(CString(L"[Schedule]   [2014]/3/3 9:5\n\nDentist"), shown[0]);

    // The frame's notice windows take over once it sets them.
    std::vector<NoticeRequest> notices;
    host.showNotice = [&](const NoticeRequest& n) { notices.push_back(n); };
    CAlarmFire(host, memos, {}).FireAlarm(alarm, 0);
    EXPECT_EQ(1u, shown.size());
    EXPECT_EQ(1u, notices.size());
}

TEST(SystemHost, WorkAreaAndUnsetFrameParts) {
    CLifecycleSystemHost host;
    CRect work = host.GetWorkArea();
    EXPECT_GT(work.Width(), 0);
    EXPECT_GT(work.Height(), 0);
    host.workMonitor = 7;  // no such monitor: the primary one
    EXPECT_EQ(work, host.GetWorkArea());
    CRect bar;
    EXPECT_FALSE(host.GetQuickMenuRect(bar));
    EXPECT_FALSE(host.RunAction(L"NEWMEMO"));
    EXPECT_FALSE(host.SaveChangedWidgets());
    CMemoInfo record;
    EXPECT_EQ(nullptr, host.OpenNote(record));
}
