// Batches (ExtractFiles, AddNewFiles) against the single calls they stand
// for: the same archive bytes, the same files, the same result for every
// item, told in order, and failures told where they happen.
#include "tools/zip/ZipArchive.h"

#include "ZipTestUtil.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

// Every item's result as the batch told it; items must come in order.
struct Told {
    std::vector<bool> results;
    ZIPBATCHFUN Recorder(size_t stopAfter = (size_t)-1) {
        return [this, stopAfter](size_t item, bool done) {
            EXPECT_EQ(results.size(), item);
            results.push_back(done);
            return item < stopAfter;
        };
    }
};

// Adds paths (relative to folder) one call at a time, or as one batch.
std::vector<bool> Add(const CString& archive, const CString& folder, const std::vector<CString>& paths, int level,
                      bool batch) {
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder);
    CZipArchive zip;
    zip.Open(archive, CZipArchive::create);
    Told told;
    if (batch) {
        zip.AddNewFiles(paths, level, true, told.Recorder());
    } else {
        for (const CString& p : paths) told.results.push_back(zip.AddNewFile(p, level));
    }
    zip.Close();
    SetCurrentDirectoryW(previous);
    return told.results;
}

std::vector<WORD> AllEntries(const CZipArchive& zip) {
    std::vector<WORD> indexes(zip.GetEntryCount());
    for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = (WORD)i;
    return indexes;
}

