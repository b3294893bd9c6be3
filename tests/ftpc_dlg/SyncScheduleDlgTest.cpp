// The list of received sync files: which files it lists and preselects, and
// that applying and deleting ask first and touch only the listed files.
#include "notes/SyncScheduleDlg.h"
#include "shell/Seams.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScreenPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Answers every question and keeps its text.
class CAnsweringBox : public ISystemMessageBox {
public:
    int Show(HWND, const CString& text, const CString&, UINT) override {
        asked.push_back(text);
        return answer;
    }
    int answer = IDYES;
    std::vector<CString> asked;
};

class SyncScheduleDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseScreenshotLanguage();
        SetSystemMessageBox(&m_box);
        for (const wchar_t* name : {L"000_2024_06_01_08_00_00.sync", L"001_2024_12_31_23_59_59.sync",
                                    L"005_2024_01_01_10_00_00.sync", L"notes.sync"})
            m_root.Write(CString(L"sync\\") + name, "data");
    }
    void TearDown() override {
        if (m_dialog) m_dialog->DestroyAndDelete();
        SetSystemMessageBox(nullptr);
    }
    CSyncScheduleDlg& Open(int mode) {
        m_dialog = new CSyncScheduleDlg(nullptr, mode, m_root + L"sync\\");
        m_dialog->onApply = [this](int kind, const CString& path) {
            applied.push_back({kind, path});
            return true;
        };
        EXPECT_TRUE(m_dialog->CreateModeless());
        m_dialog->ShowWindow(SW_SHOWNOACTIVATE);
        PumpWaiting();
        return *m_dialog;
    }
    CString SelectedText() {
        int sel = m_dialog->List().GetCurSel();
        return sel < 0 ? CString() : m_dialog->List().GetText(sel);
    }
    void Click(int id) {
        m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(m_dialog->m_hWnd, id));
    }

    CScratchFolder m_root{L"syncdlg"};
    CAnsweringBox m_box;
    CSyncScheduleDlg* m_dialog = nullptr;
    std::vector<std::pair<int, CString>> applied;
};

}  // namespace

TEST_F(SyncScheduleDlgTest, ListsOnlySyncFilesAndPreselectsTheLatest) {
    CSyncScheduleDlg& dialog = Open(1);
    EXPECT_EQ(dialog.GetWindowText(), CString(L"Sync Notification."));
    ASSERT_EQ(dialog.List().GetCount(), 2);
    EXPECT_EQ(SelectedText(), CString(L"2024-12-31  23:59:59  || [ Zorel Anniversary ]"));
    SaveScreenPicture(L"sync_list", {dialog.m_hWnd});
    m_dialog->DestroyAndDelete();
    m_dialog = nullptr;
    EXPECT_EQ(Open(0).GetWindowText(), CString(L"Received Synchronization Data"));
}

TEST_F(SyncScheduleDlgTest, FirstFoundOfOneMinuteIsPreselected) {
    m_root.Write(L"sync\\000_2024_12_31_23_59_05.sync", "data");
    CSyncScheduleDlg& dialog = Open(1);
    CString first;
    for (const CString& name : FindSyncFileNames(m_root + L"sync\\"))
        if (name.Find(L"2024_12_31_23_59") == 4) {
            first = name;
            break;
        }
    int sel = dialog.List().GetCurSel();
    ASSERT_GE(sel, 0);
    EXPECT_EQ(dialog.Rows()[sel].name, first);
}

TEST_F(SyncScheduleDlgTest, ApplyingAsksFirstAndHandsOverKindAndPath) {
    Open(1);
    m_box.answer = IDNO;
    Click(CSyncScheduleDlg::IDC_SYNCHRONIZE);
    EXPECT_TRUE(applied.empty());
    ASSERT_EQ(m_box.asked.size(), 1u);
    EXPECT_EQ(m_box.asked[0],
              CString(L"2024-12-31  23:59:59  || [ Zorel Anniversary ] - Do you want to start Synchronization?"));
    m_box.answer = IDYES;
    Click(CSyncScheduleDlg::IDC_SYNCHRONIZE);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first, 1);
    EXPECT_EQ(applied[0].second, m_root + L"sync\\001_2024_12_31_23_59_59.sync");
    EXPECT_TRUE(m_root.Has(L"sync\\001_2024_12_31_23_59_59.sync"));
}

TEST_F(SyncScheduleDlgTest, DeletingTouchesOnlyListedFiles) {
    CSyncScheduleDlg& dialog = Open(0);
    m_box.answer = IDNO;
    Click(CSyncScheduleDlg::IDC_DELETE_ALL);
    EXPECT_EQ(m_root.List(L"sync").size(), 4u);
    m_box.answer = IDYES;
    Click(CSyncScheduleDlg::IDC_DELETE);
    EXPECT_FALSE(m_root.Has(L"sync\\001_2024_12_31_23_59_59.sync"));
    EXPECT_EQ(dialog.List().GetCount(), 1);
    Click(CSyncScheduleDlg::IDC_DELETE_ALL);
    EXPECT_EQ(dialog.List().GetCount(), 0);
    EXPECT_EQ(m_root.List(L"sync"), (std::vector<CString>{L"005_2024_01_01_10_00_00.sync", L"notes.sync"}));
    // Without a row the buttons do nothing.
    size_t asked = m_box.asked.size();
    Click(CSyncScheduleDlg::IDC_SYNCHRONIZE);
    Click(CSyncScheduleDlg::IDC_DELETE);
    EXPECT_EQ(m_box.asked.size(), asked);
}
