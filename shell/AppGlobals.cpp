#include "shell/AppGlobals.h"

#include "shell/StartupLogic.h"

#include <cstdarg>
#include <cwchar>

int g_PlatformId = 0;
int g_OSMajorVersion = 0;
HMODULE g_hUser32 = nullptr;
HANDLE g_InstanceMutex = nullptr;
UINT g_BroadcastMessage = 0;
int g_FrameAlive = 1;
int g_SaveTickCount = 0;
int g_StartupTick = 1;

void RequestSaveSoon() { g_SaveTickCount = SAVE_SOON_TICK_COUNT; }

void DebugPrint(int, const wchar_t* format, ...) {
    wchar_t line[258];
    va_list args;
    va_start(args, format);
    int n = _vsnwprintf(line, 256, format, args);
    va_end(args);
    line[256] = 0;
    if (n < 0 || n > 256) n = 256;
    line[n] = L'\n';
    line[n + 1] = 0;
    // The sink discards the line.
}
