// Benchmarks, not tests: run with --gtest_also_run_disabled_tests
// --gtest_filter=*Benchmark* to print the figures.
#include "notes/AlarmCheck.h"

#include "StoreTestSupport.h"

#include <cstdio>

namespace {
double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)f.QuadPart;
}
}  // namespace

TEST(StoreBenchmark, DISABLED_MinuteCheckOver20000Alarms) {
    CArray<CAlarmInfo> alarms;
    for (int i = 0; i < 20000; ++i) {
        CAlarmInfo a;
        a.m_nKind = i % 8;
        a.m_nYear = 2014;
        a.m_nMonth = 1 + i % 12;
        a.m_nDay = 1 + i % 28;
        a.m_nHour = i % 24;
        a.m_nMinute = i % 60;
        a.m_nDayValue = a.m_nKind == 3 ? 0x7F : a.m_nKind == 5 ? 1 + i % 32 : 3;
        a.m_nEndDate = MakeDateCode(2015, 1, 1);
        a.m_nAdvance = (i % 5) * 15;
        a.m_nWeekNumber = (BYTE)(i % 5);
        a.m_nWeekDay = (BYTE)(i % 7);
        a.UpdateMinuteKey();
        a.UpdateMinuteOfDay();
        alarms.Add(a);
    }
    // The baseline: one plain pass over the same records reading the
    // minute each one is due, the least any check has to do.
    const int rounds = 200;
    size_t fired = 0;
    long long sum = 0;
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    for (int r = 0; r < rounds; ++r) {
        SYSTEMTIME now = CRecordingHost::MakeTime(2014, 3, 1 + r % 28, r % 24, r % 60);
        fired += CAlarmCheck::CheckAlarms(alarms, now).fired.size();
    }
    QueryPerformanceCounter(&t1);
    for (int r = 0; r < rounds; ++r)
        for (INT_PTR i = 0; i < alarms.GetSize(); ++i) sum += alarms[i].m_nMinuteKey + r;
    QueryPerformanceCounter(&t2);
    double check = Milliseconds(t0, t1) / rounds, pass = Milliseconds(t1, t2) / rounds;
    printf("minute check over 20000 alarms: %.3f ms per check, a plain pass over them %.3f ms, ratio %.2fx "
           "(%zu fired in %d checks; %lld)\n",
           check, pass, pass > 0 ? check / pass : 0.0, fired, rounds, sum % 10);
}
