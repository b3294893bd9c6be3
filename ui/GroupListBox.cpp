#include "ui/GroupListBox.h"
#include "ui/ControlIds.h"

#include "shell/LanguageTable.h"
#include "ui/ControlSettings.h"
#include "ui/GroupListLogic.h"

BEGIN_MESSAGE_MAP(CGroupListBox, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CGroupListBox::CGroupListBox() {
    HINSTANCE res = AfxGetResourceHandle();
    m_hCurrentIcon = (HICON)::LoadImageW(res, MAKEINTRESOURCEW(IDI_MEMO_GROUP_CURRENT), IMAGE_ICON, 32, 32, 0);
    m_hGroupIcon = (HICON)::LoadImageW(res, MAKEINTRESOURCEW(IDI_MEMO_GROUP), IMAGE_ICON, 32, 32, 0);
}

CGroupListBox::~CGroupListBox() {
    if (m_hCurrentIcon) ::DestroyIcon(m_hCurrentIcon);
    if (m_hGroupIcon) ::DestroyIcon(m_hGroupIcon);
}

int CGroupListBox::AddString(LPCTSTR text) {
    int index = (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text);
    if (index >= 0) SendMessage(LB_SETITEMDATA, index, (LPARAM)-1);
    return index;
}

int CGroupListBox::InsertString(int index, LPCTSTR text) {
    int at = (int)SendMessage(LB_INSERTSTRING, index, (LPARAM)text);
    if (at >= 0) SendMessage(LB_SETITEMDATA, at, (LPARAM)-1);
    return at;
}

CString CGroupListBox::GetItemLabel(int index) const {
    int len = (int)SendMessage(LB_GETTEXTLEN, index);
    if (len < 0) return CString();
    std::wstring buffer((size_t)len + 1, L'\0');
    SendMessage(LB_GETTEXT, index, (LPARAM)&buffer[0]);
    CString text(buffer.c_str());
    int count = (int)(LONG_PTR)SendMessage(LB_GETITEMDATA, index);
    return CGroupListLogic::Label(text, count, g_LanguageTable[TEXT_TEMPORARY_STORAGE]);
}

void CGroupListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (SendMessage(LB_GETCOUNT) <= 0) return;
    CRect item(dis->rcItem);
    if ((int)dis->itemID < 0) {
        if (dis->itemAction & ODA_FOCUS) ::DrawFocusRect(dis->hDC, &item);
        return;
    }
    HDC mem = ::CreateCompatibleDC(dis->hDC);
    HBITMAP bmp = ::CreateCompatibleBitmap(dis->hDC, item.Width(), item.Height());
    HGDIOBJ oldBmp = ::SelectObject(mem, bmp);
    ::SetWindowOrgEx(mem, item.left, item.top, nullptr);
    ::BitBlt(mem, item.left, item.top, item.Width(), item.Height(), dis->hDC, item.left, item.top, SRCCOPY);
    HGDIOBJ oldFont = ::SelectObject(mem, (HGDIOBJ)SendMessage(WM_GETFONT));

    int len = (int)SendMessage(LB_GETTEXTLEN, dis->itemID);
    std::wstring buffer((size_t)(len > 0 ? len : 0) + 1, L'\0');
    SendMessage(LB_GETTEXT, dis->itemID, (LPARAM)&buffer[0]);
    CString text(buffer.c_str());
    bool selected = (dis->itemState & ODS_SELECTED) != 0;
    bool current = text.Compare(g_ControlSettings.MemoDBFile) == 0;
    bool recycle = text == CGroupListLogic::RecycleBinFile();
    CString label = CGroupListLogic::Label(text, (int)(LONG_PTR)dis->itemData, g_LanguageTable[TEXT_TEMPORARY_STORAGE]);

    CDC* dc = CDC::FromHandle(mem);
    if (selected) {
        dc->FillSolidRect(&item, RGB(226, 236, 248));
        dc->Draw3dRect(&item, RGB(90, 90, 90), RGB(90, 90, 90));
    } else if (current) {
        dc->FillSolidRect(&item, RGB(255, 255, 163));
        dc->Draw3dRect(&item, RGB(255, 255, 60), RGB(255, 255, 60));
    } else if (dis->itemAction & (ODA_SELECT | ODA_DRAWENTIRE)) {
        dc->FillSolidRect(&item, ::GetSysColor(COLOR_WINDOW));
    }
    ::SetTextColor(mem, CGroupListLogic::TextColor(current, recycle, (dis->itemState & ODS_DISABLED) != 0, selected));
    ::SetBkMode(mem, TRANSPARENT);
    HICON icon = current ? m_hCurrentIcon : m_hGroupIcon;
    if (icon) ::DrawIconEx(mem, item.left + 3 + (selected ? 1 : 0), item.top + 3, icon, 32, 32, 0, nullptr, DI_NORMAL);
    CRect textRect(item.left + 23, item.top + 3, item.right, item.bottom);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (GetStyle() & LBS_USETABSTOPS) flags |= DT_EXPANDTABS;
    ::DrawTextW(mem, label, -1, &textRect, flags);

    ::BitBlt(dis->hDC, item.left, item.top, item.Width(), item.Height(), mem, item.left, item.top, SRCCOPY);
    ::SelectObject(mem, oldFont);
    ::SelectObject(mem, oldBmp);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
}
