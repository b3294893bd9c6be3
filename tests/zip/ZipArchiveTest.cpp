#include "tools/zip/ZipArchive.h"
#include "tools/zip/ZipPath.h"

#include "ZipTestUtil.h"

#include <gtest/gtest.h>
#include <cstring>

using namespace ziptest;

namespace {

// Adds each path (relative to folder) with the given level.
void MakeArchive(const CString& archive, const CString& folder, const std::vector<CString>& paths, int level = -1,
                 int mode = CZipArchive::create, int volumeSize = 0) {
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder);
    CZipArchive zip;
    zip.Open(archive, mode, volumeSize);
    for (const CString& p : paths) EXPECT_TRUE(zip.AddNewFile(p, level)) << StringToUtf8(p).GetString();
    zip.Close();
    SetCurrentDirectoryW(previous);
}

// Extracts every entry by index; returns how many succeeded.
int ExtractAll(CZipArchive& zip, const CString& target) {
    int ok = 0;
    for (WORD i = 0; i < zip.GetEntryCount(); ++i)
        if (zip.ExtractFile(i, target)) ++ok;
    return ok;
}

// One stored entry "a.txt" holding "hello", its sizes in a data descriptor
// written with or without the descriptor's optional signature.
Bytes StreamedArchive(bool withSignature, DWORD descriptorSize = 5) {
    const DWORD crc = 0x3610A686;  // CRC-32 of "hello"
    Bytes b;
    Put32(b, 0x04034b50);
    Put16(b, 20);
    Put16(b, 8);  // flag: data descriptor
    Put16(b, 0);  // stored
    Put16(b, 0);
    Put16(b, 0x21);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put16(b, 5);
    Put16(b, 0);
    b.insert(b.end(), {'a', '.', 't', 'x', 't', 'h', 'e', 'l', 'l', 'o'});
    if (withSignature) Put32(b, 0x08074b50);
    Put32(b, crc);
    Put32(b, descriptorSize);
    Put32(b, descriptorSize);
    DWORD central = (DWORD)b.size();
    Put32(b, 0x02014b50);
    Put16(b, 20);
    Put16(b, 20);
    Put16(b, 8);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, 0x21);
    Put32(b, crc);
    Put32(b, 5);
    Put32(b, 5);
    Put16(b, 5);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, 0);
    Put32(b, 0x20);
    Put32(b, 0);
    b.insert(b.end(), {'a', '.', 't', 'x', 't'});
    DWORD centralSize = (DWORD)b.size() - central;
    Put32(b, 0x06054b50);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, 1);
    Put32(b, centralSize);
    Put32(b, central);
    Put16(b, 0);
    return b;
}

DWORD Get32(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((DWORD)b[at + 3] << 24); }

}  // namespace

TEST(ZipArchive, RoundTripsFilesAtEveryLevel) {
    struct Case {
        const wchar_t* name;
        Bytes data;
        int level;
    } cases[] = {
        {L"empty.txt", Bytes(), -1},
        {L"one.txt", Bytes{'x'}, -1},
        {L"random.bin", RandomBytes(200000, 1), -1},
        {L"stored.bin", RandomBytes(70000, 2), 0},
        {L"fast.txt", Bytes(100000, 'a'), 1},
        {L"best.txt", Bytes(100000, 'b'), 9},
    };
    for (const Case& c : cases) {
        TempFolder dir(L"round");
        WriteBytes(dir / c.name, c.data);
        MakeArchive(dir / L"a.zip", dir.Path(), {c.name}, c.level);
        CZipArchive zip;
        zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
        ASSERT_EQ(1, zip.GetEntryCount());
        CZipFileHeader h;
        ASSERT_TRUE(zip.GetEntryInfo(h, 0));
        EXPECT_STREQ(c.name, h.GetFileName());
        EXPECT_EQ(c.data.size(), h.m_uUncomprSize);
        EXPECT_EQ(c.level == 0 ? 0 : 8, h.m_uMethod);
        EXPECT_EQ(0, h.m_uVersionMadeBy >> 8);
        if (c.data.empty()) {
            EXPECT_EQ(0u, h.m_uCrc32);
            EXPECT_EQ(2u, h.m_uComprSize);  // deflate still writes its final block
        }
        EXPECT_TRUE(zip.ExtractFile(0, dir / L"out"));
        EXPECT_FALSE(zip.ExtractFile(1, dir / L"out"));  // one past the last entry
        zip.Close();
        EXPECT_EQ(c.data, ReadBytes(dir / L"out\\" + CString(c.name))) << StringToUtf8(c.name).GetString();
    }
}

