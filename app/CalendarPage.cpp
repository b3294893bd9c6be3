#include "app/CalendarPage.h"

#include "app/CalendarPageTarget.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "calendar/AnniversaryFile.h"
#include "notes/DayinfoDlg.h"
#include "res/images.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/MemoSetupLogic.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/GridCtrl.h"
#include "widgets/WidgetList.h"

#include <commctrl.h>

#include <algorithm>

namespace {
struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {1324, 601}, {1334, 621}, {1325, 602}, {1326, 603}, {IDC_CA_AUTO_START, 604}, {IDC_CA_MOUSE_OVER, 605},
    {1322, 516}, {IDC_CA_MEMORIAL_CHECK, 613}, {1328, 614}, {1462, 619}, {IDC_CA_SORT_BY_TIME, 27207},
    {IDC_CA_SHOW_DDAY, 27208}, {IDC_CA_SHOW_CHECKED, 27209}, {1327, 606}, {IDC_CA_ADD, 616}, {IDC_CA_EDIT, 617},
    {IDC_CA_DELETE, 618},
};
const int kCalendarHotKeyId = 15, kScheduleHotKeyId = 17;
const int kLocationTexts[] = {521, 522, 523};
const int kAlertTexts[] = {640, 641, 642, 643};
const int kStartModeTexts[] = {650, 651, 652};
const int kDateHeader = 10076, kTextHeader = 10077, kDatePattern = 10078, kDeleteQuestion = 10079;
const int kDateColumnWidth = 85;
const COLORREF kMask = RGB(255, 0, 255);
// Anything the framework does not ask for: the list of skin files is only
// as long as a user would scroll through.
const int kMaxSkins = 1000;

void FillList(HWND list, const int* texts, int count) {
    int selected = (int)::SendMessageW(list, CB_GETCURSEL, 0, 0);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[texts[i]].GetString());
    ::SendMessageW(list, CB_SETCURSEL, (WPARAM)selected, 0);
}

int Selected(CWnd* page, UINT id, int fallback) {
    int index = (int)page->SendDlgItemMessage(id, CB_GETCURSEL, 0, 0);
    return index >= 0 ? index : fallback;
}
}  // namespace

BEGIN_MESSAGE_MAP(CCalendarPage, CSettingsPage)
    ON_WM_HSCROLL()
    ON_CBN_SELCHANGE(IDC_CA_SKIN, OnSkinChanged)
    ON_BN_CLICKED(IDC_CA_MEMORIAL_CHECK, OnMemorialCheck)
    ON_BN_CLICKED(IDC_CA_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CA_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_CA_DELETE, OnDelete)
    ON_MESSAGE(GVM_DBLCLICK, OnGridDoubleClick)
END_MESSAGE_MAP()

CCalendarPage::CCalendarPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_CALENDAR_PAGE) {
    const CSettings::CalendarSection& c = g_Settings.Calendar;
    const CSettings::ScheduleSection& s = g_Settings.Schedule;
    bool desktop = g_Settings.General.EnableDesktop != 0;
    m_nTransVal = ClampTransparency(c.TransVal);
    m_nAutoStart = c.AutoStart ? 1 : 0;
    m_nMouseOverHiding = c.MouseOverHiding ? 1 : 0;
    m_nZPosition = CMemoSetupLogic::ClampZPosition(c.ZPosition, desktop);
    m_nMemorialDayCheck = c.MemorialDayCheck ? 1 : 0;
    m_nAlertType = (c.AlertType >= 0 && c.AlertType <= 3) ? c.AlertType : 0;
    m_nStartMode = (s.StartMode >= 0 && s.StartMode <= 2) ? s.StartMode : 2;
    m_nSortByTime = s.SortByTime ? 1 : 0;
    m_nShowDDay = s.ShowDDay ? 1 : 0;
    m_nShowChecked = s.ShowChecked ? 1 : 0;
    // The calendar knows its own transparency, level and hiding best.
    if (ICalendarPageTarget* calendar = Calendar()) {
        m_nTransVal = ClampTransparency(calendar->GetAlpha());
        m_nMouseOverHiding = calendar->GetMouseOverHiding() ? 1 : 0;
        m_nZPosition = CMemoSetupLogic::ClampZPosition(calendar->GetZPosition(), desktop);
    }
}

CCalendarPage::~CCalendarPage() = default;

ICalendarPageTarget* CCalendarPage::Calendar() { return m_sheet.GetHost().GetCalendarTarget(); }

