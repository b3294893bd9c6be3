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

// A right click on the window, the button coming up at once (the system's
// handling of the press waits for it); true when a menu showed.
bool RightClickShowsMenu(CWnd* window) {
    CPoint at = Offset(NoticeWindowTest::TopLeft(window), 30, 30);
    ::PostMessageW(window->m_hWnd, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    ::PostMessageW(window->m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpFor(500);
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    return menu && ::IsWindowVisible(menu);
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
    for (int i = 0; i < 3; ++i) {
        slides[i]->DestroyWindow();
        EXPECT_TRUE(deleted[i]);
    }
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
    slide->DestroyWindow();
    EXPECT_TRUE(deleted);
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
    EXPECT_FALSE(RightClickShowsMenu(popup));
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(PumpUntil([&] { return deleted; }, 5000));
    EXPECT_EQ(CountNoticeWindows(), 0);
}

TEST_F(NoticeWindowTest, TheNoticeMenuEndsWithEditSchedule) {
    bool deleted;
    CPopUpDlg* popup = Popup(&deleted, 1, L"Title", 0);
    HMENU menu = BuildNoticeMenu(*popup);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(::GetMenuItemCount(menu), 8);
    const struct {
        int position;
        const wchar_t* text;
        UINT id;
    } items[] = {{1, L"Hide", 32782}, {2, L"Hide Others", 32974}, {4, L"Fix Location", 32842},
                 {7, L"Edit schedule", ID_EDIT_SCHEDULE}};
    for (const auto& item : items) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, (UINT)item.position, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, item.text);
        EXPECT_EQ(::GetMenuItemID(menu, item.position), item.id);
    }
    EXPECT_NE(::GetSubMenu(menu, 0), nullptr);  // the levels
    ::DestroyMenu(menu);
}

TEST_F(NoticeWindowTest, BuiltInSkinsOnScreen) {
    // Style 3 without a title shows only the body and the close button:
    // where the title goes it looks as a notice without any text; other
    // styles use the sliding notice's skin with its information button.
    const struct {
        int style;
        const wchar_t* title;
        size_t meters;
        bool titleDrawn;
    } cases[] = {{3, L"", 3, false}, {3, L"Birthday", 3, true}, {1, L"Birthday", 4, true}};
    for (const auto& c : cases) {
        bool blankGone, deleted;
        CPopUpDlg* blank = new Tracked<CPopUpDlg>(&blankGone);
        blank->SetStyle(c.style);
        ASSERT_TRUE(blank->CreateWithTitle(nullptr, L""));
        blank->ShowPopup(100, 300, 0, L"");
        CPopUpDlg* popup = Popup(&deleted, c.style, c.title, 0);
        ASSERT_EQ(popup->GetMeters().size(), c.meters) << c.style;
        ASSERT_EQ(popup->GetBackBuffer()->GetWidth(), (UINT)kW);
        popup->Repaint();
        blank->Repaint();
        EXPECT_EQ(Differs(popup->GetBackBuffer(), blank->GetBackBuffer(), CRect(20, 11, 70, 25)), c.titleDrawn)
            << c.style << c.title;
        EXPECT_TRUE(Differs(popup->GetBackBuffer(), blank->GetBackBuffer(), CRect(15, 40, 245, 100))) << "body";
        popup->DestroyWindow();
        blank->DestroyWindow();
        EXPECT_TRUE(deleted && blankGone);
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
    CInfoSection* close = popup->GetSkinDefinition().FindSection(L"CLOSE");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetString(L"Command", L""), CString(L"Hide"));
    EXPECT_EQ(popup->GetText().title, L"Hi\n[Evil]\nDrawType=BUTTON\nCommand=SHUTDOWN");
    popup->DestroyWindow();
    EXPECT_TRUE(deleted);
}