// One archive whose entries change level, mix in stored entries and
// folders, and (opened again) has an entry read before more are added: each
// entry is compressed at its own level, exactly as in an archive of its own,
// and every one reads back.
TEST(ZipArchive, EntriesOfOneArchiveEachTakeTheirOwnLevel) {
    TempFolder dir(L"levels");
    Bytes text;
    for (int i = 0; i < 4000; ++i) {
        const char* word = (i * 7919) % 5 ? "note " : "alarm ";
        text.insert(text.end(), word, word + strlen(word));
        text.push_back((BYTE)('a' + (i * 31) % 26));
    }
    WriteBytes(dir / L"t.txt", text);
    MakeFolders(dir / L"folder");
    const std::vector<int> levels = {9, 9, 1, 0, 1, -1, 9};
    std::vector<DWORD> single;
    for (int level : levels) {
        MakeArchive(dir / L"one.zip", dir.Path(), {L"t.txt"}, level);
        CZipArchive zip;
        zip.Open(dir / L"one.zip", CZipArchive::openReadOnly);
        CZipFileHeader h;
        zip.GetEntryInfo(h, 0);
        single.push_back(h.m_uComprSize);
        zip.Close();
        DeleteFileW(dir / L"one.zip");
    }
    EXPECT_NE(single[0], single[2]);  // the levels differ in what they make
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(dir.Path());
    {
        CZipArchive zip;
        zip.Open(dir / L"a.zip", CZipArchive::create);
        for (size_t i = 0; i < levels.size(); ++i) {
            EXPECT_TRUE(zip.AddNewFile(L"t.txt", levels[i]));
            if (i == 3) {
                EXPECT_TRUE(zip.AddNewFile(L"folder", levels[i]));
            }
        }
        zip.Close();
    }
    {
        CZipArchive zip;
        zip.Open(dir / L"a.zip", CZipArchive::open);
        TempFolder early(L"levels_early");
        EXPECT_TRUE(zip.ExtractFile(0, early.Path()));
        EXPECT_TRUE(zip.AddNewFile(L"t.txt", 9));
        EXPECT_TRUE(zip.AddNewFile(L"t.txt", 1));
        zip.Close();
    }
    SetCurrentDirectoryW(previous);
    CZipArchive zip;
    zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
    std::vector<DWORD> expected = single;
    expected.insert(expected.begin() + 4, 0);  // the folder
    expected.push_back(single[0]);
    expected.push_back(single[2]);
    ASSERT_EQ((int)expected.size(), zip.GetEntryCount());
    for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
        SCOPED_TRACE(i);
        CZipFileHeader h;
        ASSERT_TRUE(zip.GetEntryInfo(h, i));
        EXPECT_EQ(expected[i], h.m_uComprSize);
        if (h.IsDirectory()) continue;
        TempFolder out(L"levels_out");
        ASSERT_TRUE(zip.ExtractFile(i, out.Path()));
        EXPECT_EQ(text, ReadBytes(out / L"t.txt"));
    }
    zip.Close();
}

TEST(ZipArchive, FolderEntriesEndWithSlashAndAreStored) {
    TempFolder dir(L"folder");
    MakeFolders(dir / L"tree\\sub\\empty");
    WriteText(dir / L"tree\\sub\\f.txt", "inside");
    MakeArchive(dir / L"a.zip", dir.Path(), {L"tree", L"tree\\sub", L"tree\\sub\\empty", L"tree\\sub\\f.txt"});
    Bytes raw = ReadBytes(dir / L"a.zip");
    std::string s(raw.begin(), raw.end());
    EXPECT_NE(std::string::npos, s.find("tree/sub/empty/"));
    CZipArchive zip;
    zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
    ASSERT_EQ(4, zip.GetEntryCount());
    CZipFileHeader h;
    zip.GetEntryInfo(h, 2);
    EXPECT_STREQ(L"tree\\sub\\empty\\", h.GetFileName());
    EXPECT_TRUE(zip.IsEntryFolder(2));
    EXPECT_FALSE(zip.IsEntryFolder(3));
    EXPECT_EQ(0, h.m_uMethod);
    EXPECT_EQ(0u, h.m_uComprSize);
    EXPECT_EQ(4, ExtractAll(zip, dir / L"out"));
    zip.Close();
    EXPECT_TRUE(FolderExists(dir / L"out\\tree\\sub\\empty"));
    EXPECT_EQ(ReadBytes(dir / L"tree\\sub\\f.txt"), ReadBytes(dir / L"out\\tree\\sub\\f.txt"));
}

TEST(ZipArchive, EmptyArchiveIsTheEndRecordAlone) {
    TempFolder dir(L"empty");
    CZipArchive zip;
    zip.Open(dir / L"e.zip", CZipArchive::create);
    zip.Close();
    Bytes raw = ReadBytes(dir / L"e.zip");
    ASSERT_EQ(22u, raw.size());
    EXPECT_EQ(0x06054b50u, Get32(raw, 0));
    EXPECT_EQ(0u, Get32(raw, 12));
    EXPECT_EQ(0u, Get32(raw, 16));
    zip.Open(dir / L"e.zip", CZipArchive::openReadOnly);
    EXPECT_EQ(0, zip.GetEntryCount());
    EXPECT_FALSE(zip.ExtractFile(0, dir.Path()));
    zip.Close();
}

TEST(ZipArchive, DamageIsReportedWithItsCause) {
    TempFolder dir(L"damage");
    WriteBytes(dir / L"d.bin", RandomBytes(50000, 3));
    WriteBytes(dir / L"s.bin", RandomBytes(50000, 4));
    MakeArchive(dir / L"deflated.zip", dir.Path(), {L"d.bin"}, 9);
    MakeArchive(dir / L"stored.zip", dir.Path(), {L"s.bin"}, 0);
    Bytes deflated = ReadBytes(dir / L"deflated.zip");
    Bytes stored = ReadBytes(dir / L"stored.zip");

    auto extractCause = [&](const Bytes& bytes) {
        WriteBytes(dir / L"bad.zip", bytes);
        return CauseOf([&] {
            CZipArchive zip;
            try {
                zip.Open(dir / L"bad.zip", CZipArchive::openReadOnly);
                ExtractAll(zip, dir / L"out");
            } catch (...) {
                zip.Close(true);
                throw;
            }
            zip.Close();
        });
    };

    // A flipped byte in the data: the CRC check or zlib finds it.
    Bytes b = deflated;
    b[30 + 5 + 1000] ^= 0x55;
    int cause = extractCause(b);
    EXPECT_TRUE(cause == CZipException::badCrc || cause == CZipException::dataError) << cause;
    EXPECT_FALSE(IsFile(dir / L"out\\d.bin"));  // no half-written file is left

    b = stored;
    b[30 + 5 + 1000] ^= 0x01;
    EXPECT_EQ(CZipException::badCrc, extractCause(b));

    // No end record.
    b = stored;
    b.resize(b.size() - 22);
    EXPECT_EQ(CZipException::cdirNotFound, extractCause(b));
    EXPECT_EQ(CZipException::cdirNotFound, extractCause(Bytes{'P', 'K'}));
    // A failed open leaves the archive closed: closing it then writes nothing.
    {
        CZipArchive zip;
        EXPECT_EQ(CZipException::cdirNotFound, CauseOf([&] { zip.Open(dir / L"bad.zip", CZipArchive::open); }));
        EXPECT_TRUE(zip.IsClosed());
        zip.Close();
        EXPECT_EQ(2u, ReadBytes(dir / L"bad.zip").size());
    }

    // A local header that does not match its central header.
    b = stored;
    b[8] = 8;  // method
    EXPECT_EQ(CZipException::badZipFile, extractCause(b));

    // Lengths that point past the data.
    b = stored;
    size_t end = b.size() - 22;
    b[end + 12] = 0xFF;  // central directory size
    EXPECT_EQ(CZipException::badZipFile, extractCause(b));
    b = stored;
    b[end + 10] = 0x40;  // total entries far more than the directory holds
    b[end + 8] = 0x40;
    EXPECT_EQ(CZipException::badZipFile, extractCause(b));
    b = stored;
    size_t central = Get32(b, end + 16);
    b[central + 20] = 0xFF;  // compressed size
    b[central + 23] = 0x7F;
    b[30 + 18] = 0xFF;
    b[30 + 21] = 0x7F;
    b[18] = 0xFF;
    b[21] = 0x7F;
    EXPECT_EQ(CZipException::badZipFile, extractCause(b));
}

