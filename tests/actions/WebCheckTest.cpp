// The web check's result file and what follows from it: the delay, the fail
// count, the next interval; and the queue of notes received over the network.
#include "ActionTestSupport.h"

#include "shell/ProgramFolder.h"
#include "shell/ReceiveQueue.h"
#include "shell/Settings.h"
#include "shell/WebCheckResult.h"

#include <thread>

namespace {

class WebCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_ProgramFolder = folder.Path();
        g_CheckFailCount = 0;
        SetCheckInterval(86400);
        CWebCheckResult::EndCheck();
    }
    void TearDown() override {
        g_ProgramFolder.Empty();
        g_CheckFailCount = 0;
        CWebCheckResult::EndCheck();
    }

    void WriteResult(const std::string& xml) { folder.Write(L"system\\zorelcheck\\result.xml", xml); }
    static std::string WithDelay(const std::string& delay) {
        return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZorelCheck><SYSTEM><CheckCycle>3600</CheckCycle>"
               "<CheckDelay>" + delay + "</CheckDelay></SYSTEM><NOTICE/></ZorelCheck>\n";
    }
    CWebCheckResult::Outcome Done(WPARAM hasFile, int& delay) {
        return CWebCheckResult::OnCheckDone(hasFile, GetWebCheckResultPath(), delay);
    }

    CScratchProgramFolder folder;
};

struct DelayCase {
    std::string delay;
    CWebCheckResult::Outcome outcome;
    int seconds;
};

TEST_F(WebCheckTest, CheckDelayIsClampedAndZeroHandsOverAtOnce) {
    const DelayCase cases[] = {
        {"90000", CWebCheckResult::OUTCOME_WAIT, 86400},
        {"86399", CWebCheckResult::OUTCOME_WAIT, 86399},
        {"86400", CWebCheckResult::OUTCOME_WAIT, 86400},
        {"99999999999999999999", CWebCheckResult::OUTCOME_WAIT, 86400},
        {"120", CWebCheckResult::OUTCOME_WAIT, 120},
        {" 15s", CWebCheckResult::OUTCOME_WAIT, 15},
        {"0", CWebCheckResult::OUTCOME_HAND_OVER, 0},
        {"-5", CWebCheckResult::OUTCOME_HAND_OVER, 0},
        {"abc", CWebCheckResult::OUTCOME_HAND_OVER, 0},
        {"", CWebCheckResult::OUTCOME_HAND_OVER, 0},
    };
    for (const DelayCase& c : cases) {
        WriteResult(WithDelay(c.delay));
        g_CheckFailCount = 2;
        SetCheckInterval(5);
        int delay = -1;
        EXPECT_EQ(Done(1, delay), c.outcome) << c.delay;
        EXPECT_EQ(delay, c.seconds) << c.delay;
        EXPECT_EQ(g_CheckFailCount.load(), 10) << c.delay;
        EXPECT_EQ(GetCheckInterval(), 86400) << c.delay;
    }
}

TEST_F(WebCheckTest, MissingDelayOrSystemHandsOverAtOnce) {
    int delay = -1;
    WriteResult("<ZorelCheck><SYSTEM/></ZorelCheck>");
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_HAND_OVER);
    WriteResult("<ZorelCheck><NOTICE/></ZorelCheck>");
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_HAND_OVER);
    EXPECT_EQ(delay, 0);
}

TEST_F(WebCheckTest, UnreadableResultsRetrySoonFourTimesThenWaitADay) {
    WriteResult("<Other><SYSTEM><CheckDelay>5</CheckDelay></SYSTEM></Other>");
    for (int n = 0; n < 4; ++n) {
        SetCheckInterval(0);
        int delay = -1;
        EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
        EXPECT_GE(GetCheckInterval(), 1800) << n;
        EXPECT_LE(GetCheckInterval(), 3599) << n;
    }
    int delay = -1;
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
    EXPECT_EQ(GetCheckInterval(), 86400);
    EXPECT_EQ(g_CheckFailCount.load(), 5);

    // After one readable result every failure waits a day.
    g_CheckFailCount = 0;
    WriteResult(WithDelay("0"));
    Done(1, delay);
    WriteResult("<ZorelCheck><unclosed></ZorelCheck>");
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
    EXPECT_EQ(GetCheckInterval(), 86400);
}

TEST_F(WebCheckTest, KindsOfUnreadableFile) {
    int delay = -1;
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);  // no file
    WriteResult("");
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
    WriteResult("not xml at all");
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
    WriteResult(std::string(CWebCheckResult::MAX_RESULT_BYTES + 1, ' '));
    EXPECT_EQ(Done(1, delay), CWebCheckResult::OUTCOME_FAILED);
    EXPECT_EQ(g_CheckFailCount.load(), 4);
}

TEST_F(WebCheckTest, AFailedCheckChangesNothingHere) {
    WriteResult(WithDelay("60"));
    SetCheckInterval(1234);
    g_CheckFailCount = 3;
    int delay = -1;
    EXPECT_EQ(Done(0, delay), CWebCheckResult::OUTCOME_NONE);
    EXPECT_EQ(GetCheckInterval(), 1234);
    EXPECT_EQ(g_CheckFailCount.load(), 3);
}

