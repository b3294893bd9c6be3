#include "ui/BitmapPickerCombo.h"

#include "ui/BmpReader.h"

BEGIN_MESSAGE_MAP(CBitmapPickerCombo, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CBitmapPickerCombo::~CBitmapPickerCombo() {
    for (HBITMAP b : m_bitmaps) ::DeleteObject(b);
}

int CBitmapPickerCombo::AddBitmapFile(LPCTSTR path, LPCTSTR text) {
    HBITMAP bmp = path ? CBmpReader::LoadBitmapFile(path) : nullptr;
    int index = (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)(text ? text : _T("")));
    if (index < 0) {
        if (bmp) ::DeleteObject(bmp);
        return index;
    }
    SendMessage(CB_SETITEMDATA, index, (LPARAM)bmp);
    if (bmp) {
        m_bitmaps.push_back(bmp);
        BITMAP bm;
        ::GetObjectW(bmp, sizeof(bm), &bm);
        if (bm.bmWidth > m_nMaxWidth) m_nMaxWidth = bm.bmWidth;
        if (bm.bmHeight > m_nMaxHeight) m_nMaxHeight = bm.bmHeight;
        int count = (int)SendMessage(CB_GETCOUNT);
        for (int i = 0; i < count; ++i) SendMessage(CB_SETITEMHEIGHT, i, m_nMaxHeight + 6);
        SendMessage(CB_SETITEMHEIGHT, (WPARAM)-1, m_nMaxHeight + 6);
    }
    return index;
}

HBITMAP CBitmapPickerCombo::GetItemBitmap(int index) const {
    LRESULT data = SendMessage(CB_GETITEMDATA, index);
    return data == CB_ERR ? nullptr : (HBITMAP)data;
}

void CBitmapPickerCombo::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    mis->itemWidth = m_nMaxWidth + 2;
    mis->itemHeight = m_nMaxHeight + 2;
}

void CBitmapPickerCombo::DrawContent(HDC dc, const CRect& rc, HBITMAP bitmap, const CString& text) {
    BITMAP bm = {};
    if (bitmap) ::GetObjectW(bitmap, sizeof(bm), &bm);
    if (bitmap) {
        HDC mem = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(mem, bitmap);
        int x, y;
        if (!text.IsEmpty()) {
            x = rc.left + 2;
            y = rc.top + (rc.Height() - m_nMaxHeight) / 2 + (m_nMaxHeight - bm.bmHeight) / 2;
        } else {
            x = rc.left + (rc.Width() - bm.bmWidth) / 2;
            y = rc.top + (rc.Height() - bm.bmHeight) / 2;
        }
        ::BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
    }
    if (!text.IsEmpty()) {
        CRect t = rc;
        t.left += m_nMaxWidth + 4;
        ::DrawTextW(dc, text, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

void CBitmapPickerCombo::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    CRect rc(dis->rcItem);
    CString text;
    if ((int)dis->itemID >= 0) {
        int len = (int)SendMessage(CB_GETLBTEXTLEN, dis->itemID);
        if (len > 0) {
            std::wstring buffer((size_t)len + 1, L'\0');
            SendMessage(CB_GETLBTEXT, dis->itemID, (LPARAM)&buffer[0]);
            text = buffer.c_str();
        }
    }
    HBITMAP bitmap = (int)dis->itemID >= 0 ? (HBITMAP)dis->itemData : nullptr;
    if (!(dis->itemState & ODS_DISABLED)) {
        bool selected = (dis->itemState & ODS_SELECTED) != 0;
        if (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
            HBRUSH brush = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
            HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            HGDIOBJ ob = ::SelectObject(dc, brush), op = ::SelectObject(dc, pen);
            ::Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);
            ::SelectObject(dc, ob);
            ::SelectObject(dc, op);
            ::DeleteObject(brush);
            ::DeleteObject(pen);
        }
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        if ((int)dis->itemID >= 0) DrawContent(dc, rc, bitmap, text);
        if (dis->itemAction & ODA_FOCUS) ::DrawFocusRect(dc, &rc);
    } else {
        HBRUSH brush = ::CreateSolidBrush(RGB(192, 192, 192));
        HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
        HGDIOBJ ob = ::SelectObject(dc, brush), op = ::SelectObject(dc, pen);
        if ((int)dis->itemID >= 0) DrawContent(dc, rc, bitmap, text);
        ::SelectObject(dc, ob);
        ::SelectObject(dc, op);
        ::DeleteObject(brush);
        ::DeleteObject(pen);
    }
}
