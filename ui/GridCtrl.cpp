#include "ui/GridCtrl.h"
#include "ui/ControlIds.h"

#include "ui/ControlSettings.h"
#include "ui/GridEdit.h"
#include "ui/MemDCGrid.h"

#include <algorithm>

// Continues editing in the next cell once the old editor has gone.
static const UINT WM_GRID_CONTINUE_EDIT = WM_APP + 0x3A1;

BEGIN_MESSAGE_MAP(CGridCtrl, CControlBase)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_GRID_CONTINUE_EDIT, OnContinueEdit)
    ON_COMMAND(ID_GRID_SELECT_ALL, OnSelectAll)
    ON_UPDATE_COMMAND_UI(ID_GRID_SELECT_ALL, OnUpdateSelectAll)
    ON_NOTIFY(GVN_ENDEDIT, IDC_GRID_INPLACE_EDIT, OnEndInPlaceEdit)
END_MESSAGE_MAP()

static const wchar_t kGridClass[] = L"ZGridCtrl";

void CGridCtrl::RegisterGridClass() {
    HINSTANCE inst = AfxGetInstanceHandle();
    WNDCLASSW wc;
    if (::GetClassInfoW(inst, kGridClass, &wc)) return;
    wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = inst;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_3DFACE + 1);
    wc.lpszClassName = kGridClass;
    ::RegisterClassW(&wc);
}

int CGridCtrl::GetMouseScrollLines() {
    UINT lines = 0;
    if (!::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return 3;
    return lines == WHEEL_PAGESCROLL ? -1 : (int)lines;
}

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols) {
    RegisterGridClass();
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_BTNFACE);
    m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crTextColour = m_crWindowText;
    m_crBkColour = m_crWindowColour;
    m_crGridBkColour = m_crShadow;
    m_crFixedTextColour = m_crWindowText;
    m_crFixedBkColour = m_cr3DFace;
    m_crFocusText = m_crSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_nRowsPerWheelNotch = GetMouseScrollLines();

    ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(m_Logfont), &m_Logfont);
    if (!g_ControlSettings.UIFontFace.IsEmpty())
        lstrcpynW(m_Logfont.lfFaceName, g_ControlSettings.UIFontFace, LF_FACESIZE);
    if (g_ControlSettings.UIFontHeight) m_Logfont.lfHeight = g_ControlSettings.UIFontHeight;
    m_Logfont.lfWeight = FW_NORMAL;
    m_Logfont.lfWidth = 0;
    m_hFont = ::CreateFontIndirectW(&m_Logfont);

    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);

    HBITMAP arrows = (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_GRID_SORT_ARROWS), IMAGE_BITMAP, 0, 0, 0);
    if (arrows) {
        m_hSortArrows = ImageList_Create(15, 9, ILC_COLOR24 | ILC_MASK, 2, 1);
        if (m_hSortArrows) ImageList_AddMasked(m_hSortArrows, arrows, RGB(255, 0, 255));
        ::DeleteObject(arrows);
    }
}

CGridCtrl::~CGridCtrl() {
    DeleteAllItems();
    if (m_hWnd) DestroyWindow();
    if (m_hFont) ::DeleteObject(m_hFont);
    if (m_hSortArrows) ImageList_Destroy(m_hSortArrows);
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style) {
    if (!CWnd::Create(kGridClass, nullptr, style, rect, parent, id))
        return FALSE;
    if (m_bTitleTips) m_TitleTip.Create(this);
    for (int r = 0; r < GetRowCount(); ++r) SetRowHeight(r, m_nDefCellHeight);
    for (int c = 0; c < GetColumnCount(); ++c) SetColumnWidth(c, m_nDefCellWidth);
    ResetScrollBars();
    return TRUE;
}

void CGridCtrl::PreSubclassWindow() {
    CControlBase::PreSubclassWindow();
    // The grid font's sizes (margin, default height and width) follow WM_SETFONT.
    HFONT font = ::CreateFontIndirectW(&m_Logfont);
    ApplyFont(font);
    ResetScrollBars();
}

