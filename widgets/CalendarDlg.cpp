#include "widgets/CalendarDlg.h"

#include "widgets/Meter.h"
#include "widgets/MeterCalendar.h"
#include "widgets/WidgetIds.h"

#include "ui/FloatingOptions.h"
#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include "fw/WinApp.h"

BEGIN_MESSAGE_MAP(CalendarDlg, CGDIDialog)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_MOVE()
    ON_MESSAGE(WM_CALENDAR_SELECT_TODAY, OnSelectToday)
END_MESSAGE_MAP()

namespace {

// Positions in menus 197 and 198 (198 holds the two register items before
// the last one).
enum {
    POS_LEVEL = 0,
    POS_HIDE = 1,
    POS_HIDE_OTHERS = 2,
    POS_ARRANGE = 3,
    POS_FIX = 4,
    POS_OPACITY = 5,
    POS_SKIN = 7,
    POS_SKIN_EDIT = 8,
    POS_SKIN_INFO = 9,
    POS_MOVE = 11,
};

// The navigation submenu's texts. The calendar has texts of its own for
// them: the numbers 22010 to 22015 name the capture commands.
const int TEXT_MOVE = 39800;
const struct {
    UINT id;
    int text;
    const wchar_t* english;
} kMoveItems[] = {
    {ID_CALENDAR_RESET_MONTH, 39801, L"This Month"},  {ID_CALENDAR_PREV_MONTH, 39802, L"Previous Month"},
    {ID_CALENDAR_NEXT_MONTH, 39803, L"Next Month"},   {ID_CALENDAR_PREV_YEAR, 39804, L"Previous Year"},
    {ID_CALENDAR_NEXT_YEAR, 39805, L"Next Year"},
};
const int TEXT_SETTINGS = 11012;
const int TEXT_NEW_SCHEDULE = 10001, TEXT_NEW_ANNIVERSARY = 10002;

void SetMenuText(HMENU menu, UINT item, BOOL byPosition, const CString& text) {
    if (text.IsEmpty()) return;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.GetString());
    ::SetMenuItemInfoW(menu, item, byPosition, &info);
}

CString DateText(int textId, const wchar_t* english, int month, int day) {
    CString text = g_LanguageTable[textId];
    if (text.IsEmpty()) text = english;
    CString m, d;
    m.Format(L"%d", month);
    d.Format(L"%d", day);
    text.Replace(L"#M#", m);
    text.Replace(L"#D#", d);
    return text;
}

// The navigation command of a key; null for other keys.
const wchar_t* KeyCommand(WPARAM key) {
    switch (key) {
    case VK_LEFT: return L"PREVMONTH";
    case VK_RIGHT: return L"NEXTMONTH";
    case VK_UP: return L"NEXTYEAR";
    case VK_DOWN: return L"PREVYEAR";
    case VK_RETURN: return L"RESETMONTH";
    default: return nullptr;
    }
}

}  // namespace

CalendarDlg::CalendarDlg(ICalendarDlgHost& host, CWnd* parent) : CGDIDialog(IDD_CALENDAR, parent), m_host(host) {
    int alpha = g_Settings.Calendar.TransVal;
    if (alpha < 0 || alpha > 255 || g_PlatformId < 2) alpha = 255;
    m_nAlpha = alpha;
}

CalendarDlg::~CalendarDlg() = default;

BOOL CalendarDlg::Create(UINT templateId, CWnd* parent) { return CGDIDialog::Create(templateId, parent); }

BOOL CalendarDlg::OnInitDialog() {
    const CSettings::CalendarSection& s = g_Settings.Calendar;
    SetPosition(s.WinX, s.WinY);
    m_nZPosition = s.ZPosition;
    SetSkinFolder(g_ProgramFolder + L"skin\\Calendar\\");
    CString skin = s.SkinFile;
    if (skin.IsEmpty()) skin = g_ProgramFolder + L"skin\\Calendar\\default\\default.xml";
    SetSkinFile(skin);
    // The list is read before the skin, so the first drawing has its marks.
    m_anniversaries.LoadOrImportAnniversaries();
    CGDIDialog::OnInitDialog();
    int alpha = s.TransVal;
    if (alpha < 0 || alpha > 255 || g_PlatformId < 2) alpha = 255;
    SetAlpha(alpha);
    m_bMouseOverHiding = s.MouseOverHiding;
    m_bMovable = s.AllowMove;
    return FALSE;
}

void CalendarDlg::PostNcDestroy() {
    SaveState();
    CGDIDialog::PostNcDestroy();
}

void CalendarDlg::LoadOrImportAnniversaries() {
    m_anniversaries.LoadOrImportAnniversaries();
    if (m_hWnd) Redraw();
}

// ---- Skins and meters ----

