// The main frame's web check: the report it sends, and the notices the
// service's reply asks for, shown in the program's notice windows.
#include "app/MainFrame.h"

#include "calendar/LunarCalendar.h"
#include "net/HTTPRequest.h"
#include "net/NoticeManager.h"
#include "net/WebCheck.h"
#include "shell/ActionSystem.h"
#include "shell/DateUtil.h"
#include "shell/Settings.h"
#include "shell/SystemUtil.h"
#include "shell/WebCheckResult.h"
#include "widgets/MeasureUser.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"

#include <cstdlib>

namespace {

const UINT kSlideMs = 500;
const int kSlideStep = 5;

// The notice manager's windows, downloads and shell, on the frame.
class CFrameNoticeHost : public INoticeHost {
public:
    void SetFrame(CMainFrame* frame) { m_frame = frame; }

    bool StartDownload(int index, const CString& url, const CString& key) override {
        // The request reports WM_DOWNLOAD_DONE and releases itself, also
        // when it could not start.
        (new HTTPRequest(m_frame))->DownloadAndUnzip(index, url, key);
        return true;
    }
    void OpenFile(const CString& path) override { GetActionSystem().ShellOpen(path); }
    bool ShowSlide(const CString& path, int placement, UINT stayMs) override {
        CSlideUpDlg* slide = new CSlideUpDlg(nullptr);
        if (!slide->CreateWithSkinFile(nullptr, path)) {
            delete slide;
            return false;
        }
        slide->ShowSlide(CString(), kSlideMs, stayMs, kSlideMs, kSlideStep, placement, g_SlideSlots[placement]);
        return true;
    }
    bool ShowPopup(const CString& path, int x, int y, UINT stayMs) override {
        CPopUpDlg* popup = new CPopUpDlg(nullptr);
        if (!popup->CreateWithSkin(nullptr, path)) {
            delete popup;
            return false;
        }
        popup->ShowPopup(x, y, (int)stayMs, CString());
        return true;
    }
    bool ShowInlineSlide(const TiXmlElement& skin, int placement, UINT stayMs) override {
        CSlideUpDlg* slide = new CSlideUpDlg(m_frame);
        if (!slide->CreateFromXml(m_frame, &skin)) {
            delete slide;
            return false;
        }
        slide->ShowSlide(CString(), kSlideMs, stayMs, kSlideMs, kSlideStep, placement, g_SlideSlots[placement]);
        return true;
    }
    bool ShowInlinePopup(const TiXmlElement& skin, int x, int y, UINT stayMs) override {
        CPopUpDlg* popup = new CPopUpDlg(nullptr);
        if (!popup->CreatePopup(nullptr, &skin)) {
            delete popup;
            return false;
        }
        popup->ShowPopup(x, y, (int)stayMs, CString());
        return true;
    }
    void ResetSlideSlots() override { ::ResetSlideSlots(); }
    void GetScreenSize(int& width, int& height) override {
        width = ::GetSystemMetrics(SM_CXSCREEN);
        height = ::GetSystemMetrics(SM_CYSCREEN);
    }
    void SetCheckCycle(int seconds) override { SetCheckInterval(seconds); }

private:
    CMainFrame* m_frame = nullptr;
};

CNoticeManager& FrameNotices(CMainFrame& frame) {
    // One frame per program: its notices live as long as the program.
    static CFrameNoticeHost host;
    static CNoticeManager manager;
    host.SetFrame(&frame);
    manager.SetHost(&host);
    return manager;
}

// Where the check goes: the service, or the address in ZOREL_WEBCHECK_URL
// (a local stand-in; "off" sends nothing).
CString ServiceUrl() {
    // The process's own environment block: the C runtime's copy of it is not
    // kept up to date in every kind of program.
    wchar_t custom[512];
    DWORD length = ::GetEnvironmentVariableW(L"ZOREL_WEBCHECK_URL", custom, 512);
    if (length > 0 && length < 512) return CString(custom).CompareNoCase(L"off") == 0 ? CString() : CString(custom);
    return CString(L"http://") + ZOREL_WEBCHECK_HOST + ZOREL_WEBCHECK_PATH;
}

CStringA OsVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&info);
#pragma GCC diagnostic pop
    CStringA text;
    text.Format("%lu.%lu.%lu", info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    return text;
}

