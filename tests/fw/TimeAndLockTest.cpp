#include "fw/Afx.h"

#include <gtest/gtest.h>

#include <thread>

TEST(Time, LocalFieldsAndFormatting) {
    CTime t(2014, 12, 5, 9, 7, 3);
    EXPECT_EQ(t.GetYear(), 2014);
    EXPECT_EQ(t.GetMonth(), 12);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 9);
    EXPECT_EQ(t.GetMinute(), 7);
    EXPECT_EQ(t.GetSecond(), 3);
    EXPECT_EQ(t.GetDayOfWeek(), 6);  // a Friday; 1 is Sunday
    EXPECT_EQ(t.Format(L"%Y-%m-%d %H:%M:%S"), L"2014-12-05 09:07:03");
    CTime later = t + CTimeSpan(1, 2, 3, 4);
    CTimeSpan d = later - t;
    EXPECT_EQ(d.GetDays(), 1);
    EXPECT_EQ(d.GetHours(), 2);
    EXPECT_EQ(d.GetMinutes(), 3);
    EXPECT_EQ(d.GetSeconds(), 4);
    SYSTEMTIME st;
    later.GetAsSystemTime(st);
    EXPECT_EQ(CTime(st), later);
}

TEST(CriticalSection, GuardsACounterAcrossThreads) {
    CCriticalSection cs;
    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                CSingleLock lock(&cs, true);
                ++counter;
            }
        });
    for (auto& th : threads) th.join();
    EXPECT_EQ(counter, 40000);
}

TEST(Array, BoundsAreChecked) {
    CStringArray a;
    a.Add(L"x");
    a.InsertAt(0, L"w");
    a.SetAtGrow(3, L"z");
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[0], L"w");
    EXPECT_TRUE(a[2].IsEmpty());
    a.RemoveAt(1, 10);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_THROW(a[5], std::out_of_range);
}
