// zkill: the kill test's hands and eyes inside Wine.
//   zkill seed <program folder>       before the first start: a few alarms,
//                                     anniversaries, a password vault under
//                                     the test's master password and three
//                                     widget skins, written by the program's
//                                     own writers
//   zkill start <program folder> [reads]
//                                     start Zorel.exe there, wait until its
//                                     start-up is over, print its pid; with
//                                     reads, what zkill read says of every
//                                     alarm, anniversary and vault file there
//                                     (history copies and whole saves not yet
//                                     in place too) goes to that file
//   zkill work <pid> <seed> <ms> [<program folder> <reads>]
//                                     make changes the way a user would
//                                     (new notes, typing, the next colour,
//                                     which saves the settings; an alarm's
//                                     Done in the schedule manager, a new
//                                     anniversary, a new vault entry, a
//                                     widget opened or closed from the
//                                     Widgets menu), call the save tick, and
//                                     kill the program at a random moment
//                                     within ms; prints what it did (and
//                                     reads as start does)
//   zkill read <kind> <file> ...      reads each file with the program's own
//                                     reader (kind: alarms, anniversaries or
//                                     vault) and prints a line per file:
//                                     kind, file, 1 when it read whole, then
//                                     its records, split by tabs
// The exit code is 0 on success.
#include "calendar/AnniversaryFile.h"
#include "notes/AlarmSetDlg.h"
#include "notes/AlarmStore.h"
#include "notes/DayinfoDlg.h"
#include "notes/NoteIds.h"
#include "shell/SafeFileWriter.h"
#include "shell/ShellIds.h"
#include "TestFiles.h"
#include "tools/PwdVault.h"
#include "tools/ToolsIds.h"
#include "ui/GridModel.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND wnd, LPARAM param) {
    Found* found = (Found*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == found->pid && IsWindowVisible(wnd)) found->windows.push_back(wnd);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    Found found = {pid, {}};
    EnumWindows(CollectTopLevel, (LPARAM)&found);
    return found.windows;
}

HWND FrameOf(DWORD pid) {
    for (HWND wnd = FindWindowW(nullptr, ZOREL_FRAME_TITLE); wnd; wnd = FindWindowExW(nullptr, wnd, nullptr, ZOREL_FRAME_TITLE)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        wchar_t title[64] = {};
        GetWindowTextW(wnd, title, 64);
        if (owner == pid && wcscmp(title, ZOREL_FRAME_TITLE) == 0) return wnd;
    }
    return nullptr;
}

struct ChildSearch {
    int id;                  // a control id, or 0
    const wchar_t* classPart;  // a part of the class name, or null
    HWND found;
};

BOOL CALLBACK FindChild(HWND wnd, LPARAM param) {
    ChildSearch* search = (ChildSearch*)param;
    if (search->id && GetDlgCtrlID(wnd) == search->id) {
        search->found = wnd;
        return FALSE;
    }
    if (search->classPart) {
        wchar_t name[64] = {};
        GetClassNameW(wnd, name, 64);
        CharUpperW(name);
        if (wcsstr(name, search->classPart)) {
            search->found = wnd;
            return FALSE;
        }
    }
    return TRUE;
}

HWND ChildOf(HWND parent, int id, const wchar_t* classPart) {
    ChildSearch search = {id, classPart, nullptr};
    EnumChildWindows(parent, FindChild, (LPARAM)&search);
    return search.found;
}

// The note windows: visible top-level windows of the program with an editor.
std::vector<HWND> NotesOf(DWORD pid) {
    std::vector<HWND> notes;
    for (HWND wnd : VisibleWindowsOf(pid))
        if (ChildOf(wnd, 0, L"RICHEDIT")) notes.push_back(wnd);
    return notes;
}

