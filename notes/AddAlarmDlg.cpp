#include "notes/AddAlarmDlg.h"

#include "notes/RtfCheck.h"

#include "fw/CommonControls.h"
#include "fw/FileDialog.h"
#include "res/images.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/TimeSelectDlg.h"

#include <richedit.h>

#include <vector>

BEGIN_MESSAGE_MAP(CAddAlarmDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_KIND, OnKindChanged)
    ON_BN_CLICKED(IDC_ALL_DAY, OnAllDay)
    ON_CBN_SELCHANGE(IDC_QUICK_TIME, OnQuickTime)
    ON_BN_CLICKED(IDC_NOW, OnNow)
    ON_BN_CLICKED(IDC_TIME, OnTimeButton)
    ON_BN_CLICKED(IDC_WORKDAYS, OnWorkdays)
    ON_BN_CLICKED(IDC_WEEKEND, OnWeekend)
    ON_BN_CLICKED(IDC_SOUND_BROWSE, OnSoundBrowse)
    ON_BN_CLICKED(IDC_PLAY, OnPlay)
    ON_BN_CLICKED(IDC_COMMAND_BROWSE, OnCommandBrowse)
    ON_BN_CLICKED(IDC_FIND_NOTE, OnFindNote)
    ON_BN_CLICKED(IDC_DONE, OnDone)
    ON_BN_CLICKED(IDC_MANAGE, OnManage)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {
const int kWeekdayChecks[7] = {CAddAlarmDlg::IDC_SUNDAY,   CAddAlarmDlg::IDC_MONDAY, CAddAlarmDlg::IDC_TUESDAY,
                               CAddAlarmDlg::IDC_WEDNESDAY, CAddAlarmDlg::IDC_THURSDAY, CAddAlarmDlg::IDC_FRIDAY,
                               CAddAlarmDlg::IDC_SATURDAY};
const wchar_t* const kKindImages[8] = {L"alarm_all.bmp",    L"alarm_one.bmp",   L"alarm_target.bmp",
                                       L"alarm_week.bmp",   L"alarm_period.bmp", L"alarm_month.bmp",
                                       L"alarm_tgweek.bmp", L"alarm_interval.bmp"};
const int kIconCount = 24;
const COLORREF kDoneColour = 0xB36900;
const COLORREF kNoteBackground = 0xC6C6C6;

CString ResFolder() { return g_ProgramFolder + L"system\\res\\"; }

int ComboSel(CWnd* dlg, int id) { return (int)dlg->SendDlgItemMessage(id, CB_GETCURSEL); }
void SetComboSel(CWnd* dlg, int id, int index) { dlg->SendDlgItemMessage(id, CB_SETCURSEL, (WPARAM)index); }
void AddText(CWnd* dlg, int id, const CString& text) { dlg->SendDlgItemMessage(id, CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text); }
void Show(CWnd* dlg, int id, bool show) {
    if (HWND w = ::GetDlgItem(dlg->m_hWnd, id)) ::ShowWindow(w, show ? SW_SHOW : SW_HIDE);
}
void Enable(CWnd* dlg, int id, bool enable) {
    if (HWND w = ::GetDlgItem(dlg->m_hWnd, id)) ::EnableWindow(w, enable);
}

// Draws cell n of a strip of square-ish cells.
void DrawCell(HDC dc, const RECT& target, HBITMAP strip, int cellWidth, int cellHeight, int n, COLORREF ground) {
    HBRUSH brush = ::CreateSolidBrush(ground);
    ::FillRect(dc, &target, brush);
    ::DeleteObject(brush);
    if (!strip) return;
    HDC mem = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(mem, strip);
    int x = target.left + (target.right - target.left - cellWidth) / 2;
    int y = target.top + (target.bottom - target.top - cellHeight) / 2;
    ::TransparentBlt(dc, x, y, cellWidth, cellHeight, mem, n * cellWidth, 0, cellWidth, cellHeight, RGB(255, 0, 255));
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
}

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* source = reinterpret_cast<std::pair<const BYTE*, size_t>*>(cookie);
    size_t n = source->second < (size_t)size ? source->second : (size_t)size;
    memcpy(buffer, source->first, n);
    source->first += n;
    source->second -= n;
    *done = (LONG)n;
    return 0;
}
}  // namespace

