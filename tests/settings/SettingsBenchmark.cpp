// Benchmarks, not timed tests: run with --gtest_also_run_disabled_tests
// --gtest_filter=*Benchmark* to see the figures.
#include "SettingsFixture.h"

#include <chrono>
#include <cstdio>

namespace {
double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

TEST_F(SettingsTest, DISABLED_BenchmarkLoadSaveAndLookups) {
    ASSERT_EQ(Load(), CONFIG_MISSING);
    ASSERT_TRUE(SaveConfig(*store));

    const int rounds = 200;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) Load();
    double load = MillisecondsSince(start) / rounds;

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) ASSERT_TRUE(SaveConfig(*store));
    double save = MillisecondsSince(start) / rounds;

    LoadLanguageTexts();
    const int lookups = 100000;
    size_t total = 0;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < lookups; ++i) total += g_LanguageTable[g_BuiltinTexts[i % g_BuiltinTextCount].id].GetLength();
    double lookup = MillisecondsSince(start);

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) LoadLanguageTexts();
    double fill = MillisecondsSince(start) / 100;

    printf("settings file: load %.3f ms, save %.3f ms (mean of %d)\n", load, save, rounds);
    printf("text table: %d lookups in %.3f ms (%zu characters); built-in fill %.3f ms\n", lookups, lookup, total,
           fill);
}