ULONGLONG CpuTime(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    return (((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime) +
           (((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime);
}


// The test's master password of the seeded vault, and the counts the
// driver's clicks rely on.
const wchar_t kVaultPassword[] = L"kill-master-7";
const int kSeededAlarms = 6;
const int kSeededAnniversaries = 2;
const int kWidgetSkins = 3;
// The id the schedule manager's grid puts in the clicks it tells.
const int kAlarmGridId = 1129;

bool WaitFor(const std::function<bool()>& ready, DWORD ms) {
    DWORD begin = GetTickCount();
    for (;;) {
        if (ready()) return true;
        if (GetTickCount() - begin > ms) return false;
        Sleep(10);
    }
}

// A visible top-level window of the program that has a child with each id
// and none with the id to avoid (0: none).
HWND DialogWith(DWORD pid, std::initializer_list<int> ids, int without = 0) {
    for (HWND wnd : VisibleWindowsOf(pid)) {
        bool all = true;
        for (int id : ids)
            if (!GetDlgItem(wnd, id)) all = false;
        if (all && (!without || !GetDlgItem(wnd, without))) return wnd;
    }
    return nullptr;
}

// A popup menu of the program on the screen.
HWND MenuOf(DWORD pid) {
    for (HWND wnd : VisibleWindowsOf(pid)) {
        wchar_t name[16] = {};
        GetClassNameW(wnd, name, 16);
        if (wcscmp(name, L"#32768") == 0) return wnd;
    }
    return nullptr;
}

bool SetText(HWND dialog, int id, const std::wstring& text) {
    HWND control = GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    return control && SendMessageTimeoutW(control, WM_SETTEXT, 0, (LPARAM)text.c_str(), SMTO_ABORTIFHUNG, 3000, &result);
}

void Click(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

std::wstring Token(unsigned seed, const wchar_t* kind, int n) {
    return L"k" + std::to_wstring(seed) + kind + std::to_wstring(n);
}

// What a user does through the program's windows. Each step gives up when
// the window it waits for does not come; the kill may come at any step.
struct Hands {
    DWORD pid;
    HWND frame;
    unsigned seed;
    std::mt19937& random;
    std::function<bool()> late;
    int doneToggles = 0, anniversaries = 0, vaultEntries = 0, widgetToggles = 0;
    bool widgetMenuReady = false;

    HWND WaitDialog(std::initializer_list<int> ids, int without = 0) {
        HWND found = nullptr;
        WaitFor([&] { return late() || (found = DialogWith(pid, ids, without)) != nullptr; }, 5000);
        return found;
    }
    bool WaitGone(HWND dialog) {
        return WaitFor([&] { return late() || !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000);
    }

    // The schedule manager: a click on the Done cell of a few rows, then its
    // OK, which saves the alarm file.
    void ToggleAlarmsDone() {
        HWND manager = DialogWith(pid, {CAlarmSetDlg::IDC_GRID_PLACE, CAlarmSetDlg::IDC_DELETE_CHECKED});
        if (!manager) {
            PostMessageW(frame, WM_COMMAND, ID_SCHEDULE_MANAGER, 0);
            manager = WaitDialog({CAlarmSetDlg::IDC_GRID_PLACE, CAlarmSetDlg::IDC_DELETE_CHECKED});
        }
        if (!manager || late()) return;
        int clicks = 1 + (int)(random() % 3);
        for (int i = 0; i < clicks; ++i) {
            int row = 1 + (int)(random() % kSeededAlarms);
            PostMessageW(manager, GVM_ROWSELECTED, MAKEWPARAM(CAlarmSetDlg::DoneColumn, row), kAlarmGridId);
            ++doneToggles;
        }
        PostMessageW(manager, WM_COMMAND, IDOK, 0);
        WaitGone(manager);
    }

    // A new anniversary through its dialog, on a day that is not today, so
    // no start shows notices of them.
    void AddAnniversary() {
        PostMessageW(frame, WM_ADD_ANNIVERSARY, 0, 0);
        HWND dialog = WaitDialog({CDayinfoDlg::IDC_TEXT, CDayinfoDlg::IDC_MONTH});
        if (!dialog || late()) return;
        SYSTEMTIME now;
        GetLocalTime(&now);
        int month = now.wMonth % 12 + 1;
        SetText(dialog, CDayinfoDlg::IDC_TEXT, Token(seed, L"a", anniversaries));
        SetText(dialog, CDayinfoDlg::IDC_MONTH, std::to_wstring(month));
        SetText(dialog, CDayinfoDlg::IDC_DAY, std::to_wstring(1 + random() % 28));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ++anniversaries;
        WaitGone(dialog);
    }

    // A new entry in the password vault: the login with the master password
    // when the vault window is not open, then its Add button and dialog.
    void AddVaultEntry() {
        HWND manager = DialogWith(pid, {IDC_PWD_LIST, IDC_PWD_ADD});
        if (!manager) {
            PostMessageW(frame, WM_COMMAND, ID_PASSWORD_MANAGER, 0);
            HWND login = WaitDialog({IDC_PWD_LOGIN_PASSWORD, IDC_PWD_RESET}, IDC_PWD_TITLE);
            if (!login || late()) return;
            SetText(login, IDC_PWD_LOGIN_PASSWORD, kVaultPassword);
            PostMessageW(login, WM_COMMAND, IDOK, 0);
            manager = WaitDialog({IDC_PWD_LIST, IDC_PWD_ADD});
        }
        if (!manager || late()) return;
        Click(manager, IDC_PWD_ADD);
        HWND add = WaitDialog({IDC_PWD_TITLE, IDC_PWD_GENERATE}, IDC_PWD_LIST);
        if (!add || late()) return;
        SetText(add, IDC_PWD_TITLE, Token(seed, L"v", vaultEntries));
        SetText(add, IDC_PWD_ID, L"user");
        PostMessageW(add, WM_COMMAND, IDOK, 0);
        ++vaultEntries;
        WaitGone(add);
    }

    // The Widgets menu is built when the tray menu opens; its items are then
    // chosen by id: an open widget closes, a closed one opens.
    void PrepareWidgetMenu() {
        PostMessageW(frame, WM_USER + 100, 128, WM_RBUTTONDOWN);
        HWND menu = nullptr;
        WaitFor([&] { return (menu = MenuOf(pid)) != nullptr; }, 5000);
        if (!menu) return;
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        if (!WaitFor([&] { return !IsWindowVisible(menu); }, 2000)) PostMessageW(frame, WM_CANCELMODE, 0, 0);
        widgetMenuReady = WaitFor([&] { return !IsWindowVisible(menu); }, 3000);
    }
    void ToggleWidget() {
        if (!widgetMenuReady) return;
        PostMessageW(frame, WM_COMMAND, ID_WIDGET_FIRST + random() % kWidgetSkins, 0);
        ++widgetToggles;
        Sleep(30);
    }
};

bool ReadSaved(const std::wstring& folder, const std::wstring& out);

int Start(const std::wstring& folderIn, const wchar_t* readsOut) {
    std::wstring folder = folderIn;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    std::wstring exe = folder + L"Zorel.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        fprintf(stderr, "zkill: cannot start Zorel.exe\n");
        return 1;
    }
    DWORD begin = GetTickCount();
    // A start given up is ended, so that no copy of it stands in the way
    // of the next; how it went is told.
    auto giveUp = [&](const char* why) {
        DWORD code = 0;
        bool ended = WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
        if (!ended) {
            TerminateProcess(info.hProcess, 9);
            WaitForSingleObject(info.hProcess, 10000);
        }
        GetExitCodeProcess(info.hProcess, &code);
        fprintf(stderr, "zkill: %s after %lu ms; %s (exit code 0x%lx)\n", why, GetTickCount() - begin,
                ended ? "the program had ended" : "ended by zkill", code);
        return 1;
    };
    while (!FrameOf(info.dwProcessId)) {
        if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0 || GetTickCount() - begin > 30000)
            return giveUp("no frame window");
    }
    // The start-up steps run on timer ticks a second apart: quiet for longer
    // than that means they are over.
    ULONGLONG last = CpuTime(info.hProcess);
    DWORD quietSince = GetTickCount();
    while (GetTickCount() - quietSince < 1500) {
        if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0 || GetTickCount() - begin > 60000)
            return giveUp("the start-up never settled");
        ULONGLONG now = CpuTime(info.hProcess);
        if (now != last) {
            last = now;
            quietSince = GetTickCount();
        }
    }
    if (readsOut && !ReadSaved(folderIn, readsOut)) {
        fprintf(stderr, "zkill: cannot write what it read\n");
    }
    printf("%lu\n", info.dwProcessId);
    return 0;
}

int Work(DWORD pid, unsigned seed, DWORD budgetMs, const wchar_t* folder, const wchar_t* readsOut) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) {
        fprintf(stderr, "zkill: no process %lu\n", pid);
        return 1;
    }
    HWND frame = FrameOf(pid);
    if (!frame) {
        fprintf(stderr, "zkill: no frame\n");
        return 1;
    }
    std::mt19937 random(seed);
    DWORD killAt = 50 + random() % (budgetMs > 50 ? budgetMs - 50 : 1);
    // Now and then the kill falls into the exit save.
    bool closeFirst = random() % 8 == 0;
    int typed = 0, created = 0, colours = 0, ticks = 0;
    DWORD begin = 0;
    Hands hands{pid, frame, seed, random, [&] { return begin && GetTickCount() - begin >= killAt; }};
    hands.PrepareWidgetMenu();
    begin = GetTickCount();
    while (!hands.late()) {
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) break;
        std::vector<HWND> notes = NotesOf(pid);
        unsigned pick = random() % 100;
        if (notes.empty() || (pick < 6 && notes.size() < 6)) {
            PostMessageW(frame, WM_COMMAND, ID_NEW_MEMO, 0);
            ++created;
            Sleep(30);
        } else if (pick < 40) {
            HWND note = notes[random() % notes.size()];
            HWND editor = ChildOf(note, 0, L"RICHEDIT");
            char token[40];
            snprintf(token, sizeof(token), " k%un%d", seed, typed++);
            for (const char* c = token; *c; ++c) PostMessageW(editor, WM_CHAR, (WPARAM)*c, 1);
        } else if (pick < 47) {
            HWND note = notes[random() % notes.size()];
            HWND button = ChildOf(note, IDC_TB_NEXT_COLOR, nullptr);
            if (button) {
                PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_TB_NEXT_COLOR, BN_CLICKED), (LPARAM)button);
                ++colours;
            }
        } else if (pick < 60) {
            // Two ticks: the first notes each changed note's length, the
            // second saves those whose length held.
            PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
            PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
            ticks += 2;
        } else if (pick < 70) {
            hands.ToggleAlarmsDone();
        } else if (pick < 79) {
            hands.AddAnniversary();
        } else if (pick < 88) {
            hands.AddVaultEntry();
        } else {
            hands.ToggleWidget();
        }
        Sleep(random() % 15);
    }
    // The kill comes a few milliseconds after a save was asked for, so it
    // often lands inside one.
    if (closeFirst) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        Sleep(random() % 60);
    } else {
        std::vector<HWND> notes = NotesOf(pid);
        HWND button = notes.empty() ? nullptr : ChildOf(notes[random() % notes.size()], IDC_TB_NEXT_COLOR, nullptr);
        unsigned last = random() % 6;
        if (button && last == 0)
            PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_TB_NEXT_COLOR, BN_CLICKED), (LPARAM)button);
        else if (last == 1 && hands.widgetMenuReady)
            hands.ToggleWidget();
        else if (HWND manager = last == 2 ? DialogWith(pid, {CAlarmSetDlg::IDC_GRID_PLACE, CAlarmSetDlg::IDC_DELETE_CHECKED}) : nullptr)
            PostMessageW(manager, WM_COMMAND, IDOK, 0);
        PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
        Sleep(random() % 8);
    }
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
    printf("notes=%d typed=%d colours=%d ticks=%d done=%d anniversaries=%d vault=%d widgets=%d close=%d after=%lums\n",
           created, typed, colours, ticks, hands.doneToggles, hands.anniversaries, hands.vaultEntries,
           hands.widgetToggles, closeFirst ? 1 : 0, GetTickCount() - begin);
    CloseHandle(process);
    if (folder && readsOut && !ReadSaved(folder, readsOut)) return 1;
    return 0;
}

