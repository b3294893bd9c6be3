#include "CommonControls.h"

#include <windows.h>
#include <commctrl.h>

#include <mutex>

void AfxInitCommonControls() {
    static std::once_flag once;
    std::call_once(once, [] {
        INITCOMMONCONTROLSEX icc = {};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                    ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                    ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_LINK_CLASS;
        ::InitCommonControlsEx(&icc);
    });
}

int AfxInitRichEdit2() {
    static HMODULE library = ::LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

BOOL AfxSendTimeRange(HWND control, UINT message, const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime) {
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (minTime) {
        range[0] = *minTime;
        flags |= GDTR_MIN;
    }
    if (maxTime) {
        range[1] = *maxTime;
        flags |= GDTR_MAX;
    }
    return (BOOL)::SendMessageW(control, message, flags, (LPARAM)range);
}
