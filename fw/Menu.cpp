#include "Menu.h"

#include "Bitmap.h"
#include "WinApp.h"
#include "Wnd.h"

namespace fwdetail {
CMenu* MenuFromHandle(HMENU menu) { return CMenu::FromHandle(menu); }
}  // namespace fwdetail

CMenu* CMenu::FromHandle(HMENU menu) {
    return fwdetail::TempMap<CMenu>::Get(menu, [](CMenu& m, void* handle) { m.m_hMenu = (HMENU)handle; });
}

BOOL CMenu::LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEW(id)); }
BOOL CMenu::LoadMenu(LPCTSTR name) { return Attach(::LoadMenuW(AfxGetResourceHandle(), name)); }

int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const {
    int length = ::GetMenuStringW(m_hMenu, id, nullptr, 0, flags);
    if (length <= 0) {
        text.Empty();
        return 0;
    }
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int got = ::GetMenuStringW(m_hMenu, id, buffer, length + 1, flags);
    text.ReleaseBuffer(got < 0 ? 0 : got);
    return text.GetLength();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const CBitmap* bitmap) {
    return ::AppendMenuW(m_hMenu, flags | MF_BITMAP, id, (LPCWSTR)(bitmap ? bitmap->m_hObject : nullptr));
}

BOOL CMenu::SetMenuItemBitmaps(UINT pos, UINT flags, const CBitmap* unchecked, const CBitmap* checked) {
    return ::SetMenuItemBitmaps(m_hMenu, pos, flags, unchecked ? (HBITMAP)unchecked->m_hObject : nullptr,
                                checked ? (HBITMAP)checked->m_hObject : nullptr);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params) {
    return ::TrackPopupMenuEx(m_hMenu, flags, x, y, owner ? owner->m_hWnd : nullptr, params);
}
