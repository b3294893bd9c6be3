// Skinned windows at work: clicks, keys, the command queue, the command
// words through the frame and system seams, and weather replies.
#include "SkinHostTestSupport.h"

#include "widgets/WidgetIds.h"
#include "ui/UiIds.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

const char kButtonSkin[] =
    "[WINDOW]\nWindowWidth=60\nWindowHeight=40\n"
    "[Go]\nDrawType=BUTTON\nX=10\nY=10\nW=20\nH=20\nCommand=RUN_THIS\nToolTip=Open site\nHyperLink=1\n";

// Holds keys down in this thread's keyboard state for as long as it lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        memcpy(state, m_saved, sizeof state);
        for (int k : keys) state[k] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

CPoint ScreenPoint(CGDIDialog* w, int x, int y) {
    CPoint p(x, y);
    ::ClientToScreen(w->m_hWnd, &p);
    return p;
}

void Press(CGDIDialog* w, CPoint screen) {
    ::SendMessageW(w->m_hWnd, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(screen.x, screen.y));
}
void Release(CGDIDialog* w, CPoint screen) {
    ::SendMessageW(w->m_hWnd, WM_NCLBUTTONUP, HTCLIENT, MAKELPARAM(screen.x, screen.y));
}

}  // namespace

TEST_F(SkinHostTest, ClickRunsTheButtonCommandOnceAndADragRunsNone) {
    TestSkinWindow* w = Open(Skin(L"button.ini", kButtonSkin));
    CPoint on = ScreenPoint(w, 20, 20);

    Press(w, on);
    Release(w, on);
    ASSERT_TRUE(PumpUntil([&] { return !owner.actions.empty(); }));
    PumpWaiting();
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"RUN_THIS"}));

    // Dragged by the button: the move disarms the click.
    Press(w, on);
    ::SetWindowPos(w->m_hWnd, nullptr, 260, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Release(w, ScreenPoint(w, 20, 20));
    PumpFor(100);
    EXPECT_EQ(owner.actions.size(), 1u);
    EXPECT_EQ(w->GetQueuedCount(), 0);

    // Released off the button: nothing either.
    Press(w, ScreenPoint(w, 20, 20));
    Release(w, ScreenPoint(w, 50, 35));
    PumpFor(100);
    EXPECT_EQ(owner.actions.size(), 1u);
}

TEST_F(SkinHostTest, ClickFinishedByTheMoveAfterACaptionDragAndDoubleClicks) {
    TestSkinWindow* w = Open(Skin(L"button.ini", std::string(kButtonSkin) + "[WINDOW]\nLBtnDoubleClick=TWICE\n"));
    CPoint on = ScreenPoint(w, 20, 20);
    // The system's caption drag keeps the button-up; the next move over the
    // caption finishes the click, once.
    Press(w, on);
    MSG move = {w->m_hWnd, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(on.x, on.y), 0, {on.x, on.y}};
    w->PreTranslateMessage(&move);
    w->PreTranslateMessage(&move);
    ASSERT_TRUE(PumpUntil([&] { return !owner.actions.empty(); }));
    PumpWaiting();
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"RUN_THIS"}));

    ::SendMessageW(w->m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(on.x, on.y));
    ASSERT_TRUE(PumpUntil([&] { return owner.actions.size() == 2; }));
    EXPECT_EQ(owner.actions[1], CString(L"TWICE"));
}

// A real click with the mouse, which the system's caption drag takes in:
// the command runs at once, not only when the mouse moves again.
TEST_F(SkinHostTest, RealClickRunsTheCommandWithoutAFurtherMove) {
    TestSkinWindow* w = Open(Skin(L"button.ini", kButtonSkin));
    w->ShowWindow(SW_SHOW);
    PumpFor(50);
    CPoint on = ScreenPoint(w, 20, 20);
    ::SetCursorPos(on.x, on.y);
    PumpFor(100);
    ASSERT_EQ(::WindowFromPoint(on), w->m_hWnd);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !owner.actions.empty(); }, 3000));
    PumpWaiting();
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"RUN_THIS"}));
}

TEST_F(SkinHostTest, MouseOverHidingLetsButtonsAnswerOnlyWithCtrl) {
    TestSkinWindow* w = Open(Skin(L"button.ini", kButtonSkin));
    CPoint on = ScreenPoint(w, 20, 20);
    auto hit = [&] { return ::SendMessageW(w->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(on.x, on.y)); };
    EXPECT_EQ(hit(), HTCAPTION);
    w->m_bMouseOverHiding = 1;
    EXPECT_EQ(hit(), HTCLIENT);  // clicks pass to the window, no button answers
    HeldKeys ctrl{VK_CONTROL};
    EXPECT_EQ(hit(), HTCAPTION);
}

