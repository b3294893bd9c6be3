#include "app/ClockPage.h"

#include "app/ClockPageTarget.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "fw/FileDialog.h"
#include "res/images.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/MemoSetupLogic.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "widgets/WidgetEnvironment.h"

#include <commctrl.h>

namespace {
struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {1313, 501}, {1314, 502}, {IDC_CP_VIEW_ALWAYS, 503}, {IDC_CP_VIEW_HIDE, 504}, {IDC_CP_VIEW_SET_TIME, 505},
    {IDC_CP_EVERY_HOUR, 506}, {IDC_CP_EVERY_HALF, 507}, {1315, 508}, {1316, 510}, {1317, 511}, {1318, 512},
    {1319, 513}, {1320, 514}, {1321, 515}, {IDC_CP_MOUSE_OVER, 517}, {1322, 516}, {IDC_CP_START_VIEW, 509},
};
const int kClockHotKeyId = 14;
const int kNotUse = 541, kBasic = 542, kListenTip = 10015;
const int kLocationTexts[] = {521, 522, 523};
const wchar_t kWaveFilter[] = L"Wave Files(*.wav) |*.wav|";
const wchar_t kBasicChime[] = L"system\\res\\clock_te.wav";
const UINT WM_CLOCK_PAGE_TIP = WM_APP + 0x120;

void FillNumbers(HWND list, int first, int count, const wchar_t* firstText) {
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    if (firstText) ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)firstText);
    for (int i = 0; i < count; ++i) {
        CString text;
        text.Format(L"%d", first + i);
        ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)text.GetString());
    }
}

int Selected(CWnd* page, UINT id, int fallback) {
    int index = (int)page->SendDlgItemMessage(id, CB_GETCURSEL, 0, 0);
    return index >= 0 ? index : fallback;
}

CString FileNameOf(const CString& path) {
    int slash = path.ReverseFind(L'\\');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}
}  // namespace

BEGIN_MESSAGE_MAP(CClockPage, CSettingsPage)
    ON_WM_HSCROLL()
    ON_CBN_SELCHANGE(IDC_CP_SKIN, OnSkinChanged)
    ON_CBN_SELCHANGE(IDC_CP_SOUND, OnSoundChanged)
    ON_BN_CLICKED(IDC_CP_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_CP_LISTEN, OnListen)
    ON_MESSAGE(WM_CLOCK_PAGE_TIP, OnMakeTip)
END_MESSAGE_MAP()

CClockPage::CClockPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_CLOCK_PAGE) {
    m_fields.Load(g_Settings, g_Settings.General.EnableDesktop != 0);
    // The clock window knows its own transparency, level and hiding best.
    if (IClockPageTarget* clock = Clock()) {
        m_fields.transVal = ClampTransparency(clock->GetAlpha());
        m_fields.mouseOverHiding = clock->GetMouseOverHiding() ? 1 : 0;
        m_fields.zPosition = CMemoSetupLogic::ClampZPosition(clock->GetZPosition(), g_Settings.General.EnableDesktop != 0);
    }
}

IClockPageTarget* CClockPage::Clock() { return m_sheet.GetHost().GetClockTarget(); }

