// The installer's copy step over the whole install tree into an empty folder,
// against unpacking the same archive with the zip library alone (no keep
// checks, no progress), in alternating rounds. Prints medians and the ratio.
#include "ScratchFolder.h"
#include "setup/RunningProgram.h"
#include "setup/SetupProcessPage.h"
#include "setup/SetupRoutines.h"
#include "shell/FileUtil.h"
#include "tools/zip/ZipArchive.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

class NothingRunning : public IRunningProgram {
public:
    HWND FindByTitle(const wchar_t*) override { return nullptr; }
    void RequestClose(HWND) override {}
    void Wait(DWORD) override {}
};

bool RawUnpack(const CString& root) {
    DWORD size = 0;
    std::unique_ptr<BYTE[]> block(CopyResourceToMemory(GetModuleHandleW(nullptr), IDR_SETUP_PAYLOAD, L"DATA", &size));
    if (!block) return false;
    CMemFile memory(block.get(), size);
    CZipArchive zip;
    zip.Open(memory, CZipArchive::openReadOnly);
    bool ok = true;
    for (int i = 0; i < zip.GetEntryCount() && ok; ++i) ok = zip.ExtractFile((WORD)i, root);
    zip.Close();
    return ok;
}

}  // namespace

int wmain() {
    const int kRounds = 7;
    DWORD size = 0;
    std::unique_ptr<BYTE[]> probe(CopyResourceToMemory(GetModuleHandleW(nullptr), IDR_SETUP_PAYLOAD, L"DATA", &size));
    NothingRunning nothing;
    std::vector<double> install, raw;
    int entries = 0;
    for (int round = 0; round < kRounds; ++round) {
        {
            CScratchFolder folder(L"bench-install");
            SetupState state;
            state.baseFolder = folder + L"Havrond";
            state.installFolder = folder + L"Havrond\\Zorel";
            CSetupProcessPage page(state);
            page.m_program = &nothing;
            entries = 0;
            page.m_onProgress = [&](const CString&, int) { ++entries; };
            double t0 = Now();
            bool ok = page.Install();
            install.push_back(Now() - t0);
            if (!ok) printf("install failed at step %d\n", state.errorStep);
        }
        {
            CScratchFolder folder(L"bench-raw");
            double t0 = Now();
            bool ok = RawUnpack(folder.Path());
            raw.push_back(Now() - t0);
            if (!ok) printf("raw unpack failed\n");
        }
    }
    double mInstall = Median(install), mRaw = Median(raw);
    printf("install tree: %d entries, archive %u bytes, median of %d rounds\n", entries, (unsigned)size, kRounds);
    printf("  install %8.1f ms   zip library alone %8.1f ms   ratio %.2f (goal <= 1.5)\n", mInstall, mRaw,
           mInstall / mRaw);
    return 0;
}
