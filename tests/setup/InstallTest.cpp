// The copy step under Wine: a payload stored in this program's resources is
// installed into a temporary folder; a running program is closed first.
#include "MessagePump.h"
#include "SetupTestFiles.h"
#include "ScratchFolder.h"
#include "ZorelDriver.h"
#include "setup/RunningProgram.h"
#include "setup/SetupProcessPage.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/Seams.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <functional>
#include <map>
#include <vector>

namespace {

std::map<CString, std::string> Payload() { return Tree(EnvFolder("ZOREL_SETUP_DATA") + L"payload\\"); }

// Finds and closes windows for real; waits without sleeping, running this
// thread's messages instead, and lets a test act at each wait.
class FastWaits : public IRunningProgram {
public:
    HWND FindByTitle(const wchar_t* title) override { return GetRealRunningProgram().FindByTitle(title); }
    void RequestClose(HWND window) override { GetRealRunningProgram().RequestClose(window); }
    void Wait(DWORD ms) override {
        waits.push_back(ms);
        PumpWaiting();
        if (onWait) onWait((int)waits.size());
    }
    std::vector<DWORD> waits;
    std::function<void(int)> onWait;
};

// No program is running, whatever else runs on the desktop.
class NothingRunning : public FastWaits {
public:
    HWND FindByTitle(const wchar_t*) override { return nullptr; }
};

class RecordedBox : public ISystemMessageBox {
public:
    int Show(HWND, const CString& text, const CString&, UINT) override {
        texts.push_back(text);
        return IDOK;
    }
    std::vector<CString> texts;
};

class TestPage : public CSetupProcessPage {
public:
    explicit TestPage(SetupState& state) : CSetupProcessPage(state) {}
    CString programFiles;
    CString documents;

protected:
    CString ReadProgramFilesDir() override { return programFiles; }
    CString ReadDocumentsFolder() override { return documents; }
};

class SetupInstallTest : public ::testing::Test {
protected:
    SetupInstallTest() : m_page(m_state) {
        m_state.baseFolder = m_scratch + L"Havrond";
        m_state.installFolder = m_scratch + L"Havrond\\Zorel";
        m_install = m_state.installFolder + L"\\";
        m_page.m_program = &m_nothing;
        m_page.programFiles = m_scratch + L"Program Files (x86)";
        m_page.documents = m_scratch + L"Documents";
        m_page.m_onProgress = [this](const CString& text, int percent) {
            m_progress.push_back(text);
            m_percents.push_back(percent);
        };
        SetSystemMessageBox(&m_box);
    }
    ~SetupInstallTest() override { SetSystemMessageBox(nullptr); }

    void Prepare(const wchar_t* relative, const std::string& bytes) {
        CString path = m_install + relative;
        CString folder = path.Left(path.ReverseFind(L'\\'));
        SHCreateDirectoryExW(nullptr, folder, nullptr);
        ASSERT_TRUE(WriteFileBytes(path, bytes));
    }

    CScratchFolder m_scratch{L"install"};
    SetupState m_state;
    TestPage m_page;
    CString m_install;
    NothingRunning m_nothing;
    RecordedBox m_box;
    std::vector<CString> m_progress;
    std::vector<int> m_percents;
};

}  // namespace

