// The frame's notices and its tooltip widget: alarms and anniversaries
// announce themselves in sliding or pop-up notices, and skin buttons and the
// tray open the one tooltip widget beside a point.
#include "app/MainFrame.h"

#include "notes/LifecycleHost.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/ToolTipWidgetDlg.h"
#include "widgets/WidgetIds.h"

void CMainFrame::ShowNotice(const NoticeRequest& notice) {
    // An anniversary's notice belongs to the calendar window when there is
    // one; until then every notice belongs to the frame.
    ShowNoticeWindow(this, notice);
}

void CMainFrame::CreateToolTipWidget() {
    if (m_pToolTipWidget) return;
    CToolTipWidgetDlg* popup = new CToolTipWidgetDlg(this);
    popup->SetMode(CToolTipWidgetDlg::MODE_PLAIN);
    if (!popup->Create(IDD_SKIN_WINDOW, this)) {
        delete popup;
        return;
    }
    m_pToolTipWidget = popup;
}

CToolTipWidgetDlg* CMainFrame::ShowToolTipWidget(int x, int y, const CString& skinName) {
    CreateToolTipWidget();
    if (!m_pToolTipWidget) return nullptr;
    // The caller that opened it names itself afterwards; the tray names none.
    m_pToolTipWidget->SetOwnerWindow(nullptr);
    m_pToolTipWidget->ShowAt(x, y, skinName);
    return m_pToolTipWidget;
}

void CMainFrame::HideToolTipWidget(CWnd* except) {
    CToolTipWidgetDlg* popup = m_pToolTipWidget;
    if (popup && popup != except && popup->m_hWnd && popup->IsVisible()) popup->HidePopup(FALSE);
}

void CMainFrame::CloseNotices() {
    CloseNoticeWindows();
    SetNoticeEditors(NoticeEditors());
    if (CToolTipWidgetDlg* popup = m_pToolTipWidget) {
        m_pToolTipWidget = nullptr;
        if (popup->m_hWnd) popup->DestroyWindow();
        popup->Release();
    }
}
