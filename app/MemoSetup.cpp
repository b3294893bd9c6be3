#include "app/MemoSetup.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/Seams.h"
#include "shell/Settings.h"

#include <commctrl.h>

namespace {
struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {1273, 101}, {1279, 110}, {1276, 107}, {1290, 25022}, {1275, 106}, {1284, 121}, {1289, 122},
    {1291, 103}, {1292, 104}, {1293, 112}, {1294, 108}, {1295, 111}, {1296, 516}, {1297, 163},
    {1298, 105}, {1299, 114}, {1300, 118},
    {IDC_MS_FIT_TITLE, 113},        {IDC_MS_MOUSE_OVER, 115},   {IDC_MS_TIP_AUTO_HEIGHT, 25102},
    {IDC_MS_SIMPLE_INACTIVE, 116},  {IDC_MS_VIEW_EDIT_TIME, 117}, {IDC_MS_RESTORE_SCROLL, 119},
    {IDC_MS_HYPERLINK, 120},        {IDC_MS_AUTO_HEIGHT, 123},
};
const int kTipModeTexts[] = {151, 152, 153, 154, 155};
const int kSkinTypeTexts[] = {160, 161, 162};
const int kLocationTexts[] = {521, 522, 523};
const UINT kHotKeyButtons[3] = {IDC_MS_HOTKEY_NEW, IDC_MS_HOTKEY_SEE_ALL, IDC_MS_HOTKEY_HIDE_ALL};
const int kMonitorText = 150;

void FillTexts(CWnd* page, UINT id, const int* texts, int count) {
    HWND list = ::GetDlgItem(page->GetSafeHwnd(), id);
    if (!list) return;
    int selected = (int)::SendMessageW(list, CB_GETCURSEL, 0, 0);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[texts[i]].GetString());
    ::SendMessageW(list, CB_SETCURSEL, selected, 0);
}

void FillNumbers(CWnd* page, UINT id, int first, int step, int count) {
    HWND list = ::GetDlgItem(page->GetSafeHwnd(), id);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        CString text;
        text.Format(L"%d", first + step * i);
        ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)text.GetString());
    }
}

int Selected(CWnd* page, UINT id, int fallback) {
    int index = (int)page->SendDlgItemMessage(id, CB_GETCURSEL, 0, 0);
    return index >= 0 ? index : fallback;
}
}  // namespace

BEGIN_MESSAGE_MAP(CMemoSetup, CSettingsPage)
    ON_WM_HSCROLL()
    ON_BN_CLICKED(IDC_MS_SIMPLE_INACTIVE, OnDisplayCheck)
    ON_BN_CLICKED(IDC_MS_VIEW_EDIT_TIME, OnDisplayCheck)
    ON_STN_CLICKED(IDC_MS_TIME_COLOR, OnTimeColor)
    ON_CBN_SELCHANGE(IDC_MS_TIP_MODE, OnTipModeChanged)
END_MESSAGE_MAP()

CMemoSetup::CMemoSetup(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_MEMO_SETUP) {
    m_fields.Load(g_Settings.General, MonitorCount(), g_Settings.General.EnableDesktop != 0);
}

int CMemoSetup::MonitorCount() { return g_Monitors.GetCount(); }

