// The launcher meters over injected hot-key slots, keys and folders: which
// command each runs, which picture, label and tooltip it shows, the Z-order
// button's frames and the icon list that shows nothing.
#include "MeterTestSupport.h"

#include "widgets/MeterImage.h"
#include "widgets/MeterRauncher.h"
#include "widgets/MeterShortCut.h"
#include "widgets/MeterString.h"
#include "widgets/MeterWebUrl.h"
#include "widgets/MeterZOrder.h"
#include "widgets/SkinDefinition.h"

#include "shell/Action.h"
#include "shell/ActionSystem.h"
#include "shell/HotKeyInfo.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

GdiplusSession g_Gdiplus;

struct BuiltinTexts {
    BuiltinTexts() {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    }
} g_Texts;

// Knows the system's folders; records nothing else, since meters run nothing.
class FolderSystem : public IActionSystem {
public:
    void StartSystemShutdown(DWORD, bool, bool) override {}
    void AbortShutdown() override {}
    void LogOff(bool) override {}
    void ShellOpen(const CString&) override { ADD_FAILURE() << "a launcher meter started something"; }
    void RunWinExec(const CStringA&) override { ADD_FAILURE() << "a launcher meter started something"; }
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD) override {}
    bool FileExists(const CString&) override { return false; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return L"C:\\windows\\system32"; }
    CString GetWindowsFolder() override { return L"C:\\windows"; }
};

// Opens the picture, label and tooltip the launcher kinds keep to themselves.
template <typename Kind>
struct Probe : Kind {
    explicit Probe(ISkinHost* host) : Kind(host) {}
    Gdiplus::Image* Picture() { return Kind::Picture().Get(); }
    CString Label() { return Kind::GetLabel() ? Kind::GetLabel()->GetText() : CString(L"(none)"); }
};

template <typename Kind>
std::unique_ptr<Probe<Kind>> Make(ISkinHost* host, Keys keys) {
    std::unique_ptr<Probe<Kind>> meter(new Probe<Kind>(host));
    CInfoSection section(L"M");
    for (const auto& kv : keys) section.SetValue(kv.first, kv.second);
    meter->ReadConfig(section);
    meter->Initialize();
    return meter;
}

void Clear(FakeHost& host) {
    Gdiplus::Graphics g(host.buffer.get());
    g.Clear(Gdiplus::Color(0, 0, 0, 0));
}

bool SamePixels(Gdiplus::Image* a, Gdiplus::Image* b) {
    if (!a || !b || a->GetWidth() != b->GetWidth() || a->GetHeight() != b->GetHeight()) return false;
    auto* x = static_cast<Gdiplus::Bitmap*>(a);
    auto* y = static_cast<Gdiplus::Bitmap*>(b);
    for (UINT i = 0; i < a->GetWidth(); ++i)
        for (UINT j = 0; j < a->GetHeight(); ++j) {
            Gdiplus::Color p, q;
            x->GetPixel(i, j, &p);
            y->GetPixel(i, j, &q);
            if (p.GetValue() != q.GetValue()) return false;
        }
    return true;
}

struct Launchers : ::testing::Test {
    FolderSystem system;
    FakeHost host{80, 80};
    CMeterImage reference{&host};

    void SetUp() override {
        SetActionSystem(&system);
        AppConfigStore().Reset();
        AppConfigStore().Create(L"C:\\nowhere\\ZorelConfig.xml");
        for (HotKeyInfo& entry : g_Settings.HotKeyTable) entry = HotKeyInfo();
        g_Settings.General.EnableHotKey = 1;
    }
    void TearDown() override {
        SetActionSystem(nullptr);
        AppConfigStore().Reset();
    }
    void SetSlot(const wchar_t* key, const wchar_t* value) { AppConfigStore().WriteConfigString(L"HotKey", key, value); }
    // The built-in picture, as the meters load it.
    std::unique_ptr<Gdiplus::Image> Builtin(int id) {
        return std::unique_ptr<Gdiplus::Image>(reference.LoadPngResource(id, L"PNG", true));
    }
};