CRect CGridCtrl::ClientRect() const {
    CRect rc;
    if (m_hWnd) ::GetClientRect(m_hWnd, &rc);
    return rc;
}

// ---- Owner ------------------------------------------------------------------------

bool CGridCtrl::HasOwner() const { return m_hWnd && GetOwnerHandle() != nullptr; }

void CGridCtrl::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND owner = m_hWnd ? GetOwnerHandle() : nullptr;
    if (owner) ::PostMessageW(owner, message, wParam, lParam);
}

void CGridCtrl::SendCommandToOwner() {
    HWND owner = m_hWnd ? GetOwnerHandle() : nullptr;
    if (owner) ::PostMessageW(owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
}

void CGridCtrl::NotifyOwner(int code, int row, int col) {
    HWND owner = m_hWnd ? GetOwnerHandle() : nullptr;
    if (!owner) return;
    NM_GRIDVIEW nm = {};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    nm.hdr.code = (UINT)code;
    nm.iRow = row;
    nm.iColumn = col;
    ::SendMessageW(owner, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
}

// ---- Layout -----------------------------------------------------------------------

void CGridCtrl::OnLayoutChanged() {
    if (!m_hWnd || !m_bAllowDraw) return;
    ResetScrollBars();
    Invalidate(FALSE);
}

void CGridCtrl::ResetScrollBars() {
    if (!m_hWnd || !m_bAllowDraw) return;
    CRect rc = ClientRect();
    if (rc.Width() <= GetFixedColumnWidth() || rc.Height() <= GetFixedRowHeight()) return;
    ComputeScrollMax(rc.Width(), rc.Height());
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    si.nMax = m_nVScrollMax;
    si.nPage = m_nVScrollMax ? (UINT)m_nVScrollPage : 0;
    si.nPos = m_nVScrollPos;
    ::ShowScrollBar(m_hWnd, SB_VERT, m_nVScrollMax > 0);
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    si.nMax = m_nHScrollMax;
    si.nPage = m_nHScrollMax ? (UINT)m_nHScrollPage : 0;
    si.nPos = m_nHScrollPos;
    ::ShowScrollBar(m_hWnd, SB_HORZ, m_nHScrollMax > 0);
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
}

void CGridCtrl::EnsureVisible(int row, int col) {
    if (!m_hWnd || !IsValid(row, col)) return;
    int v = m_nVScrollPos, h = m_nHScrollPos;
    ScrollIntoView(row, col, ClientRect());
    if (v != m_nVScrollPos || h != m_nHScrollPos) {
        m_TitleTip.Hide();
        ::SetScrollPos(m_hWnd, SB_VERT, m_nVScrollPos, TRUE);
        ::SetScrollPos(m_hWnd, SB_HORZ, m_nHScrollPos, TRUE);
        Invalidate(FALSE);
    }
}

bool CGridCtrl::CellIsVisibleForEdit(int row, int col) const {
    return m_hWnd && IsCellVisible(row, col, ClientRect(), false);
}

void CGridCtrl::Scroll(bool vertical, UINT code, int trackPos) {
    SetFocus();
    m_TitleTip.Hide();
    int old = vertical ? m_nVScrollPos : m_nHScrollPos;
    CRect rc = ClientRect();
    switch (code) {
    case SB_LINEDOWN: ScrollLine(vertical, true); break;
    case SB_LINEUP: ScrollLine(vertical, false); break;
    case SB_PAGEDOWN: ScrollPage(vertical, true, rc.Width(), rc.Height()); break;
    case SB_PAGEUP: ScrollPage(vertical, false, rc.Width(), rc.Height()); break;
    case SB_TOP: ScrollTo(vertical, 0); break;
    case SB_BOTTOM: ScrollTo(vertical, ScrollLimit(vertical)); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: ScrollTo(vertical, trackPos); break;
    default: break;
    }
    int now = vertical ? m_nVScrollPos : m_nHScrollPos;
    if (now == old) return;
    ::SetScrollPos(m_hWnd, vertical ? SB_VERT : SB_HORZ, now, TRUE);
    // Shift what is on screen and repaint only the uncovered strip.
    CRect area = rc;
    if (vertical) area.top = GetFixedRowHeight();
    else area.left = GetFixedColumnWidth();
    ::ScrollWindowEx(m_hWnd, vertical ? 0 : old - now, vertical ? old - now : 0, &area, &area, nullptr, nullptr,
                     SW_INVALIDATE);
    if (!vertical) {
        CRect header(GetFixedColumnWidth(), 0, rc.right, GetFixedRowHeight());
        InvalidateRect(&header, FALSE);
    } else {
        CRect side(0, GetFixedRowHeight(), GetFixedColumnWidth(), rc.bottom);
        InvalidateRect(&side, FALSE);
    }
}

void CGridCtrl::OnHScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, SB_HORZ, &si);
    Scroll(false, code, si.nTrackPos);
}

