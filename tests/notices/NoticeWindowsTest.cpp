// The sliding and pop-up notices as real layered windows: where they slide
// and stop, the pointer holding them, a new text bringing one back, fading
// out and freeing themselves, their built-in skins on screen, the menu of a
// right click and the editors their schedule button opens.
#include "NoticeTestSupport.h"

#include "widgets/Meter.h"
#include "widgets/NoticeIds.h"

#include <gdiplus.h>

namespace {

const int kW = 260, kH = 110;  // the built-in notice picture

// Made and shown as the frame does, with the test's durations.
CSlideUpDlg* Slide(bool* deleted, int& counter, UINT stayMs = 60000, UINT slideMs = 100, int step = 10) {
    CSlideUpDlg* slide = new Tracked<CSlideUpDlg>(deleted);
    EXPECT_TRUE(slide->CreateWithTitle(nullptr, L"Dentist"));
    slide->SetItemId(5);
    slide->ShowSlide(L"at three", slideMs, stayMs, slideMs, step, 6, counter);
    return slide;
}

CPopUpDlg* Popup(bool* deleted, int style, const CString& title, int autoCloseMs) {
    CPopUpDlg* popup = new Tracked<CPopUpDlg>(deleted);
    popup->SetStyle(style);
    EXPECT_TRUE(popup->CreateWithTitle(nullptr, title));
    popup->SetScheduleId(0x10000001);
    popup->ShowPopup(100, 80, autoCloseMs, L"Mother's birthday");
    return popup;
}

// What a right click shows: the item texts of the menu that opened, read
// and closed from a timer while the menu runs its own loop.
std::vector<CString> g_menuTexts;
bool g_menuSeen = false;
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (HWND menu = ::FindWindowW(L"#32768", nullptr)) {
        g_menuSeen = true;
        HMENU handle = (HMENU)::SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0);
        for (int i = 0; handle && i < ::GetMenuItemCount(handle); ++i) {
            wchar_t text[64] = {};
            ::GetMenuStringW(handle, (UINT)i, text, 64, MF_BYPOSITION);
            g_menuTexts.push_back(text);
        }
    }
    ::EndMenu();
}
void RightClick(CWnd* window) {
    g_menuTexts.clear();
    g_menuSeen = false;
    ::SetTimer(nullptr, 0, 300, ReadMenu);
    CPoint at = Offset(NoticeWindowTest::TopLeft(window), 30, 30);
    window->SendMessage(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    PumpFor(400);
}

}  // namespace

TEST_F(NoticeWindowTest, SlideNoticesStackUpFromTheBottomRightAndStopInFullView) {
    int counter = 0;
    bool deleted[3];
    CSlideUpDlg* slides[3];
    for (int i = 0; i < 3; ++i) {
        slides[i] = Slide(&deleted[i], counter);
        // Each starts just outside the right edge, above the one before.
        EXPECT_EQ(TopLeft(slides[i]), CPoint(kWork.right, kWork.bottom - i * kH - kH));
        EXPECT_EQ(slides[i]->GetMotion().State(), CSlideMotion::STATE_IN);
    }
    EXPECT_EQ(counter, 3 * kH);
    ASSERT_TRUE(PumpUntil([&] {
        for (CSlideUpDlg* s : slides)
            if (s->GetMotion().State() != CSlideMotion::STATE_STAY) return false;
        return true;
    }));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TopLeft(slides[i]), CPoint(kWork.right - kW, kWork.bottom - i * kH - kH));
    EXPECT_TRUE(::IsWindowVisible(slides[0]->m_hWnd));
    // The window's text names the notice for those who read the desktop.
    CString text;
    slides[0]->GetWindowText(text);
    EXPECT_EQ(text, L"Dentist\nat three");
}

