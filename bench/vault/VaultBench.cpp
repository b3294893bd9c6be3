// Password vault of 1000 entries: loading it (read, check, decrypt, parse)
// and saving it (serialize, encrypt, history copy, atomic replace) against
// plain reads and writes of the same bytes, measured in alternating rounds
// so that a busy machine slows both sides alike. Prints medians and ratios.
#include "BenchSupport.h"
#include "ScratchFolder.h"
#include "tools/PwdVault.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<CPwdInfo> MakeEntries(int count) {
    std::vector<CPwdInfo> entries;
    for (int i = 0; i < count; ++i) {
        CPwdInfo e;
        e.m_szTitle.Format(L"Site number %d %ls", i, i % 3 ? L"mail and shopping" : L"\xC740\xD589");
        e.m_szID.Format(L"user%d", i);
        e.m_szPassword.Format(L"p@ss-%08x", i * 2654435761u);
        e.m_szURL.Format(L"www.site%d.example.com/login", i);
        e.m_szEmail.Format(L"user%d@example.com", i);
        e.m_szPhone.Format(L"010-%04d-%04d", i % 10000, (i * 7) % 10000);
        e.m_szMemo.Format(L"Security question %d: the name of the first pet.", i);
        entries.push_back(e);
    }
    return entries;
}

}  // namespace

int wmain() {
    const int kEntries = 1000, kRounds = 41;
    const CString password = L"BenchMaster42";
    CScratchFolder folder(L"bench-vault");
    CPwdVault vault(folder.Path());
    vault.m_historyLevel = 1;
    std::vector<CPwdInfo> entries = MakeEntries(kEntries);
    if (!vault.Save(password, entries)) return 1;
    CString rawPath = folder + L"raw.bin";
    CString rawTemp = folder + L"raw.tmp";
    std::vector<BYTE> bytes;
    if (!RawRead(vault.GetFilePath(), bytes)) return 1;

    // The cipher text alone, to tell the decryption's share of a load.
    const size_t cipherStart = 52 + 132 + 4 + 8;
    std::vector<double> load, read, save, write, writeReplace, decrypt;
    for (int r = 0; r < kRounds; ++r) {
        double t0 = NowMs();
        std::vector<BYTE> raw;
        if (!RawRead(vault.GetFilePath(), raw)) return 1;
        double t1 = NowMs();
        std::vector<CPwdInfo> loaded;
        if (vault.Load(password, loaded) != CPwdVault::loadOk || loaded.size() != (size_t)kEntries) return 1;
        double t2 = NowMs();
        if (!RawWrite(rawPath, bytes)) return 1;
        double t3 = NowMs();
        if (!vault.Save(password, entries)) return 1;
        double t4 = NowMs();
        // A plain write plus what an atomic save adds: the temporary file
        // taking the old file's place, and the day's history copy.
        if (!RawWrite(rawTemp, bytes) || !MoveFileExW(rawTemp, rawPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
            !CopyFileW(rawPath, folder + L"raw.copy", FALSE))
            return 1;
        double t5 = NowMs();
        std::vector<CPwdInfo> decrypted;
        double t6 = NowMs();
        if (CPwdVault::DecryptRecords(kEntries, bytes.data() + cipherStart, bytes.size() - cipherStart, password,
                                      decrypted) != CPwdVault::decryptOk)
            return 1;
        decrypt.push_back(NowMs() - t6);
        read.push_back(t1 - t0);
        load.push_back(t2 - t1);
        write.push_back(t3 - t2);
        save.push_back(t4 - t3);
        writeReplace.push_back(t5 - t4);
    }
    double mRead = Median(read), mLoad = Median(load), mWrite = Median(write), mSave = Median(save),
           mReplace = Median(writeReplace);
    printf("vault of %d entries, %u bytes, median of %d rounds\n", kEntries, (unsigned)bytes.size(), kRounds);
    printf("  load  %8.3f ms   raw read              %8.3f ms   ratio %6.2f\n", mLoad, mRead, mLoad / mRead);
    printf("  of which decrypting and reading the records %8.3f ms\n", Median(decrypt));
    printf("  save  %8.3f ms   raw write             %8.3f ms   ratio %6.2f\n", mSave, mWrite, mSave / mWrite);
    printf("  save  %8.3f ms   write+replace+copy    %8.3f ms   ratio %6.2f\n", mSave, mReplace, mSave / mReplace);
    return 0;
}