void CGridCtrl::OnVScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, SB_VERT, &si);
    Scroll(true, code, si.nTrackPos);
}

void CGridCtrl::OnSize(UINT type, int cx, int cy) {
    if (m_bInSize) return;
    m_bInSize = true;
    if (::GetFocus() != m_hWnd && !::IsChild(m_hWnd, ::GetFocus()) && IsWindowVisible()) SetFocus();
    Default();
    ResetScrollBars();
    m_bInSize = false;
}

BOOL CGridCtrl::OnMouseWheel(UINT, short delta, CPoint) {
    if (m_nRowsPerWheelNotch == -1) {
        int pages = delta / 120;
        for (int i = 0; i < std::abs(pages); ++i) Scroll(true, pages > 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
    } else {
        int lines = m_nRowsPerWheelNotch * delta / -120;
        for (int i = 0; i < std::abs(lines); ++i) Scroll(true, lines < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return TRUE;
}

// ---- Fonts ------------------------------------------------------------------------

void CGridCtrl::ApplyFont(HFONT font) {
    if (!font) return;
    if (m_hFont && m_hFont != font) ::DeleteObject(m_hFont);
    m_hFont = font;
    ::GetObjectW(font, sizeof(m_Logfont), &m_Logfont);
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c) GetCell(r, c)->lfFont = m_Logfont;
    if (!m_hWnd) return;
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    SIZE blank = {};
    ::GetTextExtentPoint32W(dc, L" ", 1, &blank);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    m_nMargin = blank.cx;
    m_nDefCellHeight = std::max<int>(tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin, 22);
    m_nDefCellWidth = 2 * m_nMargin + 12 * tm.tmAveCharWidth;
    if (m_bAllowDraw) Invalidate(FALSE);
}

LRESULT CGridCtrl::OnSetFont(WPARAM wParam, LPARAM) {
    LOGFONTW lf;
    if (!wParam || !::GetObjectW((HFONT)wParam, sizeof(lf), &lf)) return 0;
    // The grid keeps a font of its own, so the caller may delete its one.
    ApplyFont(::CreateFontIndirectW(&lf));
    return 0;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

// ---- Painting ---------------------------------------------------------------------

void CGridCtrl::OnPaint() {
    CPaintDC paint(this);
    if (m_bDoubleBuffer) {
        CMemDCGrid dc(&paint);
        OnDraw(&dc);
    } else {
        OnDraw(&paint);
    }
}

void CGridCtrl::OnDraw(CDC* dc) {
    CRect clip;
    if (dc->GetClipBox(&clip) == ERROR) return;
    CRect rc = ClientRect();
    CCellRange v = GetVisibleNonFixedCellRange(rc);
    int fixedW = GetFixedColumnWidth(), fixedH = GetFixedRowHeight();
    int bottom = fixedH, right = fixedW;
    for (int r = v.minRow; r <= v.maxRow; ++r) bottom += GetRowHeight(r);
    for (int c = v.minCol; c <= v.maxCol; ++c) right += GetColumnWidth(c);

    dc->FillSolidRect(0, fixedH, fixedW, bottom - fixedH, m_crFixedBkColour);
    dc->FillSolidRect(0, 0, right, fixedH, m_crFixedBkColour);
    dc->FillSolidRect(fixedW, fixedH, right - fixedW, bottom - fixedH, m_crBkColour);
    dc->FillSolidRect(right, 0, std::max<int>(0, rc.right - right), rc.bottom, m_crGridBkColour);
    dc->FillSolidRect(0, bottom, right, std::max<int>(0, rc.bottom - bottom), m_crGridBkColour);

    auto drawIfVisible = [&](int row, int col, bool fixed) {
        CRect cell;
        if (!GetCellRect(row, col, &cell)) return;
        CRect hit(cell.left, cell.top, cell.right + 1, cell.bottom + 1), out;
        if (!out.IntersectRect(hit, clip)) return;
        if (fixed) DrawFixedCell(dc, row, col, cell);
        else DrawCell(dc, row, col, cell);
    };
    for (int r = 0; r < GetFixedRowCount(); ++r)
        for (int c = 0; c < GetFixedColumnCount(); ++c) drawIfVisible(r, c, true);
    for (int r = v.minRow; r <= v.maxRow; ++r)
        for (int c = 0; c < GetFixedColumnCount(); ++c) drawIfVisible(r, c, true);
    for (int r = 0; r < GetFixedRowCount(); ++r)
        for (int c = v.minCol; c <= v.maxCol; ++c) drawIfVisible(r, c, true);
    for (int r = v.minRow; r <= v.maxRow; ++r)
        for (int c = v.minCol; c <= v.maxCol; ++c) drawIfVisible(r, c, false);

    HPEN pen = ::CreatePen(PS_SOLID, 0, m_crGridColour);
    if (!pen) return;  // without a pen the lines are left out
    HGDIOBJ old = dc->SelectObject((HGDIOBJ)pen);
    if (m_nGridLines == 2 || m_nGridLines == 3) {
        int x = fixedW;
        for (int c = v.minCol; c <= v.maxCol; ++c) {
            x += GetColumnWidth(c);
            dc->MoveTo(x - 1, fixedH);
            dc->LineTo(x - 1, bottom);
        }
    }
    if (m_nGridLines == 1 || m_nGridLines == 3) {
        int y = fixedH;
        for (int r = v.minRow; r <= v.maxRow; ++r) {
            y += GetRowHeight(r);
            dc->MoveTo(fixedW, y - 1);
            dc->LineTo(right, y - 1);
        }
    }
    dc->SelectObject(old);
    ::DeleteObject(pen);
}

BOOL CGridCtrl::DrawFixedCell(CDC* dc, int row, int col, CRect rect) {
    const CGridCell* cell = GetCell(row, col);
    if (!cell) return FALSE;
    CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    dc->FillSolidRect(&fill, cell->crBkClr == CLR_DEFAULT_GRID ? m_crFixedBkColour : cell->crBkClr);
    // A raised edge.
    HPEN light = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN dark = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    HGDIOBJ old = dc->SelectObject((HGDIOBJ)light);
    dc->MoveTo(rect.right, rect.top);
    dc->LineTo(rect.left, rect.top);
    dc->LineTo(rect.left, rect.bottom);
    dc->SelectObject((HGDIOBJ)dark);
    dc->MoveTo(rect.right, rect.top);
    dc->LineTo(rect.right, rect.bottom);
    dc->LineTo(rect.left, rect.bottom);
    dc->SelectObject(old);
    ::DeleteObject(light);
    ::DeleteObject(dark);
    rect.DeflateRect(1, 1);

    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(cell->crFgClr == CLR_DEFAULT_GRID ? m_crFixedTextColour : cell->crFgClr);
    LOGFONT lf = cell->lfFont;
    CCellID focus = GetFocusCell();
    if (focus.row == row || focus.col == col) lf.lfWeight = FW_NORMAL;
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = dc->SelectObject((HGDIOBJ)font);
    rect.DeflateRect(m_nMargin, 0);
    if (m_hImageList && cell->iImage >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_hImageList, &cx, &cy);
        ImageList_Draw(m_hImageList, cell->iImage, dc->m_hDC, rect.left, rect.top + (rect.Height() - cy) / 2,
                       ILD_NORMAL);
        rect.left += cx + m_nMargin;
    }
    if (m_bSortOnClick && m_bListMode && col == m_nSortColumn && m_hSortArrows) {
        ImageList_Draw(m_hSortArrows, m_bAscending ? 0 : 1, dc->m_hDC, rect.right - 15, rect.bottom - 9,
                       ILD_TRANSPARENT);
        rect.right -= 15;
    } else if (m_hRightImageList && cell->iRightImage >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_hRightImageList, &cx, &cy);
        ImageList_Draw(m_hRightImageList, cell->iRightImage, dc->m_hDC, rect.right - cx, rect.bottom - cy,
                       ILD_TRANSPARENT);
        rect.right -= cx;
    }
    dc->DrawText(cell->szText, &rect, cell->nFormat | DT_NOPREFIX);
    dc->SelectObject(oldFont);
    ::DeleteObject(font);
    return TRUE;
}

BOOL CGridCtrl::DrawCell(CDC* dc, int row, int col, CRect rect) {
    const CGridCell* cell = GetCell(row, col);
    if (!cell) return FALSE;
    COLORREF text;
    if (cell->state & (GVIS_FOCUSED | GVIS_SELECTED)) {
        bool focus = (cell->state & GVIS_FOCUSED) != 0;
        dc->FillSolidRect(&rect, focus ? m_crFocusFill : m_crSelFill);
        dc->Draw3dRect(&rect, focus ? m_crFocusTopLeft : m_crSelTopLeft,
                       focus ? m_crFocusBottomRight : m_crSelBottomRight);
        text = focus ? m_crFocusText : m_crSelText;
    } else {
        CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        dc->FillSolidRect(&fill, cell->crBkClr == CLR_DEFAULT_GRID ? m_crBkColour : cell->crBkClr);
        text = cell->crFgClr == CLR_DEFAULT_GRID ? m_crTextColour : cell->crFgClr;
    }
    if (cell->state & GVIS_DROPHILITED) {
        HGDIOBJ op = dc->SelectObject(::GetStockObject(BLACK_PEN));
        HGDIOBJ ob = dc->SelectObject(::GetStockObject(HOLLOW_BRUSH));
        dc->Rectangle(&rect);
        dc->SelectObject(op);
        dc->SelectObject(ob);
    }
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(text);
    HFONT font = ::CreateFontIndirectW(&cell->lfFont);
    HGDIOBJ oldFont = dc->SelectObject((HGDIOBJ)font);
    rect.DeflateRect(m_nMargin, 0);
    if (m_hImageList && cell->iImage >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_hImageList, &cx, &cy);
        ImageList_Draw(m_hImageList, cell->iImage, dc->m_hDC, rect.left, rect.top + (rect.Height() - cy) / 2,
                       ILD_NORMAL);
        rect.left += cx + m_nMargin;
    }
    if (m_hRightImageList && cell->iRightImage >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_hRightImageList, &cx, &cy);
        ImageList_Draw(m_hRightImageList, cell->iRightImage, dc->m_hDC, rect.right - cx, rect.bottom - cy,
                       ILD_TRANSPARENT);
    }
    rect.DeflateRect(0, m_nMargin);
    dc->DrawText(cell->szText, &rect, cell->nFormat | DT_NOPREFIX);
    dc->SelectObject(oldFont);
    ::DeleteObject(font);
    return TRUE;
}