TEST(ZipArchive, DataDescriptorSignatureIsOptional) {
    TempFolder dir(L"descr");
    for (bool signature : {true, false}) {
        WriteBytes(dir / L"s.zip", StreamedArchive(signature));
        CZipArchive zip;
        zip.Open(dir / L"s.zip", CZipArchive::openReadOnly);
        EXPECT_TRUE(zip.ExtractFile(0, dir / L"out")) << signature;
        zip.Close();
        EXPECT_EQ((Bytes{'h', 'e', 'l', 'l', 'o'}), ReadBytes(dir / L"out\\a.txt"));
    }
    // A descriptor that disagrees with the central header.
    WriteBytes(dir / L"bad.zip", StreamedArchive(true, 6));
    CZipArchive zip;
    zip.Open(dir / L"bad.zip", CZipArchive::openReadOnly);
    EXPECT_EQ(CZipException::badZipFile, CauseOf([&] { zip.ExtractFile(0, dir / L"out2"); }));
    zip.Close(true);
    EXPECT_FALSE(IsFile(dir / L"out2\\a.txt"));
}

TEST(ZipArchive, EndRecordIsFoundBehindTheLongestComment) {
    TempFolder dir(L"comment");
    WriteText(dir / L"f.txt", "data");
    MakeArchive(dir / L"a.zip", dir.Path(), {L"f.txt"});
    Bytes raw = ReadBytes(dir / L"a.zip");
    raw[raw.size() - 2] = 0xFF;
    raw[raw.size() - 1] = 0xFF;
    Bytes comment(65535, 'c');
    raw.insert(raw.end(), comment.begin(), comment.end());
    WriteBytes(dir / L"long.zip", raw);
    {
        CZipArchive zip;
        zip.Open(dir / L"long.zip", CZipArchive::openReadOnly);
        EXPECT_EQ(1, zip.GetEntryCount());
        EXPECT_EQ(65535u, zip.GetCentralDir().m_pszComment.GetSize());
        EXPECT_TRUE(zip.ExtractFile(0, dir / L"out"));
        zip.Close();
    }
    // One byte more and the record lies beyond the search.
    raw.push_back('c');
    WriteBytes(dir / L"longer.zip", raw);
    EXPECT_EQ(CZipException::cdirNotFound, CauseOf([&] {
                  CZipArchive zip;
                  zip.Open(dir / L"longer.zip", CZipArchive::openReadOnly);
              }));
}

TEST(ZipArchive, RefusesThe65536thEntry) {
    CMemFile mem;
    CZipArchive zip;
    zip.Open(mem, CZipArchive::create);
    for (int i = 0; i < 65535; ++i) {
        CZipFileHeader h;
        CString name;
        name.Format(L"%d", i);
        h.SetFileName(name);
        ASSERT_TRUE(zip.BeginNewEntry(h, 0)) << i;
        ASSERT_TRUE(zip.EndNewEntry());
    }
    CZipFileHeader h;
    h.SetFileName(L"one too many");
    EXPECT_FALSE(zip.BeginNewEntry(h, 0));
    zip.Close();
    CMemFile copy(mem.Data().data(), mem.Data().size());
    zip.Open(copy, CZipArchive::openReadOnly);
    EXPECT_EQ(65535, zip.GetEntryCount());
    CZipFileHeader last;
    zip.GetEntryInfo(last, 65534);
    EXPECT_STREQ(L"65534", last.GetFileName());
    zip.Close();
}