TEST_F(NoticeWindowTest, PointingHoldsASlidingNoticeAndLeavingSlidesItOutAtOnce) {
    int counter = 0;
    bool deleted;
    CSlideUpDlg* slide = Slide(&deleted, counter, 60000, 2000, 2);  // a slow slide in
    PumpFor(100);
    ASSERT_EQ(slide->GetMotion().State(), CSlideMotion::STATE_IN);
    slide->SendMessage(WM_MOUSEHOVER);
    EXPECT_TRUE(slide->GetMotion().Hovering());
    EXPECT_EQ(TopLeft(slide), CPoint(kWork.right - kW, kWork.bottom - kH));
    PumpFor(200);  // slide ticks no longer move it
    EXPECT_EQ(TopLeft(slide), CPoint(kWork.right - kW, kWork.bottom - kH));
    slide->SendMessage(WM_MOUSELEAVE);  // the cursor is far away
    EXPECT_FALSE(slide->GetMotion().Hovering());
    EXPECT_EQ(slide->GetMotion().State(), CSlideMotion::STATE_OUT);
    // It slides out without a further stay, then frees itself.
    EXPECT_TRUE(PumpUntil([&] { return deleted; }, 10000));
    EXPECT_EQ((int)GetRegisteredDialogs().size(), registeredBefore);
}

TEST_F(NoticeWindowTest, ANewTextForANoticeSlidingOutBringsItBackToStay) {
    int counter = 0;
    bool deleted;
    CSlideUpDlg* slide = Slide(&deleted, counter, 50, 400, 1);
    ASSERT_TRUE(PumpUntil([&] { return slide->GetMotion().State() == CSlideMotion::STATE_OUT; }, 5000));
    PumpFor(100);
    ASSERT_NE(TopLeft(slide).x, kWork.right - kW);  // on its way out
    int again = 0;
    slide->ShowSlide(L"moved to four", 400, 60000, 400, 1, 6, again);
    EXPECT_EQ(slide->GetMotion().State(), CSlideMotion::STATE_STAY);
    EXPECT_EQ(TopLeft(slide), CPoint(kWork.right - kW, kWork.bottom - kH));
    EXPECT_EQ(again, 0);  // no new place was taken
    EXPECT_EQ(slide->GetText().body, L"moved to four");
    PumpFor(300);
    EXPECT_EQ(slide->GetMotion().State(), CSlideMotion::STATE_STAY);
}

TEST_F(NoticeWindowTest, HideFadesANoticeOutAndFreesIt) {
    const struct {
        bool slide;
    } cases[] = {{true}, {false}};
    for (const auto& c : cases) {
        bool deleted = false;
        int counter = 0;
        CGDIDialog* window = c.slide ? (CGDIDialog*)Slide(&deleted, counter) : Popup(&deleted, 1, L"Title", 0);
        PumpFor(300);
        EXPECT_EQ(CountNoticeWindows(), 1);
        window->PostCommand(L"Hide");
        EXPECT_TRUE(PumpUntil([&] { return deleted; }, 5000)) << c.slide;
        EXPECT_EQ(CountNoticeWindows(), 0);
        EXPECT_EQ((int)GetRegisteredDialogs().size(), registeredBefore);
    }
}

TEST_F(NoticeWindowTest, APopUpWithAnAutoCloseTimeFadesOutAfterItAndHasNoMenu) {
    bool deleted;
    CPopUpDlg* popup = Popup(&deleted, 2, L"Title", 700);
    EXPECT_EQ(TopLeft(popup), CPoint(100, 80));
    RightClick(popup);
    EXPECT_FALSE(g_menuSeen);
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(PumpUntil([&] { return deleted; }, 5000));
    EXPECT_EQ(CountNoticeWindows(), 0);
}

