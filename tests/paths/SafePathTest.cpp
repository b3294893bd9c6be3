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
        {L"a..b", true, true},
        {L"a..b.txt", true, true},
        {L"...", false, false},
        {L".", false, false},
        {L"./", false, false},
        {L"./dup/order.txt", false, true},
        {L"sub/./y.txt", false, true},
        {L"sub\\.\\", false, true},
        {L"sub/../y.txt", false, false},
        {L"./../y.txt", false, false},
        {L"x\x7F.png", false, false},
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
        {L"COM0", false, false},
        {L"lpt0.txt", false, false},
        {L"COM\u00B2", false, false},
        {L"LPT\u00B9.txt", false, false},
        {L"com\u00B3", false, false},
        {L"COM\u2074", true, true},
        {L"CONIN$", false, false},
        {L"conout$.log", false, false},
        {L"Clock$", false, false},
        {L"CON .rtf", false, false},
        {L"CON.rtf", false, false},
        {L"NUL", false, false},
        {L"COM10", true, true},
        {L"console", true, true},
        {L"dir\\aux.c", false, false},
        {L"AUX.tar.gz", false, false},
        {L"ConOut$ .log", false, false},
        {L"aux1", true, true},
        {L"LPT1x", true, true},
        {L"xCON", true, true},
        {L"CO", true, true},
        {L"CONOUT$$", true, true},
        {L"dir/COM3.txt/", false, false},
        {L"2014020915300000.rtf", true, true},
        {L"a/b\\c/", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSafeFileName(c.name), c.file) << CString(c.name);
        EXPECT_EQ(IsSafeRelativePath(c.name), c.path) << CString(c.name);
    }
}
