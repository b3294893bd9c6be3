#include "ui/ColorPickerCB.h"

#include "ui/ControlSettings.h"
#include "ui/PassThroughHitTest.h"
#include "ui/PickerColors.h"

BEGIN_MESSAGE_MAP(CColorPickerCB, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_LBUTTONDOWN()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

void CColorPickerCB::FillColors() {
    SendMessage(CB_RESETCONTENT);
    for (COLORREF color : g_PickerColors) {
        LRESULT index = SendMessage(CB_ADDSTRING, 0, (LPARAM)L" ");
        if (index == CB_ERR || index == CB_ERRSPACE) break;
        SendMessage(CB_SETITEMDATA, (WPARAM)index, (LPARAM)color);
    }
}

COLORREF CColorPickerCB::GetSelectedColor() const {
    LRESULT sel = SendMessage(CB_GETCURSEL);
    if (sel == CB_ERR) return RGB(0, 0, 0);
    return (COLORREF)SendMessage(CB_GETITEMDATA, (WPARAM)sel);
}

int CColorPickerCB::SelectColor(COLORREF color) {
    int count = (int)SendMessage(CB_GETCOUNT);
    for (int i = 0; i < count; ++i)
        if ((COLORREF)SendMessage(CB_GETITEMDATA, i) == color) {
            SendMessage(CB_SETCURSEL, i);
            return i;
        }
    return -1;
}

void CColorPickerCB::OnLButtonDown(UINT, CPoint) {
    SetFocus();
    Default();
}

LRESULT CColorPickerCB::OnNcHitTest(CPoint) {
    if (PassPointerThrough(g_ControlSettings.MouseOverHiding)) return HTTRANSPARENT;
    return Default();
}

void CColorPickerCB::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    CRect rc(dis->rcItem);
    if (dis->itemState & ODS_COMBOBOXEDIT) {
        rc.left -= 1;
        rc.top -= 1;
        rc.bottom += 1;
        rc.right += 2;
    }
    bool selected = (dis->itemState & ODS_SELECTED) != 0;
    HBRUSH ground = ::CreateSolidBrush(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::FillRect(dc, &rc, ground);
    ::DeleteObject(ground);
    if (dis->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &dis->rcItem);
    if ((int)dis->itemID < 0) return;
    CRect swatch(dis->rcItem);
    swatch.DeflateRect(1, 1);
    swatch.right = rc.right - 1;
    COLORREF color = (dis->itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : (COLORREF)dis->itemData;
    HBRUSH b = ::CreateSolidBrush(color);
    ::FillRect(dc, &swatch, b);
    ::DeleteObject(b);
    HBRUSH black = ::CreateSolidBrush(RGB(0, 0, 0));
    ::FrameRect(dc, &swatch, black);
    ::DeleteObject(black);
}
