#include "ControlHost.h"
#include "ui/GridCtrl.h"

#include <gtest/gtest.h>

namespace {

struct GridFixture : ::testing::Test {
    CControlHost& host = SharedHost();
    CGridCtrl grid{6, 3, 1, 0};
    void SetUp() override {
        ASSERT_TRUE(grid.Create(CRect(10, 10, 310, 210), &host, 501));
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 3; ++c) {
                CString s;
                s.Format(L"r%dc%d", r, c);
                grid.SetItemText(r, c, s);
            }
        for (int c = 0; c < 3; ++c) grid.SetColumnWidth(c, 80);
        for (int r = 0; r < 6; ++r) grid.SetRowHeight(r, 20);
        grid.ResetScrollBars();
        host.SetForegroundWindow();
        grid.SetFocus();
        grid.UpdateWindow();
    }
    CPoint At(int row, int col) {
        RECT rc;
        grid.GetCellRect(row, col, &rc);
        return CPoint(rc.left + 6, rc.top + 6);
    }
    void ClickCell(int row, int col, WPARAM keys = 0) {
        CPoint p = At(row, col);
        Click(grid, p.x, p.y, WM_LBUTTONDOWN, WM_LBUTTONUP, keys);
        PumpWaiting();
    }
    HWND Editor() { return grid.GetEditWindow(); }
    CString EditorText() {
        wchar_t buf[256] = {};
        GetWindowTextW(Editor(), buf, 256);
        return buf;
    }
};

}  // namespace

TEST_F(GridFixture, RegistersItsWindowClass) {
    wchar_t name[64];
    GetClassNameW(grid, name, 64);
    EXPECT_STREQ(L"ZGridCtrl", name);
}

TEST_F(GridFixture, ClickSelectsTheRowAndPostsTheCell) {
    ClickCell(3, 2);
    EXPECT_TRUE(grid.IsRowSelected(3));
    const HostMessage* m = host.Last(WM_USER + 6);
    ASSERT_NE(nullptr, m);
    EXPECT_EQ((WPARAM)((3 << 16) | 2), m->wParam);
    EXPECT_EQ(501, m->lParam);
    const HostMessage* cmd = host.Last(WM_COMMAND);
    ASSERT_NE(nullptr, cmd);
    EXPECT_EQ(501u, LOWORD(cmd->wParam));
    EXPECT_EQ((LPARAM)grid.m_hWnd, cmd->lParam);
    // Shift+click selects the rows between.
    ClickCell(5, 0, MK_SHIFT);
    for (int r = 1; r < 6; ++r) EXPECT_EQ(r >= 3, grid.IsRowSelected(r)) << r;
    EXPECT_EQ(nullptr, Editor());  // clicks never open the editor
}

TEST_F(GridFixture, HeaderClicksSortAscendingThenDescending) {
    grid.m_bListMode = TRUE;
    const wchar_t* names[] = {L"pear", L"fig", L"apple", L"kiwi", L"date"};
    for (int i = 0; i < 5; ++i) grid.SetItemText(i + 1, 0, names[i]);
    ClickCell(0, 0);
    EXPECT_EQ(CString(L"apple"), grid.GetItemText(1, 0));
    EXPECT_EQ(CString(L"pear"), grid.GetItemText(5, 0));
    ClickCell(0, 0);
    EXPECT_EQ(CString(L"pear"), grid.GetItemText(1, 0));
    EXPECT_EQ(0, grid.GetSortColumn());
    EXPECT_FALSE(grid.GetSortAscending());
}

