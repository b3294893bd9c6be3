#include "widgets/PopUpDlg.h"

#include "res/images.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/NoticeIds.h"
#include "widgets/WidgetIds.h"

#include <tinyxml.h>

BEGIN_MESSAGE_MAP(CPopUpDlg, CGDIDialog)
    ON_WM_TIMER()
    ON_WM_NCRBUTTONDOWN()
    ON_MESSAGE(WM_NOTICE_EDIT_SCHEDULE, OnEditScheduleMessage)
    ON_COMMAND(ID_EDIT_SCHEDULE, OnEditSchedule)
END_MESSAGE_MAP()

CPopUpDlg::CPopUpDlg(CWnd* parent) : CGDIDialog(IDD_NOTICE_POPUP, parent) {}

CPopUpDlg::~CPopUpDlg() = default;

void CPopUpDlg::SetTitleFont(const CString& face, int size, COLORREF color) {
    m_strTitleFace = face;
    m_Text.titleSize = size;
    m_Text.titleColor = color;
}

void CPopUpDlg::SetBodyFont(const CString& face, int size, COLORREF color) {
    m_strBodyFace = face;
    m_Text.bodySize = size;
    m_Text.bodyColor = color;
}

BOOL CPopUpDlg::CreatePopup(CWnd* owner, const TiXmlElement* root) {
    m_pOwner = owner;
    if (root) m_pSkinXml.reset(root->Clone());
    return Create(IDD_NOTICE_SLIDE, owner);
}

BOOL CPopUpDlg::CreateWithTitle(CWnd* owner, const CString& title) {
    m_pOwner = owner;
    m_Text.title = title;
    return Create(IDD_NOTICE_POPUP, owner);
}

BOOL CPopUpDlg::CreateWithSkin(CWnd* owner, const CString& skinFile) {
    m_pOwner = owner;
    SetSkinFile(skinFile);
    return Create(IDD_NOTICE_POPUP, owner);
}

BOOL CPopUpDlg::OnInitDialog() {
    CZDialog::OnInitDialog();
    if (m_strSkinFile.IsEmpty()) LoadBackgroundResource(m_nStyle == 3 ? IDP_NOTICE_NOTE : IDP_NOTICE);
    SetZPosition(1, TRUE);
    SetTimer(TIMER_SKIN_DOWNLOADS, SKIN_DOWNLOADS_DELAY_MS, nullptr);
    return FALSE;
}

void CPopUpDlg::BuildTextSkin(bool noteColours) {
    ClearSkin();
    LoadBackgroundResource(noteColours ? IDP_NOTICE_NOTE : IDP_NOTICE);
    if (noteColours)
        BuildPopupSkinText(m_Skin, m_Text);
    else
        BuildSlideSkinText(m_Skin, m_Text);
    BuildSkin(-1);
}

void CPopUpDlg::BuildPopupSkin() { BuildTextSkin(true); }

void CPopUpDlg::ShowPopup(int x, int y, int autoCloseMs, const CString& body) {
    m_nAutoClose = autoCloseMs;
    m_Text.body = body;
    if (m_pSkinXml && m_pSkinXml->ToElement())
        LoadSkinFromText(m_pSkinXml->ToElement());
    else if (!m_strSkinFile.IsEmpty())
        LoadSkin(m_strSkinFile);
    else
        BuildTextSkin(m_nStyle == 3);
    if (GetUpdateCycle() > 0) SetTimer(TIMER_SKIN_UPDATE, (UINT)GetUpdateCycle(), nullptr);
    // The window's text names the notice to whoever reads the desktop's
    // windows (screen readers, automation).
    SetWindowText(m_Text.body.IsEmpty() ? m_Text.title : m_Text.title + L"\n" + m_Text.body);
    ::SetWindowPos(m_hWnd, nullptr, x, y, m_szSize.cx, m_szSize.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    m_ptPosition = CPoint(x, y);
    ArmAutoHide(TRUE, autoCloseMs > 0 ? autoCloseMs : -1);
}

int CPopUpDlg::ExecuteCommand(const CString& command) {
    if (command.CompareNoCase(L"SCHEDULE_INFO") == 0) {
        PostMessage(WM_NOTICE_EDIT_SCHEDULE, (WPARAM)m_nScheduleId, 0);
        return 1;
    }
    return CGDIDialog::ExecuteCommand(command);
}

LRESULT CPopUpDlg::OnEditScheduleMessage(WPARAM id, LPARAM) {
    OpenNoticeSchedule((int)id);
    return 0;
}

void CPopUpDlg::OnEditSchedule() { PostMessage(WM_NOTICE_EDIT_SCHEDULE, (WPARAM)m_nScheduleId, 0); }

void CPopUpDlg::OnTimer(UINT_PTR id) {
    // The last fade-out step destroys the window: the object lives until
    // the tick has been handled.
    AddRef();
    CGDIDialog::OnTimer(id);
    Release();
}

void CPopUpDlg::OnFadeOutDone() {
    CGDIDialog::OnFadeOutDone();
    DestroyWindow();
}

void CPopUpDlg::PostNcDestroy() {
    CGDIDialog::PostNcDestroy();
    Release();
}

void CPopUpDlg::OnNcRButtonDown(UINT hitTest, CPoint point) {
    // A notice that closes itself has no menu: it may be gone before a
    // choice is made.
    if (m_nAutoClose <= 0) {
        if (HMENU popup = BuildNoticeMenu(*this)) {
            AddRef();
            ::TrackPopupMenu(popup, 0, point.x, point.y, 0, m_hWnd, nullptr);
            ::DestroyMenu(popup);
            CZDialog::OnNcRButtonDown(hitTest, point);
            Release();
            return;
        }
    }
    CZDialog::OnNcRButtonDown(hitTest, point);
}
