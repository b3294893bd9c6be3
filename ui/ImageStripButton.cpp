#include "ui/ImageStripButton.h"

#include "ui/PaintBuffer.h"

BEGIN_MESSAGE_MAP(CImageStripButton, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CImageStripButton::SetState(int state) {
    bool enable = CButtonStateLogic::SetState(state);
    if (m_hWnd) {
        EnableWindow(enable);
        Invalidate(FALSE);
    }
    return m_bChecked;
}

void CImageStripButton::SetCheck(BOOL checked) {
    m_bChecked = checked ? TRUE : FALSE;
    if (m_hWnd) Invalidate(FALSE);
}

void CImageStripButton::SizeToCell() {
    if (m_hWnd && m_nCellWidth > 0 && m_nCellHeight > 0)
        SetWindowPos(nullptr, 0, 0, m_nCellWidth, m_nCellHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CImageStripButton::DrawTo(HDC dc, const CRect& rect) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = m_nState == Disabled ? ODS_DISABLED : 0;
    dis.hDC = dc;
    dis.rcItem = rect;
    DrawItem(&dis);
}

void CImageStripButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HIMAGELIST list = ImageList();
    if (!list)
        return;
    HDC dc = dis->hDC;
    CRect item(dis->rcItem);
    bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    if (m_kind == PushKind) {
        if (m_bFill) {
            HBRUSH b = ::CreateSolidBrush(m_crFill);
            ::FillRect(dc, &item, b);
            ::DeleteObject(b);
        }
    } else {
        HBRUSH b = ::CreateSolidBrush(CheckButtonFill(m_nState, m_crPressed, m_crNormal, m_crHover));
        ::FillRect(dc, &item, b);
        ::DeleteObject(b);
    }
    int cell = m_kind == PushKind ? PushButtonCell(m_nState, m_bChecked, disabled)
                                  : CheckButtonCell(m_nState, m_bChecked, disabled);
    // The cell is drawn off-screen first and copied at its own size, so a
    // smaller cell than the list's crops instead of overflowing.
    int listW = 0, listH = 0;
    ImageList_GetIconSize(list, &listW, &listH);
    int w = m_nCellWidth > 0 ? m_nCellWidth : listW, h = m_nCellHeight > 0 ? m_nCellHeight : listH;
    // Every button draws its cell through the same off-screen picture: a
    // note paints seven of them each time it paints its own title bar.
    static CPaintBuffer buffer;
    HDC mem = buffer.Begin(listW, listH);
    if (!mem) return;
    ::BitBlt(mem, 0, 0, listW, listH, dc, item.left, item.top, SRCCOPY);
    ImageList_Draw(list, FirstCell() + cell, mem, 0, 0, ILD_NORMAL);
    ::BitBlt(dc, item.left, item.top, w, h, mem, 0, 0, SRCCOPY);
    buffer.End();
}

void CImageStripButton::ApplyEffect(const Effect& e) {
    if (e.capture) SetCapture();
    if (e.release && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (e.repaint) Invalidate(FALSE);
}

void CImageStripButton::OnMouseMove(UINT flags, CPoint point) {
    RelayToTooltip(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
    Default();
    CRect client;
    GetClientRect(&client);
    ApplyEffect(CButtonStateLogic::OnMouseMove(client.PtInRect(point) != 0, ::GetCapture() == m_hWnd));
}

void CImageStripButton::OnLButtonDown(UINT flags, CPoint point) {
    RelayToTooltip(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
    if (m_bIgnore) return;
    Effect e = CButtonStateLogic::OnLButtonDown();
    EnableWindow(TRUE);
    ApplyEffect(e);
}

void CImageStripButton::OnLButtonUp(UINT flags, CPoint point) {
    RelayToTooltip(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
    if (m_bIgnore || !m_bArmed) return;
    Effect e = CButtonStateLogic::OnLButtonUp(m_kind == CheckKind);
    // The mouse is let go before the command runs: a dialog the command
    // opens must get its first click instead of this button.
    if (e.release && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    HWND self = m_hWnd;
    if (e.command) SendCommandToParent();
    // The parent may have destroyed the button in its command handler.
    if (!::IsWindow(self) || FromHandlePermanent(self) != this) return;
    Default();
    ApplyEffect(e);
}

void CImageStripButton::OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }

void CImageStripButton::OnKeyDown(UINT ch, UINT repeat, UINT flags) {
    if (ch == VK_ESCAPE) {
        HWND parent = ::GetParent(m_hWnd);
        if (parent) ::SendMessageW(parent, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    Default();
}