// ---- Seeds and reading, with the program's own writers and readers ----

std::wstring WithSlash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

bool WriteText(const std::wstring& path, const std::string& text) {
    return CSafeFileWriter::WriteFile(CString(path.c_str()), text.data(), text.size());
}

int Seed(const std::wstring& folderIn) {
    std::wstring folder = WithSlash(folderIn);
    bool ok = true;

    CArray<CAlarmInfo> alarms;
    for (int i = 0; i < kSeededAlarms; ++i) {
        CAlarmInfo alarm;
        alarm.m_nKind = CAlarmInfo::KindOnce;
        // Far ahead: none of them comes due while the test runs.
        alarm.SetTargetDate(2031, 1 + i, 10);
        alarm.m_nHour = 9;
        alarm.m_nMinute = 30;
        alarm.m_strContents.Format(L"kill alarm %d", i);
        alarm.UpdateMinuteKey();
        alarm.UpdateMinuteOfDay();
        alarms.Add(alarm);
    }
    CreateDirectoryW((folder + L"schedule_data").c_str(), nullptr);
    ok = CSafeFileWriter::WriteFile(CString((folder + L"schedule_data\\schedule_data.zra").c_str()),
                                    CAlarmStore::BuildFileBytes(alarms)) && ok;

    CAnniversaryFile anniversaries;
    anniversaries.SetProgramFolder(folder.c_str());
    anniversaries.SetHistoryLevel(0);
    anniversaries.SetReporter([&ok](int) { ok = false; });
    for (int i = 0; i < kSeededAnniversaries; ++i) {
        CDayInfo day;
        day.m_nMonth = 3 + i;
        day.m_nDay = 20;
        day.m_strText.Format(L"kill anniversary %d", i);
        anniversaries.AddAnniversary(day);
    }
    ok = anniversaries.SaveAnniversaries() && ok;

    CreateDirectoryW((folder + L"pmanager_data").c_str(), nullptr);
    CPwdVault vault((folder + L"pmanager_data\\").c_str());
    CPwdInfo entry;
    entry.m_szTitle = L"kill seed entry";
    entry.m_szID = L"seed";
    ok = vault.Save(kVaultPassword, {entry}) && ok;

    std::wstring widgets = folder + L"skin\\widgets\\";
    CreateDirectoryW((folder + L"skin").c_str(), nullptr);
    CreateDirectoryW(widgets.c_str(), nullptr);
    const char* colours[kWidgetSkins] = {"200,40,40,255", "40,160,40,255", "40,40,200,255"};
    for (int i = 0; i < kWidgetSkins; ++i) {
        std::wstring sub = widgets + L"box" + std::to_wstring(i);
        CreateDirectoryW(sub.c_str(), nullptr);
        ok = WriteText(sub + L"\\box.xml", WidgetBoxSkin(60 + 10 * i, 30, colours[i])) && ok;
    }
    // No widget is open yet: the list is there, empty.
    ok = WriteText(widgets + L"WidgetList.xml", "<WidgetList>\r\n</WidgetList>") && ok;
    if (!ok) fprintf(stderr, "zkill: the seeds were not all written\n");
    return ok ? 0 : 1;
}