BOOL CGridCtrl::RedrawCell(int row, int col, CDC* dc) {
    if (!m_hWnd || !m_bAllowDraw || !IsValid(row, col)) return FALSE;
    CRect rc = ClientRect();
    if (!IsCellVisible(row, col, rc, false)) return FALSE;
    CRect cell;
    GetCellRect(row, col, &cell);
    HDC own = dc ? nullptr : ::GetDC(m_hWnd);
    CDC* target = dc ? dc : CDC::FromHandle(own);
    bool fixed = row < GetFixedRowCount() || col < GetFixedColumnCount();
    if (fixed) DrawFixedCell(target, row, col, cell);
    else DrawCell(target, row, col, cell);
    if (!fixed) {
        HPEN pen = ::CreatePen(PS_SOLID, 0, m_crGridColour);
        if (pen) {
            HGDIOBJ old = target->SelectObject((HGDIOBJ)pen);
            if (m_nGridLines == 2 || m_nGridLines == 3) {
                target->MoveTo(cell.right, cell.top);
                target->LineTo(cell.right, cell.bottom + 1);
            }
            if (m_nGridLines == 1 || m_nGridLines == 3) {
                target->MoveTo(cell.left, cell.bottom);
                target->LineTo(cell.right + 1, cell.bottom);
            }
            target->SelectObject(old);
            ::DeleteObject(pen);
        }
    }
    if (own) ::ReleaseDC(m_hWnd, own);
    return TRUE;
}

