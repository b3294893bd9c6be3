// The backup dialog under a real window manager: each case opens it from the
// program's template over a temporary program folder and plays the user from
// a timer. The shell never really opens a folder and no message box appears.
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "tools/BackupDlg.h"
#include "tools/ToolsIds.h"
#include "tools/zip/ZipArchive.h"
#include "tools/zip/ZipFileHeader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {
class CFakeSystem : public IActionSystem {
public:
    std::vector<CString> opened;
    std::function<void()> onOpen;
    void StartSystemShutdown(DWORD, bool, bool) override {}
    void AbortShutdown() override {}
    void LogOff(bool) override {}
    void ShellOpen(const CString& target) override {
        opened.push_back(target);
        if (onOpen) onOpen();
    }
    void RunWinExec(const CStringA&) override {}
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD) override {}
    bool FileExists(const CString&) override { return false; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }
};

class CFakeMessageBox : public ISystemMessageBox {
public:
    std::vector<CString> shown;
    int Show(HWND, const CString& text, const CString&, UINT) override {
        shown.push_back(text);
        return IDOK;
    }
};

class BackupDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_scratch.reset(new CScratchFolder(L"backup-dlg"));
        m_root = m_scratch->Path();
        m_savedFolder = g_ProgramFolder;
        g_ProgramFolder = m_root;
        g_Settings = CSettings();
        g_Settings.System.language = L"english";
        g_LanguageTable.RemoveAll();
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
        SetActionSystem(&m_system);
        SetSystemMessageBox(&m_box);
        Write(L"ZorelConfig.xml", "<config/>");
        Write(L"memo_data\\a.txt", "note");
        Write(L"memo_data\\old\\b.txt", "older note");
        Write(L"schedule_data\\s.dat", "schedule");
        Write(L"schedule_data\\history\\s1.dat", "history copy");
        Write(L"system\\language\\english.txt", "texts");
    }
    void TearDown() override {
        SetActionSystem(nullptr);
        SetSystemMessageBox(nullptr);
        g_ProgramFolder = m_savedFolder;
        m_scratch.reset();
    }

    void Write(const CString& relative, const std::string& bytes) const { m_scratch->Write(relative, bytes); }
    bool Exists(const CString& relative) const { return m_scratch->Has(relative); }
    std::vector<CString> BackupFiles() const {
        std::vector<CString> names;
        std::error_code ec;
        for (auto& e : std::filesystem::directory_iterator((m_root + L"system\\backup").GetString(), ec))
            names.push_back(e.path().filename().wstring().c_str());
        std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
        return names;
    }
    std::set<std::wstring> Entries(const CString& relative) const {
        std::set<std::wstring> names;
        CZipArchive zip;
        zip.Open(m_root + relative, CZipArchive::openReadOnly);
        for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
            CZipFileHeader header;
            zip.GetEntryInfo(header, i);
            // The library hands names out with backslashes; they are stored with "/".
            std::wstring name = header.GetFileName().GetString();
            std::replace(name.begin(), name.end(), L'\\', L'/');
            names.insert(name);
        }
        zip.Close();
        return names;
    }

    std::unique_ptr<CScratchFolder> m_scratch;
    CString m_root, m_savedFolder;
    CFakeSystem m_system;
    CFakeMessageBox m_box;
};

CString Text(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Stands in for the setup program the program does not carry yet.
void GiveSetupProgram(CBackupDlg& dialog) {
    dialog.m_backup.m_fnLoadSetupProgram = [](std::vector<BYTE>& data) {
        data.assign({'M', 'Z', 1, 2});
        return true;
    };
}

CString Today() {
    time_t now = time(nullptr);
    return CBackup::DefaultName(now);
}
}  // namespace

