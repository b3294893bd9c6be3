#include "widgets/DayScheduleDlg.h"

#include "widgets/MeterButton.h"
#include "widgets/MeterSchedule.h"
#include "widgets/WidgetIds.h"

#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

BEGIN_MESSAGE_MAP(CDayScheduleDlg, CGDIDialog)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOVE()
    ON_MESSAGE(WM_SCHEDULE_OPEN_ITEM, OnOpenItem)
    ON_MESSAGE(WM_SCHEDULE_ADD_SCHEDULE, OnAddSchedule)
    ON_MESSAGE(WM_SCHEDULE_ADD_ANNIVERSARY, OnAddAnniversary)
END_MESSAGE_MAP()

CDayScheduleDlg::CDayScheduleDlg(IDayScheduleHost& host, CWnd* parent)
    : CGDIDialog(IDD_SKIN_WINDOW, parent), m_host(host) {}

CDayScheduleDlg::~CDayScheduleDlg() = default;

BOOL CDayScheduleDlg::OnInitDialog() {
    const CSettings::ScheduleSection& s = g_Settings.Schedule;
    SetPosition(s.WinX, s.WinY);
    m_nZPosition = s.ZPosition;
    SetSkinFolder(g_ProgramFolder + L"skin\\Schedule\\");
    CString skin = s.SkinFile;
    if (skin.IsEmpty()) skin = g_ProgramFolder + L"skin\\Schedule\\default\\default.xml";
    SetSkinFile(skin);
    CGDIDialog::OnInitDialog();
    int alpha = s.TransVal;
    if (alpha <= 0 || alpha > 255) alpha = 255;
    SetAlpha(alpha);
    m_bMouseOverHiding = s.MouseOverHiding;
    m_bMovable = s.AllowMove;
    return FALSE;
}

void CDayScheduleDlg::PostNcDestroy() {
    SaveState();
    CGDIDialog::PostNcDestroy();
}

void CDayScheduleDlg::SaveState() {
    CSettings::ScheduleSection& s = g_Settings.Schedule;
    s.SkinFile = GetSkinFile();
    s.ZPosition = m_nZPosition;
    s.TransVal = GetAlpha();
    s.MouseOverHiding = m_bMouseOverHiding;
    s.AllowMove = m_bMovable;
}

CPoint CDayScheduleDlg::GetTopLeft() { return CPoint(g_Settings.Schedule.WinX, g_Settings.Schedule.WinY); }

void CDayScheduleDlg::OnMove(int x, int y) {
    CGDIDialog::OnMove(x, y);
    if (GetBackBuffer() && m_bSavePosition) {
        CRect rect = GetRect();
        g_Settings.Schedule.WinX = rect.left;
        g_Settings.Schedule.WinY = rect.top;
        m_bChanged = 1;
    }
}

// ---- Skin and list ----

std::vector<CMeterSchedule*> CDayScheduleDlg::ScheduleMeters() const {
    std::vector<CMeterSchedule*> meters;
    for (CMeter* meter : GetMeters())
        if (meter->GetKind() == METER_SCHEDULE)
            if (auto* schedule = dynamic_cast<CMeterSchedule*>(meter)) meters.push_back(schedule);
    return meters;
}

void CDayScheduleDlg::FindAddButtons() {
    m_pAddSchedule = m_pAddAnniversary = nullptr;
    for (CMeter* meter : GetMeters()) {
        auto* button = meter->IsButton() ? dynamic_cast<CMeterButton*>(meter) : nullptr;
        if (!button) continue;
        const CString command = button->GetCommand();
        if (command.CompareNoCase(L"_ADDSCHEDULE") == 0) m_pAddSchedule = button;
        if (command.CompareNoCase(L"_ADDANNIVERSARY") == 0) m_pAddAnniversary = button;
    }
}

