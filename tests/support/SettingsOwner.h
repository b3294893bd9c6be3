// The window that owns the settings sheet in tests, as the main frame does:
// it records the closing and reopening requests the sheet posts to it.
#pragma once

#include <windows.h>

#include <vector>

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const PostedMessage& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
// The requests as the owner received them, oldest first.
extern std::vector<PostedMessage> g_posted;
HWND MakeSettingsOwner();