std::vector<CMeterCalendar*> CalendarDlg::CalendarMeters() const {
    std::vector<CMeterCalendar*> meters;
    for (CMeter* meter : GetMeters())
        if (meter->GetKind() == METER_CALENDAR)
            if (auto* calendar = dynamic_cast<CMeterCalendar*>(meter)) meters.push_back(calendar);
    return meters;
}

void CalendarDlg::LinkCalendarMeters() {
    for (CMeterCalendar* calendar : CalendarMeters()) calendar->LinkAnniversaries(&m_anniversaries.GetList());
}

BOOL CalendarDlg::LoadSkin(const CString& path) {
    BOOL loaded = CGDIDialog::LoadSkin(path);
    if (loaded) {
        // A new skin's meters start on their own months; the user's move
        // through the months holds across the change.
        for (CMeterCalendar* calendar : CalendarMeters()) calendar->SetNavigation(m_nMonthOffset);
        LinkCalendarMeters();
        if (m_hWnd) Redraw();
    }
    return loaded;
}

void CalendarDlg::SelectSkin(UINT id) {
    CGDIDialog::SelectSkin(id);
    g_Settings.Calendar.SkinFile = GetSkinFile();
    if (CWinApp* app = AfxGetApp()) app->WriteProfileString(L"Calendar", L"SkinFolder", GetSkinFile());
}

CPoint CalendarDlg::GetTopLeft() { return CPoint(g_Settings.Calendar.WinX, g_Settings.Calendar.WinY); }

void CalendarDlg::SaveState() {
    CSettings::CalendarSection& s = g_Settings.Calendar;
    s.ZPosition = m_nZPosition;
    s.SkinFile = GetSkinFile();
    s.TransVal = GetAlpha();
    s.MouseOverHiding = m_bMouseOverHiding;
    s.AllowMove = m_bMovable;
}

// ---- Navigation ----

void CalendarDlg::MoveMonths(int months) {
    m_nMonthOffset += months;
    std::vector<CMeterCalendar*> meters = CalendarMeters();
    for (CMeterCalendar* calendar : meters) calendar->MoveMonth(months);
    if (!meters.empty() && m_hWnd) Redraw();
    HideBalloon();
}

int CalendarDlg::ExecuteCommand(const CString& command) {
    static const struct {
        const wchar_t* word;
        int months;
    } kSteps[] = {{L"PREVMONTH", -1}, {L"NEXTMONTH", 1}, {L"NEXTYEAR", 12}, {L"PREVYEAR", -12}};
    for (const auto& step : kSteps)
        if (command.CompareNoCase(step.word) == 0) {
            MoveMonths(step.months);
            return 1;
        }
    if (command.CompareNoCase(L"RESETMONTH") == 0) {
        m_nMonthOffset = 0;
        std::vector<CMeterCalendar*> meters = CalendarMeters();
        for (CMeterCalendar* calendar : meters) calendar->ResetMonth();
        if (!meters.empty() && m_hWnd) Redraw();
        HideBalloon();
        return 1;
    }
    return CGDIDialog::ExecuteCommand(command);
}

BOOL CalendarDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN)
        if (const wchar_t* command = KeyCommand(msg->wParam)) PostCommand(command);
    // Escape (and Shift+Escape) are the skinned window's: it hides.
    return CGDIDialog::PreTranslateMessage(msg);
}

BOOL CalendarDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam == 0) {
        for (const auto& item : kMoveItems)
            if (item.id == id) {
                static const wchar_t* const kCommands[] = {L"RESETMONTH", L"PREVMONTH", L"NEXTMONTH", L"PREVYEAR",
                                                           L"NEXTYEAR"};
                PostCommand(kCommands[&item - kMoveItems]);
                return TRUE;
            }
        switch (id) {
        case ID_CALENDAR_SETTINGS: m_host.OpenCalendarSettings(); return TRUE;
        case ID_CALENDAR_NEW_SCHEDULE: m_host.NewAlarmOnDate(m_nSelYear, m_nSelMonth, m_nSelDay); return TRUE;
        case ID_CALENDAR_NEW_ANNIVERSARY: m_host.NewAnniversaryOnDate(m_nSelMonth, m_nSelDay); return TRUE;
        default: break;
        }
    }
    return CGDIDialog::OnCommand(wParam, lParam);
}

LRESULT CalendarDlg::OnSelectToday(WPARAM, LPARAM) {
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    m_nSelYear = now.wYear;
    m_nSelMonth = now.wMonth;
    m_nSelDay = now.wDay;
    return 0;
}

// ---- The day under the mouse ----

bool CalendarDlg::DayFromPoint(CPoint client, int& year, int& month, int& day, CRect* cell) {
    for (CMeterCalendar* calendar : CalendarMeters()) {
        RECT rect = {};
        if (calendar->DayFromPoint(POINT{client.x, client.y}, year, month, day, &rect)) {
            if (cell) *cell = rect;
            return true;
        }
    }
    return false;
}