void FillProfile(WebCheckFormInput& in, const SYSTEMTIME& now) {
    CMeasureUser measure;
    measure.Update();
    in.user = CStringA(g_Settings.UserName);
    in.woeid = CStringA(g_Settings.User.woeid);
    LunarDate today = SolarToLunar(now.wYear, now.wMonth, now.wDay);
    in.todayLunar.Format("%04d%02d%02d%d", today.year, today.month, today.day, today.leap ? 1 : 0);
    in.birthType = g_Settings.BirthCalendar;
    in.solarBirth = CStringA(measure.GetSolarBirthKey());
    in.lunarBirth = CStringA(measure.GetLunarBirthKey());
    in.sex = g_Settings.UserSex;
    in.age = measure.m_Age + 1;
    in.lifetime = measure.m_LifetimeDays + 1;
    in.nextBirthday = measure.m_DaysToBirthday;
    int year = 0, month = 0, day = 0;
    FromDayNumber(DayNumber(now.wYear, now.wMonth, now.wDay) + measure.m_DaysToBirthday, year, month, day);
    BirthdayMatch match = MatchComingBirthday(g_Settings.BirthCalendar != 0, measure.m_SolarYear, measure.m_SolarMonth,
                                              measure.m_SolarDay, measure.m_LunarYear, measure.m_LunarMonth,
                                              measure.m_LunarDay, year, month, day);
    in.birthMatch = match.code;
    in.birthOrder = match.order + 1;
}

}  // namespace

bool CMainFrame::StartWebCheckRequest() {
    CString url = ServiceUrl();
    if (url.IsEmpty()) return false;
    SYSTEMTIME now;
    ::GetLocalTime(&now);

    WebCheckJob job;
    job.url = url;
    job.resultPath = GetWebCheckResultPath();
    job.now = now;
    job.mustCheck = g_Settings.FirstRunCheck || g_Settings.ForceCheck;

    WebCheckFormInput in;
    in.now = now;
    in.show = g_Settings.User.ShowTodayInfo || g_Settings.ForceCheck;
    if (g_Settings.FirstRunCheck) {
        g_Settings.UserName = L"Zorel";
        g_Settings.BirthYear = 2000, g_Settings.BirthMonth = 1, g_Settings.BirthDay = 1;
        g_Settings.BirthHour = 12, g_Settings.BirthMinute = 0;
        g_Settings.BirthTimeKnown = 1, g_Settings.BirthCalendar = 0, g_Settings.UserSex = 0;
        g_Settings.FirstRunCheck = 0;
        in.variant = WEBCHECK_FIRST_RUN;
        FillProfile(in, now);
    } else if (g_Settings.User.Enable) {
        in.variant = WEBCHECK_USER_INFO;
        FillProfile(in, now);
    }
    g_Settings.ForceCheck = 0;
    char cdate[WEBCHECK_DATE_CAPACITY], ndate[WEBCHECK_DATE_CAPACITY];
    int crepeat = 1;
    ReadCheckResult(job.resultPath, cdate, ndate, crepeat);
    in.cdate = cdate[0] == ' ' && !cdate[1] ? CStringA() : CStringA(cdate);
    in.language = GetKeyboardLanguageName();
    in.country = GetKeyboardCountryName();
    in.osver = OsVersion();
    job.form = WebCheckForm(in);
    return StartWebCheckThread(m_hWnd, job);
}

void CMainFrame::HandOverWebCheckResult(const CString& path) { FrameNotices(*this).ParseServerCheck(path); }

LRESULT CMainFrame::OnNoticeDownload(WPARAM wParam, LPARAM lParam) {
    FrameNotices(*this).ShowNotices((int)wParam, lParam ? 1 : 0);
    return 0;
}
