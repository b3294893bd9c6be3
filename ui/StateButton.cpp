#include "ui/StateButton.h"

#include <vector>

BEGIN_MESSAGE_MAP(CStateButton, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CStateButton::~CStateButton() { FreeBitmaps(); }

void CStateButton::PreSubclassWindow() {
    CControlBase::PreSubclassWindow();
    m_nTypeStyle = GetStyle() & BS_TYPEMASK;
    if (m_nTypeStyle == BS_DEFPUSHBUTTON) m_bDefault = TRUE;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
}

int CStateButton::SetColor(int slot, COLORREF color, BOOL repaint) {
    int r = CStateButtonLogic::SetColor(slot, color);
    if (r == ErrOk) Repaint(repaint);
    return r;
}

int CStateButton::SetAllBkColors(COLORREF color, BOOL repaint) {
    m_crColors[0] = m_crColors[2] = m_crColors[4] = color;
    Repaint(repaint);
    return ErrOk;
}

int CStateButton::SetAllFgColors(COLORREF color, BOOL repaint) {
    m_crColors[1] = m_crColors[3] = m_crColors[5] = color;
    Repaint(repaint);
    return ErrOk;
}

int CStateButton::OffsetColor(int slot, int shade, BOOL repaint) {
    int r = CStateButtonLogic::OffsetColor(slot, shade);
    if (r == ErrOk) Repaint(repaint);
    return r;
}

int CStateButton::SetAlign(int align, BOOL repaint) {
    int r = CStateButtonLogic::SetAlign(align);
    if (r == ErrOk) Repaint(repaint);
    return r;
}

int CStateButton::SetCheck(BOOL on, BOOL repaint) {
    m_bCurrentPage = on ? TRUE : FALSE;
    Repaint(repaint);
    return ErrOk;
}

void CStateButton::FreeBitmaps() {
    for (Picture& p : m_pictures) {
        if (p.bitmap) ::DeleteObject(p.bitmap);
        if (p.mask) ::DeleteObject(p.mask);
        p = Picture();
    }
}

HBITMAP CStateButton::CopyWith(HBITMAP source, COLORREF transparent, COLORREF (*pixel)(COLORREF)) {
    BITMAP bm;
    if (!::GetObjectW(source, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits((size_t)bm.bmWidth * bm.bmHeight);
    HDC screen = ::GetDC(nullptr);
    HBITMAP copy = nullptr;
    if (::GetDIBits(screen, source, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS)) {
        for (DWORD& px : bits) {
            // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
            COLORREF c = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
            if (c == transparent) continue;
            COLORREF n = pixel(c);
            px = ((DWORD)GetRValue(n) << 16) | ((DWORD)GetGValue(n) << 8) | GetBValue(n);
        }
        copy = ::CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
        if (copy) ::SetDIBits(screen, copy, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS);
    }
    ::ReleaseDC(nullptr, screen);
    return copy;
}

bool CStateButton::MakeMask(Picture& p) {
    HDC screen = ::GetDC(nullptr);
    HDC src = ::CreateCompatibleDC(screen), dst = ::CreateCompatibleDC(screen);
    p.mask = ::CreateBitmap(p.width, p.height, 1, 1, nullptr);
    bool ok = p.mask != nullptr;
    if (ok) {
        HGDIOBJ o1 = ::SelectObject(src, p.bitmap), o2 = ::SelectObject(dst, p.mask);
        ::SetBkColor(src, p.transparent);
        // Transparent pixels white in the mask, all others black...
        ::BitBlt(dst, 0, 0, p.width, p.height, src, 0, 0, SRCCOPY);
        // ...and black in the picture, so mask AND then picture OR draws it.
        ::SetBkColor(src, RGB(255, 255, 255));
        ::SetTextColor(src, RGB(0, 0, 0));
        ::BitBlt(src, 0, 0, p.width, p.height, dst, 0, 0, 0x00220326);  // DSna
        ::SelectObject(src, o1);
        ::SelectObject(dst, o2);
    }
    ::DeleteDC(src);
    ::DeleteDC(dst);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

int CStateButton::SetBitmapHandles(HBITMAP first, COLORREF firstTransparent, HBITMAP second,
                                   COLORREF secondTransparent, int secondKind) {
    FreeBitmaps();
    if (secondKind == BitmapGrey && first) {
        second = CopyWith(first, firstTransparent, &GreyPixel);
        secondTransparent = firstTransparent;
    } else if (secondKind == BitmapDarker && first) {
        second = CopyWith(first, firstTransparent, &DarkerPixel);
        secondTransparent = firstTransparent;
    }
    HBITMAP given[2] = {first, second};
    COLORREF transparent[2] = {firstTransparent, secondTransparent};
    for (int i = 0; i < 2; ++i) {
        if (!given[i]) continue;
        Picture& p = m_pictures[i];
        p.bitmap = given[i];
        p.transparent = transparent[i];
        BITMAP bm;
        if (!::GetObjectW(p.bitmap, sizeof(bm), &bm)) {
            FreeBitmaps();
            return ErrNoSize;
        }
        p.width = bm.bmWidth;
        p.height = bm.bmHeight;
        if (!MakeMask(p)) {
            FreeBitmaps();
            return ErrNoMask;
        }
    }
    Repaint(TRUE);
    return ErrOk;
}

int CStateButton::SetBitmaps(int firstId, COLORREF firstTransparent, int secondId, COLORREF secondTransparent) {
    HINSTANCE res = AfxGetResourceHandle();
    HBITMAP first = (HBITMAP)::LoadImageW(res, MAKEINTRESOURCEW(firstId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    HBITMAP second = nullptr;
    int kind = 0;
    if (secondId == BitmapGrey || secondId == BitmapDarker) kind = secondId;
    else if (secondId > 0) second = (HBITMAP)::LoadImageW(res, MAKEINTRESOURCEW(secondId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (!first) {
        if (second) ::DeleteObject(second);
        FreeBitmaps();
        return ErrNoSize;
    }
    return SetBitmapHandles(first, firstTransparent, second, secondTransparent, kind);
}

BOOL CStateButton::OnClicked() {
    SetFocus();
    return FALSE;  // the parent still gets the click
}

UINT CStateButton::OnGetDlgCode() {
    UINT code = (UINT)Default();
    code &= ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return code | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT CStateButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    UINT type = (UINT)wParam & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) m_bDefault = type == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, ((UINT)wParam & ~BS_TYPEMASK) | BS_OWNERDRAW, lParam);
}

HBRUSH CStateButton::CtlColor(CDC*, UINT) { return (HBRUSH)::GetStockObject(NULL_BRUSH); }

void CStateButton::OnMouseMove(UINT flags, CPoint point) {
    Default();
    if (((flags & MK_LBUTTON) && !m_bHover) || !m_bFlat) return;
    POINT screen = point;
    ClientToScreen(&screen);
    HWND under = ::WindowFromPoint(screen);
    bool active = m_bAlwaysTrack || ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT);
    if (under == m_hWnd && active) {
        if (!m_bHover) {
            m_bHover = TRUE;
            Invalidate(TRUE);
            TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
        }
    } else {
        EndHover();
    }
}

void CStateButton::EndHover() {
    if (!m_bHover) return;
    m_bHover = FALSE;
    Invalidate(TRUE);
}

void CStateButton::OnMouseLeave() { EndHover(); }
void CStateButton::OnKillFocus(CWnd*) {
    Default();
    EndHover();
}
void CStateButton::OnActivate(UINT state, CWnd*, BOOL) {
    Default();
    if (state == WA_INACTIVE) EndHover();
}
void CStateButton::OnCancelMode() {
    Default();
    EndHover();
}
void CStateButton::OnEnable(BOOL enable) {
    Default();
    if (!enable) {
        HWND parent = ::GetParent(m_hWnd);
        if (parent) {
            if (::GetFocus() == m_hWnd) {
                HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
                ::SetFocus(next && next != m_hWnd ? next : parent);
            }
        }
        EndHover();
    }
}

void CStateButton::OnSysColorChange() {
    Default();
    ResetColors();
    Invalidate(TRUE);
}

void CStateButton::OnLButtonDblClk(UINT flags, CPoint point) {
    SendMessage(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void CStateButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    m_bPressed = (dis->itemState & ODS_SELECTED) != 0;
    m_bFocused = (dis->itemState & ODS_FOCUS) != 0;
    m_bDisabled = (dis->itemState & ODS_DISABLED) != 0;
    CRect item(dis->rcItem);
    ::SetBkMode(dc, TRANSPARENT);

    CRect fill = item;
    if (!m_bFlat && (m_bFocused || m_bDefault)) {
        HBRUSH black = ::CreateSolidBrush(RGB(0, 0, 0));
        ::FrameRect(dc, &item, black);
        ::DeleteObject(black);
        fill.DeflateRect(1, 1);
    }
    bool hot = m_bHover || m_bPressed;
    COLORREF back = m_crColors[BackSlot(hot, m_bFocused)];
    COLORREF text = m_crColors[BackSlot(hot, m_bFocused) + 1];
    HBRUSH b = ::CreateSolidBrush(back);
    ::FillRect(dc, &fill, b);
    ::DeleteObject(b);

    CDC* cdc = CDC::FromHandle(dc);
    if (m_bPressed) {
        if (m_bFlat && m_bDrawBorder) cdc->Draw3dRect(&fill, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        else if (!m_bFlat) {
            HBRUSH s = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
            ::FrameRect(dc, &fill, s);
            ::DeleteObject(s);
        }
    } else if (!m_bFlat) {
        CRect r = fill;
        cdc->Draw3dRect(&r, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
        r.DeflateRect(1, 1);
        cdc->Draw3dRect(&r, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (m_bHover && m_bDrawBorder) {
        cdc->Draw3dRect(&fill, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }

    CString caption = GetWindowText();
    CRect captionRect = item;
    const Picture& pic = (hot || !m_pictures[1].bitmap) ? m_pictures[0] : m_pictures[1];
    if (pic.bitmap) {
        int w = pic.width, h = pic.height;
        CRect img(0, 0, w, h);
        switch (m_byAlign) {
        case 0:
            if (!caption.IsEmpty()) {
                img.MoveToX(item.left + m_ptImageOrigin.x);
                captionRect.left += w + m_ptImageOrigin.x;
            } else {
                img.MoveToX(item.left + (item.Width() - w) / 2);
            }
            img.MoveToY(item.top + (item.Height() - h) / 2);
            break;
        case 1:
            img.MoveToX(item.left + (item.Width() - w) / 2);
            if (!caption.IsEmpty()) {
                img.MoveToY(item.top + m_ptImageOrigin.y);
                captionRect.top += h;
            } else {
                img.MoveToY(item.top + (item.Height() - h) / 2);
            }
            break;
        case 2:
            if (caption.IsEmpty()) {
                img.MoveToX(item.left + (item.Width() - w) / 2);
            } else {
                captionRect.left = item.left + m_ptImageOrigin.x;
                captionRect.right = item.right - w - m_ptImageOrigin.x;
                img.MoveToX(item.right - w - m_ptImageOrigin.x);
                img.MoveToY(item.top + (item.Height() - h) / 2);
            }
            break;
        default:
            img.MoveToXY(item.left, item.top);
            break;
        }
        if (m_bPressed) img.OffsetRect(m_ptPressOffset.x, m_ptPressOffset.y);
        HDC mem = ::CreateCompatibleDC(dc);
        if (m_bDisabled && m_bShowDisabledBitmap) {
            // A copy on white, drawn with the system's disabled look.
            HBITMAP copy = ::CreateCompatibleBitmap(dc, w, h);
            HGDIOBJ o = ::SelectObject(mem, copy);
            ::PatBlt(mem, 0, 0, w, h, WHITENESS);
            HDC src = ::CreateCompatibleDC(dc);
            HGDIOBJ so = ::SelectObject(src, pic.mask);
            ::BitBlt(mem, 0, 0, w, h, src, 0, 0, SRCAND);
            ::SelectObject(src, pic.bitmap);
            ::BitBlt(mem, 0, 0, w, h, src, 0, 0, SRCPAINT);
            ::SelectObject(src, so);
            ::DeleteDC(src);
            ::SelectObject(mem, o);
            ::DrawStateW(dc, nullptr, nullptr, (LPARAM)copy, 0, img.left, img.top, w, h, DST_BITMAP | DSS_DISABLED);
            ::DeleteObject(copy);
        } else {
            HGDIOBJ o = ::SelectObject(mem, pic.mask);
            ::BitBlt(dc, img.left, img.top, w, h, mem, 0, 0, SRCAND);
            ::SelectObject(mem, pic.bitmap);
            ::BitBlt(dc, img.left, img.top, w, h, mem, 0, 0, SRCPAINT);
            ::SelectObject(mem, o);
        }
        ::DeleteDC(mem);
    }

    if (!caption.IsEmpty()) {
        if (m_bPressed) captionRect.OffsetRect(m_ptPressOffset.x, m_ptPressOffset.y);
        CRect measure = captionRect;
        ::DrawTextW(dc, caption, -1, &measure, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        CRect centred = captionRect;
        centred.top += (captionRect.Height() - measure.Height()) / 2;
        centred.bottom = centred.top + measure.Height();
        if (m_bDisabled) {
            CRect r = centred;
            r.OffsetRect(1, 1);
            ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
            ::DrawTextW(dc, caption, -1, &r, DT_WORDBREAK | DT_CENTER);
            ::SetTextColor(dc, ::GetSysColor(COLOR_3DSHADOW));
            ::DrawTextW(dc, caption, -1, &centred, DT_WORDBREAK | DT_CENTER);
        } else {
            ::SetTextColor(dc, text);
            ::SetBkColor(dc, back);
            ::DrawTextW(dc, caption, -1, &centred, DT_WORDBREAK | DT_CENTER);
        }
    }
    if (m_bFocused && (!m_bFlat || m_bDrawFlatFocus)) {
        CRect f = item;
        f.DeflateRect(3, 3);
        ::DrawFocusRect(dc, &f);
    }
    if (m_bCurrentPage) {
        CRect c;
        GetClientRect(&c);
        cdc->Draw3dRect(&c, RGB(226, 226, 226), RGB(255, 255, 255));
    }
}