BOOL CMemoSetup::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    FillNumbers(this, IDC_MS_START_DX, CMemoSetupLogic::START_DX_FIRST, 10, CMemoSetupLogic::START_DX_ITEMS);
    FillNumbers(this, IDC_MS_START_DY, CMemoSetupLogic::START_DY_FIRST, 10, CMemoSetupLogic::START_DY_ITEMS);
    FillNumbers(this, IDC_MS_CONTRACT_DX, CMemoSetupLogic::CONTRACT_DX_FIRST, 10, CMemoSetupLogic::CONTRACT_DX_ITEMS);
    HWND interval = ::GetDlgItem(m_hWnd, IDC_MS_CHECK_INTERVAL);
    for (int minutes : CMemoSetupLogic::kCheckIntervals) {
        CString text;
        text.Format(L"%d", minutes);
        ::SendMessageW(interval, CB_ADDSTRING, 0, (LPARAM)text.GetString());
    }
    ApplyTexts();

    bool nt = g_PlatformId >= 2;
    for (int i = 0; i < 3; ++i) {
        m_hotKeyButtons[i].SubclassDlgItem(kHotKeyButtons[i], this);
        m_hotKeyButtons[i].SetHotKey(&g_Settings.HotKeyTable[i]);
    }
    for (UINT id : {IDC_MS_MAX_TRANS, IDC_MS_MIN_TRANS}) {
        SendDlgItemMessage(id, TBM_SETRANGE, FALSE, MAKELPARAM(TRANSPARENCY_MIN, TRANSPARENCY_MAX));
        SendDlgItemMessage(id, TBM_SETLINESIZE, 0, 1);
        GetDlgItem(id)->EnableWindow(nt);
    }

    m_font.SubclassDlgItem(IDC_MS_FONT, this);
    m_font.SetPreviewStyle(11, TRUE);
    m_font.SendMessage(CB_SETITEMHEIGHT, 0, 11);
    m_size.SubclassDlgItem(IDC_MS_TEXT_SIZE, this);
    m_size.SetFontHeight(11);
    for (int size : CMemoSetupLogic::kTextSizes) {
        CString text;
        text.Format(L"%d", size);
        m_size.SendMessage(CB_ADDSTRING, 0, (LPARAM)text.GetString());
    }
    m_color.SubclassDlgItem(IDC_MS_TEXT_COLOR, this);
    m_color.FillColors();

    auto toggle = [this](CShareCheckButton& button, UINT id, int image) {
        button.SubclassDlgItem(id, this);
        // The pictures are 12 x 12 pixels whatever the dialog's units.
        button.SetWindowPos(nullptr, 0, 0, 12, 12, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        button.SetImageIndex(image);
        button.m_crPressed = 0x00FFFF;
        button.m_crNormal = 0xA8DEFC;
        button.m_crHover = 0x8CF9FF;
    };
    toggle(m_bold, IDC_MS_BOLD, 2);
    toggle(m_italic, IDC_MS_ITALIC, 3);
    toggle(m_underLine, IDC_MS_UNDERLINE, 4);

    // One item per monitor; a stored index beyond the last one was brought
    // onto the last when the fields were read.
    int monitors = MonitorCount();
    HWND monitorList = ::GetDlgItem(m_hWnd, IDC_MS_MONITOR);
    for (int i = 0; i < monitors; ++i) {
        CString text = g_LanguageTable[kMonitorText];
        CString number;
        number.Format(L"%d", i + 1);
        text.Replace(L"#A#", number);
        ::SendMessageW(monitorList, CB_ADDSTRING, 0, (LPARAM)text.GetString());
    }
    ::EnableWindow(monitorList, monitors > 1);

    m_timeColor.SubclassDlgItem(IDC_MS_TIME_COLOR, this);
    UpdateControls();
    return TRUE;
}

void CMemoSetup::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    FillTexts(this, IDC_MS_TIP_MODE, kTipModeTexts, 5);
    FillTexts(this, IDC_MS_SKIN_TYPE, kSkinTypeTexts, 3);
    FillTexts(this, IDC_MS_ZPOSITION, kLocationTexts, g_Settings.General.EnableDesktop ? 3 : 2);
}

void CMemoSetup::ShowPercent(UINT id, int value) { SetDlgItemText(id, TransparencyPercentText(value)); }

// ---- Fields and controls -------------------------------------------------------------