CAddAlarmDlg::CAddAlarmDlg(IAlarmDlgHost& host, const CAlarmInfo* record, const CString& memoFile, CWnd* parent)
    : CDialog(IDD, parent), m_host(host), m_bEdit(record != nullptr) {
    AfxInitRichEdit2();
    if (record) m_record = *record;
    CString linked;
    if (!memoFile.IsEmpty() && IsSafeFileName(memoFile) && FileExists(m_host.MemoFolder() + memoFile)) linked = memoFile;
    m_record.m_strMemoFile = linked;
}

CAddAlarmDlg::~CAddAlarmDlg() {
    if (m_hDoneStrip) ::DeleteObject(m_hDoneStrip);
    if (m_hPlayStrip) ::DeleteObject(m_hPlayStrip);
}

void CAddAlarmDlg::SetDate(int year, int month, int day) {
    m_record.SetTargetDate(year, month, day);
    m_bPresetDate = true;
}

BOOL CAddAlarmDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_kind.SubclassDlgItem(IDC_KIND, this);
    m_icon.SubclassDlgItem(IDC_ICON_LIST, this);
    m_date.SubclassDlgItem(IDC_DATE, this);
    m_start.SubclassDlgItem(IDC_START, this);
    m_end.SubclassDlgItem(IDC_END, this);
    HINSTANCE instance = AfxGetResourceHandle();
    m_hDoneStrip = (HBITMAP)::LoadImageW(instance, MAKEINTRESOURCEW(IDB_DONE_CHECK), IMAGE_BITMAP, 0, 0, 0);
    m_hPlayStrip = (HBITMAP)::LoadImageW(instance, MAKEINTRESOURCEW(IDB_LISTEN), IMAGE_BITMAP, 0, 0, 0);
    TranslateTexts();
    FillLists();

    CAddAlarmLogic::Form form = CAddAlarmLogic::Open(m_record, m_bEdit, m_bPresetDate, m_host.Now());
    WriteControls(form);
    ShowNoteText();
    if (m_bEdit) {
        SetWindowText(g_LanguageTable[10017]);
        m_delete.SubclassDlgItem(IDC_DELETE, this);
        m_delete.SetColor(RGB(255, 164, 164));
        m_delete.SetTextColor(RGB(0, 0, 200));
    } else {
        SetWindowText(g_LanguageTable[10016]);
        Show(this, IDC_DELETE, false);
    }
    UpdateVisibility();
    UpdateEnabled();
    if (m_tips.Create(this)) {
        if (CWnd* play = GetDlgItem(IDC_PLAY)) m_tips.AddTool(play, g_LanguageTable[10015]);
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CenterWindow();
    return TRUE;
}

BOOL CAddAlarmDlg::PreTranslateMessage(MSG* msg) {
    if (m_tips.m_hWnd) m_tips.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}

void CAddAlarmDlg::TranslateTexts() {
    struct Text {
        int id, text;
    } texts[] = {{IDC_SUNDAY, 20118},   {IDC_MONDAY, 20119},   {IDC_TUESDAY, 20120},   {IDC_WEDNESDAY, 20121},
                 {IDC_THURSDAY, 20122}, {IDC_FRIDAY, 20123},   {IDC_SATURDAY, 20124},  {IDC_WORKDAYS, 719},
                 {IDC_WEEKEND, 720},    {IDC_HOLIDAY, 803},    {IDC_EVERY, 25003},     {IDC_DAYS, 25004},
                 {IDC_ALL_DAY, 728},    {IDC_ADVANCE_LABEL, 702}, {IDC_SOUND_LABEL, 725}, {IDC_COMMAND_LABEL, 726},
                 {IDC_CONTENTS_LABEL, 723}, {IDC_FIND_NOTE, 724}, {IDC_DDAY, 710},       {IDC_DONE_LABEL, 27204},
                 {IDC_DELETE, 701},     {IDC_MANAGE, 223},     {IDOK, 23},             {IDCANCEL, 26},
                 {IDC_KIND_LABEL, 709}, {IDC_ICON_LABEL, 727}};
    for (const Text& t : texts) SetDlgItemText(t.id, g_LanguageTable[t.text]);
    SetDlgItemText(IDC_TILDE, L"~");
}

