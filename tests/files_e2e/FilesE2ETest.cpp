// Zorel.exe started on files a kill or a damaged disk left: a settings file
// nested too deep for the parser, and the temporary files of saves cut short.
#include "ZorelTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BOOL CALLBACK AppendText(HWND wnd, LPARAM param) {
    wchar_t text[2048] = {};
    GetWindowTextW(wnd, text, 2048);
    *(std::wstring*)param += std::wstring(text) + L"\n";
    return TRUE;
}

std::wstring TextsOf(HWND dialog) {
    std::wstring texts;
    EnumChildWindows(dialog, AppendText, (LPARAM)&texts);
    return texts;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(file);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> Names(const std::wstring& folder, const wchar_t* pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((folder + pattern).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName);
    while (FindNextFileW(h, &data));
    FindClose(h);
    return names;
}

class FilesE2ETest : public ZorelTest {
protected:
    std::wstring NewFolder(const char* config) { return NewFolderWith(config); }
};

}  // namespace

TEST_F(FilesE2ETest, SettingsNestedTooDeepStartTheProgramWithAMessage) {
    std::string deep = "<?xml version=\"1.0\" ?>\n<ZorelConfig><System><language>english</language></System>";
    for (int i = 0; i < 10000; ++i) deep += "<a>";
    std::wstring folder = NewFolder(deep.c_str());

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame(20000);
    ASSERT_NE(frame, nullptr) << "the program did not start";
    HWND box = zorel.WaitForDialog(20000);
    ASSERT_NE(box, nullptr) << "the user was not told";
    std::wstring text = TextsOf(box);
    std::vector<std::wstring> copies = Names(folder, L"ZorelConfig.xml.*.bad");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(text.find(L"settings file is damaged"), std::wstring::npos);
    EXPECT_NE(text.find(folder + copies[0]), std::wstring::npos) << "the message names the copy";
    EXPECT_EQ(ReadFileText(folder + copies[0]), deep);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(zorel.WaitForStartUp());

    CloseAndExpectCleanExit(zorel, frame);
    std::string config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "Version"), "3.1.1.0");
    EXPECT_EQ(config.find("<a>"), std::string::npos);
}

TEST_F(FilesE2ETest, LeftoversOfSavesCutShortAreClearedAndAWholeOrphanRecovered) {
    const char* config =
        "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
        "  <General>\n    <StartDX>333</StartDX>\n  </General>\n</ZorelConfig>\n";
    std::wstring folder = NewFolder(nullptr);
    std::wstring memo = folder + L"memo_data\\";
    CreateDirectoryW(memo.c_str(), nullptr);
    // The settings file was being written for the first time when the
    // program was killed: its whole new text waits under the finished name.
    WriteBytes(folder + L"ZorelConfig.xml.4001.7.ready", config);
    WriteBytes(folder + L"ZorelConfig.xml.4001.6.tmp", "<ZorelConfig><Sys");
    // A note saved whole but never put in place, and half saves beside it.
    const std::string note = "{\\rtf1\\ansi whole text}";
    WriteBytes(memo + L"20140209153045.rtf.4001.3.ready", note);
    WriteBytes(memo + L"20140209153045.rtf.4001.4.tmp", "{\\rtf1\\ansi who");
    WriteBytes(memo + L"20140209160000.rtf.4001.5.tmp", "{\\rtf1");
    // The vault and the widget list are saved in folders of their own: the
    // vault written whole for the first time but never put in place, a
    // history copy of it cut short, and a widget list cut short.
    std::wstring vault = folder + L"pmanager_data\\";
    std::wstring widgets = folder + L"skin\\widgets\\";
    for (const std::wstring& f : {vault, vault + L"history\\", folder + L"skin\\", widgets})
        CreateDirectoryW(f.c_str(), nullptr);
    WriteBytes(vault + L"pmanager_data.pmd.4001.8.ready", "whole vault");
    WriteBytes(vault + L"history\\2026_12_11.xbak.4001.9.tmp", "half");
    WriteBytes(widgets + L"WidgetList.xml.4001.10.tmp", "<WidgetList>\r\n  <Wid");

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame(20000);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(zorel.WaitForStartUp());

    EXPECT_EQ(ReadFileText(memo + L"20140209153045.rtf"), note);
    EXPECT_FALSE(Exists(memo + L"20140209160000.rtf"));
    EXPECT_TRUE(Names(memo, L"*.tmp").empty());
    EXPECT_TRUE(Names(memo, L"*.ready").empty());
    EXPECT_TRUE(Names(folder, L"*.tmp").empty());
    EXPECT_TRUE(Names(folder, L"*.ready").empty());
    EXPECT_EQ(ReadFileText(vault + L"pmanager_data.pmd"), "whole vault");
    EXPECT_TRUE(Names(vault, L"*.ready").empty());
    EXPECT_TRUE(Names(vault + L"history\\", L"*.tmp").empty());
    EXPECT_TRUE(Names(widgets, L"*.tmp").empty());
    CloseAndExpectCleanExit(zorel, frame);
    // The recovered settings were the ones read, and saved again at exit.
    EXPECT_EQ(ConfigValue(ReadFileText(folder + L"ZorelConfig.xml"), "StartDX"), "333");
}
