// Window objects: the creation hook, the handle table, message tables,
// timers armed from worker threads and update-UI for menus.
#include "TestIds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace {

const UINT kRegistered = ::RegisterWindowMessageW(L"Zorel.Test.Registered");

class CProbeWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    std::vector<UINT> firstMessages;
    std::vector<std::pair<UINT_PTR, DWORD>> timers;  // id, thread
    UINT notified = 0;
    bool* postNcDestroyed = nullptr;
    bool deleteSelf = false;

    BOOL Make() { return CreateEx(0, nullptr, L"Probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr); }

protected:
    BOOL OnNcCreate(LPCREATESTRUCT cs) {
        firstMessages.push_back(WM_NCCREATE);
        return CWnd::OnNcCreate(cs);
    }
    int OnCreate(LPCREATESTRUCT cs) {
        firstMessages.push_back(WM_CREATE);
        return CWnd::OnCreate(cs);
    }
    void OnTimer(UINT_PTR id) {
        timers.emplace_back(id, ::GetCurrentThreadId());
        KillTimer(id);
    }
    LRESULT OnPing(WPARAM wParam, LPARAM) { return (LRESULT)wParam + 1; }
    LRESULT OnRegistered(WPARAM wParam, LPARAM) { return (LRESULT)wParam * 2; }
    void OnChildClick(NMHDR* nm, LRESULT* result) {
        notified = nm->code;
        *result = 77;
    }
    void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    void PostNcDestroy() override {
        if (postNcDestroyed) *postNcDestroyed = true;
        if (deleteSelf) delete this;
    }
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 5, OnPing)
    ON_REGISTERED_MESSAGE(kRegistered, OnRegistered)
    ON_NOTIFY(NM_CLICK, 55, OnChildClick)
    ON_UPDATE_COMMAND_UI(ID_MENU_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_MENU_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

// A child that takes its own notifications and lets one change go on to
// the parent as well.
class CReflectingChild : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int clicks = 0;
    int changes = 0;

protected:
    void OnClick(NMHDR*, LRESULT* result) {
        ++clicks;
        *result = 5;
    }
    BOOL OnChange() {
        ++changes;
        return FALSE;  // the parent sees it too
    }
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnClick)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int rclicks = 0;
    int changes = 0;

protected:
    void OnRClick(NMHDR*, LRESULT*) { ++rclicks; }
    void OnChange() { ++changes; }
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_NOTIFY(NM_RCLICK, 56, OnRClick)
    ON_EN_CHANGE(56, OnChange)
END_MESSAGE_MAP()

// A label that paints itself on its own colour when asked to.
class CColouredLabel : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CBrush brush{RGB(10, 20, 30)};
    bool own = true;
    UINT lastType = 99;

protected:
    HBRUSH CtlColor(CDC* dc, UINT type) {
        lastType = type;
        if (!own) return nullptr;  // let the parent decide
        dc->SetTextColor(RGB(255, 255, 255));
        return brush;
    }
};

BEGIN_MESSAGE_MAP(CColouredLabel, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CColourParent : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CBrush brush{RGB(200, 200, 200)};
    int asked = 0;

protected:
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) {
        ++asked;
        return brush;
    }
};

BEGIN_MESSAGE_MAP(CColourParent, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(Wnd, ColourMessagesAreReflectedToTheControlUnlessItDeclines) {
    CColourParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Parent", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CColouredLabel label;
    ASSERT_TRUE(label.Create(L"STATIC", L"text", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 57));
    HDC dc = ::GetDC(label.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)label.m_hWnd);
    EXPECT_EQ((HBRUSH)brush, (HBRUSH)label.brush);
    EXPECT_EQ(label.lastType, (UINT)CTLCOLOR_STATIC);
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(parent.asked, 0);

    label.own = false;
    brush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)label.m_hWnd);
    EXPECT_EQ((HBRUSH)brush, (HBRUSH)parent.brush);
    EXPECT_EQ(parent.asked, 1);
    ::ReleaseDC(label.m_hWnd, dc);
    parent.DestroyWindow();
}

TEST(Wnd, ObjectSeesItsFirstMessagesAndLeavesTheTableAfterNcDestroy) {
    size_t before = CWnd::GetPermanentCount();
    bool gone = false;
    CProbeWnd wnd;
    wnd.postNcDestroyed = &gone;
    ASSERT_TRUE(wnd.Make());
    EXPECT_EQ(wnd.firstMessages, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    HWND handle = wnd.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &wnd);
    EXPECT_EQ(CWnd::GetPermanentCount(), before + 1);

    wnd.DestroyWindow();
    EXPECT_TRUE(gone);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
    EXPECT_EQ(CWnd::GetPermanentCount(), before);
}