TEST_F(GridFixture, DeleteAndSpaceOnAReadOnlyCell) {
    ClickCell(2, 1);
    host.messages.clear();
    grid.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    PumpWaiting();
    const HostMessage* del = host.Last(WM_USER + 8);
    ASSERT_NE(nullptr, del);
    EXPECT_EQ(2u, del->wParam);
    EXPECT_EQ(1, del->lParam);
    EXPECT_EQ(CString(L"r2c1"), grid.GetItemText(2, 1));
    grid.SetItemState(2, 1, grid.GetItemState(2, 1) | GVIS_READONLY);
    grid.SendMessage(WM_CHAR, ' ', 0);
    PumpWaiting();
    ASSERT_NE(nullptr, host.Last(WM_USER + 9));
    EXPECT_EQ(32u, host.Last(WM_USER + 9)->wParam);
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(GridFixture, TypingEditsEscapeRestoresTabMovesOn) {
    ClickCell(2, 1);
    grid.SendMessage(WM_CHAR, 'x', 0);
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(CString(L"x"), EditorText());
    SendMessageW(Editor(), WM_CHAR, 'y', 0);
    SendMessageW(Editor(), WM_CHAR, VK_ESCAPE, 0);
    PumpWaiting();
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ(CString(L"r2c1"), grid.GetItemText(2, 1));
    EXPECT_FALSE(grid.GetItemState(2, 1) & GVIS_MODIFIED);

    grid.SetFocus();
    grid.SendMessage(WM_CHAR, 'n', 0);
    ASSERT_NE(nullptr, Editor());
    SendMessageW(Editor(), WM_CHAR, 'w', 0);
    SendMessageW(Editor(), WM_CHAR, VK_TAB, 0);
    PumpWaiting();
    EXPECT_EQ(CString(L"nw"), grid.GetItemText(2, 1));
    EXPECT_TRUE(grid.GetItemState(2, 1) & GVIS_MODIFIED);
    EXPECT_TRUE(grid.m_bModified);
    EXPECT_EQ(CCellID(2, 2), grid.GetFocusCell());
    ASSERT_NE(nullptr, Editor());  // editing goes on in the next cell
    EXPECT_EQ(CString(L"r2c2"), EditorText());
    SendMessageW(Editor(), WM_KEYDOWN, VK_DOWN, 0);  // an arrow ends it too
    PumpWaiting();
    EXPECT_EQ(CCellID(3, 2), grid.GetFocusCell());
    HWND e = Editor();
    ASSERT_NE(nullptr, e);
    SendMessageW(e, WM_CHAR, VK_ESCAPE, 0);
    PumpWaiting();
    int endEdits = 0;
    for (int code : host.notifyCodes) endEdits += code == GVN_ENDEDIT;
    EXPECT_GE(endEdits, 3);
}

TEST_F(GridFixture, DoubleClickEditsWithArrowsInsideTheText) {
    ClickCell(4, 0);
    CPoint p = At(4, 0);
    Send(grid, WM_LBUTTONDBLCLK, p.x, p.y, MK_LBUTTON);
    Send(grid, WM_LBUTTONUP, p.x, p.y);
    PumpWaiting();
    ASSERT_NE(nullptr, Editor());
    DWORD start = 0, end = 0;
    SendMessageW(Editor(), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);  // the whole text selected
    SendMessageW(Editor(), WM_KEYDOWN, VK_LEFT, 0);
    PumpWaiting();
    EXPECT_NE(nullptr, Editor());  // still editing
    const HostMessage* dbl = host.Last(WM_USER + 11);
    ASSERT_NE(nullptr, dbl);
    EXPECT_EQ((WPARAM)((0 << 16) | 4), dbl->wParam);
    grid.SetFocus();
    PumpWaiting();
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(GridFixture, TypingPastTheEdgeWidensTheEditor) {
    grid.SetColumnWidth(1, 40);
    ClickCell(1, 1);
    grid.SendMessage(WM_CHAR, 'a', 0);
    ASSERT_NE(nullptr, Editor());
    RECT before;
    GetWindowRect(Editor(), &before);
    for (int i = 0; i < 60; ++i) SendMessageW(Editor(), WM_CHAR, 'W', 0);
    RECT after, client;
    GetWindowRect(Editor(), &after);
    grid.GetClientRect(&client);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_LE(after.right - after.left, client.right);
    SendMessageW(Editor(), WM_CHAR, VK_ESCAPE, 0);
    PumpWaiting();
}

TEST_F(GridFixture, TitleTipOnlyForTextThatDoesNotFit) {
    grid.SetItemText(2, 0, L"a text far too long to fit into eighty pixels of a cell");
    CPoint p = At(1, 0);
    Send(grid, WM_MOUSEMOVE, p.x, p.y);
    EXPECT_FALSE(grid.GetTitleTip().IsWindowVisible());
    p = At(2, 0);
    Send(grid, WM_MOUSEMOVE, p.x, p.y);
    ASSERT_TRUE(grid.GetTitleTip().IsWindowVisible());
    EXPECT_EQ(CString(L" a text far too long to fit into eighty pixels of a cell "), grid.GetTitleTip().GetText());
    // A click on the tip hides it and reaches the cell below.
    CTitleTip& tip = grid.GetTitleTip();
    MSG msg = {tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3), 0, {}};
    EXPECT_TRUE(tip.PreTranslateMessage(&msg));
    EXPECT_FALSE(tip.IsWindowVisible());
    PumpWaiting();
    Send(grid, WM_LBUTTONUP, p.x, p.y);
    PumpWaiting();
    EXPECT_EQ(CCellID(2, 0), grid.GetFocusCell());
}

TEST_F(GridFixture, DoubleClickOnAHeaderBoundaryFitsTheColumn) {
    grid.SetItemText(3, 0, L"a rather wide text in the first column");
    RECT rc;
    grid.GetCellRect(0, 0, &rc);
    Send(grid, WM_MOUSEMOVE, rc.right - 1, 5);
    Send(grid, WM_LBUTTONDBLCLK, rc.right - 1, 5, MK_LBUTTON);
    Send(grid, WM_LBUTTONUP, rc.right - 1, 5);
    EXPECT_GT(grid.GetColumnWidth(0), 150);
}

TEST_F(GridFixture, WheelScrollsByLines) {
    grid.SetRowCount(40);
    grid.ResetScrollBars();
    int lines = CGridCtrl::GetMouseScrollLines();
    grid.m_nRowsPerWheelNotch = 3;
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), 0);
    EXPECT_EQ(60, grid.m_nVScrollPos);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(0, grid.m_nVScrollPos);
    EXPECT_TRUE(lines >= -1);
}
