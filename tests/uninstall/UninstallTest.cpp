// The uninstaller on a scratch install folder: what goes and what stays,
// an item that cannot be deleted, the registry keys leaf first under a test
// key, the waits for a running main program, and the dialog's choices.
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "TestFiles.h"
#include "setup/RunningProgram.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"
#include "shell/ShellIds.h"
#include "uninstall/UninstallIds.h"
#include "uninstall/UninstallTexts.h"
#include "uninstall/ZorelUninstallDlg.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>
#include <vector>

namespace {

const wchar_t* const kTestSoftware = L"Software\\ZorelUninstallTest";

// A main program that goes after a number of waits (-1: never), by title.
class ScriptedProgram : public IRunningProgram {
public:
    HWND FindByTitle(const wchar_t* title) override {
        if (closedAfter >= 0 && closeRequested && (int)waits.size() >= closedAfter) return nullptr;
        return title == runningTitle ? (HWND)1 : nullptr;
    }
    void RequestClose(HWND) override { closeRequested = true; }
    void Wait(DWORD ms) override { waits.push_back(ms); }
    CString runningTitle;
    int closedAfter = 0;
    bool closeRequested = false;
    std::vector<DWORD> waits;
};

class AnsweringBox : public ISystemMessageBox {
public:
    int Show(HWND, const CString& text, const CString&, UINT) override {
        texts.push_back(text);
        return answer;
    }
    std::vector<CString> texts;
    int answer = IDOK;
};

class TestDlg : public CZorelUninstallDlg {
public:
    explicit TestDlg(const CScratchFolder& scratch) : m_scratch(scratch) {}
    int opened = 0;

protected:
    CString GetProgramsFolder(int csidl) override {
        return m_scratch + (csidl == CSIDL_PROGRAMS ? L"Programs" : L"AllPrograms");
    }
    void OpenInstallFolder() override { ++opened; }
    const CScratchFolder& m_scratch;
};

const wchar_t* const kFiles[] = {L"Zorel.exe", L"Homepage.html", L"ZorelConfig.xml", L"friendlist.xml",
                                 L"ZorelUninstall.exe"};
const wchar_t* const kFolders[] = {L"skin\\Menu",       L"system\\language", L"memo_data", L"schedule_data",
                                   L"anniversary_data", L"pmanager_data",    L"capture"};

class UninstallTest : public ::testing::Test {
protected:
    UninstallTest() : m_dlg(m_scratch) {
        m_dlg.m_installFolder = m_scratch + L"Zorel\\";
        m_dlg.m_softwareKey = kTestSoftware;
        m_dlg.m_runKey = CString(kTestSoftware) + L"\\Run";
        m_dlg.m_program = &m_program;
        m_program.runningTitle = L"none";
        SetSystemMessageBox(&m_box);
        for (const wchar_t* folder : kFolders) {
            m_scratch.MakeFolder(CString(L"Zorel\\") + folder);
            WriteFileBytes(m_dlg.m_installFolder + folder + L"\\data.bin", "data");
        }
        for (const wchar_t* file : kFiles) WriteFileBytes(m_dlg.m_installFolder + file, "bytes");
        for (const wchar_t* menu : {L"Programs\\Zorel", L"AllPrograms\\Zorel"})
        {
            m_scratch.MakeFolder(menu);
            WriteFileBytes(m_scratch + menu + L"\\Zorel.lnk", "link");
        }
    }
    ~UninstallTest() override {
        if (m_dlg.m_hWnd) m_dlg.DestroyWindow();
        SetSystemMessageBox(nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestSoftware);
    }

