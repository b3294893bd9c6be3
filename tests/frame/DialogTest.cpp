// The message box, the time picker, the find box and the colour buttons as
// windows: each is run from the program's own dialog templates and answered
// by a timer that plays the user.
#include "MessagePump.h"
#include "shell/AppGlobals.h"
#include "shell/FindDlg.h"
#include "shell/InputStringDlg.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "app/SearchMemoDlg.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "ui/TimeSelectDlg.h"
#include "shell/ZMsgBox.h"
#include "ui/ColorButton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {
// The one action the timer runs once the dialog is up.
std::function<void()> g_userAction;

void CALLBACK RunUserAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_userAction) {
        auto action = g_userAction;
        g_userAction = nullptr;
        action();
    }
}

// Arms the action to run from the message loop of whatever dialog comes next.
void WhenShown(std::function<void()> action) {
    g_userAction = std::move(action);
    // A longer wait keeps the dialog up for a screenshot when one is asked for.
    const char* pause = getenv("ZOREL_SCREENSHOT_PAUSE");
    SetTimer(nullptr, 0, pause ? atoi(pause) : 100, RunUserAction);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Settings = CSettings();
        g_LanguageTable.RemoveAll();
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
        SetMessageBoxAnswerer(nullptr);
    }
};

HWND OpenBox() { return g_OpenMessageBoxes.empty() ? nullptr : g_OpenMessageBoxes.front()->GetSafeHwnd(); }
}  // namespace