// Extracts every entry one call at a time, or as one batch.
std::vector<bool> Extract(const Bytes& archive, const CString& target, bool batch) {
    CMemFile mem(archive.data(), archive.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    Told told;
    if (batch) {
        zip.ExtractFiles(AllEntries(zip), target, told.Recorder());
    } else {
        for (WORD i = 0; i < zip.GetEntryCount(); ++i) told.results.push_back(zip.ExtractFile(i, target));
    }
    zip.Close();
    return told.results;
}

ULONGLONG WriteTicks(const CString& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
    return ((ULONGLONG)data.ftLastWriteTime.dwHighDateTime << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// Two extracted trees: the same files with the same bytes, times and marks.
void ExpectSameTrees(const CString& a, const CString& b) {
    auto left = ReadTree(a), right = ReadTree(b);
    EXPECT_EQ(left, right);
    for (const auto& kv : left) {
        SCOPED_TRACE(StringToUtf8(kv.first).GetString());
        if (kv.first.Right(1) == L"\\") continue;
        EXPECT_EQ(WriteTicks(a + L"\\" + kv.first), WriteTicks(b + L"\\" + kv.first));
        EXPECT_EQ(GetFileAttributesW(a + L"\\" + kv.first), GetFileAttributesW(b + L"\\" + kv.first));
    }
}

}  // namespace

// More files than one batch holds, a file too large to go through memory
// whole, an empty file, a read-only one, folders and paths that name nothing:
// at every level the batch writes the very bytes of the single calls.
TEST(ZipBatch, AddsWhatSingleCallsAdd) {
    TempFolder dir(L"batch_add");
    std::vector<CString> paths = {L"empty.txt", L"missing.txt", L"sub", L"sub\\big.txt", L"sub\\readonly.bin",
                                  L"C:", L"random.bin"};
    WriteBytes(dir / L"src\\empty.txt", Bytes());
    Bytes big = RandomBytes(1500000, 5);
    for (BYTE& c : big) c = (BYTE)('a' + c % 8);
    WriteBytes(dir / L"src\\sub\\big.txt", big);
    WriteBytes(dir / L"src\\sub\\readonly.bin", RandomBytes(3000, 6));
    SetFileAttributesW(dir / L"src\\sub\\readonly.bin", FILE_ATTRIBUTE_READONLY);
    WriteBytes(dir / L"src\\random.bin", RandomBytes(200000, 7));
    for (int i = 0; i < 600; ++i) {
        CString name;
        name.Format(L"many\\f%03d.txt", i);
        WriteBytes(dir / L"src\\" + name, Bytes((size_t)(i * 7), (BYTE)('a' + i % 26)));
        paths.push_back(name);
    }
    for (int level : {-1, 0, 9}) {
        SCOPED_TRACE(level);
        std::vector<bool> single = Add(dir / L"single.zip", dir / L"src", paths, level, false);
        std::vector<bool> batch = Add(dir / L"batch.zip", dir / L"src", paths, level, true);
        EXPECT_EQ(single, batch);
        EXPECT_FALSE(batch[1]);
        EXPECT_TRUE(batch[3]);
        EXPECT_EQ(ReadBytes(dir / L"single.zip"), ReadBytes(dir / L"batch.zip"));
    }
    SetFileAttributesW(dir / L"src\\sub\\readonly.bin", FILE_ATTRIBUTE_NORMAL);

    // And back: the batch extracts what the single calls extract.
    Bytes archive = ReadBytes(dir / L"batch.zip");
    std::vector<bool> single = Extract(archive, dir / L"single", false);
    std::vector<bool> batch = Extract(archive, dir / L"batch", true);
    EXPECT_EQ(single, batch);
    EXPECT_EQ(std::vector<bool>(single.size(), true), batch);
    EXPECT_EQ(big, ReadBytes(dir / L"batch\\sub\\big.txt"));
    ExpectSameTrees(dir / L"single", dir / L"batch");
    SetFileAttributesW(dir / L"single\\sub\\readonly.bin", FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(dir / L"batch\\sub\\readonly.bin", FILE_ATTRIBUTE_NORMAL);
}

// Entries that meet each other on disk (the same file twice, a file where a
// later entry wants a folder) and names that leave the folder: every entry meets what the ones before it
// left, as with the single calls.
TEST(ZipBatch, EntriesThatMeetOnDiskGoInOrder) {
    Bytes archive = BuildArchive({
        StoredEntry("same.txt", Bytes{'1'}),
        StoredEntry("other.txt", Bytes{'o'}),
        StoredEntry("SAME.TXT", Bytes{'2'}),
        StoredEntry("a", Bytes{'a'}),
        StoredEntry("a/b.txt", Bytes{'b'}),
        DeflatedEntry("x/y.txt", Bytes(5000, 'y')),
        StoredEntry("../out.txt", Bytes{'!'}),
        StoredEntry("d/", Bytes()),
        StoredEntry("d/e.txt", Bytes{'e'}),
        StoredEntry("same.txt", Bytes{'3'}),
    });
    TempFolder dir(L"batch_meet");
    std::vector<bool> single = Extract(archive, dir / L"single", false);
    std::vector<bool> batch = Extract(archive, dir / L"batch", true);
    EXPECT_EQ(single, batch);
    EXPECT_EQ((std::vector<bool>{true, true, false, true, false, true, false, true, true, false}), batch);
    ExpectSameTrees(dir / L"single", dir / L"batch");
    EXPECT_EQ(Bytes{'1'}, ReadBytes(dir / L"batch\\same.txt"));

    // A caller that stops at the refused entry finds nothing after it written.
    CMemFile mem(archive.data(), archive.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    Told told;
    zip.ExtractFiles(AllEntries(zip), dir / L"stopped", told.Recorder(2));
    zip.Close();
    EXPECT_EQ((std::vector<bool>{true, true, false}), told.results);
    EXPECT_TRUE(IsFile(dir / L"stopped\\other.txt"));
    EXPECT_FALSE(IsFile(dir / L"stopped\\a"));
}

// A damaged entry among sound ones: the ones before it are told, then the
// error comes as the single call throws it, and the damaged file is not
// left behind. A batch told to stop stops, and the archive goes on working.
TEST(ZipBatch, DamageAndStopAreToldWhereTheyHappen) {
    RawEntry bad = DeflatedEntry("c.txt", Bytes(20000, 'c'));
    bad.crc ^= 1;
    Bytes archive = BuildArchive({StoredEntry("a.txt", Bytes{'a'}), DeflatedEntry("b.txt", Bytes(9000, 'b')), bad,
                                  StoredEntry("d.txt", Bytes{'d'})});
    TempFolder dir(L"batch_damage");
    {
        CMemFile mem(archive.data(), archive.size());
        CZipArchive zip;
        zip.Open(mem, CZipArchive::openReadOnly);
        Told told;
        EXPECT_EQ(CZipException::badCrc, CauseOf([&] { zip.ExtractFiles(AllEntries(zip), dir.Path(), told.Recorder()); }));
        EXPECT_EQ((std::vector<bool>{true, true}), told.results);
        EXPECT_FALSE(IsFile(dir / L"c.txt"));
        EXPECT_EQ(Bytes(9000, 'b'), ReadBytes(dir / L"b.txt"));
        zip.Close(true);
    }
    CMemFile mem(archive.data(), archive.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    Told told;
    zip.ExtractFiles({3, 0, 1, 2}, dir / L"stopped", told.Recorder(1));
    EXPECT_EQ((std::vector<bool>{true, true}), told.results);
    EXPECT_TRUE(zip.ExtractFile(1, dir / L"after"));
    zip.Close();
    EXPECT_EQ(Bytes(9000, 'b'), ReadBytes(dir / L"after\\b.txt"));
}