void CAddAlarmDlg::FillLists() {
    CString res = ResFolder();
    for (int kind = 0; kind < 8; ++kind)
        m_kind.AddBitmapFile(res + kKindImages[kind], g_LanguageTable[kind < 7 ? 781 + kind : 25000]);
    m_icon.AddBitmapFile(res + L"ICON_None.bmp");
    for (int i = 1; i <= kIconCount; ++i) {
        CString name;
        name.Format(L"ICON_%02d.bmp", i);
        m_icon.AddBitmapFile(res + name);
    }
    for (int day = 1; day <= 31; ++day) {
        CString text;
        text.Format(L"%d", day);
        AddText(this, IDC_DAY_OF_MONTH, text);
    }
    AddText(this, IDC_DAY_OF_MONTH, g_LanguageTable[791]);
    AddText(this, IDC_WEEK_MONTH, g_LanguageTable[830]);
    for (int m = 1; m <= 12; ++m) AddText(this, IDC_WEEK_MONTH, g_LanguageTable[20200 + m]);
    for (int w = 851; w <= 855; ++w) AddText(this, IDC_WEEK_NUMBER, g_LanguageTable[w]);
    for (int d = 20111; d <= 20117; ++d) AddText(this, IDC_WEEK_DAY, g_LanguageTable[d]);
    for (int q = 731; q <= 740; ++q) AddText(this, IDC_QUICK_TIME, g_LanguageTable[q]);
    for (int a = 751; a <= 761; ++a) AddText(this, IDC_ADVANCE, g_LanguageTable[a]);
    for (int s = 771; s <= 775; ++s) AddText(this, IDC_STYLE, g_LanguageTable[s]);
}

void CAddAlarmDlg::ShowNoteText() {
    bool linked = !m_record.m_strMemoFile.IsEmpty();
    Show(this, IDC_CONTENTS, !linked);
    Show(this, IDC_NOTE_TEXT, linked);
    Show(this, IDC_FIND_NOTE, linked);
    if (!linked) return;
    Enable(this, IDC_STYLE, false);
    if (!m_noteText.SubclassDlgItem(IDC_NOTE_TEXT, this)) return;
    m_noteText.SendMessage(EM_SETBKGNDCOLOR, 0, kNoteBackground);
    std::vector<BYTE> bytes;
    CFile file;
    if (file.Open(m_host.MemoFolder() + m_record.m_strMemoFile, CFile::modeRead | CFile::shareDenyNone)) {
        ULONGLONG length = file.GetLength();
        // A note text is never near this size; more is not a note.
        if (length > 0 && length < 64ull * 1024 * 1024) {
            bytes.resize((size_t)length);
            bytes.resize(file.Read(bytes.data(), (UINT)length));
        }
    }
    // Only a whole note text reaches the control: anything else could
    // overrun it.
    if (!bytes.empty() && CheckNoteRtf(bytes.data(), bytes.size()) == RtfShape::Whole) {
        std::pair<const BYTE*, size_t> source(bytes.data(), bytes.size());
        EDITSTREAM stream = {(DWORD_PTR)&source, 0, ReadBytes};
        m_noteText.StreamIn(SF_RTF, stream);
    }
    CHARFORMAT2W format = {};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_SIZE | CFM_FACE | CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 9 * 20;
    wcsncpy_s(format.szFaceName, m_host.NoteFontFace(), _TRUNCATE);
    m_noteText.SendMessage(EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&format);
}

void CAddAlarmDlg::SetPicker(int id, const SYSTEMTIME& date) {
    SYSTEMTIME t = date;
    SendDlgItemMessage(id, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&t);
}