// One line: the records as text, without the tabs and line ends that split
// the output.
std::string Clean(const CString& text) {
    std::string out;
    for (int i = 0; i < text.GetLength(); ++i) {
        wchar_t c = text[i];
        out += c == L'\t' || c == L'\r' || c == L'\n' ? ' ' : c < 128 ? (char)c : '?';
    }
    return out;
}

FILE* g_readOut = stdout;

void PrintRead(const char* kind, const std::wstring& path, bool whole, const std::vector<std::string>& records) {
    char name[4 * MAX_PATH] = {};
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, name, sizeof name - 1, nullptr, nullptr);
    fprintf(g_readOut, "%s\t%s\t%d", kind, name, whole ? 1 : 0);
    for (const std::string& r : records) fprintf(g_readOut, "\t%s", r.c_str());
    fprintf(g_readOut, "\n");
}

void ReadAlarms(const std::wstring& path) {
    std::vector<BYTE> bytes;
    std::vector<std::string> records;
    bool whole = CSafeFileWriter::ReadFile(path.c_str(), bytes, CSafeFileWriter::MaxAlarmFileBytes);
    if (whole) {
        std::vector<CAlarmInfo> alarms;
        CAlarmStore::ParseResult parsed = CAlarmStore::ParseFile(bytes.data(), bytes.size(), alarms, CAlarmStore::MaxAlarms);
        whole = parsed.signatureOk && parsed.complete;
        for (const CAlarmInfo& a : alarms) records.push_back(Clean(a.m_strContents) + (a.m_bDone ? "|done" : "|open"));
    }
    PrintRead("alarms", path, whole, records);
}