void CalendarDlg::ShowBalloonAt(CPoint screen) {
    CPoint client = screen;
    ScreenToClient(&client);
    int year, month, day;
    CRect cell;
    if (!DayFromPoint(client, year, month, day, &cell)) return;
    CRect window = GetRect();
    cell.OffsetRect(window.left, window.top);
    m_host.ShowDayBalloon(year, month, day, cell);
}

void CalendarDlg::EndNcClick(int x, int y) {
    // A press and release without moving the window is a click on a day.
    if (GetRect().TopLeft() == m_rcDrag.TopLeft()) ShowBalloonAt(CPoint(x, y));
    CGDIDialog::EndNcClick(x, y);
}

LRESULT CalendarDlg::OnNcHitTest(CPoint point) {
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (g_Settings.Calendar.MouseOverHiding && !ctrl) return HTCLIENT;
    if (ctrl && GetRect().PtInRect(point)) {
        CPoint client = point;
        ScreenToClient(&client);
        int year, month, day;
        if (DayFromPoint(client, year, month, day)) {
            if (!m_host.IsDayBalloonShowing(year, month, day)) ShowBalloonAt(point);
        } else {
            HideBalloon();
        }
    }
    return CGDIDialog::OnNcHitTest(point);
}

void CalendarDlg::OnNcLButtonDown(UINT hitTest, CPoint point) {
    HideBalloon();
    CGDIDialog::OnNcLButtonDown(hitTest, point);
}

void CalendarDlg::OnNcLButtonDblClk(UINT hitTest, CPoint point) {
    HideBalloon();
    CPoint client = point;
    ScreenToClient(&client);
    int year, month, day;
    if (DayFromPoint(client, year, month, day)) {
        m_nSelYear = year;
        m_nSelMonth = month;
        m_nSelDay = day;
        return;
    }
    CGDIDialog::OnNcLButtonDblClk(hitTest, point);
}

void CalendarDlg::OnMove(int x, int y) {
    CGDIDialog::OnMove(x, y);
    if (GetBackBuffer() && m_bSavePosition) {
        CRect rect = GetRect();
        g_Settings.Calendar.WinX = rect.left;
        g_Settings.Calendar.WinY = rect.top;
        m_bChanged = 1;
        HideBalloon();
    }
}

// ---- The context menu ----

void CalendarDlg::OnNcRButtonDown(UINT hitTest, CPoint point) {
    HideBalloon();
    m_menuPoint = point;
    CGDIDialog::OnNcRButtonDown(hitTest, point);
}

HMENU CalendarDlg::BuildContextMenu() { return BuildMenuAt(m_menuPoint); }

HMENU CalendarDlg::BuildMenuAt(CPoint screen) {
    CPoint client = screen;
    if (m_hWnd) ScreenToClient(&client);
    int year, month, day;
    bool onDay = DayFromPoint(client, year, month, day);
    if (onDay) {
        m_nSelYear = year;
        m_nSelMonth = month;
        m_nSelDay = day;
    }
    WindowMenuLayout layout = {
        onDay ? IDR_CALENDAR_DAY_MENU : IDR_CALENDAR_MENU,
        {{POS_LEVEL, 11000}, {POS_HIDE, 11001}, {POS_HIDE_OTHERS, 27306}, {POS_ARRANGE, 11002}, {POS_FIX, 11003},
         {POS_OPACITY, 11004}, {POS_SKIN, 11006}, {POS_SKIN_EDIT, 11007}, {POS_SKIN_INFO, 11008}},
        POS_LEVEL, POS_ARRANGE, POS_OPACITY, POS_SKIN};
    HMENU popup = BuildWindowMenu(layout);
    if (!popup) return nullptr;
    CString move = g_LanguageTable[TEXT_MOVE];
    SetMenuText(popup, POS_MOVE, TRUE, move.IsEmpty() ? CString(L"Move") : move);
    if (HMENU moves = ::GetSubMenu(popup, POS_MOVE))
        for (const auto& item : kMoveItems) {
            CString text = g_LanguageTable[item.text];
            SetMenuText(moves, item.id, FALSE, text.IsEmpty() ? CString(item.english) : text);
        }
    SetMenuText(popup, ID_CALENDAR_SETTINGS, FALSE, g_LanguageTable[TEXT_SETTINGS]);
    if (onDay) {
        SetMenuText(popup, ID_CALENDAR_NEW_SCHEDULE, FALSE,
                    DateText(TEXT_NEW_SCHEDULE, L"Resister Schedule for #M#/#D#", month, day));
        SetMenuText(popup, ID_CALENDAR_NEW_ANNIVERSARY, FALSE,
                    DateText(TEXT_NEW_ANNIVERSARY, L"Resister Anniversary for #M#/#D#", month, day));
    }
    return popup;
}