SYSTEMTIME CAddAlarmDlg::GetPicker(int id) {
    SYSTEMTIME t = {};
    if (SendDlgItemMessage(id, DTM_GETSYSTEMTIME, 0, (LPARAM)&t) != GDT_VALID) t = m_host.Now();
    return t;
}

void CAddAlarmDlg::WriteControls(const CAddAlarmLogic::Form& f) {
    SetComboSel(this, IDC_KIND, f.kind);
    SetPicker(IDC_DATE, f.date);
    SetPicker(IDC_START, f.start);
    SetPicker(IDC_END, f.end);
    m_hour = f.hour;
    m_minute = f.minute;
    ShowTime();
    CheckDlgButton(IDC_ALL_DAY, f.allDay ? BST_CHECKED : BST_UNCHECKED);
    for (int d = 0; d < 7; ++d) CheckDlgButton(kWeekdayChecks[d], (f.weekdayMask >> d) & 1 ? BST_CHECKED : BST_UNCHECKED);
    SetComboSel(this, IDC_DAY_OF_MONTH, f.dayOfMonth);
    SetComboSel(this, IDC_WEEK_MONTH, f.weekMonth);
    SetComboSel(this, IDC_WEEK_NUMBER, f.weekNumber);
    SetComboSel(this, IDC_WEEK_DAY, f.weekDay);
    SetDlgItemText(IDC_INTERVAL, f.interval);
    CheckDlgButton(IDC_DDAY, f.dDay ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_HOLIDAY, f.holiday ? BST_CHECKED : BST_UNCHECKED);
    SetComboSel(this, IDC_ICON_LIST, f.icon);
    SetComboSel(this, IDC_ADVANCE, f.advance);
    SetComboSel(this, IDC_STYLE, f.style);
    SetComboSel(this, IDC_QUICK_TIME, 0);
    m_done = f.done;
    if (HWND done = ::GetDlgItem(m_hWnd, IDC_DONE)) ::InvalidateRect(done, nullptr, FALSE);
    SetDlgItemText(IDC_SOUND, m_record.m_strSound);
    SetDlgItemText(IDC_COMMAND, m_record.m_strCommand);
    SetDlgItemText(IDC_CONTENTS, m_record.m_strContents);
}

CAddAlarmLogic::Form CAddAlarmDlg::ReadControls() {
    CAddAlarmLogic::Form f;
    f.kind = ComboSel(this, IDC_KIND);
    if (f.kind < 0) f.kind = m_record.m_nKind;
    f.date = GetPicker(IDC_DATE);
    f.start = GetPicker(IDC_START);
    f.end = GetPicker(IDC_END);
    f.hour = m_hour;
    f.minute = m_minute;
    f.allDay = IsDlgButtonChecked(IDC_ALL_DAY) == BST_CHECKED;
    for (int d = 0; d < 7; ++d)
        if (IsDlgButtonChecked(kWeekdayChecks[d]) == BST_CHECKED) f.weekdayMask |= 1 << d;
    f.dayOfMonth = ComboSel(this, IDC_DAY_OF_MONTH);
    f.weekMonth = ComboSel(this, IDC_WEEK_MONTH);
    f.weekNumber = ComboSel(this, IDC_WEEK_NUMBER);
    f.weekDay = ComboSel(this, IDC_WEEK_DAY);
    if (f.dayOfMonth < 0) f.dayOfMonth = 0;
    if (f.weekMonth < 0) f.weekMonth = 0;
    if (f.weekNumber < 0) f.weekNumber = 0;
    if (f.weekDay < 0) f.weekDay = 0;
    GetDlgItemText(IDC_INTERVAL, f.interval);
    f.dDay = IsDlgButtonChecked(IDC_DDAY) == BST_CHECKED;
    f.holiday = IsDlgButtonChecked(IDC_HOLIDAY) == BST_CHECKED;
    f.icon = ComboSel(this, IDC_ICON_LIST);
    if (f.icon < 0) f.icon = 0;
    f.advance = ComboSel(this, IDC_ADVANCE);
    f.style = ComboSel(this, IDC_STYLE);
    if (f.style < 0) f.style = m_record.m_nNoticeStyle + 1;
    f.done = m_done;
    return f;
}

