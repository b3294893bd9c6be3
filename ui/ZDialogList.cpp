#include "ui/ZDialogList.h"

#include "ui/ZDialog.h"

#include <algorithm>

CArray<CZDialog*> g_ZDialogList;
CCriticalSection g_ZDialogListLock;
int g_ZDialogSerial = 0;

int NextZDialogSerial() { return ++g_ZDialogSerial; }

void RegisterDialog(CZDialog* dialog) {
    CSingleLock lock(&g_ZDialogListLock, true);
    g_ZDialogList.Add(dialog);
}

void UnregisterDialog(CZDialog* dialog) {
    CSingleLock lock(&g_ZDialogListLock, true);
    for (int i = 0; i < g_ZDialogList.GetSize(); ++i)
        if (g_ZDialogList[i] == dialog) {
            g_ZDialogList.RemoveAt(i);
            return;
        }
}

void ClearDialogRegistry() {
    CSingleLock lock(&g_ZDialogListLock, true);
    g_ZDialogList.RemoveAll();
}

BOOL IsDialogRegistered(CZDialog* dialog) {
    const std::vector<CZDialog*>& v = g_ZDialogList.vec();
    return std::find(v.begin(), v.end(), dialog) != v.end() ? 1 : 0;
}

void LockDialogRegistry() { g_ZDialogListLock.Lock(); }
void UnlockDialogRegistry() { g_ZDialogListLock.Unlock(); }

std::vector<CZDialog*> GetRegisteredDialogs() {
    CSingleLock lock(&g_ZDialogListLock, true);
    return g_ZDialogList.vec();
}

CZDialog* FindRegisteredDialog(int serial) {
    CSingleLock lock(&g_ZDialogListLock, true);
    for (CZDialog* dialog : g_ZDialogList)
        if (dialog->GetSerial() == serial) return dialog;
    return nullptr;
}

void SafePostMessage(CZDialog* dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CSingleLock lock(&g_ZDialogListLock, true);
    if (IsDialogRegistered(dialog)) ::PostMessageW(dialog->m_hWnd, message, wParam, lParam);
}
