// Desktop widget windows: their list entry, the commands their skins send,
// and the edit box meter kept over its rectangle.
#include "SkinHostTestSupport.h"

#include "widgets/MeasureCountDown.h"
#include "widgets/MeterEditBox.h"
#include "widgets/WidgetDialog.h"

#include "shell/Settings.h"
#include "ui/UiIds.h"

#include "TestFiles.h"

#include <algorithm>

namespace {

struct FakeWidgetHost : IWidgetHost {
    std::vector<CString> opened, closed;
    std::vector<CWidgetDialog*> removed;
    std::vector<CString> openSkins;
    bool IsWidgetOpen(const CString& skinFile) override {
        return std::find(openSkins.begin(), openSkins.end(), skinFile) != openSkins.end();
    }
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

// A widget the user opens takes the widget settings and the note column's
// next free place from the frame; its entry names the skin from the widgets
// folder on.
TEST_F(WidgetWindowTest, NewWidgetTakesTheSettingsAndItsPlaceInTheNoteColumn) {
    struct PlacingOwner : RecordingSkinOwner {
        int placed = 0;
        void PlaceInMemoColumn(CZDialog* window) override {
            ++placed;
            window->m_ptPosition = CPoint(77, 88);
            ::SetWindowPos(window->m_hWnd, nullptr, 77, 88, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } placing;
    SetZDialogOwner(&placing);
    auto saved = g_Settings.Widget;
    g_Settings.Widget.TransVal = 200;
    g_Settings.Widget.ZPosition = 1;
    g_Settings.Widget.MouseOverHiding = 1;
    CString path = Skin(L"skin\\widgets\\box\\box.ini", "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n");
    CWidgetDialog* w = new CWidgetDialog(host, nullptr);
    widgets.push_back(w);
    w->SetSkinFile(path);
    EXPECT_TRUE(w->Create(IDD_SKIN_WINDOW, nullptr));
    g_Settings.Widget = saved;
    SetZDialogOwner(&owner);

    ASSERT_TRUE(w->IsSkinLoaded());
    EXPECT_EQ(placing.placed, 1);
    WidgetListEntry entry = w->GetListEntry();
    EXPECT_EQ(entry.path, L"box\\box.ini");
    EXPECT_EQ(entry.transparence, 200);
    EXPECT_EQ(entry.zPosition, 1);
    EXPECT_EQ(entry.mouseOverHiding, 1);
    EXPECT_EQ(CPoint(entry.x, entry.y), CPoint(77, 88));
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(w->IsChanged());
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

// The shutdown countdown closes itself with its "_AND_CLOSE" words: the end
// of the fade hands it to the frame as a close by the user does.
TEST_F(WidgetWindowTest, ClosingShutdownWordEndsInTheFrameRemovingTheWindow) {
    Skin(L"skin\\widgets\\box\\box.ini", "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n");
    CWidgetDialog* w = OpenListed(Entry(L"box\\box.ini", 260, 170));
    w->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_EQ(w->ExecuteCommand(L"CANCEL_SHUTDOWN_AND_CLOSE"), 1);
    PumpUntil([&] { return !host.removed.empty(); }, 5000);
    ASSERT_EQ(host.removed.size(), 1u);
    EXPECT_EQ(host.removed[0], w);
}

// The countdown set-up asks with the skin's values and writes the answer
// into the skin file, which the window then shows; a cancelled dialog leaves
// the file as it was.
TEST_F(WidgetWindowTest, CountdownSetUpWritesTheAnswerIntoTheSkin) {
    const std::string skin =
        "<ZorelWidget>\r\n  <Window>\r\n    <Size W=\"150\" H=\"40\" />\r\n  </Window>\r\n"
        "  <Measure Type=\"CountDown\" Section=\"EXAM\">\r\n"
        "    <Target Year=\"2027\" Month=\"1\" Day=\"2\" Hour=\"3\" Minute=\"4\" Second=\"5\" />\r\n"
        "    <Label Value=\"Old\" />\r\n  </Measure>\r\n</ZorelWidget>";
    CString path = Skin(L"skin\\widgets\\count\\count.xml", skin);
    CWidgetDialog* w = OpenListed(Entry(L"count\\count.xml", 260, 170));
    ASSERT_TRUE(w->IsSkinLoaded());
    auto label = [&] {
        CMeasure* m = w->FindMeasureByKind(MEASURE_COUNTDOWN);
        return m ? static_cast<CMeasureCountDown*>(m)->GetLabel() : CString(L"(none)");
    };
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        CountdownSetting asked;
        int asks = 0;
        CWidgetDialog::SetCountdownAsker([&](CWnd*, CountdownSetting& s) {
            asked = s;
            ++asks;
            s.year = 2030;
            s.label = L"New";
            return ok;
        });
        EXPECT_EQ(w->ExecuteCommand(L"SetCountDownTargetDay:exam"), 1);
        PumpUntil([&] { return asks > 0; }, 3000);
        ASSERT_EQ(asks, 1);
        EXPECT_EQ(asked.year, 2027);
        EXPECT_EQ(asked.day, 2);
        EXPECT_EQ(asked.second, 5);
        EXPECT_EQ(asked.label, L"Old");
        std::string now = ReadFileBytes(path);
        if (!ok) {
            EXPECT_EQ(now, skin);
            EXPECT_EQ(label(), L"Old");
            continue;
        }
        EXPECT_NE(now.find("\t<Target Year = \"2030\" Month = \"1\" Day = \"2\" Hour = \"3\" Minute = \"4\"  Second = \"5\"/>"),
                  std::string::npos) << now;
        size_t block = skin.find("  <Measure"), end = skin.find("  </Measure>");
        EXPECT_EQ(now.substr(0, block), skin.substr(0, block));
        EXPECT_EQ(now.substr(now.size() - (skin.size() - end)), skin.substr(end));
        EXPECT_EQ(label(), L"New");
    }
    // A section the skin does not have asks nothing.
    int asks = 0;
    CWidgetDialog::SetCountdownAsker([&](CWnd*, CountdownSetting&) { return ++asks, true; });
    w->ExecuteCommand(L"SETCOUNTDOWNTARGETDAY:OTHER");
    PumpFor(200);
    EXPECT_EQ(asks, 0);
    CWidgetDialog::SetCountdownAsker(nullptr);
}

// The weather set-up starts from the location and unit the skin holds and
// writes the answer into the line of the chosen weather widget.
TEST_F(WidgetWindowTest, WeatherSetUpStartsFromTheSkinAndWritesTheAnswer) {
    // The skin's own lines carry the weather widget's markers as comments.
    const std::string skin =
        "[WINDOW]\r\nWindowWidth=40\r\nWindowHeight=30\r\n"
        "; <Widget Type=\"Weather\" ID=\"3\">\r\n; <Weather WOEID=\"111\" Unit=\"F\"/>\r\n"
        "[Web]\r\nDrawType=WEATHER\r\nID=3\r\n";
    CString path = Skin(L"skin\\widgets\\sky\\sky.ini", skin);
    CWidgetDialog* w = OpenListed(Entry(L"sky\\sky.ini", 260, 170));
    ASSERT_TRUE(w->IsSkinLoaded());
    CString askedId;
    bool askedF = true;
    int asks = 0;
    CWidgetDialog::SetWeatherAsker([&](CWnd*, CString& woeid, bool& fahrenheit) {
        ++asks;
        askedId = woeid;
        askedF = fahrenheit;
        woeid = L"2345";
        fahrenheit = true;
        return true;
    });
    // No weather meter 9: nothing is asked.
    w->ExecuteCommand(L"WEATHER_SETUPID:9");
    w->ExecuteCommand(L"Weather_SetupID:3");
    PumpUntil([&] { return asks > 0; }, 3000);
    PumpFor(100);
    CWidgetDialog::SetWeatherAsker(nullptr);
    ASSERT_EQ(asks, 1);
    EXPECT_EQ(askedId, L"111");
    EXPECT_FALSE(askedF);  // "F" is no Fahrenheit
    std::string expected = skin;
    expected.replace(expected.find("; <Weather"), 33, "\t<Weather WOEID = \"2345\" Unit = \"f\"/>");
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_TRUE(w->FindMeter(METER_WEATHER, 3));
}

// The menu's item at a position, its text and state.
CString ItemText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}
UINT ItemState(HMENU menu, UINT id) { return ::GetMenuState(menu, id, MF_BYCOMMAND); }

TEST_F(WidgetWindowTest, MenuListsEveryWidgetSkinAndChoosingOneOpensOrClosesIt) {
    Skin(L"skin\\widgets\\box\\box.ini", "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n");
    CString one = Skin(L"skin\\widgets\\a\\one.xml", "<ZorelWidget/>");
    CString two = Skin(L"skin\\widgets\\b\\two.xml", "<ZorelWidget/>");
    Skin(L"skin\\widgets\\WidgetList.xml", "<WidgetList>\r\n</WidgetList>");
    host.openSkins = {two};
    CWidgetDialog* w = OpenListed(Entry(L"box\\box.ini", 260, 170));
    ASSERT_TRUE(w->IsSkinLoaded());

    for (bool editable : {true, false}) {
        SCOPED_TRACE(editable);
        w->SetEditable(editable);
        HMENU menu = w->BuildContextMenu();
        ASSERT_NE(menu, nullptr);
        // The skin has no About part: its item is gone and the ones below
        // move up by one.
        EXPECT_EQ(ItemState(menu, ID_SKIN_INFO), (UINT)-1);
        EXPECT_EQ(ItemText(menu, 11), L"Close");
        EXPECT_EQ(::GetMenuItemID(menu, 11), ID_WIDGET_CLOSE);
        EXPECT_EQ(ItemText(menu, 13), L"Widgets");
        // Mouse-over hiding is on in the entry.
        EXPECT_TRUE(ItemState(menu, ID_WIDGET_MOUSE_OVER_HIDING) & MF_CHECKED);
        for (UINT id : {ID_WINDOW_HIDE, ID_SKIN_EDIT, ID_SKIN_MAKE_COPY})
            EXPECT_EQ((ItemState(menu, id) & MF_GRAYED) != 0, !editable) << id;

        HMENU widgets = ::GetSubMenu(menu, 13);
        ASSERT_EQ(::GetMenuItemCount(widgets), 2);
        ASSERT_EQ(w->GetSkinList().GetCount(), 2);
        for (int i = 0; i < 2; ++i) {
            const CString& path = w->GetSkinList()[i];
            EXPECT_EQ(ItemText(widgets, (UINT)i), path == one ? L"one" : L"two");
            EXPECT_EQ((ItemState(widgets, ID_SKIN_CHOICE_FIRST + i) & MF_CHECKED) != 0, path == two);
        }
        ::DestroyMenu(menu);
    }

    // The open skin's item closes it, the other opens one.
    for (int i = 0; i < 2; ++i) w->SendMessage(WM_COMMAND, ID_SKIN_CHOICE_FIRST + i);
    EXPECT_EQ(host.opened, std::vector<CString>{one});
    EXPECT_EQ(host.closed, std::vector<CString>{two});
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