CSize CGridCtrl::GetCellExtent(int row, int col, CDC* dc) {
    const CGridCell* cell = GetCell(row, col);
    if (!cell) return CSize();
    HFONT font = ::CreateFontIndirectW(&cell->lfFont);
    HGDIOBJ old = dc->SelectObject((HGDIOBJ)font);
    CSize size = cell->szText.IsEmpty() ? CSize(0, 0) : dc->GetTextExtent(cell->szText);
    if (cell->szText.IsEmpty()) {
        TEXTMETRICW tm;
        dc->GetTextMetrics(&tm);
        size.cy = tm.tmHeight;
    }
    dc->SelectObject(old);
    ::DeleteObject(font);
    return size;
}

int CGridCtrl::AutoSizeColumn(int col) {
    HDC own = ::GetDC(m_hWnd);
    CDC* dc = CDC::FromHandle(own);
    int imageW = 0, imageH = 0;
    if (m_hImageList) ImageList_GetIconSize(m_hImageList, &imageW, &imageH);
    int w = CGridModel::AutoSizeColumn(col, [&](int r, int c) { return (SIZE)GetCellExtent(r, c, dc); }, imageW);
    ::ReleaseDC(m_hWnd, own);
    ResetScrollBars();
    Invalidate(FALSE);
    return w;
}

