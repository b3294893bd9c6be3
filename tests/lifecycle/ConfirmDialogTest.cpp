// The delete confirmations on real windows: their texts, greyed buttons and
// the answers of buttons, letters and Esc.
#include "LifecycleFixture.h"
#include "notes/DelMemoGroupDlg.h"
#include "notes/DelMemoListBox.h"
#include "notes/DelMsgBox.h"
#include "shell/LanguageTable.h"

#include <functional>

namespace {

// Steps run one per timer tick against the open dialog of that title.
struct Script {
    const wchar_t* title;
    std::vector<std::function<void(HWND)>> steps;
    size_t next = 0;
};
Script* g_script = nullptr;

// Only this thread's dialog: other test programs run beside this one on the
// same display.
HWND FindOwnDialog(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        HWND found;
    } search = {title, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t text[128] = {};
            GetWindowTextW(wnd, text, 127);
            if (wcscmp(text, s->title) == 0 && IsWindowVisible(wnd)) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_script || g_script->next >= g_script->steps.size()) return;
    HWND dialog = FindOwnDialog(g_script->title);
    if (!dialog) return;
    g_script->steps[g_script->next++](dialog);
}

INT_PTR RunScripted(CDialog& dialog, Script script) {
    g_script = &script;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, Tick);
    INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    g_script = nullptr;
    return result;
}

std::function<void(HWND)> Type(wchar_t c) {
    return [c](HWND dialog) { PostMessageW(dialog, WM_CHAR, c, 0); };
}
std::function<void(HWND)> Click(int id) {
    return [id](HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id)); };
}
CString Text(HWND dialog, int id) {
    wchar_t buf[256] = {};
    GetDlgItemTextW(dialog, id, buf, 255);
    return buf;
}

class ConfirmDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetLifecycleSettings();
        g_Settings.General.MemoDBFile = CMemoStore::DefaultGroupFile;
    }
};

}  // namespace

TEST_F(ConfirmDialogTest, OneNoteAnswersByButtonLetterAndEsc) {
    struct Case {
        BOOL locked;
        const wchar_t* bin;
        std::function<void(HWND)> answer;
        INT_PTR expected;
    } cases[] = {
        {FALSE, L"DefaultMemo.zrd", Type(L'n'), CDelMsgBox::ResultCancel},
        {FALSE, L"DefaultMemo.zrd", Type(L'Y'), CDelMsgBox::ResultRestorable},
        {FALSE, L"DefaultMemo.zrd", Type(L'r'), CDelMsgBox::ResultRecycleBin},
        {FALSE, L"DefaultMemo.zrd", Click(3), CDelMsgBox::ResultForGood},
        {FALSE, L"DefaultMemo.zrd", Click(IDCANCEL), CDelMsgBox::ResultCancel},
    };
    for (const Case& c : cases) {
        g_Settings.General.MemoDBFile = c.bin;
        CDelMsgBox box(c.locked, nullptr);
        EXPECT_EQ(c.expected, RunScripted(box, {L"Memo Deletion", {c.answer}}));
    }
}

TEST_F(ConfirmDialogTest, ALockedNoteCanOnlyBeDeletedForGood) {
    bool restorable = true, bin = true;
    CString question;
    CDelMsgBox box(TRUE, nullptr);
    INT_PTR result = RunScripted(box, {L"Memo Deletion",
                                       {[&](HWND d) {
                                            restorable = IsWindowEnabled(GetDlgItem(d, 1)) != FALSE;
                                            bin = IsWindowEnabled(GetDlgItem(d, 4)) != FALSE;
                                            question = Text(d, 1354);
                                            PostMessageW(d, WM_CHAR, L'y', 0);
                                        },
                                        Type(L'r'), Type(L'a')}});
    EXPECT_EQ(CDelMsgBox::ResultForGood, result);
    EXPECT_FALSE(restorable);
    EXPECT_FALSE(bin);
    EXPECT_EQ(CString(L"Do you want to delete this memo?"), question);

    g_Settings.General.MemoDBFile = CMemoStore::RecycleBinFile;
    CDelMsgBox inBin(FALSE, nullptr);
    result = RunScripted(inBin, {L"Memo Deletion", {Type(L'r'), Type(L'y')}});
    EXPECT_EQ(CDelMsgBox::ResultRestorable, result);
}

TEST_F(ConfirmDialogTest, TickedNotesShowTheirNumber) {
    CArray<CMemoInfo> records;
    records.Add(MakeRecord(L"a.rtf"));
    records.Add(MakeRecord(L"b.rtf"));
    CString question;
    CDelMemoListBox box(records, nullptr);
    INT_PTR result = RunScripted(box, {L"Memo Deletion", {[&](HWND d) {
                                                              question = Text(d, 1354);
                                                              PostMessageW(d, WM_CHAR, L'a', 0);
                                                          }}});
    EXPECT_EQ(CDelMemoListBox::ResultForGood, result);
    EXPECT_EQ(CString(L"Do you want to Delete Checked Memo? (2)"), question);

    CDelMemoListBox locked(records, nullptr, true);
    EXPECT_EQ(CDelMemoListBox::ResultCancel, RunScripted(locked, {L"Memo Deletion", {Type(L'y'), Type(L'n')}}));
}

TEST_F(ConfirmDialogTest, GroupDeletionEndsWithTheButtonsOwnIds) {
    struct Case {
        int button;
        INT_PTR expected;
    } cases[] = {{1, 1}, {1253, 1253}, {1251, 1251}, {IDCANCEL, 2}};
    for (const Case& c : cases) {
        CString question;
        CDelMemoGroupDlg box(12, nullptr);
        INT_PTR result = RunScripted(box, {L"Delete Memo Group", {[&](HWND d) {
                                                                    question = Text(d, 1252);
                                                                    Click(c.button)(d);
                                                                }}});
        EXPECT_EQ(c.expected, result);
        EXPECT_EQ(CString(L"Current group contains 12 memos. \n Do you want to delete all?"), question);
    }
}
