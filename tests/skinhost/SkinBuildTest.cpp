// Building skinned windows from skins, composing frames and presenting them.
#include "SkinHostTestSupport.h"

#include "widgets/Measure.h"
#include "widgets/WidgetIds.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

CSize SizeOf(CGDIDialog* w) {
    Gdiplus::Bitmap* b = w->GetBackBuffer();
    return b ? CSize((int)b->GetWidth(), (int)b->GetHeight()) : CSize(0, 0);
}

CSize WindowSize(CGDIDialog* w) {
    CRect r;
    ::GetWindowRect(w->m_hWnd, &r);
    return r.Size();
}

// The built-in picture shown without a skin.
const CSize kNoSkinSize(160, 80);
const CSize kAlertSize(260, 110);

}  // namespace

TEST_F(SkinHostTest, WindowSectionsGiveTheBackground) {
    TestSkinWindow* w = Open(Skin(L"start.ini", "[WINDOW]\nWindowWidth=20\nWindowHeight=10\n"));
    ASSERT_TRUE(w->m_hWnd);
    struct Case {
        const char* name;
        std::string text;
        CSize size;
        bool keepsFile;  // false: the default skin replaced it
    } cases[] = {
        {"blank with a size", "[WINDOW]\nWindowWidth=50\nWindowHeight=30\n", CSize(50, 30), true},
        {"blank without a size", "[BACKGROUND]\nLBtnDoubleClick=HIDE\n", CSize(100, 100), true},
        {"alert one", "[WINDOW]\nBackground=SYS_ALERT_1\n", kAlertSize, true},
        {"alert two", "[WINDOW]\nBackground=SYS_ALERT_2\n", kAlertSize, true},
        {"lower case is a file name", "[WINDOW]\nBackground=sys_alert_1\n", kNoSkinSize, false},
        {"no window section", "[Meter]\nDrawType=STRING\n", kNoSkinSize, false},
        {"zero size", "[WINDOW]\nWindowWidth=0\nWindowHeight=30\n", kNoSkinSize, false},
        {"absurd size", "[WINDOW]\nWindowWidth=-5\nWindowHeight=99999999\n", kNoSkinSize, false},
        {"later window section wins", "[BACKGROUND]\nWindowWidth=10\n[WINDOW]\nWindowWidth=40\nWindowHeight=20\n",
         CSize(40, 20), true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CString file;
        file.Format(L"case%d.ini", n++);
        CString path = Skin(file, c.text);
        w->LoadSkin(path);
        EXPECT_EQ(SizeOf(w), c.size);
        EXPECT_EQ(WindowSize(w), c.size);
        EXPECT_EQ(w->GetSkinFile(), c.keepsFile ? path : CString());
    }
    // A blank background is fully transparent: only meters make it visible.
    w->LoadSkin(Skin(L"blank.ini", "[WINDOW]\nWindowWidth=8\nWindowHeight=8\n"));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(Pixel(w, x, y), 0u) << x << "," << y;
    EXPECT_EQ(w->GetDoubleClickCommand(), CString());
}

TEST_F(SkinHostTest, SkinsBuiltInMemoryKeepTheSkinFile) {
    CString file = Skin(L"file.ini", "[WINDOW]\nWindowWidth=20\nWindowHeight=20\n");
    TestSkinWindow* w = Open(file);
    TiXmlDocument doc;
    doc.Parse("<ZorelWidget><Window><Size W=\"70\" H=\"15\"/></Window></ZorelWidget>");
    w->LoadSkinFromText(doc.FirstChildElement("ZorelWidget"));
    EXPECT_EQ(SizeOf(w), CSize(70, 15));
    EXPECT_EQ(w->GetSkinFile(), file);
    w->LoadSkinFromText(nullptr);
    EXPECT_EQ(SizeOf(w), kNoSkinSize);
}

TEST_F(SkinHostTest, MixedCaseWindowIsNoWindowSection) {
    TestSkinWindow* w = Open(CString());
    ASSERT_TRUE(w->m_hWnd);
    EXPECT_EQ(SizeOf(w), kNoSkinSize);  // no skin file: the built-in picture

    // The readers spell section names in upper case; a section that reaches
    // the host named "Window" is not the window section.
    w->ClearSkin();
    ASSERT_TRUE(w->GetSkinDefinition().LoadFile(Skin(L"mixed.ini", "[WINDOW]\nWindowWidth=30\n")));
    w->GetSkinDefinition().GetSection(0)->SetName(L"Window");
    EXPECT_FALSE(w->BuildSkin(-1));
    EXPECT_EQ(w->GetBackBuffer(), nullptr);
}

TEST_F(SkinHostTest, SystemSectionCyclesAndSkippedSections) {
    TestSkinWindow* w = Open(CString());
    struct {
        const char* cycle;
        int ms;
    } cycles[] = {{"0.005", 10}, {"0.0001", 0}, {"1.5", 1500}, {"0", 0}};
    for (const auto& c : cycles) {
        w->LoadSkin(Skin(L"cycle.ini", std::string("[WINDOW]\nWindowWidth=100\n[SYSTEM]\nAboutSkin=about.png\nUpdateCycle=") + c.cycle + "\n"));
        EXPECT_EQ(w->GetUpdateCycle(), c.ms) << c.cycle;
        EXPECT_EQ(w->GetAboutSkin(), CString(L"about.png"));
    }

    w->LoadSkin(Skin(L"kinds.ini",
                     "[WINDOW]\nWindowWidth=100\n"
                     "[Clock]\nMeasureType=Time\n"
                     "[Bogus]\nMeasureType=NoSuchMeasure\nDrawType=STRING\n"
                     "[Strange]\nDrawType=NoSuchMeter\n"
                     "[lower]\nDrawType=string\n"
                     "[Bound]\nDrawType=STRING\nMeasureSection=cLoCk\n"
                     "[Loose]\nDrawType=STRING\nMeasureSection=Nothing\n"));
    ASSERT_EQ(w->GetMeasures().size(), 1u);
    EXPECT_EQ(w->GetMeasures()[0]->GetName(), CString(L"CLOCK"));
    EXPECT_EQ(w->GetMeasures()[0]->GetOwner(), static_cast<ISkinHost*>(w));
    // The unknown measure type and meter words are skipped, "string" too.
    ASSERT_EQ(w->GetMeters().size(), 2u);
    EXPECT_EQ(w->GetMeters()[0]->GetMeasure(), w->GetMeasures()[0]);
    EXPECT_EQ(w->GetMeters()[1]->GetMeasure(), nullptr);
}

TEST_F(SkinHostTest, RelativeImagesResolveBesideTheSkinWithoutChangingTheCurrentFolder) {
    ASSERT_TRUE(WritePng(folder + L"Look\\back.png", 12, 9, 0xFF336699));
    CString skin = Skin(L"Look\\look.ini", "[WINDOW]\nBackground=back.png\n");
    wchar_t before[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, before);

    TestSkinWindow* w = Open(skin);
    EXPECT_EQ(w->GetSkinFile(), skin);
    EXPECT_EQ(SizeOf(w), CSize(12, 9));
    EXPECT_EQ(Pixel(w, 5, 5), 0xFF336699u);

    wchar_t after[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(before, after);
}

TEST_F(SkinHostTest, FramesUpdateMeasuresFirstAndCopyTheBackground) {
    TestSkinWindow* w = Open(Skin(L"frame.ini",
                                  "[WINDOW]\nWindowWidth=40\nWindowHeight=30\n"
                                  "[Time1]\nMeasureType=Time\n[Time2]\nMeasureType=Time\n"
                                  "[A]\nDrawType=STRING\nX=2\nY=2\nW=10\nH=10\nSolidColor=255,0,0,255\n"
                                  "[B]\nDrawType=STRING\nX=20\nY=2\nW=10\nH=10\nSolidColor=0,0,255,255\n"));
    ASSERT_TRUE(w->GetBackBuffer());
    g_MeterLog.Clear();
    environment.nowCalls = 0;
    w->Redraw();
    w->Redraw();
    // Both measures were read once per frame, before either meter drew.
    EXPECT_EQ(g_MeterLog.nowCallsAtDraw, (std::vector<int>{2, 2, 4, 4}));
    EXPECT_EQ(Pixel(w, 5, 5), 0xFFFF0000u);
    EXPECT_EQ(Pixel(w, 25, 5), 0xFF0000FFu);

    // The transparent background is copied, not blended: a hidden meter
    // leaves nothing behind in the next frame.
    w->GetMeters()[0]->SetHidden(true);
    int presents = w->GetPresentCount();
    w->Redraw();
    EXPECT_EQ(Pixel(w, 5, 5), 0u);
    EXPECT_EQ(Pixel(w, 25, 5), 0xFF0000FFu);
    EXPECT_EQ(w->GetPresentCount(), presents + 1);
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SkinHostTest, OpacityReachesThePresentationAtOnce) {
    TestSkinWindow* w = Open(Skin(L"alpha.ini", "[WINDOW]\nWindowWidth=20\nWindowHeight=20\n"));
    struct {
        UINT command;
        int alpha;
    } cases[] = {{32844, 26}, {32848, 128}, {32853, 255}};
    for (const auto& c : cases) {
        int presents = w->GetPresentCount();
        ::SendMessageW(w->m_hWnd, WM_COMMAND, c.command, 0);
        EXPECT_EQ(w->GetConstantAlpha(), c.alpha);
        EXPECT_EQ(w->GetLastPresentedAlpha(), c.alpha);
        EXPECT_GT(w->GetPresentCount(), presents);
    }
    EXPECT_EQ(w->m_bChanged, 0);
    EXPECT_EQ(owner.saves, 0);
    // At 255 the window stays layered: its own pixels carry the alpha.
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);

    w->SetAlpha(90);
    EXPECT_EQ(w->GetLastPresentedAlpha(), 90);
    // A fade step goes the same way.
    w->FadeOut();
    ASSERT_TRUE(PumpUntil([&] { return w->GetLastPresentedAlpha() < 90; }, 3000));
}