BOOL CDayScheduleDlg::LoadSkin(const CString& path) {
    // The old skin's buttons go with it.
    m_pAddSchedule = m_pAddAnniversary = nullptr;
    BOOL loaded = CGDIDialog::LoadSkin(path);
    FindAddButtons();
    if (loaded) RefreshSchedules();
    return loaded;
}

void CDayScheduleDlg::RefreshSchedules() { ShowDate(-1, -1, -1); }

void CDayScheduleDlg::ShowDate(int year, int month, int day) {
    std::vector<CMeterSchedule*> meters = ScheduleMeters();
    for (CMeterSchedule* meter : meters) meter->SetDate(year, month, day);
    if (!meters.empty()) {
        const int bottom = meters.back()->GetListBottom();
        for (CMeterButton* button : {m_pAddSchedule, m_pAddAnniversary})
            if (button) button->MoveTo(button->GetX(true), bottom);
    }
    if (m_hWnd) Redraw();
}

// ---- Commands ----

int CDayScheduleDlg::ExecuteCommand(const CString& command) {
    if (command.CompareNoCase(L"ADDSCHEDULE") == 0 || command.CompareNoCase(L"_ADDSCHEDULE") == 0) {
        PostMessage(WM_SCHEDULE_ADD_SCHEDULE, 0, 0);
        return 1;
    }
    if (command.CompareNoCase(L"ADDANNIVERSARY") == 0 || command.CompareNoCase(L"_ADDANNIVERSARY") == 0) {
        PostMessage(WM_SCHEDULE_ADD_ANNIVERSARY, 0, 0);
        return 1;
    }
    return CGDIDialog::ExecuteCommand(command);
}

LRESULT CDayScheduleDlg::OnAddSchedule(WPARAM, LPARAM) {
    std::vector<CMeterSchedule*> meters = ScheduleMeters();
    if (meters.empty()) return 0;
    CMeterSchedule* meter = meters.back();
    m_host.NewAlarmOnDate(meter->GetShownYear(), meter->GetShownMonth(), meter->GetShownDay());
    return 0;
}

LRESULT CDayScheduleDlg::OnAddAnniversary(WPARAM, LPARAM) {
    std::vector<CMeterSchedule*> meters = ScheduleMeters();
    if (meters.empty()) return 0;
    CMeterSchedule* meter = meters.back();
    m_host.NewAnniversaryOnDate(meter->GetShownMonth(), meter->GetShownDay());
    return 0;
}

LRESULT CDayScheduleDlg::OnOpenItem(WPARAM id, LPARAM) {
    const int item = (int)id;
    if (item >= kAnniversaryIdBase)
        m_host.EditAnniversary(item);
    else
        m_host.EditAlarm(item);
    return 0;
}

// ---- Clicks on rows ----

void CDayScheduleDlg::OnNcLButtonDown(UINT hitTest, CPoint point) {
    CPoint client = point;
    ScreenToClient(&client);
    for (CMeterSchedule* meter : ScheduleMeters())
        if (meter->HitTestRow(client.x, client.y)) {
            Redraw();
            break;
        }
    CGDIDialog::OnNcLButtonDown(hitTest, point);
}

void CDayScheduleDlg::EndNcClick(int x, int y) {
    // Before any redraw, which puts the window back where it was remembered.
    const bool dragged = GetRect().TopLeft() != m_rcDrag.TopLeft();
    int id = -1;
    bool cleared = false;
    for (CMeterSchedule* meter : ScheduleMeters()) {
        const int selected = meter->GetSelectedId();
        // Whichever list holds the pressed row names the item.
        if (selected >= 0) id = selected;
        if (meter->GetSelected() != -1) {
            meter->SetSelected(-1);
            cleared = true;
        }
    }
    if (cleared) Redraw();
    if (id >= 0 && !dragged) PostMessage(WM_SCHEDULE_OPEN_ITEM, (WPARAM)id, 0);
    CGDIDialog::EndNcClick(x, y);
}