TEST(ZipArchive, AppendingKeepsOldEntriesAndAStubInFront) {
    TempFolder dir(L"append");
    WriteText(dir / L"one.txt", "first");
    WriteBytes(dir / L"two.bin", RandomBytes(30000, 5));
    WriteText(dir / L"three.txt", "added later");
    MakeArchive(dir / L"a.zip", dir.Path(), {L"one.txt", L"two.bin"});
    Bytes stub = RandomBytes(3000, 6);
    Bytes withStub = stub;
    Bytes plain = ReadBytes(dir / L"a.zip");
    withStub.insert(withStub.end(), plain.begin(), plain.end());
    WriteBytes(dir / L"stub.zip", withStub);

    for (const wchar_t* name : {L"a.zip", L"stub.zip"}) {
        // Opening and closing without changes writes nothing.
        Bytes before = ReadBytes(dir / name);
        {
            CZipArchive zip;
            zip.Open(dir / name, CZipArchive::open);
            zip.Close();
        }
        EXPECT_EQ(before, ReadBytes(dir / name));
        MakeArchive(dir / name, dir.Path(), {L"three.txt"}, -1, CZipArchive::open);
        TempFolder out(L"append_out");
        CZipArchive zip;
        zip.Open(dir / name, CZipArchive::openReadOnly);
        ASSERT_EQ(3, zip.GetEntryCount());
        EXPECT_EQ(3, ExtractAll(zip, out.Path()));
        zip.Close();
        EXPECT_EQ(ReadBytes(dir / L"two.bin"), ReadBytes(out / L"two.bin"));
        EXPECT_EQ(ReadBytes(dir / L"three.txt"), ReadBytes(out / L"three.txt"));
    }
    Bytes after = ReadBytes(dir / L"stub.zip");
    EXPECT_TRUE(std::equal(stub.begin(), stub.end(), after.begin()));
}

TEST(ZipArchive, OneVolumeSpannedArchiveBecomesAnOrdinaryOne) {
    // Small data is converted inside the write buffer, larger data through a
    // mapping of the file.
    for (size_t size : {size_t(1000), size_t(300000)}) {
        TempFolder dir(L"span1");
        WriteBytes(dir / L"a.bin", RandomBytes(size, 7));
        WriteText(dir / L"b.txt", "second entry");
        MakeArchive(dir / L"s.zip", dir.Path(), {L"a.bin", L"b.txt"}, -1, CZipArchive::createSpan, 10000000);
        EXPECT_TRUE(IsFile(dir / L"s.zip"));
        EXPECT_FALSE(IsFile(dir / L"s.000"));
        Bytes raw = ReadBytes(dir / L"s.zip");
        EXPECT_EQ(0x04034b50u, Get32(raw, 0));  // no spanning marker left
        CZipArchive zip;
        zip.Open(dir / L"s.zip", CZipArchive::openReadOnly);
        ASSERT_EQ(2, zip.GetEntryCount());
        CZipFileHeader h;
        zip.GetEntryInfo(h, 0);
        EXPECT_FALSE(h.HasDataDescriptor());
        EXPECT_EQ(0, zip.GetCentralDir().m_uThisDisk);
        EXPECT_EQ(2, ExtractAll(zip, dir / L"out"));
        zip.Close();
        EXPECT_EQ(ReadBytes(dir / L"a.bin"), ReadBytes(dir / L"out\\a.bin"));
    }
}

TEST(ZipArchive, ConversionMapsItsOwnFile) {
    // Another conversion under way holds the mapping's name for its own file.
    TempFolder dir(L"span_busy");
    WriteBytes(dir / L"other.bin", Bytes(500000, 'o'));
    CFile other(dir / L"other.bin", CFile::modeReadWrite);
    HANDLE busy = CreateFileMappingW(other.m_hFile, nullptr, PAGE_READWRITE, 0, 0, L"Zorel Zip Mapping File");
    ASSERT_TRUE(busy != nullptr);
    WriteBytes(dir / L"a.bin", RandomBytes(300000, 20));
    MakeArchive(dir / L"s.zip", dir.Path(), {L"a.bin"}, -1, CZipArchive::createSpan, 10000000);
    CloseHandle(busy);
    other.Close();
    EXPECT_EQ(Bytes(500000, 'o'), ReadBytes(dir / L"other.bin"));
    CZipArchive zip;
    zip.Open(dir / L"s.zip", CZipArchive::openReadOnly);
    EXPECT_TRUE(zip.ExtractFile(0, dir / L"out"));
    zip.Close();
    EXPECT_EQ(ReadBytes(dir / L"a.bin"), ReadBytes(dir / L"out\\a.bin"));
}

TEST(ZipArchive, SpannedVolumesAreWrittenAndRead) {
    TempFolder dir(L"span");
    WriteBytes(dir / L"big.bin", RandomBytes(250000, 8));
    WriteText(dir / L"small.txt", "small");
    MakeArchive(dir / L"v.zip", dir.Path(), {L"big.bin", L"small.txt"}, -1, CZipArchive::createSpan, 100000);
    EXPECT_TRUE(IsFile(dir / L"v.000"));
    EXPECT_TRUE(IsFile(dir / L"v.001"));
    EXPECT_TRUE(IsFile(dir / L"v.zip"));
    EXPECT_EQ(100000u, ReadBytes(dir / L"v.000").size());
    CZipArchive zip;
    zip.Open(dir / L"v.zip", CZipArchive::open, 1);
    ASSERT_EQ(2, zip.GetEntryCount());
    CZipFileHeader h;
    EXPECT_FALSE(zip.BeginNewEntry(h));  // an existing spanned archive is read only
    EXPECT_EQ(2, ExtractAll(zip, dir / L"out"));
    zip.Close();
    EXPECT_EQ(ReadBytes(dir / L"big.bin"), ReadBytes(dir / L"out\\big.bin"));
    EXPECT_EQ(ReadBytes(dir / L"small.txt"), ReadBytes(dir / L"out\\small.txt"));

    // Volumes smaller than a header grow to hold it.
    MakeArchive(dir / L"tiny.zip", dir.Path(), {L"small.txt"}, 0, CZipArchive::createSpan, 20);
    EXPECT_TRUE(IsFile(dir / L"tiny.zip"));
    EXPECT_EQ(4u, ReadBytes(dir / L"tiny.000").size());  // the spanning marker; the header did not fit
    EXPECT_EQ(30u + 9u, ReadBytes(dir / L"tiny.001").size());  // a volume as large as the header
    zip.Open(dir / L"tiny.zip", CZipArchive::open, 1);
    ASSERT_EQ(1, zip.GetEntryCount());
    EXPECT_TRUE(zip.ExtractFile(0, dir / L"tiny"));
    zip.Close();
    EXPECT_EQ(ReadBytes(dir / L"small.txt"), ReadBytes(dir / L"tiny\\small.txt"));

    // Spanning over removable disks needs a way to ask for the next disk.
    CZipArchive removable;
    EXPECT_EQ(CZipException::noCallback, CauseOf([&] { removable.Open(dir / L"r.zip", CZipArchive::createSpan, 0); }));
    removable.Close(true);
}