int CGridCtrl::AutoSizeRow(int row) {
    HDC own = ::GetDC(m_hWnd);
    CDC* dc = CDC::FromHandle(own);
    int imageW = 0, imageH = 0;
    if (m_hImageList) ImageList_GetIconSize(m_hImageList, &imageW, &imageH);
    int h = CGridModel::AutoSizeRow(row, [&](int r, int c) { return (SIZE)GetCellExtent(r, c, dc); }, imageH);
    ::ReleaseDC(m_hWnd, own);
    ResetScrollBars();
    Invalidate(FALSE);
    return h;
}

void CGridCtrl::OnSysColorChange() {
    Default();
    auto follow = [](COLORREF& colour, COLORREF was, COLORREF now) {
        if (colour == was) colour = now;
    };
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT), window = ::GetSysColor(COLOR_WINDOW),
             face = ::GetSysColor(COLOR_BTNFACE), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    follow(m_crTextColour, m_crWindowText, text);
    follow(m_crFixedTextColour, m_crWindowText, text);
    follow(m_crBkColour, m_crWindowColour, window);
    follow(m_crFixedBkColour, m_cr3DFace, face);
    follow(m_crGridBkColour, m_crShadow, shadow);
    m_crWindowText = text;
    m_crWindowColour = window;
    m_cr3DFace = face;
    m_crShadow = shadow;
    Invalidate(FALSE);
}

// ---- Mouse ------------------------------------------------------------------------