int CCalendarPage::AnniversaryImage(const CDayInfo& info) {
    int kind = info.m_bLeap ? 4 : (info.m_bLunar ? 2 : 0);
    return kind + (info.m_bHoliday ? 1 : 0);
}

CString CCalendarPage::AnniversaryDateText(int month, int day) {
    CString text = g_LanguageTable[kDatePattern], number;
    number.Format(L"%02d", month);
    text.Replace(L"#MM#", number);
    number.Format(L"%02d", day);
    text.Replace(L"#DD#", number);
    return text;
}

// ---- Initialisation --------------------------------------------------------------------

BOOL CCalendarPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    ApplyTexts();
    m_hotKey.SubclassDlgItem(IDC_CA_HOTKEY, this);
    m_hotKey.SetHotKey(&g_Settings.HotKeyTable[kCalendarHotKeyId]);
    m_scheduleHotKey.SubclassDlgItem(IDC_CA_SCHEDULE_HOTKEY, this);
    m_scheduleHotKey.SetHotKey(&g_Settings.HotKeyTable[kScheduleHotKeyId]);

    bool nt = g_PlatformId >= 2;
    if (nt) {
        m_skins = CWidgetList::ListSkinFiles(g_ProgramFolder + L"skin\\Calendar\\", kMaxSkins);
        HWND list = ::GetDlgItem(m_hWnd, IDC_CA_SKIN);
        for (const CString& path : m_skins)
            ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)CWidgetList::MenuLabel(path).GetString());
        int item = 0;
        if (ICalendarPageTarget* calendar = Calendar()) {
            CString current = calendar->GetSkinFile();
            for (int i = 1; i < (int)m_skins.size(); ++i)
                if (m_skins[i].CompareNoCase(current) == 0) {
                    item = i;
                    break;
                }
        }
        ::SendMessageW(list, CB_SETCURSEL, (WPARAM)item, 0);
    }
    SendDlgItemMessage(IDC_CA_TRANS, TBM_SETRANGE, FALSE, MAKELPARAM(TRANSPARENCY_MIN, TRANSPARENCY_MAX));
    SendDlgItemMessage(IDC_CA_TRANS, TBM_SETLINESIZE, 0, 1);
    if (!nt) GetDlgItem(IDC_CA_SCHEDULE_HOTKEY)->EnableWindow(FALSE);

    m_images.Create(IDB_DAY_KINDS, 20, 0, kMask);
    CreateGrid();
    FillAnniversaryList();
    UpdateControls();
    return TRUE;
}

void CCalendarPage::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    FillList(::GetDlgItem(m_hWnd, IDC_CA_ZPOSITION), kLocationTexts, g_Settings.General.EnableDesktop ? 3 : 2);
    FillList(::GetDlgItem(m_hWnd, IDC_CA_ALERT_TYPE), kAlertTexts, 4);
    FillList(::GetDlgItem(m_hWnd, IDC_CA_START_MODE), kStartModeTexts, 3);
}

void CCalendarPage::CreateGrid() {
    // The grid takes the marker's place and its id.
    CRect place;
    if (CWnd* marker = GetDlgItem(IDC_CA_GRID)) {
        marker->GetWindowRect(&place);
        ScreenToClient(&place);
        marker->DestroyWindow();
    }
    place.right -= 1;
    place.bottom -= 1;
    m_pGrid.reset(new CGridCtrl(1, 2, 1, 0));
    CGridCtrl& grid = *m_pGrid;
    // A read-only list: rows are edited through the buttons and double clicks.
    grid.m_bEditable = FALSE;
    grid.m_bListMode = TRUE;
    grid.m_bSingleSelection = TRUE;
    grid.m_bAllowRowResize = FALSE;
    grid.m_bTitleTips = FALSE;
    grid.m_crGridBkColour = 0xF4F4F4;
    grid.m_crFixedBkColour = 0xDCE6DC;
    grid.m_crBkColour = 0xDCFFFF;
    grid.m_crFixedTextColour = 0xA06455;
    grid.m_crFocusFill = 0xDADABD;
    grid.m_crFocusTopLeft = 0xE0EBE0;
    grid.m_crFocusBottomRight = 0xD6E1D6;
    grid.m_crSelFill = 0xDADABD;
    grid.m_crSelTopLeft = 0xE0EBE0;
    grid.m_crSelBottomRight = 0xD6E1D6;
    grid.m_crFocusText = 0xFF0000;
    grid.m_crSelText = 0xFF0000;
    grid.Create(place, this, IDC_CA_GRID, WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    grid.SetImageList(m_images.GetSafeHandle());
}

void CCalendarPage::FillAnniversaryList() {
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar || !m_pGrid || !m_pGrid->GetSafeHwnd()) return;
    const CArray<CDayInfo>& list = calendar->Anniversaries().GetList();
    CGridCtrl& grid = *m_pGrid;
    int count = (int)list.GetSize();
    grid.SetRowCount(count + 1);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    CRect client;
    grid.GetClientRect(&client);
    grid.SetColumnWidth(0, kDateColumnWidth);
    grid.SetColumnWidth(1, std::max(0, client.Width() - kDateColumnWidth));
    grid.SetItemText(0, 0, g_LanguageTable[kDateHeader]);
    grid.SetItemText(0, 1, g_LanguageTable[kTextHeader]);
    for (int i = 0; i < count; ++i) {
        const CDayInfo& info = list[i];
        grid.SetItemText(i + 1, 0, AnniversaryDateText(info.m_nMonth, info.m_nDay));
        grid.SetItemImage(i + 1, 0, AnniversaryImage(info));
        grid.SetItemText(i + 1, 1, info.m_strText);
        grid.SetItemIndex(i + 1, 0, i);
        grid.SetItemIndex(i + 1, 1, i);
    }
    grid.Resort();
    grid.Invalidate(FALSE);
}

