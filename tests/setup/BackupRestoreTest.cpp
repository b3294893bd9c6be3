// The self-installing backup's own program: the trailer the backup writes
// is found and checked against the file, and the archive unpacks.
#include "ScratchFolder.h"
#include "SetupTestFiles.h"
#include "setup/BackupRestore.h"
#include "tools/Backup.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace BackupRestore;

namespace {

void PutDword(std::vector<BYTE>& t, size_t at, DWORD v) {
    for (int i = 0; i < 4; ++i) t[at + i] = (BYTE)(v >> (8 * i));
}

}  // namespace

TEST(BackupRestoreTest, TrailerMustDescribeTheFile) {
    struct tm when = {};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 11;
    when.tm_hour = 9;
    when.tm_min = 30;
    std::vector<BYTE> trailer = CBackup::MakeTrailer(mktime(&when), L"Korean", L"before the move");
    PutDword(trailer, 32, 5000);
    PutDword(trailer, 36, 700);

    BackupInfo info;
    ASSERT_TRUE(ParseTrailer(trailer.data(), 5000 + 700 + 1024, info));
    EXPECT_EQ(5000u, info.setupLength);
    EXPECT_EQ(700u, info.archiveLength);
    EXPECT_EQ(CString(L"Korean"), info.language);
    EXPECT_EQ(CString(L"2026-12-11 09:30\nbefore the move"), DescribeBackup(info));

    struct Case {
        ULONGLONG fileSize;
        int damagedByte;  // -1 none
    } refused[] = {
        {5000 + 700 + 1024 + 1, -1},  // bytes after the trailer
        {5000 + 700 + 1023, -1},      // a short file
        {1000, -1},
        {5000 + 700 + 1024, 0},  // no marker
        {5000 + 700 + 1024, 24},  // the marker's terminating zero
    };
    for (const Case& c : refused) {
        std::vector<BYTE> copy = trailer;
        if (c.damagedByte >= 0) copy[(size_t)c.damagedByte] ^= 0x5A;
        EXPECT_FALSE(ParseTrailer(copy.data(), c.fileSize, info)) << c.fileSize << " " << c.damagedByte;
    }
}

TEST(BackupRestoreTest, ArchiveUnpacksIntoTheFolder) {
    CScratchFolder scratch(L"restore");
    std::string zip = ReadFileBytes(EnvFolder("ZOREL_SETUP_DATA") + L"payload.zip");
    ASSERT_FALSE(zip.empty());
    std::vector<BYTE> bytes(zip.begin(), zip.end());
    ASSERT_TRUE(WriteFileBytes(scratch + L"Zorel.exe", "older"));
    std::vector<CString> entries;
    EXPECT_TRUE(UnpackArchive(bytes.data(), (DWORD)bytes.size(), scratch.Path(),
                              [&](const CString& name) { entries.push_back(name); }));
    EXPECT_EQ(Tree(EnvFolder("ZOREL_SETUP_DATA") + L"payload\\"), Tree(scratch.Path()));
    EXPECT_EQ(13u, entries.size());

    std::vector<BYTE> damaged(bytes.begin(), bytes.begin() + bytes.size() / 2);
    EXPECT_FALSE(UnpackArchive(damaged.data(), (DWORD)damaged.size(), scratch.Path()));
}
