// The note's modal dialogs, driven as a user would from a timer while their
// modal loop runs: the title dialog and the two password dialogs.
#include "notes/MemoLockDlg.h"
#include "notes/MemoPwdDlg.h"
#include "notes/NoteIds.h"
#include "notes/NoteTextStore.h"
#include "notes/MemoTitleInputDlg.h"
#include "ui/PickerColors.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::function<void(HWND)> g_drive;

// Runs the driver on the dialog once it is up, then clicks OK.
void CALLBACK DriveDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = ::GetActiveWindow();
    if (!dialog || !::GetDlgItem(dialog, IDOK)) return;
    ::KillTimer(nullptr, id);
    if (g_drive) g_drive(dialog);
}

INT_PTR RunDriven(CDialog& dialog, std::function<void(HWND)> drive) {
    g_drive = std::move(drive);
    ::SetTimer(nullptr, 0, 50, DriveDialog);
    INT_PTR result = dialog.DoModal();
    g_drive = nullptr;
    return result;
}

void TypeInto(HWND edit, const wchar_t* text) {
    for (; *text; ++text) ::SendMessageW(edit, WM_CHAR, *text, 0);
}

void ClickOk(HWND dialog) { ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, IDOK)); }

LOGFONTW Font(int height, const wchar_t* face) {
    LOGFONTW lf = {};
    lf.lfHeight = height;
    lf.lfWeight = 400;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return lf;
}

}  // namespace

TEST(NoteDialogs, TitleDialogTakesAtMostSixtyCharacters) {
    CMemoTitleInputDlg dialog(nullptr, Font(14, L"Tahoma"), g_PickerColors[3], L"");
    INT_PTR result = RunDriven(dialog, [](HWND d) {
        HWND edit = ::GetDlgItem(d, IDC_TI_TITLE);
        TypeInto(edit, CString(L'x', 70));
        ::SendMessageW(::GetDlgItem(d, IDC_TI_BOLD), BM_CLICK, 0, 0);
        ClickOk(d);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetTitle().GetLength(), 60);
    EXPECT_EQ(dialog.GetFont().lfHeight, 14);
    EXPECT_EQ(dialog.GetColor(), g_PickerColors[3]);
    EXPECT_EQ(dialog.GetFont().lfWeight, 1);  // bold, as a flag
}

TEST(NoteDialogs, TitleDialogWithAnUnknownSizeKeepsTheDefaultEntry) {
    // A descriptor that failed to parse gives height 13, not in the list.
    CMemoTitleInputDlg dialog(nullptr, Font(13, L"Tahoma"), 0x804000, L"Old");
    INT_PTR result = RunDriven(dialog, [](HWND d) { ClickOk(d); });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetFont().lfHeight, 10);
    EXPECT_EQ(dialog.GetTitle(), CString(L"Old"));
    EXPECT_EQ(dialog.GetFont().lfWeight, 0);
}

TEST(NoteDialogs, LockDialogChecksBothEntries) {
    struct Case {
        const wchar_t *password, *repeat;
        CMemoLockDlg::Check expected;
    } cases[] = {
        {L"", L"", CMemoLockDlg::Check::Cancel},
        {L"abc", L"abd", CMemoLockDlg::Check::Mismatch},
        {L"abc", L"abc", CMemoLockDlg::Check::Ok},
        // Both are cut at 16 before they are compared.
        {L"0123456789abcdefXYZ", L"0123456789abcdef", CMemoLockDlg::Check::Ok},
    };
    for (const Case& c : cases) {
        CString password = c.password, repeat = c.repeat;
        EXPECT_EQ(CMemoLockDlg::CheckEntries(password, repeat), c.expected) << (LPCSTR)StringToAnsi(password);
        EXPECT_LE(password.GetLength(), 16);
    }
}

TEST(NoteDialogs, LockDialogGivesPasswordAndTitle) {
    CMemoLockDlg dialog(nullptr, L"");
    INT_PTR result = RunDriven(dialog, [](HWND d) {
        TypeInto(::GetDlgItem(d, IDC_LOCK_PASSWORD), L"pw12");
        TypeInto(::GetDlgItem(d, IDC_LOCK_REPEAT), L"pw12");
        TypeInto(::GetDlgItem(d, IDC_LOCK_TITLE), L"Bank");
        ClickOk(d);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPassword(), CString(L"pw12"));
    EXPECT_EQ(dialog.GetTitle(), CString(L"Bank"));
}

TEST(NoteDialogs, PasswordDialogComparesWithTheToken) {
    CMemoCipher cipher;
    CLockedMemoFile file(cipher, GetNoteLockKeys());
    CString token = file.EncryptPassword(L"Secret");
    CMemoPwdDlg dialog(nullptr);
    INT_PTR result = RunDriven(dialog, [](HWND d) {
        TypeInto(::GetDlgItem(d, IDC_PWD_EDIT), L"Secret");
        ClickOk(d);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.CheckPassword(token));
    EXPECT_FALSE(dialog.CheckPassword(file.EncryptPassword(L"secret")));

    CMemoPwdDlg empty(nullptr);
    EXPECT_EQ(RunDriven(empty, [](HWND d) { ClickOk(d); }), IDCANCEL);
}