void CAddAlarmDlg::ShowTime() { SetDlgItemText(IDC_TIME, CAddAlarmLogic::TimeText(m_hour, m_minute)); }

void CAddAlarmDlg::UpdateVisibility() {
    int kind = ComboSel(this, IDC_KIND);
    Show(this, IDC_DATE, kind == CAlarmInfo::KindTargetDay || kind == CAlarmInfo::KindEveryNDays);
    Show(this, IDC_DDAY, kind == CAlarmInfo::KindTargetDay);
    for (int id : kWeekdayChecks) Show(this, id, kind == CAlarmInfo::KindDaysOfWeek);
    for (int id : {IDC_START, IDC_TILDE, IDC_END}) Show(this, id, kind == CAlarmInfo::KindPeriod);
    Show(this, IDC_DAY_OF_MONTH, kind == CAlarmInfo::KindDayOfMonth);
    for (int id : {IDC_WEEK_MONTH, IDC_WEEK_NUMBER, IDC_WEEK_DAY, IDC_HOLIDAY})
        Show(this, id, kind == CAlarmInfo::KindWeekdayOfMonth);
    for (int id : {IDC_EVERY, IDC_INTERVAL, IDC_DAYS}) Show(this, id, kind == CAlarmInfo::KindEveryNDays);
}

void CAddAlarmDlg::UpdateEnabled() {
    bool timed = IsDlgButtonChecked(IDC_ALL_DAY) != BST_CHECKED;
    for (int id : {IDC_TIME, IDC_QUICK_TIME, IDC_NOW, IDC_ADVANCE_LABEL, IDC_ADVANCE}) Enable(this, id, timed);
}

void CAddAlarmDlg::OnKindChanged() { UpdateVisibility(); }

void CAddAlarmDlg::OnAllDay() {
    m_record.m_nTimeMode = IsDlgButtonChecked(IDC_ALL_DAY) == BST_CHECKED ? CAlarmInfo::TimeModeAllDay
                                                                           : CAlarmInfo::TimeModeTimed;
    UpdateEnabled();
}

void CAddAlarmDlg::OnQuickTime() {
    int seconds = CAddAlarmLogic::QuickTimeSeconds(ComboSel(this, IDC_QUICK_TIME));
    CAddAlarmLogic::QuickTime(m_host.Now(), seconds, m_hour, m_minute);
    ShowTime();
}

void CAddAlarmDlg::OnNow() {
    CAddAlarmLogic::QuickTime(m_host.Now(), 0, m_hour, m_minute);
    ShowTime();
    SetComboSel(this, IDC_QUICK_TIME, 0);
}

void CAddAlarmDlg::OnTimeButton() {
    CTimeSelectDlg picker(this);
    picker.SetTime(m_hour, m_minute);
    if (picker.DoModal() != IDOK || picker.m_hour < 0 || picker.m_minute < 0) return;
    m_hour = picker.m_hour;
    m_minute = picker.m_minute;
    ShowTime();
    CheckDlgButton(IDC_ALL_DAY, BST_UNCHECKED);
    m_record.m_nTimeMode = CAlarmInfo::TimeModeTimed;
    UpdateEnabled();
}

void CAddAlarmDlg::OnWorkdays() {
    CAddAlarmLogic::Form f = ReadControls();
    CAddAlarmLogic::ChooseWorkdays(f);
    SetComboSel(this, IDC_KIND, f.kind);
    for (int d = 0; d < 7; ++d) CheckDlgButton(kWeekdayChecks[d], (f.weekdayMask >> d) & 1 ? BST_CHECKED : BST_UNCHECKED);
}

void CAddAlarmDlg::OnWeekend() {
    CAddAlarmLogic::Form f = ReadControls();
    CAddAlarmLogic::ChooseWeekend(f);
    for (int d = 0; d < 7; ++d) CheckDlgButton(kWeekdayChecks[d], (f.weekdayMask >> d) & 1 ? BST_CHECKED : BST_UNCHECKED);
}

