#include "notes/MemoTip.h"

#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "notes/NoteTemplates.h"
#include "shell/ColorUtil.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"

BEGIN_MESSAGE_MAP(CMemoTip, CZDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CMemoTip::CMemoTip(CWnd* parent) : CZDialog(IDD_MEMO_TIP, parent) {}

BOOL CMemoTip::CreateTip(CWnd* parent) { return CreateIndirect(GetNoteTemplate(IDD_MEMO_TIP), parent); }

BOOL CMemoTip::OnInitDialog() {
    m_nZPosition = 1;
    CZDialog::OnInitDialog();
    SetZPosition(1, TRUE);
    m_edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, CRect(-100, -100, 100, 100),
                  this, IDC_MEMO_EDIT);
    ::ShowScrollBar(m_edit.m_hWnd, SB_VERT, FALSE);
    m_edit.SetEventMask(ENM_SELCHANGE | ENM_REQUESTRESIZE);
    m_edit.SendMessage(EM_HIDESELECTION, FALSE, 0);
    m_edit.SetEditable(FALSE);
    CString face = g_Settings.DefaultFontFace.IsEmpty() ? CString(L"Tahoma") : g_Settings.DefaultFontFace;
    m_edit.SetDefaultFormat(face);
    SetWindowText(L"");
    m_bMouseOverHiding = 0;
    return FALSE;
}

CRect CMemoTip::TipArea() const {
    CRect area = NoteLogic::TipRect(m_info.m_rcWindow, m_info.m_nExpandedWidth, m_info.m_nExpandedHeight);
    if (g_Settings.General.TipAutoHeight) area.bottom = area.top + m_nContentHeight;
    return area;
}

void CMemoTip::ShowTip(CMemoInfo* record) {
    if (!record || record == m_pShown) return;
    KillTimer(TIMER_TIP_WATCH);
    ShowWindow(SW_HIDE);
    m_pShown = record;
    m_info = *record;
    CRect area = NoteLogic::TipRect(m_info.m_rcWindow, m_info.m_nExpandedWidth, m_info.m_nExpandedHeight);
    MoveWindow(area.left, area.top, area.Width(), area.Height());
    if (IsSafeFileName(m_info.m_strFileName))
        m_edit.LoadFromFile(g_Settings.MemoFolder + m_info.m_strFileName);
    else
        m_edit.ClearText();
    m_edit.SetModify(FALSE);
    m_edit.SetBackgroundColor(m_info.m_crBackground);
    int w = m_info.m_nExpandedWidth;
    if (g_Settings.General.TipAutoHeight) {
        m_edit.MoveWindow(5, 5, w - 10, 100);
        m_nContentHeight = 0;
        m_edit.RequestResize();
        if (m_nContentHeight <= 0) m_nContentHeight = area.Height();
        MoveWindow(area.left, area.top, w, m_nContentHeight);
        m_edit.MoveWindow(5, 5, w - 10, m_nContentHeight - 10);
    } else {
        m_edit.MoveWindow(5, 5, w - 10, area.Height() - 10);
    }
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNOACTIVATE);
    Invalidate(FALSE);
    SetTimer(TIMER_TIP_WATCH, 300);
}

void CMemoTip::HideTip() {
    ShowWindow(SW_HIDE);
    m_pShown = nullptr;
    KillTimer(TIMER_TIP_WATCH);
    m_edit.ClearText();
}

void CMemoTip::FollowNote() {
    if (!m_pShown) return;
    m_info.m_rcWindow = m_pShown->m_rcWindow;
    CRect area = TipArea();
    MoveWindow(area.left, area.top, area.Width(), area.Height());
}

BOOL CMemoTip::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    NMHDR* header = (NMHDR*)lParam;
    if (header->idFrom == IDC_MEMO_EDIT && header->code == EN_REQUESTRESIZE) {
        REQRESIZE* resize = (REQRESIZE*)lParam;
        m_nContentHeight =
            NoteLogic::TipContentHeight(resize->rc.bottom - resize->rc.top, ::GetSystemMetrics(SM_CYSCREEN));
        return TRUE;
    }
    return CZDialog::OnNotify(wParam, lParam, result);
}

void CMemoTip::CheckCursor() {
    if (!m_pShown) return;
    POINT cursor;
    if (::GetCursorPos(&cursor) && !CRect(m_pShown->m_rcWindow).PtInRect(cursor)) HideTip();
}

void CMemoTip::OnTimer(UINT_PTR id) {
    if (id == TIMER_TIP_WATCH) {
        CheckCursor();
        return;
    }
    CZDialog::OnTimer(id);
}

void CMemoTip::OnMouseMove(UINT, CPoint) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
    TrackMouseEvent(&track);
    CheckCursor();
}

void CMemoTip::OnMouseLeave() { HideTip(); }

void CMemoTip::OnPaint() {
    CPaintDC dc(this);
    CRect c;
    GetClientRect(&c);
    COLORREF around = g_Settings.General.ColMemoTipArround ? g_Settings.General.ColMemoTipArround : 0xFFCEA8;
    dc.FillSolidRect(0, 0, c.Width(), 5, around);
    dc.FillSolidRect(0, c.Height() - 5, c.Width(), 5, around);
    dc.FillSolidRect(0, 0, 5, c.Height(), around);
    dc.FillSolidRect(c.Width() - 5, 0, 5, c.Height(), around);
    COLORREF light = ScaleColor(m_info.m_crBackground, 1.2f), dark = ScaleColor(m_info.m_crBackground, 0.7f);
    dc.Draw3dRect(&c, light, dark);
    CRect inner = c;
    inner.DeflateRect(4, 4);
    dc.Draw3dRect(&inner, dark, light);
}
