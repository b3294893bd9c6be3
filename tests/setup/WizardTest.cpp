// The wizard as a window on this thread: pages in turn, the copy of the
// test payload into a scratch folder, the finish step, Cancel and failure.
// No program is started and no Run value or Start menu of the prefix is
// touched: those go through the wizard's seams.
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "SetupTestFiles.h"
#include "fw/CommonControls.h"
#include "setup/RunningProgram.h"
#include "setup/SelectLanDlg.h"
#include "setup/SetupDlg.h"
#include "setup/SetupIds.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/Seams.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace {

class NoProgram : public IRunningProgram {
public:
    HWND FindByTitle(const wchar_t*) override { return nullptr; }
    void RequestClose(HWND) override {}
    void Wait(DWORD) override {}
};

class AnsweringBox : public ISystemMessageBox {
public:
    int Show(HWND, const CString& text, const CString&, UINT) override {
        texts.push_back(text);
        return answer;
    }
    std::vector<CString> texts;
    int answer = IDNO;
};

class TestWizard : public CSetupDlg {
public:
    TestWizard(SetupState& state, const CScratchFolder& scratch) : CSetupDlg(state), m_scratch(scratch) {}
    std::vector<CString> started;
    int runEntries = 0;

protected:
    CString GetProgramsFolder(int) override { return m_scratch + L"Programs"; }
    bool IsGdiplusPresent() override { return true; }
    void StartProgram(const CString& path) override { started.push_back(path); }
    void WriteRunEntry() override { ++runEntries; }
    const CScratchFolder& m_scratch;
};

class SetupWizardTest : public ::testing::Test {
protected:
    SetupWizardTest() : m_wizard(m_state, m_scratch) {
        CoInitialize(nullptr);
        AfxInitCommonControls();
        AfxInitRichEdit2();
        SetSystemMessageBox(&m_box);
        m_scratch.MakeFolder(L"Programs");
        m_wizard.m_process.m_program = &m_nothing;
        m_wizard.m_folder.m_environment = [this] {
            SetupLogic::FolderInput input;
            input.programFilesDir = L"C:\\Program Files";
            input.windowsDirectory = L"C:\\windows";
            input.windowsMajor = 6;
            input.folderExists = [](const CString&) { return false; };
            return input;
        };
    }
    ~SetupWizardTest() override {
        if (m_wizard.m_hWnd) m_wizard.DestroyWindow();
        SetSystemMessageBox(nullptr);
        CoUninitialize();
    }

    void Open() {
        ASSERT_TRUE(m_wizard.Create(IDD_SETUP_WIZARD));
        m_wizard.ShowWindow(SW_SHOWNA);
    }
    CString Subtitle() { return m_wizard.GetDlgItemText(IDC_SETUP_SUBTITLE); }
    // Licence, then the folder page moved to the scratch folder, then Install.
    void InstallToScratch() {
        Open();
        EXPECT_EQ(GetSetupText(101, 0), m_wizard.GetDlgItemText(IDC_SETUP_TITLE));
        EXPECT_EQ(CString(L"I Agree"), m_wizard.GetDlgItemText(IDC_SETUP_NEXT_BUTTON));
        m_wizard.OnNext();
        ASSERT_EQ(1, m_wizard.GetPage());
        EXPECT_EQ(CString(L"C:\\Havrond"), m_state.baseFolder);
        ASSERT_TRUE(m_wizard.m_folder.AcceptBaseFolder(m_scratch + L"Havrond"));
        m_wizard.OnNext();
        PumpUntil([this] { return m_wizard.GetPage() == 3; });
        ASSERT_EQ(3, m_wizard.GetPage());
    }

    CScratchFolder m_scratch{L"wizard"};
    SetupState m_state;
    NoProgram m_nothing;
    AnsweringBox m_box;
    TestWizard m_wizard;
};

}  // namespace

TEST_F(SetupWizardTest, InstallsAndFinishesOnce) {
    InstallToScratch();
    EXPECT_TRUE(m_wizard.CopySucceeded());
    CString install = m_scratch + L"Havrond\\Zorel\\";
    EXPECT_EQ(install + L"Zorel.exe", m_state.mainProgramPath);
    auto payload = Tree(EnvFolder("ZOREL_SETUP_DATA") + L"payload\\");
    auto installed = Tree(install);
    for (const auto& file : payload) EXPECT_EQ(file.second, installed[file.first]) << CStringA(file.first).GetString();
    EXPECT_EQ(GetSetupText(911, 0), Subtitle());
    EXPECT_EQ(CString(L"Finish"), m_wizard.GetDlgItemText(IDC_SETUP_NEXT_BUTTON));
    EXPECT_EQ(1, m_wizard.runEntries);
    EXPECT_TRUE(FileExists(m_scratch + L"Programs\\Zorel\\Zorel.lnk"));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_wizard.m_hWnd, IDCANCEL)));

    m_wizard.OnNext();
    m_wizard.OnNext();
    EXPECT_EQ(1, m_wizard.FinishStepRuns());
    ASSERT_EQ(1u, m_wizard.started.size());
    EXPECT_EQ(m_state.mainProgramPath, m_wizard.started[0]);
    EXPECT_TRUE(FileExists(install + L"ZorelConfig.xml"));
}

