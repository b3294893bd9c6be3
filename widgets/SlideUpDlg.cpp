#include "widgets/SlideUpDlg.h"

#include "res/images.h"
#include "widgets/Meter.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/NoticeIds.h"
#include "widgets/WidgetIds.h"

#include <tinyxml.h>

BEGIN_MESSAGE_MAP(CSlideUpDlg, CGDIDialog)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_NCHITTEST()
    ON_WM_NCRBUTTONDOWN()
    ON_MESSAGE(WM_NOTICE_EDIT_SCHEDULE, OnEditScheduleMessage)
    ON_COMMAND(ID_EDIT_SCHEDULE, OnEditSchedule)
END_MESSAGE_MAP()

namespace {
// The pointer rests this long before the notice counts as hovered.
const UINT kHoverTimeMs = 10;
}  // namespace

CSlideUpDlg::CSlideUpDlg(CWnd* parent) : CGDIDialog(IDD_NOTICE_SLIDE, parent) { m_bMovable = 0; }

CSlideUpDlg::~CSlideUpDlg() = default;

BOOL CSlideUpDlg::CreateNotice(CWnd* parent) {
    m_pOwner = parent;
    return Create(IDD_NOTICE_SLIDE, parent);
}

BOOL CSlideUpDlg::CreateWithTitle(CWnd* parent, const CString& title) {
    m_Text.title = title;
    return CreateNotice(parent);
}

BOOL CSlideUpDlg::CreateWithSkinFile(CWnd* parent, const CString& path) {
    SetSkinFile(path);
    return CreateNotice(parent);
}

BOOL CSlideUpDlg::CreateFromXml(CWnd* parent, const TiXmlElement* root) {
    if (root) m_pSkinXml.reset(root->Clone());
    return CreateNotice(parent);
}

void CSlideUpDlg::SetTitleFont(const CString& face, int size, COLORREF color) {
    m_strTitleFace = face;
    m_Text.titleSize = size;
    m_Text.titleColor = color;
}

void CSlideUpDlg::SetBodyFont(const CString& face, int size, COLORREF color) {
    m_strBodyFace = face;
    m_Text.bodySize = size;
    m_Text.bodyColor = color;
}

BOOL CSlideUpDlg::OnInitDialog() {
    CZDialog::OnInitDialog();
    if (m_strSkinFile.IsEmpty()) LoadBackgroundResource(IDP_NOTICE);
    SetZPosition(1, TRUE);
    SetTimer(TIMER_SKIN_DOWNLOADS, SKIN_DOWNLOADS_DELAY_MS, nullptr);
    return FALSE;
}

void CSlideUpDlg::BuildSlideSkin() {
    ClearSkin();
    LoadBackgroundResource(IDP_NOTICE);
    BuildSlideSkinText(m_Skin, m_Text);
    BuildSkin(-1);
}

void CSlideUpDlg::ShowSlide(const CString& body, UINT slideInMs, UINT stayMs, UINT slideOutMs, int step,
                            int placement, int& counter) {
    m_Text.body = body;
    if (m_pSkinXml && m_pSkinXml->ToElement())
        LoadSkinFromText(m_pSkinXml->ToElement());
    else if (!m_strSkinFile.IsEmpty())
        LoadSkin(m_strSkinFile);
    else
        BuildSlideSkin();
    if (GetUpdateCycle() > 0) SetTimer(TIMER_SKIN_UPDATE, (UINT)GetUpdateCycle(), nullptr);
    // Set the window's text too: it names the notice to whoever reads the
    // windows of the desktop (screen readers, automation).
    SetWindowText(m_Text.body.IsEmpty() ? m_Text.title : m_Text.title + L"\n" + m_Text.body);

    if (m_Motion.ShowAgain(stayMs)) return;
    const CRect work = NoticeWorkArea();
    SlidePlan plan = PlanSlide(placement, m_szSize, step, slideInMs, slideOutMs, work, counter);
    m_Motion.Start(plan, m_szSize, step, work, stayMs);
    // Shown at once at full strength, so that Hide can fade it from there.
    ArmAutoHide(FALSE, -1);
    Redraw();
}

void CSlideUpDlg::MoveTo(CPoint pos) {
    if (!m_hWnd) return;
    ::SetWindowPos(m_hWnd, nullptr, pos.x, pos.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void CSlideUpDlg::Finished() {
    KillTimer(CSlideMotion::TIMER_HOVER);
    ShowWindow(SW_HIDE);
    DestroyWindow();
}

bool CSlideUpDlg::CursorInWindow() {
    POINT cursor;
    if (!::GetCursorPos(&cursor)) return false;
    return GetRect().PtInRect(cursor) != FALSE;
}

void CSlideUpDlg::OnTimer(UINT_PTR id) {
    // A tick may end the notice and destroy its window: the object lives
    // until the tick has been handled.
    AddRef();
    bool slide = m_Motion.OnTimer((UINT)id, CursorInWindow());
    if (m_hWnd && !(slide && m_Motion.Hovering())) CGDIDialog::OnTimer(id);
    Release();
}

void CSlideUpDlg::OnFadeOutDone() {
    CGDIDialog::OnFadeOutDone();
    DestroyWindow();
}

void CSlideUpDlg::PostNcDestroy() {
    CGDIDialog::PostNcDestroy();
    Release();
}

BOOL CSlideUpDlg::PostCommand(const CString& command) {
    if (command == L"SCHEDULE_INFO") {
        PostMessage(WM_NOTICE_EDIT_SCHEDULE, (WPARAM)m_nItemId, 0);
        return -1;
    }
    return CGDIDialog::PostCommand(command);
}

LRESULT CSlideUpDlg::OnEditScheduleMessage(WPARAM id, LPARAM) {
    OpenNoticeSchedule((int)id);
    return 0;
}

void CSlideUpDlg::OnEditSchedule() { PostMessage(WM_NOTICE_EDIT_SCHEDULE, (WPARAM)m_nItemId, 0); }

void CSlideUpDlg::OnMouseMove(UINT flags, CPoint point) {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = kHoverTimeMs;
    ::TrackMouseEvent(&track);
    CGDIDialog::OnMouseMove(flags, point);
}

LRESULT CSlideUpDlg::OnMouseHover(WPARAM, LPARAM) {
    if (!m_Motion.Hovering()) {
        m_Motion.OnHover();
        Repaint();
    }
    return 0;
}

LRESULT CSlideUpDlg::OnMouseLeave(WPARAM, LPARAM) {
    m_Motion.OnLeave(CursorInWindow());
    return 0;
}

LRESULT CSlideUpDlg::OnNcHitTest(CPoint point) {
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (IsMouseOverHiding() && !ctrl) return HTCLIENT;
    CPoint client = point;
    ScreenToClient(&client);
    for (CMeter* meter : GetMeters()) {
        if (meter->IsButton() && meter->HitTest(client.x, client.y)) {
            m_Motion.OnButtonHover();
            return CGDIDialog::OnNcHitTest(point);
        }
    }
    return (LRESULT)Default();
}

void CSlideUpDlg::OnNcRButtonDown(UINT hitTest, CPoint point) {
    if (HMENU popup = BuildNoticeMenu(*this)) {
        ::TrackPopupMenu(popup, 0, point.x, point.y, 0, m_hWnd, nullptr);
        ::DestroyMenu(popup);
    }
    CZDialog::OnNcRButtonDown(hitTest, point);
}
