// The registry of open floating windows: every floating window from its
// dialog initialisation to its final message, in order of creation. Worker
// threads reach windows only through SafePostMessage, which looks the window
// up under the registry's lock; every change of the list takes that lock too.
#pragma once

#include "fw/Afx.h"

#include <vector>

class CZDialog;

extern CArray<CZDialog*> g_ZDialogList;
extern CCriticalSection g_ZDialogListLock;
extern int g_ZDialogSerial;

// The next serial number; the first window gets 1. Numbers are never reused.
int NextZDialogSerial();

void RegisterDialog(CZDialog* dialog);
// Removes the first entry equal to the window; nothing when it is absent.
void UnregisterDialog(CZDialog* dialog);
// Empties the registry at shutdown.
void ClearDialogRegistry();

// 1 when the pointer is an entry of the registry. Takes no lock itself.
BOOL IsDialogRegistered(CZDialog* dialog);
void LockDialogRegistry();
void UnlockDialogRegistry();

// A copy of the registry, taken under the lock, for walks on the user
// interface thread that may destroy windows on the way.
std::vector<CZDialog*> GetRegisteredDialogs();

// The registered window with that serial number, or null.
CZDialog* FindRegisteredDialog(int serial);

// Posts to the window only while it is registered, holding the lock across
// the test and the post so the window cannot go in between.
void SafePostMessage(CZDialog* dialog, UINT message, WPARAM wParam, LPARAM lParam);