void CMemoSetup::ReadControls() {
    auto checked = [this](UINT id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
    CMemoSetupLogic& f = m_fields;
    f.startDX = Selected(this, IDC_MS_START_DX, f.startDX);
    f.startDY = Selected(this, IDC_MS_START_DY, f.startDY);
    f.contractDX = Selected(this, IDC_MS_CONTRACT_DX, f.contractDX);
    f.maxTrans = ClampTransparency((int)SendDlgItemMessage(IDC_MS_MAX_TRANS, TBM_GETPOS, 0, 0));
    f.minTrans = ClampTransparency((int)SendDlgItemMessage(IDC_MS_MIN_TRANS, TBM_GETPOS, 0, 0));
    f.zPosition = Selected(this, IDC_MS_ZPOSITION, f.zPosition);
    int face = (int)m_font.SendMessage(CB_GETCURSEL);
    if (face >= 0) {
        int length = (int)m_font.SendMessage(CB_GETLBTEXTLEN, (WPARAM)face);
        CString name;
        if (length > 0) {
            m_font.SendMessage(CB_GETLBTEXT, (WPARAM)face, (LPARAM)name.GetBuffer(length + 1));
            name.ReleaseBuffer(length);
        }
        f.fontName = name;
    }
    f.textSize = CMemoSetupLogic::kTextSizes[Selected(this, IDC_MS_TEXT_SIZE, 2) % CMemoSetupLogic::TEXT_SIZE_COUNT];
    f.textColor = m_color.GetSelectedColor();
    f.bold = m_bold.GetCheck() ? 1 : 0;
    f.italic = m_italic.GetCheck() ? 1 : 0;
    f.underLine = m_underLine.GetCheck() ? 1 : 0;
    f.skinType = Selected(this, IDC_MS_SKIN_TYPE, f.skinType);
    f.fitTitleWidth = checked(IDC_MS_FIT_TITLE);
    f.workMonitor = Selected(this, IDC_MS_MONITOR, f.workMonitor);
    f.tipMode = Selected(this, IDC_MS_TIP_MODE, f.tipMode);
    f.mouseOverHiding = checked(IDC_MS_MOUSE_OVER);
    f.tipAutoHeight = checked(IDC_MS_TIP_AUTO_HEIGHT);
    f.simpleMemoInactive = checked(IDC_MS_SIMPLE_INACTIVE);
    f.viewEditTime = checked(IDC_MS_VIEW_EDIT_TIME);
    f.restoreScrollPos = checked(IDC_MS_RESTORE_SCROLL);
    f.hyperLink = checked(IDC_MS_HYPERLINK);
    f.autoMemoHeight = checked(IDC_MS_AUTO_HEIGHT);
    f.checkInterval = Selected(this, IDC_MS_CHECK_INTERVAL, f.checkInterval);
}

void CMemoSetup::UpdateControls() {
    auto check = [this](UINT id, int on) { CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); };
    const CMemoSetupLogic& f = m_fields;
    SendDlgItemMessage(IDC_MS_START_DX, CB_SETCURSEL, (WPARAM)f.startDX, 0);
    SendDlgItemMessage(IDC_MS_START_DY, CB_SETCURSEL, (WPARAM)f.startDY, 0);
    SendDlgItemMessage(IDC_MS_CONTRACT_DX, CB_SETCURSEL, (WPARAM)f.contractDX, 0);
    SendDlgItemMessage(IDC_MS_MAX_TRANS, TBM_SETPOS, TRUE, f.maxTrans);
    SendDlgItemMessage(IDC_MS_MIN_TRANS, TBM_SETPOS, TRUE, f.minTrans);
    ShowPercent(IDC_MS_MAX_PERCENT, f.maxTrans);
    ShowPercent(IDC_MS_MIN_PERCENT, f.minTrans);
    SendDlgItemMessage(IDC_MS_ZPOSITION, CB_SETCURSEL, (WPARAM)f.zPosition, 0);
    // A face this computer does not have selects nothing, so that Apply
    // keeps the stored name instead of whichever font comes first.
    int face = f.fontName.IsEmpty() ? -1
                                     : (int)m_font.SendMessage(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)f.fontName.GetString());
    m_font.SendMessage(CB_SETCURSEL, (WPARAM)face);
    m_size.SendMessage(CB_SETCURSEL, (WPARAM)CMemoSetupLogic::TextSizeIndex(f.textSize));
    // A colour the list does not offer selects nothing (Apply stores 0 then).
    if (m_color.SelectColor(f.textColor) < 0) m_color.SendMessage(CB_SETCURSEL, (WPARAM)-1);
    m_bold.SetCheck(f.bold);
    m_italic.SetCheck(f.italic);
    m_underLine.SetCheck(f.underLine);
    SendDlgItemMessage(IDC_MS_SKIN_TYPE, CB_SETCURSEL, (WPARAM)f.skinType, 0);
    check(IDC_MS_FIT_TITLE, f.fitTitleWidth);
    SendDlgItemMessage(IDC_MS_MONITOR, CB_SETCURSEL, (WPARAM)f.workMonitor, 0);
    SendDlgItemMessage(IDC_MS_TIP_MODE, CB_SETCURSEL, (WPARAM)f.tipMode, 0);
    check(IDC_MS_MOUSE_OVER, f.tipMode == 0 ? f.mouseOverHiding : 0);
    GetDlgItem(IDC_MS_MOUSE_OVER)->EnableWindow(g_PlatformId >= 2 && f.tipMode == 0);
    check(IDC_MS_TIP_AUTO_HEIGHT, f.tipAutoHeight);
    check(IDC_MS_SIMPLE_INACTIVE, f.simpleMemoInactive);
    check(IDC_MS_VIEW_EDIT_TIME, f.viewEditTime);
    GetDlgItem(IDC_MS_VIEW_EDIT_TIME)->EnableWindow(f.simpleMemoInactive != 0);
    m_timeColor.SetBkColor(f.inactiveTitleCol);
    check(IDC_MS_RESTORE_SCROLL, f.restoreScrollPos);
    check(IDC_MS_HYPERLINK, f.hyperLink);
    check(IDC_MS_AUTO_HEIGHT, f.autoMemoHeight);
    SendDlgItemMessage(IDC_MS_CHECK_INTERVAL, CB_SETCURSEL, (WPARAM)f.checkInterval, 0);
}