// ---- Fields and controls -------------------------------------------------------------

void CCalendarPage::ReadControls() {
    auto checked = [this](UINT id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
    m_nTransVal = ClampTransparency((int)SendDlgItemMessage(IDC_CA_TRANS, TBM_GETPOS, 0, 0));
    m_nAutoStart = checked(IDC_CA_AUTO_START);
    m_nMouseOverHiding = checked(IDC_CA_MOUSE_OVER);
    m_nZPosition = Selected(this, IDC_CA_ZPOSITION, m_nZPosition);
    m_nMemorialDayCheck = checked(IDC_CA_MEMORIAL_CHECK);
    m_nAlertType = Selected(this, IDC_CA_ALERT_TYPE, m_nAlertType);
    m_nStartMode = Selected(this, IDC_CA_START_MODE, m_nStartMode);
    m_nSortByTime = checked(IDC_CA_SORT_BY_TIME);
    m_nShowDDay = checked(IDC_CA_SHOW_DDAY);
    m_nShowChecked = checked(IDC_CA_SHOW_CHECKED);
}

void CCalendarPage::UpdateControls() {
    auto check = [this](UINT id, int on) { CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); };
    SendDlgItemMessage(IDC_CA_TRANS, TBM_SETPOS, TRUE, m_nTransVal);
    SetDlgItemText(IDC_CA_PERCENT, TransparencyPercentText(m_nTransVal));
    check(IDC_CA_AUTO_START, m_nAutoStart);
    check(IDC_CA_MOUSE_OVER, m_nMouseOverHiding);
    SendDlgItemMessage(IDC_CA_ZPOSITION, CB_SETCURSEL, (WPARAM)m_nZPosition, 0);
    check(IDC_CA_MEMORIAL_CHECK, m_nMemorialDayCheck);
    SendDlgItemMessage(IDC_CA_ALERT_TYPE, CB_SETCURSEL, (WPARAM)m_nAlertType, 0);
    GetDlgItem(IDC_CA_ALERT_TYPE)->EnableWindow(m_nMemorialDayCheck != 0);
    SendDlgItemMessage(IDC_CA_START_MODE, CB_SETCURSEL, (WPARAM)m_nStartMode, 0);
    check(IDC_CA_SORT_BY_TIME, m_nSortByTime);
    check(IDC_CA_SHOW_DDAY, m_nShowDDay);
    check(IDC_CA_SHOW_CHECKED, m_nShowChecked);
}

// ---- Apply and defaults ----------------------------------------------------------------

void CCalendarPage::Apply() {
    ReadControls();
    CSettings::CalendarSection& c = g_Settings.Calendar;
    CSettings::ScheduleSection& s = g_Settings.Schedule;
    c.MouseOverHiding = m_nMouseOverHiding;
    c.AutoStart = m_nAutoStart;
    c.AlertType = m_nAlertType;
    c.MemorialDayCheck = m_nMemorialDayCheck;
    c.ZPosition = m_nZPosition;
    s.StartMode = m_nStartMode;
    s.ShowDDay = m_nShowDDay;
    s.SortByTime = m_nSortByTime;
    s.ShowChecked = m_nShowChecked;
    if (ICalendarPageTarget* calendar = Calendar()) {
        if (m_nAutoStart && !calendar->IsVisible()) calendar->ShowToStay();
        calendar->SetZPosition(m_nZPosition);
        calendar->SetMouseOverHiding(m_nMouseOverHiding);
    }
    m_sheet.GetHost().UpdateScheduleWindow();
}

