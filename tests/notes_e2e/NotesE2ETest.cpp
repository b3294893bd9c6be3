// Zorel.exe end to end with notes and alarms: a note made by the tray's
// command, typed into and written by the autosave after a quiet tick (and by
// the exit), comes back after a restart with its text and place; an alarm
// due at the present minute shows its notice and a one-time alarm is
// written as done.
#include "ZorelTest.h"

#include "calendar/AlarmInfo.h"
#include "notes/AlarmStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n    <ViewMemoOnStart>1</ViewMemoOnStart>\n  </General>\n"
    "</ZorelConfig>\n";

const UINT kNewMemoCommand = 32774;
const int kMemoEditId = 4677;
const UINT kHideCommand = 32782;


// The text of a control of the program: asked for by message, since
// GetWindowText reads only the caption of another process's windows.
std::wstring TextOf(HWND wnd) {
    wchar_t text[1024] = {};
    SendMessageW(wnd, WM_GETTEXT, 1024, (LPARAM)text);
    return text;
}


// A note window is a dialog holding the note editor.
std::vector<HWND> NoteEditors(DWORD pid) {
    std::vector<HWND> editors;
    for (HWND wnd : ProcessWindows(pid))
        if (HWND edit = GetDlgItem(wnd, kMemoEditId)) editors.push_back(edit);
    return editors;
}

HWND WaitForNoteEditor(DWORD pid, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        std::vector<HWND> editors = NoteEditors(pid);
        if (!editors.empty()) return editors.front();
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// The notice window whose text (its title and body) holds the words.
HWND WaitForNotice(DWORD pid, const std::wstring& words, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        for (HWND wnd : ProcessWindows(pid))
            if (TextOf(wnd).find(words) != std::wstring::npos) return wnd;
        Sleep(100);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder, const wchar_t* pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName);
    while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

void Type(HWND edit, const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 1);
}

void Pause() {
    // Kept on the screen for a screenshot when one is asked for.
    if (getenv("ZOREL_SCREENSHOT_PAUSE")) Sleep(atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));
}

class NotesE2ETest : public ZorelTest {
protected:
    std::wstring NewFolder() { return NewFolderWith(kConfig); }
};

CAlarmInfo AlarmAt(int kind, const SYSTEMTIME& at, const wchar_t* text) {
    CAlarmInfo alarm;
    alarm.m_bEnabled = 1;
    alarm.m_nKind = kind;
    alarm.m_nNoticeStyle = 2;
    alarm.m_nYear = at.wYear;
    alarm.m_nMonth = at.wMonth;
    alarm.m_nDay = at.wDay;
    alarm.m_nHour = at.wHour;
    alarm.m_nMinute = at.wMinute;
    alarm.m_nAdvance = 0;
    alarm.m_nTimeMode = 0;
    alarm.m_strContents = text;
    return alarm;
}

void WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}
}  // namespace