TEST_F(Launchers, SlotsAndPathsGiveCommandPictureAndLabel) {
    SetSlot(L"HotKey03", L"NEW_MEMO");                       // program slot 3
    SetSlot(L"HotKeyEx02", L"%WINDOWS%notepad.exe");         // program slot 6
    SetSlot(L"HotKey06", L"http://www.example.com/start");   // web slot 2
    SetSlot(L"HotKeyEx10", L"ftp://example.com/files");      // web slot 9
    const struct {
        const wchar_t* kind;
        Keys keys;
        const wchar_t* command;
        int builtinPicture;  // 0: the file's own shell icon
        CString label;
    } cases[] = {
        {L"SHORTCUT", {{L"HotkeyIndex", L"2"}}, L"HOTKEY_SETUP:1", 299, L"(none)"},
        {L"SHORTCUT", {{L"HotkeyIndex", L"3"}, {L"Label", L""}}, L"NEW_MEMO", GetActionIcon(L"NEW_MEMO"),
         GetActionText(L"NEW_MEMO")},
        {L"SHORTCUT", {{L"HotkeyIndex", L"6"}, {L"Label", L""}}, L"SHELLEXECUTE:C:\\windows\\notepad.exe", 0,
         L"notepad"},
        {L"SHORTCUT", {{L"FilePath", L"%WINDOWS%notepad.exe"}, {L"Label", L"x"}},
         L"SHELLEXECUTE:C:\\windows\\notepad.exe", 0, L"notepad"},
        {L"SHORTCUT", {{L"FilePath", L"%SYSTEM%missing.exe"}}, L"SHELLEXECUTE:C:\\windows\\system32\\missing.exe", 301,
         L"(none)"},
        // Only a leading folder word is expanded.
        {L"SHORTCUT", {{L"FilePath", L"C:\\x\\%WINDOWS%y.exe"}}, L"SHELLEXECUTE:C:\\x\\%WINDOWS%y.exe", 301, L"(none)"},
        {L"SHORTCUT", {{L"Command", L"CLOCK"}}, L"CLOCK", -1, L"(none)"},
        {L"WEBURL", {{L"HotkeyIndex", L"2"}, {L"Label", L""}}, L"SHELLEXECUTE:http://www.example.com/start", 310,
         L"Example"},
        {L"WEBURL", {{L"HotkeyIndex", L"9"}}, L"HOTKEY_SETUP:108", 311, L"(none)"},
        {L"WEBURL", {{L"WebUrl", L"www.example.com"}}, L"HOTKEY_SETUP:98", 311, L"(none)"},
        {L"WEBURL", {{L"WebUrl", L"http://"}}, L"HOTKEY_SETUP:98", 311, L"(none)"},
        {L"WEBURL", {{L"WebUrl", L"HTTPS://example.com"}}, L"SHELLEXECUTE:HTTPS://example.com", 310, L"(none)"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << (LPCWSTR)CString(k.kind) << " " << (LPCWSTR)CString(k.command));
        Gdiplus::Image* picture = nullptr;
        CString label, command;
        if (CString(k.kind) == L"SHORTCUT") {
            auto m = Make<CMeterShortCut>(&host, k.keys);
            picture = m->Picture();
            label = m->Label();
            command = m->GetCommand();
            EXPECT_EQ(m->GetKind(), METER_SHORTCUT);
            if (k.builtinPicture > 0) {
                EXPECT_TRUE(SamePixels(picture, Builtin(k.builtinPicture).get()));
            } else if (k.builtinPicture == 0) {
                ASSERT_NE(picture, nullptr);
                EXPECT_EQ(picture->GetWidth(), 32u);  // the large shell icon
                EXPECT_FALSE(SamePixels(picture, Builtin(301).get()));
            } else {
                EXPECT_EQ(picture, nullptr);
            }
        } else {
            auto m = Make<CMeterWebUrl>(&host, k.keys);
            EXPECT_EQ(m->GetKind(), METER_WEBURL);
            EXPECT_TRUE(SamePixels(m->Picture(), Builtin(k.builtinPicture).get()));
            label = m->Label();
            command = m->GetCommand();
        }
        EXPECT_EQ(command, CString(k.command));
        EXPECT_EQ(label, k.label);
    }
}

