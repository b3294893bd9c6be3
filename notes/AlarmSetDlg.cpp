#include "notes/AlarmSetDlg.h"

#include "calendar/AlarmSetLogic.h"
#include "notes/AddAlarmDlg.h"
#include "res/images.h"
#include "shell/LanguageTable.h"
#include "shell/ZMsgBox.h"

BEGIN_MESSAGE_MAP(CAlarmSetDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD, OnAdd)
    ON_BN_CLICKED(IDC_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_DELETE_OVERDUE, OnDeleteOverdue)
    ON_BN_CLICKED(IDC_DELETE_CHECKED, OnDeleteChecked)
    ON_MESSAGE(GVM_ROWSELECTED, OnGridClick)
    ON_MESSAGE(GVM_DBLCLICK, OnGridDoubleClick)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const UINT kGridId = 1129;
const int kAlarmImages = 25;
}  // namespace

CAlarmSetDlg::CAlarmSetDlg(IAlarmDlgHost& host, CWnd* parent) : CDialog(IDD, parent), m_host(host) {}

CAlarmSetDlg::~CAlarmSetDlg() = default;

BOOL CAlarmSetDlg::CreateModeless(CWnd* parent) { return Create(IDD, parent); }

BOOL CAlarmSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[11125]);
    struct Text {
        int id, text;
    } texts[] = {{IDC_ADD, 20},           {IDC_EDIT, 21},           {IDC_DELETE, 22},
                 {IDC_DELETE_OVERDUE, 1402}, {IDC_DELETE_CHECKED, 27205}, {IDOK, 23}};
    for (const Text& t : texts) SetDlgItemText(t.id, g_LanguageTable[t.text]);

    CRect place(0, 0, 400, 200);
    if (CWnd* holder = GetDlgItem(IDC_GRID_PLACE)) {
        holder->GetWindowRect(&place);
        ScreenToClient(&place);
        holder->ShowWindow(SW_HIDE);
    }
    m_pGrid = std::make_unique<CGridCtrl>(1, CAlarmSetLogic::Columns, 1, 0);
    CGridCtrl& grid = *m_pGrid;
    if (grid.Create(place, this, kGridId)) {
        grid.m_bEditable = FALSE;
        grid.m_bListMode = TRUE;
        grid.m_bSingleSelection = TRUE;
        grid.m_bSortOnClick = FALSE;
        grid.m_bAllowRowResize = FALSE;
        grid.m_crBkColour = RGB(255, 255, 255);
        grid.m_crTextColour = RGB(0, 0, 0);
        grid.m_crGridBkColour = RGB(255, 255, 255);
        grid.m_crFixedBkColour = RGB(220, 228, 240);
        grid.m_crFixedTextColour = RGB(40, 40, 40);
        if (m_images.Create(IDB_ALARM_KINDS, 24, 0, RGB(255, 0, 255)) ||
            m_images.Create(24, 20, ILC_COLOR24 | ILC_MASK, kAlarmImages, 0))
            grid.SetImageList(m_images);
        CRect client;
        grid.GetClientRect(&client);
        int widths[CAlarmSetLogic::Columns] = {CAlarmSetLogic::KindWidth, CAlarmSetLogic::TimeWidth,
                                               client.Width() - CAlarmSetLogic::FixedWidths, CAlarmSetLogic::DoneWidth};
        for (int c = 0; c < CAlarmSetLogic::Columns; ++c) {
            grid.SetColumnWidth(c, widths[c] > 20 ? widths[c] : 20);
            grid.SetItemText(0, c, CAlarmSetLogic::HeaderText(c));
        }
    }
    RefreshList();
    CenterWindow();
    BringToFront();
    return TRUE;
}

void CAlarmSetDlg::RefreshList() {
    if (!m_pGrid || !m_pGrid->m_hWnd) return;
    CGridCtrl& grid = *m_pGrid;
    const CArray<CAlarmInfo>& alarms = m_host.Alarms().Alarms();
    int count = alarms.GetSize();
    grid.m_bAllowDraw = FALSE;
    grid.SetRowCount(1);
    grid.SetRowCount(count + 1);
    for (int i = 0; i < count; ++i) {
        const CAlarmInfo& a = alarms[i];
        int row = i + 1;
        grid.SetItemText(row, 0, CAlarmSetLogic::KindText(a));
        grid.SetItemImage(row, 0, CAlarmSetLogic::KindImage(a));
        grid.SetItemText(row, 1, CAlarmSetLogic::TimeText(a));
        grid.SetItemText(row, 2, CAlarmSetLogic::ContentsText(a));
        grid.SetItemImage(row, DoneColumn, CAlarmSetLogic::DoneImage(a));
        for (int c = 0; c < CAlarmSetLogic::Columns; ++c) grid.SetItemData(row, c, (LPARAM)i);
    }
    grid.m_bAllowDraw = TRUE;
    grid.ResetScrollBars();
    grid.Invalidate(FALSE);
}

