// Not a check: pictures of the group manager, the restore dialogs, the
// delete confirmations and the note's password dialogs in the run's language (English, or Korean under the Korean code page), written
// when ZOREL_SCREENSHOT_DIR asks for them.
#include "LifecycleFixture.h"
#include "MessagePump.h"
#include "ScreenPicture.h"
#include "notes/DelMemoGroupDlg.h"
#include "notes/DelMemoListBox.h"
#include "notes/DelMsgBox.h"
#include "notes/EditMemoGroupDlg.h"
#include "notes/MemoLockDlg.h"
#include "notes/MemoPwdDlg.h"
#include "notes/RestoreAnniversaryDlg.h"
#include "notes/RestoreMemoDlg.h"
#include "notes/RestoreScheduleDlg.h"
#include "shell/LanguageTable.h"

TEST_F(LifecycleTest, DialogPicturesInTheRunsLanguage) {
    if (!ScreenshotsWanted()) GTEST_SKIP();
    CString language = UseScreenshotLanguage();
    g_Settings.General.MemoDBFile = CMemoStore::DefaultGroupFile;
    CFakeNote* shopping = AddNote(L"20140209153045201.rtf");
    shopping->record.m_strTitle = language == L"ko" ? L"\uC7A5\uBCF4\uAE30" : L"Shopping";
    shopping->record.m_strDate = L"2014/02/09 15:30";
    AddNote(L"20140209153045202.rtf")->record.m_strDate = L"2014/02/09 15:31";
    CAutosave(host, store, memos).WriteMemoList();
    folder.Write(L"20140209153045201.rtf", "{\\rtf1\\ansi Milk, bread and \\b apples\\b0\\par Call Anna at 5}");
    folder.Write(L"20140209153045202.rtf", "{\\rtf1\\ansi A note without a title}");
    MakeGroup(L"Work.zrd", 3, L"w");
    folder.Write(L"20140201090000100.brt", "{\\rtf1\\ansi A deleted note}");
    folder.Write(L"20140203090000100.brt", "{\\rtf1\\ansi Another deleted note}");
    CreateDirectoryW(folder.Path() + L"history", nullptr);
    folder.Write(L"schedule_data.zra", "live");
    for (const wchar_t* copy : {L"history\\2014_01_15.sbak", L"history\\2014_02_01.sbak"}) folder.Write(copy, "old");
    CreateDirectoryW(folder.Path() + L"anniversary_data", nullptr);
    CreateDirectoryW(folder.Path() + L"anniversary_data\\history", nullptr);
    folder.Write(L"anniversary_data\\history\\2014_02_01.xbak", "old");

    CEditMemoGroupDlg groups(host, store, memos);
    ASSERT_TRUE(groups.CreateModeless(nullptr));
    groups.ShowWindow(SW_SHOWNOACTIVATE);
    groups.SetTicked(1, true);
    CRect cell;
    groups.Grid().GetCellRect(0, 1, &cell);
    LPARAM at = MAKELPARAM(cell.left + 4, cell.top + 4);
    groups.Grid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    groups.Grid().SendMessage(WM_LBUTTONUP, 0, at);
    PumpWaiting();
    EXPECT_TRUE(SaveScreenPicture(L"group-manager-" + language, {groups.m_hWnd}));
    groups.DestroyWindow();

    CRestoreMemoDlg restore(host, folder.Path(), 0);
    restore.isOpen = [](const CString&) { return false; };
    ASSERT_TRUE(restore.CreateModeless(nullptr));
    restore.ShowWindow(SW_SHOWNOACTIVATE);
    CRestoreScheduleDlg schedule(host, folder.Path(), 2);
    ASSERT_TRUE(schedule.CreateModeless(nullptr));
    CRestoreAnniversaryDlg anniversary(host, folder.Path(), 2);
    ASSERT_TRUE(anniversary.CreateModeless(nullptr));
    // Side by side, as a user could put them.
    restore.SetWindowPos(nullptr, 10, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect r;
    restore.GetWindowRect(&r);
    schedule.SetWindowPos(nullptr, r.right + 10, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect s;
    schedule.GetWindowRect(&s);
    anniversary.SetWindowPos(nullptr, s.right + 10, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    schedule.ShowWindow(SW_SHOWNOACTIVATE);
    anniversary.ShowWindow(SW_SHOWNOACTIVATE);
    PumpWaiting();
    EXPECT_TRUE(SaveScreenPicture(L"restore-dialogs-" + language, {restore.m_hWnd, schedule.m_hWnd, anniversary.m_hWnd}));
    restore.DestroyWindow();
    schedule.DestroyWindow();
    anniversary.DestroyWindow();

    // The delete confirmations and the note's password dialogs.
    CArray<CMemoInfo> ticked;
    ticked.Add(memos[0]);
    CDelMemoGroupDlg group(3, nullptr);
    CDelMemoListBox list(ticked, nullptr);
    CDelMsgBox one(FALSE, nullptr);
    CMemoLockDlg lock(nullptr, L"Bank");
    CMemoPwdDlg password(nullptr);
    struct Modal {
        CDialog& dialog;
        const wchar_t* name;
    } modals[] = {{group, L"delete-group-"}, {list, L"delete-ticked-"}, {one, L"delete-note-"},
                  {lock, L"lock-note-"},     {password, L"note-password-"}};
    for (Modal& m : modals) {
        bool saved = false;
        WhenShown([&] {
            saved = SaveScreenPicture(m.name + language, {m.dialog.m_hWnd});
            ::PostMessageW(m.dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        });
        m.dialog.DoModal();
        EXPECT_TRUE(saved) << m.name;
    }
    // The other tests read the built-in English texts.
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
}
