#include "ui/ZDialogList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

CZDialog* Fake(int n) { return reinterpret_cast<CZDialog*>((intptr_t)(0x1000 + n * 16)); }

struct RegistryTest : ::testing::Test {
    void SetUp() override { ClearDialogRegistry(); }
    void TearDown() override { ClearDialogRegistry(); }
};

TEST_F(RegistryTest, RegisterUnregisterInOrderOfCreation) {
    RegisterDialog(Fake(1));
    RegisterDialog(Fake(2));
    RegisterDialog(Fake(1));  // only the first equal entry goes at a time
    EXPECT_TRUE(IsDialogRegistered(Fake(2)));
    UnregisterDialog(Fake(1));
    EXPECT_EQ(GetRegisteredDialogs(), (std::vector<CZDialog*>{Fake(2), Fake(1)}));
    UnregisterDialog(Fake(3));  // not there: nothing changes
    EXPECT_EQ(g_ZDialogList.GetSize(), 2);
    ClearDialogRegistry();
    EXPECT_FALSE(IsDialogRegistered(Fake(2)));
}

TEST_F(RegistryTest, SerialNumbersAreNeverReused) {
    int a = NextZDialogSerial();
    int b = NextZDialogSerial();
    EXPECT_EQ(b, a + 1);
    EXPECT_GE(a, 1);
}

TEST_F(RegistryTest, ReadersUnderTheLockNeverSeeTheListChanging) {
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop) {
            LockDialogRegistry();
            int n = g_ZDialogList.GetSize();
            // Entries come and go in pairs under one lock hold each, so a
            // reader holding the lock never sees them half done.
            for (int i = 0; i < n; ++i)
                if (g_ZDialogList[i] == nullptr) ++torn;
            bool found = IsDialogRegistered(Fake(1));
            (void)found;
            UnlockDialogRegistry();
        }
    });
    for (int i = 0; i < 20000; ++i) {
        RegisterDialog(Fake(i % 50));
        if (i % 2) {
            UnregisterDialog(Fake((i - 1) % 50));
            UnregisterDialog(Fake(i % 50));
        }
    }
    stop = true;
    reader.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(g_ZDialogList.GetSize(), 0);
}

}  // namespace