TEST_F(SkinHostTest, EscapeHidesAndShiftEscapeHidesTheOthers) {
    TestSkinWindow* w = Open(Skin(L"button.ini", kButtonSkin));
    MSG esc = {w->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    w->PreTranslateMessage(&esc);
    {
        HeldKeys shift{VK_SHIFT};
        w->PreTranslateMessage(&esc);
    }
    ASSERT_TRUE(PumpUntil([&] { return w->ran.size() >= 2; }));
    EXPECT_EQ(w->ran, (std::vector<CString>{L"HIDE", L"HIDE_OTHERS"}));
    EXPECT_EQ(owner.hidOthersOf, (std::vector<CZDialog*>{w}));
}

TEST_F(SkinHostTest, LinkButtonShowsTheHandAndItsToolTip) {
    TestSkinWindow* w = Open(Skin(L"button.ini", kButtonSkin));
    CPoint on = ScreenPoint(w, 20, 20);
    ASSERT_TRUE(::SetCursorPos(on.x, on.y));
    ASSERT_TRUE(PumpUntil([&] {
        POINT p;
        return ::GetCursorPos(&p) && p.x == on.x && p.y == on.y;
    }));
    LRESULT handled = ::SendMessageW(w->m_hWnd, WM_SETCURSOR, (WPARAM)w->m_hWnd, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_CURSOR_HAND)));
    EXPECT_EQ(w->GetToolTipText(), CString(L"Open site"));

    // Off the button the tip goes and its text is forgotten.
    CPoint off = ScreenPoint(w, 50, 35);
    ::SetCursorPos(off.x, off.y);
    ASSERT_TRUE(PumpUntil([&] {
        POINT p;
        return ::GetCursorPos(&p) && p.x == off.x;
    }));
    ::SendMessageW(w->m_hWnd, WM_SETCURSOR, (WPARAM)w->m_hWnd, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_EQ(w->GetToolTipText(), CString());
}

TEST_F(SkinHostTest, QueueRunsOnePerMessageInOrder) {
    TestSkinWindow* w = Open(Skin(L"plain.ini", "[WINDOW]\nWindowWidth=100\n"));
    int refs = w->GetRefCount();
    w->PostCommand(L"A");
    w->PostCommand(L"B");
    w->PostCommand(L"C");
    EXPECT_EQ(w->GetRefCount(), refs + 3);
    ::SendMessageW(w->m_hWnd, WM_RUN_QUEUE, 0, 0);
    EXPECT_EQ(w->ran, (std::vector<CString>{L"A"}));
    EXPECT_EQ(w->GetQueuedCount(), 2);
    ASSERT_TRUE(PumpUntil([&] { return w->GetQueuedCount() == 0; }));
    PumpWaiting();
    EXPECT_EQ(w->ran, (std::vector<CString>{L"A", L"B", L"C"}));
    EXPECT_EQ(w->GetRefCount(), refs);
    // An empty queue runs nothing and releases nothing.
    ::SendMessageW(w->m_hWnd, WM_RUN_QUEUE, 0, 0);
    EXPECT_EQ(w->GetRefCount(), refs);
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"A", L"B", L"C"}));
}

TEST_F(SkinHostTest, CommandThatClosesItsOwnWindowRunsSafely) {
    TestSkinWindow* w = Open(Skin(L"plain.ini", "[WINDOW]\nWindowWidth=100\n"));
    windows.clear();  // this test gives its reference back itself
    bool deleted = false;
    w->deleted = &deleted;
    w->PostCommand(L"CLOSE_SELF");
    w->Release();  // the window's creator lets go first
    EXPECT_FALSE(deleted);
    ASSERT_TRUE(PumpUntil([&] { return deleted; }));
}

