#include "ui/IconListBox.h"
#include "ui/ControlIds.h"

CIconListBox::CIconListBox() {
    m_hIcon = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_ICON_LIST_ITEM), IMAGE_ICON, 20, 20, 0);
}

CIconListBox::~CIconListBox() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
}

int CIconListBox::AddString(LPCTSTR text) {
    int index = (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text);
    if (index >= 0) SendMessage(LB_SETITEMDATA, index, (LPARAM)-1);
    return index;
}

void CIconListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    CRect item(dis->rcItem);
    if ((int)dis->itemID < 0) {
        if (dis->itemAction & ODA_FOCUS) ::DrawFocusRect(dc, &item);
        return;
    }
    bool selected = (dis->itemState & ODS_SELECTED) != 0;
    CDC* cdc = CDC::FromHandle(dc);
    if (selected && (dis->itemAction & (ODA_SELECT | ODA_DRAWENTIRE))) {
        cdc->FillSolidRect(&item, RGB(77, 136, 179));
        cdc->Draw3dRect(&item, RGB(200, 200, 200), RGB(70, 70, 70));
    } else if (!selected && (dis->itemAction & (ODA_SELECT | ODA_DRAWENTIRE))) {
        cdc->FillSolidRect(&item, ::GetSysColor(COLOR_WINDOW));
    }
    COLORREF text = selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                  : (dis->itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : ::GetSysColor(COLOR_WINDOWTEXT);
    ::SetTextColor(dc, text);
    ::SetBkMode(dc, TRANSPARENT);
    if (m_hIcon) {
        int shift = selected ? 1 : 0;
        ::DrawIconEx(dc, item.left + 2 + shift, item.top + shift, m_hIcon, 20, 20, 0, nullptr, DI_NORMAL);
    }
    int len = (int)SendMessage(LB_GETTEXTLEN, dis->itemID);
    std::wstring buffer((size_t)(len > 0 ? len : 0) + 1, L'\0');
    SendMessage(LB_GETTEXT, dis->itemID, (LPARAM)&buffer[0]);
    CRect textRect(item.left + 23, item.top + 2, item.right, item.bottom);
    UINT flags = DT_SINGLELINE | DT_NOPREFIX;
    if (GetStyle() & LBS_USETABSTOPS) flags |= DT_EXPANDTABS;
    ::DrawTextW(dc, buffer.c_str(), -1, &textRect, flags);
}