void CAlarmSetDlg::BringToFront() {
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_hWnd);
}

void CAlarmSetDlg::SelectRow(int row) {
    if (!m_pGrid || row < 1 || row >= m_pGrid->GetRowCount()) return;
    m_pGrid->SetFocusCell(row, 0);
    m_pGrid->SetSelectedRange(row, 0, row, CAlarmSetLogic::Columns - 1);
}

int CAlarmSetDlg::SelectedIndex() {
    if (!m_pGrid) return -1;
    int row = m_pGrid->GetFocusCell().row;
    if (row < 1 || row >= m_pGrid->GetRowCount()) return -1;
    int index = (int)m_pGrid->GetItemData(row, 0);
    return index >= 0 && index < m_host.Alarms().Alarms().GetSize() ? index : -1;
}

void CAlarmSetDlg::OnAdd() {
    CAlarmInfo result;
    if (m_host.RunAlarmDialog(nullptr, CString(), result) != IDOK) return;
    m_host.Alarms().AddAlarm(result);
    m_host.SaveAlarms();
    m_changed = false;
    RefreshList();
    m_host.ResetLastMinuteKey();
    m_host.OnAlarmsChanged();
}

void CAlarmSetDlg::OnEdit() {
    int index = SelectedIndex();
    if (index < 0) return;
    CAlarmInfo copy = m_host.Alarms().Alarms()[index];
    int id = copy.m_nId;
    CAlarmInfo result;
    int answer = m_host.RunAlarmDialog(&copy, copy.m_strMemoFile, result);
    // The list may have changed while the dialog was open (an alarm fired,
    // a synchronisation arrived): the alarm is found again by its id.
    int now = m_host.Alarms().FindIndexById(id);
    if (now < 0) return;
    if (answer == IDOK)
        m_host.Alarms().ReplaceAlarm(now, result);
    else if (answer == CAddAlarmDlg::DeleteResult)
        m_host.Alarms().DeleteAlarm(id);
    else
        return;
    m_host.SaveAlarms();
    m_changed = false;
    m_host.OnAlarmsChanged();
}

void CAlarmSetDlg::OnDelete() {
    int index = SelectedIndex();
    if (index < 0) return;
    int row = m_pGrid->GetFocusCell().row;
    CString text = L"\"" + m_pGrid->GetItemText(row, 2) + L"\" " + g_LanguageTable[10041];
    int id = m_host.Alarms().Alarms()[index].m_nId;
    if (ShowMessageBox(text, 4) != IDYES) return;
    m_host.Alarms().DeleteAlarm(id);
    m_host.SaveAlarms();
    m_changed = false;
    m_host.OnAlarmsChanged();
}

void CAlarmSetDlg::OnDeleteOverdue() {
    if (ShowMessageBox(g_LanguageTable[10042], 4) == IDNO) return;
    m_host.Alarms().DeleteOverdueAlarms(m_host.Now());
    m_changed = false;
    m_host.OnAlarmsChanged();
}

void CAlarmSetDlg::OnDeleteChecked() {
    if (ShowMessageBox(g_LanguageTable[27206], 4) == IDNO) return;
    m_host.Alarms().DeleteCheckedAlarms();
    m_changed = false;
    m_host.OnAlarmsChanged();
}

void CAlarmSetDlg::OnCellClicked(int row, int column) {
    if (!m_pGrid || column != DoneColumn || row < 1 || row >= m_pGrid->GetRowCount()) return;
    int index = (int)m_pGrid->GetItemData(row, column);
    CAlarmStore& store = m_host.Alarms();
    if (index < 0 || index >= store.Alarms().GetSize()) return;
    CAlarmInfo copy = store.Alarms()[index];
    copy.m_bDone = copy.m_bDone ? 0 : 1;
    store.ReplaceAlarm(index, copy);
    m_changed = true;
    m_host.OnAlarmsChanged();
}

LRESULT CAlarmSetDlg::OnGridClick(WPARAM wParam, LPARAM lParam) {
    if ((UINT)lParam == kGridId) OnCellClicked((int)HIWORD(wParam), (int)LOWORD(wParam));
    return 0;
}

LRESULT CAlarmSetDlg::OnGridDoubleClick(WPARAM, LPARAM lParam) {
    if ((UINT)lParam == kGridId) OnEdit();
    return 0;
}

void CAlarmSetDlg::Close() {
    if (m_changed) {
        m_host.SaveAlarms();
        m_changed = false;
    }
    ShowWindow(SW_HIDE);
}

void CAlarmSetDlg::OnOK() { Close(); }

void CAlarmSetDlg::OnCancel() {
    Close();
    m_host.RedrawCalendar();
}

void CAlarmSetDlg::OnDestroy() {
    if (m_pGrid && m_pGrid->m_hWnd) m_pGrid->DestroyWindow();
    m_pGrid.reset();
    CDialog::OnDestroy();
}