// ---- Apply and defaults ----------------------------------------------------------------

void CMemoSetup::Apply() {
    ReadControls();
    ISettingsHost& host = m_sheet.GetHost();
    if (m_fields.Store(g_Settings.General, MonitorCount())) {
        host.RestartMemoReminders();
        host.SlideOutDockedQuickMenu();
    }
    // The monitor may have changed under a docked bar.
    host.UpdateDockedQuickMenuWorkArea();
}

void CMemoSetup::SetDefaults() {
    m_fields.SetDefaults();
    // The first colour of the list.
    m_fields.textColor = (COLORREF)m_color.SendMessage(CB_GETITEMDATA, 0);
    g_Settings.General.MaxTransVal = g_Settings.General.MinTransVal = 255;
    ISettingsHost& host = m_sheet.GetHost();
    host.SetMemoAlpha(0, 255);
    host.SetMemoAlpha(1, 255);
    m_bold.SetState(0);
    m_italic.SetState(0);
    m_underLine.SetState(0);
    UpdateControls();
}

// ---- Controls that act at once -----------------------------------------------------------

void CMemoSetup::OnHScroll(UINT, UINT, CScrollBar* bar) {
    int id = bar ? bar->GetDlgCtrlID() : 0;
    if (id != IDC_MS_MAX_TRANS && id != IDC_MS_MIN_TRANS) return;
    int value = ClampTransparency((int)SendDlgItemMessage(id, TBM_GETPOS, 0, 0));
    bool spread = id == IDC_MS_MAX_TRANS;
    (spread ? m_fields.maxTrans : m_fields.minTrans) = value;
    (spread ? g_Settings.General.MaxTransVal : g_Settings.General.MinTransVal) = value;
    m_sheet.GetHost().SetMemoAlpha(spread ? 1 : 0, value);
    ShowPercent(spread ? IDC_MS_MAX_PERCENT : IDC_MS_MIN_PERCENT, value);
}

void CMemoSetup::OnDisplayCheck() {
    m_fields.simpleMemoInactive = IsDlgButtonChecked(IDC_MS_SIMPLE_INACTIVE) == BST_CHECKED ? 1 : 0;
    m_fields.viewEditTime = IsDlgButtonChecked(IDC_MS_VIEW_EDIT_TIME) == BST_CHECKED ? 1 : 0;
    g_Settings.General.SimpleMemoInactive = m_fields.simpleMemoInactive;
    g_Settings.General.ViewEditTime = m_fields.viewEditTime;
    GetDlgItem(IDC_MS_VIEW_EDIT_TIME)->EnableWindow(m_fields.simpleMemoInactive != 0);
    m_sheet.GetHost().ShowMemoTitleParts(m_fields.simpleMemoInactive);
}

void CMemoSetup::OnTimeColor() {
    COLORREF chosen = m_fields.inactiveTitleCol;
    if (!GetColorChooser().Choose(m_hWnd, m_fields.inactiveTitleCol, chosen)) return;
    m_fields.inactiveTitleCol = chosen;
    m_timeColor.SetBkColor(chosen);
}

void CMemoSetup::OnTipModeChanged() {
    ReadControls();
    if (m_fields.tipMode != 0) m_fields.mouseOverHiding = 0;
    UpdateControls();
}