TEST_F(NoticeWindowTest, APopUpThatStaysOffersTheNoticeMenuWithEditSchedule) {
    bool deleted;
    CPopUpDlg* popup = Popup(&deleted, 1, L"Title", 0);
    RightClick(popup);
    ASSERT_TRUE(g_menuSeen);
    ASSERT_EQ(g_menuTexts.size(), 8u);
    EXPECT_EQ(g_menuTexts[1], L"Hide");
    EXPECT_EQ(g_menuTexts[7], L"Edit schedule");
    EXPECT_FALSE(deleted);
}

TEST_F(NoticeWindowTest, BuiltInSkinsOnScreen) {
    // Style 3 without a title: only the body and the close button differ
    // from the note-coloured picture; other styles use the sliding
    // notice's skin with its information button.
    const struct {
        int style;
        const wchar_t* title;
        size_t meters;
        bool titleDrawn;
    } cases[] = {{3, L"", 3, false}, {3, L"Birthday", 3, true}, {1, L"Birthday", 4, true}};
    for (const auto& c : cases) {
        bool deleted;
        CPopUpDlg* popup = Popup(&deleted, c.style, c.title, 0);
        ASSERT_EQ(popup->GetMeters().size(), c.meters) << c.style;
        ASSERT_EQ(popup->GetBackBuffer()->GetWidth(), (UINT)kW);
        popup->Repaint();
        Gdiplus::Bitmap* shown = popup->GetBackBuffer();
        Gdiplus::Bitmap* background = popup->GetBackground();
        EXPECT_EQ(Differs(shown, background, CRect(20, 11, 180, 31)), c.titleDrawn) << c.style << c.title;
        EXPECT_TRUE(Differs(shown, background, CRect(15, 40, 245, 100))) << "body";
        popup->DestroyWindow();
        EXPECT_TRUE(deleted);
    }
}

TEST_F(NoticeWindowTest, ScheduleInfoOpensTheEditorOfTheNoticesItem) {
    const struct {
        bool slide;
        bool fromMenu;
        int id;
        char editor;
    } cases[] = {
        {true, false, 5, 'A'},
        {true, true, 0x10000000, 'N'},
        {false, false, 0x10000001, 'N'},
        {false, true, 0x0FFFFFFF, 'A'},
    };
    for (const auto& c : cases) {
        edited.clear();
        bool deleted;
        int counter = 0;
        CGDIDialog* window;
        if (c.slide) {
            CSlideUpDlg* slide = Slide(&deleted, counter);
            slide->SetItemId(c.id);
            window = slide;
        } else {
            CPopUpDlg* popup = Popup(&deleted, 3, L"Title", 0);
            popup->SetScheduleId(c.id);
            window = popup;
        }
        if (c.fromMenu)
            window->SendMessage(WM_COMMAND, ID_EDIT_SCHEDULE);
        else if (c.slide)
            window->PostCommand(L"SCHEDULE_INFO");
        else
            window->ExecuteCommand(L"schedule_info");
        EXPECT_TRUE(edited.empty());  // opened once the click is over
        EXPECT_TRUE(PumpUntil([&] { return !edited.empty(); }, 2000));
        ASSERT_EQ(edited.size(), 1u);
        EXPECT_EQ(edited[0], std::make_pair(c.editor, c.id));
        window->DestroyWindow();
    }
}

TEST_F(NoticeWindowTest, HostileTextsStayTexts) {
    bool deleted;
    CPopUpDlg* popup = new Tracked<CPopUpDlg>(&deleted);
    popup->SetStyle(3);
    ASSERT_TRUE(popup->CreateWithTitle(nullptr, L"Hi\n[Evil]\nDrawType=BUTTON\nCommand=SHUTDOWN"));
    popup->ShowPopup(50, 50, 0, L"x\r\n[Close]\r\nCommand=SHUTDOWN");
    EXPECT_EQ(popup->GetSkinDefinition().GetSectionCount(), 3);
    EXPECT_EQ(popup->GetMeters().size(), 3u);
    EXPECT_EQ(popup->GetSkinDefinition().FindSection(L"CLOSE")->GetString(L"Command", L""), L"Hide");
}
