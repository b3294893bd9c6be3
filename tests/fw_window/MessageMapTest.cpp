// Every message-table entry compiles against the base handlers, and a table
// made only of base handlers behaves like the system's default processing.
#include "TestIds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class CEveryEntryWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    void OnCommandX() {}
    void OnCommandRange(UINT) {}
    BOOL OnCommandEx(UINT) { return FALSE; }
    void OnUpdateX(CCmdUI*) {}
    void OnNotifyX(NMHDR*, LRESULT*) {}
    void OnNotifyRange(UINT, NMHDR*, LRESULT*) {}
    BOOL OnNotifyEx(UINT, NMHDR*, LRESULT*) { return FALSE; }
    LRESULT OnUserMessage(WPARAM, LPARAM) { return 0; }
};

const UINT kEveryEntryMessage = ::RegisterWindowMessageW(L"Zorel.Test.EveryEntry");

BEGIN_MESSAGE_MAP(CEveryEntryWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_NCCREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_WM_CLOSE()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_SIZING()
    ON_WM_MOVING()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_ENTERSIZEMOVE()
    ON_WM_EXITSIZEMOVE()
    ON_WM_PARENTNOTIFY()
    ON_WM_GETMINMAXINFO()
    ON_WM_SHOWWINDOW()
    ON_WM_ENABLE()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_NCACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONUP()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCRBUTTONUP()
    ON_WM_NCMBUTTONDOWN()
    ON_WM_NCCALCSIZE()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_CHAR()
    ON_WM_SYSCHAR()
    ON_WM_GETDLGCODE()
    ON_WM_SYSCOMMAND()
    ON_WM_HOTKEY()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERMENULOOP()
    ON_WM_EXITMENULOOP()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_POWERBROADCAST()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_TIMECHANGE()
    ON_WM_THEMECHANGED()
    ON_WM_DROPFILES()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_WM_COPYDATA()
    ON_COMMAND(ID_MENU_PLAIN, OnCommandX)
    ON_COMMAND_EX(ID_MENU_APP, OnCommandEx)
    ON_COMMAND_RANGE(3000, 3010, OnCommandRange)
    ON_COMMAND_EX_RANGE(3020, 3030, OnCommandEx)
    ON_UPDATE_COMMAND_UI(ID_MENU_PLAIN, OnUpdateX)
    ON_UPDATE_COMMAND_UI_RANGE(3000, 3010, OnUpdateX)
    ON_CONTROL(EN_CHANGE, 10, OnCommandX)
    ON_CONTROL_RANGE(EN_CHANGE, 11, 12, OnCommandRange)
    ON_BN_CLICKED(13, OnCommandX)
    ON_EN_KILLFOCUS(14, OnCommandX)
    ON_CBN_SELCHANGE(15, OnCommandX)
    ON_LBN_DBLCLK(16, OnCommandX)
    ON_STN_CLICKED(17, OnCommandX)
    ON_NOTIFY(NM_CLICK, 18, OnNotifyX)
    ON_NOTIFY_RANGE(NM_DBLCLK, 19, 20, OnNotifyRange)
    ON_NOTIFY_EX(NM_RCLICK, 21, OnNotifyEx)
    ON_MESSAGE(WM_USER + 1, OnUserMessage)
    ON_REGISTERED_MESSAGE(kEveryEntryMessage, OnUserMessage)
END_MESSAGE_MAP()

// Every reflected entry, on a child that counts what reaches it.
class CEveryReflectionWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int calls = 0;
    void DrawItem(LPDRAWITEMSTRUCT) { ++calls; }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) {
        ++calls;
        mis->itemHeight = 33;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT) { return ++calls, -1; }
    void DeleteItem(LPDELETEITEMSTRUCT) { ++calls; }
    HBRUSH CtlColor(CDC*, UINT) { return ++calls, nullptr; }
    void HScroll(UINT, UINT) { ++calls; }
    void VScroll(UINT, UINT) { ++calls; }
    void OnClicked() { ++calls; }
    void OnNotifyReflect(NMHDR*, LRESULT* result) {
        ++calls;
        *result = 9;
    }
};

BEGIN_MESSAGE_MAP(CEveryReflectionWnd, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_HSCROLL_REFLECT()
    ON_WM_VSCROLL_REFLECT()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyReflect)
END_MESSAGE_MAP()

TEST(MessageMap, EveryReflectedMessageReachesTheChild) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Parent", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CEveryReflectionWnd child;
    ASSERT_TRUE(child.Create(L"BUTTON", L"", BS_OWNERDRAW, CRect(0, 0, 20, 20), &parent, 70));
    HWND c = child.m_hWnd;
    DRAWITEMSTRUCT dis = {ODT_BUTTON, 70, 0, ODA_DRAWENTIRE, 0, c, nullptr, {0, 0, 1, 1}, 0};
    MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 70, 0, 0, 0, 0};
    COMPAREITEMSTRUCT cis = {ODT_LISTBOX, 70, c, 0, 0, 1, 0, 0};
    DELETEITEMSTRUCT del = {ODT_LISTBOX, 70, 0, c, 0};
    NMHDR nm = {c, 70, (UINT)NM_CLICK};
    parent.SendMessage(WM_DRAWITEM, 70, (LPARAM)&dis);
    parent.SendMessage(WM_MEASUREITEM, 70, (LPARAM)&mis);
    EXPECT_EQ(mis.itemHeight, 33u);
    EXPECT_EQ(parent.SendMessage(WM_COMPAREITEM, 70, (LPARAM)&cis), -1);
    parent.SendMessage(WM_DELETEITEM, 70, (LPARAM)&del);
    HDC dc = ::GetDC(c);
    parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)c);  // declined: the parent's default answers
    ::ReleaseDC(c, dc);
    parent.SendMessage(WM_HSCROLL, SB_LINEDOWN, (LPARAM)c);
    parent.SendMessage(WM_VSCROLL, SB_LINEDOWN, (LPARAM)c);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(70, BN_CLICKED), (LPARAM)c);
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 70, (LPARAM)&nm), 9);
    EXPECT_EQ(child.calls, 9);
    parent.DestroyWindow();
}

TEST(MessageMap, BaseHandlersBehaveLikeTheSystemDefault) {
    CEveryEntryWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"Every entry", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr));
    CRect client;
    wnd.GetClientRect(&client);
    CPoint inside = client.CenterPoint();
    wnd.ClientToScreen(&inside);
    EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
    EXPECT_EQ(wnd.SendMessage(WM_GETDLGCODE), 0);
    wnd.SetWindowText(L"title");
    EXPECT_EQ(wnd.GetWindowText(), L"title");
    wnd.MoveWindow(20, 30, 220, 160);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(20, 30, 240, 190));
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    wnd.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    wnd.SendMessage(WM_COMMAND, ID_MENU_PLAIN);
    // WM_CLOSE by default destroys the window.
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

}  // namespace