TEST(ZipArchive, ExtractionStaysInsideTheTargetFolder) {
    struct Case {
        const wchar_t* name;
        bool extracted;
    } cases[] = {
        {L"ok.txt", true},
        {L"sub\\ok.txt", true},
        {L"..\\evil.txt", false},
        {L"sub\\..\\..\\evil.txt", false},
        {L"\\rooted.txt", false},
        {L"C:\\drive.txt", false},
        {L"C:drive.txt", false},
        {L"CON", false},
        {L"sub\\nul.txt", false},
        {L"com1", false},
        {L"LPT9.log", false},
        {L"trailing.", false},
        {L"trailing ", false},
        {L"bad<name>.txt", false},
        {L"what?.txt", false},
        {L"sub\\\\double.txt", false},
        {L"console.txt", true},
    };
    TempFolder dir(L"safe");
    CMemFile mem;
    {
        CZipArchive zip;
        zip.Open(mem, CZipArchive::create);
        for (const Case& c : cases) {
            CZipFileHeader h;
            h.SetFileName(c.name);
            ASSERT_TRUE(zip.BeginNewEntry(h, 0));
            zip.WriteNewEntry("payload", 7);
            zip.EndNewEntry();
        }
        zip.Close();
    }
    CString target = dir / L"deep\\target";
    MakeFolders(target);
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    ASSERT_EQ((int)(sizeof(cases) / sizeof(cases[0])), zip.GetEntryCount());
    // Callers go over every entry: a refused one does not stop the rest.
    for (WORD i = 0; i < zip.GetEntryCount(); ++i)
        EXPECT_EQ(cases[i].extracted, zip.ExtractFile(i, target)) << StringToUtf8(cases[i].name).GetString();
    zip.Close();
    auto tree = ReadTree(dir.Path());
    std::map<CString, Bytes> expected = {{L"deep\\", {}},
                                         {L"deep\\target\\", {}},
                                         {L"deep\\target\\ok.txt", Bytes{'p', 'a', 'y', 'l', 'o', 'a', 'd'}},
                                         {L"deep\\target\\console.txt", Bytes{'p', 'a', 'y', 'l', 'o', 'a', 'd'}},
                                         {L"deep\\target\\sub\\", {}},
                                         {L"deep\\target\\sub\\ok.txt", Bytes{'p', 'a', 'y', 'l', 'o', 'a', 'd'}}};
    EXPECT_EQ(expected.size(), tree.size());
    for (const auto& kv : expected) EXPECT_TRUE(tree.count(kv.first)) << StringToUtf8(kv.first).GetString();
}

TEST(ZipArchive, EncryptedEntriesNeedTheirPassword) {
    TempFolder dir(L"crypt");
    Bytes data = RandomBytes(40000, 9);
    data.insert(data.end(), 40000, 'z');
    WriteBytes(dir / L"secret.bin", data);
    {
        wchar_t previous[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(dir.Path());
        CZipArchive zip;
        zip.Open(dir / L"c.zip", CZipArchive::create);
        zip.SetPassword("letmein");
        ASSERT_TRUE(zip.AddNewFile(L"secret.bin"));
        zip.Close();
        SetCurrentDirectoryW(previous);
    }
    CZipArchive zip;
    zip.Open(dir / L"c.zip", CZipArchive::openReadOnly);
    CZipFileHeader h;
    zip.GetEntryInfo(h, 0);
    EXPECT_TRUE(h.IsEncrypted());
    EXPECT_FALSE(zip.ExtractFile(0, dir / L"none"));
    EXPECT_FALSE(IsFile(dir / L"none\\secret.bin"));
    // The check byte lets one wrong password in 256 through to the data,
    // which then fails instead: each must fail, nearly all by the check.
    int badPasswordCount = 0;
    for (const char* wrong : {"wrong", "nope", "guess", "0000", "password", "zorel", "x", "letmein "}) {
        zip.SetPassword(wrong);
        int cause = CauseOf([&] { zip.ExtractFile(0, dir / L"wrong"); });
        EXPECT_NE(0, cause) << wrong;
        EXPECT_FALSE(IsFile(dir / L"wrong\\secret.bin")) << wrong;
        if (cause == CZipException::badPassword) ++badPasswordCount;
    }
    EXPECT_GE(badPasswordCount, 1);
    zip.SetPassword("letmein");
    EXPECT_TRUE(zip.ExtractFile(0, dir / L"right"));
    zip.Close();
    EXPECT_EQ(data, ReadBytes(dir / L"right\\secret.bin"));
}

TEST(ZipArchive, RefusesFilesOf4GiBAndMore) {
    TempFolder dir(L"huge");
    {
        CFile f(dir / L"huge.bin", CFile::modeCreate | CFile::modeWrite);
        f.SetLength(0x100000000ull);  // sparse: nothing is really written
    }
    WriteText(dir / L"small.txt", "small");
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(dir.Path());
    CZipArchive zip;
    zip.Open(dir / L"h.zip", CZipArchive::create);
    EXPECT_FALSE(zip.AddNewFile(L"huge.bin"));
    EXPECT_TRUE(zip.AddNewFile(L"small.txt"));
    EXPECT_FALSE(zip.AddNewFile(L"missing.txt"));
    {
        // A file another program holds open without sharing is skipped
        // without leaving a begun entry behind.
        CFile locked(dir / L"small.txt", CFile::modeRead | CFile::shareExclusive);
        EXPECT_FALSE(zip.AddNewFile(L"small.txt"));
    }
    zip.Close();
    SetCurrentDirectoryW(previous);
    zip.Open(dir / L"h.zip", CZipArchive::openReadOnly);
    EXPECT_EQ(1, zip.GetEntryCount());
    zip.Close();
}

TEST(ZipArchive, OpensFromMemory) {
    TempFolder dir(L"mem");
    WriteBytes(dir / L"m.bin", RandomBytes(100000, 10));
    MakeArchive(dir / L"m.zip", dir.Path(), {L"m.bin"});
    Bytes raw = ReadBytes(dir / L"m.zip");
    CMemFile mem(raw.data(), raw.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::open);
    ASSERT_EQ(1, zip.GetEntryCount());
    EXPECT_TRUE(zip.ExtractFile(0, dir / L"out"));
    zip.Close();
    EXPECT_EQ(ReadBytes(dir / L"m.bin"), ReadBytes(dir / L"out\\m.bin"));
}

TEST(ZipArchive, NamesAreStoredInTheOemCodePageWithSlashes) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs code pages 1252 and 437";
    TempFolder dir(L"oem");
    CMemFile mem;
    CZipArchive zip;
    zip.Open(mem, CZipArchive::create);
    CZipFileHeader h;
    h.SetFileName(L"caf\u00e9\\na\u00efve.txt");
    zip.BeginNewEntry(h, 0);
    zip.EndNewEntry();
    zip.Close();
    Bytes raw = mem.Data();
    std::string s(raw.begin(), raw.end());
    EXPECT_NE(std::string::npos, s.find("caf\x82/na\x8bve.txt"));
    CMemFile copy(raw.data(), raw.size());
    zip.Open(copy, CZipArchive::openReadOnly);
    CZipFileHeader back;
    zip.GetEntryInfo(back, 0);
    EXPECT_STREQ(L"caf\u00e9\\na\u00efve.txt", back.GetFileName());
    zip.Close();
}