BOOL CClockPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    FillNumbers(::GetDlgItem(m_hWnd, IDC_CP_VIEW_TIME), 1, CClockPageLogic::VIEW_TIME_ITEMS, nullptr);
    for (int i = 0; i < 3; ++i)
        FillNumbers(::GetDlgItem(m_hWnd, IDC_CP_MINUTE_FIRST + i), 1, CClockPageLogic::MINUTE_ITEMS - 1, L"OFF");
    FillNumbers(::GetDlgItem(m_hWnd, IDC_CP_BEFORE), 1, CClockPageLogic::SECONDS_ITEMS, nullptr);
    FillNumbers(::GetDlgItem(m_hWnd, IDC_CP_AFTER), 1, CClockPageLogic::SECONDS_ITEMS, nullptr);
    ApplyTexts();
    m_hotKey.SubclassDlgItem(IDC_CP_HOTKEY, this);
    m_hotKey.SetHotKey(&g_Settings.HotKeyTable[kClockHotKeyId]);

    m_skins = ListClockSkins(g_ProgramFolder + L"skin\\Clock\\");
    HWND skinList = ::GetDlgItem(m_hWnd, IDC_CP_SKIN);
    ::SendMessageW(skinList, CB_ADDSTRING, 0, (LPARAM)L"Default");
    for (const ClockSkinEntry& skin : m_skins) ::SendMessageW(skinList, CB_ADDSTRING, 0, (LPARAM)skin.name.GetString());
    IClockPageTarget* clock = Clock();
    int skin = clock ? FindClockSkinItem(m_skins, clock->GetSkinFile()) : 0;
    ::SendMessageW(skinList, CB_SETCURSEL, (WPARAM)skin, 0);

    m_listen.SubclassDlgItem(IDC_CP_LISTEN, this);
    m_listen.LoadImageStrip(IDB_LISTEN, 20, 20, RGB(255, 0, 255));
    m_listen.SetState(0);
    // The tip is a window owned by the sheet: it is made once the sheet has
    // taken its place on top, which making it earlier would undo.
    PostMessage(WM_CLOCK_PAGE_TIP);

    bool nt = g_PlatformId >= 2;
    SendDlgItemMessage(IDC_CP_TRANS, TBM_SETRANGE, FALSE, MAKELPARAM(TRANSPARENCY_MIN, TRANSPARENCY_MAX));
    SendDlgItemMessage(IDC_CP_TRANS, TBM_SETLINESIZE, 0, 1);
    GetDlgItem(IDC_CP_TRANS)->EnableWindow(nt);
    GetDlgItem(IDC_CP_MOUSE_OVER)->EnableWindow(nt);
    UpdateControls();
    return TRUE;
}

void CClockPage::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    HWND list = ::GetDlgItem(m_hWnd, IDC_CP_ZPOSITION);
    int selected = (int)::SendMessageW(list, CB_GETCURSEL, 0, 0);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < (g_Settings.General.EnableDesktop ? 3 : 2); ++i)
        ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[kLocationTexts[i]].GetString());
    ::SendMessageW(list, CB_SETCURSEL, (WPARAM)selected, 0);
    FillSoundList();
}

void CClockPage::FillSoundList() {
    HWND list = ::GetDlgItem(m_hWnd, IDC_CP_SOUND);
    if (!list) return;
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[kNotUse].GetString());
    ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[kBasic].GetString());
    if (!m_fields.soundFile.IsEmpty())
        ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)FileNameOf(m_fields.soundFile).GetString());
    int item = CClockPageLogic::SoundItem(m_fields.soundBasic, m_fields.soundFile);
    ::SendMessageW(list, CB_SETCURSEL, (WPARAM)item, 0);
    if (CWnd* listen = GetDlgItem(IDC_CP_LISTEN)) listen->ShowWindow(item != CClockPageLogic::SOUND_NONE ? SW_SHOW : SW_HIDE);
}

// ---- Fields and controls -------------------------------------------------------------