TEST(Wnd, UserRegisteredAndNotifyMessagesReachTheirHandlers) {
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Make());
    EXPECT_EQ(wnd.SendMessage(WM_USER + 5, 4), 5);
    EXPECT_EQ(wnd.SendMessage(kRegistered, 21), 42);

    CWnd child;
    ASSERT_TRUE(child.Create(L"STATIC", L"", WS_VISIBLE, CRect(0, 0, 10, 10), &wnd, 55));
    NMHDR nm = {child.m_hWnd, 55, (UINT)NM_CLICK};
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 55, (LPARAM)&nm), 77);
    EXPECT_EQ(wnd.notified, (UINT)NM_CLICK);
    wnd.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);  // children leave the table with their parent
}

TEST(Wnd, NotificationsAreReflectedToTheChildObjectFirst) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Parent", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CReflectingChild child;
    ASSERT_TRUE(child.Create(L"EDIT", L"", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 56));

    NMHDR nm = {child.m_hWnd, 56, (UINT)NM_RCLICK};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 56, (LPARAM)&nm), 5);
    EXPECT_EQ(child.clicks, 1);
    EXPECT_EQ(parent.rclicks, 0);

    child.SetWindowText(L"changed");  // the edit control sends EN_CHANGE
    EXPECT_EQ(child.changes, 1);
    EXPECT_EQ(parent.changes, 1);
    parent.DestroyWindow();
}

TEST(Wnd, TimerArmedFromAWorkerFiresOnTheWindowsThread) {
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Make());
    UINT_PTR armed = 0;
    std::thread worker([&] { armed = wnd.SetTimer(7, 10); });
    worker.join();
    EXPECT_EQ(armed, 7u);
    ASSERT_TRUE(PumpAppUntil([&] { return !wnd.timers.empty(); }));
    EXPECT_EQ(wnd.timers[0].first, 7u);
    EXPECT_EQ(wnd.timers[0].second, ::GetCurrentThreadId());

    // A kill from a worker stops a timer it did not set.
    wnd.timers.clear();
    ASSERT_NE(::SetTimer(wnd.m_hWnd, 8, 200, nullptr), 0u);
    std::thread killer([&] { wnd.KillTimer(8); });
    killer.join();
    PumpAppUntil([] { return false; }, 400);
    EXPECT_TRUE(wnd.timers.empty());
    wnd.DestroyWindow();
}

TEST(Wnd, WindowDestroyedWhileAWorkerHoldsItsHandleIsNotFoundAgain) {
    bool gone = false;
    CProbeWnd* wnd = new CProbeWnd;
    wnd->deleteSelf = true;
    wnd->postNcDestroyed = &gone;
    ASSERT_TRUE(wnd->Make());
    HWND handle = wnd->m_hWnd;

    HANDLE looked = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE destroyed = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CWnd* seenBefore = nullptr;
    CWnd* seenAfter = reinterpret_cast<CWnd*>(1);
    BOOL postedAfter = TRUE;
    std::thread worker([&] {
        seenBefore = CWnd::FromHandlePermanent(handle);
        ::SetEvent(looked);
        ::WaitForSingleObject(destroyed, 5000);
        seenAfter = CWnd::FromHandlePermanent(handle);
        postedAfter = ::PostMessageW(handle, WM_USER + 5, 0, 0);
    });
    EXPECT_EQ(::WaitForSingleObject(looked, 5000), WAIT_OBJECT_0);
    ::CloseHandle(looked);
    EXPECT_EQ(seenBefore, wnd);
    ::DestroyWindow(handle);  // the object deletes itself in PostNcDestroy
    EXPECT_TRUE(gone);
    ::SetEvent(destroyed);
    worker.join();
    ::CloseHandle(destroyed);
    EXPECT_EQ(seenAfter, nullptr);
    EXPECT_FALSE(postedAfter);
}