TEST_F(WebCheckTest, RetryIntervalStaysInRangeForAnyRandomNumber) {
    const int randoms[] = {0, 1, 1799, 1800, 32767, INT_MAX, -1, INT_MIN};
    for (int r : randoms) {
        for (int previous = 0; previous <= 3; ++previous) {
            int interval = CWebCheckResult::RetryInterval(previous, r);
            EXPECT_GE(interval, 1800) << r;
            EXPECT_LE(interval, 3599) << r;
        }
        EXPECT_EQ(CWebCheckResult::RetryInterval(4, r), 86400);
        EXPECT_EQ(CWebCheckResult::RetryInterval(10, r), 86400);
    }
}

// Failures counted on many threads at once are all counted.
TEST_F(WebCheckTest, FailuresFromManyThreadsAreAllCounted) {
    g_CheckFailCount = 10;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 200; ++i) CWebCheckResult::CountFailure();
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(g_CheckFailCount.load(), 10 + 8 * 200);
    EXPECT_EQ(GetCheckInterval(), 86400);
}

TEST_F(WebCheckTest, OneCheckAtATime) {
    EXPECT_TRUE(CWebCheckResult::TryBeginCheck());
    EXPECT_FALSE(CWebCheckResult::TryBeginCheck());
    int delay = 0;
    Done(0, delay);  // the check reported back
    EXPECT_TRUE(CWebCheckResult::TryBeginCheck());
}

// The result file sits under a program folder whose name is not in the ANSI
// code page, and still reads.
TEST_F(WebCheckTest, ResultPathOutsideTheAnsiCodePage) {
    EXPECT_EQ(GetWebCheckResultPath(), folder.Path() + L"system\\zorelcheck\\result.xml");
    WriteResult(WithDelay("42"));
    int delay = 0;
    EXPECT_TRUE(CWebCheckResult::Read(GetWebCheckResultPath(), delay));
    EXPECT_EQ(delay, 42);
}

// The frame's 50 ms timer as a test clock: each push re-arms it, and when it
// fires it takes everything queued.
class CFakeTimer {
public:
    DWORD now = 0;
    DWORD due = 0;
    bool armed = false;
    void Arm() {
        due = now + 50;
        armed = true;
    }
    bool FiresBy(DWORD t) const { return armed && due <= t; }
};

TEST(ReceiveQueueTest, NotesTwentyMillisecondsApartAreTakenInOneTick) {
    CReceiveQueue queue;
    CFakeTimer timer;
    queue.SetNotifier([&] { timer.Arm(); });

    timer.now = 0;
    queue.Push(L"1401010101010001.rtf", "10 20 300 200|first");
    timer.now = 20;
    EXPECT_FALSE(timer.FiresBy(20));
    queue.Push(L"1401010101010021.rtx", "");
    EXPECT_FALSE(timer.FiresBy(69));
    ASSERT_TRUE(timer.FiresBy(70));

    std::vector<ReceivedNote> notes = queue.TakeAll();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].fileName, L"1401010101010001.rtf");
    EXPECT_EQ(notes[0].text, L"10 20 300 200|first");
    // A note without text is still a pair.
    EXPECT_EQ(notes[1].fileName, L"1401010101010021.rtx");
    EXPECT_EQ(notes[1].text, L"");
    EXPECT_TRUE(queue.TakeAll().empty());
}

TEST(ReceiveQueueTest, NullTextAndAnsiText) {
    CReceiveQueue queue;
    queue.Push(L"a.rtf", nullptr);
    // "\xC7\xD1" is one Korean letter in code page 949; in 1252 two letters.
    queue.Push(L"b.rtf", "\xC7\xD1");
    std::vector<ReceivedNote> notes = queue.TakeAll();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, L"");
    EXPECT_EQ(notes[1].text, MultiByteToString("\xC7\xD1", 2, CP_THREAD_ACP));
    EXPECT_FALSE(notes[1].text.IsEmpty());
}

// File-server threads push while the user-interface thread takes: every
// pair arrives whole, and each thread's notes keep their order.
TEST(ReceiveQueueTest, PushesFromManyThreadsStayPaired) {
    CReceiveQueue queue;
    const int kThreads = 4, kEach = 300;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&queue, t] {
            for (int i = 0; i < kEach; ++i) {
                CString name;
                name.Format(L"%d-%d.rtf", t, i);
                CStringA text;
                text.Format("%d-%d", t, i);
                queue.Push(name, text);
            }
        });
    std::vector<ReceivedNote> all;
    for (int spins = 0; spins < 100000 && (int)all.size() < kThreads * kEach; ++spins) {
        std::vector<ReceivedNote> some = queue.TakeAll();
        all.insert(all.end(), some.begin(), some.end());
        if (some.empty()) Sleep(0);
    }
    for (std::thread& t : threads) t.join();
    std::vector<ReceivedNote> rest = queue.TakeAll();
    all.insert(all.end(), rest.begin(), rest.end());

    ASSERT_EQ((int)all.size(), kThreads * kEach);
    std::vector<int> next(kThreads, 0);
    for (const ReceivedNote& note : all) {
        EXPECT_EQ(note.fileName, note.text + L".rtf");
        int t = _wtoi(note.text);
        ASSERT_GE(t, 0);
        ASSERT_LT(t, kThreads);
        CString expected;
        expected.Format(L"%d-%d", t, next[t]++);
        EXPECT_EQ(note.text, expected);
    }
}

}  // namespace