void CAddAlarmDlg::OnSoundBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, L"Wave Files(*.wav) |*.wav||", this);
    if (dialog.DoModal() == IDOK) SetDlgItemText(IDC_SOUND, dialog.GetPathName());
}

void CAddAlarmDlg::OnPlay() {
    CString sound;
    GetDlgItemText(IDC_SOUND, sound);
    if (!sound.IsEmpty()) m_host.PlaySoundFile(sound);
}

void CAddAlarmDlg::OnCommandBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, L"All Files(*.*) |*.*||", this);
    if (dialog.DoModal() == IDOK) SetDlgItemText(IDC_COMMAND, dialog.GetPathName());
}

void CAddAlarmDlg::OnFindNote() {
    if (!m_record.m_strMemoFile.IsEmpty()) m_host.FlashNote(m_record.m_strMemoFile);
}

void CAddAlarmDlg::OnDone() {
    m_done = !m_done;
    if (HWND done = ::GetDlgItem(m_hWnd, IDC_DONE)) ::InvalidateRect(done, nullptr, FALSE);
}

void CAddAlarmDlg::OnManage() {
    m_host.OpenScheduleManager();
    EndDialog(IDCANCEL);
}

void CAddAlarmDlg::OnDelete() {
    CString text = L"\"" + m_record.GetDisplayText() + L"\" " + g_LanguageTable[10041];
    if (ShowMessageBox(text, 4) == IDYES) EndDialog(DeleteResult);
}

void CAddAlarmDlg::OnOK() {
    CAddAlarmLogic::Form form = ReadControls();
    CAlarmInfo working = m_record;
    GetDlgItemText(IDC_SOUND, working.m_strSound);
    GetDlgItemText(IDC_COMMAND, working.m_strCommand);
    if (working.m_strMemoFile.IsEmpty()) GetDlgItemText(IDC_CONTENTS, working.m_strContents);
    CAddAlarmLogic::OkResult result = CAddAlarmLogic::Ok(working, form, m_host.Now());
    if (!result.valid) {
        ShowMessageBox(g_LanguageTable[result.textId], -1);
        if (result.resetPicker != CAddAlarmLogic::NoPicker) {
            SetPicker(result.resetPicker, m_host.Now());
            if (CWnd* picker = GetDlgItem(result.resetPicker)) picker->SetFocus();
        }
        return;
    }
    m_record = result.record;
    RememberDefaults();
    EndDialog(IDOK);
}

void CAddAlarmDlg::RememberDefaults() {
    AlarmDefaults defaults;
    defaults.kind = m_record.m_nKind;
    defaults.noticeStyle = m_record.m_nNoticeStyle;
    defaults.advance = m_record.m_nAdvance;
    defaults.sound = m_record.m_strSound;
    CAlarmInfo::SetDefaults(defaults);
    g_Settings.Alarm.DefaultType = defaults.kind;
    g_Settings.Alarm.AlertType = defaults.noticeStyle;
    g_Settings.Alarm.BeforeAlarm = defaults.advance;
    g_Settings.Alarm.Sound = defaults.sound;
}

void CAddAlarmDlg::OnDrawItem(int id, LPDRAWITEMSTRUCT dis) {
    if (id == IDC_DONE) {
        bool hover = (dis->itemState & ODS_SELECTED) != 0;
        DrawCell(dis->hDC, dis->rcItem, m_hDoneStrip, 16, 16, m_done ? 1 : hover ? 2 : 0,
                 m_done ? kDoneColour : ::GetSysColor(COLOR_BTNFACE));
    } else if (id == IDC_PLAY) {
        int cell = (dis->itemState & ODS_DISABLED) ? 3 : (dis->itemState & ODS_SELECTED) ? 2 : 0;
        DrawCell(dis->hDC, dis->rcItem, m_hPlayStrip, 20, 20, cell, ::GetSysColor(COLOR_BTNFACE));
    } else {
        CDialog::OnDrawItem(id, dis);
    }
}
