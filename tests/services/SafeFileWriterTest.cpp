#include "TestSupport.h"

#include "shell/SafeFileWriter.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

class SafeFileWriter : public TempFolderTest {
protected:
    // Names in the folder that only a write in progress leaves.
    std::vector<CString> TemporaryFiles() const {
        std::vector<CString> names = m_scratch->List(CString(), L"*.tmp");
        for (const CString& name : m_scratch->List(CString(), L"*.ready")) names.push_back(name);
        return names;
    }
};

TEST_F(SafeFileWriter, WritesExactlyTheBytesInPlaceOfTheOldFile) {
    struct Case {
        const char* what;
        std::string bytes;
        bool textMode;
        std::string expected;
    } cases[] = {
        {"bytes", std::string("a\nb\0c", 5), false, std::string("a\nb\0c", 5)},
        {"nothing: an empty file", "", false, ""},
        {"text: each LF becomes CR LF", "<a>\n    <b>1</b>\n</a>\n", true, "<a>\r\n    <b>1</b>\r\n</a>\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(L"f.dat", "an older and longer content");
        ASSERT_TRUE(CSafeFileWriter::WriteStream(
            Path(L"f.dat"),
            [&](FILE* file) { return c.bytes.empty() || fwrite(c.bytes.data(), 1, c.bytes.size(), file) == c.bytes.size(); },
            c.textMode));
        EXPECT_EQ(ReadFile(L"f.dat"), c.expected);
        EXPECT_TRUE(TemporaryFiles().empty());
    }
    ASSERT_TRUE(CSafeFileWriter::WriteFile(Path(L"new.dat"), "xyz", 3));
    EXPECT_EQ(ReadFile(L"new.dat"), "xyz");
}

TEST_F(SafeFileWriter, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    struct Case {
        const char* what;
        bool hold;      // another program has the file open
        bool fillFails; // the content could not be made
    } cases[] = {
        {"the file is held open", true, false},
        {"the content failed half-way", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(L"f.dat", "old");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.hold) {
            held = CreateFileW(Path(L"f.dat"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        EXPECT_FALSE(CSafeFileWriter::WriteStream(Path(L"f.dat"), [&](FILE* file) {
            fputs("new, cut short", file);
            return !c.fillFails;
        }));
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(ReadFile(L"f.dat"), "old");
        EXPECT_TRUE(TemporaryFiles().empty());
    }
    EXPECT_FALSE(CSafeFileWriter::WriteFile(Path(L"missing\\f.dat"), "x", 1));
    EXPECT_FALSE(Exists(L"missing"));
}

TEST_F(SafeFileWriter, ReplaceWithPutsAFinishedFileInPlaceOrDropsIt) {
    WriteFile(L"f.dat", "old");
    WriteFile(L"f.dat.part", "new");
    ASSERT_TRUE(CSafeFileWriter::ReplaceWith(Path(L"f.dat.part"), Path(L"f.dat")));
    EXPECT_EQ(ReadFile(L"f.dat"), "new");
    EXPECT_FALSE(Exists(L"f.dat.part"));

    WriteFile(L"f.dat.part", "newer");
    HANDLE held = CreateFileW(Path(L"f.dat"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CSafeFileWriter::ReplaceWith(Path(L"f.dat.part"), Path(L"f.dat")));
    CloseHandle(held);
    EXPECT_EQ(ReadFile(L"f.dat"), "new");
    EXPECT_FALSE(Exists(L"f.dat.part"));
}

// Another program that runs while the test runs (not a copy of this one), or 0.
DWORD OtherRunningProgram() {
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    const wchar_t* ownName = wcsrchr(own, L'\\') ? wcsrchr(own, L'\\') + 1 : own;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    DWORD found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId() &&
            _wcsicmp(entry.szExeFile, ownName) != 0 && _wcsnicmp(entry.szExeFile, L"zorel", 5) != 0)
            found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

// A second copy of this program, idling until it is ended: one of ours,
// as a program in the middle of a save would be.
struct RunningCopy {
    PROCESS_INFORMATION info = {};
    RunningCopy() {
        wchar_t own[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, own, MAX_PATH);
        std::wstring command = std::wstring(L"\"") + own +
                               L"\" --gtest_also_run_disabled_tests --gtest_filter=SafeFileWriterCopy.DISABLED_Idle";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(own, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            info = PROCESS_INFORMATION();
    }
    ~RunningCopy() {
        if (!info.hProcess) return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 10000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
};

void SetWriteTime(const CString& path, int minutesAgo) {
    HANDLE h = CreateFileW(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t;
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    t.QuadPart -= (ULONGLONG)minutesAgo * 60 * 10000000;
    FILETIME when = {t.LowPart, t.HighPart};
    SetFileTime(h, nullptr, nullptr, &when);
    CloseHandle(h);
}

TEST_F(SafeFileWriter, LeftoversOfSavesCutShortAreClearedOrRecovered) {
    // A temporary file of one of our programs still running is a save under
    // way; the id of another program is one reused after ours ended.
    RunningCopy copy;
    ASSERT_NE(copy.info.dwProcessId, 0u);
    DWORD other = OtherRunningProgram();
    ASSERT_NE(other, 0u);
    CString runningTemp, reusedTemp, reusedReady;
    runningTemp.Format(L"busy.dat.%lu.3.tmp", copy.info.dwProcessId);
    reusedTemp.Format(L"reused.dat.%lu.7.tmp", other);
    reusedReady.Format(L"whole.dat.%lu.8.ready", other);

    struct File {
        const wchar_t* name;
        const char* bytes;
        int minutesAgo;
    };
    const File before[] = {
        {L"live.dat", "live", 9},
        {L"live.dat.11.1.tmp", "half", 1},           // cut short while writing
        {L"live.dat.11.2.ready", "whole, never put in place", 1},
        {L"gone.dat.11.3.ready", "older whole", 5},   // the live file was never made
        {L"gone.dat.15.4.ready", "newest whole", 2},
        {L"gone.dat.13.5.tmp", "half of the newest", 1},
        {L"half.dat.11.6.tmp", "half of a first save", 1},
        {L"notes.tmp", "not ours", 1},
        {L"x.abc.1.tmp", "not ours", 1},
        {L"x.1.tmp", "not ours", 1},
        {L"user.ready", "not ours", 1},
        {runningTemp, "a save under way", 0},
        {reusedTemp, "cut short; its id now another program's", 1},
        {reusedReady, "whole; its id now another program's", 1},
    };
    for (const File& f : before) {
        WriteFile(f.name, f.bytes);
        SetWriteTime(Path(f.name), f.minutesAgo);
    }

    CSafeFileWriter::Leftovers result = CSafeFileWriter::CleanLeftovers(m_root, 100);
    EXPECT_EQ(result.recovered, 2);
    EXPECT_EQ(result.removed, 6);
    EXPECT_FALSE(result.more);

    std::vector<CString> after = m_scratch->List();
    std::sort(after.begin(), after.end());
    std::vector<CString> expected = {L"gone.dat", L"live.dat", L"notes.tmp", L"user.ready", L"x.1.tmp",
                                     L"x.abc.1.tmp", runningTemp, L"whole.dat"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);
    EXPECT_EQ(ReadFile(L"live.dat"), "live");
    EXPECT_EQ(ReadFile(L"gone.dat"), "newest whole");
    EXPECT_EQ(ReadFile(L"whole.dat"), "whole; its id now another program's");
}

// The running copy of LeftoversOfSavesCutShortAreClearedOrRecovered.
TEST(SafeFileWriterCopy, DISABLED_Idle) { Sleep(60000); }

TEST_F(SafeFileWriter, LeftoversAreClearedInBoundedRounds) {
    for (int i = 0; i < 7; ++i) {
        CString name;
        name.Format(L"f%d.dat.11.%d.tmp", i, i);
        WriteFile(name, "half");
    }
    int rounds = 0;
    CSafeFileWriter::Leftovers result;
    do {
        result = CSafeFileWriter::CleanLeftovers(m_root + L"\\", 3);
        EXPECT_LE(result.removed, 3);
    } while (result.more && ++rounds < 10);
    EXPECT_EQ(rounds, 2);
    EXPECT_TRUE(m_scratch->List().empty());
}

TEST_F(SafeFileWriter, ASaveInProgressIsNotTakenForAWholeOne) {
    // While the bytes are still being written the file is no leftover to
    // recover; only a finished save lands in place.
    CSafeFileWriter::Leftovers during;
    ASSERT_TRUE(CSafeFileWriter::WriteStream(Path(L"new.dat"), [&](FILE* file) {
        fputs("first half", file);
        fflush(file);
        during = CSafeFileWriter::CleanLeftovers(m_root, 100);
        fputs(", second half", file);
        return true;
    }));
    EXPECT_EQ(during.recovered, 0);
    EXPECT_EQ(ReadFile(L"new.dat"), "first half, second half");
    EXPECT_TRUE(TemporaryFiles().empty());
}

}  // namespace
