// The About box: the skin lines it writes for each form and language, and
// the box itself as a real layered window built from the program's text and
// button meters: its size, its two forms, no menu on a right click, a drag
// anywhere, Hide fading it out and telling the main window, and Donate.
#include "SkinHostTestSupport.h"

#include "ScreenPicture.h"

#include "widgets/AboutDlg.h"
#include "widgets/MeterButton.h"
#include "widgets/MeterFactory.h"
#include "widgets/MeterString.h"

#include "shell/ActionVocabulary.h"
#include "shell/LanguageTable.h"
#include "shell/MakerLinks.h"
#include "shell/Scrambler.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

CString Value(const SkinDefinition& skin, const wchar_t* section, const wchar_t* key) {
    CInfoSection* s = skin.FindSection(section);
    CString v;
    if (!s || !s->Lookup(key, v)) return L"(none)";
    return v;
}

void UseBuiltinTexts() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
}

TEST(AboutSkin, LinesOfBothFormsAndLanguages) {
    UseBuiltinTexts();
    const struct {
        bool korean;
        const wchar_t *x, *y, *style, *size, *site;
    } cases[] = {
        {false, L"9", L"300", L"BOLD", L"8", L"http://www.example.com/zorel/"},
        {true, L"46", L"302", L"NORMAL", L"9", L"http://www.example.com/ko/zorel/"},
    };
    for (const auto& c : cases) {
        SkinDefinition skin;
        CAboutDlg::WriteAboutSkin(skin, false, c.korean, L"Kim");
        skin.ParseLines();
        ASSERT_EQ(skin.GetSectionCount(), 6);
        const wchar_t* names[] = {L"VERSION", L"REGUSER", L"HAVROND", L"EMAIL", L"CLOSE", L"DONATE"};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(skin.GetSection(i)->GetName(), names[i]);
        EXPECT_EQ(Value(skin, L"VERSION", L"Text"), L"v3.1.1");
        EXPECT_EQ(Value(skin, L"VERSION", L"OffsetX"), L"101");
        EXPECT_EQ(Value(skin, L"REGUSER", L"Text"), L"User: Kim");
        EXPECT_EQ(Value(skin, L"REGUSER", L"StringAlign"), L"RIGHT");
        EXPECT_EQ(Value(skin, L"HAVROND", L"Command"), CString(L"SHELLEXECUTE:") + c.site);
        EXPECT_EQ(Value(skin, L"HAVROND", L"HyperLink"), L"1");
        EXPECT_EQ(Value(skin, L"EMAIL", L"X"), c.x);
        EXPECT_EQ(Value(skin, L"EMAIL", L"Y"), c.y);
        EXPECT_EQ(Value(skin, L"EMAIL", L"LabelStyle"), c.style);
        EXPECT_EQ(Value(skin, L"EMAIL", L"LabelFontSize"), c.size);
        EXPECT_EQ(Value(skin, L"EMAIL", L"Command"), L"SHELLEXECUTE:mailto:zorel@example.com");
        EXPECT_EQ(Value(skin, L"EMAIL", L"ToolTip"), L"zorel@example.com");
        EXPECT_EQ(Value(skin, L"CLOSE", L"ImageID"), L"297");
        EXPECT_EQ(Value(skin, L"CLOSE", L"Command"), L"Hide");
        EXPECT_EQ(Value(skin, L"DONATE", L"ImageID"), L"289");
        EXPECT_EQ(Value(skin, L"DONATE", L"LabelID"), L"23202");
        EXPECT_EQ(Value(skin, L"DONATE", L"Command"), L"Donate");
    }
    SkinDefinition shortForm;
    CAboutDlg::WriteAboutSkin(shortForm, true, false, L"Kim");
    shortForm.ParseLines();
    ASSERT_EQ(shortForm.GetSectionCount(), 1);
    EXPECT_EQ(DumpSections(shortForm), L"CLOSE{Command=Hide;DrawType=BUTTON;H=307;W=307;X=0;Y=0}");
}

