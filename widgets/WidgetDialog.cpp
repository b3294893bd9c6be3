#include "widgets/WidgetDialog.h"

#include "widgets/Measure.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/MeterEditBox.h"
#include "widgets/MeterWeather.h"
#include "widgets/Meter.h"
#include "widgets/WidgetIds.h"

#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"
#include "shell/Settings.h"

#include <ctime>

BEGIN_MESSAGE_MAP(CWidgetDialog, CGDIDialog)
    ON_MESSAGE(WM_WIDGET_COUNTDOWN_SETUP, OnCountdownSetup)
    ON_MESSAGE(WM_WIDGET_WEATHER_SETUP, OnWeatherSetup)
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

CWidgetDialog::CountdownAsker g_countdownAsker;
CWidgetDialog::WeatherAsker g_weatherAsker;

bool StartsWith(const CString& text, const wchar_t* prefix, CString& rest) {
    int n = (int)wcslen(prefix);
    if (text.GetLength() < n || text.Left(n) != prefix) return false;
    rest = text.Mid(n);
    return true;
}

}  // namespace

void CWidgetDialog::SetCountdownAsker(CountdownAsker asker) { g_countdownAsker = std::move(asker); }
void CWidgetDialog::SetWeatherAsker(WeatherAsker asker) { g_weatherAsker = std::move(asker); }

CString CWidgetDialog::WidgetsFolder() {
    CString folder = g_ProgramFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    return folder + L"skin\\widgets\\";
}

CWidgetDialog::CWidgetDialog(IWidgetHost& host, const WidgetListEntry* entry, CWnd* parent)
    : CGDIDialog(IDD_SKIN_WINDOW, parent), m_host(host) {
    if (entry) m_pEntry.reset(new WidgetListEntry(*entry));
}

CWidgetDialog::~CWidgetDialog() = default;

BOOL CWidgetDialog::Create(UINT templateId, CWnd* parent) { return CGDIDialog::Create(templateId, parent); }

