// Profile values in the registry under the program's key.
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Profile, ValuesLiveUnderTheRegistryKeyAndApplicationName) {
    CWinApp& app = TestApp();
    app.SetRegistryKey(L"Zorel Program");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Zorel Program\\ZorelFwTest");

    EXPECT_EQ(app.GetProfileInt(L"General", L"Missing", 17), 17u);
    EXPECT_EQ(app.GetProfileString(L"General", L"Missing", L"dflt"), L"dflt");
    EXPECT_TRUE(app.WriteProfileInt(L"General", L"Count", -3));
    EXPECT_TRUE(app.WriteProfileString(L"HistoryRun", L"Run0", L"notepad.exe"));
    BYTE bytes[] = {1, 2, 3, 0, 255};
    EXPECT_TRUE(app.WriteProfileBinary(L"General", L"Blob", bytes, sizeof(bytes)));
    EXPECT_EQ((int)app.GetProfileInt(L"General", L"Count", 0), -3);
    EXPECT_EQ(app.GetProfileString(L"HistoryRun", L"Run0"), L"notepad.exe");
    LPBYTE data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"General", L"Blob", &data, &size));
    ASSERT_EQ(size, sizeof(bytes));
    EXPECT_EQ(memcmp(data, bytes, size), 0);
    delete[] data;

    // Where it is, so other programs (the uninstaller) find it.
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Zorel Program\\ZorelFwTest\\HistoryRun", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    ::RegCloseKey(key);

    // A wrong type reads as the default.
    EXPECT_EQ(app.GetProfileInt(L"HistoryRun", L"Run0", 9), 9u);
    EXPECT_TRUE(app.WriteProfileString(L"HistoryRun", L"Run0", nullptr));
    EXPECT_EQ(app.GetProfileString(L"HistoryRun", L"Run0", L"gone"), L"gone");
    EXPECT_TRUE(app.WriteProfileString(L"General", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt(L"General", L"Count", 5), 5u);

    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Zorel Program\\ZorelFwTest");
}