TEST_F(Launchers, SizeAndSkinPictureDecideTheIcon) {
    SetSlot(L"HotKey01", L"%WINDOWS%notepad.exe");
    auto small = Make<CMeterShortCut>(&host, {{L"HotkeyIndex", L"1"}, {L"W", L"16"}, {L"H", L"16"}});
    ASSERT_NE(small->Picture(), nullptr);
    EXPECT_EQ(small->Picture()->GetWidth(), 16u);
    EXPECT_EQ(small->GetW(), 16);
    // A picture the skin names stays, on an empty slot too.
    auto own = Make<CMeterShortCut>(&host, {{L"HotkeyIndex", L"4"}, {L"ImageID", L"320"}, {L"SingleFrame", L"1"}});
    EXPECT_TRUE(SamePixels(own->Picture(), Builtin(320).get()));
    EXPECT_EQ(own->GetCommand(), CString(L"HOTKEY_SETUP:3"));
}

TEST_F(Launchers, KeyToolTipJoinsNameAndKey) {
    SetSlot(L"HotKey02", L"\"C:\\Tools\\ my tool.exe\"");
    SetSlot(L"HotKey03", L"NEW_MEMO");
    SetSlot(L"HotKey07", L"http://example.com/a");
    HotKeyInfo& program = g_Settings.HotKeyTable[4];  // program slot 2
    program.ctrl = 1;
    program.key = 'T';
    program.SetName(L"T");
    HotKeyInfo& web = g_Settings.HotKeyTable[9];  // web slot 3
    web.alt = 1;
    web.key = 'W';
    web.SetName(L"W");
    CString programKey = FormatHotKeyText(program), webKey = FormatHotKeyText(web);
    ASSERT_FALSE(programKey.IsEmpty());
    const struct {
        const wchar_t* kind;
        const wchar_t* index;
        const wchar_t* keyToolTip;
        CString tip;
    } cases[] = {
        {L"SHORTCUT", L"2", L"1", L"my tool.exe - " + programKey},
        {L"SHORTCUT", L"2", L"0", L""},
        {L"SHORTCUT", L"3", L"1", GetActionText(L"NEW_MEMO")},  // no key set
        {L"SHORTCUT", L"1", L"1", L""},                         // empty slot
        {L"WEBURL", L"3", L"1", L"http://example.com/a - " + webKey},
        {L"WEBURL", L"2", L"1", L""},
    };
    for (const auto& k : cases) {
        Keys keys = {{L"HotkeyIndex", k.index}, {L"KeyToolTip", k.keyToolTip}};
        CString tip = CString(k.kind) == L"SHORTCUT" ? Make<CMeterShortCut>(&host, keys)->GetToolTipText()
                                                     : Make<CMeterWebUrl>(&host, keys)->GetToolTipText();
        EXPECT_EQ(tip, k.tip) << (LPCWSTR)CString(k.kind) << " " << (LPCWSTR)CString(k.index);
    }
    // A key on an empty program slot is the whole tooltip.
    g_Settings.HotKeyTable[3] = program;
    EXPECT_EQ(Make<CMeterShortCut>(&host, {{L"HotkeyIndex", L"1"}, {L"KeyToolTip", L"1"}})->GetToolTipText(),
              programKey);
}

// A host whose window stands at a Z position.
struct LevelHost : FakeHost {
    LevelHost() : FakeHost(40, 20) {}
    int GetZPosition() const override { return level; }
    int level = 0;
};