TEST_F(BackupDlgTest, OpensWithDefaultsAndTheSetupBoxSwitchesTheExtension) {
    CBackupDlg dialog;
    GiveSetupProgram(dialog);
    struct Seen {
        CString title, name, extension, extensionAfter, okText, vaultText, memoText, setupText, folderText;
        bool checks[9] = {};
        bool history = true, commentEnabled = false, commentAfter = true, folderButton = true;
        bool progressVisible = true, topmost = false;
        int rangeHigh = 0;
    } seen;
    const int defaultOn[] = {IDC_BACKUP_MEMO,     IDC_BACKUP_SCHEDULE,      IDC_BACKUP_ANNIVERSARY,
                             IDC_BACKUP_VAULT,    IDC_BACKUP_SKIN,          IDC_BACKUP_SETTINGS,
                             IDC_BACKUP_OPEN_WHEN_DONE, IDC_BACKUP_SETUP_FILE, IDC_BACKUP_SETUP_FILE};
    WhenShown([&] {
        HWND d = dialog.GetSafeHwnd();
        wchar_t title[64] = {};
        GetWindowTextW(d, title, 64);
        seen.title = title;
        seen.name = Text(d, IDC_BACKUP_NAME);
        seen.okText = Text(d, IDOK);
        seen.vaultText = Text(d, IDC_BACKUP_VAULT);
        seen.memoText = Text(d, IDC_BACKUP_MEMO);
        seen.setupText = Text(d, IDC_BACKUP_SETUP_FILE);
        seen.folderText = Text(d, IDC_BACKUP_OPEN_FOLDER);
        for (int i = 0; i < 9; ++i) seen.checks[i] = Checked(d, defaultOn[i]);
        seen.history = Checked(d, IDC_BACKUP_HISTORY);
        seen.extension = Text(d, IDC_BACKUP_EXTENSION);
        seen.commentEnabled = Enabled(d, IDC_BACKUP_COMMENT);
        seen.folderButton = Enabled(d, IDC_BACKUP_OPEN_FOLDER);
        seen.progressVisible = IsWindowVisible(GetDlgItem(d, IDC_BACKUP_PROGRESS)) != FALSE;
        seen.topmost = (GetWindowLongPtrW(d, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        PBRANGE range = {};
        SendDlgItemMessageW(d, IDC_BACKUP_PROGRESS, PBM_GETRANGE, 0, (LPARAM)&range);
        seen.rangeHigh = range.iHigh;
        Click(d, IDC_BACKUP_SETUP_FILE);
        seen.extensionAfter = Text(d, IDC_BACKUP_EXTENSION);
        seen.commentAfter = Enabled(d, IDC_BACKUP_COMMENT);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seen.title, g_LanguageTable[TXT_BACKUP_TITLE]);
    EXPECT_EQ(seen.okText, g_LanguageTable[TXT_BACKUP_START]);
    // Each box carries the English words of what it backs up.
    EXPECT_EQ(seen.vaultText, L"Include Password Management Data");
    EXPECT_EQ(seen.memoText, L"Memo Data");
    EXPECT_EQ(seen.setupText, L"Make a Self-Installing File");
    EXPECT_EQ(seen.folderText, L"Open the Backup Folder");
    EXPECT_EQ(seen.name, Today());
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(seen.checks[i]) << defaultOn[i];
    EXPECT_FALSE(seen.history);
    EXPECT_EQ(seen.extension, L".exe");
    EXPECT_TRUE(seen.commentEnabled);
    EXPECT_EQ(seen.extensionAfter, L".zip");
    EXPECT_FALSE(seen.commentAfter);
    EXPECT_FALSE(seen.folderButton);  // no backup folder yet
    EXPECT_FALSE(seen.progressVisible);
    EXPECT_TRUE(seen.topmost);
    EXPECT_EQ(seen.rangeHigh, 100);
    EXPECT_FALSE(Exists(L"system\\backup"));
    EXPECT_TRUE(m_system.opened.empty());
}

TEST_F(BackupDlgTest, OkWritesADatedArchiveOfTheTickedDataAndOpensTheFolder) {
    CBackupDlg dialog;
    GiveSetupProgram(dialog);
    int saves = 0;
    dialog.m_fnSaveData = [&] { ++saves; };
    WhenShown([&] {
        HWND d = dialog.GetSafeHwnd();
        Click(d, IDC_BACKUP_SETUP_FILE);  // a plain archive
        Click(d, IDC_BACKUP_HISTORY);     // with the history copies
        Click(d, IDC_BACKUP_SETTINGS);    // without the settings file
        PostMessageW(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(saves, 1);
    CString archive = Today() + L".zip";
    ASSERT_EQ(BackupFiles(), std::vector<CString>{archive});
    std::set<std::wstring> entries = Entries(L"system\\backup\\" + archive);
    const wchar_t* expected[] = {L"memo_data/a.txt", L"schedule_data/s.dat", L"schedule_data/history/",
                                 L"schedule_data/history/s1.dat", L"system/language/english.txt"};
    for (const wchar_t* name : expected) EXPECT_TRUE(entries.count(name)) << name;
    // The note folder never takes its sub-folders; the settings box was cleared.
    EXPECT_FALSE(entries.count(L"memo_data/old/b.txt"));
    EXPECT_FALSE(entries.count(L"ZorelConfig.xml"));
    ASSERT_EQ(m_system.opened.size(), 1u);
    EXPECT_EQ(m_system.opened[0], m_root + L"system\\backup\\");
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(BackupDlgTest, SelfInstallingFileReplacesTheArchive) {
    CBackupDlg dialog;
    GiveSetupProgram(dialog);
    WhenShown([&] {
        HWND d = dialog.GetSafeHwnd();
        SetDlgItemTextW(d, IDC_BACKUP_NAME, L"Mine.EXE");
        SetDlgItemTextW(d, IDC_BACKUP_COMMENT, L"before the move");
        Click(d, IDC_BACKUP_OPEN_WHEN_DONE);
        PostMessageW(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(BackupFiles(), std::vector<CString>{L"Mine.EXE"});
    std::ifstream in(std::filesystem::path((m_root + L"system\\backup\\Mine.EXE").GetString()), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 4u + 1024u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("MZ\x01\x02", 4));
    EXPECT_EQ(bytes.substr(4, 2), "PK");
    std::string trailer = bytes.substr(bytes.size() - 1024);
    EXPECT_EQ(std::string(trailer.c_str()), "ZOREL_BACKUP_AND_INSTALL");
    EXPECT_EQ(std::string(trailer.c_str() + 88), "english");
    EXPECT_EQ(std::string(trailer.c_str() + 216), "before the move");
    EXPECT_TRUE(m_system.opened.empty());  // the open-folder box was cleared
}

TEST_F(BackupDlgTest, ArchiveThatCannotBeCreatedIsReportedAndNothingIsOpened) {
    g_Settings.ReportErrors = 1;
    Write(L"system\\backup", "a file where the folder should be");
    CBackupDlg dialog;
    GiveSetupProgram(dialog);
    WhenShown([&] {
        Click(dialog.GetSafeHwnd(), IDC_BACKUP_SETUP_FILE);
        PostMessageW(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_GE(m_box.shown[0].Find(Today() + L".zip"), 0) << m_box.shown[0].GetString();
    EXPECT_TRUE(m_system.opened.empty());
}

// The program carries no setup program yet: the self-installing option is
// off, greyed and says why, and a backup with the defaults is a plain .zip
// with no box shown.
TEST_F(BackupDlgTest, WithoutASetupProgramTheDefaultsKeepAPlainArchiveQuietly) {
    g_Settings.ReportErrors = 1;
    g_LanguageTable.SetAt(TXT_BACKUP_NO_SETUP_PROGRAM, L"\uC544\uC9C1");  // Korean "not yet"
    CBackupDlg dialog;
    struct Seen {
        bool setupChecked = true, setupEnabled = true;
        CString status, extension;
    } seen;
    WhenShown([&] {
        HWND d = dialog.GetSafeHwnd();
        seen.setupChecked = Checked(d, IDC_BACKUP_SETUP_FILE);
        seen.setupEnabled = Enabled(d, IDC_BACKUP_SETUP_FILE);
        seen.status = Text(d, IDC_BACKUP_STATUS);
        seen.extension = Text(d, IDC_BACKUP_EXTENSION);
        Click(d, IDC_BACKUP_OPEN_WHEN_DONE);
        PostMessageW(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(seen.setupChecked);
    EXPECT_FALSE(seen.setupEnabled);
    EXPECT_EQ(seen.status, CString(L"\uC544\uC9C1"));
    EXPECT_EQ(seen.extension, L".zip");
    EXPECT_EQ(BackupFiles(), std::vector<CString>{Today() + L".zip"});
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(BackupDlgTest, EmptyNameKeepsTheDialogOpenWithTheFocusOnTheName) {
    CBackupDlg dialog;
    struct Seen {
        bool open = false, focusOnName = false, okEnabled = false;
    } seen;
    WhenShown([&] {
        HWND d = dialog.GetSafeHwnd();
        SetDlgItemTextW(d, IDC_BACKUP_NAME, L"");
        SendMessageW(d, WM_COMMAND, IDOK, 0);
        seen.open = IsWindowVisible(d) != FALSE;
        seen.focusOnName = GetFocus() == GetDlgItem(d, IDC_BACKUP_NAME);
        seen.okEnabled = Enabled(d, IDOK);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(seen.open);
    EXPECT_TRUE(seen.focusOnName);
    EXPECT_TRUE(seen.okEnabled);
    EXPECT_FALSE(Exists(L"system\\backup"));
}

TEST_F(BackupDlgTest, FrameCommandOpensOneDialogAtATime) {
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    ASSERT_NE(wnd, nullptr);
    int dialogsSeen = 0;
    bool openDuring = false;
    auto closeAll = [&] {
        // Every backup dialog of this thread; a second one would mean the
        // command was not ignored.
        dialogsSeen = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM p) {
                wchar_t cls[16] = {};
                GetClassNameW(w, cls, 16);
                if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(w, IDC_BACKUP_SETUP_FILE)) {
                    ++*(int*)p;
                    PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
                }
                return TRUE;
            },
            (LPARAM)&dialogsSeen);
    };
    WhenShown([&] {
        openDuring = CBackupDlg::IsOpen();
        // Arms the check before asking again: it runs even if the second
        // command were to open a nested dialog.
        WhenShown(closeAll);
        SendMessageW(wnd, WM_COMMAND, ID_BACKUP, 0);
    });
    SendMessageW(wnd, WM_COMMAND, ID_BACKUP, 0);
    EXPECT_TRUE(openDuring);
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_FALSE(CBackupDlg::IsOpen());
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    g_FrameAlive = 1;
}

// Not a check: a picture of the dialog in the run's language at the end of
// a backup with the settings it opens with, written when
// ZOREL_SCREENSHOT_DIR asks for it.
TEST_F(BackupDlgTest, PictureAfterABackupWithDefaultSettings) {
    if (!ScreenshotsWanted()) GTEST_SKIP();
    CString language = UseScreenshotLanguage();
    CBackupDlg dialog;
    bool saved = false;
    m_system.onOpen = [&] { saved = SaveScreenPicture(L"backup-done-" + language, {dialog.GetSafeHwnd()}); };
    WhenShown([&] { PostMessageW(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(m_box.shown.empty());
}