TEST(ZipArchive, NamesKeepEveryCharacter) {
    // Names the OEM code page holds exactly are stored in it, as older tools
    // expect; any other name in UTF-8, marked by flag bit 11.
    struct Case {
        const wchar_t* name;
        bool utf8In1252;  // OEM code page 437
        bool utf8In949;
    } cases[] = {
        {L"plain.txt", false, false},
        {L"caf\u00e9\\na\u00efve.txt", false, true},
        {L"a\u2014b.txt", true, true},
        {L"price\u20ac.txt", true, false},
        {L"\u0416\u0443\u0440\u043d\u0430\u043b.txt", true, false},
        {L"\u2500box.txt", true, false},
        {L"\uD55C\uAE00\\\uBA54\uBAA8.txt", true, false},
        {L"\uD55C\uAE00 caf\u00e9.txt", true, true},
    };
    UINT acp = GetACP();
    if (acp != 1252 && acp != 949) GTEST_SKIP() << "needs code page 1252 or 949";
    CMemFile mem;
    CZipArchive zip;
    zip.Open(mem, CZipArchive::create);
    for (const Case& c : cases) {
        CZipFileHeader h;
        h.SetFileName(c.name);
        ASSERT_TRUE(zip.BeginNewEntry(h, 0));
        zip.WriteNewEntry(c.name, 2);
        zip.EndNewEntry();
    }
    zip.Close();
    Bytes raw = mem.Data();
    std::string stored(raw.begin(), raw.end());

    TempFolder dir(L"names");
    CMemFile copy(raw.data(), raw.size());
    zip.Open(copy, CZipArchive::openReadOnly);
    ASSERT_EQ((int)(sizeof(cases) / sizeof(cases[0])), zip.GetEntryCount());
    for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(StringToUtf8(c.name).GetString());
        CZipFileHeader h;
        zip.GetEntryInfo(h, i);
        EXPECT_STREQ(c.name, h.GetFileName());
        bool utf8 = acp == 1252 ? c.utf8In1252 : c.utf8In949;
        EXPECT_EQ(utf8, h.HasUtf8Name());
        EXPECT_EQ(utf8 ? CZipFileHeader::HOST_NTFS : CZipFileHeader::HOST_MSDOS, h.GetSystemCompatibility());
        if (utf8) {
            CString archiveName = c.name;
            archiveName.Replace(L'\\', L'/');
            EXPECT_NE(std::string::npos, stored.find(StringToUtf8(archiveName).GetString()));
        }
        EXPECT_TRUE(zip.ExtractFile(i, dir.Path()));
        EXPECT_EQ(Bytes((const BYTE*)c.name, (const BYTE*)c.name + 2), ReadBytes(dir / c.name));
    }
    zip.Close();
}