TEST(Wnd, HandleTableStaysConsistentWhileWorkersLookUp) {
    std::atomic<bool> stop(false);
    std::vector<HWND> handles;
    std::atomic<long> lookups(0);
    std::thread reader([&] {
        while (!stop) {
            for (int i = 0; i < 64; ++i) {
                CWnd::FromHandlePermanent((HWND)(INT_PTR)(0x10000 + i * 4));
                ++lookups;
            }
        }
    });
    size_t before = CWnd::GetPermanentCount();
    for (int round = 0; round < 40; ++round) {
        CProbeWnd wnd;
        ASSERT_TRUE(wnd.Make());
        EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
        wnd.DestroyWindow();
    }
    stop = true;
    reader.join();
    EXPECT_GT(lookups.load(), 0);
    EXPECT_EQ(CWnd::GetPermanentCount(), before);
}

TEST(Wnd, MenuItemsAreUpdatedByTheWindowAndTheApplication) {
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Make());
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_MENU_CHECKED, L"Checked");
    menu.AppendMenu(MF_STRING, ID_MENU_DISABLED, L"Disabled");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_MENU_APP, L"App");
    menu.AppendMenu(MF_STRING, ID_MENU_PLAIN, L"Plain");
    int appUpdates = TestApp().updates;
    wnd.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_TRUE(menu.GetMenuState(ID_MENU_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(ID_MENU_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(menu.GetMenuString(ID_MENU_APP, MF_BYCOMMAND), L"From the app");
    EXPECT_EQ(TestApp().updates, appUpdates + 1);
    UINT plain = menu.GetMenuState(ID_MENU_PLAIN, MF_BYCOMMAND);
    EXPECT_FALSE(plain & (MF_GRAYED | MF_CHECKED));
    wnd.DestroyWindow();
}

TEST(Wnd, RegisteredClassesAreMadeOncePerLook) {
    LPCTSTR a = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    LPCTSTR b = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    LPCTSTR c = AfxRegisterWndClass(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_STRNE(a, c);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, a, L"Registered", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wchar_t name[128] = {};
    ::GetClassNameW(wnd.m_hWnd, name, 128);
    EXPECT_STREQ(name, a);
    EXPECT_EQ(::GetClassLongPtrW(wnd.m_hWnd, GCL_STYLE) & CS_DBLCLKS, (ULONG_PTR)CS_DBLCLKS);
    EXPECT_EQ(wnd.firstMessages.size(), 2u);
    wnd.DestroyWindow();
}

TEST(Wnd, TemporaryObjectsWrapForeignWindowsUntilIdle) {
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    CWnd* temp = CWnd::FromHandle(plain);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandle(plain), temp);  // the same wrapper until idle
    EXPECT_EQ(temp->GetWindowText(), L"plain");
    TestApp().OnIdle(0);
    EXPECT_TRUE(::IsWindow(plain));  // wrappers never destroy what they wrap
    ::DestroyWindow(plain);
}

class CRefusingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    bool* postNcDestroyed = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    void PostNcDestroy() override { *postNcDestroyed = true; }
};

BEGIN_MESSAGE_MAP(CRefusingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Wnd, CreationRefusedInWmCreateFailsAndCleansUp) {
    size_t before = CWnd::GetPermanentCount();
    bool gone = false;
    CRefusingWnd wnd;
    wnd.postNcDestroyed = &gone;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, L"Refused", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(gone);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::GetPermanentCount(), before);
}

TEST(Wnd, SubclassedWindowRoutesThroughTheObjectUntilReleased) {
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(plain));
    EXPECT_FALSE(CProbeWnd().SubclassWindow(plain));  // one object per window
    EXPECT_EQ(::SendMessageW(plain, WM_USER + 5, 1, 0), 2);
    EXPECT_EQ(wnd.GetWindowText(), L"plain");  // the control's own procedure still answers
    EXPECT_EQ(wnd.UnsubclassWindow(), plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(::SendMessageW(plain, WM_USER + 5, 1, 0), 0);

    CWnd attached;
    ASSERT_TRUE(attached.Attach(plain));
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), &attached);
    EXPECT_EQ(attached.Detach(), plain);
    ::DestroyWindow(plain);
}

// A window whose handlers throw where it is told to; a ping afterwards
// shows that the window and the program go on.
class CThrowingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    enum Where { Nowhere, AtCreate, InHandler, InPreTranslate, InSubclass };
    Where where = Nowhere;
    bool throwNumber = false;  // an exception of no standard type
    int thrown = 0;
    int pings = 0;

    BOOL Make() { return CreateEx(0, nullptr, L"Thrower", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == kThrowMessage && where == InPreTranslate) Throw();
        return FALSE;
    }
    static constexpr UINT kThrowMessage = WM_USER + 6;
    static constexpr UINT kPingMessage = WM_USER + 7;

