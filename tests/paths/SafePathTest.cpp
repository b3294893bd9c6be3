#include "shell/SafePath.h"

#include <gtest/gtest.h>

TEST(SafePath, NamesFromOutside) {
    struct Case {
        const wchar_t* name;
        bool file;  // as one name
        bool path;  // as a relative path
    } cases[] = {
        {L"DefaultMemo.zrd", true, true},
        {L"메모 그룹.zrd", true, true},
        {L"a.b.c", true, true},
        {L"alert bg.png", true, true},
        {L"x\".png", false, false},
        {L"x\x01.png", false, false},
        {L"", false, false},
        {L"..", false, false},
        {L"a..b", false, false},
        {L"dir\\file.txt", false, true},
        {L"dir/sub/", false, true},
        {L"..\\evil.txt", false, false},
        {L"dir\\..\\x", false, false},
        {L"\\root.txt", false, false},
        {L"C:\\x", false, false},
        {L"C:x", false, false},
        {L"a\\\\b", false, false},
        {L"what?.txt", false, false},
        {L"tab\there", false, false},
        {L"trailing.", false, false},
        {L"trailing ", false, false},
        {L"CON", false, false},
        {L"nul.txt", false, false},
        {L"com1", false, false},
        {L"LPT9.log", false, false},
        {L"COM10", true, true},
        {L"console", true, true},
        {L"dir\\aux.c", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSafeFileName(c.name), c.file) << CString(c.name);
        EXPECT_EQ(IsSafeRelativePath(c.name), c.path) << CString(c.name);
    }
}