BOOL CWidgetDialog::OnInitDialog() {
    CString folder = WidgetsFolder();
    SetSkinFolder(folder);
    if (!m_pEntry) {
        // Opened by the user: the skin file was set by the opener.
        m_bSkinLoaded = CSafeFileWriter::FileExists(m_strSkinFile);
        CGDIDialog::OnInitDialog();
        GetZDialogOwner().PlaceInMemoColumn(this);
        CRect rect;
        GetWindowRect(&rect);
        m_ptPosition = rect.TopLeft();
        m_strRelativePath = m_strSkinFile.Left(folder.GetLength()).CompareNoCase(folder) == 0
                                ? m_strSkinFile.Mid(folder.GetLength())
                                : m_strSkinFile;
        m_nAlpha = g_Settings.Widget.TransVal;
        m_nZPosition = g_Settings.Widget.ZPosition;
        m_bMouseOverHiding = g_Settings.Widget.MouseOverHiding;
        SetZPosition(m_nZPosition, TRUE);
        m_bChanged = 0;
        return FALSE;
    }

    CZDialog::OnInitDialog();
    const WidgetListEntry& entry = *m_pEntry;
    m_ptPosition = CPoint(entry.x, entry.y);
    ::SetWindowPos(m_hWnd, nullptr, entry.x, entry.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_strRelativePath = entry.path;
    CString path = folder + entry.path;
    // A skin file that is gone opens nothing; the entry then drops out of
    // the list the next time it is written.
    m_bSkinLoaded = !entry.path.IsEmpty() && CSafeFileWriter::FileExists(path);
    if (!m_bSkinLoaded) return FALSE;
    LoadSkin(path);
    m_nZPosition = entry.zPosition;
    SetZPosition(m_nZPosition, TRUE);
    m_nAlpha = entry.transparence < 0 ? 0 : entry.transparence > 255 ? 255 : entry.transparence;
    m_bMouseOverHiding = entry.mouseOverHiding ? 1 : 0;
    m_bMovable = entry.allowMove ? 1 : 0;
    m_bChanged = 0;
    SetTimer(TIMER_SKIN_DOWNLOADS, SKIN_DOWNLOADS_DELAY_MS);
    return FALSE;
}

WidgetListEntry CWidgetDialog::GetListEntry() const {
    WidgetListEntry entry;
    entry.path = m_strRelativePath;
    entry.transparence = m_nAlpha;
    entry.mouseOverHiding = m_bMouseOverHiding ? 1 : 0;
    entry.zPosition = m_nZPosition;
    entry.x = m_ptPosition.x;
    entry.y = m_ptPosition.y;
    entry.allowMove = m_bMovable ? 1 : 0;
    return entry;
}

CPoint CWidgetDialog::GetTopLeft() { return m_ptPosition; }

void CWidgetDialog::OnSkinLoaded() {
    if (GetUpdateCycle() > 0 && GetBackground() && m_hWnd) SetTimer(TIMER_SKIN_UPDATE, (UINT)GetUpdateCycle());
}

int CWidgetDialog::ExecuteCommand(const CString& command) {
    CString upper = command;
    upper.MakeUpper();
    CString rest;
    if (StartsWith(upper, L"SETCOUNTDOWNTARGETDAY:", rest)) {
        m_strCountdownSection = rest;
        if (m_hWnd) PostMessage(WM_WIDGET_COUNTDOWN_SETUP);
        return 1;
    }
    if (StartsWith(upper, L"WEATHER_UPDATEID:", rest)) {
        // The weather meter asks its feed again at its next update.
        if (auto* weather = dynamic_cast<CMeterWeather*>(FindMeter(METER_WEATHER, _wtoi(rest)))) weather->RequestRefresh();
        return 1;
    }
    if (StartsWith(upper, L"WEATHER_SETUPID:", rest)) {
        if (!rest.IsEmpty() && m_hWnd) PostMessage(WM_WIDGET_WEATHER_SETUP, (WPARAM)_wtoi(rest));
        return 1;
    }
    if (upper == L"CLOSE") {
        if (m_hWnd) PostMessage(WM_COMMAND, ID_WIDGET_CLOSE);
        return 1;
    }
    return CGDIDialog::ExecuteCommand(command);
}

BOOL CWidgetDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam == 0 && id == ID_WIDGET_CLOSE) {
        CloseByUser();
        return TRUE;
    }
    if (lParam == 0 && id == ID_WIDGET_MOUSE_OVER_HIDING) {
        m_bMouseOverHiding = m_bMouseOverHiding ? 0 : 1;
        m_bChanged = 1;
        GetZDialogOwner().RequestSaveSoon();
        return TRUE;
    }
    return CGDIDialog::OnCommand(wParam, lParam);
}

void CWidgetDialog::CloseByUser() {
    m_bClosedByUser = true;
    FadeOut();
}

void CWidgetDialog::OnFadeOutDone() {
    // Only once no queued command still holds the window.
    if ((m_bClosedByUser || IsCloseAfterFade()) && GetRefCount() == 1) m_host.RemoveWidget(this);
}

HMENU CWidgetDialog::BuildContextMenu() {
    enum { POS_LEVEL = 0, POS_ARRANGE = 3, POS_OPACITY = 6, POS_WIDGETS = 14 };
    static const WindowMenuLayout kLayout = {
        IDR_WIDGET_MENU,
        {{POS_LEVEL, 11000}, {1, 11001}, {2, 27306}, {POS_ARRANGE, 11002}, {4, 11003}, {5, 11009},
         {POS_OPACITY, 11004}, {8, 11007}, {9, 23104}, {10, 11008}, {12, 31}, {POS_WIDGETS, 11010}},
        POS_LEVEL, POS_ARRANGE, POS_OPACITY, POS_WIDGETS};
    HMENU popup = BuildWindowMenu(kLayout);
    if (!popup) return nullptr;
    // The skin list of a widget is every installed widget skin; a check
    // marks the ones open as widgets, not the skin this window shows.
    // (By command: the items below may have moved up by then.)
    for (int i = 0; i < GetSkinList().GetCount(); ++i)
        ::CheckMenuItem(popup, ID_SKIN_CHOICE_FIRST + (UINT)i,
                        MF_BYCOMMAND | (m_host.IsWidgetOpen(GetSkinList()[i]) ? MF_CHECKED : MF_UNCHECKED));
    if (m_bMouseOverHiding) ::CheckMenuItem(popup, ID_WIDGET_MOUSE_OVER_HIDING, MF_BYCOMMAND | MF_CHECKED);
    if (!m_bEditable)
        for (UINT id : {ID_WINDOW_HIDE, ID_SKIN_EDIT, ID_SKIN_MAKE_COPY})
            ::EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
    return popup;
}