void ReadAnniversaries(const std::wstring& path) {
    std::vector<std::string> records;
    CFile file;
    bool whole = file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    if (whole) {
        whole = CAnniversaryFile::ReadRecords(file, [&](const CDayInfo& day) {
            records.push_back(Clean(day.m_strText) + "|" + std::to_string(day.m_nMonth) + "/" + std::to_string(day.m_nDay));
        });
        file.Abort();
    }
    PrintRead("anniversaries", path, whole, records);
}

// The vault reads only its own file name, so a copy of the file is read
// from a folder of its own.
void ReadVault(const std::wstring& path) {
    std::vector<std::string> records;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"zkill-vault-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring copy = folder + CPwdVault::kFileName;
    bool whole = CopyFileW(path.c_str(), copy.c_str(), FALSE) != FALSE;
    if (whole) {
        std::vector<CPwdInfo> entries;
        whole = CPwdVault(folder.c_str()).Load(kVaultPassword, entries) == CPwdVault::loadOk;
        for (const CPwdInfo& e : entries) records.push_back(Clean(e.m_szTitle));
    }
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
    PrintRead("vault", path, whole, records);
}

bool EndsWith(const std::wstring& name, const wchar_t* end) {
    size_t n = wcslen(end);
    return name.size() >= n && _wcsicmp(name.c_str() + name.size() - n, end) == 0;
}

