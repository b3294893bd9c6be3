// Archives made to do harm: sizes that would keep a read loop going, entries
// that share their data, entries that become one file.
#include "tools/zip/ZipArchive.h"
#include "tools/zip/ZipPath.h"

#include "ZipTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

using namespace ziptest;

namespace {

// Runs work on a thread of its own and waits for it with a deadline, so that
// a loop that never ends fails the test instead of hanging it. A thread that
// does not finish is left behind; work must own everything it touches.
bool FinishesWithin(std::chrono::seconds limit, std::function<void()> work) {
    auto task = std::make_shared<std::packaged_task<void()>>(std::move(work));
    std::future<void> done = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    return done.wait_for(limit) == std::future_status::ready;
}

// Opens the archive from memory and extracts every entry into target; the
// cause of the zip error that stopped it, or 0.
// Extracts every entry one call at a time, or as one batch, which reads
// each entry whole in one go.
int ExtractAllCause(const Bytes& archive, const CString& target, bool batch = false) {
    CMemFile mem(archive.data(), archive.size());
    CZipArchive zip;
    int cause = CauseOf([&] {
        zip.Open(mem, CZipArchive::openReadOnly);
        if (batch) {
            std::vector<WORD> all(zip.GetEntryCount());
            for (size_t i = 0; i < all.size(); ++i) all[i] = (WORD)i;
            zip.ExtractFiles(all, target, nullptr);
            return;
        }
        for (WORD i = 0; i < zip.GetEntryCount(); ++i) zip.ExtractFile(i, target);
    });
    zip.Close(cause != 0);
    return cause;
}

}  // namespace