protected:
    void Throw() {
        ++thrown;
        if (throwNumber) throw 42;
        throw std::runtime_error("a handler failed");
    }
    void PreSubclassWindow() override {
        if (where == InSubclass) Throw();
    }
    int OnCreate(LPCREATESTRUCT) {
        if (where == AtCreate) Throw();
        return 0;
    }
    LRESULT OnThrowMessage(WPARAM, LPARAM) {
        if (where == InHandler) Throw();
        return 0;
    }
    LRESULT OnPing(WPARAM wParam, LPARAM) {
        ++pings;
        return (LRESULT)wParam + 1;
    }
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(CThrowingWnd::kThrowMessage, OnThrowMessage)
    ON_MESSAGE(CThrowingWnd::kPingMessage, OnPing)
END_MESSAGE_MAP()

TEST(Wnd, AnExceptionFromAHandlerStopsAtTheWindowAndTheProgramGoesOn) {
    for (bool number : {false, true}) {
        SCOPED_TRACE(number ? "a number thrown" : "a standard exception");
        CThrowingWnd wnd;
        wnd.where = CThrowingWnd::InHandler;
        wnd.throwNumber = number;
        ASSERT_TRUE(wnd.Make());
        // Sent: the call returns to the sender.
        EXPECT_NO_THROW(wnd.SendMessage(CThrowingWnd::kThrowMessage));
        EXPECT_EQ(wnd.SendMessage(CThrowingWnd::kPingMessage, 4), 5);
        // Posted: dispatched by a loop, which goes on to the next message.
        wnd.PostMessage(CThrowingWnd::kThrowMessage);
        wnd.PostMessage(CThrowingWnd::kPingMessage);
        EXPECT_NO_THROW(EXPECT_TRUE(PumpAppUntil([&] { return wnd.pings == 2; })));
        EXPECT_EQ(wnd.thrown, 2);
        wnd.DestroyWindow();
    }
}

TEST(Wnd, AnExceptionWhileBeingCreatedEndsTheCreationOrLetsItGoOn) {
    size_t before = CWnd::GetPermanentCount();
    // A window whose creation handler failed is half made: it is not created.
    CThrowingWnd refused;
    refused.where = CThrowingWnd::AtCreate;
    EXPECT_FALSE(refused.Make());
    EXPECT_EQ(refused.thrown, 1);
    EXPECT_EQ(refused.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::GetPermanentCount(), before);

    // The object is bound before its PreSubclassWindow runs: an exception
    // there leaves a working window.
    CThrowingWnd bound;
    bound.where = CThrowingWnd::InSubclass;
    ASSERT_TRUE(bound.Make());
    EXPECT_EQ(bound.thrown, 1);
    EXPECT_EQ(bound.SendMessage(CThrowingWnd::kPingMessage, 1), 2);
    bound.DestroyWindow();
}

TEST(Wnd, TheApplicationLoopGoesOnAfterAnExceptionBeforeDispatch) {
    CThrowingWnd wnd;
    wnd.where = CThrowingWnd::InPreTranslate;
    ASSERT_TRUE(wnd.Make());
    wnd.PostMessage(CThrowingWnd::kThrowMessage);
    wnd.PostMessage(CThrowingWnd::kPingMessage);
    ::PostQuitMessage(3);
    int code = -1;
    EXPECT_NO_THROW(code = TestApp().Run());
    EXPECT_EQ(code, 3);
    EXPECT_EQ(wnd.thrown, 1);
    EXPECT_EQ(wnd.pings, 1);
    wnd.DestroyWindow();
}

class CTestFrame : public CFrameWnd {
public:
    bool* deleted = nullptr;
    ~CTestFrame() override {
        if (deleted) *deleted = true;
    }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        CFrameWnd::PreCreateWindow(cs);
        cs.x = cs.y = -100000;
        cs.cx = cs.cy = 1;
        return TRUE;
    }
};

TEST(FrameWnd, MainWindowClosesDeletesItselfAndEndsTheLoop) {
    bool deleted = false;
    CTestFrame* frame = new CTestFrame;
    frame->deleted = &deleted;
    ASSERT_TRUE(frame->Create(nullptr, L"Zorel Frame Test", WS_POPUP));
    CRect rect;
    frame->GetWindowRect(&rect);
    EXPECT_EQ(rect.left, -100000);
    EXPECT_EQ(rect.Width(), 1);
    TestApp().m_pMainWnd = frame;
    EXPECT_EQ(AfxGetMainWnd(), frame);

    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