TEST(ZipArchive, NamesFromOtherToolsAreDecoded) {
    // Names marked as UTF-8 are UTF-8 in every code page; unmarked ones are
    // in the OEM code page, however their length changes on the way to ANSI.
    struct Case {
        const char* stored;
        WORD flag;
        const wchar_t* in1252;
        const wchar_t* in949;
    } cases[] = {
        {"\xED\x95\x9C\xEA\xB8\x80/\xE2\x80\x94.txt", 0x800, L"\uD55C\uAE00\\\u2014.txt", L"\uD55C\uAE00\\\u2014.txt"},
        {"caf\xC3\xA9.txt", 0x800, L"caf\u00e9.txt", L"caf\u00e9.txt"},
        {"caf\x82.txt", 0, L"caf\u00e9.txt", nullptr},
        {"\xC7\xD1\xB1\xDB/m.txt", 0, nullptr, L"\uD55C\uAE00\\m.txt"},
        // Not a character of code page 949: two bytes become one.
        {"\x81\x20x.txt", 0, L"\u00fc x.txt", L"?x.txt"},
    };
    UINT acp = GetACP();
    if (acp != 1252 && acp != 949) GTEST_SKIP() << "needs code page 1252 or 949";
    std::vector<RawEntry> entries;
    for (const Case& c : cases) {
        RawEntry e = StoredEntry(c.stored, Bytes{'n'});
        e.flag = c.flag;
        entries.push_back(e);
    }
    Bytes raw = BuildArchive(entries);
    CMemFile mem(raw.data(), raw.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
        const wchar_t* expected = acp == 1252 ? cases[i].in1252 : cases[i].in949;
        if (!expected) continue;
        CZipFileHeader h;
        zip.GetEntryInfo(h, i);
        // Compared whole: stale bytes may follow a terminating zero.
        EXPECT_EQ(CString(expected), h.GetFileName()) << cases[i].stored;
    }
    zip.Close();
}

TEST(ZipPath, EntryNamesFromSourcePaths) {
    EXPECT_STREQ(L"dir\\a.txt", CZipPath::RemoveDrive(L"C:\\dir\\a.txt"));
    EXPECT_STREQ(L"system\\res\\a.wav", CZipPath::RemoveDrive(L"system\\res\\a.wav"));
    EXPECT_STREQ(L"x\\y.txt", CZipPath::RemoveDrive(L"\\\\server\\share\\x\\y.txt"));
    EXPECT_STREQ(L"a.txt", CZipPath::GetFileName(L"C:\\dir\\a.txt"));
    EXPECT_STREQ(L"dir", CZipPath::GetFileName(L"C:\\dir\\"));
}

TEST(ZipArchive, CloseFinishesAnOpenEntry) {
    CMemFile mem;
    CZipArchive zip;
    zip.Open(mem, CZipArchive::create);
    CZipFileHeader h;
    h.SetFileName(L"open.txt");
    ASSERT_TRUE(zip.BeginNewEntry(h));
    EXPECT_FALSE(zip.BeginNewEntry(h));  // one entry at a time
    EXPECT_FALSE(zip.OpenEntry(0));
    zip.WriteNewEntry("unfinished", 10);
    zip.Close();
    CMemFile copy(mem.Data().data(), mem.Data().size());
    zip.Open(copy, CZipArchive::openReadOnly);
    ASSERT_EQ(1, zip.GetEntryCount());
    ASSERT_TRUE(zip.OpenEntry(0));
    char buf[32] = {};
    EXPECT_EQ(10u, zip.ReadEntry(buf, sizeof(buf)));
    EXPECT_STREQ("unfinished", buf);
    EXPECT_EQ(1, zip.CloseEntry());
    zip.Close();
}

namespace {
FILETIME WriteTimeOf(const CString& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path, GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

ULONGLONG Ticks(const FILETIME& t) { return ((ULONGLONG)t.dwHighDateTime << 32) | t.dwLowDateTime; }
}  // namespace

// What a file had when it was added comes back when it is extracted: its
// data, its modification time and its read-only, hidden and system marks,
// also over a file of the same name already there (even a read-only one).
TEST(ZipArchive, ExtractedFilesKeepTheirTimeAndMarks) {
    const DWORD kMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    struct Case {
        const wchar_t* name;
        DWORD marks;     // on the file that is added
        DWORD existing;  // marks of a file already at the target; ~0 for none
    } cases[] = {
        {L"plain.txt", 0, ~0u},
        {L"readonly.txt", FILE_ATTRIBUTE_READONLY, ~0u},
        {L"hidden.txt", FILE_ATTRIBUTE_HIDDEN, ~0u},
        {L"system.txt", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY, ~0u},
        {L"sub\\deeper\\nested.txt", 0, ~0u},
        {L"over-plain.txt", 0, 0},
        {L"over-readonly.txt", 0, FILE_ATTRIBUTE_READONLY},
        {L"readonly-over-readonly.txt", FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY},
    };
    TempFolder dir(L"marks");
    SYSTEMTIME st = {2013, 5, 0, 6, 7, 8, 10, 0};
    FILETIME when;
    SystemTimeToFileTime(&st, &when);
    std::vector<CString> names;
    unsigned n = 0;
    for (const Case& c : cases) {
        ++n;
        Bytes data = RandomBytes(7000 * n, n);
        WriteBytes(dir / L"src\\" + CString(c.name), data);
        HANDLE h = CreateFileW(dir / L"src\\" + CString(c.name), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        SetFileTime(h, nullptr, nullptr, &when);
        CloseHandle(h);
        if (c.marks) SetFileAttributesW(dir / L"src\\" + CString(c.name), c.marks);
        names.push_back(c.name);
        if (c.existing != ~0u) {
            // Longer than what replaces it, so that a file not cut short shows.
            WriteBytes(dir / L"out\\" + CString(c.name), RandomBytes(100000, 99));
            if (c.existing) SetFileAttributesW(dir / L"out\\" + CString(c.name), c.existing);
        }
    }
    MakeArchive(dir / L"a.zip", dir / L"src", names);
    CZipArchive zip;
    zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
    ASSERT_EQ((int)names.size(), zip.GetEntryCount());
    EXPECT_EQ((int)names.size(), ExtractAll(zip, dir / L"out"));
    zip.Close();
    for (const Case& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.name).GetString());
        CString source = dir / L"src\\" + CString(c.name), target = dir / L"out\\" + CString(c.name);
        DWORD attr = GetFileAttributesW(target);
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, attr);
        EXPECT_EQ(c.marks, attr & kMarks);
        EXPECT_EQ(Ticks(when), Ticks(WriteTimeOf(target)));
        SetFileAttributesW(source, FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesW(target, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadBytes(source), ReadBytes(target));
    }
}