TEST_F(SetupWizardTest, LastOptionsOfferedWhenSettingsExist) {
    ASSERT_TRUE(m_scratch.MakeFolder(L"Havrond\\Zorel"));
    ASSERT_TRUE(WriteFileBytes(m_scratch + L"Havrond\\Zorel\\ZorelConfig.xml", "<Config/>"));
    InstallToScratch();
    EXPECT_EQ((UINT)BST_CHECKED, m_wizard.m_finish.IsDlgButtonChecked(IDC_FINISH_PRESET_LAST));
    EXPECT_EQ(GetSetupText(24006, 0), m_wizard.m_finish.GetDlgItemText(IDC_FINISH_PRESET_FIRST));
}

TEST_F(SetupWizardTest, FreshFolderOffersNoLastOptions) {
    InstallToScratch();
    EXPECT_EQ((UINT)BST_CHECKED, m_wizard.m_finish.IsDlgButtonChecked(IDC_FINISH_PRESET_FIRST));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_wizard.m_finish.m_hWnd, IDC_FINISH_PRESET_LAST)));
}

TEST_F(SetupWizardTest, FailedCopyShowsTheStepAndStartsNothing) {
    m_wizard.m_process.m_payloadId = 149;  // an entry that reaches outside the folder
    InstallToScratch();
    EXPECT_FALSE(m_wizard.CopySucceeded());
    EXPECT_EQ(CString(L"Failed to setup Zorel 3.1.1 error code = 5"), Subtitle());
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(m_wizard.m_finish.m_hWnd, IDC_FINISH_RUN), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_wizard.m_hWnd, IDCANCEL)));
    m_wizard.OnNext();
    EXPECT_TRUE(m_wizard.started.empty());
    EXPECT_EQ(0, m_wizard.runEntries);
}

TEST_F(SetupWizardTest, CancelAsksFirst) {
    Open();
    m_box.answer = IDNO;
    m_wizard.OnCancel();
    ASSERT_EQ(1u, m_box.texts.size());
    EXPECT_EQ(GetSetupText(1006, 0), m_box.texts[0]);
    EXPECT_TRUE(::IsWindowVisible(m_wizard.m_hWnd));
    m_box.answer = IDYES;
    m_wizard.OnCancel();
    EXPECT_FALSE(::IsWindowVisible(m_wizard.m_hWnd));
}

TEST_F(SetupWizardTest, RefusedFoldersKeepThePreviousOne) {
    Open();
    m_wizard.OnNext();
    for (const wchar_t* folder : {L"C:\\Windows\\Stuff", L"C:\\Program Files\\Havrond"}) {
        m_box.texts.clear();
        EXPECT_FALSE(m_wizard.m_folder.AcceptBaseFolder(folder));
        ASSERT_EQ(1u, m_box.texts.size());
        EXPECT_EQ(GetSetupText(709, 0), m_box.texts[0]);
        EXPECT_EQ(CString(L"C:\\Havrond"), m_state.baseFolder);
    }
    // An empty sub-folder would install into the bare base folder.
    m_wizard.m_folder.SetDlgItemText(IDC_FOLDER_SUB, L"");
    m_wizard.OnNext();
    EXPECT_EQ(1, m_wizard.GetPage());
    // The hint tells an update from a new installation.
    ASSERT_TRUE(m_wizard.m_folder.AcceptBaseFolder(m_scratch + L"Havrond"));
    m_wizard.m_folder.SetDlgItemText(IDC_FOLDER_SUB, L"Zorel");
    EXPECT_EQ(GetSetupText(707, 0), m_wizard.m_folder.GetDlgItemText(IDC_FOLDER_HINT));
    ASSERT_TRUE(m_scratch.MakeFolder(L"Havrond\\Zorel"));
    ASSERT_TRUE(WriteFileBytes(m_scratch + L"Havrond\\Zorel\\Zorel.exe", "MZ"));
    m_wizard.m_folder.SetDlgItemText(IDC_FOLDER_SUB, L"Zorel");
    EXPECT_EQ(GetSetupText(710, 0), m_wizard.m_folder.GetDlgItemText(IDC_FOLDER_HINT));
    m_wizard.OnBack();
    EXPECT_EQ(0, m_wizard.GetPage());
}

TEST_F(SetupWizardTest, KoreanTextsThroughout) {
    m_state.languageOffset = kSetupKoreanOffset;
    Open();
    EXPECT_EQ(CString(L"동의함"), m_wizard.GetDlgItemText(IDC_SETUP_NEXT_BUTTON));
    EXPECT_EQ(GetSetupText(1, kSetupKoreanOffset), m_wizard.GetWindowText());
}

TEST_F(SetupWizardTest, KeyboardLanguagePreselectsAndTheChoiceSwitchesAtOnce) {
    CSelectLanDlg language(m_state, SetupLogic::LanguageOffsetFor("Korean"));
    ASSERT_TRUE(language.Create(IDD_SETUP_LANGUAGE));
    HWND list = ::GetDlgItem(language.m_hWnd, IDC_LANGUAGE_LIST);
    EXPECT_EQ(1, (int)::SendMessageW(list, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(kSetupKoreanOffset, m_state.languageOffset);
    EXPECT_EQ(CString(L"설치 언어"), language.GetWindowText());
    EXPECT_EQ(CString(L"확인"), language.GetDlgItemText(IDOK));

    ::SendMessageW(list, CB_SETCURSEL, 0, 0);
    ::SendMessageW(language.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE), (LPARAM)list);
    EXPECT_EQ(0, m_state.languageOffset);
    EXPECT_EQ(CString(L"Installer Language"), language.GetWindowText());
    EXPECT_EQ(CString(L"Please select a language."), language.GetDlgItemText(IDC_LANGUAGE_PROMPT));
    language.DestroyWindow();
}
