// The shutdown timer and the widgets' side dialogs as real windows from the
// program's own templates, with the frame and the system played by
// recording stand-ins.
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "ShutdownTestSupport.h"
#include "TestFiles.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "tools/ShutdownTimerLogic.h"
#include "widgets/CountDownSet.h"
#include "widgets/RegUserDlg.h"
#include "widgets/SetShutdownDlg.h"
#include "widgets/SkinInfoDlg.h"
#include "widgets/WeatherSetDlg.h"

#include <commctrl.h>

#include <gtest/gtest.h>

using namespace shutdowntest;

namespace {

class CFakeHost : public ISetShutdownDlgHost {
public:
    bool IsShutdownCountdownPending() override { return pending; }
    void ShowShutdownCountdown(int seconds, const CString& label, const CString& action) override {
        shown.push_back({seconds, action});
        labels.push_back(label);
    }
    void RefreshShutdownCountdown() override { ++refreshed; }
    int RunAction(const CString& action) override {
        actions.push_back(action);
        return 1;
    }
    bool pending = false;
    std::vector<std::pair<int, CString>> shown;
    std::vector<CString> labels, actions;
    int refreshed = 0;
};

void Click(CWnd& dialog, int id) {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog.m_hWnd, id));
}

bool IsShown(CWnd& dialog, int id) { return (::GetWindowLongW(::GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0; }

class ShutdownDialogs : public ::testing::Test {
protected:
    HWND OpenTimer() {
        CSetShutdownDlg* dialog = new CSetShutdownDlg(host, nullptr);
        EXPECT_TRUE(dialog->Create(CSetShutdownDlg::IDD, nullptr));
        timer = dialog;
        return dialog->m_hWnd;
    }
    CRecordingSystem system;
    CTestClock clock;
    CFakeHost host;
    CSetShutdownDlg* timer = nullptr;
};

}  // namespace

TEST_F(ShutdownDialogs, TheTimerSchedulesAfterAnAmountOrAtADateAndHandsTheActionToTheFrame) {
    struct Case {
        int amount, unit, action;
        int delay;
        const wchar_t* text;
    } cases[] = {{30, 1, 0, 1800, L"SHUTDOWN:30"}, {2, 1, 2, 120, L"SHUTDOWN_RESTART:10"},
                 {45, 0, 1, 45, L"SAFE_SHUTDOWN"}, {9000, 2, 3, 31536000, L"LOG_OFF"}, {0, 1, 0, 10, L"SHUTDOWN"}};
    for (const Case& c : cases) {
        HWND wnd = OpenTimer();
        ASSERT_TRUE(IsWindow(wnd));
        SetDlgItemInt(wnd, CSetShutdownDlg::IDC_AMOUNT, (UINT)c.amount, TRUE);
        SendDlgItemMessageW(wnd, CSetShutdownDlg::IDC_UNIT, CB_SETCURSEL, (WPARAM)c.unit, 0);
        SendDlgItemMessageW(wnd, CSetShutdownDlg::IDC_ACTION, CB_SETCURSEL, (WPARAM)c.action, 0);
        Click(*timer, CSetShutdownDlg::IDC_AFTER);
        EXPECT_FALSE(IsWindow(wnd)) << "the dialog ends itself";
        ASSERT_EQ(1u, host.shown.size());
        EXPECT_EQ(c.delay, host.shown[0].first) << c.amount;
        EXPECT_EQ(CString(c.text), host.shown[0].second) << c.amount;
        host.shown.clear();
    }
    // The countdown's label names the action and when it runs.
    EXPECT_EQ(CShutdownTimerLogic::Label(g_LanguageTable[25314], clock.now + 10), host.labels.back());

    // At a date: the proposal is an hour ahead; a past date gives 10 s.
    HWND wnd = OpenTimer();
    EXPECT_EQ(CShutdownTimerLogic::TimeText(g_LanguageTable[10018], timer->m_hour, timer->m_minute),
              CWnd::FromHandle(GetDlgItem(wnd, CSetShutdownDlg::IDC_TIME))->GetWindowText());
    SYSTEMTIME past = MakeSystemTime(2001, 5, 1);
    SendDlgItemMessageW(wnd, CSetShutdownDlg::IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&past);
    Click(*timer, IDOK);
    ASSERT_EQ(1u, host.shown.size());
    EXPECT_EQ(10, host.shown[0].first);
    EXPECT_TRUE(system.shutdowns.empty());
}

TEST_F(ShutdownDialogs, TheTimerAtTheProposedHourSchedulesAboutAnHourAhead) {
    HWND wnd = OpenTimer();
    Click(*timer, IDOK);
    EXPECT_FALSE(IsWindow(wnd));
    ASSERT_EQ(1u, host.shown.size());
    // One hour ahead, less the seconds of the minute that had begun.
    EXPECT_LE(3600 - 59, host.shown[0].first);
    EXPECT_GE(3600, host.shown[0].first);
    EXPECT_EQ(CString(L"SHUTDOWN:30"), host.shown[0].second);
}

TEST_F(ShutdownDialogs, ShutDownNowCancelScheduledAndCancel) {
    // Shut down now ignores the list: an unforced shutdown without delay.
    HWND wnd = OpenTimer();
    EXPECT_FALSE(IsShown(*timer, CSetShutdownDlg::IDC_CANCEL_SCHEDULED)) << "no countdown is pending";
    SendDlgItemMessageW(wnd, CSetShutdownDlg::IDC_ACTION, CB_SETCURSEL, 2, 0);
    Click(*timer, CSetShutdownDlg::IDC_NOW);
    EXPECT_FALSE(IsWindow(wnd));
    ASSERT_EQ(1u, system.shutdowns.size());
    EXPECT_EQ((ShutdownCall{0, false, false}), system.shutdowns[0]);
    EXPECT_TRUE(host.shown.empty());

    host.pending = true;
    wnd = OpenTimer();
    EXPECT_TRUE(IsShown(*timer, CSetShutdownDlg::IDC_CANCEL_SCHEDULED));
    Click(*timer, CSetShutdownDlg::IDC_CANCEL_SCHEDULED);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(std::vector<CString>{L"CANCEL_SHUTDOWN_WIDGET"}, host.actions);

    wnd = OpenTimer();
    Click(*timer, IDCANCEL);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(1, host.refreshed);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(1u, system.shutdowns.size());
}

TEST_F(ShutdownDialogs, CountdownSetUpLaterAndAtADate) {
    CountdownSetting preset;
    preset.year = 2030;
    preset.month = 4;
    preset.day = 5;
    preset.hour = 7;
    preset.minute = 8;
    preset.label = L"Launch";
    preset.command = L"notepad.exe";
    {
        CCountDownSet dialog(nullptr);
        dialog.Preset(preset);
        dialog.SetPoint(CPoint(400, 300));
        WhenShown([&dialog] {
            EXPECT_EQ(CString(L"Launch"), dialog.GetDlgItemText(CCountDownSet::IDC_LABEL));
            EXPECT_EQ(CString(L"notepad.exe"), dialog.GetDlgItemText(CCountDownSet::IDC_COMMAND));
            EXPECT_EQ(CShutdownTimerLogic::TimeText(g_LanguageTable[10018], 7, 8),
                      dialog.GetDlgItemText(CCountDownSet::IDC_TIME));
            dialog.SetDlgItemText(CCountDownSet::IDC_LABEL, CString(L'y', 200));
            dialog.SetDlgItemInt(CCountDownSet::IDC_AMOUNT, 90, TRUE);
            dialog.SendDlgItemMessage(CCountDownSet::IDC_UNIT, CB_SETCURSEL, 1);
            Click(dialog, CCountDownSet::IDC_LATER);
        });
        ASSERT_EQ(IDOK, dialog.DoModal());
        SYSTEMTIME expected = {};
        ASSERT_TRUE(CShutdownTimerLogic::LocalParts(clock.now + 5400, expected));
        CountdownSetting got = dialog.GetSetting();
        EXPECT_EQ(expected.wYear, got.year);
        EXPECT_EQ(expected.wDay, got.day);
        EXPECT_EQ(expected.wHour, got.hour);
        EXPECT_EQ(expected.wMinute, got.minute);
        EXPECT_EQ(expected.wSecond, got.second);
        EXPECT_EQ(CString(L'y', 128), got.label);
    }
    {
        CCountDownSet dialog(nullptr);
        dialog.Preset(preset);
        WhenShown([&dialog] { Click(dialog, IDOK); });
        ASSERT_EQ(IDOK, dialog.DoModal());
        CountdownSetting got = dialog.GetSetting();
        EXPECT_EQ(2030, got.year);
        EXPECT_EQ(4, got.month);
        EXPECT_EQ(5, got.day);
        EXPECT_EQ(7, got.hour);
        EXPECT_EQ(8, got.minute);
        EXPECT_EQ(0, got.second);
    }
}

TEST_F(ShutdownDialogs, WeatherSetUpShowsTheUnitAndOpensTheLookupPage) {
    std::vector<CString> told;
    SetMessageBoxAnswerer([&told](const CString& text, int) {
        told.push_back(text);
        return IDOK;
    });
    CWeatherSetDlg dialog(L"20069923", true, nullptr);
    WhenShown([&dialog] {
        // An id that is no number is refused and the dialog stays.
        dialog.SetDlgItemText(CWeatherSetDlg::IDC_WOEID, L"1\" Unit=\"x");
        Click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ((UINT)BST_CHECKED, dialog.IsDlgButtonChecked(CWeatherSetDlg::IDC_FAHRENHEIT));
        EXPECT_EQ((UINT)BST_UNCHECKED, dialog.IsDlgButtonChecked(CWeatherSetDlg::IDC_CELSIUS));
        Click(dialog, CWeatherSetDlg::IDC_FIND);
        dialog.SetDlgItemText(CWeatherSetDlg::IDC_WOEID, L" 2345963 ");
        dialog.CheckRadioButton(CWeatherSetDlg::IDC_CELSIUS, CWeatherSetDlg::IDC_FAHRENHEIT, CWeatherSetDlg::IDC_CELSIUS);
        Click(dialog, IDOK);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    SetMessageBoxAnswerer(nullptr);
    EXPECT_EQ(std::vector<CString>{g_LanguageTable[CWeatherSetDlg::kTextBadWoeid]}, told);
    EXPECT_EQ(CString(L"2345963"), dialog.GetWoeid());
    EXPECT_FALSE(dialog.IsFahrenheit());
    ASSERT_EQ(1u, system.opened.size());
    EXPECT_EQ(CString(L"http://weather.example.com/woeidinfo/?woeid=seoul"), system.opened[0]);
}

TEST_F(ShutdownDialogs, SkinEditorShowsCrLfWritesTheFileAndOpensItsFolder) {
    CScratchFolder scratch(L"skin-editor");
    CString path = scratch.Path() + L"clock.xml";
    WriteFileBytes(path, "<A/>\n<B/>\n\n");
    CSkinInfoDlg dialog(path, nullptr);
    WhenShown([&dialog] {
        EXPECT_EQ(CString(L"<A/>\r\n<B/>\r\n\r\n"), dialog.GetDlgItemText(CSkinInfoDlg::IDC_TEXT));
        EXPECT_NE(-1, dialog.GetWindowText().Find(L" - clock.xml"));
        Click(dialog, CSkinInfoDlg::IDC_OPEN_FOLDER);
        dialog.SetDlgItemText(CSkinInfoDlg::IDC_TEXT, L"<A/>\r\n<C/>\r\n\r\n");
        Click(dialog, IDOK);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("<A/>\r\n<C/>", ReadFileBytes(path));
    EXPECT_EQ(std::vector<CString>{scratch.Path()}, system.opened);

    // A skin that cannot be replaced: the editor says so, stays open, and
    // the file keeps what it had.
    std::vector<CString> told;
    SetMessageBoxAnswerer([&told](const CString& text, int) {
        told.push_back(text);
        return IDOK;
    });
    HANDLE held = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    CSkinInfoDlg failing(path, nullptr);
    bool stayed = false;
    WhenShown([&failing, &stayed] {
        failing.SetDlgItemText(CSkinInfoDlg::IDC_TEXT, L"<lost/>");
        Click(failing, IDOK);
        stayed = failing.IsWindowVisible() != FALSE;
        Click(failing, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, failing.DoModal());
    SetMessageBoxAnswerer(nullptr);
    CloseHandle(held);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(std::vector<CString>{g_LanguageTable[39900]}, told);
    EXPECT_EQ("<A/>\r\n<C/>", ReadFileBytes(path));
}

TEST_F(ShutdownDialogs, UserInformationFollowsTheProvinceAndAppliesTheRegion) {
    CSettings saved = g_Settings;
    g_Settings.User.JusoCursor = 3;
    g_Settings.User.JusoDetailCursor = 4;
    g_Settings.User.Enable = 1;
    g_Settings.User.ShowTodayInfo = 0;
    g_Settings.UserName = L"Kim";
    g_Settings.BirthYear = 1980;
    g_Settings.BirthMonth = 2;
    g_Settings.BirthDay = 3;
    g_Settings.BirthCalendar = 1;
    g_Settings.BirthTimeKnown = 0;
    std::vector<CString> actions;
    int saves = 0, closes = 0;
    CRegUserDlg* dialog = new CRegUserDlg(nullptr);
    dialog->m_runAction = [&actions](const CString& a) {
        actions.push_back(a);
        return 1;
    };
    dialog->m_saveSettings = [&saves] {
        ++saves;
        return true;
    };
    dialog->m_close = [&closes, dialog] {
        ++closes;
        dialog->DestroyWindow();
    };
    ASSERT_TRUE(dialog->Create(CRegUserDlg::IDD, nullptr));
    HWND wnd = dialog->m_hWnd;
    EXPECT_EQ(CString(L" Kim"), dialog->GetDlgItemText(CRegUserDlg::IDC_NAME));
    EXPECT_EQ(CString(L" 1980/02/03  (") + g_LanguageTable[812] + L")", dialog->GetDlgItemText(CRegUserDlg::IDC_BIRTHDAY));
    EXPECT_EQ(4, (int)dialog->SendDlgItemMessage(CRegUserDlg::IDC_CITY, CB_GETCURSEL));
    EXPECT_TRUE(IsShown(*dialog, CRegUserDlg::IDC_CITY));
    EXPECT_FALSE(IsShown(*dialog, CRegUserDlg::IDC_WOEID));

    struct Step {
        int province;
        bool cities, custom;
    } steps[] = {{0, false, false}, {8, false, false}, {11, false, true}, {5, true, false}};
    for (const Step& s : steps) {
        dialog->SendDlgItemMessage(CRegUserDlg::IDC_PROVINCE, CB_SETCURSEL, (WPARAM)s.province);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(CRegUserDlg::IDC_PROVINCE, CBN_SELCHANGE),
                            (LPARAM)::GetDlgItem(wnd, CRegUserDlg::IDC_PROVINCE));
        EXPECT_EQ(s.cities, IsShown(*dialog, CRegUserDlg::IDC_CITY)) << s.province;
        EXPECT_EQ(s.custom, IsShown(*dialog, CRegUserDlg::IDC_WOEID)) << s.province;
        EXPECT_EQ(s.custom, IsShown(*dialog, CRegUserDlg::IDC_FIND)) << s.province;
        EXPECT_EQ(s.custom ? -1 : 0, (int)dialog->SendDlgItemMessage(CRegUserDlg::IDC_CITY, CB_GETCURSEL)) << s.province;
    }
    EXPECT_EQ((LRESULT)CRegUserDlgRegions::Cities(5).size(), dialog->SendDlgItemMessage(CRegUserDlg::IDC_CITY, CB_GETCOUNT));

    // Show Now runs the today information at once.
    Click(*dialog, CRegUserDlg::IDC_SHOW_NOW);
    EXPECT_EQ(std::vector<CString>{L"TODAY_INFO"}, actions);

    // The custom region with an empty id: the default region is saved, and
    // with the start option on the today information runs again.
    dialog->SendDlgItemMessage(CRegUserDlg::IDC_PROVINCE, CB_SETCURSEL, 11);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(CRegUserDlg::IDC_PROVINCE, CBN_SELCHANGE),
                        (LPARAM)::GetDlgItem(wnd, CRegUserDlg::IDC_PROVINCE));
    dialog->SetDlgItemText(CRegUserDlg::IDC_CITY_NAME, L"Nowhere");
    dialog->CheckDlgButton(CRegUserDlg::IDC_SHOW_AT_START, BST_CHECKED);
    // An id that is no number is refused: nothing is saved, the dialog stays.
    int refused = 0;
    SetMessageBoxAnswerer([&refused](const CString&, int) {
        ++refused;
        return IDOK;
    });
    dialog->SetDlgItemText(CRegUserDlg::IDC_WOEID, L"12ab");
    Click(*dialog, IDOK);
    SetMessageBoxAnswerer(nullptr);
    EXPECT_EQ(1, refused);
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_EQ(0, saves);
    dialog->SetDlgItemText(CRegUserDlg::IDC_WOEID, L"");
    Click(*dialog, IDOK);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(1, saves);
    EXPECT_EQ(1, closes);
    EXPECT_EQ(CString(L"서울"), g_Settings.User.city);
    EXPECT_EQ(CString(L"20069923"), g_Settings.User.woeid);
    EXPECT_EQ(0, g_Settings.User.JusoCursor);
    EXPECT_EQ(1, g_Settings.User.ShowTodayInfo);
    EXPECT_EQ((std::vector<CString>{L"TODAY_INFO", L"TODAY_INFO"}), actions);
    g_Settings = saved;
}