TEST(AboutSkin, UserLineHasOneColonAndAnyNameFitsTheLine) {
    const struct {
        const wchar_t *word, *name, *line;
    } cases[] = {
        {L"User", L"Kim", L"User: Kim"},
        {L"User: ", L"Kim", L"User: Kim"},
        {L"User:", L"", L"User: "},
        {L"\xC0AC\xC6A9\xC790", L"\xAE40", L"\xC0AC\xC6A9\xC790: \xAE40"},
    };
    for (const auto& c : cases) EXPECT_EQ(CAboutDlg::UserLine(c.word, c.name), c.line) << c.word;

    CString longName(L'n', 5000);
    SkinDefinition skin;
    CAboutDlg::WriteAboutSkin(skin, false, false, longName);
    skin.ParseLines();
    CString line = Value(skin, L"REGUSER", L"Text");
    EXPECT_EQ(line.Left(8), L"User: nn");
    const int limit = SkinDefinition::kLineBufferSize;
    EXPECT_LT(line.GetLength(), limit);
    EXPECT_EQ(Value(skin, L"HAVROND", L"X"), L"122");  // the lines after it are whole
}

TEST(AboutSkin, AddressesAreStoredScrambled) {
    for (bool korean : {true, false})
        for (MakerLink link : {MAKER_HOMEPAGE, MAKER_DONATION}) {
            CString address = GetMakerAddress(link, korean);
            EXPECT_EQ(address.Left(26), korean ? L"http://www.example.com/ko/" : L"http://www.example.com/zor");
            EXPECT_EQ(address.Find(L"donate") > 0, link == MAKER_DONATION);
        }
    // The program keeps none of them as plain text: each is what the
    // scrambler turns back.
    EXPECT_STREQ(UnscrambleText(ScrambleText("http://www.example.com/zorel/")), "http://www.example.com/zorel/");
}

// ---- The window ----

class AboutApp : public CWinApp {
public:
    AboutApp() : CWinApp(L"ZorelAboutTest") {}
};

// The main window the box reports its end to.
class MainWindowProbe : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    LRESULT OnAboutClosed(WPARAM, LPARAM) {
        ++closed;
        return 0;
    }
    int closed = 0;
};
BEGIN_MESSAGE_MAP(MainWindowProbe, CWnd)
    ON_MESSAGE(WM_ABOUT_CLOSED, OnAboutClosed)
END_MESSAGE_MAP()

// The program's own text and button meters, in place of the test kinds.
struct AboutBoxTest : SkinHostTest {
    AboutApp app;
    MainWindowProbe main;
    std::vector<CAboutDlg*> boxes;