TEST_F(Launchers, ZOrderStepsAlongTheLevelsAndShowsTheirFrames) {
    CScratchFolder folder(L"quickmenu");
    // Pairs (normal, pressed) for normal, on top, desktop and bottom.
    CString strip = folder.Write(L"z.bmp", StripBmp({kCell[0], kCell[1], kCell[2], kCell[3], kCell[4], kCell[5],
                                                     kCell[6], kCell[7]},
                                                    10, 10));
    LevelHost levels;
    auto meter = MakeMeter(L"ZORDER", &levels, {{L"ImageName", strip}, {L"X", L"5"}, {L"Y", L"5"}, {L"W", L"10"},
                                                 {L"H", L"10"}, {L"Hidden", L"1"}});
    ASSERT_NE(meter, nullptr);
    auto* button = dynamic_cast<CMeterZOrder*>(meter.get());
    ASSERT_NE(button, nullptr);
    const struct {
        int level;
        int enableDesktop;
        const wchar_t* command;
    } cases[] = {
        {0, 0, L"POSITION_TOPMOST"}, {1, 0, L"POSITION_NORMAL"}, {1, 1, L"POSITION_DESKTOP"},
        {2, 1, L"POSITION_NORMAL"},  {3, 0, L"POSITION_NORMAL"},
    };
    for (const auto& k : cases) {
        levels.level = k.level;
        g_Settings.General.EnableDesktop = k.enableDesktop;
        EXPECT_EQ(button->GetCommand(), CString(k.command)) << k.level << " " << k.enableDesktop;
        // Hidden or not, the frame of the level shows; pressed, the next one.
        for (bool pressed : {false, true}) {
            button->SetState(pressed ? CMeterButton::STATE_PRESSED : CMeterButton::STATE_NORMAL);
            Clear(levels);
            button->Draw();
            EXPECT_EQ(levels.Pixel(10, 10), kCell[2 * k.level + (pressed ? 1 : 0)]) << k.level << " " << pressed;
        }
    }
    g_Settings.General.EnableDesktop = 0;
}

TEST_F(Launchers, IconListDrawsItsBackgroundOnlyAndIsNeverHit) {
    auto meter = MakeMeter(L"RAUNCHER", &host, {{L"X", L"0"}, {L"Y", L"0"}, {L"W", L"20"}, {L"H", L"20"},
                                                 {L"SolidColor", L"255,0,0,255"}, {L"HeadImage", L"none.png"},
                                                 {L"RowDataCount", L"3"}, {L"IconshiftY", L"2"}});
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->GetKind(), METER_RAUNCHER);
    EXPECT_FALSE(meter->IsButton());
    EXPECT_FALSE(meter->HitTest(10, 10));
    EXPECT_EQ(static_cast<CMeterRauncher*>(meter.get())->GetItemCount(), 0);
    Clear(host);
    EXPECT_TRUE(meter->Draw());
    EXPECT_EQ(host.Pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(host.Pixel(30, 30), 0u);
}

TEST_F(Launchers, XmlFormsCarryTheirKeys) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Widget Type=\"Shortcut\"><Origin X=\"1\" Y=\"2\"/><Hotkey Index=\"3\" KeyToolTip=\"1\"/>"
        "<File Path=\"%WINDOWS%notepad.exe\"/><Command Value=\"X\"/></Widget>"
        "<Widget Type=\"WEBURL\"><Hotkey Index=\"5\"/><Web Url=\"http://example.com\"/></Widget>"
        "<Widget Type=\"ZOrder\"><Button ImageID=\"320\" W=\"10\" H=\"10\"/></Widget>"
        "<Widget Type=\"RAUNCHER\"><Origin X=\"1\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              CString(L"WIDGET{Command=X;DrawType=SHORTCUT;FilePath=%WINDOWS%notepad.exe;HotkeyIndex=3;KeyToolTip=1;"
                      L"X=1;Y=2}"
                      L"WIDGET{DrawType=WEBURL;HotkeyIndex=5;WebUrl=http://example.com}"
                      L"WIDGET{DrawType=ZORDER;H=10;ImageID=320;W=10}"
                      L"WIDGET{TYPE=RAUNCHER}"));
}

}  // namespace
