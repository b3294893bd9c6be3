#include "ui/GridEdit.h"

#include "ui/GridModel.h"

BEGIN_MESSAGE_MAP(CGridEdit, CControlBase)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGridEdit::CGridEdit(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col, const CString& text,
                     UINT firstKey)
    : m_sInitText(text), m_nRow(row), m_nCol(col), m_bExitOnArrows(firstKey != 1), m_Rect(rect), m_pGrid(grid) {
    DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | style;
    if (!Create(L"EDIT", L"", editStyle, rect, grid, id)) {
        delete this;
        return;
    }
    SendMessage(WM_SETFONT, grid->SendMessage(WM_GETFONT), TRUE);
    SetWindowText(text);
    SetFocus();
    switch (firstKey) {
    case VK_RETURN:
    case VK_BACK:
        SendMessage(EM_SETSEL, (WPARAM)text.GetLength(), (LPARAM)text.GetLength());
        SendMessage(EM_SCROLLCARET);
        if (firstKey == VK_BACK) SendMessage(WM_CHAR, VK_BACK, 0);
        break;
    case VK_TAB:  // editing that goes on from the previous cell: nothing typed yet
    case VK_SPACE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET);
        break;
    default:
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET);
        if (firstKey != 1) SendMessage(WM_CHAR, firstKey, 0);
        break;
    }
}

BOOL CGridEdit::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_SYSCHAR && msg->hwnd == m_hWnd) return TRUE;
    return CControlBase::PreTranslateMessage(msg);
}

void CGridEdit::EndEdit(UINT key) {
    m_nLastChar = key;
    if (m_pGrid && m_pGrid->m_hWnd) m_pGrid->SetFocus();
}

void CGridEdit::OnKeyDown(UINT ch, UINT, UINT) {
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if ((ch == VK_PRIOR || ch == VK_NEXT || ch == VK_DOWN || ch == VK_UP || ch == VK_RIGHT || ch == VK_LEFT) &&
        (m_bExitOnArrows || ctrl)) {
        EndEdit(ch);
        return;
    }
    Default();
}

void CGridEdit::OnChar(UINT ch, UINT, UINT) {
    if (ch == VK_TAB || ch == VK_RETURN) {
        EndEdit(ch);
        return;
    }
    if (ch == VK_ESCAPE) {
        SetWindowText(m_sInitText);
        EndEdit(ch);
        return;
    }
    Default();
    // Widen the editor when the text no longer fits, up to the grid's width.
    CString text = GetWindowText() + _T("  ");
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, (HGDIOBJ)SendMessage(WM_GETFONT));
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    CRect client;
    m_pGrid->GetClientRect(&client);
    if (size.cx > m_Rect.Width()) {
        m_Rect.right = m_Rect.left + size.cx;
        if (m_Rect.right > client.right) m_Rect.right = client.right;
        MoveWindow(&m_Rect);
    }
}

void CGridEdit::OnKillFocus(CWnd* newWnd) {
    Default();
    if (m_bEnded) return;
    m_bEnded = true;
    GV_DISPINFO info;
    info.hdr.hwndFrom = m_hWnd;
    info.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    info.hdr.code = (UINT)GVN_ENDEDIT;
    info.item.row = m_nRow;
    info.item.col = m_nCol;
    info.item.mask = GVIF_TEXT | GVIF_PARAM;
    info.item.szText = GetWindowText();
    info.item.lParam = (LPARAM)m_nLastChar;
    HWND self = m_hWnd;
    if (m_pGrid && m_pGrid->m_hWnd) m_pGrid->SendMessage(WM_NOTIFY, info.hdr.idFrom, (LPARAM)&info);
    if (::IsWindow(self)) ::PostMessageW(self, WM_CLOSE, 0, 0);
}
