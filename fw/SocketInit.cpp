// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "WinApp.h"

#include <mutex>

BOOL AfxSocketInit(WSADATA* data) {
    static std::once_flag once;
    static int result = -1;
    static WSADATA started = {};
    std::call_once(once, [] { result = ::WSAStartup(MAKEWORD(2, 2), &started); });
    if (result != 0) return FALSE;
    if (data) *data = started;
    return TRUE;
}