TEST_F(SkinHostTest, CommandWordsReachTheirSeams) {
    CString blue = Skin(L"Skins\\Blue.xml", "<ZorelWidget><Window><Size W=\"33\" H=\"22\"/></Window></ZorelWidget>");
    TestSkinWindow* w = Open(Skin(L"Skins\\start.ini", "[WINDOW]\nWindowWidth=20\nWindowHeight=20\n"));

    EXPECT_EQ(w->ExecuteCommand(L"changeskin:Blue.xml"), 1);
    EXPECT_EQ(w->GetSkinFile(), blue);
    EXPECT_EQ((int)w->GetBackBuffer()->GetWidth(), 33);
    EXPECT_EQ(w->m_bChanged, 1);
    EXPECT_EQ(owner.saves, 1);

    w->ExecuteCommand(L"SHUTDOWN:abc");
    w->ExecuteCommand(L"SAFE_SHUTDOWN:60");
    w->ExecuteCommand(L"SAFE_SHUTDOWN");
    EXPECT_FALSE(w->IsCloseAfterFade());
    EXPECT_EQ(w->GetLastPresentedAlpha(), 255);
    w->ExecuteCommand(L"SAFE_SHUTDOWN_AND_CLOSE:30");
    ASSERT_EQ(system.shutdowns.size(), 4u);
    EXPECT_EQ(system.shutdowns[0].seconds, 0u);
    EXPECT_TRUE(system.shutdowns[0].force);
    EXPECT_EQ(system.shutdowns[1].seconds, 60u);
    EXPECT_FALSE(system.shutdowns[1].force);
    EXPECT_EQ(system.shutdowns[2].seconds, 0u);
    EXPECT_EQ(system.shutdowns[3].seconds, 30u);
    EXPECT_FALSE(system.shutdowns[3].force);
    EXPECT_FALSE(system.shutdowns[3].restart);
    // Notes are saved by the first three only; the closing word fades out,
    // marks the window and makes the frame forget it.
    EXPECT_EQ(owner.autoSaves, (std::vector<int>{TRUE, TRUE, TRUE}));
    EXPECT_TRUE(w->IsCloseAfterFade());
    EXPECT_EQ(owner.forgotten, (std::vector<CZDialog*>{w}));
    EXPECT_LT(w->GetLastPresentedAlpha(), 255);  // fading out

    w->ExecuteCommand(L"CANCEL_SHUTDOWN_AND_CLOSE");
    EXPECT_EQ(system.aborts, 1);

    w->ExecuteCommand(L"TOOLTIP_WIDGET:");
    ASSERT_EQ(owner.toolTips.size(), 1u);
    EXPECT_EQ(owner.toolTips[0].name, CString(L"SYSTEM"));
    w->ExecuteCommand(L"TOOLTIP_WIDGET:ZORELMENU");  // the bar is closed: nothing
    owner.quickMenuOpen = true;
    owner.quickMenu = CRect(100, 50, 400, 90);
    w->ExecuteCommand(L"TOOLTIP_WIDGET:ZORELMENU");
    ASSERT_EQ(owner.toolTips.size(), 2u);
    EXPECT_EQ(CPoint(owner.toolTips[1].x, owner.toolTips[1].y), CPoint(358, 64));
    EXPECT_EQ(owner.toolTips[1].name, CString(L"DEFAULT"));
    w->ExecuteCommand(L"TOOLTIP_WIDGET:Pop.xml");
    EXPECT_EQ(owner.toolTips[2].name, folder + L"Skins\\Pop.xml");

    w->ExecuteCommand(L"REG_USER");
    EXPECT_EQ(owner.userInfo, 1);

    w->ExecuteCommand(L"POSITION_TOPMOST");
    EXPECT_EQ(w->m_nZPosition, 1);
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SkinHostTest, UnknownWordGoesToTheFrameAndLeavesTheWindowAlone) {
    CString skin = Skin(L"plain.ini", "[WINDOW]\nWindowWidth=20\nWindowHeight=20\n");
    TestSkinWindow* w = Open(skin);
    CRect before;
    ::GetWindowRect(w->m_hWnd, &before);
    EXPECT_EQ(w->ExecuteCommand(L"Open Something:Odd"), 7);
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"Open Something:Odd"}));
    CRect after;
    ::GetWindowRect(w->m_hWnd, &after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(w->GetSkinFile(), skin);
    EXPECT_EQ(w->m_nZPosition, 0);
    EXPECT_EQ(w->GetConstantAlpha(), 255);
    EXPECT_EQ(w->m_bChanged, 0);
    EXPECT_TRUE(system.shutdowns.empty());
}

TEST_F(SkinHostTest, WeatherLinksAndReplies) {
    TestSkinWindow* w = Open(Skin(L"weather.ini",
                                  "[WINDOW]\nWindowWidth=100\n"
                                  "[Web]\nDrawType=WEATHER\nID=3\nDetailLink=http://example.com/today\n"
                                  "[Local]\nDrawType=WEATHER\nID=4\nDetailLink=C:\\Windows\\notepad.exe\n"));
    w->ExecuteCommand(L"WEATHER_DETAILID:3");
    w->ExecuteCommand(L"WEATHER_DETAILID:4");
    w->ExecuteCommand(L"WEATHER_DETAILID:");
    w->ExecuteCommand(L"WEATHER_DETAILID:9");
    EXPECT_EQ(system.shellOpened, (std::vector<CString>{L"http://example.com/today"}));

    // A reply for a meter of the window reaches it; one whose meter is gone
    // (the skin was loaded again) is dropped and freed.
    auto post = [&](CMeter* meter, const char* text) {
        WeatherDataRecord* record = new WeatherDataRecord;
        record->length = (int)strlen(text);
        record->buffer = new char[record->length];
        memcpy(record->buffer, text, (size_t)record->length);
        record->meter = meter;
        ::PostMessageW(w->m_hWnd, WM_WEATHER_DATA, (WPARAM)record, 0);
    };
    post(w->GetMeters()[0], "sunny");
    post(reinterpret_cast<CMeter*>(&owner), "stale");
    ::PostMessageW(w->m_hWnd, WM_WEATHER_DATA, 0, 0);
    PumpFor(100);
    ASSERT_EQ(g_MeterLog.feeds.size(), 1u);
    EXPECT_EQ(g_MeterLog.feeds[0], (std::pair<int, std::string>(3, "sunny")));
}
