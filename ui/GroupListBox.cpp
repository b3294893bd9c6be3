#include "ui/GroupListBox.h"
#include "ui/ControlIds.h"

#include "shell/LanguageTable.h"
#include "ui/ControlSettings.h"
#include "ui/GroupListLogic.h"

CGroupListBox::CGroupListBox() {
    HINSTANCE res = AfxGetResourceHandle();
    m_hCurrentIcon = (HICON)::LoadImageW(res, MAKEINTRESOURCEW(IDI_MEMO_GROUP_CURRENT), IMAGE_ICON, IconSize, IconSize, 0);
    m_hGroupIcon = (HICON)::LoadImageW(res, MAKEINTRESOURCEW(IDI_MEMO_GROUP), IMAGE_ICON, IconSize, IconSize, 0);
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
    CString text;
    if (GetText(index, text) == LB_ERR) return CString();
    return CGroupListLogic::Label(text, (int)(LONG_PTR)GetItemData(index), g_LanguageTable[TEXT_TEMPORARY_STORAGE]);
}

void CGroupListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (GetCount() <= 0) return;
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

    CString text;
    GetText((int)dis->itemID, text);
    bool selected = (dis->itemState & ODS_SELECTED) != 0;
    bool current = text.Compare(g_ControlSettings.MemoDBFile) == 0;
    bool recycle = text == CGroupListLogic::RecycleBinFile();
    CString label = CGroupListLogic::Label(text, (int)(LONG_PTR)dis->itemData, g_LanguageTable[TEXT_TEMPORARY_STORAGE]);

    CDC* dc = CDC::FromHandle(mem);
    if (selected) {
        dc->FillSolidRect(&item, SelectedFill);
        dc->Draw3dRect(&item, SelectedFrame, SelectedFrame);
    } else if (current) {
        dc->FillSolidRect(&item, CurrentFill);
        dc->Draw3dRect(&item, CurrentFrame, CurrentFrame);
    } else if (dis->itemAction & (ODA_SELECT | ODA_DRAWENTIRE)) {
        // A whole redraw too: the row may hold an older label that the list
        // did not erase.
        dc->FillSolidRect(&item, ::GetSysColor(COLOR_WINDOW));
    }
    ::SetTextColor(mem, CGroupListLogic::TextColor(current, recycle, (dis->itemState & ODS_DISABLED) != 0, selected));
    ::SetBkMode(mem, TRANSPARENT);
    HICON icon = current ? m_hCurrentIcon : m_hGroupIcon;
    if (icon)
        ::DrawIconEx(mem, item.left + IconLeft + (selected ? 1 : 0), item.top + IconTop, icon, IconSize, IconSize, 0,
                     nullptr, DI_NORMAL);
    CRect textRect(item.left + TextLeft, item.top + TextTop, item.right, item.bottom);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (GetStyle() & LBS_USETABSTOPS) flags |= DT_EXPANDTABS;
    ::DrawTextW(mem, label, -1, &textRect, flags);

    ::BitBlt(dis->hDC, item.left, item.top, item.Width(), item.Height(), mem, item.left, item.top, SRCCOPY);
    ::SelectObject(mem, oldFont);
    ::SelectObject(mem, oldBmp);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
}