void CGridCtrl::InvertTrackLine(CPoint point) {
    CRect rc = ClientRect();
    CRect line = m_MouseMode == MOUSE_SIZING_COL ? CRect(point.x - 1, rc.top, point.x + 1, rc.bottom)
                                                 : CRect(rc.left, point.y - 1, rc.right, point.y + 1);
    HDC dc = ::GetDC(m_hWnd);
    ::InvertRect(dc, &line);
    ::ReleaseDC(m_hWnd, dc);
}

void CGridCtrl::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    CGridModel::OnLButtonDown(point, (flags & MK_SHIFT) != 0, (flags & MK_CONTROL) != 0);
    if (!IsValid(m_LeftClickDownCell)) return;
    SetCapture();
    if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW) {
        ::SetCursor(::LoadCursorW(nullptr, m_MouseMode == MOUSE_SIZING_COL ? IDC_SIZEWE : IDC_SIZENS));
        CRect clip = ClientRect();
        CRect start;
        if (m_MouseMode == MOUSE_SIZING_COL) {
            GetCellRect(0, SizingIndex(), &start);
            clip.left = start.left + 1;
        } else {
            GetCellRect(SizingIndex(), 0, &start);
            clip.top = start.top + 1;
        }
        ClientToScreen(&clip);
        ::ClipCursor(&clip);
        m_ptTrackLine = point;
        m_bTrackLine = true;
        InvertTrackLine(point);
    }
}

void CGridCtrl::OnRButtonDown(UINT flags, CPoint point) { OnLButtonDown(flags, point); }

void CGridCtrl::OnLButtonUp(UINT flags, CPoint point) {
    ::ClipCursor(nullptr);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_bTrackLine) {
        InvertTrackLine(m_ptTrackLine);
        m_bTrackLine = false;
        if (point != m_LeftClickDownPoint) {
            CRect start;
            if (m_MouseMode == MOUSE_SIZING_COL) {
                GetCellRect(0, SizingIndex(), &start);
                SetColumnWidth(SizingIndex(), std::max<int>(0, point.x - start.left));
            } else if (m_MouseMode == MOUSE_SIZING_ROW) {
                GetCellRect(SizingIndex(), 0, &start);
                SetRowHeight(SizingIndex(), std::max<int>(0, point.y - start.top));
            }
            ResetScrollBars();
            Invalidate(FALSE);
        }
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    CGridModel::OnLButtonUp(false);
}

void CGridCtrl::OnRButtonUp(UINT flags, CPoint point) {
    OnLButtonUp(flags, point);
    PostToOwner(GVM_RBUTTONUP, ((WPARAM)(GetFocusCell().row & 0xFFFF) << 16) | (WPARAM)(GetFocusCell().col & 0xFFFF),
                GetGridId());
}

void CGridCtrl::OnLButtonDblClk(UINT flags, CPoint point) {
    int boundary = BoundaryAt(point);
    if (boundary != 0) {
        CCellID cell = GetCellFromPt(point);
        CRect rc;
        GetCellRect(cell.row, cell.col, &rc);
        if (boundary == 1) {
            int col = (point.x - rc.left < m_nResizeCaptureRange && cell.col > 0) ? cell.col - 1 : cell.col;
            AutoSizeColumn(col);
        } else {
            int row = (point.y - rc.top < m_nResizeCaptureRange && cell.row > 0) ? cell.row - 1 : cell.row;
            AutoSizeRow(row);
        }
        return;
    }
    m_MouseMode = MOUSE_NOTHING;
    CGridModel::OnLButtonDblClk(point);
}

void CGridCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (flags & MK_LBUTTON) {
        if (m_bTrackLine) {
            InvertTrackLine(m_ptTrackLine);
            m_ptTrackLine = point;
            InvertTrackLine(point);
        }
        return;
    }
    CGridModel::OnMouseHover(point);
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
    else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
    else ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    if (m_MouseMode == MOUSE_NOTHING && m_bTitleTips && m_TitleTip.m_hWnd) {
        CCellID cell = GetCellFromPt(point);
        const CGridCell* c = GetCell(cell.row, cell.col);
        if (c && !c->szText.IsEmpty()) {
            CRect cellRect;
            GetCellRect(cell.row, cell.col, &cellRect);
            CRect textRect = cellRect;
            if (m_hImageList && c->iImage >= 0) {
                int cx = 0, cy = 0;
                ImageList_GetIconSize(m_hImageList, &cx, &cy);
                textRect.left += cx + m_nMargin;
            }
            textRect.DeflateRect(m_nMargin, 0);
            m_TitleTip.Show(textRect, c->szText, 0, &cellRect, &c->lfFont);
        }
    }
}