TEST_F(SetupInstallTest, FreshInstallEqualsThePayload) {
    HWND wizard = CreateWindowW(L"STATIC", L"wizard", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    m_page.m_wizard = wizard;
    ASSERT_TRUE(m_page.Install());
    EXPECT_EQ(ERRSTEP_DONE, m_state.errorStep);

    auto payload = Payload();
    ASSERT_EQ(7u, payload.size());
    EXPECT_EQ(payload, Tree(m_install));  // an English install gets no anniversary file
    EXPECT_EQ(m_install + L"Zorel.exe", m_state.mainProgramPath);
    EXPECT_EQ(m_install + L"ZorelUninstall.exe", m_state.uninstallerPath);

    // One progress step per entry (13 with the folders), by name, with the
    // share done before it.
    ASSERT_EQ(13u, m_progress.size());
    EXPECT_EQ(CString(L"system\\"), m_progress.front());
    EXPECT_EQ(CString(L"skin\\widgets\\Widgets.XML"), m_progress.back());
    EXPECT_EQ(0, m_percents.front());
    EXPECT_EQ(92, m_percents.back());  // 12 / 13

    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, wizard, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(IDC_SETUP_NEXT, LOWORD(msg.wParam));
    DestroyWindow(wizard);
    EXPECT_TRUE(m_box.texts.empty());
}

TEST_F(SetupInstallTest, UpdateKeepsWidgetXmlFilesAndReplacesTheRest) {
    Prepare(L"skin\\widgets\\clock\\clock.xml", "<Widget><Name>the user's clock</Name></Widget>");
    Prepare(L"skin\\widgets\\Widgets.XML", "<Widgets><Widget>mine</Widget></Widgets>");
    Prepare(L"skin\\widgets\\clock\\clock.png", "old picture");
    Prepare(L"skin\\Menu\\menu.xml", "<Menu>old</Menu>");
    Prepare(L"Zorel.exe", std::string(100000, 'o'));  // longer than the new one
    Prepare(L"skin\\widgets\\rauncher\\rauncher.xml", "<Rauncher/>");
    Prepare(L"skin\\widgets\\rauncher\\icons\\a.png", "icon");
    Prepare(L"memo_data\\memo.xzr", "a note");

    ASSERT_TRUE(m_page.Install());
    auto expected = Payload();
    expected[L"skin\\widgets\\clock\\clock.xml"] = "<Widget><Name>the user's clock</Name></Widget>";
    expected[L"skin\\widgets\\Widgets.XML"] = "<Widgets><Widget>mine</Widget></Widgets>";
    expected[L"memo_data\\memo.xzr"] = "a note";
    EXPECT_EQ(expected, Tree(m_install));
    EXPECT_FALSE(FileExists(m_install + L"skin\\widgets\\rauncher"));
}

TEST_F(SetupInstallTest, KoreanInstallGetsTheAnniversaryFileOnce) {
    const CString anniversary = L"anniversary_data\\anniversary_data.xzrn";
    m_state.languageOffset = kSetupKoreanOffset;
    ASSERT_TRUE(m_page.Install());
    auto expected = Payload();
    expected[anniversary] = ReadFileBytes(EnvFolder("ZOREL_SETUP_DATA") + L"anniversary.xzrn");
    ASSERT_EQ(expected, Tree(m_install));

    // An update keeps the user's own.
    ASSERT_TRUE(WriteFileBytes(m_install + anniversary, "the user's anniversaries"));
    ASSERT_TRUE(m_page.Install());
    EXPECT_EQ("the user's anniversaries", ReadFileBytes(m_install + anniversary));
}

TEST_F(SetupInstallTest, AnEntryThatCannotBeUnpackedFailsTheInstall) {
    m_page.m_payloadId = 149;  // "first.txt", "../escaped.txt", "last.txt"
    HWND wizard = CreateWindowW(L"STATIC", L"wizard", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    m_page.m_wizard = wizard;
    EXPECT_FALSE(m_page.Install());
    EXPECT_EQ(ERRSTEP_EXTRACT, m_state.errorStep);
    EXPECT_TRUE(FileExists(m_install + L"first.txt"));
    EXPECT_FALSE(FileExists(m_scratch + L"Havrond\\escaped.txt"));
    EXPECT_FALSE(FileExists(m_install + L"last.txt"));
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, wizard, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    DestroyWindow(wizard);
}

TEST_F(SetupInstallTest, MissingPayloadFailsTheInstall) {
    m_page.m_payloadId = 4711;
    EXPECT_FALSE(m_page.InstallCatching());
    EXPECT_EQ(ERRSTEP_EXTRACT, m_state.errorStep);
}

TEST_F(SetupInstallTest, LockedFileCountsAsAnException) {
    Prepare(L"ZorelUninstall.exe", "old");
    HANDLE locked = CreateFileW(m_install + L"ZorelUninstall.exe", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(m_page.InstallCatching());
    CloseHandle(locked);
    EXPECT_EQ(ERRSTEP_EXTRACT + kErrorStepException, m_state.errorStep);
}

TEST_F(SetupInstallTest, OldDataIsCopiedWithoutOverwriting) {
    // An older version kept its data under Program Files; the Korean install
    // has just seeded an anniversary file of the same name.
    CString old = m_scratch + L"Program Files\\zorel\\";
    m_scratch.Write(L"Program Files\\zorel\\memo_data\\memo.xzr", "old note");
    m_scratch.Write(L"Program Files\\zorel\\memo_data\\group\\g.xzr", "old group");
    m_scratch.Write(L"Program Files\\zorel\\schedule_data\\alarm.xzs", "old alarm");
    m_scratch.Write(L"Program Files\\zorel\\anniversary_data\\anniversary_data.xzrn", "old anniversaries");
    m_state.languageOffset = kSetupKoreanOffset;
    ASSERT_TRUE(m_page.Install());

    EXPECT_EQ("old note", ReadFileBytes(m_install + L"memo_data\\memo.xzr"));
    EXPECT_EQ("old group", ReadFileBytes(m_install + L"memo_data\\group\\g.xzr"));
    EXPECT_EQ("old alarm", ReadFileBytes(m_install + L"schedule_data\\alarm.xzs"));
    EXPECT_EQ(ReadFileBytes(EnvFolder("ZOREL_SETUP_DATA") + L"anniversary.xzrn"),
              ReadFileBytes(m_install + L"anniversary_data\\anniversary_data.xzrn"));
    EXPECT_EQ("old anniversaries", ReadFileBytes(m_install + L"anniversary_data\\Copy of anniversary_data.xzrn"));
    EXPECT_EQ(GetSetupText(302, kSetupKoreanOffset), m_progress.back());
    EXPECT_EQ("old note", ReadFileBytes(old + L"memo_data\\memo.xzr"));  // the source stays

    // A second install finds memo_data there and has no other source.
    m_progress.clear();
    ASSERT_TRUE(m_page.Install());
    EXPECT_FALSE(FileExists(m_install + L"memo_data\\Copy of memo.xzr"));
}

namespace {

// A main window that takes its time over WM_CLOSE, or never closes.
struct StubbornWindow {
    explicit StubbornWindow(const wchar_t* title) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = [](HWND wnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
            if (msg == WM_CLOSE) return 0;
            return DefWindowProcW(wnd, msg, w, l);
        };
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SetupTestStubborn";
        RegisterClassW(&wc);
        wnd = CreateWindowW(wc.lpszClassName, title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~StubbornWindow() {
        if (IsWindow(wnd)) DestroyWindow(wnd);
    }
    HWND wnd;
};

}  // namespace

TEST_F(SetupInstallTest, ProgramThatNeverClosesStopsTheInstall) {
    FastWaits waits;
    m_page.m_program = &waits;
    StubbornWindow zorel(L"Zorel Program");
    ASSERT_TRUE(zorel.wnd);
    EXPECT_FALSE(m_page.Install());
    EXPECT_EQ(ERRSTEP_CLOSE_PROGRAM, m_state.errorStep);
    EXPECT_EQ((std::vector<DWORD>{2000, 1000, 1000, 1000, 1000, 1000, 1000}), waits.waits);
    EXPECT_EQ(std::vector<CString>{GetSetupText(1002, 0)}, m_box.texts);
    EXPECT_EQ(GetSetupText(1001, 0), m_progress.front());
    EXPECT_FALSE(FileExists(m_state.installFolder));
}

TEST_F(SetupInstallTest, SlowCurrentProgramIsWaitedFor) {
    // Either title may be the one still saving after the first two seconds.
    for (const wchar_t* title : {L"Zorel Program", L"Drenn Memo"}) {
        FastWaits waits;
        m_page.m_program = &waits;
        StubbornWindow zorel(title);
        waits.onWait = [&](int count) {
            if (count == 4) DestroyWindow(zorel.wnd);
        };
        EXPECT_TRUE(m_page.CloseRunningProgram()) << CStringA(title).GetString();
        EXPECT_EQ(4u, waits.waits.size());
    }
    EXPECT_TRUE(m_box.texts.empty());
}

TEST_F(SetupInstallTest, RunningZorelIsClosedAndTheInstallGoesOn) {
    ZorelProcess zorel;
    std::wstring folder = MakeProgramFolder();
    ASSERT_TRUE(zorel.Start(folder));
    ASSERT_TRUE(zorel.WaitForFrame());
    zorel.WaitForStartUp();
    m_page.m_program = &GetRealRunningProgram();
    DWORD start = GetTickCount();
    EXPECT_TRUE(m_page.Install());
    EXPECT_EQ(ERRSTEP_DONE, m_state.errorStep);
    EXPECT_TRUE(zorel.WaitForExit(5000));
    EXPECT_LT(GetTickCount() - start, 9000u);
    EXPECT_TRUE(m_box.texts.empty());
    EXPECT_EQ(Payload(), Tree(m_install));
    zorel.Kill();
    RemoveProgramFolder(folder);
}