void CWidgetDialog::SelectSkin(UINT id) {
    int n = (int)id - (int)ID_SKIN_CHOICE_FIRST;
    if (n < 0 || n >= GetSkinList().GetCount()) return;
    CString path = GetSkinList()[n];
    if (m_host.IsWidgetOpen(path))
        m_host.CloseWidgetBySkin(path);
    else
        m_host.OpenWidget(path);
}

LRESULT CWidgetDialog::OnCountdownSetup(WPARAM, LPARAM) {
    RunCountdownSetup();
    return 0;
}

LRESULT CWidgetDialog::OnWeatherSetup(WPARAM meterId, LPARAM) {
    RunWeatherSetup((int)meterId);
    return 0;
}

void CWidgetDialog::RunCountdownSetup() {
    CMeasureCountDown* countdown = nullptr;
    for (CMeasure* measure : GetMeasures())
        if (measure->GetKind() == MEASURE_COUNTDOWN && measure->GetName().CompareNoCase(m_strCountdownSection) == 0) {
            countdown = static_cast<CMeasureCountDown*>(measure);
            break;
        }
    if (!countdown || !g_countdownAsker) return;
    CountdownSetting setting;
    __time64_t target = countdown->GetTarget();
    struct tm local = {};
    if (target > 0 && _localtime64_s(&local, &target) == 0) {
        setting.year = local.tm_year + 1900;
        setting.month = local.tm_mon + 1;
        setting.day = local.tm_mday;
        setting.hour = local.tm_hour;
        setting.minute = local.tm_min;
        setting.second = local.tm_sec;
    }
    setting.label = countdown->GetLabel();
    setting.command = countdown->GetCommand();
    HWND self = m_hWnd;
    if (!g_countdownAsker(this, setting)) return;
    // The dialog pumps messages: the window may be gone by now.
    if (!self || !::IsWindow(self)) return;
    if (CWidgetDialogRewrite::RewriteCountdownFile(m_strSkinFile, m_strCountdownSection, setting)) LoadSkin(m_strSkinFile);
}

void CWidgetDialog::RunWeatherSetup(int meterId) {
    if (!FindMeter(METER_WEATHER, meterId) || !g_weatherAsker) return;
    // The dialog starts from the location and unit the skin holds now.
    CString woeid, unit;
    CWidgetDialogRewrite::ReadWeatherFile(m_strSkinFile, meterId, woeid, unit);
    bool fahrenheit = CWidgetDialogRewrite::IsFahrenheit(unit);
    HWND self = m_hWnd;
    if (!g_weatherAsker(this, woeid, fahrenheit)) return;
    if (!self || !::IsWindow(self)) return;
    if (CWidgetDialogRewrite::RewriteWeatherFile(m_strSkinFile, meterId, woeid, fahrenheit)) LoadSkin(m_strSkinFile);
}

void CWidgetDialog::OnWindowPosChanged(WINDOWPOS* pos) {
    CGDIDialog::OnWindowPosChanged(pos);
    // The edit boxes are windows of their own over the widget: they move,
    // show and hide with it.
    for (CMeter* meter : GetMeters())
        if (meter->GetKind() == METER_EDITBOX) static_cast<CMeterEditBox*>(meter)->FollowOwner();
}