    // The names left at the top of the install folder.
    std::set<CString> Left() {
        std::set<CString> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(m_dlg.m_installFolder + L"*", &data);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            CString name = data.cFileName;
            if (name != L"." && name != L"..") names.insert(name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return names;
    }
    void Click(int id) { ::SendMessageW(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    CScratchFolder m_scratch{L"uninstall"};
    ScriptedProgram m_program;
    AnsweringBox m_box;
    TestDlg m_dlg;
};

bool KeyExists(const CString& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST_F(UninstallTest, WhatGoesAndWhatStays) {
    const std::set<CString> data = {L"memo_data", L"schedule_data", L"anniversary_data", L"pmanager_data",
                                    L"capture"};
    for (int radio : {0, 1}) {
        m_dlg.m_radio = radio;
        EXPECT_TRUE(m_dlg.DeleteInstalledFiles().empty());
        std::set<CString> expected = {L"ZorelUninstall.exe"};
        if (radio == 0) expected.insert(data.begin(), data.end());
        EXPECT_EQ(expected, Left()) << radio;
    }
    // Nothing left to delete is no failure.
    EXPECT_TRUE(m_dlg.DeleteInstalledFiles().empty());
}

TEST_F(UninstallTest, AnItemInUseDoesNotStopTheRest) {
    HANDLE held = CreateFileW(m_dlg.m_installFolder + L"Homepage.html", GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ASSERT_TRUE(m_dlg.Create(IDD_UNINSTALL));
    Click(IDOK);
    CloseHandle(held);
    std::set<CString> left = Left();
    EXPECT_TRUE(left.count(L"Homepage.html"));
    for (const wchar_t* gone : {L"Zorel.exe", L"ZorelConfig.xml", L"skin", L"system", L"friendlist.xml"})
        EXPECT_FALSE(left.count(gone)) << CStringA(gone).GetString();
    ASSERT_EQ(1u, m_box.texts.size());
    EXPECT_EQ(0, m_box.texts[0].Find(GetUninstallText(13, 0)));
    EXPECT_GT(m_box.texts[0].Find(L"Homepage.html"), 0);
    EXPECT_FALSE(FileExists(m_scratch + L"Programs\\Zorel"));
    EXPECT_EQ(1, m_dlg.opened);
}

TEST_F(UninstallTest, DefaultChoiceEndsWithSuccess) {
    ASSERT_TRUE(m_dlg.Create(IDD_UNINSTALL));
    Click(IDOK);
    ASSERT_EQ(1u, m_box.texts.size());
    EXPECT_EQ(GetUninstallText(1, 0), m_box.texts[0]);
    EXPECT_TRUE(Left().count(L"memo_data"));
    EXPECT_FALSE(FileExists(m_scratch + L"AllPrograms\\Zorel"));
}

TEST_F(UninstallTest, DeletingDataAnsweredWithCancelChangesNothing) {
    ASSERT_TRUE(m_dlg.Create(IDD_UNINSTALL));
    m_dlg.ShowWindow(SW_SHOWNA);
    std::set<CString> before = Left();
    m_dlg.CheckRadioButton(IDC_UNINSTALL_KEEP, IDC_UNINSTALL_DELETE, IDC_UNINSTALL_DELETE);
    m_box.answer = IDCANCEL;
    Click(IDOK);
    ASSERT_EQ(1u, m_box.texts.size());
    EXPECT_EQ(GetUninstallText(10, 0), m_box.texts[0]);
    EXPECT_EQ(before, Left());
    for (int id : {IDC_UNINSTALL_KEEP, IDC_UNINSTALL_DELETE, IDOK})
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, id))) << id;
    EXPECT_TRUE(::IsWindowVisible(m_dlg.m_hWnd));

    m_box.answer = IDOK;
    Click(IDOK);
    EXPECT_EQ(GetUninstallText(12, 0), m_box.texts.back());
    EXPECT_EQ(std::set<CString>({L"ZorelUninstall.exe"}), Left());
}

TEST_F(UninstallTest, RegistryKeysGoLeafFirst) {
    const CString app = CString(kTestSoftware) + L"\\Zorel Program\\Zorel\\";
    for (const wchar_t* section : {L"Alarm", L"General", L"HotKey", L"Schedule"})
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, app + section, L"x", L"1"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, m_dlg.m_runKey, L"Zorel Start", L"\"C:\\Zorel.exe\" /login"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, m_dlg.m_runKey, L"Other", L"x"));
    // A section a later version added, with a key of its own, keeps its parents.
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, app + L"Widgets\\Open", L"x", L"1"));

    EXPECT_TRUE(m_dlg.CleanRegistry());
    CString value;
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, m_dlg.m_runKey, L"Zorel Start", value));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, m_dlg.m_runKey, L"Other", value));
    for (const wchar_t* section : {L"Alarm", L"General", L"HotKey", L"Schedule"}) EXPECT_FALSE(KeyExists(app + section));
    EXPECT_TRUE(KeyExists(app + L"Widgets\\Open"));

    RegDeleteTreeW(HKEY_CURRENT_USER, app + L"Widgets");
    EXPECT_TRUE(m_dlg.CleanRegistry());
    EXPECT_FALSE(KeyExists(CString(kTestSoftware) + L"\\Zorel Program"));
    EXPECT_TRUE(KeyExists(kTestSoftware));
}

TEST_F(UninstallTest, WaitsForEitherTitle) {
    struct Case {
        const wchar_t* title;
        int closedAfter;
        bool closes;
        std::vector<DWORD> waits;
    } cases[] = {
        {L"none", 0, true, {1000}},
        {ZOREL_FRAME_TITLE, 1, true, {4000}},
        // A current copy still saving after the first wait is waited for too.
        {ZOREL_FRAME_TITLE, 3, true, {4000, 2000, 2000}},
        {ZOREL_OLD_FRAME_TITLE, 2, true, {4000, 2000}},
        {ZOREL_FRAME_TITLE, -1, false, {4000, 2000, 2000, 2000}},
    };
    for (const Case& c : cases) {
        ScriptedProgram program;
        program.runningTitle = c.title;
        program.closedAfter = c.closedAfter;
        m_dlg.m_program = &program;
        m_box.texts.clear();
        EXPECT_EQ(c.closes, m_dlg.CloseRunningProgram()) << CStringA(c.title).GetString();
        EXPECT_EQ(c.waits, program.waits) << CStringA(c.title).GetString();
        EXPECT_EQ(c.closes ? 0u : 1u, m_box.texts.size());
        if (!c.closes) {
            EXPECT_EQ(GetUninstallText(2, 0), m_box.texts[0]);
        }
    }
}

TEST_F(UninstallTest, AProgramThatStaysStopsEverything) {
    m_program.runningTitle = ZOREL_FRAME_TITLE;
    m_program.closedAfter = -1;
    ASSERT_TRUE(m_dlg.Create(IDD_UNINSTALL));
    std::set<CString> before = Left();
    Click(IDOK);
    EXPECT_EQ(before, Left());
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDOK)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDCANCEL)));
}

TEST_F(UninstallTest, TextsFollowTheLanguage) {
    m_dlg.m_languageOffset = 100000;
    ASSERT_TRUE(m_dlg.Create(IDD_UNINSTALL));
    EXPECT_EQ(CString(L"Zorel 프로그램 제거"), m_dlg.GetWindowText());
    EXPECT_EQ(CString(L"제거"), m_dlg.GetDlgItemText(IDOK));
    EXPECT_EQ(GetUninstallText(9, 100000), m_dlg.GetDlgItemText(IDC_UNINSTALL_DELETE));
    EXPECT_EQ(CString(L"Leave Data Files"), GetUninstallText(8, 0));
}
