#include "setup/HyperLink.h"

#include "setup/SetupIds.h"
#include "fw/DC.h"

#include <shellapi.h>

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace {

CHyperLink::Opener& OpenerSlot() {
    static CHyperLink::Opener opener;
    return opener;
}

void OpenWithShell(const CString& url, int showCommand) {
    ShellExecuteW(nullptr, L"open", url, nullptr, nullptr, showCommand);
}

}  // namespace

void CHyperLink::SetOpener(Opener opener) { OpenerSlot() = std::move(opener); }

CHyperLink::~CHyperLink() {
    if (m_font) ::DeleteObject(m_font);
}

void CHyperLink::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | SS_NOTIFY);

    HFONT current = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0);
    LOGFONTW lf = {};
    ::GetObjectW(current ? (HGDIOBJ)current : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfUnderline = m_underline ? TRUE : FALSE;
    m_font = ::CreateFontIndirectW(&lf);
    if (m_font) ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)m_font, FALSE);

    m_tooltip.Create(this);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    m_tooltip.AddTool(this, m_url, &client, 1);
    m_tooltip.Activate(FALSE);

    // The system's own hand: shared, so it is never destroyed here.
    m_hand = ::LoadCursorW(nullptr, IDC_HAND);
}

void CHyperLink::EnableTooltip(bool enable) {
    m_showTooltip = enable;
    if (m_tooltip.GetSafeHwnd()) m_tooltip.Activate(enable ? TRUE : FALSE);
}

void CHyperLink::SetTooltipText(const CString& text) {
    if (m_tooltip.GetSafeHwnd()) m_tooltip.UpdateTipText(text, this, 1);
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg) {
    if (m_tooltip.GetSafeHwnd()) m_tooltip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

COLORREF CHyperLink::GetTextColor() const {
    if (m_visited) return kVisitedColor;
    return m_hovering ? kHoverColor : kNormalColor;
}

HBRUSH CHyperLink::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(GetTextColor());
    dc->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CHyperLink::OnClicked() {
    if (m_notifyParent) {
        ::SendMessageW(::GetParent(m_hWnd), WM_HYPERLINK_CLICKED, (WPARAM)::GetDlgCtrlID(m_hWnd), 0);
    } else if (OpenerSlot()) {
        OpenerSlot()(m_url, SW_SHOWMINIMIZED);
    } else {
        OpenWithShell(m_url, SW_SHOWMINIMIZED);
    }
    m_visited = true;
    Invalidate();
}

BOOL CHyperLink::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_hand) {
        ::SetCursor(m_hand);
        return TRUE;
    }
    return FALSE;
}

void CHyperLink::OnMouseMove(UINT flags, CPoint point) {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (!m_hovering) {
        m_hovering = true;
        Invalidate();
        ::SetCapture(m_hWnd);
    } else if (!::PtInRect(&client, point)) {
        m_hovering = false;
        ::ReleaseCapture();
        Invalidate();
    }
}