TEST_F(NotesE2ETest, TypedNoteIsWrittenAfterAQuietTickAndIsBackAfterARestart) {
    std::wstring folder = NewFolder();
    std::wstring memos = folder + L"memo_data\\";
    RECT place = {};
    {
        ZorelProcess zorel;
        ASSERT_TRUE(zorel.Start(folder));
        HWND frame = zorel.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zorel.WaitForStartUp());
        EXPECT_TRUE(NoteEditors(zorel.Id()).empty());
        PostMessageW(frame, WM_COMMAND, kNewMemoCommand, 0);
        HWND edit = WaitForNoteEditor(zorel.Id());
        ASSERT_NE(edit, nullptr);
        // A new note is listed at once (the window shows just before the
        // list is written); its text file waits for the autosave.
        DWORD listed = GetTickCount();
        while (ReadFileText(memos + L"DefaultMemo.zrd").size() < 42 && GetTickCount() - listed < 2000) Sleep(50);
        EXPECT_GE(ReadFileText(memos + L"DefaultMemo.zrd").size(), 42u);
        EXPECT_TRUE(FilesIn(memos, L"*.rtf").empty());
        Type(edit, L"Hello from the e2e test");
        EXPECT_EQ(TextOf(edit), L"Hello from the e2e test");
        GetWindowRect(GetParent(edit), &place);
        // The first ten-second tick remembers the length, the next quiet one writes.
        std::vector<std::wstring> rtf;
        DWORD start = GetTickCount();
        while (rtf.empty() && GetTickCount() - start < 30000) {
            Sleep(500);
            rtf = FilesIn(memos, L"*.rtf");
        }
        ASSERT_EQ(rtf.size(), 1u) << "the autosave wrote no note file";
        EXPECT_NE(ReadFileText(memos + rtf[0]).find("Hello from the e2e test"), std::string::npos);
        Pause();
        CloseAndExpectCleanExit(zorel, frame);
    }
    std::string list = ReadFileText(memos + L"DefaultMemo.zrd");
    ASSERT_GE(list.size(), 42u);
    EXPECT_EQ((unsigned char)list[0], 0xFF);
    EXPECT_EQ(list[38], 1);  // one record

    ZorelProcess again;
    ASSERT_TRUE(again.Start(folder));
    HWND frame = again.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    HWND edit = WaitForNoteEditor(again.Id());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(edit), L"Hello from the e2e test");
    RECT back = {};
    GetWindowRect(GetParent(edit), &back);
    EXPECT_EQ(back.left, place.left);
    EXPECT_EQ(back.top, place.top);
    EXPECT_EQ(back.right, place.right);
    EXPECT_EQ(back.bottom, place.bottom);
    CloseAndExpectCleanExit(again, frame);
}

TEST_F(NotesE2ETest, ExitWritesANoteTypedJustBefore) {
    std::wstring folder = NewFolder();
    std::wstring memos = folder + L"memo_data\\";
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    PostMessageW(frame, WM_COMMAND, kNewMemoCommand, 0);
    HWND edit = WaitForNoteEditor(zorel.Id());
    ASSERT_NE(edit, nullptr);
    Type(edit, L"written at exit");
    EXPECT_TRUE(FilesIn(memos, L"*.rtf").empty());
    CloseAndExpectCleanExit(zorel, frame);
    std::vector<std::wstring> rtf = FilesIn(memos, L"*.rtf");
    ASSERT_EQ(rtf.size(), 1u);
    EXPECT_NE(ReadFileText(memos + rtf[0]).find("written at exit"), std::string::npos);
}

TEST_F(NotesE2ETest, AlarmDueNowShowsItsNoticeAndAOnceAlarmIsWrittenAsDone) {
    std::wstring folder = NewFolder();
    SYSTEMTIME now;
    GetLocalTime(&now);
    // Far enough from the next minute that the program starts within this one.
    if (now.wSecond > 45) {
        Sleep((61 - now.wSecond) * 1000);
        GetLocalTime(&now);
    }
    CArray<CAlarmInfo> alarms;
    alarms.Add(AlarmAt(1, now, L"Time for tea"));
    std::wstring schedule = folder + L"schedule_data\\";
    CreateDirectoryW(schedule.c_str(), nullptr);
    WriteBytes(schedule + L"schedule_data.zra", CAlarmStore::BuildFileBytes(alarms));

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    HWND notice = WaitForNotice(zorel.Id(), L"Time for tea", 10000);
    ASSERT_NE(notice, nullptr);
    EXPECT_NE(TextOf(notice).find(L"[Schedule]"), std::wstring::npos);
    Pause();
    // The once alarm was written as done before its notice showed.
    std::string file = ReadFileText(schedule + L"schedule_data.zra");
    std::vector<CAlarmInfo> read;
    CAlarmStore::ParseFile((const BYTE*)file.data(), file.size(), read, 100);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].m_bEnabled, 0);
    PostMessageW(notice, WM_COMMAND, kHideCommand, 0);
    CloseAndExpectCleanExit(zorel, frame);
}
