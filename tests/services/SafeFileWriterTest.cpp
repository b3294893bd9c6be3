#include "TestSupport.h"

#include "shell/SafeFileWriter.h"

namespace {

class SafeFileWriter : public TempFolderTest {
protected:
    // Names in the folder that only a write in progress leaves.
    std::vector<CString> TemporaryFiles() const { return m_scratch->List(CString(), L"*.tmp"); }
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

}  // namespace