TEST(ZipArchive, StoppedExtractionLeavesNoFile) {
    TempFolder dir(L"stop");
    WriteBytes(dir / L"big.bin", RandomBytes(300000, 17));
    MakeArchive(dir / L"a.zip", dir.Path(), {L"big.bin"});
    CZipArchive zip;
    zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
    DWORD calls = 0;
    auto stop = [](DWORD, DWORD, void* data) {
        ++*(DWORD*)data;
        return false;
    };
    EXPECT_FALSE(zip.ExtractFile(0, dir / L"out", true, nullptr, stop, &calls, 65535));
    EXPECT_EQ(1u, calls);
    EXPECT_FALSE(IsFile(dir / L"out\\big.bin"));
    // The archive is still usable afterwards.
    EXPECT_TRUE(zip.ExtractFile(0, dir / L"out"));
    zip.Close();
    EXPECT_EQ(ReadBytes(dir / L"big.bin"), ReadBytes(dir / L"out\\big.bin"));
}

// One archive object reads entry after entry, deflated and stored, and a
// damaged entry among them: the entries after the damage still read whole,
// the damaged one leaves no file, and reading it again fails the same way.
TEST(ZipArchive, EntriesAfterADamagedOneStillRead) {
    TempFolder dir(L"after_damage");
    // Four letters at random: compressed, but to Huffman codes throughout,
    // so that the damage is met inside the inflater.
    Bytes letters = RandomBytes(60000, 22);
    for (BYTE& c : letters) c = (BYTE)('a' + c % 4);
    struct Entry {
        const wchar_t* name;
        Bytes data;
        int level;
    } entries[] = {
        {L"a.txt", Bytes(90000, 'a'), 9},
        {L"b.bin", RandomBytes(40000, 21), 0},
        {L"c.txt", letters, 6},  // damaged below
        {L"d.txt", Bytes(70000, 'd'), 1},
        {L"e.bin", RandomBytes(5000, 23), 0},
        {L"f.txt", Bytes(1, 'f'), 6},
    };
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(dir.Path());
    {
        CZipArchive zip;
        zip.Open(dir / L"a.zip", CZipArchive::create);
        for (const Entry& e : entries) {
            WriteBytes(dir / e.name, e.data);
            EXPECT_TRUE(zip.AddNewFile(e.name, e.level));
        }
        zip.Close();
    }
    SetCurrentDirectoryW(previous);
    Bytes bytes = ReadBytes(dir / L"a.zip");
    {
        CZipArchive zip;
        zip.Open(dir / L"a.zip", CZipArchive::openReadOnly);
        CZipFileHeader h;
        ASSERT_TRUE(zip.GetEntryInfo(h, 2));
        size_t data = h.m_uOffset + 30 + h.GetFileNameSize();
        zip.Close();
        for (size_t i = 100; i < 400; ++i) bytes[data + i] ^= 0xA5;
        WriteBytes(dir / L"bad.zip", bytes);
    }
    CZipArchive zip;
    zip.Open(dir / L"bad.zip", CZipArchive::openReadOnly);
    for (int round = 0; round < 2; ++round) {
        for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
            SCOPED_TRACE(i);
            TempFolder out(L"after_damage_out");
            CString path = out / entries[i].name;
            if (i == 2) {
                EXPECT_NE(0, CauseOf([&] { zip.ExtractFile(i, out.Path()); }));
                EXPECT_FALSE(IsFile(path));
                continue;
            }
            ASSERT_TRUE(zip.ExtractFile(i, out.Path()));
            EXPECT_EQ(entries[i].data, ReadBytes(path));
        }
    }
    zip.Close();
}

// Damaged archives of every kind either read or fail with an exception; none
// crashes, hangs or allocates what a length field claims.
TEST(ZipArchive, SurvivesRandomDamage) {
    TempFolder dir(L"fuzz");
    WriteBytes(dir / L"r.bin", RandomBytes(3000, 18));
    WriteBytes(dir / L"t.txt", Bytes(20000, 't'));
    MakeFolders(dir / L"f");
    WriteText(dir / L"f\\x.txt", "x");
    MakeArchive(dir / L"a.zip", dir.Path(), {L"r.bin", L"t.txt", L"f", L"f\\x.txt"});
    const Bytes original = ReadBytes(dir / L"a.zip");
    std::mt19937 gen(19);
    int opened = 0, failed = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes b = original;
        int kind = round % 3;
        if (kind == 0) {
            // Flip a few bytes anywhere, but mostly in the headers.
            for (int i = 0; i < 1 + (int)(gen() % 4); ++i) {
                size_t at = gen() % 2 ? b.size() - 1 - gen() % std::min<size_t>(b.size(), 300) : gen() % b.size();
                b[at] = (BYTE)gen();
            }
        } else if (kind == 1) {
            b.resize(gen() % b.size());
        } else {
            size_t at = b.size() - 1 - gen() % 200;
            for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = 0xFF;
        }
        CMemFile mem(b.data(), b.size());
        CZipArchive zip;
        try {
            zip.Open(mem, CZipArchive::openReadOnly);
            ++opened;
            for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
                if (!zip.OpenEntry(i)) continue;
                char buf[65536];
                DWORD total = 0, n;
                while ((n = zip.ReadEntry(buf, sizeof(buf))) > 0 && total < (64u << 20)) total += n;
                zip.CloseEntry();
            }
            zip.Close();
        } catch (const CException&) {
            ++failed;
            zip.Close(true);
        }
    }
    EXPECT_GT(failed, 100);
    EXPECT_GT(opened, 100);
}