// Every alarm, anniversary and vault file of a program folder, their history
// copies and the saves of them written whole but not yet put in place, read
// into the file out: the kill test's eyes, without a start of Wine for each
// look.
bool ReadSaved(const std::wstring& folderIn, const std::wstring& out) {
    std::wstring folder = WithSlash(folderIn);
    struct Place {
        const wchar_t* sub;
        const wchar_t* end;
        void (*read)(const std::wstring&);
    } places[] = {
        {L"schedule_data\\", L".zra", ReadAlarms},
        {L"schedule_data\\history\\", L".sbak", ReadAlarms},
        {L"anniversary_data\\", L".xzrn", ReadAnniversaries},
        {L"anniversary_data\\history\\", L".xbak", ReadAnniversaries},
        {L"pmanager_data\\", L".pmd", ReadVault},
        {L"pmanager_data\\history\\", L".xbak", ReadVault},
    };
    FILE* file = _wfopen(out.c_str(), L"wb");
    if (!file) return false;
    g_readOut = file;
    for (const Place& place : places) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + place.sub + L"*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            std::wstring name = data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            if (EndsWith(name, place.end) || (EndsWith(name, L".ready") && name.find(place.end) != std::wstring::npos))
                place.read(folder + place.sub + name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    g_readOut = stdout;
    return fclose(file) == 0;
}

int Read(int count, wchar_t** pairs) {
    for (int i = 0; i + 1 < count; i += 2) {
        std::wstring kind = pairs[i], path = pairs[i + 1];
        if (kind == L"alarms")
            ReadAlarms(path);
        else if (kind == L"anniversaries")
            ReadAnniversaries(path);
        else if (kind == L"vault")
            ReadVault(path);
        else
            return 2;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && wcscmp(argv[1], L"seed") == 0) return Seed(argv[2]);
    if (argc >= 2 && wcscmp(argv[1], L"read") == 0) return Read(argc - 2, argv + 2);
    if (argc >= 3 && wcscmp(argv[1], L"start") == 0) return Start(argv[2], argc >= 4 ? argv[3] : nullptr);
    if (argc >= 5 && wcscmp(argv[1], L"work") == 0)
        return Work((DWORD)wcstoul(argv[2], nullptr, 10), (unsigned)wcstoul(argv[3], nullptr, 10),
                    (DWORD)wcstoul(argv[4], nullptr, 10), argc >= 7 ? argv[5] : nullptr, argc >= 7 ? argv[6] : nullptr);
    fprintf(stderr, "zkill seed <folder> | start <folder> [reads] | work <pid> <seed> <ms> [<folder> <reads>] | "
                    "read <kind> <file>...\n");
    return 2;
}