void CClockPage::ReadControls() {
    auto checked = [this](UINT id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
    CClockPageLogic& f = m_fields;
    f.viewTime = Selected(this, IDC_CP_VIEW_TIME, f.viewTime);
    if (checked(IDC_CP_VIEW_ALWAYS)) f.viewMode = 0;
    else if (checked(IDC_CP_VIEW_HIDE)) f.viewMode = 1;
    else if (checked(IDC_CP_VIEW_SET_TIME)) f.viewMode = 2;
    f.everyHour = checked(IDC_CP_EVERY_HOUR);
    f.everyHalfHour = checked(IDC_CP_EVERY_HALF);
    for (int i = 0; i < 3; ++i) f.userMinute[i] = Selected(this, IDC_CP_MINUTE_FIRST + i, f.userMinute[i]);
    f.before = Selected(this, IDC_CP_BEFORE, f.before);
    f.after = Selected(this, IDC_CP_AFTER, f.after);
    f.transVal = ClampTransparency((int)SendDlgItemMessage(IDC_CP_TRANS, TBM_GETPOS, 0, 0));
    f.mouseOverHiding = checked(IDC_CP_MOUSE_OVER);
    f.zPosition = Selected(this, IDC_CP_ZPOSITION, f.zPosition);
    f.startView = checked(IDC_CP_START_VIEW);
}

void CClockPage::UpdateControls() {
    auto check = [this](UINT id, int on) { CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); };
    const CClockPageLogic& f = m_fields;
    SendDlgItemMessage(IDC_CP_VIEW_TIME, CB_SETCURSEL, (WPARAM)f.viewTime, 0);
    CheckRadioButton(IDC_CP_VIEW_ALWAYS, IDC_CP_VIEW_SET_TIME, IDC_CP_VIEW_ALWAYS + f.viewMode);
    check(IDC_CP_EVERY_HOUR, f.everyHour);
    check(IDC_CP_EVERY_HALF, f.everyHalfHour);
    for (int i = 0; i < 3; ++i) SendDlgItemMessage(IDC_CP_MINUTE_FIRST + i, CB_SETCURSEL, (WPARAM)f.userMinute[i], 0);
    SendDlgItemMessage(IDC_CP_BEFORE, CB_SETCURSEL, (WPARAM)f.before, 0);
    SendDlgItemMessage(IDC_CP_AFTER, CB_SETCURSEL, (WPARAM)f.after, 0);
    SendDlgItemMessage(IDC_CP_TRANS, TBM_SETPOS, TRUE, f.transVal);
    SetDlgItemText(IDC_CP_PERCENT, TransparencyPercentText(f.transVal));
    check(IDC_CP_MOUSE_OVER, f.mouseOverHiding);
    SendDlgItemMessage(IDC_CP_ZPOSITION, CB_SETCURSEL, (WPARAM)f.zPosition, 0);
    check(IDC_CP_START_VIEW, f.startView);
    FillSoundList();
}

// ---- Apply and defaults ----------------------------------------------------------------

void CClockPage::Apply() {
    ReadControls();
    m_fields.Store(g_Settings);
    g_Settings.Clock.ZPosition = m_fields.zPosition;
    if (IClockPageTarget* clock = Clock()) {
        clock->ShowOrHide(m_fields.viewMode);
        clock->SetMouseOverHiding(m_fields.mouseOverHiding);
        clock->SetZPosition(m_fields.zPosition);
        clock->Repaint();
    }
}

void CClockPage::SetDefaults() {
    m_fields.SetDefaults();
    g_Settings.Clock.TransVal = 255;
    if (IClockPageTarget* clock = Clock()) clock->SetAlpha(255);
    UpdateControls();
}

// ---- Controls that act at once -----------------------------------------------------------

void CClockPage::OnHScroll(UINT, UINT, CScrollBar* bar) {
    if (!bar || bar->GetDlgCtrlID() != IDC_CP_TRANS) return;
    int value = ClampTransparency((int)SendDlgItemMessage(IDC_CP_TRANS, TBM_GETPOS, 0, 0));
    m_fields.transVal = value;
    if (IClockPageTarget* clock = Clock()) clock->SetAlpha(value);
    g_Settings.Clock.TransVal = value;
    SetDlgItemText(IDC_CP_PERCENT, TransparencyPercentText(value));
}

void CClockPage::OnSkinChanged() {
    int item = Selected(this, IDC_CP_SKIN, 0);
    IClockPageTarget* clock = Clock();
    if (!clock) return;
    if (item <= 0 || item > (int)m_skins.size())
        clock->LoadDefaultSkin();
    else
        clock->LoadSkin(m_skins[item - 1].path);
}

void CClockPage::OnSoundChanged() {
    m_fields.ChooseSound(Selected(this, IDC_CP_SOUND, 0));
    FillSoundList();
}

void CClockPage::OnBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kWaveFilter, this);
    if (dialog.DoModal() != IDOK) return;
    m_fields.ChooseSoundFile(dialog.GetPathName());
    FillSoundList();
}

void CClockPage::OnListen() {
    ReadControls();
    if (m_fields.soundBasic)
        GetWidgetEnvironment().PlaySoundAsync(g_ProgramFolder + kBasicChime);
    else if (!m_fields.soundFile.IsEmpty())
        GetWidgetEnvironment().PlaySoundAsync(m_fields.soundFile);
}

LRESULT CClockPage::OnMakeTip(WPARAM, LPARAM) {
    m_listen.SetTooltipText(g_LanguageTable[kListenTip]);
    return 0;
}
