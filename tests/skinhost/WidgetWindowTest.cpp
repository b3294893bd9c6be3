// Desktop widget windows: their list entry, the commands their skins send,
// and the edit box meter kept over its rectangle.
#include "SkinHostTestSupport.h"

#include "widgets/MeterEditBox.h"
#include "widgets/WidgetDialog.h"

namespace {

struct FakeWidgetHost : IWidgetHost {
    std::vector<CString> opened, closed;
    std::vector<CWidgetDialog*> removed;
    bool open = false;
    bool IsWidgetOpen(const CString&) override { return open; }
    CWidgetDialog* OpenWidget(const CString& skinFile) override {
        opened.push_back(skinFile);
        return nullptr;
    }
    void CloseWidgetBySkin(const CString& skinFile) override { closed.push_back(skinFile); }
    void RemoveWidget(CWidgetDialog* widget) override { removed.push_back(widget); }
};

struct WidgetWindowTest : SkinHostTest {
    FakeWidgetHost host;
    std::vector<CWidgetDialog*> widgets;

    CWidgetDialog* OpenListed(const WidgetListEntry& entry) {
        CWidgetDialog* w = new CWidgetDialog(host, &entry);
        widgets.push_back(w);
        EXPECT_TRUE(w->Create(IDD_SKIN_WINDOW, nullptr));
        return w;
    }
    void TearDown() override {
        for (CWidgetDialog* w : widgets) {
            if (w->m_hWnd) w->DestroyWindow();
            w->Release();
        }
        widgets.clear();
        SkinHostTest::TearDown();
    }
};

WidgetListEntry Entry(const wchar_t* path, int x, int y) {
    WidgetListEntry e;
    e.path = path;
    e.x = x;
    e.y = y;
    e.transparence = 180;
    e.mouseOverHiding = 1;
    e.allowMove = 0;
    return e;
}

TEST_F(WidgetWindowTest, ListedWidgetTakesItsEntryAndGivesItBack) {
    Skin(L"skin\\widgets\\box\\box.ini", "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n");
    CWidgetDialog* w = OpenListed(Entry(L"box\\box.ini", 260, 170));
    ASSERT_TRUE(w->IsSkinLoaded());
    CRect rect;
    w->GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(260, 170));
    WidgetListEntry back = w->GetListEntry();
    EXPECT_EQ(back.path, L"box\\box.ini");
    EXPECT_EQ(back.transparence, 180);
    EXPECT_EQ(back.mouseOverHiding, 1);
    EXPECT_EQ(back.allowMove, 0);
    EXPECT_EQ(CPoint(back.x, back.y), CPoint(260, 170));
    EXPECT_FALSE(w->IsChanged());

    // A skin file that is gone opens nothing.
    EXPECT_FALSE(OpenListed(Entry(L"gone\\gone.ini", 0, 0))->IsSkinLoaded());
}

TEST_F(WidgetWindowTest, CommandsOfTheSkin) {
    Skin(L"skin\\widgets\\box\\box.ini", "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n");
    CWidgetDialog* w = OpenListed(Entry(L"box\\box.ini", 260, 170));
    w->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_EQ(w->ExecuteCommand(L"SetCountDownTargetDay:CountDownSection"), 1);
    EXPECT_EQ(w->GetCountdownSection(), L"COUNTDOWNSECTION");

    // Hide on mouse over toggles and asks for a save.
    w->ClearChanged();
    w->SendMessage(WM_COMMAND, ID_WIDGET_MOUSE_OVER_HIDING);
    EXPECT_EQ(w->GetListEntry().mouseOverHiding, 0);
    EXPECT_TRUE(w->IsChanged());

    // CLOSE fades the widget out; the end of the fade hands it to the frame.
    EXPECT_EQ(w->ExecuteCommand(L"close"), 1);
    PumpUntil([&] { return !host.removed.empty(); }, 5000);
    EXPECT_TRUE(w->IsClosedByUser());
    ASSERT_EQ(host.removed.size(), 1u);
    EXPECT_EQ(host.removed[0], w);
}

TEST_F(WidgetWindowTest, EditBoxSitsOverItsRectangleAndGoesWithTheWidget) {
    for (int hidden : {0, 1}) {
        SCOPED_TRACE(hidden);
        CString name;
        name.Format(L"skin\\widgets\\edit\\edit%d.ini", hidden);
        std::string text = "[WINDOW]\nWindowWidth=200\nWindowHeight=100\n[Edit]\nDrawType=EDITBOX\nX=10\nY=20\nW=100\nH=20\n";
        if (hidden) text += "Hidden=1\n";
        Skin(name, text);
        CWidgetDialog* w = OpenListed(Entry(name.Mid(13), 300, 200));
        CMeterEditBox* edit = nullptr;
        for (CMeter* meter : w->GetMeters())
            if (meter->GetKind() == METER_EDITBOX) edit = static_cast<CMeterEditBox*>(meter);
        ASSERT_TRUE(edit && edit->GetEditWindow());
        w->ShowWindow(SW_SHOWNOACTIVATE);
        CRect rect;
        ::GetWindowRect(edit->GetEditWindow(), &rect);
        EXPECT_EQ(rect, CRect(310, 220, 410, 240));
        EXPECT_TRUE(::IsWindowVisible(edit->GetEditWindow()));
        EXPECT_EQ(::GetWindow(edit->GetEditWindow(), GW_OWNER), w->m_hWnd);

        ::SetWindowPos(w->m_hWnd, nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetWindowRect(edit->GetEditWindow(), &rect);
        EXPECT_EQ(rect.TopLeft(), CPoint(110, 70));
        w->ShowWindow(SW_HIDE);
        EXPECT_FALSE(::IsWindowVisible(edit->GetEditWindow()));
    }
}

}  // namespace
