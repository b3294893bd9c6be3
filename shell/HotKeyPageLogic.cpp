#include "shell/HotKeyPageLogic.h"

namespace {
const HotKeyPageSlot kRunSlots[HOTKEY_PAGE_SLOTS] = {
    {L"HotKey01", 3, 2101, 2201},   {L"HotKey02", 4, 2102, 2202},   {L"HotKey03", 5, 2103, 2203},
    {L"HotKey04", 6, 2104, 2204},   {L"HotKeyEx01", 24, 2105, 2205}, {L"HotKeyEx02", 25, 2106, 2206},
    {L"HotKeyEx03", 26, 2107, 2207}, {L"HotKeyEx04", 27, 2108, 2208}, {L"HotKeyEx05", 28, 2109, 2209},
};
const HotKeyPageSlot kWebSlots[HOTKEY_PAGE_SLOTS] = {
    {L"HotKey05", 7, 2105, 0},    {L"HotKey06", 8, 2106, 0},    {L"HotKey07", 9, 2107, 0},
    {L"HotKey08", 10, 2108, 0},   {L"HotKeyEx06", 29, 2109, 0}, {L"HotKeyEx07", 30, 2110, 0},
    {L"HotKeyEx08", 31, 2111, 0}, {L"HotKeyEx09", 32, 2112, 0}, {L"HotKeyEx10", 33, 2113, 0},
};
}  // namespace

// Screen savers end in ".scr"; a pattern without the dot would also match
// any name that merely ends in "scr".
const wchar_t kRunSlotBrowseFilter[] = L"executable program |*.exe;*.bat;*.com;*.scr|All Files (*.*) |*.*|";

const HotKeyPageSlot& GetHotKeyPageSlot(int subPage, int slot) {
    if (slot < 0) slot = 0;
    if (slot >= HOTKEY_PAGE_SLOTS) slot = HOTKEY_PAGE_SLOTS - 1;
    return subPage == HOTKEY_SUB_WEB ? kWebSlots[slot] : kRunSlots[slot];
}

HotKeySlotRequest ResolveHotKeySlot(int request) {
    HotKeySlotRequest result;
    if (request < 0) return result;
    int slot = request;
    if (request >= 100) {
        result.subPage = HOTKEY_SUB_WEB;
        slot = request - 100;
    } else {
        result.subPage = HOTKEY_SUB_RUN;
    }
    result.slot = slot < HOTKEY_PAGE_SLOTS ? slot : -1;
    return result;
}

HotKeyRunResult RunHotKeyText(const CString& text, const std::function<bool(const CString&)>& runAction,
                              const std::function<bool(const CString&)>& shellOpen) {
    if (text.IsEmpty()) return HOTKEY_RUN_EMPTY;
    if (runAction(text)) return HOTKEY_RUN_ACTION;
    return shellOpen(text) ? HOTKEY_RUN_OPENED : HOTKEY_RUN_FAILED;
}