BOOL CGridCtrl::OnSetCursor(CWnd*, UINT hitTest, UINT) {
    if (hitTest == HTCLIENT) {
        LPCWSTR cursor = m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_SIZING_COL ? IDC_SIZEWE
                       : m_MouseMode == MOUSE_OVER_ROW_DIVIDE || m_MouseMode == MOUSE_SIZING_ROW ? IDC_SIZENS
                                                                                                 : IDC_ARROW;
        ::SetCursor(::LoadCursorW(nullptr, cursor));
        return TRUE;
    }
    return (BOOL)Default();
}

// ---- Keys -------------------------------------------------------------------------

UINT CGridCtrl::OnGetDlgCode() {
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !(::GetKeyState(VK_CONTROL) & 0x8000)) code |= DLGC_WANTTAB;
    return code;
}

void CGridCtrl::OnKeyDown(UINT ch, UINT, UINT) {
    bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (!CGridModel::OnKeyDown(ch, shift, ctrl, ClientRect())) {
        // Tab at either end goes on to the next control of the dialog.
        HWND parent = ::GetParent(m_hWnd);
        if (parent) ::PostMessageW(parent, WM_NEXTDLGCTL, shift ? 1 : 0, 0);
        return;
    }
    if (ch == VK_NEXT || ch == VK_PRIOR || ch == VK_HOME || ch == VK_END) {
        ::SetScrollPos(m_hWnd, SB_VERT, m_nVScrollPos, TRUE);
        Invalidate(FALSE);
    }
}

void CGridCtrl::OnChar(UINT ch, UINT, UINT) {
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    CGridModel::OnChar(ch, ctrl);
}

void CGridCtrl::OnSelectAll() {
    SelectAllCells();
    Invalidate(FALSE);
}

void CGridCtrl::OnUpdateSelectAll(CCmdUI* ui) { ui->Enable(m_bEnableSelection && !m_bSingleSelection); }

// ---- Editing ----------------------------------------------------------------------

bool CGridCtrl::StartInPlaceEdit(int row, int col, const CString& text, UINT format, UINT key) {
    CRect rect;
    if (!GetCellRect(row, col, &rect)) return false;
    rect.right += 1;
    rect.bottom += 1;
    DWORD style = (format & DT_RIGHT) ? ES_RIGHT : (format & DT_CENTER) ? ES_CENTER : ES_LEFT;
    return CreateInPlaceEditControl(rect, style, IDC_GRID_INPLACE_EDIT, row, col, text, key) != FALSE;
}

BOOL CGridCtrl::CreateInPlaceEditControl(const CRect& rect, DWORD style, UINT id, int row, int col, LPCTSTR text,
                                         UINT key) {
    // The editor deletes itself when its window goes.
    new CGridEdit(this, rect, style, id, row, col, text, key);
    return GetEditWindow() != nullptr;
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* nm, LRESULT* result) {
    GV_DISPINFO* info = reinterpret_cast<GV_DISPINFO*>(nm);
    CGridModel::OnEndInPlaceEdit(info->item.row, info->item.col, info->item.szText, (UINT)info->item.lParam,
                                 ClientRect());
    *result = 0;
}

void CGridCtrl::ContinueEditLater(UINT lastKey, bool shift, const CRect&) {
    PostMessage(WM_GRID_CONTINUE_EDIT, lastKey, shift ? 1 : 0);
}

LRESULT CGridCtrl::OnContinueEdit(WPARAM wParam, LPARAM lParam) {
    ContinueEdit((UINT)wParam, lParam != 0, ClientRect());
    return 0;
}
