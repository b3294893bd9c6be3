// One download through the program's web client: bench_http URL FOLDER
// fetches URL into FOLDER\system\caches\bench as the skinned windows do and
// prints the time from the request to its completion message.
#include "net/HTTPRequest.h"

#include "fw/Afx.h"
#include "fw/AfxWin.h"
#include "shell/ProgramFolder.h"
#include "shell/ShellIds.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: bench_http URL FOLDER\n");
        return 2;
    }
    g_ProgramFolder = argv[2];
    if (g_ProgramFolder.Right(1) != L"\\") g_ProgramFolder += L"\\";
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"bench", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    CWnd owner;
    owner.Attach(hwnd);
    LARGE_INTEGER t0, t1, f;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    (new HTTPRequest(&owner))->DownloadFile(1, argv[1], L"bench");
    MSG msg;
    LPARAM result = 0;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_DOWNLOAD_DONE) {
            result = msg.lParam;
            break;
        }
        DispatchMessageW(&msg);
    }
    QueryPerformanceCounter(&t1);
    owner.Detach();
    DestroyWindow(hwnd);
    printf("inside: %.1f ms\n", (t1.QuadPart - t0.QuadPart) * 1000.0 / f.QuadPart);
    return result == 1 ? 0 : 1;
}
