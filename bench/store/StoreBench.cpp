// Memo list of 1000 notes: loading and saving it against plain reads and
// writes of the same bytes, measured in alternating rounds so that a busy
// machine slows both sides alike. Prints medians and their ratios.
#include "BenchSupport.h"
#include "ScratchFolder.h"
#include "notes/MemoStore.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class CQuietHost : public IStoreHost {
public:
    SYSTEMTIME Now() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    }
    void ReportSaveFailure(const CString& path) override { wprintf(L"save failed: %ls\n", path.GetString()); }
    void ShowMessage(const CString& text) override { wprintf(L"message: %ls\n", text.GetString()); }
    void OfferMemoRestore() override {}
};

CArray<CMemoInfo> MakeNotes(int count) {
    CArray<CMemoInfo> memos;
    for (int i = 0; i < count; ++i) {
        CMemoInfo m;
        m.m_strFileName.Format(L"2014020915%02d%02d%03d.rtf", i / 60 % 60, i % 60, i % 1000);
        m.m_strTitle.Format(L"Note number %d: %ls", i, i % 3 ? L"shopping and errands" : L"\xD68C\xC758 \xC900\xBE44");
        m.m_strDate.Format(L"2014-2-%d 15:%02d", 1 + i % 28, i % 60);
        m.m_rcWindow.SetRect(i % 1000, i % 700, i % 1000 + 180, i % 700 + 200);
        m.m_nImportance = (BYTE)(i % 4);
        memos.Add(m);
    }
    return memos;
}

}  // namespace

int wmain() {
    const int kNotes = 1000, kRounds = 41;
    CScratchFolder folder(L"bench-store");
    CQuietHost host;
    CMemoStore store(host, folder.Path());
    CArray<CMemoInfo> memos = MakeNotes(kNotes);
    if (!store.WriteMemoList(memos)) return 1;
    CString listPath = folder + CMemoStore::DefaultGroupFile;
    CString rawPath = folder + L"raw.bin";
    CString rawTemp = folder + L"raw.tmp";
    std::vector<BYTE> bytes;
    if (!RawRead(listPath, bytes)) return 1;

    std::vector<double> load, read, parse, save, write, writeReplace;
    for (int r = 0; r < kRounds; ++r) {
        double t0 = NowMs();
        std::vector<BYTE> raw;
        if (!RawRead(listPath, raw)) return 1;
        double t1 = NowMs();
        CArray<CMemoInfo> loaded;
        if (store.ReadMemoList(loaded, false) != 1 || loaded.GetSize() != kNotes) return 1;
        double t2 = NowMs();
        // The same records from bytes already in memory: what taking them
        // apart costs beyond getting their bytes.
        CArray<CMemoInfo> parsed;
        if (!CMemoStore::ParseList(bytes.data(), bytes.size(), parsed, folder.Path()).complete) return 1;
        double tParsed = NowMs();
        if (!RawWrite(rawPath, bytes)) return 1;
        double t3 = NowMs();
        if (!store.WriteMemoList(memos)) return 1;
        double t4 = NowMs();
        // What the atomic save adds to a plain write: the temporary file
        // taking the old file's place.
        if (!RawWrite(rawTemp, bytes) || !MoveFileExW(rawTemp, rawPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 1;
        double t5 = NowMs();
        read.push_back(t1 - t0);
        load.push_back(t2 - t1);
        parse.push_back(tParsed - t2);
        write.push_back(t3 - tParsed);
        save.push_back(t4 - t3);
        writeReplace.push_back(t5 - t4);
    }
    double mRead = Median(read), mLoad = Median(load), mParse = Median(parse), mWrite = Median(write),
           mSave = Median(save), mReplace = Median(writeReplace);
    printf("memo list of %d notes, %u bytes, median of %d rounds\n", kNotes, (unsigned)bytes.size(), kRounds);
    printf("  load  %8.3f ms   raw read            %8.3f ms   ratio %.2f (goal <= 2)\n", mLoad, mRead,
           mLoad / mRead);
    printf("        the records alone, from bytes in memory %8.3f ms (%.2f of the raw read)\n", mParse,
           mParse / mRead);
    printf("  save  %8.3f ms   raw write + flush   %8.3f ms   ratio %.2f (goal <= 2)\n", mSave, mWrite,
           mSave / mWrite);
    printf("  raw write + flush + replace %8.3f ms: the replace costs %.3f ms (%.2f of the raw write)\n", mReplace,
           mReplace - mWrite, (mReplace - mWrite) / mWrite);
    return 0;
}