TEST_F(DialogTest, NoticeHasOneCentredOkButtonAndAWarningIcon) {
    struct Seen {
        bool secondVisible = true;
        std::wstring firstText, message;
        int firstLeft = 0, secondLeftInTemplate = 0;
        bool icon = false;
    } seen;
    WhenShown([&] {
        HWND box = OpenBox();
        ASSERT_NE(box, nullptr);
        seen.secondVisible = IsWindowVisible(GetDlgItem(box, IDCANCEL)) != FALSE;
        wchar_t text[256] = {};
        GetDlgItemTextW(box, IDOK, text, 256);
        seen.firstText = text;
        GetDlgItemTextW(box, IDC_MSGBOX_TEXT, text, 256);
        seen.message = text;
        seen.icon = SendDlgItemMessageW(box, IDC_MSGBOX_ICON, STM_GETICON, 0, 0) != 0;
        RECT first;
        GetWindowRect(GetDlgItem(box, IDOK), &first);
        // The template's place of button 1, moved right by half its width and 2.
        RECT place = {115, 32, 155, 49};
        MapDialogRect(box, &place);
        POINT origin = {place.left, place.top};
        ClientToScreen(box, &origin);
        seen.firstLeft = first.left;
        seen.secondLeftInTemplate = origin.x + (place.right - place.left) / 2 + 2;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(ShowMessageBox(L"Saved.", -1), IDYES);
    EXPECT_FALSE(seen.secondVisible);
    EXPECT_EQ(seen.firstText, L"OK");
    EXPECT_EQ(seen.message, L"Saved.");
    EXPECT_TRUE(seen.icon);
    EXPECT_EQ(seen.firstLeft, seen.secondLeftInTemplate);
    EXPECT_TRUE(g_OpenMessageBoxes.empty());

    WhenShown([] { PostMessageW(OpenBox(), WM_COMMAND, IDCANCEL, 0); });  // Escape
    EXPECT_EQ(ShowMessageBox(L"Saved.", -1), IDNO);
}

TEST_F(DialogTest, QuestionAnswers) {
    std::wstring yes, no;
    WhenShown([&] {
        wchar_t text[64] = {};
        GetDlgItemTextW(OpenBox(), IDOK, text, 64);
        yes = text;
        GetDlgItemTextW(OpenBox(), IDCANCEL, text, 64);
        no = text;
        PostMessageW(OpenBox(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(ShowMessageBox(L"Delete?", 4), 6);
    EXPECT_EQ(yes, L"Yes");
    EXPECT_EQ(no, L"No");
    WhenShown([] { PostMessageW(OpenBox(), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(ShowMessageBox(L"Delete?", 4), 7);
    WhenShown([] { PostMessageW(OpenBox(), WM_SYSCOMMAND, SC_CLOSE, 0); });  // the close box
    EXPECT_EQ(ShowMessageBox(L"Delete?", 4), 7);
}

TEST_F(DialogTest, TestsCanAnswerWithoutABox) {
    SetMessageBoxAnswerer([](const CString& text, int type) { return text == L"x" && type == 4 ? 6 : 7; });
    EXPECT_EQ(ShowMessageBox(L"x", 4), 6);
    EXPECT_EQ(ShowMessageBox(L"y", 4), 7);
    SetMessageBoxAnswerer(nullptr);
}

TEST_F(DialogTest, ClosingTheFrameAnswersAnOpenBoxNoAndClosesASecondLater) {
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    ASSERT_NE(wnd, nullptr);
    EXPECT_FALSE(IsWindowVisible(wnd));
    DWORD closedAt = 0;
    WhenShown([&] { PostMessageW(wnd, WM_CLOSE, 0, 0); });
    DWORD start = GetTickCount();
    EXPECT_EQ(ShowMessageBox(L"Still there?", 4), IDNO);
    EXPECT_TRUE(IsWindow(wnd));  // not yet: a second later
    PumpUntil([&] { return !IsWindow(wnd); }, 5000);
    closedAt = GetTickCount() - start;
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_GE(closedAt, 900u);
    g_FrameAlive = 1;
}

TEST_F(DialogTest, FrameStaysHiddenWhenShown) {
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    frame->ShowWindow(SW_SHOWMINIMIZED);
    frame->ShowWindow(SW_SHOWNORMAL);
    EXPECT_FALSE(IsWindowVisible(wnd));
    RECT rect;
    GetWindowRect(wnd, &rect);
    EXPECT_EQ(rect.left, -100000);
    EXPECT_EQ(rect.top, -100000);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(frame->GetTrayIconData().cbSize, sizeof(NOTIFYICONDATAW));
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(wnd));
    g_FrameAlive = 1;
}

TEST_F(DialogTest, TimePickerHourStaysOpenMinuteCloses) {
    CTimeSelectDlg picker(nullptr);
    picker.SetTime(7, 15);
    struct Seen {
        COLORREF selectedHourFill = 0, otherHourText = 0, minute15Text = 0, minute16Text = 0, selectedMinuteFill = 0;
        bool openAfterHour = false;
        BOOL hourBorder = FALSE;
    } seen;
    WhenShown([&] {
        seen.selectedHourFill = picker.HourCell(7).GetColor();
        seen.otherHourText = picker.HourCell(8).GetTextColor();
        seen.selectedMinuteFill = picker.MinuteCell(15).GetColor();
        seen.minute16Text = picker.MinuteCell(16).GetTextColor();
        SendMessageW(picker.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_HOUR_FIRST + 9, BN_CLICKED),
                     (LPARAM)GetDlgItem(picker.GetSafeHwnd(), IDC_HOUR_FIRST + 9));
        seen.openAfterHour = IsWindowVisible(picker.GetSafeHwnd()) != FALSE;
        seen.hourBorder = picker.HourCell(7).GetBorder();
        PostMessageW(picker.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_MINUTE_FIRST + 42, BN_CLICKED),
                     (LPARAM)GetDlgItem(picker.GetSafeHwnd(), IDC_MINUTE_FIRST + 42));
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_EQ(picker.m_hour, 9);
    EXPECT_EQ(picker.m_minute, 42);
    EXPECT_TRUE(seen.openAfterHour);
    EXPECT_EQ(seen.selectedHourFill, 0x00FF3232u);
    EXPECT_EQ(seen.otherHourText, 0x00FF3232u);
    EXPECT_EQ(seen.selectedMinuteFill, 0x0096FA96u);
    EXPECT_EQ(seen.minute16Text, 0x00323232u);
    EXPECT_FALSE(seen.hourBorder);  // the old hour lost its border
}

TEST_F(DialogTest, TimePickerNowTakesTheLocalTime) {
    CTimeSelectDlg picker(nullptr);
    WhenShown([&] { PostMessageW(picker.GetSafeHwnd(), WM_COMMAND, IDC_TIME_NOW, 0); });
    time_t before = time(nullptr);
    EXPECT_EQ(picker.DoModal(), IDOK);
    struct tm* local = localtime(&before);
    EXPECT_EQ(picker.m_hour, local->tm_hour);
    EXPECT_NEAR(picker.m_minute, local->tm_min, 1);
}

TEST_F(DialogTest, InputBoxTextAndCaptions) {
    CInputStringDlg input(L"Group name", L"old");
    input.SetOkCaptionId(21);
    std::wstring okText, title;
    WhenShown([&] {
        HWND wnd = input.GetSafeHwnd();
        wchar_t text[64] = {};
        GetDlgItemTextW(wnd, IDOK, text, 64);
        okText = text;
        GetWindowTextW(wnd, text, 64);
        title = text;
        SetDlgItemTextW(wnd, IDC_INPUT_EDIT, L"new name");
        PostMessageW(wnd, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(input.DoModal(), IDOK);
    EXPECT_EQ(input.GetText(), CString(L"new name"));
    EXPECT_EQ(okText, L"Edit");
    EXPECT_EQ(title, L"Group name");
}

namespace {
class FakeEditor : public IFindTarget {
public:
    CWnd* window = nullptr;
    std::vector<std::pair<std::wstring, int>> searches;
    bool closed = false;
    CWnd* GetFindWindow() override { return window; }
    void FindWithOptions(const CString& text, int flags) override { searches.push_back({(LPCWSTR)text, flags}); }
    void OnFindDialogClosed() override { closed = true; }
};
}  // namespace

TEST_F(DialogTest, FindBoxFlagsKeysAndPlace) {
    CWnd owner;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int screenBottom = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(owner.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"note", WS_POPUP, 100, screenBottom - 40, 200, 30, nullptr,
                               nullptr));
    FakeEditor editor;
    editor.window = &owner;
    CFindDlg* find = new CFindDlg(&editor, L"");
    ASSERT_TRUE(find->CreateAndShow());
    HWND wnd = find->GetSafeHwnd();
    RECT rect;
    GetWindowRect(wnd, &rect);
    EXPECT_EQ(rect.bottom, screenBottom);  // lifted onto the desktop
    EXPECT_EQ(rect.left, 100);

    find->FindNext();  // empty text: nothing
    EXPECT_TRUE(editor.searches.empty());
    SetDlgItemTextW(wnd, IDC_FIND_TEXT, L"memo");
    CheckDlgButton(wnd, IDC_FIND_WHOLE_WORD, BST_CHECKED);
    CheckDlgButton(wnd, IDC_FIND_MATCH_CASE, BST_CHECKED);
    SendMessageW(wnd, WM_COMMAND, IDC_FIND_NEXT, 0);
    SendMessageW(wnd, WM_COMMAND, IDC_FIND_PREV, 0);
    MSG f3 = {GetDlgItem(wnd, IDC_FIND_TEXT), WM_KEYDOWN, VK_F3, 0, 0, {}};
    EXPECT_TRUE(find->PreTranslateMessage(&f3));
    ASSERT_EQ(editor.searches.size(), 3u);
    EXPECT_EQ(editor.searches[0], std::make_pair(std::wstring(L"memo"), 7));
    EXPECT_EQ(editor.searches[1], std::make_pair(std::wstring(L"memo"), 6));
    EXPECT_EQ(editor.searches[2].second, 7);

    SendMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(editor.closed);
    find->DestroyWindow();
    delete find;
    owner.DestroyWindow();
}

TEST_F(DialogTest, ColourButtonPaintsItsColourAndVeilsWhenDisabled) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"host", WS_POPUP, 0, 0, 100, 60, nullptr, nullptr));
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 40, 20,
                                  parent.GetSafeHwnd(), (HMENU)500, nullptr, nullptr);
    CColorButton swatch;
    ASSERT_TRUE(swatch.SubclassWindow(button));
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    swatch.SetColor(RGB(10, 200, 30));

    auto drawInto = [&](UINT state, int x, int y) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = button;
        dis.hDC = dc;
        dis.rcItem = {0, 0, 40, 20};
        dis.itemState = state;
        swatch.DrawItem(&dis);
        COLORREF c = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return c;
    };
    EXPECT_EQ(drawInto(0, 10, 10), RGB(10, 200, 30));
    EXPECT_EQ(drawInto(0, 11, 10), RGB(10, 200, 30));
    // Disabled: a checkerboard of the face colour over the swatch.
    EXPECT_EQ(drawInto(ODS_DISABLED, 10, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(drawInto(ODS_DISABLED, 11, 10), RGB(10, 200, 30));
    swatch.UnsubclassWindow();
    parent.DestroyWindow();
}

TEST_F(DialogTest, SearchDialogIsKeptOnceAndEscapeLetsTheFrameDeleteIt) {
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    frame->OpenSearchMemoDialog();
    CSearchMemoDlg* dialog = frame->GetSearchMemoDialog();
    ASSERT_NE(dialog, nullptr);
    HWND search = dialog->GetSafeHwnd();
    wchar_t title[64] = {};
    GetWindowTextW(search, title, 64);
    EXPECT_STREQ(title, L"Search Memo");
    EXPECT_EQ(IsDlgButtonChecked(search, IDC_SEARCH_TITLES), (UINT)BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(search, IDC_SEARCH_CONTENTS), (UINT)BST_CHECKED);
    frame->OpenSearchMemoDialog();
    EXPECT_EQ(frame->GetSearchMemoDialog(), dialog);
    SendMessageW(search, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(frame->GetSearchMemoDialog(), nullptr);
    EXPECT_FALSE(IsWindow(search));
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    g_FrameAlive = 1;
}

TEST_F(DialogTest, DisplayChangeMovesAVanishedWorkMonitorToTheLastOne) {
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    int last = GetSystemMetrics(SM_CMONITORS) - 1;
    g_Settings.General.WorkMonitor = last + 2;
    SendMessageW(wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    EXPECT_EQ(g_Settings.General.WorkMonitor, last);
    g_Settings.General.WorkMonitor = 0;
    SendMessageW(wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    EXPECT_EQ(g_Settings.General.WorkMonitor, 0);
    EXPECT_EQ(SendMessageW(wnd, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), TRUE);
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    g_FrameAlive = 1;
}
