// Buttons, the counter and the face list on real windows.
#include "ControlHost.h"
#include "ui/ButtonEx.h"
#include "ui/ChkButtonEx.h"
#include "ui/FontPreviewCombo.h"
#include "ui/NullButton.h"
#include "ui/ShareButtonEx.h"
#include "ui/StaticCounter.h"

#include <gtest/gtest.h>

namespace {

// A strip of n cells, each a solid colour, magenta nowhere.
HBITMAP MakeStrip(int cells, int cx, int cy) {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cells * cx, cy);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (int i = 0; i < cells; ++i) {
        RECT r = {i * cx, 0, (i + 1) * cx, cy};
        HBRUSH b = CreateSolidBrush(RGB(40 * i, 200 - 40 * i, 90));
        FillRect(mem, &r, b);
        DeleteObject(b);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bmp;
}

}  // namespace

TEST(ButtonWindows, PressDragOffAndReleaseSendsNoCommand) {
    CControlHost& host = SharedHost();
    CShareButtonEx button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 22, 21), &host, 301));
    Send(button, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(CButtonStateLogic::Hover, button.m_nState);
    Send(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Send(button, WM_MOUSEMOVE, 40, 40, MK_LBUTTON);
    EXPECT_EQ(CButtonStateLogic::Normal, button.m_nState);  // back to normal as soon as it leaves
    Send(button, WM_LBUTTONUP, 40, 40);
    EXPECT_EQ(0, host.CountOf(WM_COMMAND));

    Click(button, 5, 5);
    ASSERT_EQ(1, host.CountOf(WM_COMMAND));
    EXPECT_EQ(301u, host.Last(WM_COMMAND)->wParam);  // the id alone, like a menu command
    EXPECT_EQ(0, host.Last(WM_COMMAND)->lParam);
    // No strip was loaded: the button draws nothing and still reports.
    host.UpdateWindow();
}

// A command that opens a dialog must find the mouse free: a button still
// holding it would take the dialog's first click.
TEST(ButtonWindows, MouseIsLetGoBeforeTheCommandRuns) {
    CControlHost& host = SharedHost();
    CShareButtonEx button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 22, 21), &host, 306));
    HWND captureAtCommand = (HWND)-1;
    host.onMessage = [&](UINT m, WPARAM, LPARAM) {
        if (m == WM_COMMAND) captureAtCommand = GetCapture();
    };
    Send(button, WM_MOUSEMOVE, 5, 5);  // hovering holds the mouse
    EXPECT_EQ(button.m_hWnd, GetCapture());
    Click(button, 5, 5);
    host.onMessage = nullptr;
    ASSERT_EQ(1, host.CountOf(WM_COMMAND));
    EXPECT_NE(button.m_hWnd, captureAtCommand);
}

TEST(ButtonWindows, CheckButtonReportsTheNewState) {
    CControlHost& host = SharedHost();
    CChkButtonEx button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 30, 30), &host, 302));
    ASSERT_TRUE(button.SetImageStrip(MakeStrip(3, 16, 16), 16, 16, RGB(255, 0, 255), 255, 3));
    CRect rc;
    button.GetWindowRect(&rc);
    EXPECT_EQ(16, rc.Width());  // sized to one cell
    BOOL seen = -1;
    host.onMessage = [&](UINT m, WPARAM, LPARAM) {
        if (m == WM_COMMAND) seen = button.GetCheck();
    };
    Send(button, WM_MOUSEMOVE, 5, 5);
    Send(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(CButtonStateLogic::Pressed, button.m_nState);
    button.UpdateWindow();
    Send(button, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(TRUE, seen);
    // A second load keeps the first strip.
    EXPECT_TRUE(button.LoadImageStrip(9999, 8, 8));
    button.GetWindowRect(&rc);
    EXPECT_EQ(16, rc.Width());
}

TEST(ButtonWindows, EscapeGoesToTheParent) {
    CControlHost& host = SharedHost();
    CButtonEx button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 30, 30), &host, 303));
    button.SetImageStrip(MakeStrip(4, 14, 14), 14, 14, RGB(255, 0, 255), 255);
    button.SetTooltipText(L"Close");
    button.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_NE(nullptr, host.Last(WM_KEYDOWN));
    EXPECT_EQ((WPARAM)VK_ESCAPE, host.Last(WM_KEYDOWN)->wParam);
    // A double-click is a second click.
    Click(button, 3, 3);
    Click(button, 3, 3, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
    EXPECT_EQ(2, host.CountOf(WM_COMMAND));
}

TEST(ButtonWindows, NullButtonReportsOnPressAndDoubleClick) {
    CControlHost& host = SharedHost();
    CNullButton button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 50), &host, 304));
    Send(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, host.CountOf(WM_COMMAND));  // before the release
    Send(button, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(1, host.CountOf(WM_COMMAND));
    Send(button, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, host.CountOf(WM_USER + 1));
}

TEST(CounterWindow, ClicksAndDragsChangeTheShownValue) {
    CControlHost& host = SharedHost();
    CStaticCounter counter;
    ASSERT_TRUE(counter.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 150, 40), &host, 305));
    counter.UpdateWindow();
    EXPECT_EQ(1, counter.m_nSegOffset);  // 30 pixels high
    EXPECT_EQ(10, counter.m_nSegLength);
    Click(counter, 5, 5);
    EXPECT_EQ(CString(L"000"), counter.m_strText);
    Click(counter, 5, 5, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(CString(L"001"), counter.m_strText);
    Send(counter, WM_LBUTTONDOWN, 0, 5, MK_LBUTTON);
    Send(counter, WM_MOUSEMOVE, 250, 5, MK_LBUTTON);
    Send(counter, WM_LBUTTONUP, 250, 5);
    EXPECT_EQ(CString(L"100"), counter.m_strText);
    counter.MoveWindow(10, 10, 200, 80);
    counter.UpdateWindow();
    EXPECT_EQ(10, counter.m_nSegLength);  // sizes of the first paint stay
    // The lit colour reaches the screen: the top stroke of the first "1".
    counter.SetText(L"8");
    counter.UpdateWindow();
    HDC dc = GetDC(counter);
    EXPECT_EQ(RGB(100, 255, 100), GetPixel(dc, 2 + 6, 2));
    ReleaseDC(counter, dc);
}

// The face list chooses nothing for its owner: a face missing from it must
// not become its first entry.
TEST(FaceList, FillingSelectsNoFace) {
    CControlHost& host = SharedHost();
    CFontPreviewCombo faces;
    ASSERT_TRUE(faces.Create(L"COMBOBOX", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS |
                                 CBS_SORT,
                             CRect(10, 10, 150, 150), &host, 307));
    faces.SetPreviewStyle(11, TRUE);
    EXPECT_GT(faces.SendMessage(CB_GETCOUNT), 0);
    EXPECT_EQ(faces.SendMessage(CB_GETCURSEL), CB_ERR);
}
