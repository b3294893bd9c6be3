// The installer's own controls: the painted progress bar, the link and the
// missing-GDI+ dialog that holds one.
#include "MessagePump.h"
#include "setup/GdidllMsgDlg.h"
#include "setup/HyperLink.h"
#include "setup/ProgressCtrlEx.h"
#include "setup/SetupIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Bitmap {
    Bitmap(int w, int h) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, w, h);
        old = SelectObject(dc, bitmap);
        ReleaseDC(nullptr, screen);
    }
    ~Bitmap() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

}  // namespace

TEST(SetupControlsTest, ProgressBarFillsAndLabelsItsShare) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 60), nullptr, 0));
    CProgressCtrlEx bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 40), &parent, 1005));
    bar.SetRange(0, 100);
    const RECT rect = {0, 0, 300, 30};
    Bitmap picture(300, 30);

    bar.SetPos(0);
    bar.Draw(picture.dc, rect);
    EXPECT_EQ(CString(), bar.GetDrawnText());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(picture.dc, 2, 2));

    bar.SetPos(50);
    bar.Draw(picture.dc, rect);
    EXPECT_EQ(CString(L"50.00% complete."), bar.GetDrawnText());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), GetPixel(picture.dc, 2, 2));    // done part
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), GetPixel(picture.dc, 148, 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(picture.dc, 152, 2));   // the rest
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(picture.dc, 297, 27));

    // A new range is a new run: no text until progress shows again.
    bar.SetRange(0, 100);
    bar.SetPos(0);
    bar.Draw(picture.dc, rect);
    EXPECT_EQ(CString(), bar.GetDrawnText());

    // The window paints the same way.
    bar.SetPos(25);
    bar.RedrawWindow();
    EXPECT_EQ(CString(L"25.00% complete."), bar.GetDrawnText());
    parent.DestroyWindow();
}

TEST(SetupControlsTest, GdiplusDialogLinkOpensMinimisedAndTurnsVisited) {
    std::vector<CString> opened;
    std::vector<int> shows;
    CHyperLink::SetOpener([&](const CString& url, int show) {
        opened.push_back(url);
        shows.push_back(show);
    });
    CGdidllMsgDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SETUP_GDIDLL));
    CHyperLink& link = dlg.m_link;
    ASSERT_TRUE(link.GetSafeHwnd());

    const CString address = link.GetUrl();
    EXPECT_EQ(0, address.Find(L"http://www.zorel.example.com/downloads/details.aspx?"));
    EXPECT_GT(address.Find(L"?displaylang=en&familyid=6A63AB9C-DF12-4D41-933C-BE590FEAA05A"), 0);
    EXPECT_TRUE(GetWindowLongW(link.GetSafeHwnd(), GWL_STYLE) & SS_NOTIFY);
    LOGFONTW lf = {};
    GetObjectW((HFONT)link.SendMessage(WM_GETFONT), sizeof lf, &lf);
    EXPECT_TRUE(lf.lfUnderline);

    EXPECT_EQ(CHyperLink::kNormalColor, link.GetTextColor());
    // The cursor over the link is the system's hand.
    link.SendMessage(WM_SETCURSOR, (WPARAM)link.GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());

    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(link.IsHovering());
    EXPECT_EQ(CHyperLink::kHoverColor, link.GetTextColor());
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2000, 2));
    EXPECT_FALSE(link.IsHovering());

    // A click reaches the link as its parent's notification.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETUP_GDIDLL_LINK, STN_CLICKED), (LPARAM)link.GetSafeHwnd());
    ASSERT_EQ(std::vector<CString>{address}, opened);
    EXPECT_EQ(std::vector<int>{SW_SHOWMINIMIZED}, shows);
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(CHyperLink::kVisitedColor, link.GetTextColor());

    // The colour the static is drawn with follows the state.
    HDC dc = GetDC(link.GetSafeHwnd());
    dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)link.GetSafeHwnd());
    EXPECT_EQ(CHyperLink::kVisitedColor, GetTextColor(dc));
    ReleaseDC(link.GetSafeHwnd(), dc);

    dlg.DestroyWindow();
    CHyperLink::SetOpener(nullptr);
}

TEST(SetupControlsTest, LinkThatNotifiesItsParentOpensNothing) {
    std::vector<CString> opened;
    CHyperLink::SetOpener([&](const CString& url, int) { opened.push_back(url); });
    CGdidllMsgDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SETUP_GDIDLL));
    dlg.m_link.SetNotifyParent(true);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETUP_GDIDLL_LINK, STN_CLICKED), (LPARAM)dlg.m_link.GetSafeHwnd());
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(dlg.m_link.IsVisited());
    dlg.DestroyWindow();
    CHyperLink::SetOpener(nullptr);
}
