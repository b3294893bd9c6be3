// The finish step's traces: the redirect page, the Start-menu folder and its
// shortcuts, the Run value. Start-menu folders are temporary ones and the
// Run value goes to a test key.
#include "SetupTestFiles.h"
#include "ScratchFolder.h"
#include "setup/SetupDlg.h"
#include "setup/SetupLogic.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

class TestSetupDlg : public CSetupDlg {
public:
    TestSetupDlg(SetupState& state, const CScratchFolder& scratch) : CSetupDlg(state), m_scratch(scratch) {}

protected:
    CString GetProgramsFolder(int csidl) override {
        return m_scratch + (csidl == CSIDL_COMMON_PROGRAMS ? L"AllUsersPrograms" : L"Programs");
    }
    const CScratchFolder& m_scratch;
};

struct LinkData {
    CString path, description, arguments;
};

LinkData ReadLink(const CString& link) {
    LinkData data;
    IShellLinkW* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void**)&shell)))
        return data;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, (void**)&file))) {
        if (SUCCEEDED(file->Load(link, STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            shell->GetPath(text, MAX_PATH, nullptr, 0);
            data.path = text;
            shell->GetDescription(text, MAX_PATH);
            data.description = text;
            text[0] = 0;
            shell->GetArguments(text, MAX_PATH);
            data.arguments = text;
        }
        file->Release();
    }
    shell->Release();
    return data;
}

class SetupFinishTest : public ::testing::Test {
protected:
    SetupFinishTest() {
        CoInitialize(nullptr);
        m_state.installFolder = m_scratch + L"Havrond\\Zorel";
        m_scratch.MakeFolder(L"Havrond\\Zorel");
        m_state.mainProgramPath = m_state.installFolder + L"\\Zorel.exe";
        m_state.uninstallerPath = m_state.installFolder + L"\\ZorelUninstall.exe";
        m_scratch.Write(L"Havrond\\Zorel\\Zorel.exe", "MZ");
        m_scratch.Write(L"Havrond\\Zorel\\ZorelUninstall.exe", "MZ");
        // Folders an older install left in both Programs folders.
        m_scratch.Write(L"Programs\\Zorel\\Old Zorel.lnk", "old");
        m_scratch.Write(L"AllUsersPrograms\\Zorel\\Zorel.lnk", "old");
    }
    ~SetupFinishTest() override { CoUninitialize(); }

    CScratchFolder m_scratch{L"finish"};
    SetupState m_state;
};

}  // namespace

TEST_F(SetupFinishTest, StartMenuFolderAndRedirectPage) {
    for (int offset : {0, kSetupKoreanOffset}) {
        DeleteFileW(m_state.installFolder + L"\\Homepage.html");
        m_state.languageOffset = offset;
        TestSetupDlg dlg(m_state, m_scratch);
        dlg.CreateShortcuts();

        std::string expected = offset ? "<head><meta http-equiv =\"refresh\" content = \"0;url = "
                                        "http://www.zorel.example.com/zorel/ko/\"></head></html>"
                                      : "<head><meta http-equiv =\"refresh\" content = \"0;url = "
                                        "http://www.zorel.example.com/zorel/en/\"></head></html>";
        EXPECT_EQ(expected, ReadFileBytes(m_state.installFolder + L"\\Homepage.html"));

        EXPECT_EQ((std::vector<CString>{L"Homepage.lnk", L"Uninstall.lnk", L"Zorel.lnk"}),
                  m_scratch.List(L"Programs\\Zorel"));
        EXPECT_FALSE(m_scratch.Has(L"AllUsersPrograms\\Zorel"));
        struct Expected {
            const wchar_t* link;
            CString target;
            const wchar_t* description;
        } links[] = {
            {L"Zorel.lnk", m_state.mainProgramPath, L"Zorel"},
            {L"Homepage.lnk", m_state.installFolder + L"\\Homepage.html", L"Homepage"},
            {L"Uninstall.lnk", m_state.uninstallerPath, L"Uninstall"},
        };
        for (const Expected& e : links) {
            LinkData data = ReadLink(m_scratch + L"Programs\\Zorel\\" + e.link);
            EXPECT_EQ(0, data.path.CompareNoCase(e.target)) << CStringA(data.path).GetString();
            EXPECT_EQ(CString(e.description), data.description);
            EXPECT_EQ(CString(), data.arguments);
        }
    }
}

TEST_F(SetupFinishTest, ExistingRedirectPageIsLeftAlone) {
    m_scratch.Write(L"Havrond\\Zorel\\Homepage.html", "mine");
    TestSetupDlg dlg(m_state, m_scratch);
    dlg.CreateShortcuts();
    EXPECT_EQ("mine", ReadFileBytes(m_state.installFolder + L"\\Homepage.html"));
    EXPECT_TRUE(m_scratch.Has(L"Programs\\Zorel\\Homepage.lnk"));
}

TEST_F(SetupFinishTest, StartMenuCheckOffMakesNothing) {
    m_state.startMenu = false;
    TestSetupDlg dlg(m_state, m_scratch);
    dlg.CreateShortcuts();
    EXPECT_FALSE(m_scratch.Has(L"Havrond\\Zorel\\Homepage.html"));
    EXPECT_EQ(std::vector<CString>{L"Old Zorel.lnk"}, m_scratch.List(L"Programs\\Zorel"));
    EXPECT_EQ(std::vector<CString>{L"Zorel.lnk"}, m_scratch.List(L"AllUsersPrograms\\Zorel"));
}

TEST_F(SetupFinishTest, RunValueStartsTheProgramAtLogin) {
    const wchar_t* key = L"Software\\ZorelSetupTest\\Run";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZorelSetupTest");
    m_state.startWithWindows = false;
    WriteRunValue(m_state, HKEY_CURRENT_USER, key);
    CString value;
    EXPECT_EQ(0, ReadRegString(HKEY_CURRENT_USER, key, kRunValueName, value));

    m_state.startWithWindows = true;
    WriteRunValue(m_state, HKEY_CURRENT_USER, key);
    ASSERT_EQ(1, ReadRegString(HKEY_CURRENT_USER, key, L"Zorel Start", value));
    EXPECT_EQ(L"\"" + m_state.mainProgramPath + L"\" /login", value);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZorelSetupTest");
    EXPECT_STREQ(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", kRunSubkey);
}