void CCalendarPage::SetDefaults() {
    m_nTransVal = 255;
    m_nAutoStart = 1;
    m_nMouseOverHiding = 0;
    m_nZPosition = 0;
    m_nMemorialDayCheck = 1;
    m_nAlertType = 0;
    m_nStartMode = 2;
    m_nSortByTime = m_nShowDDay = m_nShowChecked = 1;
    g_Settings.Calendar.TransVal = 255;
    if (ICalendarPageTarget* calendar = Calendar()) calendar->SetAlpha(255);
    UpdateControls();
}

// ---- Controls that act at once -----------------------------------------------------------

void CCalendarPage::OnHScroll(UINT, UINT, CScrollBar* bar) {
    if (!bar || bar->GetDlgCtrlID() != IDC_CA_TRANS) return;
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar) return;
    m_nTransVal = ClampTransparency((int)SendDlgItemMessage(IDC_CA_TRANS, TBM_GETPOS, 0, 0));
    calendar->SetAlpha(m_nTransVal);
    g_Settings.Calendar.TransVal = m_nTransVal;
    SetDlgItemText(IDC_CA_PERCENT, TransparencyPercentText(m_nTransVal));
}

void CCalendarPage::OnSkinChanged() {
    int item = Selected(this, IDC_CA_SKIN, -1);
    ICalendarPageTarget* calendar = Calendar();
    if (calendar && item >= 0 && item < (int)m_skins.size()) calendar->LoadSkin(m_skins[item]);
}

void CCalendarPage::OnMemorialCheck() {
    ReadControls();
    GetDlgItem(IDC_CA_ALERT_TYPE)->EnableWindow(m_nMemorialDayCheck != 0);
}

// ---- The anniversary grid ------------------------------------------------------------------

int CCalendarPage::FocusRecord() {
    if (!m_pGrid) return -1;
    CCellID focus = m_pGrid->GetFocusCell();
    if (focus.row < m_pGrid->GetFixedRowCount() || focus.row >= m_pGrid->GetRowCount()) return -1;
    int index = m_pGrid->GetItemIndex(focus.row, 0);
    if (index < 0) return -1;
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar || index >= (int)calendar->Anniversaries().GetList().GetSize()) return -1;
    return index;
}

void CCalendarPage::OnAdd() {
    if (!Calendar()) return;
    // A new record opens on today's date.
    CDayinfoDlg dialog(this, 0, nullptr);
    if (dialog.DoModal() != IDOK) return;
    // The calendar may have gone while the dialog ran.
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar) return;
    calendar->Anniversaries().AddAnniversary(dialog.GetRecord());
    calendar->Anniversaries().SaveAnniversaries();
    m_sheet.GetHost().OnAnniversariesChanged();
}

void CCalendarPage::OnEdit() {
    int index = FocusRecord();
    if (index < 0) return;
    CDayInfo copy = Calendar()->Anniversaries().GetList()[index];
    int id = copy.m_nId;
    CDayinfoDlg dialog(this, CDayinfoDlg::ModeEdit, &copy);
    INT_PTR answer = dialog.DoModal();
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar) return;
    CAnniversaryFile& file = calendar->Anniversaries();
    if (answer == IDOK) {
        // Found again by its id: the list may have changed while the dialog ran.
        if (CDayInfo* record = file.FindAnniversary(id)) *record = dialog.GetRecord();
    } else if (answer == CDayinfoDlg::DeleteResult) {
        file.RemoveAnniversary(id);
    } else {
        return;
    }
    file.SaveAnniversaries();
    m_sheet.GetHost().OnAnniversariesChanged();
}

void CCalendarPage::OnDelete() {
    int index = FocusRecord();
    if (index < 0) return;
    CAnniversaryFile& file = Calendar()->Anniversaries();
    const CDayInfo& record = file.GetList()[index];
    int id = record.m_nId;
    CString question = g_LanguageTable[kDeleteQuestion];
    question.Replace(L"#DATA#", record.m_strText);
    if (ShowMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    ICalendarPageTarget* calendar = Calendar();
    if (!calendar) return;
    calendar->Anniversaries().RemoveAnniversary(id);
    calendar->Anniversaries().SaveAnniversaries();
    m_sheet.GetHost().OnAnniversariesChanged();
}

LRESULT CCalendarPage::OnGridDoubleClick(WPARAM, LPARAM gridId) {
    if ((UINT)gridId == IDC_CA_GRID) OnEdit();
    return 0;
}
