// Program-wide values of the application shell, set at start-up.
#pragma once

#include <windows.h>

// Platform id from GetVersionEx (2 = NT family); 1 when the window manager's
// library could not be loaded, so the program runs as outside the NT family.
extern int g_PlatformId;
extern int g_OSMajorVersion;
// "USER32.dll", loaded once on the NT family; layered-window functions are
// looked up in it by name.
extern HMODULE g_hUser32;
extern HANDLE g_InstanceMutex;
// The message that copies of the program send one another.
extern UINT g_BroadcastMessage;
// 1 from program start until the main frame object is destroyed.
extern int g_FrameAlive;
// Ticks of the ten-second timer since the last save of the window states.
extern int g_SaveTickCount;
// Tick of the staged start-up, from 1.
extern int g_StartupTick;

// Makes the main frame save the window states and settings on the second
// following ten-second tick.
void RequestSaveSoon();

// Formats at most 256 characters and drops them: the program writes no
// diagnostic output.
void DebugPrint(int level, const wchar_t* format, ...);
