// The Windows side of the zip benchmark; run.sh times it against Info-ZIP.
//   bench_zip.exe extract ARCHIVE FOLDER   every entry of ARCHIVE into FOLDER
//   bench_zip.exe backup FOLDER            FOLDER into FOLDER\backup.zip
// Prints the milliseconds spent inside the program, so that the cost of
// starting a process under Wine can be told apart from the work.
#include "BenchSupport.h"
#include "tools/Backup.h"
#include "tools/zip/ZipArchive.h"

#include <cstdio>

namespace {

int Extract(const wchar_t* archivePath, const wchar_t* folder) {
    CZipArchive zip;
    int failed = 0;
    try {
        zip.Open(archivePath, CZipArchive::openReadOnly);
        std::vector<WORD> indexes(zip.GetEntryCount());
        for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = (WORD)i;
        zip.ExtractFiles(indexes, folder, [&](size_t, bool bDone) {
            if (!bDone) ++failed;
            return true;
        });
        zip.Close();
    } catch (const CException&) {
        zip.Close(true);
        return -1;
    }
    return failed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: bench_zip extract ARCHIVE FOLDER | backup FOLDER\n");
        return 2;
    }
    CString mode = argv[1];
    double start = NowMs();
    if (mode == L"extract" && argc >= 4) {
        int failed = Extract(argv[2], argv[3]);
        printf("inside: %.1f ms\n", NowMs() - start);
        if (failed) fprintf(stderr, "extract: %d entries failed\n", failed);
        return failed ? 1 : 0;
    }
    if (mode == L"backup") {
        bool ok = CBackup::BackupProgramFolder(argv[2]);
        printf("inside: %.1f ms\n", NowMs() - start);
        return ok ? 0 : 1;
    }
    return 2;
}