TEST(ZipHostile, EntrySizesThatDisagreeStopTheRead) {
    const Bytes random = RandomBytes(70000, 31);
    const Bytes random20k(random.begin(), random.begin() + 20000);
    const Bytes text(200000, 'q');
    struct Case {
        const char* what;
        RawEntry entry;
        DWORD uncomprSize;
        DWORD comprSize;  // 0: as compressed
    } cases[] = {
        {"stored, nothing to deliver, data over one buffer", StoredEntry("s.bin", random20k), 0, 0},
        {"stored, one full chunk and data left over", StoredEntry("s.bin", random), 65535, 0},
        {"stored, data shorter than its size", StoredEntry("s.bin", random), 131070, 0},
        {"deflated, data cut short", DeflatedEntry("d.txt", text), 200000, 100},
        {"deflated, nothing to deliver", DeflatedEntry("d.txt", text), 0, 0},
        {"deflated, one full chunk and data left over", DeflatedEntry("d.txt", text), 65535, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RawEntry e = c.entry;
        e.uncomprSize = c.uncomprSize;
        if (c.comprSize) {
            e.comprSize = c.comprSize;
            e.data.resize(c.comprSize);
        }
        TempFolder dir(L"sizes");
        auto cause = std::make_shared<int>(-1);
        Bytes archive = BuildArchive({e});
        CString target = dir.Path();
        if (!FinishesWithin(std::chrono::seconds(20),
                            [archive, target, cause] { *cause = ExtractAllCause(archive, target); })) {
            ADD_FAILURE() << "still reading after 20 s";
            continue;
        }
        EXPECT_EQ(CZipException::badZipFile, *cause);
        EXPECT_TRUE(ReadTree(dir.Path()).empty());
    }
}

TEST(ZipHostile, EntriesThatShareDataAreRefused) {
    RawEntry a = StoredEntry("a.txt", Bytes(1000, 'a'));
    RawEntry b = StoredEntry("b.txt", Bytes(1000, 'b'));
    // a's data claimed to run on over all of b.
    RawEntry aOverB = StoredEntry("a.txt", Bytes(1000, 'a'));
    aOverB.comprSize = aOverB.uncomprSize = 1000 + 30 + 5 + 1000;
    // A local extra field, only known once the entry is opened, that pushes
    // a's data into b.
    RawEntry aExtra = a;
    aExtra.localExtraLen = 100;
    // Local extra fields with their bytes, much longer than the central
    // ones (which are empty) or a little longer, are stepped over.
    RawEntry aLongExtra = a;
    aLongExtra.localExtra = Bytes(3000, 'x');
    RawEntry bShortExtra = b;
    bShortExtra.localExtra = Bytes(9, 'y');
    struct Case {
        const char* what;
        std::vector<RawEntry> entries;
        std::vector<size_t> central;
        bool refused;
    } cases[] = {
        {"two entries", {a, b}, {}, false},
        {"local extra fields of their own", {aLongExtra, bShortExtra}, {}, false},
        {"listed in another order than stored", {a, b}, {1, 0}, false},
        {"one local header for 200 entries", {a}, std::vector<size_t>(200, 0), true},
        {"one local header listed twice", {a, b}, {0, 1, 0}, true},
        {"data running over the next entry", {aOverB, b}, {}, true},
        {"local extra field running into the next entry", {aExtra, b}, {}, true},
    };
    for (const Case& c : cases)
    for (bool batch : {false, true}) {
        SCOPED_TRACE(c.what);
        SCOPED_TRACE(batch ? "batch" : "single calls");
        TempFolder dir(L"shared");
        int cause = ExtractAllCause(BuildArchive(c.entries, c.central), dir.Path(), batch);
        if (c.refused) {
            EXPECT_EQ(CZipException::badZipFile, cause);
        } else {
            EXPECT_EQ(0, cause);
            EXPECT_EQ(Bytes(1000, 'a'), ReadBytes(dir / L"a.txt"));
            EXPECT_EQ(Bytes(1000, 'b'), ReadBytes(dir / L"b.txt"));
        }
    }
}

TEST(ZipHostile, EntriesThatBecomeOneFileAreReported) {
    struct Case {
        const char* first;
        const char* second;
        bool fullPath;
    } cases[] = {
        {"same.txt", "same.txt", true},
        {"Case.txt", "cASE.TXT", true},
        {"dir/b.txt", "dir\\b.txt", true},
        {"dir/x.txt", "dir/./x.txt", true},
        {"one/x.txt", "two/x.txt", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second);
        Bytes archive = BuildArchive({StoredEntry(c.first, Bytes{'1'}), StoredEntry("other.txt", Bytes{'o'}),
                                      StoredEntry(c.second, Bytes{'2'})});
        TempFolder dir(L"twice");
        CMemFile mem(archive.data(), archive.size());
        CZipArchive zip;
        zip.Open(mem, CZipArchive::openReadOnly);
        EXPECT_TRUE(zip.ExtractFile(0, dir.Path(), c.fullPath));
        EXPECT_TRUE(zip.ExtractFile(1, dir.Path(), c.fullPath));
        EXPECT_FALSE(zip.ExtractFile(2, dir.Path(), c.fullPath));
        // The same entry again is no conflict.
        EXPECT_TRUE(zip.ExtractFile(0, dir.Path(), c.fullPath));
        zip.Close();
        CString first = c.fullPath ? CString(c.first) : CZipPath::GetFileName(CString(c.first));
        first.Replace(L'/', L'\\');
        EXPECT_EQ(Bytes{'1'}, ReadBytes(dir / first));
        int files = 0;
        for (const auto& kv : ReadTree(dir.Path()))
            if (kv.first.Right(1) != L"\\") ++files;
        EXPECT_EQ(2, files);
    }
}

TEST(ZipHostile, ReadingStopsAtTheLastVolume) {
    // A spanned archive on removable disks whose data runs past its last
    // volume: no further disk is asked for.
    TempFolder dir(L"lastvol");
    WriteBytes(dir / L"v.zip", Bytes());
    int asked = 0;
    CZipStorage storage;
    storage.SetSpanCallback([](DWORD, int, void* data) { return ++*(int*)data < 100; }, &asked);
    storage.Open(dir / L"v.zip", CZipArchive::openReadOnly, 0);
    storage.m_iSpanMode = CZipStorage::pkzipSpan;  // as the drive check finds on a removable disk
    storage.DetectSpanMode(1);
    char buf[4];
    EXPECT_EQ(CZipException::badZipFile, CauseOf([&] { storage.Read(buf, sizeof(buf), false); }));
    EXPECT_EQ(0, asked);
    storage.Close(true);
}