    void SetUp() override {
        SkinHostTest::SetUp();
        for (MeterKind kind : {METER_STRING, METER_BUTTON}) SetMeterMaker(kind, savedMakers[kind]);
        UseBuiltinTexts();
        g_LanguageTable.SetAt(23202, L"Donate");  // a text of the language files
        g_Settings.UserName = L"Kim";
        ASSERT_TRUE(main.CreateEx(0, L"STATIC", L"main", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0));
        app.m_pMainWnd = &main;
    }
    void TearDown() override {
        for (CAboutDlg* box : boxes) {
            if (box->m_hWnd) box->DestroyWindow();
            delete box;
        }
        app.m_pMainWnd = nullptr;
        main.DestroyWindow();
        SkinHostTest::TearDown();
    }
    CAboutDlg* OpenBox(bool ctrl) {
        BYTE saved[256], state[256];
        ::GetKeyboardState(saved);
        memcpy(state, saved, sizeof state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(state);
        CAboutDlg* box = new CAboutDlg(nullptr);
        boxes.push_back(box);
        EXPECT_TRUE(box->Create(IDD_ABOUT, nullptr));
        ::SetKeyboardState(saved);
        if (box->m_hWnd) box->ShowWindow(SW_SHOW);
        PumpWaiting();
        return box;
    }
    static CPoint ScreenPoint(CWnd* w, int x, int y) {
        CRect r;
        ::GetWindowRect(w->m_hWnd, &r);
        return CPoint(r.left + x, r.top + y);
    }
    static void Click(CWnd* w, CPoint screen) {
        ::SendMessageW(w->m_hWnd, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(screen.x, screen.y));
        ::SendMessageW(w->m_hWnd, WM_NCLBUTTONUP, HTCLIENT, MAKELPARAM(screen.x, screen.y));
    }
};

TEST_F(AboutBoxTest, NormalFormShowsVersionUserAndLinks) {
    CAboutDlg* box = OpenBox(false);
    ASSERT_TRUE(box->m_hWnd);
    EXPECT_FALSE(box->IsShortForm());
    CRect r;
    ::GetWindowRect(box->m_hWnd, &r);
    EXPECT_EQ(r.Width(), 264);
    EXPECT_EQ(r.Height(), 338);
    EXPECT_TRUE(::GetWindowLongW(box->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    const std::vector<CMeter*>& meters = box->GetMeters();
    ASSERT_EQ(meters.size(), 6u);
    const MeterKind kinds[] = {METER_STRING, METER_STRING, METER_BUTTON, METER_BUTTON, METER_BUTTON, METER_BUTTON};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(meters[i]->GetKind(), kinds[i]) << i;
    EXPECT_EQ(static_cast<CMeterString*>(meters[0])->GetDrawnText(), L"v3.1.1");
    EXPECT_EQ(static_cast<CMeterString*>(meters[1])->GetDrawnText(), L"User: Kim");
    CMeterButton* email = static_cast<CMeterButton*>(meters[3]);
    EXPECT_EQ(email->GetX(), 9);
    EXPECT_EQ(email->GetLabel()->GetStyle(), 1);
    EXPECT_EQ(email->GetToolTipText(), L"zorel@example.com");
    CMeterButton* donate = static_cast<CMeterButton*>(meters[5]);
    EXPECT_EQ(donate->GetLabel()->GetText(), L"Donate");
    EXPECT_TRUE(donate->HasImage());
    EXPECT_TRUE(static_cast<CMeterButton*>(meters[4])->HasImage());

    // The version is drawn in its colour, inside its line.
    bool versionInk = false;
    for (int y = 215; y < 235 && !versionInk; ++y)
        for (int x = 180; x < 264 && !versionInk; ++x) versionInk = Pixel(box, x, y) == 0xFF3174C4;
    EXPECT_TRUE(versionInk);
    SaveScreenPicture(CString(L"about_") + UseScreenshotLanguage(), {box->m_hWnd});
}

TEST_F(AboutBoxTest, CtrlFormIsOnePictureThatHides) {
    CAboutDlg* box = OpenBox(true);
    ASSERT_TRUE(box->m_hWnd);
    EXPECT_TRUE(box->IsShortForm());
    CRect r;
    ::GetWindowRect(box->m_hWnd, &r);
    EXPECT_EQ(r.Width(), 307);
    EXPECT_EQ(r.Height(), 307);
    ASSERT_EQ(box->GetMeters().size(), 1u);
    CMeterButton* close = static_cast<CMeterButton*>(box->GetMeters()[0]);
    EXPECT_EQ(close->GetCommand(), L"Hide");
    EXPECT_EQ(close->GetW(), 307);
    SaveScreenPicture(CString(L"about_short_") + UseScreenshotLanguage(), {box->m_hWnd});

    Click(box, ScreenPoint(box, 150, 200));
    ASSERT_TRUE(PumpUntil([&] { return main.closed == 1; }, 10000));
}

TEST_F(AboutBoxTest, NoMenuOnRightClickAndDraggedAnywhere) {
    CAboutDlg* box = OpenBox(false);
    ASSERT_TRUE(box->m_hWnd);
    for (CPoint p : {CPoint(5, 5), CPoint(234, 51), CPoint(60, 130)})
        EXPECT_EQ(::SendMessageW(box->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(ScreenPoint(box, p.x, p.y).x,
                                                                             ScreenPoint(box, p.x, p.y).y)),
                  HTCAPTION);
    CPoint at = ScreenPoint(box, 100, 100);
    ::PostMessageW(box->m_hWnd, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    // The system's handling of the press waits for the button to come up.
    ::PostMessageW(box->m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
    PumpFor(300);
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    EXPECT_TRUE(!menu || !::IsWindowVisible(menu));
}

TEST_F(AboutBoxTest, CloseFadesOutAndDonateAsksForTheDonationPage) {
    CAboutDlg* box = OpenBox(false);
    ASSERT_TRUE(box->m_hWnd);
    Click(box, ScreenPoint(box, 21 + 54, 110 + 20));
    ASSERT_TRUE(PumpUntil([&] { return !owner.actions.empty(); }));
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"Donate"}));
    const ActionKeyword* action = FindActionKeyword(L"Donate");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->effect, ACTION_POST_COMMAND);
    EXPECT_EQ(action->param, ID_DONATION);

    // The mail link goes out as an action string, which the program runs
    // through its shell.
    Click(box, ScreenPoint(box, 30, 306));
    ASSERT_TRUE(PumpUntil([&] { return owner.actions.size() == 2; }));
    EXPECT_EQ(owner.actions[1], L"SHELLEXECUTE:mailto:zorel@example.com");
    EXPECT_EQ(main.closed, 0);

    Click(box, ScreenPoint(box, 221 + 13, 38 + 13));
    ASSERT_TRUE(PumpUntil([&] { return main.closed == 1; }, 10000));
    EXPECT_EQ(main.closed, 1);
}

}  // namespace
